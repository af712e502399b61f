#include "commandfield.h"
#include "commandtext.h"
#include "diagnostics.h"

#include <QApplication>
#include <QKeyEvent>
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
    m_edit->installEventFilter(this);
}

int CommandField::endOfBytes() const
{
    // Hex groups are two digits and two blanks, ASCII ones a character and a blank.
    const int group = m_format == Hex ? 4 : 2;
    const int inputs = m_format == Hex ? 2 : 1;
    const QString shown = m_edit->displayText();
    int last = int(shown.size()) - 1;
    while (last >= 0 && shown.at(last) == QLatin1Char(' ')) {
        --last;
    }
    int end = last + 1;
    if (end % group >= inputs) {
        end = (end / group + 1) * group;
    }
    return qMin(end, int(shown.size()));
}

QString CommandField::refusalReason() const
{
    if (withoutBlanks(m_edit->text()).size() >= (m_format == Hex ? 2 : 1) * MaxFieldBytes) {
        return tr("The command holds %1 bytes, the most it can: nothing more fits.").arg(MaxFieldBytes);
    }
    if (m_edit->cursorPosition() >= m_edit->displayText().size()) {
        return tr("The cursor stands at the end of the field: End goes back to the end of the command.");
    }
    return m_format == Hex ? tr("Only the hex digits 0 to 9 and A to F can be typed in Hex form.")
                           : tr("A blank cannot be typed in ASCII form: type it in Hex form, as 20.");
}

bool CommandField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress || m_edit->isReadOnly()) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    // The mask's end lies far behind the bytes, where nothing typed is kept.
    if (key->key() == Qt::Key_End && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        const int end = endOfBytes();
        if (modifiers == Qt::ShiftModifier) {
            const int cursor = m_edit->cursorPosition();
            const int anchor = !m_edit->hasSelectedText() ? cursor
                : cursor == m_edit->selectionStart()      ? m_edit->selectionEnd()
                                                          : m_edit->selectionStart();
            m_edit->setSelection(anchor, end - anchor);
        } else {
            m_edit->setCursorPosition(end);
        }
        return true;
    }
    const QString typed = key->text();
    const bool character = !typed.isEmpty() && typed.at(0).isPrint()
        && (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (!character) {
        return QObject::eventFilter(watched, event);
    }
    // Let the edit take the key now, to see whether it did: the mask drops what it cannot
    // place without a word.
    const QString before = m_edit->displayText();
    const int cursor = m_edit->cursorPosition();
    const QString reason = refusalReason();
    static_cast<QObject*>(m_edit)->event(event);
    if (m_edit->displayText() == before && m_edit->cursorPosition() == cursor) {
        QApplication::beep();
        emit keystrokeRefused(reason);
    }
    return true;
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

QByteArray CommandField::shownBytes() const
{
    return CommandText::hexToBytes(m_format == Hex ? withoutNonHexDigits(m_edit->text())
                                                   : mergeToHex(m_edit->text(), m_rawBytes));
}

void CommandField::clear()
{
    m_edit->setText(QString());
    m_counter->setText(QString());
}
