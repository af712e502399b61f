#include "terminaltext.h"

namespace {

bool needsEscape(QChar c)
{
    const char16_t code = c.unicode();
    switch (c.category()) {
    case QChar::Other_Control: // C0, DEL and C1 (CSI is 0x9b)
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    // Marks and overrides of the text's direction: they reorder what follows on the line.
    return code == 0x061c || code == 0x200e || code == 0x200f || (code >= 0x202a && code <= 0x202e)
        || (code >= 0x2066 && code <= 0x2069);
}

} // namespace

namespace TerminalText {

QString escaped(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && !needsEscape(text.at(first))) {
        ++first;
    }
    if (first == text.size()) {
        return text;
    }
    QString safe = text.left(first);
    safe.reserve(text.size() + 16);
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (needsEscape(c)) {
            safe += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        } else {
            safe += c;
        }
    }
    return safe;
}

} // namespace TerminalText
