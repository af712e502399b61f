#include "replycolumns.h"

#include "typedbytes.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTextCursor>

namespace {

// Puts `rows` in place of the view's last row, or after it; the view keeps
// following the end when it was there.
void writeTail(QPlainTextEdit* view, const QStringList& rows, bool replaceLast)
{
    QScrollBar* bar = view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    QString text = rows.join(QLatin1Char('\n'));
    if (replaceLast) {
        cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    } else if (!view->document()->isEmpty()) {
        text.prepend(QLatin1Char('\n'));
    }
    cursor.insertText(text);
    if (atEnd) {
        bar->setValue(bar->maximum());
    }
}

} // namespace

ReplyColumns::ReplyColumns(QPlainTextEdit* hex, QPlainTextEdit* text, int maxBytes)
    : m_hex(hex)
    , m_text(text)
    , m_maxBytes(maxBytes)
{
}

void ReplyColumns::clear()
{
    m_bytes.clear();
    m_hex->clear();
    m_text->clear();
}

void ReplyColumns::append(const QByteArray& chunk)
{
    const qsizetype taken = qMin(chunk.size(), qsizetype(m_maxBytes) - m_bytes.size());
    if (taken <= 0) {
        return;
    }
    const qsizetype before = m_bytes.size();
    m_bytes.append(chunk.constData(), taken);
    // From the start of the row the chunk goes on; only that row is written again.
    const qsizetype from = before - before % BytesPerRow;
    QStringList hexRows;
    QStringList textRows;
    for (qsizetype at = from; at < m_bytes.size(); at += BytesPerRow) {
        const QByteArray row = m_bytes.mid(at, BytesPerRow);
        hexRows << TypedBytes::spacedHex(row);
        textRows << TypedBytes::toEscapedText(row);
    }
    const bool unfinished = from < before;
    writeTail(m_hex, hexRows, unfinished);
    writeTail(m_text, textRows, unfinished);
}
