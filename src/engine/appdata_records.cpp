#include "appdata.h"

namespace {
const QString EmptyName = QString::fromLatin1(DefaultRecordName);
}

UartData defaultUartData()
{
    return UartData{};
}

bool operator==(const UartData& a, const UartData& b)
{
    return a.baudRate == b.baudRate && a.parity == b.parity && a.dataBits == b.dataBits && a.stopBits == b.stopBits;
}

LinkData::LinkData(int buttonId, int linkId)
    : m_buttonId(buttonId)
    , m_linkId(linkId)
    , m_linkName(EmptyName)
{
}

LinkData::~LinkData() = default;

void LinkData::setUartData(const UartData* uart)
{
    if (uart) {
        m_uartData = *uart;
    }
}

void LinkData::getUartData(UartData* uart) const
{
    if (uart) {
        *uart = m_uartData;
    }
}

void LinkData::clear()
{
    m_linkName = EmptyName;
    m_uartData = defaultUartData();
    m_command = QString();
    m_delayTime = 0;
}

ButtonData::ButtonData(int buttonId)
    : LinkData(buttonId, 1)
    , m_buttonName(EmptyName)
{
}

void ButtonData::setSecondLayerUartData(const UartData* uart)
{
    if (uart) {
        m_secondLayerUartData = *uart;
    }
}

void ButtonData::getSecondLayerUartData(UartData* uart) const
{
    if (uart) {
        *uart = m_secondLayerUartData;
    }
}

void ButtonData::clear()
{
    m_buttonName = EmptyName;
    m_secondLayerEnable = false;
    m_secondLayerUartData = defaultUartData();
    m_secondLayerCommand = QString();
    m_secondLayerDelayTime = 0;
    LinkData::clear();
}
