#ifndef PROGRAMTRANSFER_H
#define PROGRAMTRANSFER_H

#include "cancelcheck.h"
#include "configcompare.h"
#include "devicerecordlayout.h"
#include "operationresult.h"
#include "serialframe.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ProgramRecords;
class SerialLink;

// Moves the whole program between the records and the device: the handshake,
// storing (36 echo-checked records), loading ("LOAD_DATA", then up to 36
// records, each acknowledged with "RETS"), verifying and the farewell.
//
// Needs no event loop and no window: it runs on whichever thread owns the
// link's port. A cancel check, asked about every 50 ms while the transfer
// waits, stops it within that time; after a cancellation nothing more is sent.
class ProgramTransfer
{
public:
    // Called after each record with the number done and the total.
    using Progress = std::function<void(int done, int total)>;
    using CancelCheck = ::CancelCheck;

    // error names the record when one failed; done says what a store, a load
    // or a check that worked did ("6 records stored").
    struct Result : OperationResult {
        int records = 0; // records sent and confirmed, or distinct records received
        // A cancelled store: records sent whose confirmation was not waited
        // for (at most the one in flight); the device may hold them.
        int unconfirmed = 0;
        QStringList missing; // after a load: the records that did not arrive, by name
        bool cancelled = false;
        bool portFailed = false; // the port failed and was closed: the link is gone
    };

    ProgramTransfer(ProgramRecords* data, SerialLink* link, Progress progress = {});

    void setAttempts(int attempts) { m_attempts = attempts; }
    int attempts() const { return m_attempts; }
    void setCancelCheck(CancelCheck check) { m_cancelCheck = std::move(check); }

    // Each operation says in its Result whether it worked, was cancelled or
    // lost the port, and why not in the user's words.
    Result handshake(); // "KVR210"
    Result sayGoodbye(); // "ISPOK!"
    Result store();
    Result load();
    // Loads the device's records into a scratch copy, leaving the records
    // here untouched, and compares every field the device keeps with
    // `expected`. ok: the load was complete and `differences` is filled
    // (device first, `expected` second); empty means the device holds it.
    Result verify(const ProgramRecords& expected, QList<ConfigComparison::Difference>* differences);
    // "Key 3, link 13: command 0D0A on the device, 0D0B here", one a line, at
    // most `shown` and a count of the rest.
    static QString describeDifferences(const QList<ConfigComparison::Difference>& differences, int shown = 10);

    // Records whose command does not fit a device record (over 247 bytes),
    // each named as in the messages; empty when the program fits.
    QStringList oversizedRecords() const;

    static constexpr int StoreFrames = DeviceRecordLayout::Records;
    static constexpr int LoadRecords = DeviceRecordLayout::Records;

private:
    class Session;
    Result storeAll();
    Result loadInto(ProgramRecords* target);
    void finish(Result* result) const;

    ProgramRecords* m_data;
    SerialLink* m_link;
    Progress m_progress;
    CancelCheck m_cancelCheck;
    int m_attempts = SerialFrame::Attempts;
};

#endif // PROGRAMTRANSFER_H
