#include "programtransfer.h"
#include "appdata.h"
#include "serialframe.h"
#include "seriallink.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ProgramTransfer", text);
}

constexpr int SecondLayer = 6;
constexpr int TagSize = 4;
constexpr int RecordHeaderSize = 13;
// Bytes that are not records (line noise, a stray answer) are skipped while
// the device keeps talking; this many of them means it is not sending records.
constexpr int MaxSkippedBytes = 4096;
// Records that fit no key are passed over; this many means something is wrong.
constexpr int MaxStrayRecords = ProgramTransfer::LoadRecords;

// The name the user knows a record by: "Key 2", "Key 2, second layer", "Key 2, link 3".
QString recordName(int x, int y)
{
    if (y == 1) {
        return tr("Key %1").arg(x);
    }
    if (y == SecondLayer) {
        return tr("Key %1, second layer").arg(x);
    }
    return tr("Key %1, link %2").arg(x).arg(y);
}

int byteAt(const QByteArray& bytes, int offset)
{
    return offset < bytes.size() ? static_cast<uchar>(bytes.at(offset)) : 0;
}

// How many bytes at the end of `bytes` could be the start of a tag that the
// next read completes ("S", "SE", "SET").
int partialTagAtEnd(const QByteArray& bytes)
{
    static const QByteArray tag("SETS");
    for (int keep = qMin<int>(TagSize - 1, bytes.size()); keep > 0; --keep) {
        if (bytes.endsWith(tag.left(keep))) {
            return keep;
        }
    }
    return 0;
}

} // namespace

ProgramTransfer::ProgramTransfer(AppDataManager* data, SerialLink* link, Progress progress)
    : m_data(data)
    , m_link(link)
    , m_progress(std::move(progress))
{
}

bool ProgramTransfer::handshake()
{
    m_error.clear();
    if (!m_link || !m_link->isOpen()) {
        m_error = tr("The serial port is not open.");
        return false;
    }
    if (m_link->sendData("KVR210", m_attempts)) {
        return true;
    }
    m_error = tr("No connection to the device on %1. %2")
                  .arg(m_link->portName(), m_link->lastSendError());
    return false;
}

bool ProgramTransfer::sayGoodbye()
{
    m_error.clear();
    if (!m_link || !m_link->isOpen()) {
        m_error = tr("The serial port is not open.");
        return false;
    }
    if (m_link->sendData("ISPOK!", m_attempts)) {
        return true;
    }
    m_error = tr("The device did not confirm the end of the session. %1").arg(m_link->lastSendError());
    return false;
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
    Result result;
    m_error.clear();
    if (!m_data || !m_link) {
        result.error = m_error = tr("There is no program to store.");
        return result;
    }
    // Refuse before the first byte: a half-stored program is worse than none.
    const QStringList oversized = oversizedRecords();
    if (!oversized.isEmpty()) {
        result.error = m_error =
            tr("Nothing was sent. These commands are longer than %1 bytes and do not fit the device: %2.")
                .arg(MaxDeviceCommandBytes)
                .arg(oversized.join(QLatin1String("; ")));
        return result;
    }
    if (!m_link->isOpen()) {
        result.error = m_error = tr("The serial port is not open.");
        return result;
    }

    const int maxX = m_data->getMaxButtonId();
    const int maxY = m_data->getMaxLinkId();
    const int total = maxX * maxY;
    int done = 0;
    auto send = [&](const QByteArray& record, int x, int y) {
        if (m_link->sendData(record, m_attempts)) {
            ++result.records;
            return true;
        }
        result.error = m_error =
            tr("%1 was not confirmed by the device after %2 attempts; the store stopped there "
               "(%3 records stored). %4")
                .arg(recordName(x, y))
                .arg(m_attempts)
                .arg(result.records)
                .arg(m_link->lastSendError());
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
            if (m_progress) {
                m_progress(++done, total);
            }
        }
    }
    result.ok = true;
    return result;
}

ProgramTransfer::Result ProgramTransfer::load()
{
    Result result;
    m_error.clear();
    if (!m_data || !m_link) {
        result.error = m_error = tr("There is no program to load into.");
        return result;
    }
    if (!m_link->isOpen()) {
        result.error = m_error = tr("The serial port is not open.");
        return result;
    }
    if (!m_link->sendData("LOAD_DATA", m_attempts)) {
        result.error = m_error =
            tr("The device did not answer the load request. %1").arg(m_link->lastSendError());
        return result;
    }

    const int total = LoadRecords;
    int stray = 0;
    int skipped = 0;
    QByteArray pending;   // read from the port, not yet taken apart
    if (m_progress) {
        m_progress(0, total);
    }

    // Takes `count` bytes off the front as not belonging to any record.
    auto skip = [&](int count) {
        skipped += count;
        pending.remove(0, count);
    };

    while (result.records < total && stray <= MaxStrayRecords && skipped <= MaxSkippedBytes) {
        if (pending.size() < SerialFrame::HeaderSize) {
            const QByteArray more = m_link->readUpTo(SerialFrame::HeaderSize - pending.size());
            if (more.isEmpty()) {
                break;   // the device has nothing more to send
            }
            pending.append(more);
            continue;
        }
        // Find the start of a record; whatever comes before it is noise.
        const qsizetype at = pending.indexOf("SETS");
        if (at < 0) {
            skip(pending.size() - partialTagAtEnd(pending));
            continue;
        }
        if (at > 0) {
            skip(at);
            continue;
        }
        const int length = byteAt(pending, 4);
        const int size = SerialFrame::HeaderSize + length;
        if (size < RecordHeaderSize) {
            skip(1);   // "SETS" by chance, not a record header
            continue;
        }
        if (pending.size() < size) {
            pending.append(m_link->readUpTo(size - pending.size()));
        }
        if (pending.size() < size || pending.at(6) != '-') {
            // Cut short, or not a record after all: never apply a partial
            // record. Look again from the next byte, in case a whole record
            // starts inside what came.
            qDebug("incomplete record from the device");
            skip(1);
            continue;
        }
        const QByteArray record = pending.left(size);
        pending.remove(0, size);

        const int x = byteAt(record, 5);
        const int y = byteAt(record, 7);
        bool placed = false;
        if (y == SecondLayer) {
            if (ButtonData* key = m_data->getButtonData(x)) {
                key->decapsulationSecondLayer(record);
                placed = true;
            }
        } else if (LinkData* target = m_data->getDataObject(x, y)) {
            target->decapsulation(record);
            placed = true;
        }
        if (!placed) {
            qDebug("can't get obejct data");
            ++stray;
        } else {
            QByteArray ack = record;
            ack.replace(0, TagSize, "RETS");
            m_link->write(ack);
            ++result.records;
        }
        if (m_progress) {
            m_progress(qMin(result.records, total), total);
        }
    }

    if (result.records == 0) {
        result.error = m_error = tr("The device answered the load request but sent no records.");
        return result;
    }
    result.ok = true;
    return result;
}
