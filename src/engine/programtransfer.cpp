#include "programtransfer.h"
#include "appdata.h"
#include "devicerecordstream.h"
#include "diagnostics.h"
#include "serialframe.h"
#include "seriallink.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProgramTransfer)
};

using DeviceRecordLayout::recordName;
using DeviceRecordLayout::SecondLayer;

// "1 record", "12 records".
QString recordCount(int count)
{
    return count == 1 ? Text::tr("1 record") : Text::tr("%1 records").arg(count);
}

QString notOpen(const SerialLink* link)
{
    if (link && link->hasFailed()) {
        return Text::tr("The connection to the device was lost. %1").arg(link->errorString());
    }
    return Text::tr("The serial port is not open.");
}

} // namespace

// One operation on the link: hands the cancel check to the link for its
// length.
class ProgramTransfer::Session
{
public:
    explicit Session(ProgramTransfer* transfer)
        : m_link(transfer->m_link)
    {
        if (m_link) {
            m_link->setCancelCheck(transfer->m_cancelCheck);
        }
    }
    ~Session()
    {
        if (m_link) {
            m_link->setCancelCheck({});
        }
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

private:
    SerialLink* m_link;
};

ProgramTransfer::ProgramTransfer(ProgramRecords* data, SerialLink* link, Progress progress)
    : m_data(data)
    , m_link(link)
    , m_progress(std::move(progress))
{
}

void ProgramTransfer::finish(Result* result) const
{
    result->cancelled = m_link && m_link->isCancelled();
    result->portFailed = m_link && m_link->hasFailed();
    if (!result->ok && result->error.isEmpty()) {
        result->error = result->portFailed ? notOpen(m_link) : Text::tr("Cancelled.");
    }
}

ProgramTransfer::Result ProgramTransfer::handshake()
{
    Session session(this);
    Result result;
    if (!m_link || !m_link->isOpen()) {
        result.error = notOpen(m_link);
    } else if (m_link->sendData("KVR210", m_attempts)) {
        result.ok = true;
    } else {
        result.error = Text::tr("No connection to the device on %1. %2").arg(m_link->portName(), m_link->errorString());
    }
    finish(&result);
    return result;
}

ProgramTransfer::Result ProgramTransfer::sayGoodbye()
{
    Session session(this);
    Result result;
    if (!m_link || !m_link->isOpen()) {
        result.error = notOpen(m_link);
    } else if (m_link->sendData("ISPOK!", m_attempts)) {
        result.ok = true;
    } else {
        result.error = Text::tr("The device did not confirm the end of the session. %1").arg(m_link->errorString());
    }
    finish(&result);
    return result;
}

QStringList ProgramTransfer::oversizedRecords() const
{
    QStringList names;
    if (!m_data) {
        return names;
    }
    for (int x = 1; x <= m_data->getMaxButtonId(); ++x) {
        for (int y = 1; y <= m_data->getMaxLinkId(); ++y) {
            const LinkData* record = m_data->getDataObject(x, y);
            if (!record) {
                continue;
            }
            if (!record->fitsDeviceRecord()) {
                names.append(recordName(x, y));
            }
            if (y == 1) {
                const ButtonData* key = m_data->getButtonData(x);
                if (key && !key->secondLayerFitsDeviceRecord()) {
                    names.append(recordName(x, SecondLayer));
                }
            }
        }
    }
    return names;
}

ProgramTransfer::Result ProgramTransfer::store()
{
    Session session(this);
    Result result = storeAll();
    if (result.ok) {
        result.done = Text::tr("%1 stored").arg(recordCount(result.records));
    }
    finish(&result);
    return result;
}

ProgramTransfer::Result ProgramTransfer::storeAll()
{
    Result result;
    if (!m_data || !m_link) {
        result.error = Text::tr("There is no program to store.");
        return result;
    }
    // Refuse before the first byte: a half-stored program is worse than none.
    const QStringList oversized = oversizedRecords();
    if (!oversized.isEmpty()) {
        result.error = Text::tr(
                           "Nothing was sent. These commands are longer than %1 bytes and do not fit the device: %2.")
                           .arg(MaxDeviceCommandBytes)
                           .arg(oversized.join(QLatin1String("; ")));
        return result;
    }
    if (!m_link->isOpen()) {
        result.error = notOpen(m_link);
        return result;
    }

    const int maxX = m_data->getMaxButtonId();
    const int maxY = m_data->getMaxLinkId();
    // Counted in device records, as the load counts them: a key's first
    // position carries its second layer too.
    int total = 0;
    for (int x = 1; x <= maxX; ++x) {
        for (int y = 1; y <= maxY; ++y) {
            if (m_data->getDataObject(x, y)) {
                total += (y == 1 && m_data->getButtonData(x)) ? 2 : 1;
            }
        }
    }
    if (m_progress) {
        m_progress(0, total);
    }
    auto send = [&](const QByteArray& record, int x, int y) {
        if (m_link->sendData(record, m_attempts)) {
            ++result.records;
            if (m_progress) {
                m_progress(result.records, total);
            }
            return true;
        }
        if (m_link->hasFailed()) {
            result.error = Text::tr("The connection to the device was lost at %1 (%2 stored). %3")
                               .arg(recordName(x, y), recordCount(result.records), m_link->errorString());
        } else if (m_link->isCancelled() && m_link->lastAttempts().unconfirmed) {
            // The frame in flight was finished; its echo was not waited for.
            result.unconfirmed = 1;
            result.error = Text::tr("The store was cancelled at %1 (%2 confirmed by the device; %1 was sent without "
                                    "its confirmation).")
                               .arg(recordName(x, y), recordCount(result.records));
        } else if (m_link->isCancelled()) {
            result.error = Text::tr("The store was cancelled at %1 (%2 stored).")
                               .arg(recordName(x, y), recordCount(result.records));
        } else {
            result.error = Text::tr("%1 was not confirmed by the device after %2 attempts; the store stopped there "
                                    "(%3 stored). %4")
                               .arg(recordName(x, y))
                               .arg(m_attempts)
                               .arg(recordCount(result.records), m_link->errorString());
        }
        result.error += QLatin1Char(' ')
            + Text::tr("The device now holds a partial program and should be stored again.");
        return false;
    };
    for (int x = 1; x <= maxX; ++x) {
        for (int y = 1; y <= maxY; ++y) {
            // A configuration file may name more positions than there are
            // records; the device keeps what it had for those.
            if (const LinkData* record = m_data->getDataObject(x, y)) {
                if (!send(record->encapsulation(), x, y)) {
                    return result;
                }
                if (y == 1) {
                    const ButtonData* key = m_data->getButtonData(x);
                    if (key && !send(key->encapsulationSecondLayer(), x, SecondLayer)) {
                        return result;
                    }
                }
            }
        }
    }
    result.ok = true;
    return result;
}

ProgramTransfer::Result ProgramTransfer::load()
{
    Session session(this);
    Result result = loadInto(m_data);
    if (result.ok) {
        result.done = Text::tr("%1 loaded").arg(recordCount(result.records));
    }
    finish(&result);
    return result;
}

ProgramTransfer::Result ProgramTransfer::loadInto(ProgramRecords* target)
{
    Result result;
    if (!target || !m_link) {
        result.error = Text::tr("There is no program to load into.");
        return result;
    }
    if (!m_link->isOpen()) {
        result.error = notOpen(m_link);
        return result;
    }
    if (!m_link->sendData("LOAD_DATA", m_attempts)) {
        result.error = Text::tr("The device did not answer the load request. %1").arg(m_link->errorString());
        return result;
    }

    // The device's own grid, as far as the records here reach.
    DeviceRecordStream stream(qMin<int>(target->getMaxButtonId(), DeviceRecordLayout::Keys),
                              qMin<int>(target->getMaxLinkId(), DeviceRecordLayout::Links));
    const int total = stream.expectedRecords();
    if (m_progress) {
        m_progress(0, total);
    }
    int malformed = 0;
    int stray = 0;
    while (!stream.isFinished()) {
        // Whatever has come, never more than the record under way: the
        // device sends the next one only after this one's acknowledgement.
        const QByteArray bytes = m_link->readSome(stream.bytesWanted());
        if (bytes.isEmpty()) {
            break; // the device has nothing more to send, or the load was stopped
        }
        const QList<QByteArray> records = stream.feed(bytes);
        for (; malformed < stream.malformedRecords() + stream.cutRecords(); ++malformed) {
            qCDebug(kvrDiagnostics, "incomplete record from the device");
        }
        for (; stray < stream.strayRecords(); ++stray) {
            qCDebug(kvrDiagnostics, "can't get obejct data");
        }
        for (const QByteArray& record : records) {
            const int x = static_cast<uchar>(record.at(DeviceRecordLayout::KeyOffset));
            const int y = static_cast<uchar>(record.at(DeviceRecordLayout::LinkOffset));
            bool placed = false;
            if (y == SecondLayer) {
                if (ButtonData* key = target->getButtonData(x)) {
                    key->decapsulationSecondLayer(record);
                    // The device keeps no switch: a second-layer command it
                    // holds is one it plays.
                    key->setSecondLayerEnable(!key->getSecondLayerCommand().isEmpty());
                    placed = true;
                }
            } else if (LinkData* link = target->getDataObject(x, y)) {
                link->decapsulation(record);
                placed = true;
            }
            if (!placed) {
                // A file may name more positions than there are records.
                qCDebug(kvrDiagnostics, "can't get obejct data");
                continue;
            }
            QByteArray ack = record;
            ack.replace(0, DeviceRecordLayout::TagSize, DeviceRecordLayout::AckTag);
            m_link->write(ack); // refused once cancelled: nothing more goes out
        }
        result.records = stream.distinctRecords();
        if (m_progress && !records.isEmpty()) {
            m_progress(result.records, total);
        }
    }
    result.missing = stream.missingNames();

    if (m_link->isCancelled() || m_link->hasFailed()) {
        return result; // the reason is the link's
    }
    if (result.records == 0) {
        result.error = Text::tr("The device answered the load request but sent no records.");
        return result;
    }
    result.ok = true;
    return result;
}

ProgramTransfer::Result ProgramTransfer::verify(const ProgramRecords& expected,
                                                QList<ConfigComparison::Difference>* differences)
{
    Session session(this);
    if (differences) {
        differences->clear();
    }
    ProgramRecords device;
    device.newData(expected.getMaxButtonId(), expected.getMaxLinkId());
    Result result = loadInto(&device);
    if (!result.ok) {
        finish(&result);
        return result;
    }
    if (!result.missing.isEmpty()) {
        result.ok = false;
        result.error = Text::tr("The device sent %1 of %2 records; these did not arrive: %3.")
                           .arg(result.records)
                           .arg(result.records + result.missing.size())
                           .arg(result.missing.join(QLatin1String("; ")));
        finish(&result);
        return result;
    }
    if (differences) {
        *differences = ConfigComparison(device, expected, ConfigComparison::Scope::Device).differences();
    }
    result.done = Text::tr("%1 compared").arg(recordCount(result.records));
    return result;
}

QString ProgramTransfer::describeDifferences(const QList<ConfigComparison::Difference>& differences, int shown)
{
    QStringList lines;
    for (const ConfigComparison::Difference& difference : differences.mid(0, shown)) {
        lines << Text::tr("%1: %2 %3 on the device, %4 here")
                     .arg(difference.record, difference.subject(), difference.shownA(), difference.shownB());
    }
    if (differences.size() > shown) {
        lines << Text::tr("... and %n more.", nullptr, int(differences.size() - shown));
    }
    return lines.join(QLatin1Char('\n'));
}
