#include "devicesimulator.h"
#include "wire.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <thread>

namespace {

// The record layout is spelled out here on purpose, apart from the engine's: the simulator stands in for the device.

// One byte is ten bits (start, eight data, stop) at 9600 baud.
constexpr std::chrono::nanoseconds ByteTime(1'000'000'000LL * 10 / 9600);
constexpr int FrameHeader = 5;
constexpr int SecondLayer = 6;
// An unfinished frame is given up after this long without its rest.
constexpr std::chrono::milliseconds FrameGap(500);
const QByteArray Tag("SETS");

int byteAt(const QByteArray& bytes, int offset)
{
    return offset < bytes.size() ? static_cast<uchar>(bytes.at(offset)) : 0;
}

bool isRecord(const QByteArray& frame)
{
    return frame.size() >= 8 && frame.startsWith(Tag) && frame.at(6) == '-';
}

// What a device that was never given a record holds for it.
QByteArray emptyRecord(int x, int y)
{
    QByteArray record = Tag;
    record.append(char(8));
    record.append(char(x));
    record.append('-');
    record.append(char(y));
    record.append(char(2)); // 9600 baud
    record.append(char(0)); // no parity
    record.append(char(0)); // no delay
    record.append('D');
    record.append('1');
    return record;
}

QByteArray garbage(int n)
{
    // Printable and binary noise, never containing the record tag.
    static const char raw[] = "\x00\xff"
                              "noise\r\n\x13\x11"
                              "RET";
    static const QByteArray noise(raw, sizeof raw - 1);
    QByteArray bytes;
    for (int i = 0; i < n; ++i) {
        bytes.append(noise.at((i * 7 + n) % noise.size()));
    }
    return bytes;
}

} // namespace

DeviceSimulator::DeviceSimulator(Wire* wire, const Options& options)
    : m_wire(wire)
    , m_options(options)
{
}

DeviceSimulator::Fault DeviceSimulator::faultFromName(const QString& name, bool* ok)
{
    *ok = true;
    if (name == QLatin1String("silent")) {
        return Fault::Silent;
    }
    if (name == QLatin1String("corrupt-echo")) {
        return Fault::CorruptEcho;
    }
    if (name == QLatin1String("short-echo")) {
        return Fault::ShortEcho;
    }
    if (name == QLatin1String("drop-frame")) {
        return Fault::DropFrame;
    }
    if (name == QLatin1String("garbage")) {
        return Fault::Garbage;
    }
    if (name == QLatin1String("cut-record")) {
        return Fault::CutRecord;
    }
    if (name == QLatin1String("duplicate")) {
        return Fault::Duplicate;
    }
    if (name == QLatin1String("vanish")) {
        return Fault::Vanish;
    }
    *ok = name.isEmpty() || name == QLatin1String("none");
    return Fault::None;
}

bool DeviceSimulator::loadState(QString* error)
{
    if (m_options.stateFile.isEmpty() || !QFile::exists(m_options.stateFile)) {
        return true;
    }
    QFile file(m_options.stateFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QByteArray record = QByteArray::fromHex(line);
        if (!isRecord(record)) {
            *error = QStringLiteral("not a device record: %1").arg(QString::fromLatin1(line));
            return false;
        }
        m_records.insert({byteAt(record, 5), byteAt(record, 7)}, record);
    }
    return true;
}

void DeviceSimulator::saveState()
{
    if (m_options.stateFile.isEmpty()) {
        return;
    }
    // Whole or not at all, since a test may read the file at any moment: write
    // beside it and rename over it. No sync to disk (as QSaveFile would do):
    // that would cost the line several milliseconds per record.
    const QString temporary = m_options.stateFile + QStringLiteral(".new");
    QFile file(temporary);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    for (const QByteArray& record : std::as_const(m_records)) {
        ok = ok && file.write(record.toHex() + '\n') > 0;
    }
    file.close();
    ok = ok && file.error() == QFile::NoError;
    if (!ok
        || std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_options.stateFile).constData())
            != 0) {
        log(QStringLiteral("state not saved: %1").arg(file.errorString()));
        QFile::remove(temporary);
    }
}

void DeviceSimulator::log(const QString& line) const
{
    if (m_options.log) {
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
    }
}

void DeviceSimulator::run(const volatile std::sig_atomic_t& stop)
{
    m_stop = &stop;
    while (!stop && !m_vanished) {
        const QByteArray bytes = receive(4096, 100);
        if (bytes.isEmpty()) {
            if (!m_input.isEmpty() && Clock::now() - m_inputSince > FrameGap) {
                log(QStringLiteral("dropped %1").arg(QString::fromLatin1(m_input.toHex())));
                m_input.clear();
            }
            continue;
        }
        if (m_input.isEmpty()) {
            m_inputSince = Clock::now();
        }
        m_input.append(bytes);
        takeFrames();
    }
}

QByteArray DeviceSimulator::receive(int maxBytes, int timeoutMs)
{
    const QByteArray bytes = m_wire->read(maxBytes, timeoutMs);
    if (m_options.pace && !bytes.isEmpty()) {
        // They count as arrived when the line could have delivered them.
        m_lineInReady = std::max(m_lineInReady, Clock::now()) + ByteTime * bytes.size();
        std::this_thread::sleep_until(m_lineInReady);
    }
    return bytes;
}

void DeviceSimulator::send(const QByteArray& bytes)
{
    if (m_vanished) {
        return;
    }
    if (!m_options.pace) {
        m_wire->write(bytes);
        return;
    }
    // Byte i leaves the line at start + (i + 1) byte times; a late wake-up
    // writes everything that is due at once, so lateness never adds up.
    const Clock::time_point start = std::max(m_lineOutFree, Clock::now());
    int sent = 0;
    while (sent < bytes.size() && !*m_stop) {
        std::this_thread::sleep_until(start + ByteTime * (sent + 1));
        const auto due = static_cast<int>((Clock::now() - start) / ByteTime);
        const int n = std::clamp(due - sent, 1, static_cast<int>(bytes.size()) - sent);
        if (!m_wire->write(bytes.mid(sent, n))) {
            break;
        }
        sent += n;
    }
    m_lineOutFree = start + ByteTime * bytes.size();
}

void DeviceSimulator::takeFrames()
{
    for (;;) {
        const qsizetype at = m_input.indexOf(Tag);
        if (at < 0) {
            // Keep a possible beginning of a tag ("S", "SE", "SET").
            int keep = 0;
            for (int k = 3; k > 0 && !keep; --k) {
                if (m_input.endsWith(Tag.left(k))) {
                    keep = k;
                }
            }
            if (m_input.size() > keep) {
                log(QStringLiteral("noise %1").arg(QString::fromLatin1(m_input.left(m_input.size() - keep).toHex())));
                m_input = m_input.right(keep);
            }
            return;
        }
        if (at > 0) {
            log(QStringLiteral("noise %1").arg(QString::fromLatin1(m_input.left(at).toHex())));
            m_input.remove(0, at);
        }
        if (m_input.size() < FrameHeader) {
            return;
        }
        const int size = FrameHeader + byteAt(m_input, 4);
        if (m_input.size() < size) {
            return;
        }
        const QByteArray frame = m_input.left(size);
        m_input.remove(0, size);
        m_inputSince = Clock::now();
        handleFrame(frame);
    }
}

bool DeviceSimulator::faultNow()
{
    ++m_chances;
    if (m_options.fault == Fault::None || m_chances <= m_options.faultAfter) {
        return false;
    }
    if (m_options.faultCount >= 0 && m_faults >= m_options.faultCount) {
        return false;
    }
    ++m_faults;
    return true;
}

bool DeviceSimulator::isLoadFault() const
{
    return m_options.fault == Fault::Garbage || m_options.fault == Fault::CutRecord
        || m_options.fault == Fault::Duplicate;
}

void DeviceSimulator::vanish()
{
    log(QStringLiteral("fault vanish"));
    m_wire->close();
    m_vanished = true;
}

void DeviceSimulator::handleFrame(const QByteArray& frame)
{
    const QByteArray payload = frame.mid(FrameHeader);
    Fault fault = Fault::None;
    if (!isLoadFault() && faultNow()) {
        fault = m_options.fault;
    }
    if (fault == Fault::Vanish) {
        vanish();
        return;
    }
    if (fault == Fault::DropFrame) {
        log(QStringLiteral("fault drop-frame"));
        return;
    }

    bool load = false;
    if (isRecord(frame)) {
        const int x = byteAt(frame, 5);
        const int y = byteAt(frame, 7);
        log(QStringLiteral("record %1 %2 %3").arg(x).arg(y).arg(QString::fromLatin1(frame.toHex())));
        if (m_records.value({x, y}) != frame) {
            m_records.insert({x, y}, frame);
            saveState();
        }
    } else if (payload == "ISPOK!") {
        log(QStringLiteral("ISPOK!"));
    } else if (payload == "KVR210" || payload == "LOAD_DATA") {
        log(QStringLiteral("frame %1").arg(QString::fromLatin1(payload)));
        load = payload == "LOAD_DATA";
    } else {
        log(QStringLiteral("frame %1").arg(QString::fromLatin1(frame.toHex())));
    }

    switch (fault) {
    case Fault::Silent:
        log(QStringLiteral("fault silent"));
        return; // says nothing, and so does not start a load either
    case Fault::CorruptEcho: {
        log(QStringLiteral("fault corrupt-echo"));
        QByteArray echo = frame;
        echo[echo.size() - 1] = static_cast<char>(echo.at(echo.size() - 1) ^ 0x5A);
        send(echo);
        break;
    }
    case Fault::ShortEcho:
        log(QStringLiteral("fault short-echo"));
        send(frame.left(3));
        break;
    default:
        send(frame);
        break;
    }
    if (load) {
        sendRecords();
    }
}

QByteArray DeviceSimulator::recordFor(const Key& key) const
{
    return m_records.value(key, emptyRecord(key.first, key.second));
}

void DeviceSimulator::sendRecords()
{
    QList<Key> order;
    for (int x = 1; x <= 6; ++x) {
        for (int y : {1, SecondLayer, 2, 3, 4, 5}) {
            order.append({x, y});
        }
    }
    order = order.mid(0, qBound(0, m_options.loadRecords, int(order.size())));
    if (m_options.extraRecord) {
        const Key extra(m_options.extraX, m_options.extraY);
        const int at = m_options.extraAt;
        order.insert(at >= 0 && at < order.size() ? at : order.size(), extra);
    }

    for (int i = 0; i < order.size(); ++i) {
        const Key& key = order.at(i);
        if (*m_stop || m_vanished) {
            return;
        }
        Fault fault = Fault::None;
        if ((isLoadFault() || m_options.fault == Fault::Vanish) && faultNow()) {
            fault = m_options.fault;
        }
        if (fault == Fault::Vanish) {
            vanish();
            return;
        }
        if (fault == Fault::Garbage) {
            const QByteArray noise = garbage(3 + m_faults % 9);
            log(QStringLiteral("garbage %1").arg(noise.size()));
            send(noise);
        }
        Key sent = key;
        if (fault == Fault::Duplicate && i > 0) {
            sent = order.at(i - 1);
            log(QStringLiteral("fault duplicate %1 %2 instead of %3 %4")
                    .arg(sent.first)
                    .arg(sent.second)
                    .arg(key.first)
                    .arg(key.second));
        }
        QByteArray record = recordFor(sent);
        if (m_options.alterRecord && sent == Key(m_options.alterX, m_options.alterY)) {
            // The last command byte, or the delay when there is no command.
            const int at = record.size() > 13 ? int(record.size()) - 1 : 10;
            record[at] = static_cast<char>(record.at(at) ^ 0x01);
            log(QStringLiteral("alter %1 %2").arg(sent.first).arg(sent.second));
        }
        if (fault == Fault::CutRecord) {
            // Half of it, and the next record straight after: no acknowledgement is awaited.
            log(QStringLiteral("fault cut-record %1 %2").arg(sent.first).arg(sent.second));
            send(record.left(record.size() / 2));
            continue;
        }
        log(QStringLiteral("send %1 %2").arg(sent.first).arg(sent.second));
        send(record);
        bool movedOn = false;
        if (waitForAck(record, &movedOn)) {
            log(QStringLiteral("ack %1 %2").arg(sent.first).arg(sent.second));
        } else {
            log(QStringLiteral("no-ack %1 %2").arg(sent.first).arg(sent.second));
        }
        if (movedOn) {
            // The client sent a new frame instead: it has stopped loading.
            log(QStringLiteral("load ended by the client"));
            return;
        }
    }
}

bool DeviceSimulator::waitForAck(const QByteArray& record, bool* clientMovedOn)
{
    QByteArray expected = record;
    expected.replace(0, 4, "RETS");
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_options.ackTimeoutMs);
    QByteArray got;
    while (got.size() < expected.size() && !*m_stop) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            break;
        }
        got.append(receive(int(expected.size() - got.size()), int(std::min<qint64>(left.count(), 100))));
        if (got.contains(Tag)) {
            break;
        }
    }
    if (got.startsWith(expected)) {
        got.remove(0, expected.size());
        m_input.append(got);
        return true;
    }
    // Not an acknowledgement: hand it to the frame reader.
    *clientMovedOn = got.contains(Tag);
    if (m_input.isEmpty()) {
        m_inputSince = Clock::now();
    }
    m_input.append(got);
    return false;
}
