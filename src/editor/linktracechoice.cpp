#include "linktracechoice.h"

#include "fileidentity.h"
#include "languagechooser.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

LinkTraceChoice::LinkTraceChoice(QCheckBox* box, std::function<QString()> openFile)
    : QObject(box)
    , m_box(box)
    , m_openFile(std::move(openFile))
{
    // Clicks only: unchecking the box here must not ask again.
    connect(m_box, &QCheckBox::clicked, this, &LinkTraceChoice::choose);
    LanguageChooser::keepTranslated(m_box, [this] { describe(); });
}

QString LinkTraceChoice::fileName() const
{
    return m_box->isChecked() ? m_file : QString();
}

void LinkTraceChoice::choose(bool checked)
{
    if (checked) {
        const QString suggested = m_file.isEmpty() ? QDir::home().filePath(QStringLiteral("kvr210c-trace.txt"))
                                                   : m_file;
        const QString file = QFileDialog::getSaveFileName(m_box->window(), tr("Trace the Device Link"), suggested,
                                                          tr("Text files (*.txt);;All files (*)"));
        if (file.isEmpty() || refusedAsOpenFile(file)) {
            m_box->setChecked(false);
        } else {
            m_file = file;
        }
    }
    describe();
}

void LinkTraceChoice::describe()
{
    const QString text = fileName().isEmpty()
        ? tr("Write every byte sent to and received from the device to a file, from the next connection on")
        : tr("Every byte sent to and received from the device goes to %1, from the next connection on")
              .arg(QDir::toNativeSeparators(m_file));
    m_box->setToolTip(text);
    m_box->setAccessibleDescription(text);
}

bool LinkTraceChoice::fileForConnection(QString* file)
{
    *file = fileName();
    if (!file->isEmpty() && refusedAsOpenFile(*file)) {
        file->clear();
        m_box->setChecked(false);
        describe();
        return false;
    }
    return true;
}

bool LinkTraceChoice::refusedAsOpenFile(const QString& file)
{
    // The trace empties its file first: the configuration would be lost.
    if (!m_openFile || !FileIdentity::same(file, m_openFile())) {
        return false;
    }
    QMessageBox::warning(m_box->window(), tr("Trace the Device Link"),
                         tr("The trace cannot go to %1: it is the configuration file that is open, and the trace "
                            "would replace it. Choose another file for the trace.")
                             .arg(QDir::toNativeSeparators(file)));
    return true;
}
