#include "commandfield.h"
#include "commandtext.h"
#include "diagnostics.h"

#include <QLineEdit>
#include <QRegularExpression>

using namespace CommandText;

namespace {

QString withoutNonHexDigits(QString text)
{
    // The mask's digit positions take any Unicode digit; only ASCII hex digits count.
    static const QRegularExpression notHex(QStringLiteral("[^0-9A-Fa-f]"));
    return text.remove(notHex);
}

} // namespace

CommandField::CommandField(QLineEdit* edit, QLineEdit* counter)
    : QObject(edit)
    , m_edit(edit)
    , m_counter(counter)
{
}

QString CommandField::toAscii(const QString& hex)
{
    m_rawBytes = hexToBytes(hex);
    return bytesToAscii(m_rawBytes);
}

QString CommandField::mergeToHex(const QString& ascii, const QByteArray& backup)
{
    for (char c : withoutBlanks(ascii).toLatin1()) {
        qCDebug(kvrDiagnostics, "hexCharacter = %x", int(c));
    }
    return bytesToHex(mergeAscii(ascii, backup));
}

void CommandField::showCommand(const QString& command)
{
    int count = 0;
    if (m_format == Hex) {
        m_edit->setInputMask(hexMask());
        m_edit->setText(command);
        // The stored length: a command longer than the field still says how long it is.
        count = int(command.length() / 2);
    } else {
        m_edit->setInputMask(asciiMask());
        m_edit->setText(toAscii(command));
        count = int(withoutBlanks(m_edit->text()).length());
    }
    m_edit->setCursorPosition(0);
    m_counter->setText(QString::number(count));
}

void CommandField::convertTo(Format format)
{
    // A field already in this form would be read as the other one and garbled.
    if (format == m_format) {
        return;
    }
    m_format = format;
    int count = 0;
    int cursor = 0;
    if (format == Hex) {
        const QString digits = mergeToHex(m_edit->text(), m_rawBytes);
        m_rawBytes.clear();
        m_edit->setInputMask(hexMask());
        m_edit->setText(digits);
        count = int(withoutBlanks(m_edit->text()).length() / 2);
        cursor = 4 * count;
        const QByteArray shown = m_edit->text().toLocal8Bit().leftJustified(4, '\0');
        qCDebug(kvrDiagnostics, "command edit %x,%x,%x,%x", shown[0], shown[1], shown[2], shown[3]);
    } else {
        const QString digits = withoutBlanks(m_edit->text());
        m_edit->setInputMask(asciiMask());
        m_edit->setText(toAscii(digits));
        count = int(withoutBlanks(m_edit->text()).length());
        cursor = 2 * count;
    }
    m_counter->setText(QString::number(count));
    if (!m_edit->isEnabled()) {
        m_edit->setCursorPosition(0);
    } else {
        m_edit->setFocus(Qt::OtherFocusReason);
        m_edit->setCursorPosition(cursor);
    }
}

void CommandField::edited(QString text)
{
    // An emptied group other than the first leaves a run of three or more blanks
    // before the next byte: close the gap.
    static const QRegularExpression gapBeforeByte(QStringLiteral("\\s{3,}[0-9A-F][0-9A-F]"));
    static const QRegularExpression longBlankRun(QStringLiteral("\\s{3,}"));
    static const QRegularExpression emptyFirstGroup(QStringLiteral("^\\s{2,}[0-9A-F][0-9A-F]"));
    static const QRegularExpression leadingBlanks(QStringLiteral("^\\s+"));

    if (m_format == Ascii) {
        const int length = int(withoutBlanks(text).length());
        if (length != 0) {
            m_counter->setText(QString::number(length));
        }
        return;
    }
    // Closing a gap moves the digits; the cursor stays behind the digits that
    // stood before it, so typing goes on where it was (also after a click into
    // the empty part of the field).
    static const QRegularExpression hexDigit(QStringLiteral("[0-9A-F]"));
    const int digitsBefore = int(m_edit->displayText().left(m_edit->cursorPosition()).count(hexDigit));
    bool closed = false;
    if (gapBeforeByte.match(text).hasMatch()) {
        text.remove(longBlankRun);
        closed = true;
    }
    if (emptyFirstGroup.match(text).hasMatch()) {
        text.remove(leadingBlanks);
        closed = true;
    }
    if (closed) {
        m_edit->setText(text);
        m_edit->setCursorPosition(4 * (digitsBefore / 2) + digitsBefore % 2);
    }
    const int length = int(withoutBlanks(text).length());
    if (length != 0) {
        qCDebug(kvrDiagnostics, "strCount = %d", length / 2);
        m_counter->setText(QString::number(length / 2));
    }
}

QString CommandField::takeCommand()
{
    if (m_format == Hex) {
        return withoutNonHexDigits(m_edit->text());
    }
    const QString merged = mergeToHex(m_edit->text(), m_rawBytes);
    m_rawBytes.clear();
    return merged;
}

void CommandField::clear()
{
    m_edit->setText(QString());
    m_counter->setText(QString());
}
