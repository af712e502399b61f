#ifndef LINKTRACEFILE_H
#define LINKTRACEFILE_H

// Reads a trace of the device link back (see LinkTrace for its lines).
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

struct LinkTraceFile {
    struct Line {
        qint64 micros = -1;
        QString port;
        QString direction; // "out" or "in"
        QByteArray bytes;
    };

    QList<Line> lines; // the chunks, notes left out
    QStringList notes; // the lines starting with '#'
    QStringList malformed; // neither

    static LinkTraceFile read(const QString& path)
    {
        LinkTraceFile trace;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            trace.malformed << QStringLiteral("cannot read %1").arg(path);
            return trace;
        }
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(raw);
            if (text.startsWith(QLatin1Char('#'))) {
                trace.notes << text;
                continue;
            }
            const QStringList words = text.split(QLatin1Char(' '));
            bool number = false;
            Line line{words.value(0).toLongLong(&number), words.value(1), words.value(2),
                      QByteArray::fromHex(words.value(3).toLatin1())};
            if (words.size() == 4 && number && (line.direction == "out" || line.direction == "in")
                && line.bytes.toHex() == words.at(3).toLatin1()) {
                trace.lines << line;
            } else if (!text.isEmpty()) {
                trace.malformed << text;
            }
        }
        return trace;
    }

    // Every byte of one port in one direction, in order.
    QByteArray bytes(const QString& port, const QString& direction) const
    {
        QByteArray all;
        for (const Line& line : lines) {
            if (line.port == port && line.direction == direction) {
                all += line.bytes;
            }
        }
        return all;
    }

    // Bytes cut into frames: "SETS", the payload's length, the payload.
    static QList<QByteArray> frames(QByteArray bytes)
    {
        QList<QByteArray> frames;
        while (bytes.size() >= 5 && bytes.startsWith("SETS") && bytes.size() >= 5 + quint8(bytes.at(4))) {
            const int size = 5 + quint8(bytes.at(4));
            frames << bytes.left(size);
            bytes.remove(0, size);
        }
        if (!bytes.isEmpty()) {
            frames << bytes; // what is left over shows in a comparison
        }
        return frames;
    }
};

#endif // LINKTRACEFILE_H
