#ifndef REPLYCOLUMNS_H
#define REPLYCOLUMNS_H

#include <QByteArray>

class QPlainTextEdit;

// A reply shown as it comes, in two columns side by side: hex pairs and the
// same bytes as escaped text (\x02OK\x03\r\n), BytesPerRow bytes a row.
// A chunk only rewrites the last, unfinished row and appends the rest, so a
// reply that trickles in costs as much as its chunks, not its length each time.
class ReplyColumns
{
public:
    static constexpr int BytesPerRow = 16;

    // Bytes kept; what comes beyond is not shown.
    ReplyColumns(QPlainTextEdit* hex, QPlainTextEdit* text, int maxBytes);

    void clear();
    void append(const QByteArray& chunk);
    QByteArray bytes() const { return m_bytes; }

private:
    QPlainTextEdit* m_hex;
    QPlainTextEdit* m_text;
    int m_maxBytes;
    QByteArray m_bytes;
};

#endif // REPLYCOLUMNS_H
