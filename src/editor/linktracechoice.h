#ifndef LINKTRACECHOICE_H
#define LINKTRACECHOICE_H

#include <QObject>
#include <QString>

class QCheckBox;

// The COM port dialog's "Trace the device link": checking the box asks where
// the trace goes, and the box stays checked only once a file was chosen. The
// file is named in the box's tool tip and accessible description. The trace
// itself is the device controller's, from the next connection on.
class LinkTraceChoice : public QObject
{
    Q_OBJECT

public:
    // Becomes a child of `box`.
    explicit LinkTraceChoice(QCheckBox* box);

    // The file chosen while the box is checked; empty while it is not.
    QString fileName() const;

private:
    void choose(bool checked);
    void describe();

    QCheckBox* m_box;
    QString m_file;
};

#endif // LINKTRACECHOICE_H
