#include "portsession.h"

#include "appdata.h"
#include "clicommon.h"
#include "devicebackup.h"
#include "deviceprobe.h"
#include "devicerecordlayout.h"
#include "devicesession.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>

namespace {

// A line of progress every key's worth of records.
constexpr int RecordsPerLine = DeviceRecordLayout::Records / DeviceRecordLayout::Keys;

} // namespace

QString PortSession::Outcome::result() const
{
    if (interrupted) {
        return QStringLiteral("interrupted");
    }
    if (noDevice) {
        return QStringLiteral("no device");
    }
    if (ok) {
        return stored ? (verified ? QStringLiteral("stored, verified") : QStringLiteral("stored"))
                      : QStringLiteral("verified");
    }
    return verified && error.isEmpty() ? QStringLiteral("different") : QStringLiteral("failed");
}

QString PortSession::Outcome::summary() const
{
    if (noDevice) {
        return QStringLiteral("no device: %1").arg(error);
    }
    QStringList parts;
    if (!backup.isEmpty()) {
        parts << QStringLiteral("backed up to %1").arg(backup);
    }
    if (stored) {
        parts << QStringLiteral("stored");
    }
    if (verified && differences.isEmpty()) {
        parts << QStringLiteral("verified");
    } else if (verified) {
        QString text = differences.size() == 1
            ? QStringLiteral("1 difference: %1").arg(describe(differences.first()))
            : QStringLiteral("%1 differences: %2").arg(differences.size()).arg(describe(differences.first()));
        if (differences.size() > 1) {
            text += QStringLiteral(" and %1 more").arg(differences.size() - 1);
        }
        parts << text;
    }
    if (interrupted) {
        parts << QStringLiteral("interrupted: %1").arg(error);
    } else if (!error.isEmpty()) {
        parts << QStringLiteral("failed: %1").arg(error);
    }
    // A difference is the outcome, as the report and summary name it: said first.
    const QString said = parts.join(QLatin1String(", "));
    return result() == QLatin1String("different") ? QStringLiteral("different: %1").arg(said) : said;
}

QString PortSession::describe(const ConfigComparison::Difference& difference)
{
    return QStringLiteral("%1: %2 %3 on the device, %4 in the file")
        .arg(difference.record, difference.subject(), difference.shownA(), difference.shownB());
}

PortSession::PortSession(const QByteArray& program, Task task, Options options, Progress progress)
    : m_program(program)
    , m_task(task)
    , m_options(std::move(options))
    , m_progress(std::move(progress))
{
}

void PortSession::say(const QString& line) const
{
    if (m_progress) {
        m_progress(line);
    }
}

PortSession::Outcome PortSession::run()
{
    Outcome outcome;
    outcome.port = m_options.port;
    outcome.start = QDateTime::currentDateTimeUtc();
    auto finish = [this, &outcome]() {
        outcome.end = QDateTime::currentDateTimeUtc();
        if (outcome.noDevice) {
            say(QStringLiteral("no device: %1").arg(outcome.error));
        } else if (outcome.interrupted) {
            say(QStringLiteral("interrupted: %1").arg(outcome.error));
        } else if (!outcome.error.isEmpty()) {
            say(QStringLiteral("failed: %1").arg(outcome.error));
        }
        return outcome;
    };

    ProgramRecords program;
    Cli::makeFreshModel(&program);
    QBuffer bytes(&m_program);
    if (!bytes.open(QIODevice::ReadOnly) || !program.loadConfigFile(&bytes)) {
        outcome.error = QStringLiteral("the configuration could not be read");
        return finish();
    }

    QElapsedTimer clock;
    clock.start();
    auto event = [this, &clock](Event::Step step, int record = 0, int of = 0) {
        if (m_options.events) {
            m_options.events({step, record, of, clock.elapsed()});
        }
    };
    DeviceSession session({m_options.attempts, m_options.timeoutMs});
    session.setCancelCheck(m_options.cancel);
    session.link()->setTrace(m_options.trace);
    session.setProgress([this, &event](DeviceSession::Operation step, int done, int total) {
        // The backup's load says one line when it is made.
        const bool counted = done > 0 && step != DeviceSession::Operation::Load;
        if (counted) {
            event(step == DeviceSession::Operation::Store ? Event::Step::Record : Event::Step::Verify, done, total);
        }
        if (counted && (done % RecordsPerLine == 0 || done == total)) {
            const QString line = step == DeviceSession::Operation::Store ? QStringLiteral("stored %1 of %2 records")
                                                                         : QStringLiteral("read %1 of %2 records");
            say(line.arg(done).arg(total));
        }
    });
    bool ok = true;
    const DeviceSession::Once once = session.runOnce(m_options.port, [&](DeviceSession& device) {
        event(Event::Step::Connect);
        say(QStringLiteral("connected"));
        if (m_task != Task::Verify) {
            ok = (m_options.backupFolder.isEmpty() || backUpProgram(&device, &outcome))
                && storeProgram(&program, &device, &outcome);
        }
        if (ok && m_task != Task::Store) {
            ok = verifyProgram(&program, &device, &outcome);
        }
        DeviceSession::Result result;
        result.ok = ok;
        return result;
    });
    if (!once.opened) {
        outcome.noDevice = m_options.probe;
        outcome.error = QStringLiteral("cannot open the port: %1").arg(once.connection.error);
        return finish();
    }
    if (!once.connection.ok) {
        const DeviceProbe::Answer answer = DeviceProbe::unanswered(once.connection, *session.link());
        if (answer == DeviceProbe::Answer::Cancelled) {
            outcome.interrupted = true;
            outcome.error = QStringLiteral("before the handshake was answered");
        } else if (m_options.probe) {
            outcome.noDevice = true;
            outcome.error = DeviceProbe::unansweredText(answer, *session.link());
        } else {
            outcome.error = QStringLiteral("handshake failed: %1").arg(once.connection.error);
        }
        return finish();
    }
    if (outcome.interrupted) {
        // The farewell was not sent: it would tell a half-written device that all went well.
        return finish();
    }
    if (once.farewell.cancelled) {
        // Stored in full (and verified where asked), but not let go.
        outcome.interrupted = true;
        outcome.error = QStringLiteral("before the farewell");
        return finish();
    }
    if (!once.farewell.ok) {
        const QString farewell = QStringLiteral("farewell failed: %1").arg(once.farewell.error);
        outcome.error = outcome.error.isEmpty() ? farewell : outcome.error;
        ok = false;
    }
    outcome.ok = ok;
    outcome.done = ok ? outcome.result() : QString();
    return finish();
}

bool PortSession::backUpProgram(DeviceSession* session, Outcome* outcome)
{
    say(QStringLiteral("backing up the device's program"));
    const DeviceBackup::Result result = DeviceBackup(m_options.backupFolder, m_options.backupName).run(session);
    if (result.cancelled) {
        outcome->interrupted = true;
        outcome->error = QStringLiteral("while the device's program was backed up; nothing was stored");
        return false;
    }
    if (!result.ok) {
        outcome->error = QStringLiteral("backup failed: %1; nothing was stored").arg(result.error);
        return false;
    }
    outcome->backup = QDir::toNativeSeparators(result.path);
    say(result.done);
    return true;
}

bool PortSession::storeProgram(ProgramRecords* program, DeviceSession* session, Outcome* outcome)
{
    outcome->storeBegun = true;
    const DeviceSession::Result result = session->run(DeviceSession::Operation::Store, program);
    outcome->records = result.records;
    outcome->unconfirmed = result.unconfirmed;
    if (result.cancelled) {
        outcome->interrupted = true;
        outcome->error = result.unconfirmed == 0
            ? QStringLiteral("after %1 of %2 records were stored").arg(result.records).arg(DeviceRecordLayout::Records)
            : QStringLiteral("after the device confirmed %1 of %2 records; one more was sent without its "
                             "confirmation")
                  .arg(result.records)
                  .arg(DeviceRecordLayout::Records);
        return false;
    }
    if (!result.ok) {
        outcome->error = result.error;
        return false;
    }
    outcome->stored = true;
    return true;
}

bool PortSession::verifyProgram(ProgramRecords* program, DeviceSession* session, Outcome* outcome)
{
    say(QStringLiteral("reading the program back"));
    QList<ConfigComparison::Difference> differences;
    const DeviceSession::Result result = session->run(DeviceSession::Operation::Verify, program, &differences);
    if (!outcome->stored) {
        outcome->records = result.records;
    }
    if (result.cancelled) {
        outcome->interrupted = true;
        outcome->error = QStringLiteral("while the program was read back");
        return false;
    }
    if (!result.ok) {
        outcome->error = QStringLiteral("verify failed: %1").arg(result.error);
        return false;
    }
    outcome->verified = true;
    outcome->differences = differences;
    // A lone verify lists them on standard output instead.
    if (m_task == Task::StoreAndVerify) {
        for (const ConfigComparison::Difference& difference : differences) {
            say(describe(difference));
        }
    }
    const qsizetype count = differences.size();
    say(count == 0 ? QStringLiteral("verified: the device holds the program")
                   : QStringLiteral("verify found %1 %2").arg(count).arg(count == 1 ? "difference" : "differences"));
    return differences.isEmpty();
}
