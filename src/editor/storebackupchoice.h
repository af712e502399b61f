#ifndef STOREBACKUPCHOICE_H
#define STOREBACKUPCHOICE_H

#include <QObject>
#include <QString>

class DeviceController;
class QAction;
class QMenu;
class QWidget;

// "Back up the device before storing" and its folder, under the Load menu:
// remembered in the settings file and handed to the device controller,
// which does the backup. The folder is asked for when the setting is
// switched on without one, and can be changed at any time.
class StoreBackupChoice : public QObject
{
    Q_OBJECT

public:
    StoreBackupChoice(QMenu* menu, DeviceController* device, QWidget* window);

    QAction* toggleAction() const { return m_toggle; }
    QAction* folderAction() const { return m_chooseFolder; }

private:
    void switched(bool on);
    // Asks for the folder; false when the user chose none.
    bool chooseFolder();
    // Into the settings file, as the user changed it.
    void remember();
    // To the device controller and the folder's tip.
    void apply();

    DeviceController* m_device;
    QWidget* m_window;
    QAction* m_toggle;
    QAction* m_chooseFolder;
    QString m_folder;
};

#endif // STOREBACKUPCHOICE_H
