// The two command fields: hex and ASCII forms, live clean-up, byte counters.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandfield.h"
#include "commandtext.h"
#include "diagnostics.h"

#include <QMessageBox>
#include <QStatusBar>

using namespace CommandText;

void AppMainWindow::initializeCommandEdit()
{
    m_commandField = new CommandField(ui.commandEdit, ui.commandCounter);
    m_secondLayerField = new CommandField(ui.secondLayerEdit, ui.secondLayerCounter);
    ui.commandGroupBox->setEnabled(true);
    setCommandGroupEnable(false);
    ui.linksTab->setEnabled(false);
    connect(ui.commandEdit, &QLineEdit::textEdited, this, &AppMainWindow::processCommandEdited);
    connect(ui.secondLayerEdit, &QLineEdit::textEdited, this, &AppMainWindow::processSecondLayerCommandEdited);
    for (CommandField* field : {m_commandField, m_secondLayerField}) {
        connect(field, &CommandField::keystrokeRefused, this,
                [this](const QString& reason) { statusBar()->showMessage(reason, 5000); });
    }
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
    return (editId == 0 ? m_commandField : m_secondLayerField)->toAscii(hexString);
}

QString AppMainWindow::mergeToHex(QString ascii, QByteArray backupArray)
{
    return CommandField::mergeToHex(ascii, backupArray);
}

void AppMainWindow::updateCommandEdit(QString command)
{
    m_commandField->showCommand(command);
}

void AppMainWindow::updateSecondLayerCommandEdit(QString command)
{
    m_secondLayerField->showCommand(command);
}

void AppMainWindow::processFormatChanged(int id)
{
    // Both fields already hold this form's text; converting again would garble it.
    if (id == m_commandField->format() || (id != CommandField::Hex && id != CommandField::Ascii)) {
        return;
    }
    qCDebug(kvrDiagnostics, "fomrt is %d", id);
    // The second field last, so an edit that is open leaves the focus there.
    m_commandField->convertTo(CommandField::Format(id));
    m_secondLayerField->convertTo(CommandField::Format(id));
}

void AppMainWindow::processCommandEdited(QString text)
{
    m_commandField->edited(text);
}

void AppMainWindow::processSecondLayerCommandEdited(QString text)
{
    m_secondLayerField->edited(text);
}

void AppMainWindow::processCursorChanged(int, int)
{
}

void AppMainWindow::processSelectionChanged()
{
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
        check(tr("The second-layer command is %1 bytes long."), m_dataManager->getSecondLayerCommand(record->xId()));
    }
    if (tooLong.isEmpty()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, tr("Change Data"), tooLong.join(QLatin1Char(' ')),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setInformativeText(tr("The field holds %1 bytes: Ok at the end of the edit keeps only the "
                              "first %1 bytes. Cancel leaves the record as it is.")
                               .arg(MaxFieldBytes));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
