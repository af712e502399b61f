// The device link: the COM port, the handshake, storing, loading and
// verifying the program.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "comportpicker.h"
#include "configdocument.h"
#include "devicecontroller.h"
#include "devicefinder.h"
#include "languagechooser.h"
#include "linktracechoice.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "storebackupchoice.h"

#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int TransferDelayMs = 200;

} // namespace

void AppMainWindow::initializeSerialLink()
{
    m_device = new DeviceController(this);
    connect(m_device, &DeviceController::connectedChanged, this,
            [this](bool connected, const QString& portName) { setConnected(connected, portName); });
    connect(m_device, &DeviceController::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_device, &DeviceController::recordsReplaced, this, [this] {
        reflashDataPanel();
        recordChange(tr("Load from the device"), ConfigDocument::Place{});
    });
    // The connection stays in view: a status-bar message would go with the next menu hover.
    m_connectionLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_connectionLabel);

    m_verifyAction = ui.menuLoad->addAction(QString());
    m_verifyAction->setObjectName(QStringLiteral("actionVerify_Program_On_Device"));
    connect(m_verifyAction, &QAction::triggered, this, &AppMainWindow::verifyOnDevice);
    new StoreBackupChoice(ui.menuLoad, m_device, this);
    setConnected(false);
    LanguageChooser::keepTranslated(m_connectionLabel, [this] {
        m_verifyAction->setText(tr("Verify Program On Device"));
        m_verifyAction->setStatusTip(tr("Compare the program on the device with this one, changing neither"));
        setConnected(isConnected(), m_device->connectedPort());
    });
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
    // The list is read when the dialog opens, not with the window: walking
    // the system's ports would slow every start of the editor.
    m_portPicker = new ComPortPicker(comUi.portBox);
    m_portPicker->selectPort(SettingsStore::lastPort());
    new DeviceFinder(m_portPicker, comUi.buttonBox, comUi.probeStatusLabel,
                     [this] { return m_device->connectedPort(); });
    m_traceChoice = new LinkTraceChoice(comUi.traceBox, [this] { return m_document->fileName(); });
    return m_comDialog;
}

QString AppMainWindow::selectedPortName() const
{
    return m_portPicker ? m_portPicker->selectedPortName() : QString();
}

void AppMainWindow::refillPortList()
{
    if (m_portPicker) {
        m_portPicker->refresh();
    }
}

void AppMainWindow::setConnected(bool connected, const QString& portName)
{
    ui.actionLoad_Program_From_Device->setEnabled(connected);
    ui.actionLoad_Program_To_Device->setEnabled(connected);
    m_verifyAction->setEnabled(connected);
    m_connectionLabel->setText(connected ? tr("Connected to the device on %1").arg(portName) : tr("Not connected"));
}

bool AppMainWindow::isConnected() const
{
    return m_device->isConnected();
}

SerialLink* AppMainWindow::serialLink() const
{
    return m_device->serialLink();
}

void AppMainWindow::comPortSetting()
{
    // Showing it reads the port list and gives the port box the focus.
    comDialog()->show();
}

void AppMainWindow::loadDevice()
{
}

void AppMainWindow::processComSetting()
{
    if (m_device->isBusy()) {
        return;
    }
    const QString portName = selectedPortName();
    if (portName.isEmpty()) {
        // Nothing to open: an existing link stays as it is.
        QMessageBox::warning(this, tr("COM Port Setting"),
                             tr("No port was chosen. Choose or type the port of the device."));
        return;
    }
    QString traceFile;
    if (m_traceChoice && !m_traceChoice->fileForConnection(&traceFile)) {
        return;
    }
    m_device->setTraceFile(traceFile);
    m_device->connectTo(portName);
}

bool AppMainWindow::uartSendData(QByteArray data)
{
    return m_device->sendData(data);
}

void AppMainWindow::disconnectDevice()
{
    m_device->disconnectDevice();
}

bool AppMainWindow::storeToDevice()
{
    if (!m_device->confirmTransfer()) {
        return false;
    }
    // Starts once the confirmation has closed and the window has been redrawn.
    QTimer::singleShot(TransferDelayMs, this, &AppMainWindow::startToStoreToDevice);
    return true;
}

bool AppMainWindow::loadFromDevice()
{
    // The load may replace every record: unsaved changes are offered for saving first.
    if (!maybeSave() || !m_device->confirmTransfer()) {
        return false;
    }
    QTimer::singleShot(TransferDelayMs, this, &AppMainWindow::startToLoadFromDevice);
    return true;
}

void AppMainWindow::startToStoreToDevice()
{
    m_device->store(m_dataManager);
}

void AppMainWindow::startToLoadFromDevice()
{
    m_device->load(m_dataManager);
}

void AppMainWindow::verifyOnDevice()
{
    m_device->verify(m_dataManager);
}

QString AppMainWindow::connectionText() const
{
    return m_connectionLabel->text();
}
