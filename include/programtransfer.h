#ifndef PROGRAMTRANSFER_H
#define PROGRAMTRANSFER_H

#include <QString>
#include <QStringList>

#include <functional>

class AppDataManager;
class SerialLink;

// Moves the whole program between the records and the device: the handshake,
// storing (36 echo-checked records), loading ("LOAD_DATA", then up to 36
// records, each acknowledged with "RETS") and the farewell.
class ProgramTransfer
{
public:
    // Called after each record with the number done and the total.
    using Progress = std::function<void(int done, int total)>;

    struct Result {
        bool ok = false;
        int records = 0;   // records sent, or distinct records received
        QStringList missing;   // after a load: the records that did not arrive, by name
        QString error;     // for the user, naming the record when one failed
    };

    ProgramTransfer(AppDataManager* data, SerialLink* link, Progress progress = {});

    void setAttempts(int attempts) { m_attempts = attempts; }
    int attempts() const { return m_attempts; }

    bool handshake();      // "KVR210"
    bool sayGoodbye();     // "ISPOK!"
    // Why the last handshake, farewell, store or load failed, for the user.
    QString errorString() const { return m_error; }
    Result store();
    Result load();

    // Records whose command does not fit a device record (over 247 bytes),
    // each named as in the messages; empty when the program fits.
    QStringList oversizedRecords() const;

    static constexpr int StoreFrames = 36;
    static constexpr int LoadRecords = 36;

private:
    AppDataManager* m_data;
    SerialLink* m_link;
    Progress m_progress;
    int m_attempts = 6;
    QString m_error;
};

#endif // PROGRAMTRANSFER_H
