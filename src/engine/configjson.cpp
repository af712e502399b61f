#include "configjson.h"

#include "appdata.h"
#include "devicerecordlayout.h"
#include "jsonrepeatedkey.h"
#include "linesettings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigJson)
};

// A value outside what a field lists; %1 is the range or the list.
const char* const OutOfRange = QT_TRANSLATE_NOOP(
    "ConfigJson", "expected an integer 0 to %1 (or {\"raw\": n} for a value the editor does not offer)");
const char* const NotListed = QT_TRANSLATE_NOOP(
    "ConfigJson", "expected one of %1 (or {\"raw\": n} for a value the editor does not offer)");

const QLatin1String FormatName("kvr210c-config");
constexpr int KeyCount = DeviceRecordLayout::Keys;
constexpr int FirstLink = DeviceRecordLayout::FirstLink;
constexpr int LastLink = DeviceRecordLayout::Links;
constexpr int MaxDelay = 255;
constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();

const QLatin1String Raw("raw");

// How a line setting is written: its field and, by stored value, what stands
// for it. Version 1 writes the stored values themselves; later versions what
// they mean ("baud": 9600, "parity": "even"), which reads in a diff. The
// refusal is translated where it is used, as the language may change.
struct LineField {
    QString name;
    QList<QJsonValue> values;
    const char* expected;
    QString allowed;
};

QList<QJsonValue> numbers(int first, int count)
{
    QList<QJsonValue> values;
    for (int i = 0; i < count; ++i) {
        values << first + i;
    }
    return values;
}

QByteArray scalarText(const QJsonValue& value)
{
    // A one-element array is the shortest way to have Qt write a lone value.
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QString listed(const QList<QJsonValue>& values)
{
    QStringList texts;
    for (const QJsonValue& value : values) {
        texts << QString::fromUtf8(scalarText(value));
    }
    return texts.join(QLatin1String(", "));
}

LineField enumerationField(const char* name, int count)
{
    return {QLatin1String(name), numbers(0, count), OutOfRange, QString::number(count - 1)};
}

LineField meaningField(const char* name, const QList<QJsonValue>& values)
{
    return {QLatin1String(name), values, NotListed, listed(values)};
}

// Baud rate, parity, data bits and stop bits, in this order.
const QList<LineField>& lineFields(int version)
{
    static const QList<LineField> enumerations{
        enumerationField("baudRate", BaudRate115200 + 1), enumerationField("parity", ParityMark + 1),
        enumerationField("dataBits", DataBits8 + 1), enumerationField("stopBits", StopBits2 + 1)};
    static const QList<LineField> meanings = [] {
        QList<QJsonValue> bauds;
        for (qint32 baud : LineSettings::baudRates()) {
            bauds << baud;
        }
        QList<QJsonValue> parities;
        for (const QString& parity : LineSettings::parityNames()) {
            parities << parity;
        }
        return QList<LineField>{meaningField("baud", bauds), meaningField("parity", parities),
                                meaningField("dataBits", numbers(5, DataBits8 + 1)),
                                meaningField("stopBits", numbers(1, StopBits2 + 1))};
    }();
    return version == 1 ? enumerations : meanings;
}

using LineValues = std::array<qint32, 4>;

LineValues lineValues(const UartData& uart)
{
    return {uart.baudRate, uart.parity, uart.dataBits, uart.stopBits};
}

UartData uartOf(const LineValues& values)
{
    return {BaudRate(values[0]), Parity(values[1]), DataBits(values[2]), StopBits(values[3])};
}

QStringList layerFields(int version)
{
    QStringList fields{QStringLiteral("command")};
    for (const LineField& field : lineFields(version)) {
        fields << field.name;
    }
    return fields << QStringLiteral("delay");
}

// Upper-case hex digit pairs: the form the editor stores a command in.
bool isStoredHex(const QString& text)
{
    if (text.size() % 2 != 0) {
        return false;
    }
    for (QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')))) {
            return false;
        }
    }
    return true;
}

QJsonValue rawOr(bool plain, const QJsonValue& value)
{
    return plain ? value : QJsonValue(QJsonObject{{Raw, value}});
}

QJsonValue lineValue(qint32 value, const LineField& field)
{
    return value >= 0 && value < field.values.size() ? field.values.at(value) : rawOr(false, value);
}

QJsonValue commandValue(const QString& command)
{
    return rawOr(isStoredHex(command), command);
}

void putLayer(QJsonObject* object, const QString& command, const UartData& uart, int delay, int version)
{
    object->insert(QStringLiteral("command"), commandValue(command));
    const QList<LineField>& fields = lineFields(version);
    const LineValues values = lineValues(uart);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        object->insert(fields.at(i).name, lineValue(values.at(i), fields.at(i)));
    }
    object->insert(QStringLiteral("delay"), rawOr(delay >= 0 && delay <= MaxDelay, delay));
}

// Walks a document and stops at the first thing that does not fit, naming it.
class Reader
{
public:
    QString error;
    int version = ConfigJson::CurrentVersion;

    bool fail(const QString& path, const QString& what)
    {
        error = QStringLiteral("%1: %2").arg(path, what);
        return false;
    }

    bool knownFieldsOnly(const QJsonObject& object, const QString& path, const QStringList& known)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key())) {
                return fail(join(path, it.key()),
                            Text::tr("unknown field (known here: %1)").arg(known.join(QLatin1String(", "))));
            }
        }
        return true;
    }

    static QString join(const QString& path, const QString& field)
    {
        return path.isEmpty() ? field : path + QLatin1Char('.') + field;
    }

    // A whole number within [min, max]; the caller has checked it is there.
    bool integer(const QJsonValue& value, const QString& path, qint64 min, qint64 max, const QString& expected,
                 qint64* out)
    {
        if (!value.isDouble()) {
            return fail(path, expected);
        }
        const double number = value.toDouble();
        if (std::trunc(number) != number || number < double(min) || number > double(max)) {
            return fail(path, expected);
        }
        *out = qint64(number);
        return true;
    }

    // A number in the usual range, or {"raw": n} with any 32-bit n. A missing
    // field leaves *out alone.
    bool rangedValue(const QJsonObject& object, const QString& field, const QString& path, int max, qint32* out)
    {
        if (!object.contains(field)) {
            return true;
        }
        const QString at = join(path, field);
        const QJsonValue value = object.value(field);
        if (value.isObject()) {
            return rawNumber(value.toObject(), at, out);
        }
        qint64 number = 0;
        if (!integer(value, at, 0, max, Text::tr(OutOfRange).arg(max), &number)) {
            return false;
        }
        *out = qint32(number);
        return true;
    }

    // {"raw": n} with any 32-bit n: a value the file holds as it is.
    bool rawNumber(const QJsonObject& raw, const QString& at, qint32* out)
    {
        if (!knownFieldsOnly(raw, at, {Raw}) || !raw.contains(Raw)) {
            return error.isEmpty() ? fail(at, Text::tr("expected {\"raw\": n}")) : false;
        }
        qint64 number = 0;
        if (!integer(raw.value(Raw), join(at, Raw), Int32Min, Int32Max, Text::tr("expected a 32-bit integer"),
                     &number)) {
            return false;
        }
        *out = qint32(number);
        return true;
    }

    // One of the values the field lists, or {"raw": n}. A missing field leaves
    // *out alone.
    bool lineSetting(const QJsonObject& object, const LineField& field, const QString& path, qint32* out)
    {
        if (!object.contains(field.name)) {
            return true;
        }
        const QString at = join(path, field.name);
        const QJsonValue value = object.value(field.name);
        if (value.isObject()) {
            return rawNumber(value.toObject(), at, out);
        }
        const qsizetype index = field.values.indexOf(value);
        if (index < 0) {
            return fail(at, Text::tr(field.expected).arg(field.allowed));
        }
        *out = qint32(index);
        return true;
    }

    // Text the file can hold as it is: one byte per character, no zero byte,
    // within the size a reader accepts.
    bool fileText(const QJsonValue& value, const QString& path, QString* out)
    {
        if (!value.isString()) {
            return fail(path, Text::tr("expected a string"));
        }
        const QString text = value.toString();
        if (text.size() > MaxDataRecordSize) {
            return fail(path, Text::tr("longer than %1 characters").arg(MaxDataRecordSize));
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c == 0) {
                return fail(path, Text::tr("contains a zero character, which the file cannot hold"));
            }
            if (c > 0xFF) {
                // A character beyond U+FFFF (an emoji) is two UTF-16 units: name it whole.
                const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                    && text.at(i + 1).isLowSurrogate();
                const QString character = text.mid(i, pair ? 2 : 1);
                const uint codePoint = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : uint(c);
                return fail(path,
                            Text::tr("character %1 (U+%2) cannot be stored; the file holds "
                                     "Latin-1 characters only")
                                .arg(character)
                                .arg(QStringLiteral("%1").arg(codePoint, 4, 16, QLatin1Char('0')).toUpper()));
            }
        }
        *out = text;
        return true;
    }

    bool name(const QJsonObject& object, const QString& path, QString* out)
    {
        const QString field = QStringLiteral("name");
        return !object.contains(field) || fileText(object.value(field), join(path, field), out);
    }

    // Hex digit pairs ("0D0A", any case, stored upper case), or {"raw": text}.
    bool command(const QJsonObject& object, const QString& path, QString* out)
    {
        const QString field = QStringLiteral("command");
        if (!object.contains(field)) {
            return true;
        }
        const QString at = join(path, field);
        const QJsonValue value = object.value(field);
        if (value.isObject()) {
            const QJsonObject raw = value.toObject();
            if (!knownFieldsOnly(raw, at, {Raw})) {
                return false;
            }
            if (!raw.contains(Raw)) {
                return fail(at, Text::tr("expected {\"raw\": text}"));
            }
            return fileText(raw.value(Raw), join(at, Raw), out);
        }
        if (!value.isString()) {
            return fail(at, Text::tr("expected a string of hex digits such as \"0D0A\""));
        }
        // Blanks may stand between digit pairs, as the editor shows a command ("0D 0A 41").
        const QString text = value.toString();
        QString hex;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char(' ')) {
                if (hex.size() % 2 != 0) {
                    return fail(at,
                                Text::tr("the blank at position %1 splits a byte; every byte takes "
                                         "two digits")
                                    .arg(i + 1));
                }
                continue;
            }
            if (!isHexDigit(c)) {
                return fail(at,
                            Text::tr("\"%1\" at position %2 is not a hex digit (write the bytes as "
                                     "hex digit pairs, such as \"0D0A\" or \"0D 0A\")")
                                .arg(c)
                                .arg(i + 1));
            }
            if (hex.size() >= MaxDataRecordSize) {
                return fail(at, Text::tr("longer than %1 hex digits").arg(MaxDataRecordSize));
            }
            hex.append(c);
        }
        if (hex.size() % 2 != 0) {
            return fail(at, Text::tr("odd number of hex digits; every byte takes two"));
        }
        *out = hex.isEmpty() ? QString() : hex.toUpper();
        return true;
    }

    // Command, line settings and delay of one layer, into the given fields.
    bool layer(const QJsonObject& object, const QString& path, QString* commandText, UartData* uart, int* delay)
    {
        LineValues values = lineValues(*uart);
        qint32 delayValue = *delay;
        if (!command(object, path, commandText)) {
            return false;
        }
        const QList<LineField>& fields = lineFields(version);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (!lineSetting(object, fields.at(i), path, &values[size_t(i)])) {
                return false;
            }
        }
        if (!rangedValue(object, QStringLiteral("delay"), path, MaxDelay, &delayValue)) {
            return false;
        }
        *uart = uartOf(values);
        *delay = delayValue;
        return true;
    }

    // The first layer of a key or a link, straight into its record.
    bool firstLayer(const QJsonObject& object, const QString& path, LinkData* record)
    {
        QString commandText = record->getCommand();
        UartData uart;
        record->getUartData(&uart);
        int delay = record->getDelayTime();
        if (!layer(object, path, &commandText, &uart, &delay)) {
            return false;
        }
        record->setCommand(commandText);
        record->setUartData(&uart);
        record->setDelayTime(delay);
        return true;
    }

    bool secondLayer(const QJsonValue& value, const QString& path, ButtonData* key)
    {
        if (!value.isObject()) {
            return fail(path, Text::tr("expected an object"));
        }
        const QJsonObject object = value.toObject();
        if (!knownFieldsOnly(object, path, QStringList{QStringLiteral("enabled")} + layerFields(version))) {
            return false;
        }
        const QString enabledField = QStringLiteral("enabled");
        if (object.contains(enabledField)) {
            if (!object.value(enabledField).isBool()) {
                return fail(join(path, enabledField), Text::tr("expected true or false"));
            }
            key->setSecondLayerEnable(object.value(enabledField).toBool());
        }
        QString commandText = key->getSecondLayerCommand();
        UartData uart;
        key->getSecondLayerUartData(&uart);
        int delay = key->getSecondLayerDelayTime();
        if (!layer(object, path, &commandText, &uart, &delay)) {
            return false;
        }
        key->setSecondLayerCommand(commandText);
        key->setSecondLayerUartData(&uart);
        key->setSecondLayerDelayTime(delay);
        return true;
    }

    // The number that says which key or link an entry is, unique in its list.
    bool identity(const QJsonObject& object, const QString& path, const QString& field, int min, int max,
                  QSet<int>* seen, int* out)
    {
        const QString at = join(path, field);
        if (!object.contains(field)) {
            return fail(at, Text::tr("missing; say which %1 this is (%2 to %3)").arg(field).arg(min).arg(max));
        }
        qint64 number = 0;
        if (!integer(object.value(field), at, min, max, Text::tr("expected an integer %1 to %2").arg(min).arg(max),
                     &number)) {
            return false;
        }
        if (seen->contains(int(number))) {
            return fail(at, Text::tr("%1 %2 appears more than once").arg(field).arg(number));
        }
        seen->insert(int(number));
        *out = int(number);
        return true;
    }

    bool link(const QJsonValue& value, const QString& path, int keyId, ProgramRecords* data, QSet<int>* seen)
    {
        if (!value.isObject()) {
            return fail(path, Text::tr("expected an object"));
        }
        const QJsonObject object = value.toObject();
        int linkId = 0;
        if (!knownFieldsOnly(object, path,
                             QStringList{QStringLiteral("link"), QStringLiteral("name")} + layerFields(version))
            || !identity(object, path, QStringLiteral("link"), FirstLink, LastLink, seen, &linkId)) {
            return false;
        }
        LinkData* record = data->getDataObject(keyId, linkId);
        QString linkName = record->getLinkName();
        if (!name(object, path, &linkName) || !firstLayer(object, path, record)) {
            return false;
        }
        record->setLinkName(linkName);
        return true;
    }

    bool key(const QJsonValue& value, const QString& path, ProgramRecords* data, QSet<int>* seen)
    {
        if (!value.isObject()) {
            return fail(path, Text::tr("expected an object"));
        }
        const QJsonObject object = value.toObject();
        int keyId = 0;
        const QStringList known = QStringList{QStringLiteral("key"), QStringLiteral("name"),
                                              QStringLiteral("secondLayer"), QStringLiteral("links")}
            + layerFields(version);
        if (!knownFieldsOnly(object, path, known)
            || !identity(object, path, QStringLiteral("key"), 1, KeyCount, seen, &keyId)) {
            return false;
        }
        ButtonData* button = data->getButtonData(keyId);
        QString keyName = button->getButtonName();
        if (!name(object, path, &keyName) || !firstLayer(object, path, button)) {
            return false;
        }
        button->setButtonName(keyName);
        const QString secondField = QStringLiteral("secondLayer");
        if (object.contains(secondField) && !secondLayer(object.value(secondField), join(path, secondField), button)) {
            return false;
        }
        const QString linksField = QStringLiteral("links");
        if (!object.contains(linksField)) {
            return true;
        }
        const QString linksPath = join(path, linksField);
        if (!object.value(linksField).isArray()) {
            return fail(linksPath, Text::tr("expected an array"));
        }
        const QJsonArray links = object.value(linksField).toArray();
        if (links.size() > LastLink - FirstLink + 1) {
            return fail(
                linksPath,
                Text::tr("a key has %1 links, this list has %2").arg(LastLink - FirstLink + 1).arg(links.size()));
        }
        QSet<int> seenLinks;
        for (qsizetype i = 0; i < links.size(); ++i) {
            if (!link(links.at(i), QStringLiteral("%1[%2]").arg(linksPath).arg(i), keyId, data, &seenLinks)) {
                return false;
            }
        }
        return true;
    }

    bool document(const QJsonObject& root, ProgramRecords* data)
    {
        if (!knownFieldsOnly(root, QString(),
                             {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("keys")})) {
            return false;
        }
        if (root.value(QStringLiteral("format")) != QJsonValue(FormatName)) {
            return fail(QStringLiteral("format"), Text::tr("expected \"%1\"").arg(FormatName));
        }
        using ConfigJson::CurrentVersion;
        using ConfigJson::OldestVersion;
        if (!root.contains(QStringLiteral("version"))) {
            return fail(
                QStringLiteral("version"),
                Text::tr("missing; expected %1 (or %2 for the older form)").arg(CurrentVersion).arg(OldestVersion));
        }
        qint64 number = 0;
        if (!integer(root.value(QStringLiteral("version")), QStringLiteral("version"), OldestVersion, CurrentVersion,
                     Text::tr("expected %1 to %2; this program reads versions %1 to %2")
                         .arg(OldestVersion)
                         .arg(CurrentVersion),
                     &number)) {
            return false;
        }
        version = int(number);
        const QJsonValue keysValue = root.value(QStringLiteral("keys"));
        if (!keysValue.isArray()) {
            // Required even though every key in it may be left out: a document
            // without it is more likely the wrong file than a wish for a new
            // configuration, and import replaces the file it writes.
            return fail(QStringLiteral("keys"),
                        keysValue.isUndefined() ? Text::tr("missing; for a new configuration write \"keys\": []")
                                                : Text::tr("expected an array"));
        }
        const QJsonArray keys = keysValue.toArray();
        if (keys.size() > KeyCount) {
            return fail(QStringLiteral("keys"),
                        Text::tr("the device has %1 keys, this list has %2").arg(KeyCount).arg(keys.size()));
        }
        QSet<int> seen;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (!key(keys.at(i), QStringLiteral("keys[%1]").arg(i), data, &seen)) {
                return false;
            }
        }
        return true;
    }

private:
    static bool isHexDigit(QChar c)
    {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    }
};

// "line 3, column 7" for an offset into the text.
QString invalidAt(const QByteArray& text, int offset, const QString& why)
{
    const QByteArray before = text.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int column = int(before.size() - (before.lastIndexOf('\n') + 1)) + 1;
    return Text::tr("not valid JSON at line %1, column %2: %3")
        .arg(QString::number(line), QString::number(column), why);
}

// The order fields are written in, so that a key reads from its number down
// to its links; QJsonObject itself keeps its fields sorted by name.
const QStringList FieldOrder{QStringLiteral("format"),
                             QStringLiteral("version"),
                             QStringLiteral("key"),
                             QStringLiteral("link"),
                             QStringLiteral("name"),
                             QStringLiteral("enabled"),
                             QStringLiteral("command"),
                             QStringLiteral("baud"),
                             QStringLiteral("baudRate"),
                             QStringLiteral("parity"),
                             QStringLiteral("dataBits"),
                             QStringLiteral("stopBits"),
                             QStringLiteral("delay"),
                             QStringLiteral("secondLayer"),
                             QStringLiteral("links"),
                             QStringLiteral("keys"),
                             Raw};

bool isFlat(const QJsonValue& value)
{
    if (value.isArray()) {
        return value.toArray().isEmpty();
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        return object.isEmpty() || (object.size() == 1 && object.contains(Raw));
    }
    return true;
}

// Indented JSON with the fields in FieldOrder; small values on one line.
void writeOrdered(const QJsonValue& value, int depth, QByteArray* out)
{
    const QByteArray indent((depth + 1) * 2, ' ');
    const QByteArray closing(depth * 2, ' ');
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        if (array.isEmpty()) {
            *out += "[]";
            return;
        }
        *out += "[\n";
        for (qsizetype i = 0; i < array.size(); ++i) {
            *out += indent;
            writeOrdered(array.at(i), depth + 1, out);
            *out += i + 1 < array.size() ? ",\n" : "\n";
        }
        *out += closing + ']';
        return;
    }
    if (!value.isObject()) {
        *out += scalarText(value);
        return;
    }
    const QJsonObject object = value.toObject();
    QStringList names = object.keys();
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const qsizetype ia = FieldOrder.indexOf(a);
        const qsizetype ib = FieldOrder.indexOf(b);
        return (ia < 0 ? FieldOrder.size() : ia) < (ib < 0 ? FieldOrder.size() : ib);
    });
    if (isFlat(value)) {
        *out += '{';
        for (const QString& name : names) {
            *out += scalarText(name) + ": " + scalarText(object.value(name));
        }
        *out += '}';
        return;
    }
    *out += "{\n";
    for (qsizetype i = 0; i < names.size(); ++i) {
        *out += indent + scalarText(names.at(i)) + ": ";
        writeOrdered(object.value(names.at(i)), depth + 1, out);
        *out += i + 1 < names.size() ? ",\n" : "\n";
    }
    *out += closing + '}';
}

} // namespace

namespace ConfigJson {

QJsonObject toJson(const ProgramRecords& data, int version)
{
    QJsonArray keys;
    for (int x = 1; x <= KeyCount; ++x) {
        const ButtonData* button = data.getButtonData(x);
        if (!button) {
            continue;
        }
        QJsonObject key;
        UartData uart;
        key.insert(QStringLiteral("key"), x);
        key.insert(QStringLiteral("name"), button->getButtonName());
        button->getUartData(&uart);
        putLayer(&key, button->getCommand(), uart, button->getDelayTime(), version);

        QJsonObject second;
        second.insert(QStringLiteral("enabled"), button->isSecondLayerEnabled());
        button->getSecondLayerUartData(&uart);
        putLayer(&second, button->getSecondLayerCommand(), uart, button->getSecondLayerDelayTime(), version);
        key.insert(QStringLiteral("secondLayer"), second);

        QJsonArray links;
        for (int y = FirstLink; y <= LastLink; ++y) {
            const LinkData* record = data.getDataObject(x, y);
            if (!record) {
                continue;
            }
            QJsonObject link;
            link.insert(QStringLiteral("link"), y);
            link.insert(QStringLiteral("name"), record->getLinkName());
            record->getUartData(&uart);
            putLayer(&link, record->getCommand(), uart, record->getDelayTime(), version);
            links.append(link);
        }
        key.insert(QStringLiteral("links"), links);
        keys.append(key);
    }
    return QJsonObject{
        {QStringLiteral("format"), FormatName}, {QStringLiteral("version"), version}, {QStringLiteral("keys"), keys}};
}

QByteArray toJsonText(const ProgramRecords& data, int version)
{
    QByteArray text;
    writeOrdered(QJsonValue(toJson(data, version)), 0, &text);
    return text + '\n';
}

bool fromJson(const QByteArray& text, ProgramRecords* data, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = invalidAt(text, parseError.offset, parseError.errorString());
        return false;
    }
    // The document would keep only one of the values, silently.
    const QString repeated = findRepeatedJsonKey(text);
    if (!repeated.isEmpty()) {
        *error = Text::tr("%1: appears more than once; give each field once").arg(repeated);
        return false;
    }
    if (!document.isObject()) {
        *error = Text::tr("expected a JSON object with \"format\": \"%1\"").arg(FormatName);
        return false;
    }
    Reader reader;
    if (!reader.document(document.object(), data)) {
        *error = reader.error;
        return false;
    }
    return true;
}

QString formatDescription()
{
    return QStringLiteral(
               "JSON format: {\"format\": \"%1\", \"version\": %2, \"keys\": [...]}. Each key:\n"
               "  {\"key\": 1..6, \"name\", \"command\", \"baud\", \"parity\", \"dataBits\", \"stopBits\",\n"
               "   \"delay\", \"secondLayer\": {\"enabled\", \"command\", \"baud\", ..., \"delay\"},\n"
               "   \"links\": [{\"link\": 2..5 (links 13..16), \"name\", \"command\", ..., \"delay\"}, ...]}\n"
               "Commands are hex digit pairs, blanks between pairs allowed (\"0D0A\", \"0D 0A\").\n"
               "baud 2400, 4800, 9600, 14400, 19200, 28800, 38400 or 115200; parity \"none\",\n"
               "\"odd\", \"even\", \"space\" or \"mark\"; dataBits 5..8; stopBits 1 or 2; delay 0..255\n"
               "seconds. Values the file holds but the editor does not offer are written as\n"
               "{\"raw\": value}, the value as the file stores it.\n"
               "Version %3 (export --format %3, for older readers) names the line settings\n"
               "\"baudRate\" and writes them as the file stores them: baudRate 0..7 in the order\n"
               "above, parity 0..4, dataBits 0..3 = 5..8, stopBits 0..1 = 1, 2. Import reads both.\n"
               "\"format\", \"version\" and \"keys\" are required; \"keys\": [] is a new configuration.\n"
               "Keys left out of the list, and links and fields left out of a key, keep the values\n"
               "of a new configuration (name \"Empty\", no command, 9600,8-N-1, delay 0, second\n"
               "layer off). Unknown fields are errors.")
        .arg(FormatName)
        .arg(CurrentVersion)
        .arg(OldestVersion);
}

} // namespace ConfigJson
