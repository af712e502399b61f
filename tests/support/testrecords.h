#ifndef TESTRECORDS_H
#define TESTRECORDS_H

// Small builders shared by the tests of records, files and the device link.
#include "appdata.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

// Line settings from the file's raw numbers.
inline UartData uart(int baud, int parity, int dataBits, int stopBits)
{
    UartData u;
    u.baudRate = BaudRate(baud);
    u.parity = Parity(parity);
    u.dataBits = DataBits(dataBits);
    u.stopBits = StopBits(stopBits);
    return u;
}

// The 36 device records, (key, link; 6 for the second layer), in the order the
// device keeps and sends them. Written out here rather than taken from the code
// under test, so that the tests hold the code to it.
inline QList<QPair<int, int>> deviceOrder()
{
    QList<QPair<int, int>> order;
    for (int x = 1; x <= 6; ++x) {
        for (int y : {1, 6, 2, 3, 4, 5}) {
            order.append({x, y});
        }
    }
    return order;
}

// Writes a fresh configuration with key 2's command set; the path, or empty
// when it could not be written.
inline QString writeProgramFile(const QString& path, const QString& key2Command)
{
    ProgramRecords records;
    records.newData(6, 5);
    records.getDataObject(2, 1)->setCommand(key2Command);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !records.saveConfigFile(&file)) {
        return QString();
    }
    return path;
}

#endif // TESTRECORDS_H
