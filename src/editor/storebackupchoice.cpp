#include "storebackupchoice.h"

#include "devicecontroller.h"
#include "languagechooser.h"
#include "settingsstore.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

StoreBackupChoice::StoreBackupChoice(QMenu* menu, DeviceController* device, QWidget* window)
    : QObject(menu)
    , m_device(device)
    , m_window(window)
{
    const QSettings settings = SettingsStore::open();
    m_folder = settings.value(QLatin1String(SettingsStore::BackupFolderKey)).toString();
    menu->addSeparator();
    m_toggle = menu->addAction(QString());
    m_toggle->setObjectName(QStringLiteral("actionBack_Up_Before_Storing"));
    m_toggle->setCheckable(true);
    // A folder lost since the setting was remembered is asked for again when it is switched on.
    m_toggle->setChecked(settings.value(QLatin1String(SettingsStore::BackupBeforeStoreKey)).toBool()
                         && !m_folder.isEmpty());
    m_chooseFolder = menu->addAction(QString());
    m_chooseFolder->setObjectName(QStringLiteral("actionBackup_Folder"));
    connect(m_toggle, &QAction::toggled, this, &StoreBackupChoice::switched);
    connect(m_chooseFolder, &QAction::triggered, this, [this] {
        if (chooseFolder()) {
            remember();
            apply();
        }
    });
    LanguageChooser::keepTranslated(menu, [this] {
        m_toggle->setText(tr("Back up the device before storing"));
        m_toggle->setStatusTip(tr("Store Program To Device first loads the device's program into a new file in "
                                  "the backup folder"));
        m_chooseFolder->setText(tr("Backup Folder..."));
        apply();
    });
}

void StoreBackupChoice::switched(bool on)
{
    if (on && m_folder.isEmpty() && !chooseFolder()) {
        const QSignalBlocker quiet(m_toggle);
        m_toggle->setChecked(false);
    }
    remember();
    apply();
}

bool StoreBackupChoice::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(m_window, tr("Backup Folder"),
                                                             m_folder.isEmpty() ? QDir::homePath() : m_folder);
    if (folder.isEmpty()) {
        return false;
    }
    m_folder = folder;
    return true;
}

void StoreBackupChoice::remember()
{
    QSettings settings = SettingsStore::open();
    settings.setValue(QLatin1String(SettingsStore::BackupBeforeStoreKey), m_toggle->isChecked());
    settings.setValue(QLatin1String(SettingsStore::BackupFolderKey), m_folder);
}

void StoreBackupChoice::apply()
{
    const bool on = m_toggle->isChecked();
    m_chooseFolder->setStatusTip(m_folder.isEmpty() ? tr("Choose the folder the device's program is backed up to")
                                                    : tr("Backups go to %1").arg(QDir::toNativeSeparators(m_folder)));
    m_device->setBackupFolder(on ? m_folder : QString());
}
