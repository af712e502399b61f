// The record stream of a load, fed in chunks whose sizes the input chooses.
// Input: one byte (low four bits: how many chunk sizes follow; high four: the
// grid), the chunk sizes, then the bytes the device sent. Every record handed
// back must be whole and name a record of the model, and the outcome must be
// the same however the bytes were cut.
#include "appdata.h"
#include "devicerecordstream.h"
#include "fuzzsupport.h"

#include <QSet>

#include <functional>

namespace {

struct Outcome {
    QList<QByteArray> records;
    DeviceRecordStream::State state = DeviceRecordStream::State::Reading;
    int noise = 0;
    int cut = 0;
    int malformed = 0;
    int stray = 0;
    int repeated = 0;
    int distinct = 0;
    QList<DeviceRecordStream::Key> missing;

    bool operator==(const Outcome& o) const
    {
        return records == o.records && state == o.state && noise == o.noise && cut == o.cut && malformed == o.malformed
            && stray == o.stray && repeated == o.repeated && distinct == o.distinct && missing == o.missing;
    }
};

// Feeds `stream` chunk by chunk; `next` says how many bytes the next chunk takes.
Outcome run(int keys, int links, const QByteArray& bytes,
            const std::function<qsizetype(const DeviceRecordStream&)>& next)
{
    DeviceRecordStream stream(keys, links);
    Outcome outcome;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype size = qMin(next(stream), bytes.size() - at);
        const bool finished = stream.isFinished();
        const QList<QByteArray> found = stream.feed(QByteArrayView(bytes).sliced(at, size));
        Fuzz::check(!finished || found.isEmpty(), "a finished stream handed back a record");
        Fuzz::check(stream.isFinished() == (stream.bytesWanted() == 0), "bytesWanted disagrees with the state");
        outcome.records += found;
        at += size;
    }
    outcome.state = stream.state();
    outcome.noise = stream.noiseBytes();
    outcome.cut = stream.cutRecords();
    outcome.malformed = stream.malformedRecords();
    outcome.stray = stream.strayRecords();
    outcome.repeated = stream.repeatedRecords();
    outcome.distinct = stream.distinctRecords();
    outcome.missing = stream.missingRecords();
    Fuzz::check(outcome.distinct + outcome.missing.size() == stream.expectedRecords(),
                "records found and missing do not add up");
    return outcome;
}

// Whole: the record the model writes after reading it is the same bytes.
void checkRecord(ProgramRecords* model, const QByteArray& record)
{
    Fuzz::check(record.size() >= DeviceRecordStream::HeaderSize && record.startsWith("SETS")
                    && record.size() == 5 + uchar(record.at(4)),
                "a record was handed back that is not whole");
    const int key = uchar(record.at(5));
    const int link = uchar(record.at(7));
    if (link == DeviceRecordStream::SecondLayer) {
        ButtonData* button = model->getButtonData(key);
        Fuzz::check(button, "a second layer was handed back for a key the model lacks");
        button->decapsulationSecondLayer(record);
        Fuzz::check(button->encapsulationSecondLayer() == record, "a second-layer record is not consistent");
    } else {
        LinkData* target = model->getDataObject(key, link);
        Fuzz::check(target, "a record was handed back that the model lacks");
        target->decapsulation(record);
        Fuzz::check(target->encapsulation() == record, "a record is not consistent");
    }
}

// The records `bytes` is made of when it is nothing but whole, distinct
// records of the grid back to back, none carrying "SETS" in its command (that
// could be read as the start of the next record); empty otherwise.
QList<QByteArray> cleanRecords(const QByteArray& bytes, int keys, int links)
{
    QList<QByteArray> records;
    QSet<QByteArray> seen;
    ProgramRecords model;
    model.newData(keys, links);
    for (qsizetype at = 0; at < bytes.size();) {
        if (bytes.size() - at < DeviceRecordStream::HeaderSize || !bytes.mid(at).startsWith("SETS")) {
            return {};
        }
        const qsizetype size = 5 + uchar(bytes.at(at + 4));
        if (size < DeviceRecordStream::HeaderSize || size > bytes.size() - at) {
            return {};
        }
        const QByteArray record = bytes.mid(at, size);
        const int key = uchar(record.at(5));
        const int link = uchar(record.at(7));
        QByteArray again;
        if (link == DeviceRecordStream::SecondLayer && key <= keys && model.getButtonData(key)) {
            model.getButtonData(key)->decapsulationSecondLayer(record);
            again = model.getButtonData(key)->encapsulationSecondLayer();
        } else if (link != DeviceRecordStream::SecondLayer && model.getDataObject(key, link)) {
            model.getDataObject(key, link)->decapsulation(record);
            again = model.getDataObject(key, link)->encapsulation();
        }
        const QByteArray slot = record.mid(5, 3);
        if (again != record || record.indexOf("SETS", 4) >= 0 || seen.contains(slot)) {
            return {};
        }
        seen.insert(slot);
        records.append(record);
        at += record.size();
    }
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    if (input.isEmpty()) {
        return 0;
    }
    const int cutCount = uchar(input.at(0)) & 0x0F;
    const int grid = uchar(input.at(0)) >> 4;
    const int keys = DeviceRecordStream::DeviceKeys - grid % 6;
    const int links = DeviceRecordStream::DeviceLinks - grid / 6;
    const QByteArray cuts = input.mid(1, cutCount);
    const QByteArray bytes = input.mid(1 + cutCount);

    const Outcome whole = run(keys, links, bytes, [&](const DeviceRecordStream&) { return bytes.size(); });
    ProgramRecords model;
    model.newData(keys, links);
    for (const QByteArray& record : whole.records) {
        checkRecord(&model, record);
    }

    const QList<QByteArray> clean = cleanRecords(bytes, keys, links);
    Fuzz::check(clean.isEmpty() || clean == whole.records, "whole records back to back were not all handed back");

    const Outcome single = run(keys, links, bytes, [](const DeviceRecordStream&) { return 1; });
    Fuzz::check(single == whole, "byte by byte gives another outcome than in one piece");

    // As the transfer reads: never more than the stream wants.
    const Outcome wanted = run(keys, links, bytes,
                               [](const DeviceRecordStream& stream) { return qMax(1, stream.bytesWanted()); });
    Fuzz::check(wanted == whole, "reading what the stream wants gives another outcome");

    if (!cuts.isEmpty()) {
        // The chosen sizes over and over; a size of 0 feeds an empty chunk.
        qsizetype index = 0;
        int empties = 0;
        const Outcome chunked = run(keys, links, bytes, [&](const DeviceRecordStream&) {
            qsizetype next = uchar(cuts.at(index++ % cuts.size()));
            if (next == 0 && ++empties > cuts.size()) {
                next = 1; // only zeros: make progress
            } else if (next != 0) {
                empties = 0;
            }
            return next;
        });
        Fuzz::check(chunked == whole, "the chosen chunks give another outcome than one piece");
    }
    return 0;
}
