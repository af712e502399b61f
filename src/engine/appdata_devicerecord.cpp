// The device's byte record of one layer, laid out as devicerecordlayout.h says.
#include "appdata.h"
#include "commandtext.h"

namespace {

using namespace DeviceRecordLayout;

static_assert(MaxBaudByte == BaudRate115200 && MaxParityByte == ParityMark);

QByteArray encodeRecord(int buttonId, char linkByte, const UartData& uart, int delay, const QString& command)
{
    QByteArray record(HeaderSize, '\0');
    record.replace(0, TagSize, Tag);
    record[KeyOffset] = static_cast<char>(buttonId);
    record[DashOffset] = Dash;
    record[LinkOffset] = linkByte;
    record[BaudOffset] = static_cast<char>(uart.baudRate);
    record[ParityOffset] = static_cast<char>(uart.parity);
    record[DelayOffset] = static_cast<char>(delay);
    record[CommandFlagOffset] = command.isEmpty() ? NoCommand : CommandFollows;
    record[EndMarkOffset] = EndMark;
    if (!command.isEmpty()) {
        record.append(CommandText::hexToBytes(command));
    }
    record[LengthOffset] = static_cast<char>(record.size() - FrameHeaderSize);
    return record;
}

void decodeRecord(const QByteArray& record, UartData* uart, int* delay, QString* command)
{
    const int baud = byteAt(record, BaudOffset);
    if (baud <= MaxBaudByte) {
        uart->baudRate = static_cast<BaudRate>(baud);
    }
    const int parity = byteAt(record, ParityOffset);
    if (parity <= MaxParityByte) {
        uart->parity = static_cast<Parity>(parity);
    }
    *delay = byteAt(record, DelayOffset);
    *command = CommandText::bytesToHex(record.mid(HeaderSize));
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
    return encodeRecord(m_buttonId, static_cast<char>(DeviceRecordLayout::SecondLayer), m_secondLayerUartData,
                        m_secondLayerDelayTime, m_secondLayerCommand);
}

void ButtonData::decapsulationSecondLayer(QByteArray record)
{
    decodeRecord(record, &m_secondLayerUartData, &m_secondLayerDelayTime, &m_secondLayerCommand);
}

bool ButtonData::secondLayerFitsDeviceRecord() const
{
    return fits(m_secondLayerCommand);
}
