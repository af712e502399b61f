// The device link: the COM port, the handshake, storing and loading the program.
#include "appdata.h"
#include "appmainwindow.h"
#include "programtransfer.h"
#include "seriallink.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSerialPortInfo>
#include <QTimer>

namespace {
constexpr int TransferDelayMs = 200;
}

void AppMainWindow::initializeSerialLink()
{
    m_uart = nullptr;
    // The connection stays in view: a status-bar message would go with the next menu hover.
    m_connectionLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_connectionLabel);
    setConnected(false);

    // Owned by the window, so that its window modality holds the window while it is open.
    m_comDialog = new QDialog(this);
    comUi.setupUi(m_comDialog);
    connect(m_comDialog, &QDialog::accepted, this, &AppMainWindow::processComSetting);
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
    comUi.portBox->setEditable(true);
    refillPortList();
}

void AppMainWindow::refillPortList()
{
    QStringList listed;
    for (int i = 0; i < comUi.portBox->count(); ++i) {
        listed << comUi.portBox->itemText(i);
    }
    const QString current = comUi.portBox->currentText();

    comUi.portBox->clear();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        comUi.portBox->addItem(port.portName());
    }
    // Keep the choice while its port is still there, and keep a typed name.
    if (comUi.portBox->findText(current) >= 0 || (!current.isEmpty() && !listed.contains(current))) {
        comUi.portBox->setCurrentText(current);
    }
}

void AppMainWindow::setConnected(bool connected, const QString& portName)
{
    m_isConnected = connected;
    ui.actionLoad_Program_From_Device->setEnabled(connected);
    ui.actionLoad_Program_To_Device->setEnabled(connected);
    m_connectionLabel->setText(connected ? tr("Connected to the device on %1").arg(portName)
                                         : tr("Not connected"));
}

void AppMainWindow::comPortSetting()
{
    refillPortList();
    m_comDialog->show();
}

void AppMainWindow::loadDevice()
{
}

void AppMainWindow::processComSetting()
{
    delete m_uart;
    m_uart = new SerialLink;
    setConnected(false);

    const QString portName = comUi.portBox->currentText().trimmed();
    if (!m_uart->open(portName)) {
        QMessageBox::warning(this, tr("COM Port Setting"),
                             tr("Can't open the port \"%1\": %2").arg(portName, m_uart->errorString()));
        return;
    }
    m_uart->setTimeout(1000);
    ProgramTransfer transfer(m_dataManager, m_uart);
    if (!transfer.handshake()) {
        m_uart->close();
        QMessageBox::warning(this, tr("COM Port Setting"),
                             tr("The device does not answer on \"%1\". Check the cable, the power "
                                "and the port name.\n\n%2").arg(portName, transfer.errorString()));
        return;
    }
    setConnected(true, portName);
}

bool AppMainWindow::uartSendData(QByteArray data)
{
    return m_uart && m_uart->sendData(data);
}

void AppMainWindow::disconnectDevice()
{
    if (!m_isConnected) {
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
    if (!confirmTransfer()) {
        return false;
    }
    QTimer::singleShot(TransferDelayMs, this, &AppMainWindow::startToLoadFromDevice);
    return true;
}

namespace {

ProgramTransfer::Result runTransfer(QWidget* parent, AppDataManager* data, SerialLink* link, bool store)
{
    QProgressDialog progress(parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setCancelButton(nullptr);
    progress.setLabelText(store ? AppMainWindow::tr("Storing the program to the device...")
                                : AppMainWindow::tr("Loading the program from the device..."));
    progress.setRange(0, store ? data->getMaxButtonId() * data->getMaxLinkId() : ProgramTransfer::LoadRecords);
    ProgramTransfer transfer(data, link, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
    });
    return store ? transfer.store() : transfer.load();
}

} // namespace

void AppMainWindow::startToStoreToDevice()
{
    if (!m_uart || !m_uart->isOpen()) {
        return;
    }
    const ProgramTransfer::Result result = runTransfer(this, m_dataManager, m_uart, true);
    if (!result.ok) {
        QMessageBox::warning(this, tr("Load Program To Device"), result.error);
        return;
    }
    showTransferComplete();
}

void AppMainWindow::startToLoadFromDevice()
{
    if (!m_uart || !m_uart->isOpen()) {
        return;
    }
    const ProgramTransfer::Result result = runTransfer(this, m_dataManager, m_uart, false);
    // Show what arrived, also after a load that stopped part way.
    reflashDataPanel();
    if (!result.ok) {
        QMessageBox::warning(this, tr("Load Program From Device"), result.error);
        return;
    }
    if (result.records < ProgramTransfer::LoadRecords) {
        QMessageBox::warning(this, tr("Load Program From Device"),
                             tr("Only %1 of %2 records arrived from the device; the others keep "
                                "the values they had.").arg(result.records).arg(ProgramTransfer::LoadRecords));
        return;
    }
    showTransferComplete();
}

QString AppMainWindow::connectionText() const
{
    return m_connectionLabel->text();
}
