#include "commandtext.h"

#include <QStringList>

namespace CommandText {

QByteArray hexToBytes(const QString& hex)
{
    return QByteArray::fromHex(hex.toLatin1());
}

QString bytesToHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString spacedHex(const QByteArray& bytes)
{
    const QString hex = bytesToHex(bytes);
    QStringList pairs;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        pairs << hex.mid(i, 2);
    }
    return pairs.join(QLatin1Char(' '));
}

QString normalizedHex(const QString& hex)
{
    return bytesToHex(hexToBytes(hex));
}

QString bytesToAscii(const QByteArray& bytes)
{
    QString ascii;
    ascii.reserve(bytes.size());
    for (char c : bytes) {
        const uchar b = static_cast<uchar>(c);
        // 0x7F would be refused by the ASCII input mask and shift every later
        // character against its byte, so it is shown as "." like other controls.
        ascii.append(b >= 0x21 && b <= 0x7E ? QChar(b) : QChar('.'));
    }
    return ascii;
}

QByteArray mergeAscii(const QString& ascii, QByteArray backup)
{
    const QByteArray typed = withoutBlanks(ascii).toLatin1();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const char c = typed.at(i);
        if (c == '.') {
            continue;
        }
        if (i >= backup.size()) {
            // A "." past the end left a gap: fill it with blanks.
            backup.append(QByteArray(i - backup.size(), ' '));
            backup.append(c);
        } else {
            backup[i] = c;
        }
    }
    return backup;
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

QString hexMask()
{
    return QStringLiteral(">") + QStringLiteral("HH  ").repeated(MaxFieldBytes);
}

QString asciiMask()
{
    return QStringLiteral("x ").repeated(MaxFieldBytes);
}

} // namespace CommandText
