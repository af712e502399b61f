#ifndef CONFIGCOMPARE_H
#define CONFIGCOMPARE_H

#include "devicerecordlayout.h"

#include <QList>
#include <QString>

class ProgramRecords;

// Compares two configurations field by field, for showing what a device holds
// against the editor and for telling two files apart. Formatting the result
// is left to the caller; the texts here are the parts it is built from.
class ConfigComparison
{
public:
    enum class Scope {
        // What a device keeps: each first layer, link and second layer's
        // command, baud rate, parity and delay.
        Device,
        // Everything a configuration file holds: also names, data bits,
        // stop bits and the second-layer switch.
        File,
    };

    // In the order of the differences for one record.
    enum class Field {
        Presence, // the record exists on one side only
        Name,
        SecondLayerSwitch,
        Command,
        BaudRate,
        Parity,
        DataBits,
        StopBits,
        Delay,
    };

    // The device's own numbering of a record's layer: 1 is the key's first
    // layer, 2 to 5 its links, 6 its second layer.
    static constexpr int FirstLayer = DeviceRecordLayout::FirstLayer;
    static constexpr int SecondLayer = DeviceRecordLayout::SecondLayer;

    struct Difference {
        int key = 0;
        int layer = 0; // FirstLayer, a link 2 to 5, or SecondLayer
        QString record; // "Key 3, link 13", "Key 2", "Key 2, second layer"
        Field field = Field::Presence;
        QString fieldName; // "command", "delay", ...
        QString valueA; // display texts: "0D0A", "(none)", "9600", "even", "\"Door\""
        QString valueB;
        // For a long command: where the two first differ, counted from 0, and
        // the bytes around there ("... 41 42 [43] 44 ..."); -1 and empty otherwise.
        qsizetype offset = -1;
        QString excerptA;
        QString excerptB;

        // What a message shows: "command at offset 36:" and the excerpts for a
        // long command, the field's name and whole values for anything else.
        QString subject() const;
        QString shownA() const { return offset < 0 ? valueA : excerptA; }
        QString shownB() const { return offset < 0 ? valueB : excerptB; }
    };

    ConfigComparison(const ProgramRecords& a, const ProgramRecords& b, Scope scope);

    // Every differing field: keys in ascending order, within a key its first
    // layer, its second layer, then links 2 to 5; within a record in the
    // order of Field. Empty when the two are equal in the scope.
    QList<Difference> differences() const;
    bool isEqual() const { return differences().isEmpty(); }

    static QString fieldName(Field field);

private:
    const ProgramRecords& m_a;
    const ProgramRecords& m_b;
    Scope m_scope;
};

#endif // CONFIGCOMPARE_H
