#include "configtext.h"

#include "appdata.h"
#include "commandtext.h"
#include "devicerecordlayout.h"
#include "terminaltext.h"
#include "typedbytes.h"

#include <QStringList>

namespace {

bool inEnumerations(const UartData& uart)
{
    return uart.baudRate >= BaudRate2400 && uart.baudRate <= BaudRate115200 && uart.parity >= ParityNone
        && uart.parity <= ParityMark && uart.dataBits >= DataBits5 && uart.dataBits <= DataBits8
        && uart.stopBits >= StopBits1 && uart.stopBits <= StopBits2;
}

// "9600,8-N-1"; settings the editor does not offer also show their values,
// since the short form drops them.
QString lineSettings(const UartData& uart)
{
    QString text = ProgramRecords::uartString(&uart);
    if (!inEnumerations(uart)) {
        text += QStringLiteral(" (stored values %1/%2/%3/%4)")
                    .arg(uart.baudRate)
                    .arg(uart.parity)
                    .arg(uart.dataBits)
                    .arg(uart.stopBits);
    }
    return text;
}

// Hex in pairs and the ASCII form, or "no command".
QString commandText(const QString& command)
{
    const QByteArray bytes = CommandText::hexToBytes(command);
    QString text;
    // The editor stores plain hex; other text came from elsewhere and is
    // shown as it is, next to the bytes it gives.
    if (command != CommandText::bytesToHex(bytes)) {
        text += QStringLiteral(", stored text \"%1\"").arg(TerminalText::escaped(command));
    }
    if (bytes.isEmpty()) {
        return text + QStringLiteral(", no command");
    }
    const QString count = bytes.size() == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes.size());
    return text
        + QStringLiteral(", hex %1 (%2), ascii \"%3\"")
              .arg(TypedBytes::spacedHex(bytes), count, CommandText::bytesToAscii(bytes));
}

// A record's line: its name as users know it, then what it holds.
QString recordLine(int key, int layer, const QString& label, const UartData& uart, int delay, const QString& command)
{
    return QStringLiteral("%1%2: %3, delay %4 s%5")
        .arg(DeviceRecordLayout::recordName(key, layer), label, lineSettings(uart))
        .arg(delay)
        .arg(commandText(command));
}

QString named(const QString& name)
{
    return QStringLiteral(": %1").arg(TerminalText::escaped(name));
}

} // namespace

namespace ConfigText {

QString describe(const ProgramRecords& data)
{
    QStringList rows;
    for (int x = 1; x <= DeviceRecordLayout::Keys; ++x) {
        const ButtonData* key = data.getButtonData(x);
        if (!key) {
            continue;
        }
        UartData uart;
        key->getUartData(&uart);
        rows << recordLine(x, DeviceRecordLayout::FirstLayer, named(key->getButtonName()), uart, key->getDelayTime(),
                           key->getCommand());
        key->getSecondLayerUartData(&uart);
        rows << recordLine(x, DeviceRecordLayout::SecondLayer,
                           key->isSecondLayerEnabled() ? QStringLiteral(" (enabled)") : QStringLiteral(" (disabled)"),
                           uart, key->getSecondLayerDelayTime(), key->getSecondLayerCommand());
        for (int y = DeviceRecordLayout::FirstLink; y <= DeviceRecordLayout::Links; ++y) {
            const LinkData* link = data.getDataObject(x, y);
            if (!link) {
                continue;
            }
            link->getUartData(&uart);
            rows << recordLine(x, y, named(link->getLinkName()), uart, link->getDelayTime(), link->getCommand());
        }
    }
    return rows.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace ConfigText
