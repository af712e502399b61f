#include "commandbutton.h"

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
    , m_parent(parent)
{
}

CommandButton::~CommandButton() = default;

void CommandButton::setUartData(const UartData* uart)
{
    if (uart) {
        m_uartData = *uart;
    }
}

void CommandButton::getUartData(UartData* uart) const
{
    if (uart) {
        *uart = m_uartData;
    }
}
