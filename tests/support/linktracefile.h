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
            // The fields, then " |" and the bytes as text.
            const qsizetype bar = text.indexOf(QLatin1String(" |"));
            const QStringList words = text.left(bar).split(QLatin1Char(' '));
            bool number = false;
            Line line{words.value(0).toLongLong(&number), words.value(1), words.value(2),
                      QByteArray::fromHex(words.value(3).toLatin1())};
            if (words.size() == 4 && number && (line.direction == "out" || line.direction == "in")
                && line.bytes.toHex() == words.at(3).toLatin1() && text.mid(bar + 1) == asText(line.bytes)) {
                trace.lines << line;
            } else if (!text.isEmpty()) {
                trace.malformed << text;
            }
        }
        return trace;
    }

    // The column beside the hex: printable ASCII as it is, a dot for any other byte.
    static QString asText(const QByteArray& bytes)
    {
        QString text(QLatin1Char('|'));
        for (const char c : bytes) {
            text += c >= ' ' && c < 0x7F ? QLatin1Char(c) : QLatin1Char('.');
        }
        return text + QLatin1Char('|');
    }

    // The notes of one port after the first: "opened at 9600,8-N-1", "no answer within 1000 ms".
    QStringList portNotes(const QString& port) const
    {
        QStringList texts;
        for (const QString& note : notes) {
            const QStringList words = note.split(QLatin1Char(' '));
            if (words.size() > 3 && words.at(2) == port) {
                texts << QStringList(words.mid(3)).join(QLatin1Char(' '));
            }
        }
        return texts;
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
