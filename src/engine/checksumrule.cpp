#include "checksumrule.h"

namespace {

struct RuleInfo {
    ChecksumRule::Rule rule;
    const char* name;
    int width;
    bool lowByteFirst;
};

constexpr RuleInfo Rules[] = {
    {ChecksumRule::Rule::Sum8, "sum8", 1, false},
    {ChecksumRule::Rule::Sum8Negated, "sum8-negated", 1, false},
    {ChecksumRule::Rule::Xor8, "xor8", 1, false},
    {ChecksumRule::Rule::Crc8, "crc8", 1, false},
    {ChecksumRule::Rule::Crc16Modbus, "crc16-modbus", 2, true},
    {ChecksumRule::Rule::Crc16CcittFalse, "crc16-ccitt-false", 2, false},
    {ChecksumRule::Rule::Crc16Xmodem, "crc16-xmodem", 2, false},
    {ChecksumRule::Rule::Crc32, "crc32", 4, false},
};

const RuleInfo& info(ChecksumRule::Rule rule)
{
    for (const RuleInfo& entry : Rules) {
        if (entry.rule == rule) {
            return entry;
        }
    }
    return Rules[0];
}

// Most significant bit first, no final XOR (crc8, crc16-ccitt-false, crc16-xmodem).
quint32 crcForward(const QByteArray& data, int bits, quint32 polynomial, quint32 initial)
{
    const quint32 top = 1u << (bits - 1);
    const quint32 mask = bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    quint32 crc = initial;
    for (const char c : data) {
        crc ^= quint32(uchar(c)) << (bits - 8);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & top) ? (crc << 1) ^ polynomial : crc << 1;
        }
        crc &= mask;
    }
    return crc;
}

// Least significant bit first, with the polynomial given reflected (crc16-modbus, crc32).
quint32 crcReflected(const QByteArray& data, quint32 reflectedPolynomial, quint32 initial)
{
    quint32 crc = initial;
    for (const char c : data) {
        crc ^= uchar(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? (crc >> 1) ^ reflectedPolynomial : crc >> 1;
        }
    }
    return crc;
}

} // namespace

namespace ChecksumRule {

QStringList names()
{
    QStringList list;
    for (const RuleInfo& entry : Rules) {
        list << QLatin1String(entry.name);
    }
    return list;
}

QString name(Rule rule)
{
    return QLatin1String(info(rule).name);
}

bool fromName(const QString& name, Rule* rule)
{
    for (const RuleInfo& entry : Rules) {
        if (name == QLatin1String(entry.name)) {
            *rule = entry.rule;
            return true;
        }
    }
    return false;
}

int width(Rule rule)
{
    return info(rule).width;
}

bool lowByteFirst(Rule rule)
{
    return info(rule).lowByteFirst;
}

quint32 compute(Rule rule, const QByteArray& data)
{
    quint32 sum = 0;
    switch (rule) {
    case Rule::Sum8:
    case Rule::Sum8Negated:
        for (const char c : data) {
            sum += uchar(c);
        }
        return (rule == Rule::Sum8 ? sum : 0u - sum) & 0xFFu;
    case Rule::Xor8:
        for (const char c : data) {
            sum ^= uchar(c);
        }
        return sum;
    case Rule::Crc8:
        return crcForward(data, 8, 0x07, 0);
    case Rule::Crc16Modbus:
        return crcReflected(data, 0xA001, 0xFFFF);
    case Rule::Crc16CcittFalse:
        return crcForward(data, 16, 0x1021, 0xFFFF);
    case Rule::Crc16Xmodem:
        return crcForward(data, 16, 0x1021, 0);
    case Rule::Crc32:
        return crcReflected(data, 0xEDB88320u, 0xFFFFFFFFu) ^ 0xFFFFFFFFu;
    }
    return 0;
}

} // namespace ChecksumRule
