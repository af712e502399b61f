// The two command fields: hex and ASCII forms, live clean-up, byte counters.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandtext.h"

#include <QMessageBox>
#include <QRegularExpression>

using namespace CommandText;

namespace {

constexpr int FormatHex = 1;
constexpr int FormatAscii = 2;

QString withoutNonHexDigits(QString text)
{
    // The mask's digit positions take any Unicode digit; only ASCII hex digits count.
    static const QRegularExpression notHex(QStringLiteral("[^0-9A-Fa-f]"));
    return text.remove(notHex);
}

} // namespace

void AppMainWindow::initializeCommandEdit()
{
    ui.commandGroupBox->setEnabled(true);
    setCommandGroupEnable(false);
    ui.linksTab->setEnabled(false);
    connect(ui.commandEdit, &QLineEdit::textEdited, this, &AppMainWindow::processCommandEdited);
    connect(ui.secondLayerEdit, &QLineEdit::textEdited, this, &AppMainWindow::processSecondLayerCommandEdited);
}

void AppMainWindow::setCommandGroupEnable(bool enabled)
{
    ui.commandEdit->setEnabled(enabled);
    ui.commandCounter->setEnabled(enabled);
    ui.commandRateDisplay->setEnabled(enabled);
    if (enabled) {
        ui.commandEdit->setFocus(Qt::OtherFocusReason);
        ui.commandEdit->setCursorPosition(0);
    }
}

QString AppMainWindow::toAscii(QString hexString, int editId)
{
    const QByteArray bytes = hexToBytes(hexString);
    (editId == 0 ? m_commandHex : m_secondLayerHex) = bytes;
    return bytesToAscii(bytes);
}

QString AppMainWindow::mergeToHex(QString ascii, QByteArray backupArray)
{
    for (char c : withoutBlanks(ascii).toLatin1()) {
        qDebug("hexCharacter = %x", int(c));
    }
    return bytesToHex(mergeAscii(ascii, backupArray));
}

void AppMainWindow::showCommand(QLineEdit* edit, QLineEdit* counter, const QString& command, int layer)
{
    int count = 0;
    if (ui.hexCheckBox->isChecked()) {
        edit->setInputMask(hexMask());
        edit->setText(command);
        count = int(command.length() / 2);
    } else {
        edit->setInputMask(asciiMask());
        edit->setText(toAscii(command, layer));
        count = int(withoutBlanks(edit->text()).length());
    }
    edit->setCursorPosition(0);
    counter->setText(QString::number(count));
}

void AppMainWindow::updateCommandEdit(QString command)
{
    showCommand(ui.commandEdit, ui.commandCounter, command, 0);
}

void AppMainWindow::updateSecondLayerCommandEdit(QString command)
{
    showCommand(ui.secondLayerEdit, ui.secondLayerCounter, command, 1);
}

void AppMainWindow::convertField(QLineEdit* edit, QLineEdit* counter, QByteArray* rawBytes,
                                 QString* buffer, int layer)
{
    int count = 0;
    int cursor = 0;
    if (m_formatId == FormatHex) {
        const QString digits = mergeToHex(edit->text(), *rawBytes);
        rawBytes->clear();
        edit->setInputMask(hexMask());
        edit->setText(digits);
        count = int(withoutBlanks(edit->text()).length() / 2);
        cursor = 4 * count;
        const QByteArray shown = edit->text().toLocal8Bit().leftJustified(4, '\0');
        qDebug("command edit %x,%x,%x,%x", shown[0], shown[1], shown[2], shown[3]);
    } else {
        *buffer = withoutBlanks(edit->text());
        edit->setInputMask(asciiMask());
        edit->setText(toAscii(*buffer, layer));
        count = int(withoutBlanks(edit->text()).length());
        cursor = 2 * count;
    }
    counter->setText(QString::number(count));
    if (!edit->isEnabled()) {
        edit->setCursorPosition(0);
    } else {
        edit->setFocus(Qt::OtherFocusReason);
        edit->setCursorPosition(cursor);
    }
}

void AppMainWindow::processFormatChanged(int id)
{
    // Both fields already hold this form's text; converting again would garble it.
    if (id == m_formatId) {
        return;
    }
    m_formatId = id;
    qDebug("fomrt is %d", id);
    convertField(ui.commandEdit, ui.commandCounter, &m_commandHex, &m_commandBuffer, 0);
    convertField(ui.secondLayerEdit, ui.secondLayerCounter, &m_secondLayerHex, &m_secondLayerBuffer, 1);
}

void AppMainWindow::commandTextEdited(QLineEdit* edit, QLineEdit* counter, QString text)
{
    // An emptied group other than the first leaves a run of three or more blanks
    // before the next byte: close the gap.
    static const QRegularExpression gapBeforeByte(QStringLiteral("\\s{3,}[0-9A-F][0-9A-F]"));
    static const QRegularExpression longBlankRun(QStringLiteral("\\s{3,}"));
    static const QRegularExpression emptyFirstGroup(QStringLiteral("^\\s{2,}[0-9A-F][0-9A-F]"));
    static const QRegularExpression leadingBlanks(QStringLiteral("^\\s+"));

    if (m_formatId == FormatAscii) {
        const int length = int(withoutBlanks(text).length());
        if (length != 0) {
            counter->setText(QString::number(length));
        }
        return;
    }
    if (m_formatId != FormatHex) {
        return;
    }
    // Closing a gap moves the digits; the cursor stays behind the digits that
    // stood before it, so typing goes on where it was (also after a click into
    // the empty part of the field).
    static const QRegularExpression hexDigit(QStringLiteral("[0-9A-F]"));
    const int digitsBefore = int(edit->displayText().left(edit->cursorPosition()).count(hexDigit));
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
        edit->setText(text);
        edit->setCursorPosition(4 * (digitsBefore / 2) + digitsBefore % 2);
    }
    const int length = int(withoutBlanks(text).length());
    if (length != 0) {
        qDebug("strCount = %d", length / 2);
        counter->setText(QString::number(length / 2));
    }
}

void AppMainWindow::processCommandEdited(QString text)
{
    commandTextEdited(ui.commandEdit, ui.commandCounter, text);
}

void AppMainWindow::processSecondLayerCommandEdited(QString text)
{
    commandTextEdited(ui.secondLayerEdit, ui.secondLayerCounter, text);
}

void AppMainWindow::processCursorChanged(int, int newPos)
{
    m_cursorPosition = newPos;
}

void AppMainWindow::processSelectionChanged()
{
}

QString AppMainWindow::storedCommand(QLineEdit* edit, QByteArray* rawBytes)
{
    if (ui.hexCheckBox->isChecked()) {
        return withoutNonHexDigits(edit->text());
    }
    const QString merged = mergeToHex(edit->text(), *rawBytes);
    rawBytes->clear();
    return merged;
}

bool AppMainWindow::confirmCommandCut()
{
    // A file or the command-line companion can hold a command longer than the field: Ok
    // would store only what the field shows, so the user decides before editing starts.
    const LinkData* record = m_dataManager->getCheckedObject();
    if (!record) {
        return true;
    }
    QStringList tooLong;
    auto check = [&tooLong](const QString& what, const QString& command) {
        const qsizetype bytes = hexToBytes(command).size();
        if (bytes > MaxFieldBytes) {
            tooLong.append(what.arg(bytes));
        }
    };
    check(tr("The command is %1 bytes long."), record->getCommand());
    if (record->yId() == 1) {
        check(tr("The second-layer command is %1 bytes long."),
              m_dataManager->getSecondLayerCommand(record->xId()));
    }
    if (tooLong.isEmpty()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, tr("Change Data"), tooLong.join(QLatin1Char(' ')),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setInformativeText(tr("The field holds %1 bytes: Ok at the end of the edit keeps only the "
                              "first %1 bytes. Cancel leaves the record as it is.").arg(MaxFieldBytes));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
