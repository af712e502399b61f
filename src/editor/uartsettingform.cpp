#include "uartsettingform.h"

UartData uartFromForm(const Ui_UartSettingBox& form)
{
    UartData uart;
    uart.baudRate = static_cast<BaudRate>(form.baudRateBox->currentIndex());
    uart.parity = static_cast<Parity>(form.parityBox->currentIndex());
    uart.dataBits = static_cast<DataBits>(form.dataBitsBox->currentIndex());
    uart.stopBits = static_cast<StopBits>(form.stopBitsBox->currentIndex());
    return uart;
}

void showUartInForm(Ui_UartSettingBox& form, const UartData& uart)
{
    form.baudRateBox->setCurrentIndex(uart.baudRate);
    form.parityBox->setCurrentIndex(uart.parity);
    form.dataBitsBox->setCurrentIndex(uart.dataBits);
    form.stopBitsBox->setCurrentIndex(uart.stopBits);
}
