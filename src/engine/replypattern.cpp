#include "replypattern.h"

#include "typedbytes.h"

#include <QCoreApplication>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReplyPattern)
};

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString ReplyPattern::Match::describe() const
{
    if (matched) {
        return Text::tr("matched");
    }
    const QString expectedText = expected < 0 ? Text::tr("any byte") : hexByte(expected);
    if (got < 0) {
        return (at == 1 ? Text::tr("differs at byte %1: %2 expected, the reply ended after %3 byte")
                        : Text::tr("differs at byte %1: %2 expected, the reply ended after %3 bytes"))
            .arg(at + 1)
            .arg(expectedText)
            .arg(at);
    }
    return Text::tr("differs at byte %1: %2 expected, %3 came").arg(at + 1).arg(expectedText, hexByte(got));
}

bool ReplyPattern::fromEntry(const LibraryEntry& entry, ReplyPattern* pattern, QString* error)
{
    if (!entry.replyIsText) {
        return fromHex(entry.reply, pattern, error);
    }
    ReplyPattern read;
    if (!TypedBytes::fromEscapedText(entry.reply, &read.m_bytes, error)) {
        return false;
    }
    read.m_any = QByteArray(read.m_bytes.size(), '\0');
    *pattern = read;
    return true;
}

bool ReplyPattern::fromHex(const QString& text, ReplyPattern* pattern, QString* error)
{
    // A ?? that stands where a pair would is read as 00 and marked; everything else is
    // left to TypedBytes, which names any fault with its position.
    QString pairs = text;
    QList<int> anyAt;
    int index = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i).isSpace()) {
            continue;
        }
        if (text.at(i) == QLatin1Char('?') && text.at(i + 1) == QLatin1Char('?')) {
            pairs.replace(i, 2, QStringLiteral("00"));
            anyAt << index;
        }
        ++index;
        ++i;
    }
    ReplyPattern read;
    if (!TypedBytes::fromHex(pairs, &read.m_bytes, error)) {
        return false;
    }
    read.m_any = QByteArray(read.m_bytes.size(), '\0');
    for (int at : anyAt) {
        read.m_any[at] = 1;
    }
    *pattern = read;
    return true;
}

ReplyPattern::Match ReplyPattern::match(const QByteArray& reply) const
{
    Match result;
    for (int i = 0; i < size(); ++i) {
        const bool any = m_any.at(i) != 0;
        if (i >= reply.size()) {
            result.at = i;
            result.expected = any ? -1 : uchar(m_bytes.at(i));
            return result;
        }
        if (!any && reply.at(i) != m_bytes.at(i)) {
            result.at = i;
            result.expected = uchar(m_bytes.at(i));
            result.got = uchar(reply.at(i));
            return result;
        }
    }
    result.matched = true;
    return result;
}

QString ReplyPattern::toText() const
{
    QStringList pairs;
    for (int i = 0; i < size(); ++i) {
        pairs << (m_any.at(i) ? QStringLiteral("??") : hexByte(uchar(m_bytes.at(i))));
    }
    return pairs.join(QLatin1Char(' '));
}
