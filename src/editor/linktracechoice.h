#ifndef LINKTRACECHOICE_H
#define LINKTRACECHOICE_H

#include <QObject>
#include <QString>

#include <functional>

class QCheckBox;

// The COM port dialog's "Trace the device link": checking the box asks where
// the trace goes, and the box stays checked only once a file was chosen. The
// file is named in the box's tool tip and accessible description. The trace
// itself is the device controller's, from the next connection on. It never goes
// to the open configuration file, whatever name reaches it.
class LinkTraceChoice : public QObject
{
    Q_OBJECT

public:
    // Becomes a child of `box`; `openFile` tells the configuration file open now.
    explicit LinkTraceChoice(QCheckBox* box, std::function<QString()> openFile = {});

    // The file chosen while the box is checked; empty while it is not.
    QString fileName() const;
    // Before a connection: false, said to the user and the box cleared, when the
    // chosen file has since become the open configuration file (Save As, Open).
    bool fileForConnection(QString* file);

private:
    void choose(bool checked);
    void describe();
    // True, after saying so, when `file` is the open configuration file.
    bool refusedAsOpenFile(const QString& file);

    QCheckBox* m_box;
    QString m_file;
    std::function<QString()> m_openFile;
};

#endif // LINKTRACECHOICE_H
