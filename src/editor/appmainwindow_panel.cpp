// Selecting a key or link, the data panel, editing and storing a record.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "commandfield.h"
#include "devicerecordlayout.h"
#include "diagnostics.h"
#include "languagechooser.h"
#include "uartsettingform.h"

#include <QButtonGroup>
#include <QImage>
#include <QKeyEvent>

namespace {

// A link button by its label, and by the key whose record it shows once one is chosen.
QString linkPlace(int linkId, int key)
{
    const int label = DeviceRecordLayout::linkButton(linkId);
    return key > 0 ? AppMainWindow::tr("Link %1 of key %2").arg(label).arg(key)
                   : AppMainWindow::tr("Link %1").arg(label);
}

} // namespace

void AppMainWindow::initializeButtons()
{
    const QList<CommandButton*> keys = {ui.button01, ui.button02, ui.button03, ui.button04, ui.button05, ui.button06,
                                        ui.button07, ui.button08, ui.button09, ui.button10, ui.button11, ui.button12};
    const QList<CommandButton*> links = {ui.button13, ui.button14, ui.button15, ui.button16, ui.button17, ui.button18,
                                         ui.button19, ui.button20, ui.button21, ui.button22, ui.button23, ui.button24};
    ui.button01->setCheckable(true);

    m_buttonGroup = new QButtonGroup;
    for (int i = 1; i <= 12; ++i) {
        CommandButton* key = keys[i - 1];
        m_buttonGroup->addButton(key, i);
        key->initCommandButton(true, true, true);
        key->setCheckable(true);
        LanguageChooser::keepTranslated(key, [key, i] { key->setPlace(tr("Key %1").arg(i)); });
        key->setUnused(i > DeviceRecordLayout::Keys);
        // Unused keys too read as a new record does, whatever the language.
        key->setText(QLatin1String(DefaultRecordName));
        connect(key, &CommandButton::requestChangeName, this, &AppMainWindow::processChangeNameRequest);
        connect(key, &CommandButton::requestChangeData, this, &AppMainWindow::processChangeDataRequest);
        connect(key, &CommandButton::requestChangeUart, this, &AppMainWindow::processChangeUartRequest);
    }
    connect(m_buttonGroup, &QButtonGroup::idClicked, this, &AppMainWindow::processButtonClicked);

    // A link key's id is the yId of the link record it shows: 2 to 13.
    m_linkGroup = new QButtonGroup;
    for (int j = 1; j <= 12; ++j) {
        CommandButton* link = links[j - 1];
        m_linkGroup->addButton(link, j + 1);
        link->initCommandButton(true, true, true);
        link->setCheckable(true);
        // By the number beside it on screen: 13 to 24.
        LanguageChooser::keepTranslated(link, [this, link, j] {
            const int key = m_buttonGroup->checkedId();
            link->setPlace(linkPlace(j + 1, m_dataManager && m_dataManager->getDataObject(key, j + 1) ? key : 0));
        });
        link->setUnused(j + 1 > DeviceRecordLayout::Links);
        link->setText(QLatin1String(DefaultRecordName));
        connect(link, &CommandButton::requestChangeData, this, &AppMainWindow::processChangeDataRequest);
        connect(link, &CommandButton::requestChangeName, this, &AppMainWindow::processChangeNameRequest);
        connect(link, &CommandButton::requestChangeUart, this, &AppMainWindow::processChangeUartRequest);
    }
    connect(m_linkGroup, &QButtonGroup::idClicked, this, &AppMainWindow::processLinkClicked);

    m_dataFormat = new QButtonGroup;
    m_dataFormat->addButton(ui.hexCheckBox, 1);
    m_dataFormat->addButton(ui.asciiCheckBox, 2);
    ui.hexCheckBox->setChecked(true);
    ui.hexCheckBox->setEnabled(true);
    ui.asciiCheckBox->setEnabled(true);
    connect(m_dataFormat, &QButtonGroup::idClicked, this, &AppMainWindow::processFormatChanged);

    ui.delayTimeBox->setEnabled(false);
    connect(ui.buttonBox, &QDialogButtonBox::accepted, this, &AppMainWindow::processSaveData);
    connect(ui.buttonBox, &QDialogButtonBox::rejected, this, &AppMainWindow::processRejected);
}

void AppMainWindow::initializeUartDialog()
{
    connect(ui.commandRateDisplay, &QPushButton::clicked, this, &AppMainWindow::modifyUartData);
    connect(ui.secondLayerRateDisplay, &QPushButton::clicked, this, &AppMainWindow::modifySecondLayerUartData);
    connect(ui.secondLayerGroupBox, &QGroupBox::clicked, this, &AppMainWindow::processSecondLayerGroupBoxChecked);
}

QDialog* AppMainWindow::uartDialog()
{
    if (m_uartDialog) {
        return m_uartDialog;
    }
    // Modal to the window: the selection cannot change while it is open.
    m_uartDialog = new QDialog(this);
    uartUi.setupUi(m_uartDialog);
    uartUi.dataBitsBox->setEnabled(false);
    connect(m_uartDialog, &QDialog::accepted, this, &AppMainWindow::processUartSetting);
    // A changed line setting is a change to the document.
    connect(m_uartDialog, &QDialog::accepted, this, [this] {
        const ConfigDocument::Place place = currentPlace();
        const int layer = m_isSecondLayerUartChecked ? DeviceRecordLayout::SecondLayer : qMax(place.link, 1);
        recordChange(tr("Change line settings of %1").arg(DeviceRecordLayout::recordName(place.key, layer)), place);
    });
    return m_uartDialog;
}

void AppMainWindow::uncheckLinkKey()
{
    // An exclusive group refuses to uncheck its checked button.
    m_linkGroup->setExclusive(false);
    if (QAbstractButton* checked = m_linkGroup->checkedButton()) {
        checked->setChecked(false);
    }
    m_linkGroup->setExclusive(true);
}

void AppMainWindow::processButtonClicked(int id)
{
    setCommandGroupEnable(false);
    ui.secondLayerGroupBox->setEnabled(false);
    ui.linksTab->setEnabled(true);
    for (QAbstractButton* button : m_linkGroup->buttons()) {
        // The links now belong to this key, also for a screen reader; the
        // unused ones belong to none.
        auto* link = qobject_cast<CommandButton*>(button);
        const int linkId = m_linkGroup->id(button);
        if (link && m_dataManager->getDataObject(id, linkId)) {
            link->setPlace(linkPlace(linkId, id));
        }
    }
    for (int y = 1; y <= m_dataManager->getMaxLinkId(); ++y) {
        CommandButton* link = m_dataManager->getLinkObject(y);
        LinkData* record = m_dataManager->getDataObject(id, y);
        if (link && record) {
            link->setText(record->getLinkName());
            UartData uart;
            record->getUartData(&uart);
            link->setUartData(&uart);
        }
    }
    changeProductionImage(id);
    uncheckLinkKey();
    updateAllComponent();
    showStoredSecondLayer(id);
}

void AppMainWindow::showStoredSecondLayer(int keyId)
{
    ui.secondLayerGroupBox->setChecked(m_dataManager->isSecondLayerEnabled(keyId));
    updateSecondLayerCommandEdit(m_dataManager->getSecondLayerCommand(keyId));
    if (const ButtonData* key = m_dataManager->getButtonData(keyId)) {
        ui.secondLayerDelayTimeBox->setValue(key->getSecondLayerDelayTime());
    }
    ui.secondLayerRateDisplay->setText(m_dataManager->displaySecondLayerBaudRate(keyId));
}

void AppMainWindow::processLinkClicked(int)
{
    setCommandGroupEnable(false);
    ui.secondLayerGroupBox->setEnabled(false);
    updateAllComponent();
}

void AppMainWindow::updateAllComponent()
{
    ui.commandRateDisplay->setText(m_dataManager->displayFirstLayerBaudRate());
    updateCommandEdit(m_dataManager->getCommand());
    ui.delayTimeBox->setValue(m_dataManager->getDelayTime());
}

void AppMainWindow::changeProductionImage(int id)
{
    const QString picture = id >= 1 && id <= 6 ? QStringLiteral(":/images/KVR210C-sw%1.png").arg(id)
                                               : QStringLiteral(":/images/KVR210C-Main.png");
    // Read afresh, not through QPixmap(fileName): that keeps every drawing once shown in
    // the pixmap cache. The label holds the current one only.
    ui.productionImage->setPixmap(QPixmap::fromImage(QImage(picture)));
}

void AppMainWindow::processChangeDataRequest(CommandButton* caller)
{
    const int linkId = m_linkGroup->id(caller);
    const int keyId = m_buttonGroup->id(caller);
    if (linkId > 0) {
        processLinkClicked(linkId);
    }
    if (keyId > 0) {
        processButtonClicked(keyId);
    }
    if (!confirmCommandCut()) {
        return;
    }
    setCommandGroupEnable(true);
    ui.delayTimeBox->setEnabled(true);
    if (keyId > 0) {
        ui.secondLayerGroupBox->setEnabled(true);
        if (m_dataManager->getButtonData(keyId)) {
            ui.secondLayerGroupBox->setChecked(m_dataManager->isSecondLayerEnabled(keyId));
        }
    }
    ui.buttonsTab->setEnabled(false);
    ui.linksTab->setEnabled(false);
    ui.buttonBox->setEnabled(true);
}

void AppMainWindow::processChangeNameRequest(CommandButton* caller, QString newName)
{
    qCDebug(kvrDiagnostics, "processChangeNameRequest");
    caller->setText(newName);
    m_dataManager->setButtonName(caller, newName);
}

void AppMainWindow::processChangeUartRequest(CommandButton* caller)
{
    UartData uart;
    caller->getUartData(&uart);
    const int keyId = m_buttonGroup->id(caller);
    if (keyId > 0) {
        if (LinkData* record = m_dataManager->getDataObject(keyId, 1)) {
            record->setUartData(&uart);
        }
        processButtonClicked(keyId);
    } else {
        m_dataManager->setUartData(&uart);
        processLinkClicked(m_linkGroup->id(caller));
    }
}

bool AppMainWindow::isEditing() const
{
    // Only "Change Data" enables Ok and Cancel; both end the edit.
    return ui.buttonBox->isEnabled();
}

void AppMainWindow::keyPressEvent(QKeyEvent* event)
{
    // The fields pass Enter and Escape on, as they do in a dialog.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (isEditing() && plain) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            processSaveData();
            return;
        case Qt::Key_Escape:
            processRejected();
            return;
        default:
            break;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void AppMainWindow::processSaveData()
{
    if (!isEditing()) {
        return;
    }
    // Without a current record nothing is stored, so nothing has changed.
    const bool stores = m_dataManager->getCheckedObject() != nullptr;
    if (ui.commandEdit->isEnabled()) {
        setCommandGroupEnable(false);
        m_dataManager->setCommand(m_commandField->takeCommand());
        m_dataManager->setDelayTime(ui.delayTimeBox->value());
    }
    if (ui.secondLayerGroupBox->isEnabled()) {
        ui.secondLayerGroupBox->setEnabled(false);
        const int keyId = m_buttonGroup->checkedId();
        m_dataManager->setSecondLayerCommand(m_secondLayerField->takeCommand());
        m_dataManager->setSecondLayerEnable(keyId, ui.secondLayerGroupBox->isChecked());
        if (ButtonData* key = m_dataManager->getButtonData(keyId)) {
            key->setSecondLayerDelayTime(ui.secondLayerDelayTimeBox->value());
        }
    }
    ui.delayTimeBox->setEnabled(false);
    ui.buttonBox->setEnabled(false);
    ui.buttonsTab->setEnabled(true);
    ui.linksTab->setEnabled(true);
    if (stores) {
        const ConfigDocument::Place place = currentPlace();
        recordChange(tr("Change data of %1").arg(place.recordName()), place);
    }
}

void AppMainWindow::processRejected()
{
    setCommandGroupEnable(false);
    ui.secondLayerGroupBox->setEnabled(false);
    ui.delayTimeBox->setEnabled(false);
    ui.buttonBox->setEnabled(false);
    ui.buttonsTab->setEnabled(true);
    ui.linksTab->setEnabled(true);
    // Nothing was stored: the panel shows the record again, not what was typed over it.
    updateAllComponent();
    const int keyId = m_buttonGroup->checkedId();
    if (keyId > 0) {
        showStoredSecondLayer(keyId);
    }
}

void AppMainWindow::modifyUartData()
{
    // Without a current record there is nothing whose settings could be shown.
    const LinkData* record = m_dataManager->getCheckedObject();
    if (!record) {
        return;
    }
    UartData uart;
    record->getUartData(&uart);
    uartDialog();
    showUartInForm(uartUi, uart);
    m_isSecondLayerUartChecked = false;
    m_uartDialog->show();
    // The rate is what one comes to change, also by keys.
    uartUi.baudRateBox->setFocus();
}

void AppMainWindow::modifySecondLayerUartData()
{
    const ButtonData* key = m_dataManager->getButtonData(m_buttonGroup->checkedId());
    if (!key) {
        return;
    }
    UartData uart;
    key->getSecondLayerUartData(&uart);
    uartDialog();
    showUartInForm(uartUi, uart);
    m_isSecondLayerUartChecked = true;
    m_uartDialog->show();
    // The rate is what one comes to change, also by keys.
    uartUi.baudRateBox->setFocus();
}

void AppMainWindow::processUartSetting()
{
    // Its form is what there is to take, so without the dialog there is nothing.
    if (!m_uartDialog) {
        return;
    }
    const UartData uart = uartFromForm(uartUi);
    LinkData* record = m_dataManager->getCheckedObject();
    if (!record) {
        return;
    }
    if (!m_isSecondLayerUartChecked) {
        m_dataManager->setUartData(&uart);
        ui.commandRateDisplay->setText(m_dataManager->displayFirstLayerBaudRate());
        CommandButton* shown = record->yId() == 1 ? m_dataManager->getButtonObject(record->xId())
                                                  : m_dataManager->getLinkObject(record->yId());
        if (shown) {
            shown->setUartData(&uart);
        }
    } else {
        m_dataManager->setSecondLayerUartData(&uart);
        ui.secondLayerRateDisplay->setText(m_dataManager->displaySecondLayerBaudRate());
    }
}

void AppMainWindow::processSecondLayerGroupBoxChecked(bool checked)
{
    if (checked) {
        ui.secondLayerEdit->setFocus(Qt::OtherFocusReason);
        ui.secondLayerEdit->setCursorPosition(0);
    }
}

void AppMainWindow::reflashDataPanel()
{
    // The records shown may all change: an edit still open would have no record to go
    // to. Callers ask first (maybeSave); what is left ends as Cancel ends it.
    if (isEditing()) {
        processRejected();
    }
    // Also gives every key the line settings of the record it shows.
    m_dataManager->reflashButtonName();
    ui.linksTab->setEnabled(false);
    m_buttonGroup->setExclusive(false);
    m_linkGroup->setExclusive(false);
    if (QAbstractButton* key = m_buttonGroup->checkedButton()) {
        qCDebug(kvrDiagnostics, "activ setChecked");
        key->setChecked(false);
    }
    if (QAbstractButton* link = m_linkGroup->checkedButton()) {
        qCDebug(kvrDiagnostics, "acitve setChecked");
        link->setChecked(false);
    }
    m_buttonGroup->setExclusive(true);
    m_linkGroup->setExclusive(true);
    m_commandField->clear();
    m_secondLayerField->clear();
    ui.delayTimeBox->setValue(0);
    ui.secondLayerDelayTimeBox->setValue(0);
    // No key is selected: no switch lit, no layer or line settings of one shown.
    changeProductionImage(0);
    ui.secondLayerGroupBox->setChecked(false);
    ui.commandRateDisplay->setText(QString());
    ui.secondLayerRateDisplay->setText(QString());
}
