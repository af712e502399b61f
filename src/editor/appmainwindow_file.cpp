// File commands, the configuration as a document (title, unsaved changes, recent files)
// and the window's end.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "boundedread.h"
#include "commandbutton.h"
#include "recentfiles.h"
#include "safesave.h"
#include "seriallink.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

namespace {

void warn(QWidget* parent, const QString& text, const QString& detail)
{
    // The short text first, as it always read; the path and the reason below it.
    QMessageBox box(QMessageBox::Warning, AppMainWindow::tr("Application"), text, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().constFirst().isLocalFile()) {
        return QString();
    }
    return mime->urls().constFirst().toLocalFile();
}

} // namespace

void AppMainWindow::initializeDocument()
{
    m_baseTitle = windowTitle();
    setAcceptDrops(true);

    m_recentMenu = new QMenu(tr("Open &Recent"), this);
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    ui.menu_File->insertMenu(ui.action_Save, m_recentMenu);
    refillRecentMenu();

    // What changes a record marks the document (Ok of the panel marks it when it stores);
    // a Cancel, a selection or a change of the text form does not.
    for (QButtonGroup* group : {m_buttonGroup, m_linkGroup}) {
        for (QAbstractButton* button : group->buttons()) {
            auto* key = static_cast<CommandButton*>(button);
            connect(key, &CommandButton::requestChangeName, this, &AppMainWindow::markModified);
            connect(key, &CommandButton::requestChangeUart, this, &AppMainWindow::markModified);
        }
    }
    markClean();
}

QByteArray AppMainWindow::recordsSnapshot() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    m_dataManager->saveConfigFile(&buffer);
    return buffer.data();
}

void AppMainWindow::markModified()
{
    setWindowModified(true);
}

void AppMainWindow::markClean()
{
    m_cleanRecords = recordsSnapshot();
    setWindowModified(false);
    updateTitle();
}

void AppMainWindow::noteRecordsReplaced()
{
    // Every record may have been replaced at once (a load from the device): the document
    // is modified when they differ from what was last opened or saved.
    if (!isWindowModified() && recordsSnapshot() != m_cleanRecords) {
        setWindowModified(true);
    }
}

void AppMainWindow::updateTitle()
{
    if (m_curFileName.isEmpty()) {
        setWindowTitle(m_baseTitle + QStringLiteral("[*]"));
    } else {
        setWindowTitle(tr("%1 - %2[*]").arg(m_baseTitle, QFileInfo(m_curFileName).fileName()));
    }
}

void AppMainWindow::setCurrentFile(QString fileName)
{
    m_curFileName = fileName;
    setWindowFilePath(fileName);
    updateTitle();
}

bool AppMainWindow::maybeSave()
{
    // A command typed but not yet stored with Ok is unsaved work too.
    const bool editing = isEditing();
    if (!isWindowModified() && !editing) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, tr("Application"),
                    tr("The configuration has been modified.\n"
                       "Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    if (editing) {
        box.setInformativeText(tr("The data you are editing has not been stored yet: Save stores it "
                                  "as Ok does, Discard drops it as Cancel does."));
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Save) {
        if (editing) {
            processSaveData();
        }
        return saveFile();
    }
    if (answer != QMessageBox::Discard) {
        // Cancel, or the box closed: the edit stays open with its text.
        return false;
    }
    if (editing) {
        processRejected();
    }
    return true;
}

void AppMainWindow::newFile()
{
    if (!maybeSave()) {
        return;
    }
    setCurrentFile(QString());
    m_dataManager->resetDataObject();
    reflashDataPanel();
    markClean();
}

bool AppMainWindow::openFile()
{
    if (!maybeSave()) {
        return false;
    }
    const QString fileName = QFileDialog::getOpenFileName(this);
    if (fileName.isEmpty()) {
        return false;
    }
    return loadFile(fileName);
}

bool AppMainWindow::loadFile(const QString& fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    QByteArray content;
    QString reason;
    // Refuses a pipe or a device before opening it, so Open can never hang on one.
    if (!readBounded(fileName, MaxUserFileBytes, &content, &reason)) {
        warn(this, tr("Can't open wire"), reason);
        return false;
    }
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    if (!m_dataManager->loadConfigFile(&buffer)) {
        // A refused file changes nothing, not even the name a later Save would write to.
        warn(this, tr("Can't open wire"),
             tr("%1 is not a configuration file of this editor, or it is damaged: %2. "
                "Nothing was loaded.").arg(shown, m_dataManager->loadError()));
        return false;
    }
    qDebug("loaded config file %s", qUtf8Printable(shown));
    setCurrentFile(fileName);
    reflashDataPanel();
    markClean();
    RecentFiles::add(fileName);
    refillRecentMenu();
    return true;
}

bool AppMainWindow::writeConfigFile(const QString& fileName)
{
    // A device node or a pipe is refused; a failed save leaves the old file as it was.
    QString reason;
    if (!saveSafely(fileName, [this](QIODevice* file) { return m_dataManager->saveConfigFile(file); }, &reason)) {
        warn(this, tr("Can't file wire"), reason);
        return false;
    }
    setCurrentFile(fileName);
    markClean();
    RecentFiles::add(fileName);
    refillRecentMenu();
    return true;
}

bool AppMainWindow::saveFile()
{
    if (m_curFileName.isEmpty()) {
        return saveAsFile();
    }
    return writeConfigFile(m_curFileName);
}

bool AppMainWindow::saveAsFile()
{
    const QString fileName = QFileDialog::getSaveFileName(this);
    if (fileName.isEmpty()) {
        return false;
    }
    return writeConfigFile(fileName);
}

void AppMainWindow::refillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = RecentFiles::files();
    for (const QString& fileName : files) {
        // An "&" in a path is part of the name, not a shortcut mark.
        QAction* action = m_recentMenu->addAction(
            QDir::toNativeSeparators(fileName).replace(QLatin1Char('&'), QLatin1String("&&")));
        connect(action, &QAction::triggered, this, [this, fileName] { openRecentFile(fileName); });
    }
    m_recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void AppMainWindow::openRecentFile(const QString& fileName)
{
    // An entry that can never open (gone, or now a folder or a pipe) leaves the list.
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile()) {
        RecentFiles::remove(fileName);
        refillRecentMenu();
        const QString shown = QDir::toNativeSeparators(fileName);
        warn(this, tr("Can't open wire"),
             info.exists() ? tr("%1 is not a regular file; it was taken off the list.").arg(shown)
                           : tr("%1 no longer exists; it was taken off the list.").arg(shown));
        return;
    }
    if (maybeSave()) {
        loadFile(fileName);
    }
}

void AppMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void AppMainWindow::dropEvent(QDropEvent* event)
{
    const QString fileName = droppedFile(event->mimeData());
    if (fileName.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Asked after the drag has ended: a dialog inside a drop would hold the source waiting.
    QTimer::singleShot(0, this, [this, fileName] {
        if (maybeSave()) {
            loadFile(fileName);
        }
    });
}

void AppMainWindow::closeFile()
{
    // The farewell to the device is sent by closeEvent, once the user has let the window go.
    close();
}

void AppMainWindow::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    disconnectDevice();
    QMainWindow::closeEvent(event);
}
