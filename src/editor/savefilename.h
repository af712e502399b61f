#ifndef SAVEFILENAME_H
#define SAVEFILENAME_H

#include <QString>

class QWidget;

// Asks where to save, as QFileDialog::getSaveFileName does, and adds
// `defaultSuffix` ("app", without the dot) to a name typed without one, as
// the file filter promises. The dialog adds it before it asks about replacing
// a file, so a name that gets a suffix is never written over unasked.
namespace SaveFileName {

// Empty when the user cancelled.
QString ask(QWidget* parent, const QString& caption, const QString& directory, const QString& filter,
            const QString& defaultSuffix);

} // namespace SaveFileName

#endif // SAVEFILENAME_H
