#include "recordcommandwrite.h"

#include "commandtext.h"
#include "devicerecordlayout.h"

#include <QCoreApplication>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RecordCommandWrite)
};

} // namespace

namespace RecordCommandWrite {

QString refusal(const QByteArray& bytes)
{
    if (bytes.size() <= CommandText::MaxFieldBytes) {
        return {};
    }
    return Text::tr("the command is %1 bytes long, and a record holds at most %2")
        .arg(bytes.size())
        .arg(CommandText::MaxFieldBytes);
}

bool write(ProgramRecords* records, int key, int layer, const QByteArray& bytes, const UartData* line)
{
    if (!refusal(bytes).isEmpty()) {
        return false;
    }
    const QString command = CommandText::bytesToHex(bytes);
    if (layer == DeviceRecordLayout::SecondLayer) {
        ButtonData* record = records->getButtonData(key);
        if (!record) {
            return false;
        }
        record->setSecondLayerCommand(command);
        if (line) {
            record->setSecondLayerUartData(line);
        }
        return true;
    }
    LinkData* record = records->getDataObject(key, layer);
    if (!record) {
        return false;
    }
    record->setCommand(command);
    if (line) {
        record->setUartData(line);
    }
    return true;
}

QString switchedOffNote(const ProgramRecords& records, int key, int layer)
{
    const ButtonData* record = records.getButtonData(key);
    if (layer != DeviceRecordLayout::SecondLayer || !record || record->isSecondLayerEnabled()) {
        return {};
    }
    return Text::tr("Key %1's second layer is switched off: the device does not send it "
                    "until it is switched on.")
        .arg(key);
}

} // namespace RecordCommandWrite
