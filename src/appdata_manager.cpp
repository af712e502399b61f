#include "appdata.h"
#include "commandbutton.h"

#include <QButtonGroup>
#include <QDebug>

AppDataManager::AppDataManager(QButtonGroup* buttonGroup, QButtonGroup* linkGroup)
    : m_buttonGroup(buttonGroup)
    , m_linkGroup(linkGroup)
{
}

AppDataManager::~AppDataManager()
{
    qDeleteAll(m_data);
}

void AppDataManager::newData(int maxButtons, int maxLinks)
{
    if (maxButtons >= 1) {
        for (int b = 1; b <= maxButtons; ++b) {
            auto* record = new ButtonData(b);
            m_data.append(record);
            showOnKey(getButtonObject(b), record->getButtonName(), record);
        }
        for (int x = 1; x <= maxButtons; ++x) {
            for (int y = 2; y <= maxLinks; ++y) {
                auto* record = new LinkData(x, y);
                m_data.append(record);
                syncWithButton(record);
            }
        }
    }
    m_maxButtonId = maxButtons;
    m_maxLinkId = maxLinks;
}

LinkData* AppDataManager::getDataObject(int xId, int yId) const
{
    for (LinkData* record : m_data) {
        if (record->xId() == xId && record->yId() == yId) {
            return record;
        }
    }
    return nullptr;
}

ButtonData* AppDataManager::getButtonData(int xId) const
{
    // A record with yId 1 is always made as a ButtonData.
    return static_cast<ButtonData*>(getDataObject(xId, 1));
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

void AppDataManager::resetDataObject()
{
    for (int x = 1; x <= m_maxButtonId; ++x) {
        for (int y = 1; y <= m_maxLinkId; ++y) {
            if (LinkData* record = getDataObject(x, y)) {
                record->clear();
            }
        }
    }
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
    for (int id = 1; id <= m_maxButtonId; ++id) {
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
    for (int id = 1; id <= m_maxLinkId; ++id) {
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

QString AppDataManager::getButtonName(int buttonId) const
{
    const ButtonData* record = getButtonData(buttonId);
    return record ? record->getButtonName() : QString();
}

void AppDataManager::setButtonName(QString buttonName)
{
    ButtonData* record = checkedButtonData();
    if (!record) {
        qDebug("can't get data object");
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

bool AppDataManager::isSecondLayerEnabled(int id) const
{
    const ButtonData* record = getButtonData(id);
    return record && record->isSecondLayerEnabled();
}

void AppDataManager::setSecondLayerEnable(int id, bool enabled)
{
    if (ButtonData* record = getButtonData(id)) {
        record->setSecondLayerEnable(enabled);
    }
}

void AppDataManager::getSecondLayerUartData(int id, UartData* out) const
{
    if (const ButtonData* record = getButtonData(id)) {
        record->getSecondLayerUartData(out);
    }
}

QString AppDataManager::getSecondLayerCommand(int id) const
{
    const ButtonData* record = getButtonData(id);
    return record ? record->getSecondLayerCommand() : QString();
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

QString AppDataManager::uartString(const UartData* uartData)
{
    static const char* const baudTexts[] = {"2400,", "4800,", "9600,", "14400,",
                                            "19200,", "28800,", "38400,", "115200,"};
    static const char* const dataBitTexts[] = {"5-", "6-", "7-", "8-"};
    static const char* const parityTexts[] = {"N-", "O-", "E-", "S-", "M-"};

    QString text;
    const int baud = uartData->baudRate;
    if (baud >= 0 && baud < 8) {
        text += QLatin1String(baudTexts[baud]);
    }
    const int dataBits = uartData->dataBits;
    if (dataBits >= 0 && dataBits < 4) {
        text += QLatin1String(dataBitTexts[dataBits]);
    }
    const int parity = uartData->parity;
    if (parity >= 0 && parity < 5) {
        text += QLatin1String(parityTexts[parity]);
    }
    text += uartData->stopBits == StopBits1 ? QLatin1String("1") : QLatin1String("2");
    return text;
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

QString AppDataManager::displaySecondLayerBaudRate(int id) const
{
    const ButtonData* record = getButtonData(id);
    if (!record) {
        return QString();
    }
    UartData uart;
    record->getSecondLayerUartData(&uart);
    return uartString(&uart);
}

QString AppDataManager::displaySecondLayerBaudRate() const
{
    return displaySecondLayerBaudRate(checkedKeyId());
}
