#ifndef REPLYPATTERN_H
#define REPLYPATTERN_H

#include "commandlibrary.h"

#include <QByteArray>
#include <QString>

// The reply a library entry expects: the beginning of what comes back, any
// byte where the entry says ??. A reply matches when it begins with it.
class ReplyPattern
{
public:
    struct Match {
        bool matched = false;
        int at = -1; // the first byte that differs (counted from 0), or where the reply ended
        int expected = -1; // the byte expected there
        int got = -1; // the byte that came, -1: the reply ended before it
        // "matched", "differs at byte 3: 06 expected, 15 came",
        // "differs at byte 3: 06 expected, the reply ended after 2 bytes".
        QString describe() const;
    };

    // The entry's reply or reply_text; false with *error when it cannot be read.
    static bool fromEntry(const LibraryEntry& entry, ReplyPattern* pattern, QString* error);
    // "AA 06 ??"
    static bool fromHex(const QString& text, ReplyPattern* pattern, QString* error);

    bool isEmpty() const { return m_bytes.isEmpty(); }
    int size() const { return int(m_bytes.size()); }
    Match match(const QByteArray& reply) const;
    // "AA 06 ??"
    QString toText() const;

private:
    QByteArray m_bytes;
    QByteArray m_any; // 1 where any byte matches
};

#endif // REPLYPATTERN_H
