#include "simulatorprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

SimulatorProcess::SimulatorProcess() = default;

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

QString SimulatorProcess::programPath()
{
    const QString fromEnvironment = qEnvironmentVariable("KVR_DEVICESIM");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
#ifdef KVR_DEVICESIM_PATH
    return QStringLiteral(KVR_DEVICESIM_PATH);
#else
    return QStringLiteral("kvr210c-devicesim");
#endif
}

QString SimulatorProcess::stateFile() const
{
    return m_dir.filePath(QStringLiteral("device-state.txt"));
}

bool SimulatorProcess::start(const QStringList& arguments, int timeoutMs)
{
    stop();
    m_portName.clear();
    m_marks = 0;
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory: %1").arg(m_dir.errorString());
        return false;
    }
    QFile::remove(m_dir.filePath(QStringLiteral("log.txt")));
    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("log.txt")));
    m_process.start(programPath(),
                    QStringList{QStringLiteral("--log"), QStringLiteral("--state"), stateFile()} + arguments);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("%1: %2").arg(programPath(), m_process.errorString());
        return false;
    }
    QDeadlineTimer deadline(timeoutMs);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime()))) {
            m_error = QStringLiteral("the simulator gave no port: %1").arg(logLines().join(QLatin1Char('\n')));
            stop();
            return false;
        }
    }
    m_portName = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_portName.isEmpty();
}

void SimulatorProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool SimulatorProcess::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

QStringList SimulatorProcess::allLogLines() const
{
    QFile file(m_dir.filePath(QStringLiteral("log.txt")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList SimulatorProcess::logLines() const
{
    QStringList lines = allLogLines();
    lines.removeAll(markLogLine());
    return lines;
}

QString SimulatorProcess::markLogLine()
{
    return QStringLiteral("frame ") + QString::fromLatin1(markFrame().toHex());
}

bool SimulatorProcess::waitForMark(int timeoutMs)
{
    ++m_marks;
    if (!waitForLog([this] { return allLogLines().count(markLogLine()) >= m_marks; }, timeoutMs)) {
        m_error = QStringLiteral("the device did not log mark %1").arg(m_marks);
        return false;
    }
    return true;
}

bool SimulatorProcess::settle(int timeoutMs)
{
    const QByteArray frame = markFrame();
    const int fd = ::open(QFile::encodeName(m_portName).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0 || ::write(fd, frame.constData(), size_t(frame.size())) != frame.size()) {
        m_error =
            QStringLiteral("no mark sent to %1: %2").arg(m_portName, QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        return false;
    }
    const bool settled = waitForMark(timeoutMs);
    // Its echo taken off the line, so that the next opener finds nothing stale.
    qsizetype echoed = 0;
    pollfd p{fd, POLLIN, 0};
    char buffer[64];
    while (settled && echoed < frame.size() && ::poll(&p, 1, timeoutMs) > 0) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        echoed += got > 0 ? got : frame.size();
    }
    ::close(fd);
    return settled;
}

QList<QByteArray> SimulatorProcess::receivedFrames() const
{
    // "SETS", the payload's length, the payload.
    const auto framed = [](const QByteArray& payload) {
        return "SETS" + QByteArray(1, char(payload.size())) + payload;
    };
    QList<QByteArray> frames;
    for (const QString& line : logLines()) {
        const QStringList words = line.split(QLatin1Char(' '));
        if (line == QLatin1String("ISPOK!")) {
            frames << framed("ISPOK!");
        } else if (words.size() == 4 && words.at(0) == QLatin1String("record")) {
            frames << QByteArray::fromHex(words.at(3).toLatin1());
        } else if (words.size() == 2 && words.at(0) == QLatin1String("frame")) {
            const QByteArray word = words.at(1).toLatin1();
            const bool named = word == "KVR210" || word == "LOAD_DATA";
            frames << (named ? framed(word) : QByteArray::fromHex(word));
        }
    }
    return frames;
}

int SimulatorProcess::countLogLines(const QString& prefix) const
{
    int count = 0;
    for (const QString& line : logLines()) {
        count += line.startsWith(prefix);
    }
    return count;
}

bool SimulatorProcess::waitForLogLine(const QString& prefix, int timeoutMs) const
{
    return waitForLog(
        [this, &prefix] {
            const QStringList lines = logLines();
            return std::any_of(lines.begin(), lines.end(),
                               [&prefix](const QString& line) { return line.startsWith(prefix); });
        },
        timeoutMs);
}

bool SimulatorProcess::waitForLog(const std::function<bool()>& seen, int timeoutMs)
{
    // The log is a file the simulator appends to: it is read again until it shows what is awaited.
    QDeadlineTimer deadline(timeoutMs);
    while (!seen()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(10);
    }
    return true;
}

QMap<SimulatorProcess::Key, QByteArray> SimulatorProcess::storedRecords() const
{
    QMap<Key, QByteArray> records;
    QFile file(stateFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return records;
    }
    while (!file.atEnd()) {
        const QByteArray record = QByteArray::fromHex(file.readLine().trimmed());
        if (record.size() >= 8) {
            records.insert({uchar(record.at(5)), uchar(record.at(7))}, record);
        }
    }
    return records;
}

bool SimulatorProcess::setStoredRecords(const QList<QByteArray>& records)
{
    QFile file(stateFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        m_error = file.errorString();
        return false;
    }
    for (const QByteArray& record : records) {
        file.write(record.toHex() + '\n');
    }
    return file.error() == QFile::NoError;
}
