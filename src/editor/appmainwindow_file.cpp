// File commands, the document on screen (title, unsaved changes, recent files) and the
// window's end. The document itself reads and writes the files.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "configdocument.h"
#include "languagechooser.h"
#include "savefilename.h"

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
    m_document = new ConfigDocument(m_dataManager, this);
    const QString baseTitle = windowTitle();
    auto updateTitle = [this, baseTitle](const QString& fileName) {
        setWindowFilePath(fileName);
        if (fileName.isEmpty()) {
            setWindowTitle(baseTitle + QStringLiteral("[*]"));
        } else {
            setWindowTitle(QStringLiteral("%1 - %2[*]").arg(baseTitle, QFileInfo(fileName).fileName()));
        }
    };
    updateTitle(QString());
    connect(m_document, &ConfigDocument::fileNameChanged, this, updateTitle);
    connect(m_document, &ConfigDocument::modificationChanged, this, &QWidget::setWindowModified);
    setAcceptDrops(true);

    m_recentMenu = new QMenu(this);
    LanguageChooser::keepTranslated(m_recentMenu, [menu = m_recentMenu] { menu->setTitle(tr("Open &Recent")); });
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    ui.menu_File->insertMenu(ui.action_Save, m_recentMenu);
    refillRecentMenu();
    connect(m_document, &ConfigDocument::recentFilesChanged, this, &AppMainWindow::refillRecentMenu);

    // What changes a record is an undo step (Ok of the panel makes one when it stores);
    // a Cancel, a selection or a change of the text form is not.
    for (QButtonGroup* group : {m_buttonGroup, m_linkGroup}) {
        for (QAbstractButton* button : group->buttons()) {
            auto* key = static_cast<CommandButton*>(button);
            connect(key, &CommandButton::requestChangeName, this, [this, key] {
                const ConfigDocument::Place place = placeOf(key);
                recordChange(tr("Rename %1").arg(place.recordName()), place);
            });
            connect(key, &CommandButton::requestChangeUart, this, [this, key] {
                const ConfigDocument::Place place = placeOf(key);
                recordChange(tr("Change line settings of %1").arg(place.recordName()), place);
            });
        }
    }
    initializeEditMenu();
}

QString AppMainWindow::currentFile() const
{
    return m_document->fileName();
}

void AppMainWindow::setCurrentFile(QString fileName)
{
    m_document->setFileName(fileName);
}

bool AppMainWindow::maybeSave()
{
    // A command typed but not yet stored with Ok is unsaved work too.
    const bool editing = isEditing();
    if (!m_document->isModified() && !editing) {
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
    m_document->clear();
    reflashDataPanel();
}

bool AppMainWindow::openFile()
{
    if (!maybeSave()) {
        return false;
    }
    const QString fileName = QFileDialog::getOpenFileName(this, QString(), QString(), configFileFilter());
    if (fileName.isEmpty()) {
        return false;
    }
    return loadFile(fileName);
}

bool AppMainWindow::loadFile(const QString& fileName)
{
    // A refused file changes nothing, not even the name a later Save would write to.
    if (!m_document->open(fileName)) {
        warn(this, tr("Can't open wire"), m_document->errorString());
        return false;
    }
    reflashDataPanel();
    return true;
}

bool AppMainWindow::saveFile()
{
    if (m_document->fileName().isEmpty()) {
        return saveAsFile();
    }
    if (!m_document->save()) {
        warn(this, tr("Can't file wire"), m_document->errorString());
        return false;
    }
    return true;
}

bool AppMainWindow::saveAsFile()
{
    const QString fileName = SaveFileName::ask(this, QString(), QString(), configFileFilter(), QStringLiteral("app"));
    if (fileName.isEmpty()) {
        return false;
    }
    if (!m_document->saveAs(fileName)) {
        warn(this, tr("Can't file wire"), m_document->errorString());
        return false;
    }
    return true;
}

void AppMainWindow::refillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_document->recentFiles();
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
    if (!m_document->checkRecentFile(fileName)) {
        warn(this, tr("Can't open wire"), m_document->errorString());
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
