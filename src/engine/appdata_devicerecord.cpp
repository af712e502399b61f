// The device's byte record of one layer: "SETS", length, key, "-", link (or 6
// for a second layer), baud, parity, delay, "E"/"D", "1", then the command bytes.
#include "appdata.h"
#include "commandtext.h"

namespace {

constexpr char SecondLayerMark = 6;
constexpr int RecordHeaderSize = 13;

QByteArray encodeRecord(int buttonId, char linkByte, const UartData& uart, int delay,
                        const QString& command)
{
    QByteArray record(RecordHeaderSize, '\0');
    record.replace(0, 4, "SETS");
    record[5] = static_cast<char>(buttonId);
    record[6] = '-';
    record[7] = linkByte;
    record[8] = static_cast<char>(uart.baudRate);
    record[9] = static_cast<char>(uart.parity);
    record[10] = static_cast<char>(delay);
    record[11] = command.isEmpty() ? 'D' : 'E';
    record[12] = '1';
    if (!command.isEmpty()) {
        record.append(CommandText::hexToBytes(command));
    }
    record[4] = static_cast<char>(record.size() - 5);
    return record;
}

uchar byteAt(const QByteArray& record, int offset)
{
    return offset < record.size() ? static_cast<uchar>(record.at(offset)) : 0;
}

void decodeRecord(const QByteArray& record, UartData* uart, int* delay, QString* command)
{
    const uchar baud = byteAt(record, 8);
    if (baud <= BaudRate115200) {
        uart->baudRate = static_cast<BaudRate>(baud);
    }
    const uchar parity = byteAt(record, 9);
    if (parity <= ParityMark) {
        uart->parity = static_cast<Parity>(parity);
    }
    *delay = byteAt(record, 10);
    *command = CommandText::bytesToHex(record.mid(RecordHeaderSize));
}

bool fits(const QString& command)
{
    return CommandText::hexToBytes(command).size() <= MaxDeviceCommandBytes;
}

} // namespace

QByteArray LinkData::encapsulation() const
{
    return encodeRecord(m_buttonId, static_cast<char>(m_linkId), m_uartData, m_delayTime, m_command);
}

void LinkData::decapsulation(QByteArray record)
{
    decodeRecord(record, &m_uartData, &m_delayTime, &m_command);
}

bool LinkData::fitsDeviceRecord() const
{
    return fits(m_command);
}

QByteArray ButtonData::encapsulationSecondLayer() const
{
    return encodeRecord(m_buttonId, SecondLayerMark, m_secondLayerUartData, m_secondLayerDelayTime,
                        m_secondLayerCommand);
}

void ButtonData::decapsulationSecondLayer(QByteArray record)
{
    decodeRecord(record, &m_secondLayerUartData, &m_secondLayerDelayTime, &m_secondLayerCommand);
}

bool ButtonData::secondLayerFitsDeviceRecord() const
{
    return fits(m_secondLayerCommand);
}
