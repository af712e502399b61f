// Writes the seed corpus of the harnesses: kvr210c-fuzz-seeds DIR fills
// DIR/configfile, DIR/configjson and DIR/recordstream; with --check it only
// compares, and fails when a seed there differs from what it would write.
#include "appdata.h"
#include "configjson.h"
#include "fuzzsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

using Seeds = std::map<std::string, QByteArray>;

QByteArray int32(qint32 value)
{
    const qint32 le = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&le), sizeof le);
}

QByteArray fileHeader(quint32 version, quint32 deviceId, qint32 keys, qint32 links)
{
    return int32(qint32(version)) + int32(qint32(deviceId)) + int32(keys) + int32(links) + QByteArray(16, '\0');
}

QByteArray dataRecord(qint32 x, qint32 y, qint32 type, const QByteArray& payload, qint32 size = -1)
{
    return int32(x) + int32(y) + int32(size < 0 ? qint32(payload.size()) : size) + int32(type) + payload;
}

// The data records of a saved file, each whole, in file order.
QList<QByteArray> recordsOf(const QByteArray& file)
{
    QList<QByteArray> records;
    for (qsizetype at = FileHeaderSize; at + DataHeaderSize <= file.size();) {
        const qint32 size = qFromLittleEndian<qint32>(file.constData() + at + 8);
        records << file.mid(at, DataHeaderSize + size);
        at += DataHeaderSize + size;
    }
    return records;
}

QByteArray standardHeader()
{
    return fileHeader(ConfigFileVersion, ConfigFileDeviceId, 6, 5);
}

QByteArray savedModel(bool filled, bool odd)
{
    ProgramRecords model;
    model.newData(6, 5);
    if (filled) {
        Fuzz::fillModel(&model, odd);
    }
    return Fuzz::saveToBytes(&model);
}

QByteArray exportedModel(bool filled, bool odd, int version = ConfigJson::CurrentVersion)
{
    ProgramRecords model;
    model.newData(6, 5);
    if (filled) {
        Fuzz::fillModel(&model, odd);
    }
    return ConfigJson::toJsonText(model, version);
}

Seeds configFileSeeds()
{
    Seeds seeds;
    const QByteArray fresh = savedModel(false, false);
    const QByteArray filled = savedModel(true, false);
    seeds["fresh.app"] = fresh;
    seeds["filled.app"] = filled;
    seeds["odd-values.app"] = savedModel(true, true);
    seeds["header-only.app"] = standardHeader();

    QByteArray version = fresh;
    version[2] = 2;
    seeds["wrong-version.app"] = version;
    QByteArray device = fresh;
    device[7] = 0;
    seeds["wrong-device.app"] = device;
    seeds["cut-in-header.app"] = fresh.left(20);
    seeds["cut-in-data-header.app"] = filled.left(FileHeaderSize + 8);
    seeds["cut-in-payload.app"] = filled.left(filled.size() - 2);

    // Cut where a record ends: whole records, but not all of them.
    const QList<QByteArray> filledRecords = recordsOf(filled);
    seeds["cut-at-record.app"] = standardHeader() + filledRecords.mid(0, 40).join();
    // A field twice, and a file run on with another file's records.
    seeds["field-twice.app"] = filled + dataRecord(2, 3, DT_Command, "0D0A");
    seeds["file-run-on.app"] = filled + fresh.mid(FileHeaderSize);

    // Records the model has no place for, and fields of the wrong size.
    QByteArray stray = standardHeader() + filledRecords.mid(0, 70).join();
    stray += dataRecord(7, 1, DT_Command, "0D0A");
    stray += dataRecord(1, 6, DT_DelayTime, int32(4));
    stray += dataRecord(2, 3, DT_SecondLayerCommand, "41");
    stray += dataRecord(3, 1, 9, "xy");
    stray += dataRecord(9, 2, DT_ButtonName, "Gate");
    seeds["stray-records.app"] = stray + filledRecords.mid(70).join();
    QByteArray badSize = standardHeader();
    badSize += dataRecord(1, 1, DT_DelayTime, int32(7) + "x");
    seeds["wrong-size.app"] = badSize;
    QByteArray huge = standardHeader();
    huge += dataRecord(1, 2, DT_ButtonName, "abc", 0x7fffffff);
    seeds["huge-size.app"] = huge;
    QByteArray negative = standardHeader();
    negative += int32(1) + int32(2) + int32(-16) + int32(DT_Command);
    seeds["negative-size.app"] = negative;

    // Any order, a zero ends a text, odd values, other key counts.
    QList<QByteArray> mixed = recordsOf(fresh);
    std::reverse(mixed.begin(), mixed.end());
    mixed[0] = dataRecord(6, 5, DT_DelayTime, int32(-3));
    mixed[1] = dataRecord(6, 5, DT_Command, "0d 0a");
    mixed.last() = dataRecord(1, 1, DT_ButtonName, QByteArray("AB\0CD", 5));
    mixed.move(0, 80);
    seeds["mixed-order.app"] = standardHeader() + mixed.join();
    QByteArray seven = fresh;
    seven.replace(8, 4, int32(7));
    for (const QByteArray& record : recordsOf(fresh).mid(0, 25)) {
        seven += int32(7) + record.mid(4);
    }
    seeds["seven-keys.app"] = seven;
    QByteArray three = filled;
    three.replace(8, 4, int32(3));
    seeds["three-keys.app"] = three;
    // The header alone, announcing keys without end and no records a key.
    seeds["endless-keys.app"] = fileHeader(ConfigFileVersion, ConfigFileDeviceId, 0x7fffffff, 0);
    return seeds;
}

Seeds configJsonSeeds()
{
    Seeds seeds;
    seeds["fresh.json"] = exportedModel(false, false);
    seeds["filled.json"] = exportedModel(true, false);
    seeds["raw-values.json"] = exportedModel(true, true);
    seeds["filled-v1.json"] = exportedModel(true, false, 1);
    seeds["raw-values-v1.json"] = exportedModel(true, true, 1);
    seeds["minimal.json"] = R"({"format": "kvr210c-config", "version": 1, "keys": []})";
    seeds["every-field.json"] = R"({"format": "kvr210c-config", "version": 1, "keys": [
  {"key": 2, "name": "Door", "command": "0d0A", "baudRate": 7, "parity": 4, "dataBits": 0,
   "stopBits": 1, "delay": 255,
   "secondLayer": {"enabled": true, "command": {"raw": "1b 5b"}, "baudRate": {"raw": -1},
                   "parity": 0, "dataBits": 3, "stopBits": 0, "delay": {"raw": 1000}},
   "links": [{"link": 5, "name": "\u00e9t\u00e9", "command": "", "baudRate": 0, "parity": 1,
              "dataBits": 2, "stopBits": 0, "delay": 0},
             {"link": 2}]}]})";
    seeds["unknown-field.json"] = R"({"format": "kvr210c-config", "version": 1, "keys": [{"key": 1, "colour": 3}]})";
    seeds["wrong-format.json"] = R"({"format": "other", "version": 1, "keys": []})";
    seeds["wrong-version.json"] = R"({"format": "kvr210c-config", "version": 3, "keys": []})";
    seeds["out-of-range.json"] =
        R"({"format": "kvr210c-config", "version": 1, "keys": [{"key": 1, "baudRate": 8, "delay": 2.5}]})";
    seeds["out-of-range-v2.json"] = R"({"format": "kvr210c-config", "version": 2, "keys": [{"key": 1, "baud": 9601,
  "parity": "weird", "dataBits": 9, "stopBits": "1"}]})";
    seeds["key-twice.json"] = R"({"format": "kvr210c-config", "version": 1, "keys": [{"key": 3}, {"key": 3}]})";
    seeds["bad-command.json"] =
        R"({"format": "kvr210c-config", "version": 1, "keys": [{"key": 1, "command": "0D0"}, {"key": 2, "name": "a\u0000b"}]})";
    seeds["wide-name.json"] = R"({"format": "kvr210c-config", "version": 1, "keys": [{"key": 1, "name": "\u20ac"}]})";
    seeds["not-json.json"] = "{\"format\": \"kvr210c-config\", \"version\": 1, \"keys\": [{\"key\": 1,";
    seeds["not-an-object.json"] = "[1, 2, 3]";
    return seeds;
}

// A record stream input: the chunk sizes to cut it at, then the bytes.
QByteArray streamInput(const QByteArray& cuts, const QByteArray& stream)
{
    return QByteArray(1, char(cuts.size())) + cuts + stream;
}

Seeds recordStreamSeeds()
{
    ProgramRecords model;
    model.newData(6, 5);
    Fuzz::fillModel(&model, false);
    QByteArray all;
    for (int x = 1; x <= 6; ++x) {
        all += model.getDataObject(x, 1)->encapsulation();
        all += model.getButtonData(x)->encapsulationSecondLayer();
        for (int y = 2; y <= 5; ++y) {
            all += model.getDataObject(x, y)->encapsulation();
        }
    }
    const QByteArray first = model.getDataObject(1, 1)->encapsulation();
    const QByteArray link = model.getDataObject(2, 3)->encapsulation();
    const QByteArray second = model.getButtonData(4)->encapsulationSecondLayer();

    Seeds seeds;
    seeds["whole-program.bin"] = streamInput({}, all);
    seeds["whole-program-cut.bin"] = streamInput(QByteArray::fromHex("01050d40"), all);
    seeds["noise-between.bin"] = streamInput(QByteArray::fromHex("03"),
                                             QByteArray("\xff\x00garbage", 9) + first + "SET" + link + "SETSSETS"
                                                 + second + "RETS");
    seeds["cut-record.bin"] = streamInput(QByteArray::fromHex("0207"), first.left(first.size() - 3) + link);
    seeds["duplicates.bin"] = streamInput(QByteArray::fromHex("11"), link + link + second + second);
    QByteArray stray = link;
    stray[5] = 7; // key 7
    QByteArray badLayer = first;
    badLayer[7] = 9;
    QByteArray noDash = link;
    noDash[6] = '+';
    seeds["stray-records.bin"] = streamInput({}, stray + badLayer + noDash + first);
    QByteArray shortLength = first;
    shortLength[4] = 3; // shorter than a record header
    QByteArray longLength = link;
    longLength[4] = char(0xC0);
    seeds["bad-lengths.bin"] = streamInput(QByteArray::fromHex("20"), shortLength + longLength + second);
    seeds["only-noise.bin"] = streamInput(QByteArray::fromHex("ff"),
                                          QByteArray(600, 'S') + "ETS" + QByteArray(300, '\0'));
    return seeds;
}

bool handle(const QString& dir, const Seeds& seeds, bool checkOnly)
{
    bool ok = QDir().mkpath(dir);
    for (const auto& [name, content] : seeds) {
        const QString path = dir + QLatin1Char('/') + QString::fromStdString(name);
        QFile file(path);
        if (checkOnly) {
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != content) {
                std::fprintf(stderr, "%s is missing or out of date\n", qPrintable(path));
                ok = false;
            }
        } else if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    const bool checkOnly = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !checkOnly) {
        std::fprintf(stderr, "usage: %s [--check] CORPUS_DIR\n", argv[0]);
        return 2;
    }
    Fuzz::silenceMessages();
    const QString root = QString::fromLocal8Bit(argv[argc - 1]);
    // Every folder is handled even when one fails, to name all stale seeds at once.
    bool ok = handle(root + QStringLiteral("/configfile"), configFileSeeds(), checkOnly);
    ok = handle(root + QStringLiteral("/configjson"), configJsonSeeds(), checkOnly) && ok;
    ok = handle(root + QStringLiteral("/recordstream"), recordStreamSeeds(), checkOnly) && ok;
    return ok ? 0 : 1;
}
