// The records of one program and their lookups; the configuration file is in
// appdata_configfile.cpp.
#include "appdata.h"

ProgramRecords::ProgramRecords() = default;

ProgramRecords::~ProgramRecords()
{
    qDeleteAll(m_data);
}

void ProgramRecords::newData(int maxButtons, int maxLinks)
{
    if (maxButtons >= 1) {
        for (int b = 1; b <= maxButtons; ++b) {
            m_data.append(new ButtonData(b));
        }
        for (int x = 1; x <= maxButtons; ++x) {
            for (int y = 2; y <= maxLinks; ++y) {
                m_data.append(new LinkData(x, y));
            }
        }
    }
    m_maxButtonId = maxButtons;
    m_maxLinkId = maxLinks;
}

LinkData* ProgramRecords::getDataObject(int xId, int yId) const
{
    for (LinkData* record : m_data) {
        if (record->xId() == xId && record->yId() == yId) {
            return record;
        }
    }
    return nullptr;
}

ButtonData* ProgramRecords::getButtonData(int xId) const
{
    // A record with yId 1 is always made as a ButtonData.
    return static_cast<ButtonData*>(getDataObject(xId, 1));
}

void ProgramRecords::resetDataObject()
{
    for (int x = 1; x <= m_maxButtonId; ++x) {
        for (int y = 1; y <= m_maxLinkId; ++y) {
            if (LinkData* record = getDataObject(x, y)) {
                record->clear();
            }
        }
    }
}

QString ProgramRecords::getButtonName(int buttonId) const
{
    const ButtonData* record = getButtonData(buttonId);
    return record ? record->getButtonName() : QString();
}

bool ProgramRecords::isSecondLayerEnabled(int id) const
{
    const ButtonData* record = getButtonData(id);
    return record && record->isSecondLayerEnabled();
}

void ProgramRecords::setSecondLayerEnable(int id, bool enabled)
{
    if (ButtonData* record = getButtonData(id)) {
        record->setSecondLayerEnable(enabled);
    }
}

void ProgramRecords::getSecondLayerUartData(int id, UartData* out) const
{
    if (const ButtonData* record = getButtonData(id)) {
        record->getSecondLayerUartData(out);
    }
}

QString ProgramRecords::getSecondLayerCommand(int id) const
{
    const ButtonData* record = getButtonData(id);
    return record ? record->getSecondLayerCommand() : QString();
}

QString ProgramRecords::uartString(const UartData* uartData)
{
    static const char* const baudTexts[] = {"2400,",  "4800,",  "9600,",  "14400,",
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

QString ProgramRecords::displaySecondLayerBaudRate(int id) const
{
    const ButtonData* record = getButtonData(id);
    if (!record) {
        return QString();
    }
    UartData uart;
    record->getSecondLayerUartData(&uart);
    return uartString(&uart);
}
