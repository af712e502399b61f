#ifndef UARTSETTINGFORM_H
#define UARTSETTINGFORM_H

#include "appdata.h"
#include "ui_uartsetting.h"

// The line-settings form's combo box indices are the enumeration values, so a
// form and a UartData map one to one.
UartData uartFromForm(const Ui_UartSettingBox& form);
void showUartInForm(Ui_UartSettingBox& form, const UartData& uart);

#endif // UARTSETTINGFORM_H
