#include "librarycommand.h"

#include "typedbytes.h"

#include <QCoreApplication>

#include <cctype>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LibraryCommand)
};

bool fail(QString* error, const QString& why)
{
    *error = why;
    return false;
}

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

const QString& templateOf(const LibraryEntry& entry)
{
    return entry.isText() ? entry.text : entry.hex;
}

bool decode(const LibraryEntry& entry, const QString& piece, QByteArray* bytes, QString* error)
{
    return entry.isText() ? TypedBytes::fromEscapedText(piece, bytes, error) : TypedBytes::fromHex(piece, bytes, error);
}

bool valueBytes(const LibraryParam& param, int value, QByteArray* bytes, QString* error)
{
    switch (param.kind) {
    case LibraryParam::Kind::Byte:
        *bytes = QByteArray(1, char(value));
        return true;
    case LibraryParam::Kind::Decimal:
        *bytes = QByteArray::number(value);
        break;
    case LibraryParam::Kind::HexDigits:
        *bytes = QByteArray::number(value, 16).toUpper();
        break;
    }
    if (param.width > 0 && bytes->size() > param.width) {
        return fail(error, Text::tr("%1: %2 takes more than %3 digits").arg(param.name).arg(value).arg(param.width));
    }
    *bytes = bytes->rightJustified(param.width, '0');
    return true;
}

bool addChecksum(const LibraryChecksum& checksum, LibraryCommand::Bytes* result, QString* error)
{
    QByteArray& bytes = result->bytes;
    const qsizetype covered = bytes.size() - checksum.skip - checksum.trail;
    if (covered <= 0) {
        return fail(error,
                    Text::tr("checksum: skip %1 and trail %2 leave none of the %3 bytes to cover")
                        .arg(checksum.skip)
                        .arg(checksum.trail)
                        .arg(bytes.size()));
    }
    const quint32 value = ChecksumRule::compute(checksum.rule, bytes.mid(checksum.skip, covered));
    const int width = ChecksumRule::width(checksum.rule);
    bool lowFirst = ChecksumRule::lowByteFirst(checksum.rule);
    if (checksum.order != LibraryChecksum::Order::Usual) {
        lowFirst = checksum.order == LibraryChecksum::Order::Little;
    }
    QByteArray sum;
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (lowFirst ? i : width - 1 - i);
        sum.append(char((value >> shift) & 0xFF));
    }
    if (checksum.ascii) {
        sum = sum.toHex().toUpper();
    }
    if (bytes.size() + sum.size() > TypedBytes::MaxBytes) {
        return fail(error, Text::tr("more than %1 bytes").arg(TypedBytes::MaxBytes));
    }
    result->checksumAt = int(bytes.size() - checksum.trail);
    result->checksumLength = int(sum.size());
    bytes.insert(result->checksumAt, sum);
    return true;
}

} // namespace

namespace LibraryCommand {

bool places(const LibraryEntry& entry, QList<Place>* found, QString* error)
{
    const QString& text = templateOf(entry);
    // Each place is blanked out, so that the rest reads as it would on its own and a
    // place that splits a hex pair or an escape is refused where it stands.
    QString blanked = text;
    QList<Place> list;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            return fail(error, Text::tr("\"}\" closes no place at position %1").arg(i + 1));
        }
        if (c != QLatin1Char('{')) {
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isNameCharacter(text.at(end))) {
            ++end;
        }
        if (end == i + 1 || end >= text.size() || text.at(end) != QLatin1Char('}')) {
            return fail(error, Text::tr("\"{\" opens no place (write {name}) at position %1").arg(i + 1));
        }
        list << Place{text.mid(i + 1, end - i - 1), int(i)};
        blanked.replace(i, end - i + 1, QString(end - i + 1, QLatin1Char(' ')));
        i = end;
    }
    QByteArray ignored;
    if (!decode(entry, blanked, &ignored, error)) {
        return false;
    }
    *found = list;
    return true;
}

bool render(const LibraryEntry& entry, const Values& values, Bytes* result, QString* error)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!entry.param(it.key())) {
            return fail(error, Text::tr("%1: the entry has no such parameter").arg(it.key()));
        }
    }
    QList<Place> found;
    QString why;
    if (!places(entry, &found, &why)) {
        return fail(error, (entry.isText() ? QStringLiteral("text: ") : QStringLiteral("hex: ")) + why);
    }
    const QString& text = templateOf(entry);
    Bytes out;
    qsizetype from = 0;
    for (const Place& place : found) {
        const LibraryParam* param = entry.param(place.name);
        if (!param) {
            return fail(error, Text::tr("{%1}: the entry has no such parameter").arg(place.name));
        }
        const int value = values.value(param->name, param->defaultValue);
        if (value < param->min || value > param->max) {
            return fail(
                error,
                Text::tr("%1: %2 is outside %3 to %4").arg(param->name).arg(value).arg(param->min).arg(param->max));
        }
        QByteArray literal;
        QByteArray inserted;
        if (!decode(entry, text.mid(from, place.at - from), &literal, error)
            || !valueBytes(*param, value, &inserted, error)) {
            return false;
        }
        out.bytes += literal + inserted;
        from = place.at + param->name.size() + 2;
    }
    QByteArray literal;
    if (!decode(entry, text.mid(from), &literal, error)) {
        return false;
    }
    out.bytes += literal;
    if (out.bytes.size() > TypedBytes::MaxBytes) {
        return fail(error, Text::tr("more than %1 bytes").arg(TypedBytes::MaxBytes));
    }
    if (entry.checksum && !addChecksum(*entry.checksum, &out, error)) {
        return false;
    }
    *result = out;
    return true;
}

bool parseValues(const QStringList& assignments, Values* values, QString* error)
{
    Values read;
    for (const QString& assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const QString name = assignment.left(equals);
        if (equals <= 0) {
            return fail(error, Text::tr("\"%1\": write name=value").arg(assignment));
        }
        QString digits = assignment.mid(equals + 1);
        int base = 10;
        if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
            digits = digits.mid(2);
            base = 16;
        }
        bool ok = !digits.isEmpty();
        for (const QChar c : digits) {
            ok = ok && c.unicode() < 0x80 && (base == 16 ? isxdigit(c.unicode()) : isdigit(c.unicode()));
        }
        const int value = ok ? digits.toInt(&ok, base) : 0;
        if (!ok) {
            return fail(error,
                        Text::tr("%1: \"%2\" is not a number (write it in decimal or as 0x1A)")
                            .arg(name, assignment.mid(equals + 1)));
        }
        if (read.contains(name)) {
            return fail(error, Text::tr("%1 is given twice").arg(name));
        }
        read.insert(name, value);
    }
    *values = read;
    return true;
}

} // namespace LibraryCommand
