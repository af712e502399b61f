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

// A key as a play sends it: a one-byte command in its first layer, links 13
// and 15 and its second layer (link 14 left empty), each at line settings of
// its own that a pseudo-terminal tells apart.
struct PlayedRecord {
    int layer;
    QByteArray bytes;
    UartData line;
};
inline QList<PlayedRecord> playedRecords()
{
    return {{1, QByteArray("\x11"), uart(2, 0, 3, 0)},
            {2, QByteArray("\x22"), uart(4, 1, 3, 1)},
            {4, QByteArray("\x33"), uart(1, 0, 3, 0)},
            {6, QByteArray("\x44"), uart(6, 1, 3, 0)}};
}

// Sets `key` to playedRecords() with these delays (seconds, in their order)
// and its second layer switched on or off.
inline void setPlayedKey(ProgramRecords* records, int key, const QList<int>& delays, bool secondLayer)
{
    const QList<PlayedRecord> played = playedRecords();
    for (int i = 0; i < played.size(); ++i) {
        const QString hex = QString::fromLatin1(played.at(i).bytes.toHex().toUpper());
        if (played.at(i).layer == 6) {
            ButtonData* button = records->getButtonData(key);
            button->setSecondLayerCommand(hex);
            button->setSecondLayerUartData(&played.at(i).line);
            button->setSecondLayerDelayTime(delays.value(i));
            button->setSecondLayerEnable(secondLayer);
        } else {
            LinkData* record = records->getDataObject(key, played.at(i).layer);
            record->setCommand(hex);
            record->setUartData(&played.at(i).line);
            record->setDelayTime(delays.value(i));
        }
    }
}

#endif // TESTRECORDS_H
