#include "savefilename.h"

#include <QFileDialog>

namespace SaveFileName {

QString ask(QWidget* parent, const QString& caption, const QString& directory, const QString& filter,
            const QString& defaultSuffix)
{
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialog.selectedFiles().value(0);
}

} // namespace SaveFileName
