#ifndef COMMANDLIBRARYWINDOW_H
#define COMMANDLIBRARYWINDOW_H

#include "commandtrial.h"
#include "comportpicker.h"
#include "configdocument.h"
#include "libraryshelf.h"

#include <QWidget>

class CommandTrialRun;
class DeviceController;
class LibraryEntryView;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RecordSelection;

// Key > Command Library: the libraries in use (LibraryShelf) as a tree by
// library and equipment, with a search; for the chosen entry its parameters,
// bytes, line settings and expected reply (LibraryEntryView). The entry's
// bytes go into the record the main window has selected as one undo step,
// or are tried on the equipment (as Try Command tries them) and the reply is
// checked against the one expected. A record can be added to the user's
// library, a community table imported into it, and other library files
// opened beside it.
//
// The records are changed only by Use, and never while the main window has an
// edit open.
class CommandLibraryWindow : public QWidget
{
    Q_OBJECT

public:
    CommandLibraryWindow(ConfigDocument* document, RecordSelection* selection, const DeviceController* device,
                         QWidget* parent, PortLister lister = systemSerialPorts,
                         const QString& userLibrary = LibraryShelf::defaultUserPath(),
                         const QString& shippedLibrary = LibraryShelf::defaultShippedPath());
    ~CommandLibraryWindow() override;

    const LibraryShelf& shelf() const { return m_shelf; }
    bool isTrying() const;
    // What the last action said.
    QString status() const;
    // Chooses the entry named `name` of the `library`th library on the shelf; false when there is none.
    bool chooseEntry(int library, const QString& name);

public slots:
    // The chosen entry's bytes and line settings into the selected record.
    bool useForRecord();
    void tryEntry();
    void cancel();
    // Asks a name and adds the selected record to the user's library.
    bool addSelectedRecord();
    bool importTable();
    bool openLibrary();
    void removeLibrary();
    // Reads every library again and shows what the search finds.
    void reload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildListSide();
    QWidget* buildEntrySide(PortLister lister);
    void connectWindow(QDialogButtonBox* buttons);
    void showShelf();
    QTreeWidgetItem* libraryItem(int index);
    void entryChosen();
    void trialFinished(const CommandTrial::Result& result);
    void updateButtons();
    void say(const QString& text);
    // Asks for a file and hands it to the shelf's `act`: Import and Open Library.
    bool withFile(const QString& caption, const QString& filter, OperationResult (LibraryShelf::*act)(const QString&));
    // Shows the shelf after `result` and says what happened; whether it worked.
    bool shelfChanged(const OperationResult& result);
    // Why the selected record cannot be used or added now; empty when it can.
    QString recordRefusal() const;
    // The layer Use and Add work on: DeviceRecordLayout's.
    int targetLayer() const;
    QString targetName() const;

    ConfigDocument* m_document;
    RecordSelection* m_selection;
    const DeviceController* m_device;
    LibraryShelf m_shelf;
    CommandTrialRun* m_run;
    ComPortPicker* m_picker = nullptr;
    QLineEdit* m_search = nullptr;
    QTreeWidget* m_tree = nullptr;
    QPushButton* m_removeButton = nullptr;
    LibraryEntryView* m_view = nullptr;
    QCheckBox* m_secondLayerBox = nullptr;
    QLabel* m_recordLabel = nullptr;
    QPushButton* m_useButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QComboBox* m_portBox = nullptr;
    QPushButton* m_tryButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_status = nullptr;
    // The entry the view shows, by its library's file and its name, so that a new
    // search or a reload keeps it chosen.
    QString m_chosenLibrary;
    QString m_chosenName;
};

#endif // COMMANDLIBRARYWINDOW_H
