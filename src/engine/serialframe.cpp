#include "serialframe.h"

namespace SerialFrame {

using DeviceRecordLayout::Tag;

quint16 crc(QByteArrayView data)
{
    return qChecksum(data, Qt::ChecksumIso3309);
}

QByteArray frame(const QByteArray& payload)
{
    // A device record brings its own header.
    if (payload.contains(Tag)) {
        return payload;
    }
    QByteArray framed;
    framed.reserve(HeaderSize + payload.size());
    framed.append(Tag.data(), Tag.size());
    framed.append(static_cast<char>(payload.size() & 0xFF));
    framed.append(payload);
    return framed;
}

quint16 expectedCrc(const QByteArray& payload)
{
    if (payload.contains(Tag)) {
        return crc(QByteArrayView(payload).sliced(qMin<qsizetype>(HeaderSize, payload.size())));
    }
    return crc(payload);
}

bool echoMatches(const QByteArray& echo, quint16 expected)
{
    if (echo.size() < HeaderSize) {
        return false;
    }
    return crc(QByteArrayView(echo).sliced(HeaderSize)) == expected;
}

} // namespace SerialFrame
