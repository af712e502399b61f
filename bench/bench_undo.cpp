// Memory the undo history keeps: 1000 one-record steps on a full configuration (every
// command 128 bytes, every name and second layer set), measured as the heap the process
// holds before and after, against the limit of 4 MB.
//   kvr210c-bench-undo [--steps N]
#include "appdata.h"
#include "configdocument.h"
#include "devicerecordlayout.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QUndoStack>

#include <malloc.h>

namespace {

constexpr double LimitMb = 4.0;

// Bytes the heap has handed out and not had back.
double heapInUseMb()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

QString command(int seed)
{
    QString hex;
    for (int byte = 0; byte < 128; ++byte) {
        hex += QStringLiteral("%1").arg((seed + byte) & 0xFF, 2, 16, QChar('0')).toUpper();
    }
    return hex;
}

void fill(ProgramRecords* records)
{
    for (int key = 1; key <= DeviceRecordLayout::Keys; ++key) {
        records->getButtonData(key)->setButtonName(QStringLiteral("Key name %1").arg(key));
        records->getButtonData(key)->setSecondLayerEnable(true);
        records->getButtonData(key)->setSecondLayerCommand(command(key * 7));
        for (int link = 1; link <= DeviceRecordLayout::Links; ++link) {
            records->getDataObject(key, link)->setCommand(command(key + link));
            records->getDataObject(key, link)->setLinkName(QStringLiteral("Link name %1.%2").arg(key).arg(link));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int at = int(app.arguments().indexOf(QStringLiteral("--steps")));
    const int steps = at > 0 ? app.arguments().value(at + 1).toInt() : 1000;
    QTextStream out(stdout);

    ProgramRecords records;
    records.newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
    fill(&records);
    const qsizetype fileBytes = records.configFileBytes().size();
    ConfigDocument document(&records);

    const double before = heapInUseMb();
    for (int step = 0; step < steps; ++step) {
        // One record per step, as a paste of one link does, a different one each time.
        const int key = step % DeviceRecordLayout::Keys + 1;
        const int link = step / DeviceRecordLayout::Keys % DeviceRecordLayout::Links + 1;
        records.getDataObject(key, link)->setCommand(command(step));
        document.recordChange(QStringLiteral("Paste onto %1").arg(DeviceRecordLayout::recordName(key, link)),
                              ConfigDocument::Place{key, link});
    }
    const double history = heapInUseMb() - before;

    out << QStringLiteral("undo history: %1 steps on a %2 KB configuration keep %3 MB (limit %4 MB): %5\n")
               .arg(document.undoStack()->count())
               .arg(double(fileBytes) / 1000.0, 0, 'f', 1)
               .arg(history, 0, 'f', 2)
               .arg(LimitMb, 0, 'f', 0)
               .arg(history <= LimitMb ? QStringLiteral("within") : QStringLiteral("OVER"));
    return history <= LimitMb ? 0 : 1;
}
