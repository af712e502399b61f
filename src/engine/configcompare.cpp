#include "configcompare.h"

#include "appdata.h"
#include "commandtext.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigComparison)
};

// One layer of a record as far as a comparison looks at it.
struct LayerView {
    bool present = false;
    bool hasName = false;
    bool hasSwitch = false;
    QString name;
    bool switchOn = false;
    QString command;
    UartData uart;
    int delay = 0;
};

LayerView layerView(const ProgramRecords& data, int key, int layer)
{
    LayerView view;
    if (layer == ConfigComparison::FirstLayer || layer == ConfigComparison::SecondLayer) {
        const ButtonData* record = data.getButtonData(key);
        if (!record) {
            return view;
        }
        view.present = true;
        if (layer == ConfigComparison::FirstLayer) {
            view.hasName = true;
            view.name = record->getButtonName();
            view.command = record->getCommand();
            record->getUartData(&view.uart);
            view.delay = record->getDelayTime();
        } else {
            view.hasSwitch = true;
            view.switchOn = record->isSecondLayerEnabled();
            view.command = record->getSecondLayerCommand();
            record->getSecondLayerUartData(&view.uart);
            view.delay = record->getSecondLayerDelayTime();
        }
        return view;
    }
    const LinkData* record = data.getDataObject(key, layer);
    if (!record) {
        return view;
    }
    view.present = true;
    view.hasName = true;
    view.name = record->getLinkName();
    view.command = record->getCommand();
    record->getUartData(&view.uart);
    view.delay = record->getDelayTime();
    return view;
}

// A value outside the editor's choices (a file can hold any number) is shown as it is stored.
// Numbers are in no catalogue and come back as they are.
QString choiceText(int value, const char* const* texts, int count)
{
    if (value >= 0 && value < count) {
        return Text::tr(texts[value]);
    }
    return Text::tr("stored value %1").arg(value);
}

QString baudRateText(int value)
{
    static const char* const texts[] = {"2400", "4800", "9600", "14400", "19200", "28800", "38400", "115200"};
    return choiceText(value, texts, int(std::size(texts)));
}

QString parityText(int value)
{
    static const char* const texts[] = {
        QT_TRANSLATE_NOOP("ConfigComparison", "none"), QT_TRANSLATE_NOOP("ConfigComparison", "odd"),
        QT_TRANSLATE_NOOP("ConfigComparison", "even"), QT_TRANSLATE_NOOP("ConfigComparison", "space"),
        QT_TRANSLATE_NOOP("ConfigComparison", "mark")};
    return choiceText(value, texts, int(std::size(texts)));
}

QString dataBitsText(int value)
{
    static const char* const texts[] = {"5", "6", "7", "8"};
    return choiceText(value, texts, int(std::size(texts)));
}

QString stopBitsText(int value)
{
    static const char* const texts[] = {"1", "2"};
    return choiceText(value, texts, int(std::size(texts)));
}

QString hexText(const QByteArray& bytes)
{
    return bytes.isEmpty() ? Text::tr("(none)") : CommandText::bytesToHex(bytes);
}

// The stored text of a command; text that is not the editor's plain hex is
// quoted so that two spellings of the same bytes can be told apart.
QString storedCommandText(const QString& command)
{
    const QByteArray bytes = CommandText::hexToBytes(command);
    if (command == CommandText::bytesToHex(bytes)) {
        return hexText(bytes);
    }
    return QStringLiteral("\"%1\"").arg(command);
}

// Commands up to this long are shown whole; a longer one around where it differs.
constexpr qsizetype WholeCommandBytes = 16;
constexpr qsizetype BytesBefore = 4;
constexpr qsizetype BytesFrom = 8; // the differing byte and those after it

// "... 41 42 [43] 44 45 ...": the bytes around `at`, the one at `at` marked.
QString excerpt(const QByteArray& bytes, qsizetype at)
{
    if (bytes.isEmpty()) {
        return Text::tr("(none)");
    }
    const qsizetype from = qMax<qsizetype>(0, at - BytesBefore);
    const qsizetype to = qMin(bytes.size(), at + BytesFrom);
    QStringList parts;
    if (from > 0) {
        parts << QStringLiteral("...");
    }
    for (qsizetype i = from; i < to; ++i) {
        const QString pair = CommandText::bytesToHex(bytes.mid(i, 1));
        parts << (i == at ? QStringLiteral("[%1]").arg(pair) : pair);
    }
    if (at >= bytes.size()) {
        parts << Text::tr("(end)");
    } else if (to < bytes.size()) {
        parts << QStringLiteral("...");
    }
    return parts.join(QLatin1Char(' '));
}

// Two long commands are told apart where they first differ, not by their
// whole texts, which hide a one-byte change among hundreds of digits.
void addExcerpts(ConfigComparison::Difference* difference, const QByteArray& a, const QByteArray& b)
{
    if (a.size() <= WholeCommandBytes && b.size() <= WholeCommandBytes) {
        return;
    }
    const qsizetype common = qMin(a.size(), b.size());
    qsizetype at = 0;
    while (at < common && a.at(at) == b.at(at)) {
        ++at;
    }
    difference->offset = at;
    difference->excerptA = excerpt(a, at);
    difference->excerptB = excerpt(b, at);
}

QString quoted(const QString& text)
{
    return QStringLiteral("\"%1\"").arg(text);
}

} // namespace

ConfigComparison::ConfigComparison(const ProgramRecords& a, const ProgramRecords& b, Scope scope)
    : m_a(a)
    , m_b(b)
    , m_scope(scope)
{
}

QString ConfigComparison::Difference::subject() const
{
    return offset < 0 ? fieldName : Text::tr("%1 at offset %2:").arg(fieldName).arg(offset);
}

QString ConfigComparison::fieldName(Field field)
{
    switch (field) {
    case Field::Presence:
        return Text::tr("record");
    case Field::Name:
        return Text::tr("name");
    case Field::SecondLayerSwitch:
        return Text::tr("switch");
    case Field::Command:
        return Text::tr("command");
    case Field::BaudRate:
        return Text::tr("baud rate");
    case Field::Parity:
        return Text::tr("parity");
    case Field::DataBits:
        return Text::tr("data bits");
    case Field::StopBits:
        return Text::tr("stop bits");
    case Field::Delay:
        return Text::tr("delay");
    }
    return QString();
}

QList<ConfigComparison::Difference> ConfigComparison::differences() const
{
    QList<Difference> found;
    const bool wholeFile = m_scope == Scope::File;
    const int keys = qMax(m_a.getMaxButtonId(), m_b.getMaxButtonId());
    const QList<int> layers = DeviceRecordLayout::layerOrder(qMax(m_a.getMaxLinkId(), m_b.getMaxLinkId()));

    for (int key = 1; key <= keys; ++key) {
        for (int layer : layers) {
            const LayerView a = layerView(m_a, key, layer);
            const LayerView b = layerView(m_b, key, layer);
            auto add = [&](Field field, const QString& valueA, const QString& valueB) {
                Difference difference;
                difference.key = key;
                difference.layer = layer;
                difference.record = DeviceRecordLayout::recordName(key, layer);
                difference.field = field;
                difference.fieldName = fieldName(field);
                difference.valueA = valueA;
                difference.valueB = valueB;
                found.append(difference);
            };
            if (!a.present && !b.present) {
                continue;
            }
            if (a.present != b.present) {
                const QString present = Text::tr("present");
                const QString missing = Text::tr("missing");
                add(Field::Presence, a.present ? present : missing, b.present ? present : missing);
                continue;
            }
            if (wholeFile && a.hasName && a.name != b.name) {
                add(Field::Name, quoted(a.name), quoted(b.name));
            }
            if (wholeFile && a.hasSwitch && a.switchOn != b.switchOn) {
                add(Field::SecondLayerSwitch, a.switchOn ? Text::tr("on") : Text::tr("off"),
                    b.switchOn ? Text::tr("on") : Text::tr("off"));
            }
            const QByteArray bytesA = CommandText::hexToBytes(a.command);
            const QByteArray bytesB = CommandText::hexToBytes(b.command);
            if (wholeFile) {
                if (a.command != b.command) {
                    add(Field::Command, storedCommandText(a.command), storedCommandText(b.command));
                    // Only where both are the editor's plain hex: otherwise the text itself differs.
                    if (a.command == CommandText::bytesToHex(bytesA) && b.command == CommandText::bytesToHex(bytesB)) {
                        addExcerpts(&found.last(), bytesA, bytesB);
                    }
                }
            } else if (bytesA != bytesB) {
                // The device keeps bytes, not the text they were written as.
                add(Field::Command, hexText(bytesA), hexText(bytesB));
                addExcerpts(&found.last(), bytesA, bytesB);
            }
            if (a.uart.baudRate != b.uart.baudRate) {
                add(Field::BaudRate, baudRateText(a.uart.baudRate), baudRateText(b.uart.baudRate));
            }
            if (a.uart.parity != b.uart.parity) {
                add(Field::Parity, parityText(a.uart.parity), parityText(b.uart.parity));
            }
            if (wholeFile && a.uart.dataBits != b.uart.dataBits) {
                add(Field::DataBits, dataBitsText(a.uart.dataBits), dataBitsText(b.uart.dataBits));
            }
            if (wholeFile && a.uart.stopBits != b.uart.stopBits) {
                add(Field::StopBits, stopBitsText(a.uart.stopBits), stopBitsText(b.uart.stopBits));
            }
            if (a.delay != b.delay) {
                add(Field::Delay, QString::number(a.delay), QString::number(b.delay));
            }
        }
    }
    return found;
}
