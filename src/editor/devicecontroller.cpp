#include "devicecontroller.h"

#include "appdata.h"
#include "comparisondialog.h"
#include "devicebackup.h"
#include "devicesession.h"
#include "linktrace.h"
#include "programtransfer.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "ui_complete.h"
#include "ui_question.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

// The progress dialog of one exchange with the device: it counts records and
// offers Cancel. The session asks it about every 50 ms whether to stop, which
// also lets the window repaint while the device is slow or silent.
class TransferProgress
{
public:
    TransferProgress(DeviceSession* session, QWidget* parent, const QString& title, const QString& label, int total)
        : m_session(session)
        , m_dialog(label, DeviceController::tr("Cancel"), 0, total, parent)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
        m_session->setCancelCheck([this] {
            QCoreApplication::processEvents();
            return m_dialog.wasCanceled();
        });
        m_session->setProgress([this](DeviceSession::Operation, int done, int all) {
            m_dialog.setMaximum(all);
            m_dialog.setValue(done);
        });
    }
    // The session outlives the dialog: it keeps no check of it.
    ~TransferProgress()
    {
        m_session->setCancelCheck({});
        m_session->setProgress({});
    }
    TransferProgress(const TransferProgress&) = delete;
    TransferProgress& operator=(const TransferProgress&) = delete;

private:
    DeviceSession* m_session;
    QProgressDialog m_dialog;
};

// Copies every record, as a configuration file holds it, into `target`, which
// has the same grid. Nothing changes in `target` when the copy is refused.
bool copyRecords(ProgramRecords* source, ProgramRecords* target)
{
    const QByteArray bytes = source->configFileBytes();
    return !bytes.isEmpty() && target->loadConfigFileBytes(bytes);
}

} // namespace

DeviceController::DeviceController(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

DeviceController::~DeviceController()
{
    // Closing the port must not call back into a controller that is going.
    if (m_session) {
        disconnect(m_session->link()->port(), nullptr, this, nullptr);
    }
}

SerialLink* DeviceController::serialLink() const
{
    return m_session ? m_session->link() : nullptr;
}

QString DeviceController::connectedPort() const
{
    const SerialLink* link = serialLink();
    return m_connected && link ? link->portName() : QString();
}

bool DeviceController::isReady() const
{
    return m_session && m_session->link()->isOpen() && !m_busy;
}

void DeviceController::setConnected(bool connected, const QString& portName)
{
    m_connected = connected;
    emit connectedChanged(connected, portName);
}

void DeviceController::connectionLost(const QString& reason)
{
    if (m_session) {
        m_session->close();
    }
    endTrace();
    if (m_connected) {
        emit statusMessage(tr("The connection to the device was lost: %1").arg(reason));
    }
    setConnected(false);
}

void DeviceController::processPortError()
{
    // During an exchange the session sees the error itself and reports it.
    if (m_busy || !m_session) {
        return;
    }
    if (m_session->link()->checkPort()) {
        connectionLost(m_session->link()->errorString());
    }
}

bool DeviceController::connectTo(const QString& portName)
{
    if (m_busy) {
        return false;
    }
    m_session = std::make_unique<DeviceSession>();
    // A hang-up or a failed read while idle closes the link (nothing keeps
    // polling a dead port) and shows it.
    connect(m_session->link()->port(), &QSerialPort::errorOccurred, this, &DeviceController::processPortError);
    setConnected(false);
    if (!startTrace()) {
        return false;
    }

    const DeviceSession::Result opened = m_session->open(portName);
    if (!opened.ok) {
        endTrace();
        QMessageBox::warning(m_window, tr("COM Port Setting"),
                             tr("Can't open the port \"%1\": %2").arg(portName, opened.error));
        return false;
    }
    DeviceSession::Result answer;
    m_busy = true;
    {
        TransferProgress progress(m_session.get(), m_window, tr("Connecting"),
                                  tr("Connecting to the device on %1...").arg(portName), 0);
        answer = m_session->connect();
    }
    m_busy = false;
    if (!answer.ok) {
        m_session->close();
        // What the line said instead of the answer is in the trace, whole.
        endTrace();
        if (!answer.cancelled) {
            QMessageBox::warning(m_window, tr("COM Port Setting"),
                                 tr("The device does not answer on \"%1\". Check the cable, the power "
                                    "and the port name.\n\n%2")
                                     .arg(portName, answer.error));
        }
        return false;
    }
    SettingsStore::setLastPort(portName);
    setConnected(true, portName);
    return true;
}

bool DeviceController::sendData(const QByteArray& data)
{
    return m_session && m_session->link()->sendData(data);
}

void DeviceController::disconnectDevice()
{
    if (!m_connected || m_busy) {
        return;
    }
    m_session->farewell();
    m_session->close();
    endTrace();
    setConnected(false);
}

bool DeviceController::startTrace()
{
    endTrace();
    if (m_traceFile.isEmpty()) {
        return true;
    }
    auto trace = std::make_unique<LinkTrace>(m_traceFile);
    if (!trace->open()) {
        QMessageBox::warning(m_window, tr("COM Port Setting"),
                             tr("The port was not opened, because the trace of the device link cannot be written: "
                                "%1")
                                 .arg(trace->errorString()));
        return false;
    }
    m_trace = std::move(trace);
    m_traceTold = false;
    m_session->link()->setTrace(m_trace.get());
    return true;
}

void DeviceController::checkTrace()
{
    if (!m_trace || m_traceTold) {
        return;
    }
    if (m_trace->hasFailed()) {
        m_traceTold = true;
        QMessageBox::warning(m_window, tr("Trace the Device Link"),
                             tr("The trace of the device link stopped early: %1.").arg(m_trace->errorString()));
    } else if (m_trace->wasCut()) {
        m_traceTold = true;
        emit statusMessage(tr("The trace of the device link reached its limit of %1 MB and was cut.")
                               .arg(m_trace->limit() / (1024 * 1024)));
    }
}

void DeviceController::endTrace()
{
    if (!m_trace) {
        return;
    }
    if (m_session) {
        m_session->link()->setTrace(nullptr);
    }
    m_trace->close();
    checkTrace();
    m_trace.reset();
}

bool DeviceController::confirmTransfer()
{
    QDialog dialog;
    Ui_Question questionUi;
    questionUi.setupUi(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

void DeviceController::showTransferComplete()
{
    QDialog dialog;
    Ui_completeDialog completeUi;
    completeUi.setupUi(&dialog);
    dialog.exec();
}

bool DeviceController::backUpFirst()
{
    DeviceBackup::Result backup;
    m_busy = true;
    {
        TransferProgress progress(m_session.get(), m_window, tr("Backing up the device"),
                                  tr("Loading the device's program into the backup folder..."),
                                  ProgramTransfer::LoadRecords);
        backup = DeviceBackup(m_backupFolder, connectedPort()).run(m_session.get());
    }
    m_busy = false;
    checkTrace();
    if (backup.portFailed) {
        connectionLost(m_session->link()->errorString());
    }
    if (backup.cancelled) {
        emit statusMessage(tr("The backup was cancelled; nothing was stored."));
        return false;
    }
    if (!backup.ok) {
        QMessageBox::warning(m_window, tr("Load Program To Device"),
                             tr("Nothing was stored: the program on the device could not be backed up first "
                                "(%1).")
                                 .arg(backup.error));
        return false;
    }
    emit statusMessage(tr("The program on the device was backed up to %1.").arg(QDir::toNativeSeparators(backup.path)));
    return true;
}

void DeviceController::store(ProgramRecords* records)
{
    if (!isReady()) {
        return;
    }
    if (!m_backupFolder.isEmpty() && !backUpFirst()) {
        return;
    }
    DeviceSession::Result result;
    m_busy = true;
    {
        TransferProgress progress(m_session.get(), m_window, tr("Storing the program"),
                                  tr("Storing the program to the device..."), ProgramTransfer::StoreFrames);
        result = m_session->run(DeviceSession::Operation::Store, records);
    }
    m_busy = false;
    checkTrace();
    if (result.portFailed) {
        connectionLost(m_session->link()->errorString());
    }
    if (!result.ok) {
        QMessageBox::warning(m_window, tr("Load Program To Device"), result.error);
        return;
    }
    showTransferComplete();
}

bool DeviceController::load(ProgramRecords* records)
{
    if (!isReady()) {
        return false;
    }
    // Loaded into a copy: the window's records change only as a whole, once
    // the user knows what arrived.
    ProgramRecords loaded;
    loaded.newData(records->getMaxButtonId(), records->getMaxLinkId());
    if (!copyRecords(records, &loaded)) {
        QMessageBox::warning(m_window, tr("Load Program From Device"),
                             tr("The program could not be loaded: the records here could not be copied."));
        return false;
    }
    DeviceSession::Result result;
    m_busy = true;
    {
        TransferProgress progress(m_session.get(), m_window, tr("Loading"),
                                  tr("Loading the program from the device..."), ProgramTransfer::LoadRecords);
        result = m_session->run(DeviceSession::Operation::Load, &loaded);
    }
    m_busy = false;
    checkTrace();
    if (result.portFailed) {
        connectionLost(m_session->link()->errorString());
    }
    const QString title = tr("Load Program From Device");
    if (result.records == 0) {
        QMessageBox::warning(m_window, title, result.error);
        return false;
    }
    if (!result.missing.isEmpty()) {
        const int total = result.records + int(result.missing.size());
        QString text = result.ok ? QString() : result.error + QLatin1Char('\n');
        text += (result.missing.size() == 1 ? tr("Only %1 of %2 records arrived from the device; this one did not: %3.")
                                            : tr("Only %1 of %2 records arrived from the device; these did not: %3."))
                    .arg(result.records)
                    .arg(total)
                    .arg(result.missing.join(QLatin1String("; ")));
        QMessageBox question(QMessageBox::Warning, title, text, QMessageBox::Apply | QMessageBox::Discard, m_window);
        question.setInformativeText(tr("Apply the records that arrived? The others keep the values they have "
                                       "here. Discard changes nothing."));
        question.setDefaultButton(QMessageBox::Discard);
        question.setEscapeButton(QMessageBox::Discard);
        if (question.exec() != QMessageBox::Apply) {
            return false;
        }
    }
    if (!copyRecords(&loaded, records)) {
        QMessageBox::warning(m_window, title, tr("The loaded program could not be applied; nothing was changed."));
        return false;
    }
    emit recordsReplaced();
    if (result.missing.isEmpty()) {
        if (!result.ok) {
            QMessageBox::warning(m_window, title, result.error);
        } else {
            showTransferComplete();
        }
    }
    return true;
}

void DeviceController::verify(ProgramRecords* records)
{
    if (!isReady()) {
        return;
    }
    DeviceSession::Result result;
    DeviceSession::Differences differences;
    m_busy = true;
    {
        TransferProgress progress(m_session.get(), m_window, tr("Verifying"),
                                  tr("Reading the program on the device..."), ProgramTransfer::LoadRecords);
        result = m_session->run(DeviceSession::Operation::Verify, records, &differences);
    }
    m_busy = false;
    checkTrace();
    if (result.portFailed) {
        connectionLost(m_session->link()->errorString());
    }
    const QString title = tr("Verify Program On Device");
    if (!result.ok) {
        QMessageBox::warning(m_window, title, result.error);
    } else if (differences.isEmpty()) {
        QMessageBox::information(m_window, title, tr("The device holds this program."));
    } else {
        const int count = int(differences.size());
        // Every difference, in the table Compare With File shows, rather than the first ten.
        ComparisonDialog dialog(title,
                                count == 1
                                    ? tr("The device holds a different program (1 difference):")
                                    : tr("The device holds a different program (%n differences):", nullptr, count),
                                differences, ComparisonDialog::Here::B, m_window);
        dialog.exec();
    }
}
