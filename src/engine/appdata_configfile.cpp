// Configuration file: a 32-byte header, then typed data records of one field each.
#include "appdata.h"
#include "boundedread.h"
#include "diagnostics.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QFileDevice>
#include <QHash>
#include <QtEndian>

#include <functional>
#include <map>
#include <tuple>

namespace {

constexpr int UartDataSize = 16;

bool writeInt32(QIODevice* fd, qint32 value, qint64* result)
{
    const qint32 le = qToLittleEndian(value);
    *result = fd->write(reinterpret_cast<const char*>(&le), sizeof le);
    return *result == qint64(sizeof le);
}

qint32 readInt32(QIODevice* fd)
{
    char bytes[4] = {};
    fd->read(bytes, sizeof bytes);
    return qFromLittleEndian<qint32>(bytes);
}

// The payload size a typed record must have; -1 for text of any length.
int fixedPayloadSize(qint32 dataType)
{
    switch (dataType) {
    case DT_UartData:
    case DT_SecondLayerUartData:
        return UartDataSize;
    case DT_DelayTime:
    case DT_SecondLayerDelayTime:
        return 4;
    case DT_SecondLayerEnabled:
        return 1;
    default:
        return -1;
    }
}

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AppDataManager)
};

// The records a file's header announces: keys 1 to maxButtonId, each with records
// 1 to maxLinkId (none when either is below 1).
struct FileGrid {
    qint32 keys;
    qint32 links;
    bool holds(qint32 x, qint32 y) const { return x >= 1 && x <= keys && y >= 1 && y <= links; }
};

struct FieldKey {
    qint32 x;
    qint32 y;
    qint32 type;
    bool operator<(const FieldKey& other) const
    {
        return std::tie(x, y, type) < std::tie(other.x, other.y, other.type);
    }
};

// How often the writer writes a field of record (x, y): a key's own record carries
// two names, the inherited link name and then the key's name.
int timesWritten(qint32 y, qint32 dataType)
{
    return y == 1 && dataType == DT_ButtonName ? 2 : 1;
}

QString recordName(qint32 x, qint32 y)
{
    if (y == 1) {
        return Text::tr("Key %1").arg(x);
    }
    // A link by the label of the button that shows it, as everywhere else.
    return Text::tr("Key %1, link %2")
        .arg(x)
        .arg(y >= DeviceRecordLayout::FirstLink ? DeviceRecordLayout::linkButton(y) : y);
}

QString fieldName(qint32 dataType)
{
    switch (dataType) {
    case DT_ButtonName:
        return Text::tr("name");
    case DT_UartData:
        return Text::tr("line settings");
    case DT_Command:
        return Text::tr("command");
    case DT_DelayTime:
        return Text::tr("delay");
    case DT_SecondLayerEnabled:
        return Text::tr("second-layer switch");
    case DT_SecondLayerCommand:
        return Text::tr("second-layer command");
    case DT_SecondLayerUartData:
        return Text::tr("second-layer line settings");
    default:
        return Text::tr("second-layer delay");
    }
}

// The first field of the grid, in the writer's order, that the file does not hold, said
// as where the file ends when everything before it is there; empty when none is missing.
QString missingField(const FileGrid& grid, const std::map<FieldKey, int>& seen, qint64 fileSize)
{
    static const QList<qint32> keyOrder = {DT_ButtonName,          DT_UartData,           DT_Command,
                                           DT_DelayTime,           DT_ButtonName,         DT_SecondLayerEnabled,
                                           DT_SecondLayerUartData, DT_SecondLayerCommand, DT_SecondLayerDelayTime};
    static const QList<qint32> linkOrder = {DT_ButtonName, DT_UartData, DT_Command, DT_DelayTime};
    qint64 inGrid = 0;
    for (const auto& [key, count] : seen) {
        if (grid.holds(key.x, key.y)) {
            inGrid += count;
        }
    }
    // The counts are at most the model's (the caller refuses more).
    qint64 before = 0;
    for (qint32 x = 1; x <= grid.keys; ++x) {
        for (qint32 y = 1; y <= grid.links; ++y) {
            QHash<qint32, int> taken;
            for (qint32 type : y == 1 ? keyOrder : linkOrder) {
                const auto found = seen.find(FieldKey{x, y, type});
                const int count = found == seen.end() ? 0 : found->second;
                if (++taken[type] > count) {
                    const QString field = fieldName(type);
                    const QString record = recordName(x, y);
                    if (before == inGrid) {
                        return Text::tr("the file ends after %1 bytes, before the %2 of %3")
                            .arg(fileSize)
                            .arg(field, record);
                    }
                    return Text::tr("%2 lacks its %1").arg(field, record);
                }
                ++before;
            }
        }
    }
    return QString();
}

} // namespace

int ProgramRecords::writeDataHeader(QIODevice* fd, LinkData* dataObject, DataType dataType, int size)
{
    qint64 result = -1;
    const qint32 fields[] = {dataObject->xId(), dataObject->yId(), size, dataType};
    for (qint32 field : fields) {
        if (!writeInt32(fd, field, &result)) {
            return -1;
        }
    }
    return int(result);
}

int ProgramRecords::writeStringData(QIODevice* fd, LinkData* dataObject, DataType dataType, QString data)
{
    // One byte per character, so the reader gets back what was written.
    const QByteArray bytes = data.toLatin1();
    const int header = writeDataHeader(fd, dataObject, dataType, int(bytes.size()));
    if (header < 0 || bytes.isEmpty()) {
        return header;
    }
    return fd->write(bytes) == bytes.size() ? int(bytes.size()) : -1;
}

int ProgramRecords::writeBoolData(QIODevice* fd, LinkData* dataObject, DataType dataType, bool data)
{
    if (writeDataHeader(fd, dataObject, dataType, 1) < 0) {
        return -1;
    }
    const char flag = data ? 1 : 0;
    return int(fd->write(&flag, 1));
}

int ProgramRecords::writeIntData(QIODevice* fd, LinkData* dataObject, DataType dataType, int data)
{
    if (writeDataHeader(fd, dataObject, dataType, 4) < 0) {
        return -1;
    }
    qint64 result = -1;
    writeInt32(fd, data, &result);
    return int(result);
}

int ProgramRecords::writeUartData(QIODevice* fd, LinkData* dataObject, DataType dataType, const UartData* uartData)
{
    if (writeDataHeader(fd, dataObject, dataType, UartDataSize) < 0) {
        return -1;
    }
    qint64 result = -1;
    const qint32 fields[] = {uartData->baudRate, uartData->parity, uartData->dataBits, uartData->stopBits};
    for (qint32 field : fields) {
        if (!writeInt32(fd, field, &result)) {
            return -1;
        }
    }
    return int(result);
}

QString ProgramRecords::readStringData(QIODevice* fd, int dataSize)
{
    QByteArray bytes = fd->read(qMax(0, dataSize));
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0) {
        bytes.truncate(zero);
    }
    return QString::fromLatin1(bytes);
}

void ProgramRecords::readUartData(QIODevice* fd, UartData* uartData)
{
    uartData->baudRate = static_cast<BaudRate>(readInt32(fd));
    uartData->parity = static_cast<Parity>(readInt32(fd));
    uartData->dataBits = static_cast<DataBits>(readInt32(fd));
    uartData->stopBits = static_cast<StopBits>(readInt32(fd));
}

int ProgramRecords::readIntData(QIODevice* fd)
{
    return readInt32(fd);
}

bool ProgramRecords::readBoolData(QIODevice* fd)
{
    char flag = 0;
    fd->read(&flag, 1);
    return flag != 0;
}

bool ProgramRecords::saveConfigFile(QIODevice* fd)
{
    bool ok = true;
    auto check = [&ok](qint64 written) {
        if (written < 0) {
            ok = false;
        }
    };

    qint64 result = 0;
    const qint32 header[8] = {
        qint32(ConfigFileVersion), qint32(ConfigFileDeviceId), m_maxButtonId, m_maxLinkId, 0, 0, 0, 0};
    for (qint32 field : header) {
        ok = writeInt32(fd, field, &result) && ok;
    }
    if (!ok) {
        qCDebug(kvrDiagnostics, "save config file error ! write failed");
        return false;
    }

    for (int x = 1; x <= m_maxButtonId; ++x) {
        for (int y = 1; y <= m_maxLinkId; ++y) {
            LinkData* record = getDataObject(x, y);
            if (!record) {
                qCDebug(kvrDiagnostics, "save config file error ! x= %d, y=%d", x, y);
                return false;
            }
            UartData uart;
            record->getUartData(&uart);
            check(writeStringData(fd, record, DT_ButtonName, record->getLinkName()));
            check(writeUartData(fd, record, DT_UartData, &uart));
            check(writeStringData(fd, record, DT_Command, record->getCommand()));
            check(writeIntData(fd, record, DT_DelayTime, record->getDelayTime()));
            if (y == 1) {
                auto* button = static_cast<ButtonData*>(record);
                button->getSecondLayerUartData(&uart);
                check(writeStringData(fd, record, DT_ButtonName, button->getButtonName()));
                check(writeBoolData(fd, record, DT_SecondLayerEnabled, button->isSecondLayerEnabled()));
                check(writeUartData(fd, record, DT_SecondLayerUartData, &uart));
                check(writeStringData(fd, record, DT_SecondLayerCommand, button->getSecondLayerCommand()));
                check(writeIntData(fd, record, DT_SecondLayerDelayTime, button->getSecondLayerDelayTime()));
            }
            if (!ok) {
                qCDebug(kvrDiagnostics, "save config file error ! write failed at x= %d, y=%d", x, y);
                return false;
            }
        }
    }
    // A buffered device may only report a full disk when it is flushed.
    if (auto* file = qobject_cast<QFileDevice*>(fd); file && !file->flush()) {
        qCDebug(kvrDiagnostics, "save config file error ! write failed");
        return false;
    }
    return true;
}

QByteArray ProgramRecords::configFileBytes()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return saveConfigFile(&buffer) ? buffer.data() : QByteArray();
}

bool ProgramRecords::loadConfigFileBytes(const QByteArray& bytes, QString* error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadConfigFile(&buffer, error);
}

ConfigFileLoad ProgramRecords::loadConfigFileFrom(const QString& path, QByteArray* content)
{
    m_loadError.clear();
    QByteArray bytes;
    QString unreadable;
    if (!readBounded(path, MaxUserFileBytes, &bytes, &unreadable)) {
        return ConfigFileLoad::unreadable(unreadable);
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (!loadConfigFile(&buffer)) {
        return ConfigFileLoad::refused(path, m_loadError);
    }
    if (content) {
        *content = bytes;
    }
    return ConfigFileLoad::loaded();
}

namespace {

bool refuse(QString* error, const QString& reason)
{
    if (error) {
        *error = reason;
    }
    return false;
}

// Reads a configuration file's content into a list of changes first, so a file that
// turns out to be damaged half way changes nothing; the first thing wrong refuses it.
class ConfigFileReader
{
public:
    ConfigFileReader(ProgramRecords* records, const QByteArray& content)
        : m_records(records)
        , m_size(content.size())
    {
        m_in.setData(content);
        m_in.open(QIODevice::ReadOnly);
    }

    bool read(QString* error);
    void apply() const
    {
        for (const auto& change : m_changes) {
            change();
        }
    }

private:
    bool readHeader(QString* error);
    bool readRecord(QString* error);
    void readField(const DataHeader& header, LinkData* record);

    ProgramRecords* m_records;
    qint64 m_size;
    QBuffer m_in;
    FileGrid m_grid{0, 0};
    QList<std::function<void()>> m_changes;
    std::map<FieldKey, int> m_seen;
};

bool ConfigFileReader::read(QString* error)
{
    if (!readHeader(error)) {
        return false;
    }
    while (!m_in.atEnd()) {
        if (!readRecord(error)) {
            return false;
        }
    }
    const QString missing = missingField(m_grid, m_seen, m_size);
    if (!missing.isEmpty()) {
        qCDebug(kvrDiagnostics, "error file data: a field is missing");
        return refuse(error, missing);
    }
    return true;
}

bool ConfigFileReader::readHeader(QString* error)
{
    if (m_size < FileHeaderSize || quint32(readInt32(&m_in)) != ConfigFileVersion
        || quint32(readInt32(&m_in)) != ConfigFileDeviceId) {
        qCDebug(kvrDiagnostics, "error file Header");
        return refuse(error, Text::tr("it does not begin as a configuration file does"));
    }
    // The header's key and record counts are not taken: the model keeps the shape it was
    // made with, and records outside it are passed over below. They do say which records
    // the file holds: the writer writes every field of each of them once. A file of more
    // than the model holds was never written by it, and counting its fields would not end.
    m_grid.keys = readInt32(&m_in);
    m_grid.links = readInt32(&m_in);
    const int maxKeys = m_records->getMaxButtonId();
    const int maxLinks = m_records->getMaxLinkId();
    // Nor was a file of no keys or no records: what it held is then not known,
    // and defaults would take the place of whatever was cut off.
    if (m_grid.keys < 1 || m_grid.keys > maxKeys) {
        qCDebug(kvrDiagnostics, "error file Header: %d keys", m_grid.keys);
        const QString why = m_grid.keys < 1
            ? Text::tr("its header announces %1 keys, fewer than the 1 to %2 a configuration holds")
            : Text::tr("its header announces %1 keys, more than the %2 a configuration holds");
        return refuse(error, why.arg(m_grid.keys).arg(maxKeys));
    }
    if (m_grid.links < 1 || m_grid.links > maxLinks) {
        qCDebug(kvrDiagnostics, "error file Header: %d records a key", m_grid.links);
        const QString why = m_grid.links < 1
            ? Text::tr("its header announces %1 records a key, fewer than the 1 to %2 a configuration holds")
            : Text::tr("its header announces %1 records a key, more than the %2 a configuration holds");
        return refuse(error, why.arg(m_grid.links).arg(maxLinks));
    }
    m_in.seek(FileHeaderSize);
    return true;
}

// One data record: its header, checked, and its field queued when the model has it.
bool ConfigFileReader::readRecord(QString* error)
{
    const qint64 at = m_in.pos();
    if (m_in.bytesAvailable() < DataHeaderSize) {
        qCDebug(kvrDiagnostics, "error file data: the file ends inside a data header");
        return refuse(error, Text::tr("the file ends after %1 bytes, inside a data record").arg(m_size));
    }
    DataHeader header;
    header.xId = readInt32(&m_in);
    header.yId = readInt32(&m_in);
    header.dataSize = readInt32(&m_in);
    header.dataType = readInt32(&m_in);
    if (header.dataSize < 0 || header.dataSize > MaxDataRecordSize) {
        qCDebug(kvrDiagnostics, "error file data: bad data size %d", header.dataSize);
        return refuse(
            error,
            Text::tr("the data record at byte %1 gives an impossible size (%2 bytes)").arg(at).arg(header.dataSize));
    }
    if (header.dataSize > m_in.bytesAvailable()) {
        qCDebug(kvrDiagnostics, "error file data: bad data size %d", header.dataSize);
        return refuse(error, Text::tr("the file ends after %1 bytes, inside a data record").arg(m_size));
    }
    const qint64 next = m_in.pos() + header.dataSize;

    // A record that is passed over skips its dataSize bytes whatever its
    // type; only a field that would be applied must have its own size.
    LinkData* record = m_records->getDataObject(header.xId, header.yId);
    const bool secondLayer = header.dataType >= DT_SecondLayerEnabled && header.dataType <= DT_SecondLayerDelayTime;
    const bool knownField = header.dataType >= DT_ButtonName && header.dataType <= DT_SecondLayerDelayTime
        && (!secondLayer || header.yId == 1);
    // Each field of the file's records, and of the model's, may come only as often as
    // the writer writes it: a repeat is a second file, or a part of one, run on.
    if (knownField && (record || m_grid.holds(header.xId, header.yId))) {
        const FieldKey key{header.xId, header.yId, header.dataType};
        if (++m_seen[key] > timesWritten(header.yId, header.dataType)) {
            qCDebug(kvrDiagnostics, "error file data: field %d of x= %d, y=%d repeats", header.dataType, header.xId,
                    header.yId);
            return refuse(error,
                          Text::tr("%2 repeats its %1 at byte %3")
                              .arg(fieldName(header.dataType), recordName(header.xId, header.yId))
                              .arg(at));
        }
    }
    const int fixedSize = fixedPayloadSize(header.dataType);
    if (!record) {
        qCDebug(kvrDiagnostics, "null data oabject");
    } else if (!knownField) {
        // Unknown field, or a second layer addressed to a link: passed over.
    } else if (fixedSize >= 0 && header.dataSize != fixedSize) {
        qCDebug(kvrDiagnostics, "error file data: bad data size %d for type %d", header.dataSize, header.dataType);
        return refuse(error,
                      Text::tr("the %1 of %2 at byte %3 has the wrong size (%4 bytes)")
                          .arg(fieldName(header.dataType), recordName(header.xId, header.yId))
                          .arg(at)
                          .arg(header.dataSize));
    } else {
        readField(header, record);
    }
    m_in.seek(next);
    return true;
}

// Queues the change a known field of the right size makes to `record`.
void ConfigFileReader::readField(const DataHeader& header, LinkData* record)
{
    auto* button = header.yId == 1 ? static_cast<ButtonData*>(record) : nullptr;
    switch (header.dataType) {
    case DT_ButtonName: {
        const QString name = m_records->readStringData(&m_in, header.dataSize);
        if (button) {
            m_changes.append([button, name] { button->setButtonName(name); });
        } else {
            m_changes.append([record, name] { record->setLinkName(name); });
        }
        break;
    }
    case DT_UartData: {
        UartData uart;
        m_records->readUartData(&m_in, &uart);
        m_changes.append([record, uart] { record->setUartData(&uart); });
        break;
    }
    case DT_Command: {
        const QString command = m_records->readStringData(&m_in, header.dataSize);
        m_changes.append([record, command] { record->setCommand(command); });
        break;
    }
    case DT_DelayTime: {
        const int delay = m_records->readIntData(&m_in);
        m_changes.append([record, delay] { record->setDelayTime(delay); });
        break;
    }
    case DT_SecondLayerEnabled: {
        const bool enabled = m_records->readBoolData(&m_in);
        m_changes.append([button, enabled] { button->setSecondLayerEnable(enabled); });
        break;
    }
    case DT_SecondLayerCommand: {
        const QString command = m_records->readStringData(&m_in, header.dataSize);
        m_changes.append([button, command] { button->setSecondLayerCommand(command); });
        break;
    }
    case DT_SecondLayerUartData: {
        UartData uart;
        m_records->readUartData(&m_in, &uart);
        m_changes.append([button, uart] { button->setSecondLayerUartData(&uart); });
        break;
    }
    case DT_SecondLayerDelayTime: {
        const int delay = m_records->readIntData(&m_in);
        m_changes.append([button, delay] { button->setSecondLayerDelayTime(delay); });
        break;
    }
    }
}

} // namespace

bool ProgramRecords::loadConfigFile(QIODevice* fd, QString* error)
{
    m_loadError.clear();
    // A full configuration, all 36 commands at the 64 KiB a data record may hold and every
    // other field with it, comes to about 2.3 MiB: anything beyond the bound is not one of
    // ours, and an endless device is not read to the end of the memory.
    QByteArray content;
    if (!readBounded(fd, MaxUserFileBytes, &content, &m_loadError)) {
        qCDebug(kvrDiagnostics, "error file size: more than %lld bytes, or unreadable", MaxUserFileBytes);
        return refuse(error, m_loadError);
    }
    ConfigFileReader reader(this, content);
    if (!reader.read(&m_loadError)) {
        return refuse(error, m_loadError);
    }
    reader.apply();
    return true;
}
