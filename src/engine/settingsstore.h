#ifndef SETTINGSSTORE_H
#define SETTINGSSTORE_H

#include <QSettings>
#include <QString>

// The one settings file of the editor and its tools (on Linux
// ~/.config/KVR210C/kvr210c.conf). Every setting is read and written through
// open(), which names the organisation and the application itself: what the
// running process calls itself does not matter, so the editor, its tests and
// any tool that shares the classes see the same file.
namespace SettingsStore {

inline constexpr char RecentFilesKey[] = "recentFiles";
inline constexpr char LastPortKey[] = "device/port";
// The port commands are tried on: the equipment's, never the device's.
inline constexpr char TrialPortKey[] = "trial/port";
// Command library files the user opened beside their own library.
inline constexpr char LibraryFilesKey[] = "library/files";
// Store first keeps the device's program, in the folder the user chose.
inline constexpr char BackupBeforeStoreKey[] = "device/backupBeforeStore";
inline constexpr char BackupFolderKey[] = "device/backupFolder";
// The editor's language: empty follows the desktop, otherwise a language code ("en", "de").
inline constexpr char LanguageKey[] = "editor/language";

QSettings open();

// The port the device last answered on; empty when none has. Also found where
// earlier versions kept it (a file of their own), until a new port is stored.
QString lastPort();
void setLastPort(const QString& portName);

} // namespace SettingsStore

#endif // SETTINGSSTORE_H
