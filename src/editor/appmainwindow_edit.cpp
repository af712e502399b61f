// The Edit menu: undo and redo of every change to the records, copy and paste of a key's
// program or one link; and the configuration in and out as JSON.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "languagechooser.h"
#include "programclip.h"
#include "programclipboard.h"
#include "recordselection.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QUndoStack>

void AppMainWindow::initializeEditMenu()
{
    QMenu* edit = new QMenu(this);
    edit->setObjectName(QStringLiteral("menu_Edit"));
    menuBar()->insertMenu(ui.menuSetting->menuAction(), edit);
    QUndoStack* stack = m_document->undoStack();

    QAction* undoAction = edit->addAction(QString(), this, &AppMainWindow::undo);
    undoAction->setObjectName(QStringLiteral("actionUndo"));
    undoAction->setShortcut(QKeySequence::Undo);
    QAction* redoAction = edit->addAction(QString(), this, &AppMainWindow::redo);
    redoAction->setObjectName(QStringLiteral("actionRedo"));
    redoAction->setShortcut(QKeySequence::Redo);
    // The menu names the step, as "Undo Rename Key 2".
    auto follow = [stack, undoAction, redoAction] {
        undoAction->setEnabled(stack->canUndo());
        undoAction->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
        redoAction->setEnabled(stack->canRedo());
        redoAction->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
    };
    connect(stack, &QUndoStack::indexChanged, this, follow);
    connect(stack, &QUndoStack::cleanChanged, this, follow);
    LanguageChooser::keepTranslated(edit, follow);
    connect(m_document, &ConfigDocument::recordsRestored, this, &AppMainWindow::showRestoredRecords);

    edit->addSeparator();
    QAction* copy = edit->addAction(QString(), this, &AppMainWindow::copyProgram);
    copy->setObjectName(QStringLiteral("actionCopy"));
    copy->setShortcut(QKeySequence::Copy);
    QAction* paste = edit->addAction(QString(), this, &AppMainWindow::pasteProgram);
    paste->setObjectName(QStringLiteral("actionPaste"));
    paste->setShortcut(QKeySequence::Paste);
    LanguageChooser::keepTranslated(edit, [edit, copy, paste] {
        edit->setTitle(tr("&Edit"));
        copy->setText(tr("&Copy"));
        copy->setStatusTip(tr("Copy the selected key's program, or the selected link, as text"));
        paste->setText(tr("&Paste"));
        paste->setStatusTip(tr("Replace the selected key's program, or the selected link, with the copied one"));
    });
    auto followSelection = [this, copy] { copy->setEnabled(m_buttonGroup->checkedId() > 0); };
    connect(m_buttonGroup, &QButtonGroup::idToggled, this, followSelection);
    followSelection();
}

ConfigDocument::Place AppMainWindow::currentPlace() const
{
    return m_selection->current();
}

ConfigDocument::Place AppMainWindow::placeOf(CommandButton* key) const
{
    const int keyId = m_buttonGroup->id(key);
    if (keyId > 0) {
        return {keyId, 0};
    }
    return {qMax(m_buttonGroup->checkedId(), 0), qMax(m_linkGroup->id(key), 0)};
}

void AppMainWindow::recordChange(const QString& text, ConfigDocument::Place place)
{
    m_document->recordChange(text, place);
}

void AppMainWindow::showRestoredRecords(ConfigDocument::Place place)
{
    CommandButton* key = m_dataManager->getButtonObject(place.key);
    if (!key) {
        reflashDataPanel();
        return;
    }
    if (isEditing()) {
        processRejected();
    }
    // Every key's text and line settings from the records, then the panel where the change was.
    m_dataManager->reflashButtonName();
    key->setChecked(true);
    processButtonClicked(place.key);
    if (CommandButton* link = place.link > 1 ? m_dataManager->getLinkObject(place.link) : nullptr) {
        link->setChecked(true);
        processLinkClicked(place.link);
    }
}

void AppMainWindow::undo()
{
    if (isEditing()) {
        processRejected();
    }
    m_document->undoStack()->undo();
}

void AppMainWindow::redo()
{
    if (isEditing()) {
        processRejected();
    }
    m_document->undoStack()->redo();
}

bool AppMainWindow::refuseWhileEditing(const QString& title)
{
    if (!isEditing()) {
        return false;
    }
    QMessageBox::information(this, title, tr("Finish the data you are editing with Ok or Cancel first."));
    return true;
}

void AppMainWindow::copyProgram()
{
    const ConfigDocument::Place place = currentPlace();
    if (!m_dataManager->getButtonData(place.key)) {
        return;
    }
    ProgramClipboard::put(place.link > 1 ? ProgramClip::copyRecord(*m_dataManager, place.key, place.link)
                                         : ProgramClip::copyKey(*m_dataManager, place.key));
    statusBar()->showMessage(tr("Copied %1").arg(place.recordName()), 3000);
}

namespace {

// "1, 2, 3": the keys as the user's words name them.
QString keyNumbers(const QList<int>& keys)
{
    QStringList numbers;
    for (int key : keys) {
        numbers << QString::number(key);
    }
    return numbers.join(QStringLiteral(", "));
}

// Text copied from an export goes onto the keys of its numbers, whatever is selected:
// the user agrees before more than the selected key is replaced.
bool agreeToReplaceKeys(QWidget* parent, const QList<int>& keys)
{
    QMessageBox box(QMessageBox::Question, AppMainWindow::tr("Paste"),
                    AppMainWindow::tr("Replace the programs of keys %1?").arg(keyNumbers(keys)),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(AppMainWindow::tr("The copied text holds several keys. Each goes onto the key of its "
                                             "number, with all its links and its second layer, whatever is "
                                             "selected."));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void AppMainWindow::pasteProgram()
{
    if (refuseWhileEditing(tr("Paste"))) {
        return;
    }
    const ConfigDocument::Place place = currentPlace();
    ProgramClip::Clip clip;
    QString error;
    const bool readable = clip.read(ProgramClipboard::take(), &error);
    const QList<int> keys = clip.keysChangedBy(place.key);
    if (readable && keys.size() > 1 && !agreeToReplaceKeys(this, keys)) {
        return;
    }
    if (!readable || !clip.pasteOnto(m_dataManager, place.key, place.link, &error)) {
        QMessageBox::warning(this, tr("Paste"),
                             tr("The clipboard's text cannot be pasted here: %1. Nothing was changed.").arg(error));
        return;
    }
    // A key's program goes onto a key, a record onto the link chosen.
    const QString target = keys.size() > 1 ? tr("Keys %1").arg(keyNumbers(keys)) : place.recordName();
    recordChange(tr("Paste onto %1").arg(target), place);
    showRestoredRecords(place);
}

void AppMainWindow::importJson()
{
    if (refuseWhileEditing(tr("Import JSON"))) {
        return;
    }
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Import JSON"), QString(),
                                                          tr("JSON files (*.json);;All files (*)"));
    if (fileName.isEmpty()) {
        return;
    }
    if (!m_document->importJson(fileName)) {
        QMessageBox::warning(this, tr("Import JSON"), m_document->errorString());
        return;
    }
    reflashDataPanel();
}

void AppMainWindow::exportJson()
{
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Export JSON"), QString(),
                                                          tr("JSON files (*.json);;All files (*)"));
    if (fileName.isEmpty()) {
        return;
    }
    if (!m_document->exportJson(fileName)) {
        QMessageBox::warning(this, tr("Export JSON"), m_document->errorString());
        return;
    }
    statusBar()->showMessage(tr("Exported to %1").arg(QDir::toNativeSeparators(fileName)), 3000);
}
