#include "commandlibrary.h"

#include "jsonfields.h"
#include "librarycommand.h"
#include "linesettings.h"
#include "replypattern.h"
#include "safesave.h"
#include "typedbytes.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <limits>

using JsonFields::place;
using JsonFields::refuse;

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLibrary)
};

const char FormatName[] = "kvr210c-library";

struct KindName {
    LibraryParam::Kind kind;
    const char* name;
};
constexpr KindName Kinds[] = {
    {LibraryParam::Kind::Byte, "byte"},
    {LibraryParam::Kind::Decimal, "decimal"},
    {LibraryParam::Kind::HexDigits, "hexdigits"},
};

QString kindName(LibraryParam::Kind kind)
{
    for (const KindName& entry : Kinds) {
        if (entry.kind == kind) {
            return QLatin1String(entry.name);
        }
    }
    return QString();
}

// "entries[2]" and "why" as "entries[2]: why"; with no path, the reason alone (check()).
bool refuseEntry(QString* error, const QString& path, const QString& why)
{
    *error = path.isEmpty() ? why : QStringLiteral("%1: %2").arg(path, why);
    return false;
}

// ---- reading the JSON into entries: types and known fields only ----

bool readText(const QJsonObject& object, const QString& key, const QString& path, bool required, QString* out,
              QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        return !required || refuse(error, place(path, key), Text::tr("missing (expected text)"));
    }
    if (!value.isString()) {
        return refuse(error, place(path, key), Text::tr("expected text"));
    }
    *out = value.toString();
    return true;
}

bool readWhole(const QJsonObject& object, const QString& key, const QString& path, int* out, QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        return true;
    }
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max()) {
        return refuse(error, place(path, key), Text::tr("expected a whole number"));
    }
    *out = int(number);
    return true;
}

bool readObject(const QJsonValue& value, const QString& path, const QStringList& known, QJsonObject* out,
                QString* error)
{
    if (!value.isObject()) {
        return refuse(error, path, Text::tr("expected an object"));
    }
    *out = value.toObject();
    return JsonFields::knownKeysOnly(*out, path, known, error);
}

bool readParam(const QJsonValue& value, const QString& path, LibraryParam* param, QString* error)
{
    QJsonObject object;
    QString kind;
    if (!readObject(value, path,
                    {QStringLiteral("name"), QStringLiteral("kind"), QStringLiteral("min"), QStringLiteral("max"),
                     QStringLiteral("default"), QStringLiteral("width")},
                    &object, error)
        || !readText(object, QStringLiteral("name"), path, true, &param->name, error)
        || !readText(object, QStringLiteral("kind"), path, true, &kind, error)) {
        return false;
    }
    bool known = false;
    for (const KindName& entry : Kinds) {
        if (kind == QLatin1String(entry.name)) {
            param->kind = entry.kind;
            known = true;
        }
    }
    if (!known) {
        return refuse(error, place(path, QStringLiteral("kind")),
                      Text::tr("expected byte, decimal or hexdigits, not \"%1\"").arg(kind));
    }
    param->min = 0;
    param->width = 0;
    if (!readWhole(object, QStringLiteral("min"), path, &param->min, error)
        || !readWhole(object, QStringLiteral("width"), path, &param->width, error)) {
        return false;
    }
    // Without a max, the most that the kind (and width) can hold.
    const bool decimal = param->kind == LibraryParam::Kind::Decimal;
    if (decimal && param->width == 0 && !object.contains(QStringLiteral("max"))) {
        return refuse(error, place(path, QStringLiteral("max")),
                      Text::tr("missing (a decimal without a width needs one)"));
    }
    qint64 most = 1;
    for (int i = 0; i < param->width && most <= std::numeric_limits<int>::max(); ++i) {
        most *= decimal ? 10 : 16;
    }
    param->max = param->kind == LibraryParam::Kind::Byte
        ? 255
        : int(std::min<qint64>(most - 1, std::numeric_limits<int>::max()));
    param->defaultValue = param->min;
    return readWhole(object, QStringLiteral("max"), path, &param->max, error)
        && readWhole(object, QStringLiteral("default"), path, &param->defaultValue, error);
}

bool readChecksum(const QJsonValue& value, const QString& path, LibraryChecksum* checksum, QString* error)
{
    QJsonObject object;
    QString rule;
    QString order;
    QString form;
    if (!readObject(value, path,
                    {QStringLiteral("rule"), QStringLiteral("skip"), QStringLiteral("trail"), QStringLiteral("order"),
                     QStringLiteral("form")},
                    &object, error)
        || !readText(object, QStringLiteral("rule"), path, true, &rule, error)
        || !readWhole(object, QStringLiteral("skip"), path, &checksum->skip, error)
        || !readWhole(object, QStringLiteral("trail"), path, &checksum->trail, error)
        || !readText(object, QStringLiteral("order"), path, false, &order, error)
        || !readText(object, QStringLiteral("form"), path, false, &form, error)) {
        return false;
    }
    if (!ChecksumRule::fromName(rule, &checksum->rule)) {
        return refuse(
            error, place(path, QStringLiteral("rule")),
            Text::tr("\"%1\" is not a rule (known: %2)").arg(rule, ChecksumRule::names().join(QLatin1String(", "))));
    }
    if (!order.isEmpty() && order != QLatin1String("big") && order != QLatin1String("little")) {
        return refuse(error, place(path, QStringLiteral("order")),
                      Text::tr("expected big or little, not \"%1\"").arg(order));
    }
    checksum->order = order.isEmpty()   ? LibraryChecksum::Order::Usual
        : order == QLatin1String("big") ? LibraryChecksum::Order::Big
                                        : LibraryChecksum::Order::Little;
    if (!form.isEmpty() && form != QLatin1String("binary") && form != QLatin1String("ascii")) {
        return refuse(error, place(path, QStringLiteral("form")),
                      Text::tr("expected binary or ascii, not \"%1\"").arg(form));
    }
    checksum->ascii = form == QLatin1String("ascii");
    return true;
}

bool readEntry(const QJsonValue& value, const QString& path, LibraryEntry* entry, QString* error)
{
    QJsonObject object;
    if (!readObject(value, path,
                    {QStringLiteral("name"), QStringLiteral("equipment"), QStringLiteral("group"),
                     QStringLiteral("hex"), QStringLiteral("text"), QStringLiteral("params"),
                     QStringLiteral("checksum"), QStringLiteral("line"), QStringLiteral("reply"),
                     QStringLiteral("reply_text"), QStringLiteral("note")},
                    &object, error)) {
        return false;
    }
    if (object.contains(QStringLiteral("reply")) && object.contains(QStringLiteral("reply_text"))) {
        return refuse(error, place(path, QStringLiteral("reply_text")), Text::tr("give reply or reply_text, not both"));
    }
    entry->replyIsText = object.contains(QStringLiteral("reply_text"));
    if (!readText(object, QStringLiteral("name"), path, true, &entry->name, error)
        || !readText(object, QStringLiteral("equipment"), path, false, &entry->equipment, error)
        || !readText(object, QStringLiteral("group"), path, false, &entry->group, error)
        || !readText(object, QStringLiteral("hex"), path, false, &entry->hex, error)
        || !readText(object, QStringLiteral("text"), path, false, &entry->text, error)
        || !readText(object, QStringLiteral("line"), path, false, &entry->line, error)
        || !readText(object, entry->replyIsText ? QStringLiteral("reply_text") : QStringLiteral("reply"), path, false,
                     &entry->reply, error)
        || !readText(object, QStringLiteral("note"), path, false, &entry->note, error)) {
        return false;
    }
    // An empty reply_text expects nothing, as an empty reply does.
    entry->replyIsText = entry->replyIsText && !entry->reply.isEmpty();
    if (object.contains(QStringLiteral("checksum"))) {
        entry->checksum = LibraryChecksum();
        if (!readChecksum(object.value(QStringLiteral("checksum")), place(path, QStringLiteral("checksum")),
                          &*entry->checksum, error)) {
            return false;
        }
    }
    const QJsonValue params = object.value(QStringLiteral("params"));
    if (params.isUndefined()) {
        return true;
    }
    const QString paramsPlace = place(path, QStringLiteral("params"));
    if (!params.isArray() || params.toArray().size() > CommandLibrary::MaxParams) {
        return refuse(error, paramsPlace,
                      Text::tr("expected a list of at most %1 parameters").arg(CommandLibrary::MaxParams));
    }
    const QJsonArray list = params.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        LibraryParam param;
        if (!readParam(list.at(i), QStringLiteral("%1[%2]").arg(paramsPlace).arg(i), &param, error)) {
            return false;
        }
        entry->params << param;
    }
    return true;
}

// ---- what an entry must be, whether read or made ----

bool checkName(const QString& text, const QString& where, bool required, QString* error)
{
    if (required && text.trimmed().isEmpty()) {
        return refuse(error, where, Text::tr("must not be empty"));
    }
    if (text.size() > CommandLibrary::MaxNameLength) {
        return refuse(error, where, Text::tr("longer than %1 characters").arg(CommandLibrary::MaxNameLength));
    }
    if (JsonFields::hasControlCharacters(text)) {
        return refuse(error, where, Text::tr("has control characters"));
    }
    return true;
}

bool checkParam(const LibraryParam& param, const QString& path, QString* error)
{
    const QString namePlace = place(path, QStringLiteral("name"));
    if (!checkName(param.name, namePlace, true, error)) {
        return false;
    }
    for (const QChar c : param.name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_')) {
            return refuse(error, namePlace, Text::tr("use letters, digits and _ only"));
        }
    }
    const bool isByte = param.kind == LibraryParam::Kind::Byte;
    const bool isHex = param.kind == LibraryParam::Kind::HexDigits;
    const int widthMost = isByte ? 0 : isHex ? 8 : 10;
    if (param.width < (isHex ? 1 : 0) || param.width > widthMost) {
        return refuse(error, place(path, QStringLiteral("width")),
                      isByte ? Text::tr("a byte takes no width")
                             : Text::tr("expected %1 to %2").arg(isHex ? 1 : 0).arg(widthMost));
    }
    if (param.min < 0 || param.min > (isByte ? 255 : param.max)) {
        return refuse(error, place(path, QStringLiteral("min")),
                      Text::tr("expected 0 to %1").arg(isByte ? 255 : param.max));
    }
    if (param.max < param.min || (isByte && param.max > 255)) {
        return refuse(error, place(path, QStringLiteral("max")),
                      Text::tr("expected %1 to %2").arg(param.min).arg(isByte ? 255 : std::numeric_limits<int>::max()));
    }
    const int digits = int(QByteArray::number(param.max, isHex ? 16 : 10).size());
    if (param.width > 0 && digits > param.width) {
        return refuse(error, place(path, QStringLiteral("max")),
                      Text::tr("%1 takes more than %2 digits").arg(param.max).arg(param.width));
    }
    if (param.defaultValue < param.min || param.defaultValue > param.max) {
        return refuse(error, place(path, QStringLiteral("default")),
                      Text::tr("expected %1 to %2").arg(param.min).arg(param.max));
    }
    return true;
}

bool checkTemplate(const LibraryEntry& entry, const QString& path, QString* error)
{
    if (!entry.hex.isEmpty() && !entry.text.isEmpty()) {
        return refuse(error, place(path, QStringLiteral("text")), Text::tr("give hex or text, not both"));
    }
    const QString key = entry.isText() ? QStringLiteral("text") : QStringLiteral("hex");
    const QString& text = entry.isText() ? entry.text : entry.hex;
    if (text.isEmpty()) {
        return refuse(error, place(path, key), Text::tr("missing (an entry needs hex or text)"));
    }
    if (text.size() > CommandLibrary::MaxTemplateLength) {
        return refuse(error, place(path, key),
                      Text::tr("longer than %1 characters").arg(CommandLibrary::MaxTemplateLength));
    }
    QList<LibraryCommand::Place> places;
    QString why;
    if (!LibraryCommand::places(entry, &places, &why)) {
        return refuse(error, place(path, key), why);
    }
    QStringList used;
    for (const LibraryCommand::Place& at : places) {
        if (!entry.param(at.name)) {
            return refuse(error, place(path, key),
                          Text::tr("{%1} at position %2 names no parameter").arg(at.name).arg(at.at + 1));
        }
        used << at.name;
    }
    for (qsizetype i = 0; i < entry.params.size(); ++i) {
        if (!used.contains(entry.params.at(i).name)) {
            return refuse(error, place(path, QStringLiteral("params[%1].name").arg(i)),
                          Text::tr("{%1} is not used in %2").arg(entry.params.at(i).name, key));
        }
    }
    return true;
}

bool checkParams(const LibraryEntry& entry, const QString& path, QString* error)
{
    if (entry.params.size() > CommandLibrary::MaxParams) {
        return refuse(error, place(path, QStringLiteral("params")),
                      Text::tr("more than %1 parameters").arg(CommandLibrary::MaxParams));
    }
    for (qsizetype i = 0; i < entry.params.size(); ++i) {
        const QString paramPlace = place(path, QStringLiteral("params[%1]").arg(i));
        if (!checkParam(entry.params.at(i), paramPlace, error)) {
            return false;
        }
        for (qsizetype j = 0; j < i; ++j) {
            if (entry.params.at(j).name == entry.params.at(i).name) {
                return refuse(error, place(paramPlace, QStringLiteral("name")),
                              Text::tr("\"%1\" is also the name of params[%2]").arg(entry.params.at(i).name).arg(j));
            }
        }
    }
    return true;
}

bool checkLineAndReply(const LibraryEntry& entry, const QString& path, QString* error)
{
    QString why;
    UartData uart;
    if (!entry.line.isEmpty() && !LineSettings::fromText(entry.line, &uart, &why)) {
        return refuse(error, place(path, QStringLiteral("line")), why);
    }
    const QString replyPlace = place(path, entry.replyIsText ? QStringLiteral("reply_text") : QStringLiteral("reply"));
    if (entry.reply.size() > CommandLibrary::MaxTemplateLength) {
        return refuse(error, replyPlace, Text::tr("longer than %1 characters").arg(CommandLibrary::MaxTemplateLength));
    }
    ReplyPattern pattern;
    if (!ReplyPattern::fromEntry(entry, &pattern, &why)) {
        return refuse(error, replyPlace, why);
    }
    return true;
}

// Every value in range must give bytes: the shortest (all at their least) must leave the
// checksum something to cover, the longest (all at their most) must fit.
bool checkRendering(const LibraryEntry& entry, const QString& path, QString* error)
{
    if (entry.checksum && (entry.checksum->skip < 0 || entry.checksum->trail < 0)) {
        return refuse(error, place(path, QStringLiteral("checksum")), Text::tr("skip and trail cannot be negative"));
    }
    for (const bool most : {false, true}) {
        LibraryCommand::Values values;
        for (const LibraryParam& param : entry.params) {
            values.insert(param.name, most ? param.max : param.min);
        }
        LibraryCommand::Bytes bytes;
        QString why;
        if (!LibraryCommand::render(entry, values, &bytes, &why)) {
            return refuseEntry(error, path, why);
        }
        if (bytes.bytes.isEmpty()) {
            return refuse(error, place(path, entry.isText() ? QStringLiteral("text") : QStringLiteral("hex")),
                          Text::tr("gives no bytes"));
        }
    }
    return true;
}

bool checkEntry(const LibraryEntry& entry, const QString& path, QString* error)
{
    if (entry.note.size() > CommandLibrary::MaxNoteLength) {
        return refuse(error, place(path, QStringLiteral("note")),
                      Text::tr("longer than %1 characters").arg(CommandLibrary::MaxNoteLength));
    }
    return checkName(entry.name, place(path, QStringLiteral("name")), true, error)
        && checkName(entry.equipment, place(path, QStringLiteral("equipment")), false, error)
        && checkName(entry.group, place(path, QStringLiteral("group")), false, error) && checkParams(entry, path, error)
        && checkTemplate(entry, path, error) && checkLineAndReply(entry, path, error)
        && checkRendering(entry, path, error);
}

bool checkAll(const QList<LibraryEntry>& entries, QString* error)
{
    if (entries.size() > CommandLibrary::MaxEntries) {
        return refuse(error, QStringLiteral("entries"),
                      Text::tr("more than %1 entries").arg(CommandLibrary::MaxEntries));
    }
    QHash<QString, qsizetype> named;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString path = QStringLiteral("entries[%1]").arg(i);
        if (!checkEntry(entries.at(i), path, error)) {
            return false;
        }
        const auto earlier = named.constFind(entries.at(i).name);
        if (earlier != named.constEnd()) {
            return refuse(error, place(path, QStringLiteral("name")),
                          Text::tr("\"%1\" is also the name of entries[%2]").arg(entries.at(i).name).arg(*earlier));
        }
        named.insert(entries.at(i).name, i);
    }
    return true;
}

bool checkHead(const QJsonObject& root, QString* error)
{
    if (!JsonFields::knownKeysOnly(
            root, QString(), {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("entries")}, error)) {
        return false;
    }
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName)) {
        return refuse(error, QStringLiteral("format"),
                      Text::tr("expected \"%1\" (this is not a command library)").arg(QLatin1String(FormatName)));
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (version.isDouble() && version.toDouble() > CommandLibrary::FormatVersion) {
        return refuse(error, QStringLiteral("version"),
                      Text::tr("the file is from a newer version of the program (library version %1; this "
                               "one reads version %2)")
                          .arg(version.toDouble())
                          .arg(CommandLibrary::FormatVersion));
    }
    if (!version.isDouble() || version.toDouble() != CommandLibrary::FormatVersion) {
        return refuse(error, QStringLiteral("version"), Text::tr("expected %1").arg(CommandLibrary::FormatVersion));
    }
    const QJsonValue entries = root.value(QStringLiteral("entries"));
    if (!entries.isArray()) {
        return refuse(error, QStringLiteral("entries"), Text::tr("expected a list of entries"));
    }
    if (entries.toArray().size() > CommandLibrary::MaxEntries) {
        return refuse(error, QStringLiteral("entries"),
                      Text::tr("more than %1 entries").arg(CommandLibrary::MaxEntries));
    }
    return true;
}

// ---- writing ----

QByteArray quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray field(const char* key, const QString& text)
{
    return QByteArray("\"") + key + "\": " + quoted(text);
}

QByteArray field(const char* key, int value)
{
    return QByteArray("\"") + key + "\": " + QByteArray::number(value);
}

QByteArray paramJson(const LibraryParam& param)
{
    QByteArrayList fields{field("name", param.name), field("kind", kindName(param.kind)), field("min", param.min),
                          field("max", param.max)};
    if (param.defaultValue != param.min) {
        fields << field("default", param.defaultValue);
    }
    if (param.width != 0) {
        fields << field("width", param.width);
    }
    return "{" + fields.join(", ") + "}";
}

QByteArray checksumJson(const LibraryChecksum& checksum)
{
    QByteArrayList fields{field("rule", ChecksumRule::name(checksum.rule))};
    if (checksum.skip != 0) {
        fields << field("skip", checksum.skip);
    }
    if (checksum.trail != 0) {
        fields << field("trail", checksum.trail);
    }
    if (checksum.order != LibraryChecksum::Order::Usual) {
        fields << field(
            "order", checksum.order == LibraryChecksum::Order::Big ? QStringLiteral("big") : QStringLiteral("little"));
    }
    if (checksum.ascii) {
        fields << field("form", QStringLiteral("ascii"));
    }
    return "{" + fields.join(", ") + "}";
}

QByteArray entryJson(const LibraryEntry& entry)
{
    const QByteArray indent(12, ' ');
    QByteArrayList fields{field("name", entry.name)};
    const std::pair<const char*, const QString*> texts[] = {
        {"equipment", &entry.equipment}, {"group", &entry.group}, {"hex", &entry.hex}, {"text", &entry.text}};
    for (const auto& [key, text] : texts) {
        if (!text->isEmpty()) {
            fields << field(key, *text);
        }
    }
    if (!entry.params.isEmpty()) {
        QByteArrayList params;
        for (const LibraryParam& param : entry.params) {
            params << indent + "    " + paramJson(param);
        }
        fields << "\"params\": [\n" + params.join(",\n") + "\n" + indent + "]";
    }
    if (entry.checksum) {
        fields << "\"checksum\": " + checksumJson(*entry.checksum);
    }
    if (!entry.line.isEmpty()) {
        fields << field("line", entry.line);
    }
    if (!entry.reply.isEmpty()) {
        fields << field(entry.replyIsText ? "reply_text" : "reply", entry.reply);
    }
    if (!entry.note.isEmpty()) {
        fields << field("note", entry.note);
    }
    return "        {\n" + indent + fields.join(",\n" + indent) + "\n        }";
}

} // namespace

const LibraryParam* LibraryEntry::param(const QString& name) const
{
    for (const LibraryParam& candidate : params) {
        if (candidate.name == name) {
            return &candidate;
        }
    }
    return nullptr;
}

bool CommandLibrary::parse(const QByteArray& json, QList<LibraryEntry>* entries, QString* error)
{
    if (json.size() > MaxFileBytes) {
        *error = Text::tr("larger than %1 bytes").arg(MaxFileBytes);
        return false;
    }
    QJsonObject root;
    if (!JsonFields::parseObject(json, Text::tr("expected a JSON object with \"format\", \"version\" and \"entries\""),
                                 &root, error)) {
        return false;
    }
    if (!checkHead(root, error)) {
        return false;
    }
    QList<LibraryEntry> read;
    const QJsonArray list = root.value(QStringLiteral("entries")).toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        LibraryEntry entry;
        if (!readEntry(list.at(i), QStringLiteral("entries[%1]").arg(i), &entry, error)) {
            return false;
        }
        read << entry;
    }
    if (!checkAll(read, error)) {
        return false;
    }
    *entries = read;
    return true;
}

bool CommandLibrary::read(const QString& path, QList<LibraryEntry>* entries, QString* error)
{
    return JsonFields::readFile(
        path, MaxFileBytes, Text::tr("cannot read the command library: %1"), Text::tr("the command library %1: %2"),
        [entries](const QByteArray& text, QString* why) { return parse(text, entries, why); }, error);
}

QByteArray CommandLibrary::toJson(const QList<LibraryEntry>& entries)
{
    QByteArrayList items;
    for (const LibraryEntry& entry : entries) {
        items << entryJson(entry);
    }
    const QByteArray list = items.isEmpty() ? QByteArray("[]") : "[\n" + items.join(",\n") + "\n    ]";
    return "{\n    " + field("format", QLatin1String(FormatName)) + ",\n    " + field("version", FormatVersion)
        + ",\n    \"entries\": " + list + "\n}\n";
}

bool CommandLibrary::save(const QString& path, const QList<LibraryEntry>& entries, QString* error)
{
    // Never write a file that would not be read back.
    QString why;
    if (!checkAll(entries, &why)) {
        *error = Text::tr("the command library was not saved: %1").arg(why);
        return false;
    }
    return saveBytesSafely(path, toJson(entries), error);
}

QString CommandLibrary::check(const LibraryEntry& entry)
{
    QString error;
    return checkEntry(entry, QString(), &error) ? QString() : error;
}

QString CommandLibrary::shippedLibraryPath()
{
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QLatin1String(ShippedLibrary));
}
