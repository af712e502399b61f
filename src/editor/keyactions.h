#ifndef KEYACTIONS_H
#define KEYACTIONS_H

#include <QObject>
#include <QPointer>

class CommandButton;
class ConfigDocument;
class DeviceController;
class QAction;
class QButtonGroup;
class QMainWindow;
class QMenu;
class RecordSelection;

// The "Key" menu: the three entries of a key's right-press menu, with shortcuts,
// for whoever works without a mouse, and Try Command. The three act on the
// selected link when a link key is checked, else on the checked key, and go
// through the button's own dialogs, so the texts and what is stored are those
// of the right-press menu.
class KeyActions : public QObject
{
    Q_OBJECT

public:
    // The menu goes into the window's menu bar before `beforeMenu` (the last one when null).
    KeyActions(QMainWindow* window, QButtonGroup* keys, QButtonGroup* links, QMenu* beforeMenu);

    QMenu* menu() const { return m_menu; }
    // Try Command: a window of its own beside the main window, made when first asked for,
    // that tries the selection's command on other equipment than `device`.
    void addTryCommand(const ConfigDocument* document, RecordSelection* selection, const DeviceController* device);
    // Command Library: a window of its own beside the main window, made when first asked
    // for, that puts library entries into the selection's record through `document`.
    void addCommandLibrary(ConfigDocument* document, RecordSelection* selection, const DeviceController* device);
    // The key or link key the entries act on; null when there is none that can be used.
    CommandButton* target() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the window of class T, made by `make` when there is none yet.
    template <typename T, typename Make> void showWindow(Make make);
    QAction* addEntry(const char* objectName, const QKeySequence& shortcut, void (CommandButton::*slot)());
    void watchButtons(QButtonGroup* group);
    void updateEnabled();

    QMainWindow* m_window;
    QButtonGroup* m_keys;
    QButtonGroup* m_links;
    QMenu* m_menu;
    QList<QAction*> m_entries;
    // The key or link key whose data is being changed: it has the focus back when the edit ends.
    QPointer<CommandButton> m_edited;
};

#endif // KEYACTIONS_H
