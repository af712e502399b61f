#ifndef BENCHPROGRAM_H
#define BENCHPROGRAM_H

#include "appdata.h"

#include <QFile>
#include <QString>

// The program the device benchmarks store: every key, layer and link with a
// command of its own, so that every record takes its share of the line.
inline bool writeBenchProgram(const QString& path)
{
    ProgramRecords data;
    data.newData(6, 5);
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            data.getDataObject(x, y)->setCommand(QByteArray(10 + x + y, char(x * 16 + y)).toHex());
        }
        data.getButtonData(x)->setSecondLayerCommand(QByteArray(12, char(0x60 + x)).toHex());
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && data.saveConfigFile(&file);
}

#endif // BENCHPROGRAM_H
