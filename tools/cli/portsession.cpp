#include "portsession.h"

#include "appdata.h"
#include "clicommon.h"
#include "programtransfer.h"
#include "seriallink.h"

#include <QBuffer>
#include <QStringList>

namespace {

// A command text the device never sends back (it is not hex), so a record
// that still holds it after a load did not arrive.
const QString NotLoaded = QStringLiteral("not loaded");

// The transfer reports grid positions, and a key's first position also
// carries its second layer; people count the records the device gets.
int storedRecords(int positions, int positionsPerKey)
{
    return positions + (positions + positionsPerKey - 1) / positionsPerKey;
}

} // namespace

void markNotLoaded(AppDataManager* data)
{
    for (int x = 1; x <= data->getMaxButtonId(); ++x) {
        for (int y = 1; y <= data->getMaxLinkId(); ++y) {
            if (LinkData* record = data->getDataObject(x, y)) {
                record->setCommand(NotLoaded);
            }
        }
        if (ButtonData* key = data->getButtonData(x)) {
            key->setSecondLayerCommand(NotLoaded);
        }
    }
}

QStringList notLoaded(const AppDataManager& data)
{
    QStringList names;
    for (int x = 1; x <= data.getMaxButtonId(); ++x) {
        const ButtonData* key = data.getButtonData(x);
        if (key && key->getCommand() == NotLoaded) {
            names << ConfigComparison::recordName(x, ConfigComparison::FirstLayer);
        }
        if (key && key->getSecondLayerCommand() == NotLoaded) {
            names << ConfigComparison::recordName(x, ConfigComparison::SecondLayer);
        }
        for (int y = 2; y <= data.getMaxLinkId(); ++y) {
            const LinkData* record = data.getDataObject(x, y);
            if (record && record->getCommand() == NotLoaded) {
                names << ConfigComparison::recordName(x, y);
            }
        }
    }
    return names;
}

VerifyResult verifyDevice(const AppDataManager& program, SerialLink* link, int attempts,
                          const std::function<void(int done, int total)>& progress)
{
    VerifyResult result;
    AppDataManager device(nullptr, nullptr);
    Cli::makeFreshModel(&device);
    markNotLoaded(&device);
    ProgramTransfer transfer(&device, link, progress);
    transfer.setAttempts(attempts);
    const ProgramTransfer::Result loaded = transfer.load();
    result.records = loaded.records;
    if (!loaded.ok) {
        result.error = loaded.error;
        return result;
    }
    // Compared with what never arrived, a fresh record would pass for the device's.
    if (const QStringList missing = notLoaded(device); !missing.isEmpty()) {
        result.error = QStringLiteral("the device sent %1 records; these did not arrive: %2")
                           .arg(loaded.records)
                           .arg(missing.join(QLatin1String("; ")));
        return result;
    }
    result.differences = ConfigComparison(device, program, ConfigComparison::Scope::Device).differences();
    result.ok = true;
    return result;
}

QString PortSession::Outcome::result() const
{
    if (ok) {
        return stored ? (verified ? QStringLiteral("stored, verified") : QStringLiteral("stored"))
                      : QStringLiteral("verified");
    }
    return verified && error.isEmpty() ? QStringLiteral("different") : QStringLiteral("failed");
}

QString PortSession::Outcome::summary() const
{
    QStringList parts;
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
    if (!error.isEmpty()) {
        parts << QStringLiteral("failed: %1").arg(error);
    }
    return parts.join(QLatin1String(", "));
}

QString PortSession::describe(const ConfigComparison::Difference& difference)
{
    return QStringLiteral("%1: %2 %3 on the device, %4 in the file")
        .arg(difference.record, difference.fieldName, difference.valueA, difference.valueB);
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
        if (!outcome.error.isEmpty()) {
            say(QStringLiteral("failed: %1").arg(outcome.error));
        }
        return outcome;
    };

    AppDataManager program(nullptr, nullptr);
    Cli::makeFreshModel(&program);
    QBuffer bytes(&m_program);
    if (!bytes.open(QIODevice::ReadOnly) || !program.loadConfigFile(&bytes)) {
        outcome.error = QStringLiteral("the configuration could not be read");
        return finish();
    }

    SerialLink link;
    if (!link.open(m_options.port)) {
        outcome.error = QStringLiteral("cannot open the port: %1").arg(link.errorString());
        return finish();
    }
    link.setTimeout(m_options.timeoutMs);
    ProgramTransfer transfer(&program, &link);
    transfer.setAttempts(m_options.attempts);
    if (!transfer.handshake()) {
        outcome.error = QStringLiteral("handshake failed: %1").arg(transfer.errorString());
        return finish();
    }
    say(QStringLiteral("connected"));

    bool ok = true;
    if (m_task != Task::Verify) {
        ok = storeProgram(&program, &link, &outcome);
    }
    if (ok && m_task != Task::Store) {
        ok = verifyProgram(program, &link, &outcome);
    }
    // The editor ends every session this way, also after a failed transfer.
    if (!transfer.sayGoodbye()) {
        const QString farewell = QStringLiteral("farewell failed: %1").arg(transfer.errorString());
        outcome.error = outcome.error.isEmpty() ? farewell : outcome.error;
        ok = false;
    }
    outcome.ok = ok;
    return finish();
}

bool PortSession::storeProgram(AppDataManager* program, SerialLink* link, Outcome* outcome)
{
    const int perKey = qMax(1, program->getMaxLinkId());
    ProgramTransfer transfer(program, link, [this, perKey](int done, int total) {
        if (done % perKey == 0 || done == total) {
            const bool inRecords = total == ProgramTransfer::StoreFrames;
            say(QStringLiteral("stored %1 of %2 records")
                    .arg(inRecords ? done : storedRecords(done, perKey))
                    .arg(inRecords ? total : storedRecords(total, perKey)));
        }
    });
    transfer.setAttempts(m_options.attempts);
    const ProgramTransfer::Result result = transfer.store();
    outcome->records = result.records;
    if (!result.ok) {
        outcome->error = result.error;
        return false;
    }
    outcome->stored = true;
    return true;
}

bool PortSession::verifyProgram(const AppDataManager& program, SerialLink* link, Outcome* outcome)
{
    say(QStringLiteral("reading the program back"));
    const VerifyResult result = verifyDevice(program, link, m_options.attempts, [this](int done, int total) {
        if (done > 0 && (done % 6 == 0 || done == total)) {
            say(QStringLiteral("read %1 of %2 records").arg(done).arg(total));
        }
    });
    if (!outcome->stored) {
        outcome->records = result.records;
    }
    if (!result.ok) {
        outcome->error = QStringLiteral("verify failed: %1").arg(result.error);
        return false;
    }
    outcome->verified = true;
    outcome->differences = result.differences;
    // A lone verify lists them on standard output instead.
    if (m_task == Task::StoreAndVerify) {
        for (const ConfigComparison::Difference& difference : result.differences) {
            say(describe(difference));
        }
    }
    const qsizetype count = result.differences.size();
    say(count == 0 ? QStringLiteral("verified: the device holds the program")
                   : QStringLiteral("verify found %1 %2").arg(count).arg(count == 1 ? "difference" : "differences"));
    return result.differences.isEmpty();
}
