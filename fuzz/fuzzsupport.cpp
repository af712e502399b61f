#include "fuzzsupport.h"

#include "appdata.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

void silenceMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QByteArray saveToBytes(ProgramRecords* model)
{
    const QByteArray bytes = model->configFileBytes();
    check(!bytes.isEmpty(), "a model of the editor's shape could not be saved");
    return bytes;
}

bool loadFromBytes(ProgramRecords* model, const QByteArray& file)
{
    return model->loadConfigFileBytes(file);
}

void fillModel(ProgramRecords* model, bool odd)
{
    for (int x = 1; x <= model->getMaxButtonId(); ++x) {
        for (int y = 1; y <= model->getMaxLinkId(); ++y) {
            LinkData* record = model->getDataObject(x, y);
            if (!record) {
                continue;
            }
            UartData uart;
            uart.baudRate = static_cast<BaudRate>((x + y) % 8);
            uart.parity = static_cast<Parity>((x * y) % 5);
            uart.dataBits = static_cast<DataBits>(y % 4);
            uart.stopBits = static_cast<StopBits>(x % 2);
            if (odd && y == 3) {
                uart.baudRate = static_cast<BaudRate>(9);
                uart.stopBits = static_cast<StopBits>(-1);
            }
            record->setUartData(&uart);
            // A key's own record takes its name from the button name only.
            if (y != 1) {
                record->setLinkName(QStringLiteral("Link %1-%2").arg(x).arg(y));
            }
            QByteArray command = QByteArray::number(x * 10 + y).repeated(y);
            record->setCommand(QString::fromLatin1(command.toHex().toUpper()));
            record->setDelayTime(odd && y == 4 ? -5 - x : x + y);
            if (odd && y == 5) {
                record->setCommand(QStringLiteral("0d 0a zz"));
                record->setDelayTime(300 + x);
            }
            if (y != 1) {
                continue;
            }
            auto* key = static_cast<ButtonData*>(record);
            key->setButtonName(odd ? QStringLiteral("T\u00fcr %1").arg(x) : QStringLiteral("Key %1").arg(x));
            key->setSecondLayerEnable(x % 2 == 0);
            UartData second;
            second.baudRate = static_cast<BaudRate>((x + 3) % 8);
            second.parity = static_cast<Parity>(x % 5);
            key->setSecondLayerUartData(&second);
            key->setSecondLayerCommand(x % 3 == 0 ? QString() : QStringLiteral("1B5B41"));
            key->setSecondLayerDelayTime(odd ? 1000 * x : x);
        }
    }
}

} // namespace Fuzz

// libFuzzer (and the replay in the ordinary build) calls this once, before any input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::silenceMessages();
    return 0;
}
