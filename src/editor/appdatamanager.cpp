// The records as the window shows them: the checked record and the keys' texts.
#include "appdatamanager.h"
#include "commandbutton.h"
#include "diagnostics.h"

#include <QButtonGroup>
#include <QDebug>

AppDataManager::AppDataManager(QButtonGroup* buttonGroup, QButtonGroup* linkGroup)
    : m_buttonGroup(buttonGroup)
    , m_linkGroup(linkGroup)
{
}

void AppDataManager::newData(int maxButtons, int maxLinks)
{
    ProgramRecords::newData(maxButtons, maxLinks);
    for (int b = 1; b <= maxButtons; ++b) {
        const ButtonData* record = getButtonData(b);
        showOnKey(getButtonObject(b), record->getButtonName(), record);
    }
    for (int x = 1; x <= maxButtons; ++x) {
        for (int y = 2; y <= maxLinks; ++y) {
            syncWithButton(getDataObject(x, y));
        }
    }
}

int AppDataManager::checkedKeyId() const
{
    return m_buttonGroup ? m_buttonGroup->checkedId() : -1;
}

int AppDataManager::checkedLinkId() const
{
    return m_linkGroup ? m_linkGroup->checkedId() : -1;
}

ButtonData* AppDataManager::checkedButtonData() const
{
    return getButtonData(checkedKeyId());
}

LinkData* AppDataManager::getCheckedObject() const
{
    const int x = checkedKeyId();
    int y = checkedLinkId();
    if (y < 0) {
        y = 1;
    }
    return getDataObject(x, y);
}

CommandButton* AppDataManager::getButtonObject(int id) const
{
    return m_buttonGroup ? qobject_cast<CommandButton*>(m_buttonGroup->button(id)) : nullptr;
}

CommandButton* AppDataManager::getLinkObject(int id) const
{
    return m_linkGroup ? qobject_cast<CommandButton*>(m_linkGroup->button(id)) : nullptr;
}

void AppDataManager::showOnKey(CommandButton* key, const QString& text, const LinkData* record)
{
    if (!key) {
        return;
    }
    key->setText(text);
    UartData uart;
    record->getUartData(&uart);
    key->setUartData(&uart);
}

void AppDataManager::syncWithButton(LinkData* appData)
{
    if (appData) {
        showOnKey(getLinkObject(appData->yId()), appData->getLinkName(), appData);
    }
}

void AppDataManager::reflashButtonName()
{
    // An exclusive group refuses to uncheck its checked button.
    if (m_buttonGroup) {
        m_buttonGroup->setExclusive(false);
    }
    if (m_linkGroup) {
        m_linkGroup->setExclusive(false);
    }
    for (int id = 1; id <= getMaxButtonId(); ++id) {
        CommandButton* key = getButtonObject(id);
        const ButtonData* record = getButtonData(id);
        if (!key) {
            continue;
        }
        if (record) {
            // Also keeps the key's own line-settings dialog in step with its record.
            showOnKey(key, record->getButtonName(), record);
        } else {
            key->setText(QString());
        }
        key->setChecked(false);
    }
    for (int id = 1; id <= getMaxLinkId(); ++id) {
        CommandButton* key = getLinkObject(id);
        const LinkData* record = getDataObject(1, id);
        if (!key || !record) {
            continue;
        }
        showOnKey(key, record->getLinkName(), record);
        key->setChecked(false);
    }
    if (m_buttonGroup) {
        m_buttonGroup->setExclusive(true);
    }
    if (m_linkGroup) {
        m_linkGroup->setExclusive(true);
    }
}

void AppDataManager::setButtonName(QString buttonName)
{
    ButtonData* record = checkedButtonData();
    if (!record) {
        qCDebug(kvrDiagnostics, "can't get data object");
        return;
    }
    record->setButtonName(buttonName);
}

void AppDataManager::setButtonName(CommandButton* caller, QString newName)
{
    if (m_buttonGroup && m_buttonGroup->id(caller) > 0) {
        setButtonName(newName);
    } else {
        setLinkName(newName);
    }
}

QString AppDataManager::getCommand() const
{
    const LinkData* record = getCheckedObject();
    return record ? record->getCommand() : QString();
}

void AppDataManager::setCommand(QString command)
{
    if (LinkData* record = getCheckedObject()) {
        record->setCommand(command);
    }
}

int AppDataManager::getDelayTime() const
{
    const LinkData* record = getCheckedObject();
    return record ? record->getDelayTime() : -1;
}

void AppDataManager::setDelayTime(int delay)
{
    if (LinkData* record = getCheckedObject()) {
        record->setDelayTime(delay);
    }
}

QString AppDataManager::getLinkName() const
{
    const LinkData* record = getCheckedObject();
    return record ? record->getLinkName() : QString();
}

void AppDataManager::setLinkName(QString name)
{
    if (LinkData* record = getCheckedObject()) {
        record->setLinkName(name);
    }
}

void AppDataManager::getUartData(UartData* out) const
{
    if (const LinkData* record = getCheckedObject()) {
        record->getUartData(out);
    }
}

void AppDataManager::setUartData(const UartData* in)
{
    if (LinkData* record = getCheckedObject()) {
        record->setUartData(in);
    }
}

void AppDataManager::getSecondLayerUartData(UartData* out) const
{
    getSecondLayerUartData(checkedKeyId(), out);
}

void AppDataManager::setSecondLayerUartData(const UartData* in)
{
    if (ButtonData* record = checkedButtonData()) {
        record->setSecondLayerUartData(in);
    }
}

QString AppDataManager::getSecondLayerCommand() const
{
    return getSecondLayerCommand(checkedKeyId());
}

void AppDataManager::setSecondLayerCommand(QString command)
{
    if (ButtonData* record = checkedButtonData()) {
        record->setSecondLayerCommand(command);
    }
}

int AppDataManager::getSecondLayerDelayTime() const
{
    const ButtonData* record = checkedButtonData();
    return record ? record->getSecondLayerDelayTime() : -1;
}

void AppDataManager::setSecondLayerDelayTime(int delay)
{
    if (ButtonData* record = checkedButtonData()) {
        record->setSecondLayerDelayTime(delay);
    }
}

QString AppDataManager::displayFirstLayerBaudRate() const
{
    const LinkData* record = getCheckedObject();
    if (!record) {
        return QString();
    }
    UartData uart;
    record->getUartData(&uart);
    return uartString(&uart);
}

QString AppDataManager::displaySecondLayerBaudRate() const
{
    return displaySecondLayerBaudRate(checkedKeyId());
}
