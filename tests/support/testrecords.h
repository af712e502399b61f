#ifndef TESTRECORDS_H
#define TESTRECORDS_H

// Small builders shared by the tests of records, files and the device link.
#include "appdata.h"

#include <QList>
#include <QPair>

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

#endif // TESTRECORDS_H
