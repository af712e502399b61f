// File commands and the window's end.
#include "appdata.h"
#include "appmainwindow.h"
#include "seriallink.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

void AppMainWindow::setCurrentFile(QString fileName)
{
    m_curFileName = fileName;
    if (m_curFileName.isEmpty()) {
        setWindowFilePath(QStringLiteral("untitle.app"));
    }
}

void AppMainWindow::newFile()
{
    setCurrentFile(QString());
    m_dataManager->resetDataObject();
    reflashDataPanel();
}

bool AppMainWindow::openFile()
{
    const QString fileName = QFileDialog::getOpenFileName(this);
    if (fileName.isEmpty()) {
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Application"), tr("Can't open wire"));
        return false;
    }
    if (!m_dataManager->loadConfigFile(&file)) {
        // A refused file changes nothing, not even the name a later Save would write to.
        QMessageBox::warning(this, tr("Application"),
                             tr("%1 is not a configuration file of this editor, or it is damaged. "
                                "Nothing was loaded.").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    m_curFileName = fileName;
    reflashDataPanel();
    return true;
}

bool AppMainWindow::writeConfigFile(const QString& fileName)
{
    m_curFileName = fileName;
    // Written beside the old file and swapped in only when complete, so a
    // failed save never destroys what was there.
    QSaveFile file(fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok && !m_dataManager->saveConfigFile(&file)) {
        file.cancelWriting();
    }
    ok = ok && file.commit();
    if (!ok) {
        QMessageBox::warning(this, tr("Application"), tr("Can't file wire"));
    }
    return ok;
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

void AppMainWindow::closeFile()
{
    disconnectDevice();
    close();
}

void AppMainWindow::closeEvent(QCloseEvent* event)
{
    disconnectDevice();
    QMainWindow::closeEvent(event);
}
