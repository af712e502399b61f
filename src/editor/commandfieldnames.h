#ifndef COMMANDFIELDNAMES_H
#define COMMANDFIELDNAMES_H

#include <QObject>

class QAbstractButton;
class QLineEdit;

// Names the two command fields for a screen reader by layer and by the form
// they show ("Command, first layer, in hex"), and renames them whenever the
// Hex/ASCII choice changes: the label beside them says neither.
class CommandFieldNames : public QObject
{
    Q_OBJECT

public:
    CommandFieldNames(QLineEdit* firstLayer, QLineEdit* secondLayer, QAbstractButton* hex, QObject* parent);

private:
    void rename();

    QLineEdit* m_firstLayer;
    QLineEdit* m_secondLayer;
    QAbstractButton* m_hex;
};

#endif // COMMANDFIELDNAMES_H
