#include "typedbytes.h"

#include <QCoreApplication>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TypedBytes)
};

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

bool refuse(QString* error, const QString& what, qsizetype index)
{
    *error = Text::tr("%1 at position %2").arg(what).arg(index + 1);
    return false;
}

bool tooLong(QString* error)
{
    *error = Text::tr("more than %1 bytes").arg(TypedBytes::MaxBytes);
    return false;
}

} // namespace

namespace TypedBytes {

bool fromHex(const QString& text, QByteArray* bytes, QString* error)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace()) {
            continue;
        }
        const int high = hexValue(text.at(i));
        if (high < 0) {
            return refuse(error, Text::tr("\"%1\" is not a hex digit").arg(text.at(i)), i);
        }
        if (i + 1 >= text.size() || text.at(i + 1).isSpace()) {
            return refuse(error, Text::tr("a byte needs two hex digits"), i);
        }
        if (hexValue(text.at(i + 1)) < 0) {
            return refuse(error, Text::tr("\"%1\" is not a hex digit").arg(text.at(i + 1)), i + 1);
        }
        if (out.size() >= MaxBytes) {
            return tooLong(error);
        }
        out.append(char(high * 16 + hexValue(text.at(i + 1))));
        ++i;
    }
    *bytes = out;
    return true;
}

bool fromEscapedText(const QString& text, QByteArray* bytes, QString* error)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (out.size() >= MaxBytes) {
            return tooLong(error);
        }
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\')) {
            if (c.unicode() > 0xFF) {
                return refuse(error, Text::tr("\"%1\" is not a single byte").arg(c), i);
            }
            out.append(char(c.unicode()));
            continue;
        }
        const QChar kind = i + 1 < text.size() ? text.at(i + 1) : QChar();
        switch (kind.unicode()) {
        case 'r':
            out.append('\r');
            break;
        case 'n':
            out.append('\n');
            break;
        case 't':
            out.append('\t');
            break;
        case '\\':
            out.append('\\');
            break;
        case 'x': {
            const int high = i + 2 < text.size() ? hexValue(text.at(i + 2)) : -1;
            const int low = i + 3 < text.size() ? hexValue(text.at(i + 3)) : -1;
            if (high < 0 || low < 0) {
                return refuse(error, Text::tr("\\x needs two hex digits"), i);
            }
            out.append(char(high * 16 + low));
            i += 2;
            break;
        }
        default:
            return refuse(error, Text::tr("unknown escape (use \\r, \\n, \\t, \\\\ or \\xNN)"), i);
        }
        ++i;
    }
    *bytes = out;
    return true;
}

QString toEscapedText(const QByteArray& bytes)
{
    QString text;
    for (char c : bytes) {
        const uchar b = uchar(c);
        if (b == '\\') {
            text += QLatin1String("\\\\");
        } else if (b == '\r') {
            text += QLatin1String("\\r");
        } else if (b == '\n') {
            text += QLatin1String("\\n");
        } else if (b == '\t') {
            text += QLatin1String("\\t");
        } else if (b >= 0x20 && b <= 0x7E) {
            text += QChar(b);
        } else {
            text += QLatin1String("\\x") + QString::number(b, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        }
    }
    return text;
}

QString spacedHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace TypedBytes
