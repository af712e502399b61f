#ifndef LIBRARYENTRYNAMEDIALOG_H
#define LIBRARYENTRYNAMEDIALOG_H

#include <QDialog>

struct LibraryEntry;
class QLineEdit;
class QPushButton;

// Asks the name, the equipment and the group of a record added to the user's
// library; Ok only once there is a name.
class LibraryEntryNameDialog : public QDialog
{
    Q_OBJECT

public:
    // `suggested` fills the fields.
    LibraryEntryNameDialog(const QString& what, const LibraryEntry& suggested, QWidget* parent);

    // Puts the fields' texts, trimmed, into `entry`.
    void fill(LibraryEntry* entry) const;

private:
    QLineEdit* m_name;
    QLineEdit* m_equipment;
    QLineEdit* m_group;
};

#endif // LIBRARYENTRYNAMEDIALOG_H
