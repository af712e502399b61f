#include "linktracechoice.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>

LinkTraceChoice::LinkTraceChoice(QCheckBox* box)
    : QObject(box)
    , m_box(box)
{
    // Clicks only: unchecking the box here must not ask again.
    connect(m_box, &QCheckBox::clicked, this, &LinkTraceChoice::choose);
    describe();
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
        if (file.isEmpty()) {
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
