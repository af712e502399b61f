#ifndef RECORDSELECTION_H
#define RECORDSELECTION_H

#include "configdocument.h"

#include <QByteArray>
#include <QObject>

#include <optional>

class CommandField;
class QButtonGroup;

// The record the user works on, as the checked key and link key say, told the moment it
// moves or its content changes: a Change Data edit, an undo or redo, a paste, a load.
// Windows beside the main window follow it instead of looking at the keys.
class RecordSelection : public QObject
{
    Q_OBJECT

public:
    // `command` and `secondLayer` are the panel's fields, whose open edit is the current
    // record's command until Ok or Cancel ends it.
    RecordSelection(QButtonGroup* keys, QButtonGroup* links, ConfigDocument* document, CommandField* command,
                    CommandField* secondLayer, QObject* parent = nullptr);

    // Key 0 when none is checked; link 0 for the key's own record.
    ConfigDocument::Place current() const;
    // The command of the current record's first or second layer as its open edit holds it;
    // nothing while no edit of that layer is open.
    std::optional<QByteArray> editedCommand(bool secondLayer) const;

signals:
    // Once for each move, and for each change of what the current record holds.
    void currentRecordChanged(int key, int link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moved();
    void changed();

    QButtonGroup* m_keys;
    QButtonGroup* m_links;
    CommandField* m_command;
    CommandField* m_secondLayer;
    // What was last told, so that one click is told once.
    ConfigDocument::Place m_told;
};

#endif // RECORDSELECTION_H
