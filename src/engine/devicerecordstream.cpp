#include "devicerecordstream.h"

namespace {

using namespace DeviceRecordLayout;

// An inner start is taken for the next record only with this much of its
// header inside the outer one: tag, length, key, '-' and link.
constexpr int InnerEvidence = LinkOffset + 1;

// How many bytes at the end could be the start of a tag the next bytes complete.
qsizetype partialTagAtEnd(QByteArrayView bytes)
{
    for (qsizetype keep = qMin<qsizetype>(Tag.size() - 1, bytes.size()); keep > 0; --keep) {
        if (bytes.endsWith(Tag.first(keep))) {
            return keep;
        }
    }
    return 0;
}

} // namespace

DeviceRecordStream::DeviceRecordStream(int keys, int links)
    : m_keys(qBound(1, keys, 255))
    , m_links(qBound(1, links, SecondLayer - 1))
    , m_seen(expectedRecords(), false)
{
}

bool DeviceRecordStream::inGrid(int key, int link) const
{
    return key >= 1 && key <= m_keys && ((link >= 1 && link <= m_links) || link == SecondLayer);
}

int DeviceRecordStream::slot(int key, int link) const
{
    return (key - 1) * (m_links + 1) + (link == SecondLayer ? m_links : link - 1);
}

bool DeviceRecordStream::hasRecord(int key, int link) const
{
    return inGrid(key, link) && m_seen.at(slot(key, link));
}

QList<DeviceRecordStream::Key> DeviceRecordStream::missingRecords() const
{
    QList<Key> missing;
    for (const Key& key : recordOrder(m_keys, m_links)) {
        if (!hasRecord(key.first, key.second)) {
            missing.append(key);
        }
    }
    return missing;
}

QStringList DeviceRecordStream::missingNames() const
{
    QStringList names;
    for (const Key& key : missingRecords()) {
        names.append(recordName(key.first, key.second));
    }
    return names;
}

bool DeviceRecordStream::isWholeRecord(QByteArrayView record) const
{
    DeviceRecordStream probe(m_keys, m_links);
    const QList<QByteArray> found = probe.feed(record);
    return found.size() == 1 && found.first() == record;
}

// Checks the header bytes of `bytes` (which starts with the tag) that lie
// before `end` and have arrived; the key and link are left to the caller.
bool DeviceRecordStream::headerConsistent(QByteArrayView bytes, qsizetype end) const
{
    const qsizetype known = qMin(qMin(end, bytes.size()), qsizetype(HeaderSize));
    if (known <= LengthOffset) {
        return true;
    }
    const int length = byteAt(bytes, LengthOffset);
    if (length < MinLength) {
        return false;
    }
    const bool hasCommand = length > MinLength;
    return (known <= DashOffset || bytes.at(DashOffset) == Dash)
        && (known <= BaudOffset || byteAt(bytes, BaudOffset) <= MaxBaudByte)
        && (known <= ParityOffset || byteAt(bytes, ParityOffset) <= MaxParityByte)
        && (known <= CommandFlagOffset || bytes.at(CommandFlagOffset) == (hasCommand ? CommandFollows : NoCommand))
        && (known <= EndMarkOffset || bytes.at(EndMarkOffset) == EndMark);
}

DeviceRecordStream::Verdict DeviceRecordStream::judge(qsizetype* cutAt)
{
    const QByteArrayView bytes(m_pending);
    const qsizetype n = bytes.size();
    if (!headerConsistent(bytes, HeaderSize)) {
        return Verdict::Malformed;
    }
    if (n < HeaderSize) {
        return Verdict::NeedMore;
    }
    const qsizetype size = FrameHeaderSize + byteAt(bytes, LengthOffset);
    // A consistent header makes every inner start inside the header impossible.
    qsizetype p = qMax<qsizetype>(m_scanFrom, HeaderSize);
    for (; p + Tag.size() <= qMin(n, size); ++p) {
        if (bytes.sliced(p, Tag.size()) != Tag || size - p < InnerEvidence) {
            continue;
        }
        const qsizetype windowEnd = qMin<qsizetype>(p + HeaderSize, size);
        if (windowEnd > n) {
            m_scanFrom = p;
            return Verdict::NeedMore;
        }
        const QByteArrayView inner = bytes.sliced(p, windowEnd - p);
        if (headerConsistent(inner, inner.size()) && inGrid(byteAt(inner, KeyOffset), byteAt(inner, LinkOffset))) {
            *cutAt = p;
            return Verdict::Cut;
        }
    }
    m_scanFrom = p;
    if (n < size) {
        return Verdict::NeedMore;
    }
    return inGrid(byteAt(bytes, KeyOffset), byteAt(bytes, LinkOffset)) ? Verdict::Whole : Verdict::Stray;
}

void DeviceRecordStream::skip(qsizetype count)
{
    m_pending.remove(0, count);
    m_scanFrom = 0;
    m_noiseBytes += int(count);
    if (m_noiseBytes > MaxNoiseBytes) {
        m_state = State::TooMuchNoise;
    }
}

void DeviceRecordStream::accept(QList<QByteArray>* records)
{
    const qsizetype size = FrameHeaderSize + byteAt(m_pending, LengthOffset);
    const QByteArray record = m_pending.left(size);
    m_pending.remove(0, size);
    m_scanFrom = 0;

    const int key = byteAt(record, KeyOffset);
    const int link = byteAt(record, LinkOffset);
    if (!inGrid(key, link)) {
        ++m_strayRecords;
    } else if (m_seen.at(slot(key, link))) {
        ++m_repeated;
    } else {
        m_seen[slot(key, link)] = true;
        ++m_distinct;
        records->append(record);
        if (m_distinct == expectedRecords()) {
            m_state = State::Complete;
        }
        return;
    }
    if (m_strayRecords + m_repeated > MaxStrayRecords) {
        m_state = State::TooManyStrays;
        return;
    }
    if (inGrid(key, link)) {
        records->append(record); // a repeat is whole too: the device may send one again
    }
}

QList<QByteArray> DeviceRecordStream::feed(QByteArrayView bytes)
{
    QList<QByteArray> records;
    if (isFinished()) {
        return records;
    }
    m_pending.append(bytes.data(), bytes.size());
    while (m_state == State::Reading) {
        const qsizetype at = m_pending.indexOf(Tag);
        if (at < 0) {
            skip(m_pending.size() - partialTagAtEnd(m_pending));
            break;
        }
        if (at > 0) {
            skip(at);
            continue;
        }
        qsizetype cutAt = 0;
        const Verdict verdict = judge(&cutAt);
        if (verdict == Verdict::NeedMore) {
            break;
        }
        switch (verdict) {
        case Verdict::Malformed:
            // Not a record after all: look again from the next byte.
            ++m_malformed;
            skip(1);
            break;
        case Verdict::Cut:
            ++m_cutRecords;
            skip(cutAt);
            break;
        case Verdict::Whole:
        case Verdict::Stray:
            accept(&records);
            break;
        case Verdict::NeedMore:
            break;
        }
    }
    if (isFinished()) {
        m_pending.clear();
    }
    return records;
}

int DeviceRecordStream::bytesWanted() const
{
    if (isFinished()) {
        return 0;
    }
    if (m_pending.size() < FrameHeaderSize) {
        return FrameHeaderSize - int(m_pending.size());
    }
    const int size = FrameHeaderSize + byteAt(m_pending, LengthOffset);
    return qMax(1, size - int(m_pending.size()));
}
