#include "configtext.h"

#include "appdata.h"
#include "commandtext.h"
#include "devicerecordlayout.h"

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

// Hex in pairs and the ASCII form, or "(none)".
QStringList commandRows(const QString& command, const QString& indent)
{
    const QByteArray bytes = CommandText::hexToBytes(command);
    QStringList rows;
    // The editor stores plain hex; other text came from elsewhere and is
    // shown as it is, next to the bytes it gives.
    if (command != CommandText::bytesToHex(bytes)) {
        rows << indent + QStringLiteral("stored text: \"%1\"").arg(command);
    }
    if (bytes.isEmpty()) {
        return rows << indent + QStringLiteral("command: (none)");
    }
    QStringList pairs;
    for (char byte : bytes) {
        pairs << QStringLiteral("%1").arg(uint(uchar(byte)), 2, 16, QLatin1Char('0')).toUpper();
    }
    const QString count = bytes.size() == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes.size());
    return rows << indent + QStringLiteral("hex:   %1 (%2)").arg(pairs.join(QLatin1Char(' ')), count)
                << indent + QStringLiteral("ascii: %1").arg(CommandText::bytesToAscii(bytes));
}

QString settingsAndDelay(const UartData& uart, int delay)
{
    return QStringLiteral("%1, delay %2 s").arg(lineSettings(uart)).arg(delay);
}

} // namespace

namespace ConfigText {

QString describe(const ProgramRecords& data)
{
    QStringList rows;
    const QString indent(4, QLatin1Char(' '));
    for (int x = 1; x <= DeviceRecordLayout::Keys; ++x) {
        const ButtonData* key = data.getButtonData(x);
        if (!key) {
            continue;
        }
        if (!rows.isEmpty()) {
            rows << QString();
        }
        UartData uart;
        rows << QStringLiteral("Key %1: %2").arg(x).arg(key->getButtonName());
        key->getUartData(&uart);
        rows << QStringLiteral("  First layer: %1").arg(settingsAndDelay(uart, key->getDelayTime()));
        rows << commandRows(key->getCommand(), indent);
        key->getSecondLayerUartData(&uart);
        rows << QStringLiteral("  Second layer (%1): %2")
                    .arg(key->isSecondLayerEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                         settingsAndDelay(uart, key->getSecondLayerDelayTime()));
        rows << commandRows(key->getSecondLayerCommand(), indent);
        for (int y = DeviceRecordLayout::FirstLink; y <= DeviceRecordLayout::Links; ++y) {
            const LinkData* link = data.getDataObject(x, y);
            if (!link) {
                continue;
            }
            link->getUartData(&uart);
            rows << QStringLiteral("  Link %1: %2: %3")
                        .arg(DeviceRecordLayout::linkButton(y))
                        .arg(link->getLinkName(), settingsAndDelay(uart, link->getDelayTime()));
            rows << commandRows(link->getCommand(), indent);
        }
    }
    return rows.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace ConfigText
