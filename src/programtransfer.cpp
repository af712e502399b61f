#include "programtransfer.h"
#include "appdata.h"
#include "devicerecordstream.h"
#include "serialframe.h"
#include "seriallink.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ProgramTransfer", text);
}

constexpr int SecondLayer = DeviceRecordStream::SecondLayer;

QString recordName(int x, int y)
{
    return DeviceRecordStream::recordName(x, y);
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

    // The device's own grid, as far as the records here reach.
    DeviceRecordStream stream(qMin<int>(m_data->getMaxButtonId(), DeviceRecordStream::DeviceKeys),
                              qMin<int>(m_data->getMaxLinkId(), DeviceRecordStream::DeviceLinks));
    const int total = stream.expectedRecords();
    if (m_progress) {
        m_progress(0, total);
    }
    int malformed = 0;
    int stray = 0;
    while (!stream.isFinished()) {
        const QByteArray bytes = m_link->readUpTo(stream.bytesWanted());
        if (bytes.isEmpty()) {
            break;   // the device has nothing more to send
        }
        const QList<QByteArray> records = stream.feed(bytes);
        for (; malformed < stream.malformedRecords() + stream.cutRecords(); ++malformed) {
            qDebug("incomplete record from the device");
        }
        for (; stray < stream.strayRecords(); ++stray) {
            qDebug("can't get obejct data");
        }
        for (const QByteArray& record : records) {
            const int x = static_cast<uchar>(record.at(5));
            const int y = static_cast<uchar>(record.at(7));
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
                // A file may name more positions than there are records.
                qDebug("can't get obejct data");
                continue;
            }
            QByteArray ack = record;
            ack.replace(0, DeviceRecordStream::TagSize, "RETS");
            m_link->write(ack);
        }
        result.records = stream.distinctRecords();
        if (m_progress && !records.isEmpty()) {
            m_progress(result.records, total);
        }
    }
    result.missing = stream.missingNames();

    if (result.records == 0) {
        result.error = m_error = tr("The device answered the load request but sent no records.");
        return result;
    }
    result.ok = true;
    return result;
}
