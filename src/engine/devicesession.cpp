#include "devicesession.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProgramTransfer)
};

} // namespace

DeviceSession::DeviceSession()
    : DeviceSession(Options())
{
}

DeviceSession::DeviceSession(Options options)
    : m_options(options)
{
}

ProgramTransfer DeviceSession::transfer(ProgramRecords* records, Operation step)
{
    ProgramTransfer::Progress progress;
    if (m_progress) {
        progress = [this, step](int done, int total) { m_progress(step, done, total); };
    }
    ProgramTransfer transfer(records, &m_link, std::move(progress));
    transfer.setAttempts(m_options.attempts);
    transfer.setCancelCheck(m_cancelCheck);
    return transfer;
}

DeviceSession::Result DeviceSession::open(const QString& portName)
{
    Result result;
    result.ok = m_link.open(portName);
    if (result.ok) {
        m_link.setTimeout(m_options.timeoutMs);
    } else {
        result.error = m_link.errorString();
    }
    return result;
}

void DeviceSession::dropStaleInput()
{
    m_link.setCancelCheck(m_cancelCheck);
    QElapsedTimer clock;
    clock.start();
    while (m_link.isOpen() && clock.elapsed() < DrainLimitMs && !m_link.readUpTo(1, QuietMs).isEmpty()) {
        m_link.clear();
    }
}

DeviceSession::Result DeviceSession::connect()
{
    dropStaleInput();
    return transfer(nullptr, Operation::Load).handshake();
}

DeviceSession::Result DeviceSession::run(Operation operation, ProgramRecords* records, Differences* differences)
{
    switch (operation) {
    case Operation::Store:
        return transfer(records, Operation::Store).store();
    case Operation::Load:
        return transfer(records, Operation::Load).load();
    case Operation::Verify:
        if (!records) {
            Result result;
            result.error = Text::tr("There is no program to load into.");
            return result;
        }
        return transfer(nullptr, Operation::Verify).verify(*records, differences);
    case Operation::StoreAndVerify: {
        const Result stored = run(Operation::Store, records);
        return stored.ok ? run(Operation::Verify, records, differences) : stored;
    }
    }
    return {};
}

DeviceSession::Result DeviceSession::farewell()
{
    return transfer(nullptr, Operation::Load).sayGoodbye();
}

DeviceSession::Once DeviceSession::runOnce(const QString& portName, const std::function<Result(DeviceSession&)>& work)
{
    Once once;
    once.connection = open(portName);
    once.opened = once.connection.ok;
    if (once.opened) {
        once.connection = connect();
    }
    if (once.connection.ok) {
        once.work = work(*this);
        // Said also after a failed transfer, as the editor does when it lets go.
        once.farewell = farewell();
    }
    close();
    return once;
}
