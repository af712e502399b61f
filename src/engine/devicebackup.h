#ifndef DEVICEBACKUP_H
#define DEVICEBACKUP_H

#include "operationresult.h"

#include <QDateTime>
#include <QString>

class DeviceSession;

// The device's program as it is, kept in a file of its own before a store
// replaces it. The file is new ("A1-2026-12-08T14-30-05.app"; "-2" and on
// where that name is taken), never one that was there, and it is read back
// and compared with what was loaded before the backup counts as made.
class DeviceBackup
{
public:
    struct Result : OperationResult {
        QString path; // the file written, when ok
        bool cancelled = false;
        bool portFailed = false; // as the load's: the link is gone
    };

    // `name`: the slot or port the device is on; what a file name cannot
    // hold becomes "_", and a path keeps only its last part ("ttyUSB0").
    DeviceBackup(QString folder, QString name);

    // Loads the program through `session`, which has been connected. The
    // folder is made where it is missing and a file reserved in it before
    // anything is asked of the device; on failure no file is left behind.
    Result run(DeviceSession* session, const QDateTime& when = QDateTime::currentDateTime()) const;

    static QString fileName(const QString& name, const QDateTime& when, int copy = 1);

    // A file name holds at most this many characters of `name`.
    static constexpr int MaxNameLength = 64;
    // Backups of one device within one second before the names run out.
    static constexpr int MaxCopies = 100;

private:
    QString m_folder;
    QString m_name;
};

#endif // DEVICEBACKUP_H
