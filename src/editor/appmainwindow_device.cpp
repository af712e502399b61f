// The device link: the COM port, the handshake, storing, loading and
// verifying the program.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "programtransfer.h"
#include "seriallink.h"
#include "settingsstore.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSerialPortInfo>
#include <QTimer>

namespace {

constexpr int TransferDelayMs = 200;

// What the port list shows for a port: its name, and the system's
// description and serial number where it gives them.
QString portLabel(const QSerialPortInfo& port)
{
    QStringList details;
    if (!port.description().isEmpty()) {
        details << port.description();
    }
    if (!port.serialNumber().isEmpty()) {
        details << AppMainWindow::tr("serial number %1").arg(port.serialNumber());
    }
    if (details.isEmpty()) {
        return port.portName();
    }
    return QStringLiteral("%1 (%2)").arg(port.portName(), details.join(QLatin1String(", ")));
}

// The progress dialog of one exchange with the device: it counts records and
// offers Cancel. The transfer asks it about every 50 ms whether to stop, which
// also lets the window repaint while the device is slow or silent.
class TransferProgress
{
public:
    TransferProgress(QWidget* parent, const QString& title, const QString& label, int total)
        : m_dialog(label, AppMainWindow::tr("Cancel"), 0, total, parent)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }

    void attach(ProgramTransfer* transfer)
    {
        transfer->setCancelCheck([this] {
            QCoreApplication::processEvents();
            return m_dialog.wasCanceled();
        });
    }
    ProgramTransfer::Progress progress()
    {
        return [this](int done, int total) {
            m_dialog.setMaximum(total);
            m_dialog.setValue(done);
        };
    }

private:
    QProgressDialog m_dialog;
};

// Copies every record, as a configuration file holds it, into `target`, which
// has the same grid. Nothing changes in `target` when the copy is refused.
bool copyRecords(ProgramRecords* source, ProgramRecords* target)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    if (!source->saveConfigFile(&buffer)) {
        return false;
    }
    buffer.seek(0);
    return target->loadConfigFile(&buffer);
}

} // namespace

void AppMainWindow::initializeSerialLink()
{
    m_uart = nullptr;
    // The connection stays in view: a status-bar message would go with the next menu hover.
    m_connectionLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_connectionLabel);

    m_verifyAction = ui.menuLoad->addAction(tr("Verify Program On Device"));
    m_verifyAction->setObjectName(QStringLiteral("actionVerify_Program_On_Device"));
    m_verifyAction->setStatusTip(tr("Compare the program on the device with this one, changing neither"));
    connect(m_verifyAction, &QAction::triggered, this, &AppMainWindow::verifyOnDevice);
    setConnected(false);
}

QDialog* AppMainWindow::comDialog()
{
    if (m_comDialog) {
        return m_comDialog;
    }
    // Owned by the window, so that its window modality holds the window while it is open.
    m_comDialog = new QDialog(this);
    comUi.setupUi(m_comDialog);
    connect(m_comDialog, &QDialog::accepted, this, &AppMainWindow::processComSetting);
    connect(comUi.refreshButton, &QPushButton::clicked, this, &AppMainWindow::refillPortList);
    // The PC side always runs at 9600 baud, 8 data bits, no parity, 1 stop bit.
    comUi.baudRateBox->setCurrentIndex(2);
    comUi.dataBitsBox->setCurrentIndex(3);
    comUi.parityBox->setCurrentIndex(0);
    comUi.stopBitsBox->setCurrentIndex(0);
    comUi.baudRateBox->setEnabled(false);
    comUi.dataBitsBox->setEnabled(false);
    comUi.parityBox->setEnabled(false);
    comUi.stopBitsBox->setEnabled(false);
    // A port the system does not list (a pseudo-terminal, say) can be typed in.
    // Enter must not add the typed name to the list as an item without a port.
    comUi.portBox->setEditable(true);
    comUi.portBox->setInsertPolicy(QComboBox::NoInsert);
    // The list is read when the dialog opens: walking the system's ports
    // would slow every start of the editor.
    return m_comDialog;
}

QString AppMainWindow::selectedPortName() const
{
    if (!m_comDialog) {
        return QString();
    }
    // The port is what the box shows: a listed entry's label stands for its
    // port, anything else is the name as typed.
    const QString text = comUi.portBox->currentText().trimmed();
    const int listed = comUi.portBox->findText(text);
    if (listed >= 0) {
        const QString port = comUi.portBox->itemData(listed).toString();
        if (!port.isEmpty()) {
            return port;
        }
    }
    return text;
}

void AppMainWindow::refillPortList()
{
    QString wanted = selectedPortName();
    if (wanted.isEmpty()) {
        wanted = SettingsStore::lastPort();
    }

    comUi.portBox->clear();
    int widest = 0;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        const QString label = portLabel(port);
        comUi.portBox->addItem(label, port.portName());
        comUi.portBox->setItemData(comUi.portBox->count() - 1, port.systemLocation(), Qt::ToolTipRole);
        widest = qMax(widest, comUi.portBox->fontMetrics().horizontalAdvance(label));
    }
    // The list opens as wide as its longest entry, beyond the box.
    comUi.portBox->view()->setMinimumWidth(widest + 40);

    // Keep the choice while its port is still there, and keep a typed name.
    const int listed = comUi.portBox->findData(wanted);
    if (listed >= 0) {
        comUi.portBox->setCurrentIndex(listed);
    } else if (!wanted.isEmpty()) {
        comUi.portBox->setEditText(wanted);
    }
}

void AppMainWindow::setConnected(bool connected, const QString& portName)
{
    m_isConnected = connected;
    ui.actionLoad_Program_From_Device->setEnabled(connected);
    ui.actionLoad_Program_To_Device->setEnabled(connected);
    m_verifyAction->setEnabled(connected);
    m_connectionLabel->setText(connected ? tr("Connected to the device on %1").arg(portName)
                                         : tr("Not connected"));
}

void AppMainWindow::connectionLost(const QString& reason)
{
    if (m_uart) {
        m_uart->close();
    }
    if (m_isConnected) {
        statusBar()->showMessage(tr("The connection to the device was lost: %1").arg(reason));
    }
    setConnected(false);
}

void AppMainWindow::processPortError()
{
    // During an exchange the transfer sees the error itself and reports it.
    if (m_transferRunning || !m_uart) {
        return;
    }
    if (m_uart->checkPort()) {
        connectionLost(m_uart->errorString());
    }
}

void AppMainWindow::comPortSetting()
{
    comDialog();
    refillPortList();
    m_comDialog->show();
}

void AppMainWindow::loadDevice()
{
}

void AppMainWindow::processComSetting()
{
    if (m_transferRunning) {
        return;
    }
    const QString portName = selectedPortName();
    if (portName.isEmpty()) {
        // Nothing to open: an existing link stays as it is.
        QMessageBox::warning(this, tr("COM Port Setting"),
                             tr("No port was chosen. Choose or type the port of the device."));
        return;
    }
    delete m_uart;
    m_uart = new SerialLink;
    // A hang-up or a failed read while idle closes the link (nothing keeps
    // polling a dead port) and shows it.
    connect(m_uart->port(), &QSerialPort::errorOccurred, this, &AppMainWindow::processPortError);
    setConnected(false);

    if (!m_uart->open(portName)) {
        QMessageBox::warning(this, tr("COM Port Setting"),
                             tr("Can't open the port \"%1\": %2").arg(portName, m_uart->errorString()));
        return;
    }
    m_uart->setTimeout(1000);
    ProgramTransfer transfer(m_dataManager, m_uart);
    ProgramTransfer::Result answer;
    m_transferRunning = true;
    {
        TransferProgress progress(this, tr("Connecting"), tr("Connecting to the device on %1...").arg(portName), 0);
        progress.attach(&transfer);
        answer = transfer.handshake();
    }
    m_transferRunning = false;
    if (!answer.ok) {
        m_uart->close();
        if (!answer.cancelled) {
            QMessageBox::warning(this, tr("COM Port Setting"),
                                 tr("The device does not answer on \"%1\". Check the cable, the power "
                                    "and the port name.\n\n%2").arg(portName, answer.error));
        }
        return;
    }
    SettingsStore::setLastPort(portName);
    setConnected(true, portName);
}

bool AppMainWindow::uartSendData(QByteArray data)
{
    return m_uart && m_uart->sendData(data);
}

void AppMainWindow::disconnectDevice()
{
    if (!m_isConnected || m_transferRunning) {
        return;
    }
    uartSendData(QByteArrayLiteral("ISPOK!"));
    m_uart->close();
    setConnected(false);
}

bool AppMainWindow::confirmTransfer()
{
    QDialog dialog;
    questionUi.setupUi(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

void AppMainWindow::showTransferComplete()
{
    QDialog dialog;
    completeUi.setupUi(&dialog);
    dialog.exec();
}

bool AppMainWindow::storeToDevice()
{
    if (!confirmTransfer()) {
        return false;
    }
    // Starts once the confirmation has closed and the window has been redrawn.
    QTimer::singleShot(TransferDelayMs, this, &AppMainWindow::startToStoreToDevice);
    return true;
}

bool AppMainWindow::loadFromDevice()
{
    // The load may replace every record: unsaved changes are offered for saving first.
    if (!maybeSave() || !confirmTransfer()) {
        return false;
    }
    QTimer::singleShot(TransferDelayMs, this, &AppMainWindow::startToLoadFromDevice);
    return true;
}

namespace {

enum class Exchange { Store, Load, Verify };

struct Outcome {
    ProgramTransfer::Result result;
    QList<ConfigComparison::Difference> differences;
};

Outcome runExchange(QWidget* parent, ProgramRecords* data, SerialLink* link, Exchange exchange)
{
    const bool store = exchange == Exchange::Store;
    TransferProgress progress(parent,
                              store ? AppMainWindow::tr("Storing the program")
                              : exchange == Exchange::Load ? AppMainWindow::tr("Loading")
                                                           : AppMainWindow::tr("Verifying"),
                              store ? AppMainWindow::tr("Storing the program to the device...")
                              : exchange == Exchange::Load ? AppMainWindow::tr("Loading the program from the device...")
                                                           : AppMainWindow::tr("Reading the program on the device..."),
                              store ? ProgramTransfer::StoreFrames : ProgramTransfer::LoadRecords);
    ProgramTransfer transfer(data, link, progress.progress());
    progress.attach(&transfer);
    Outcome outcome;
    switch (exchange) {
    case Exchange::Store:
        outcome.result = transfer.store();
        break;
    case Exchange::Load:
        outcome.result = transfer.load();
        break;
    case Exchange::Verify:
        outcome.result = transfer.verify(*data, &outcome.differences);
        break;
    }
    return outcome;
}

} // namespace

void AppMainWindow::startToStoreToDevice()
{
    if (!m_uart || !m_uart->isOpen() || m_transferRunning) {
        return;
    }
    m_transferRunning = true;
    const ProgramTransfer::Result result = runExchange(this, m_dataManager, m_uart, Exchange::Store).result;
    m_transferRunning = false;
    if (result.portFailed) {
        connectionLost(m_uart->errorString());
    }
    if (!result.ok) {
        QMessageBox::warning(this, tr("Load Program To Device"), result.error);
        return;
    }
    showTransferComplete();
}

void AppMainWindow::startToLoadFromDevice()
{
    if (!m_uart || !m_uart->isOpen() || m_transferRunning) {
        return;
    }
    // Loaded into a copy: the window's records change only as a whole, once
    // the user knows what arrived.
    ProgramRecords loaded;
    loaded.newData(m_dataManager->getMaxButtonId(), m_dataManager->getMaxLinkId());
    if (!copyRecords(m_dataManager, &loaded)) {
        QMessageBox::warning(this, tr("Load Program From Device"),
                             tr("The program could not be loaded: the records here could not be copied."));
        return;
    }
    m_transferRunning = true;
    const ProgramTransfer::Result result = runExchange(this, &loaded, m_uart, Exchange::Load).result;
    m_transferRunning = false;
    if (result.portFailed) {
        connectionLost(m_uart->errorString());
    }
    const QString title = tr("Load Program From Device");
    if (result.records == 0) {
        QMessageBox::warning(this, title, result.error);
        return;
    }
    if (!result.missing.isEmpty()) {
        const int total = result.records + int(result.missing.size());
        QString text = result.ok ? QString() : result.error + QLatin1Char('\n');
        text += (result.missing.size() == 1
                     ? tr("Only %1 of %2 records arrived from the device; this one did not: %3.")
                     : tr("Only %1 of %2 records arrived from the device; these did not: %3."))
                    .arg(result.records)
                    .arg(total)
                    .arg(result.missing.join(QLatin1String("; ")));
        QMessageBox question(QMessageBox::Warning, title, text, QMessageBox::Apply | QMessageBox::Discard, this);
        question.setInformativeText(tr("Apply the records that arrived? The others keep the values they have "
                                       "here. Discard changes nothing."));
        question.setDefaultButton(QMessageBox::Discard);
        question.setEscapeButton(QMessageBox::Discard);
        if (question.exec() != QMessageBox::Apply) {
            return;
        }
    }
    if (!copyRecords(&loaded, m_dataManager)) {
        QMessageBox::warning(this, title, tr("The loaded program could not be applied; nothing was changed."));
        return;
    }
    reflashDataPanel();
    if (!result.missing.isEmpty()) {
        return;
    }
    if (!result.ok) {
        QMessageBox::warning(this, title, result.error);
        return;
    }
    showTransferComplete();
}

void AppMainWindow::verifyOnDevice()
{
    if (!m_uart || !m_uart->isOpen() || m_transferRunning) {
        return;
    }
    m_transferRunning = true;
    const Outcome outcome = runExchange(this, m_dataManager, m_uart, Exchange::Verify);
    m_transferRunning = false;
    if (outcome.result.portFailed) {
        connectionLost(m_uart->errorString());
    }
    const QString title = tr("Verify Program On Device");
    if (!outcome.result.ok) {
        QMessageBox::warning(this, title, outcome.result.error);
    } else if (outcome.differences.isEmpty()) {
        QMessageBox::information(this, title, tr("The device holds this program."));
    } else {
        const int count = int(outcome.differences.size());
        QMessageBox::warning(this, title,
                             (count == 1 ? tr("The device holds a different program (1 difference):")
                                         : tr("The device holds a different program (%n differences):", nullptr,
                                              count))
                                 + QLatin1Char('\n')
                                 + ProgramTransfer::describeDifferences(outcome.differences));
    }
}

QString AppMainWindow::connectionText() const
{
    return m_connectionLabel->text();
}
