#ifndef LIBRARYENTRYVIEW_H
#define LIBRARYENTRYVIEW_H

#include "librarycommand.h"

#include <QList>
#include <QWidget>

class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

// One library entry as the Command Library window shows it: a field for each
// parameter with its range and default, the bytes those values make in hex
// (the checksum in brackets) and as text, the line settings, the expected
// reply and the note.
class LibraryEntryView : public QWidget
{
    Q_OBJECT

public:
    explicit LibraryEntryView(QWidget* parent = nullptr);

    // Shows `entry` with its defaults (a copy is kept); null shows nothing.
    void showEntry(const LibraryEntry* entry);
    bool hasEntry() const { return m_hasEntry; }
    const LibraryEntry& entry() const { return m_entry; }
    LibraryCommand::Values values() const;
    // The bytes for the values in the fields; false with *error saying why not.
    bool render(LibraryCommand::Bytes* bytes, QString* error) const;

signals:
    // A parameter's value changed, so the bytes did.
    void valuesChanged();

private:
    // The texts of the entry shown, in the current language.
    void showEntryTexts();
    void showBytes();
    QSpinBox* paramField(const LibraryParam& param);

    LibraryEntry m_entry;
    bool m_hasEntry = false;
    QList<QSpinBox*> m_fields;
    QLabel* m_title = nullptr;
    QFormLayout* m_params = nullptr;
    QLineEdit* m_hex = nullptr;
    QLineEdit* m_text = nullptr;
    QLabel* m_checksum = nullptr;
    QLabel* m_line = nullptr;
    QLabel* m_reply = nullptr;
    QLabel* m_note = nullptr;
};

#endif // LIBRARYENTRYVIEW_H
