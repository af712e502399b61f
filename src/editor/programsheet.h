#ifndef PROGRAMSHEET_H
#define PROGRAMSHEET_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

class ProgramRecords;
class QTextDocument;
class QWidget;

// A printable sheet of a program for a site's records: per key its name and
// every layer's command in hex and as text, delay and line settings, headed by
// the file's name, the date and a SHA-256 checksum of the file's bytes.
class ProgramSheet
{
public:
    // `fileBytes` are what the checksum is taken of; `fileName` may be empty for
    // a configuration never saved.
    ProgramSheet(const ProgramRecords& records, const QString& fileName, const QByteArray& fileBytes,
                 const QDateTime& date = QDateTime::currentDateTime());

    QString checksum() const { return m_checksum; }
    QString html() const;
    std::unique_ptr<QTextDocument> document() const;
    // Writes the sheet as an A4 PDF; an existing file is replaced only once the
    // new one is complete. On failure `error` says why.
    bool writePdf(const QString& path, QString* error) const;

    // The sheet of the window's program: the checksum is of the file as it is on
    // disk while the window holds it unchanged, otherwise of the bytes Save would
    // write, and the sheet says so.
    static ProgramSheet ofWindow(ProgramRecords& records, const QString& fileName, bool modified);

    // File > Export Sheet... once the target is chosen, with the sheet of ofWindow().
    // Warns when the sheet can't be written.
    static bool exportSheet(QWidget* parent, ProgramRecords* records, const QString& fileName, bool modified,
                            const QString& pdfPath);

private:
    const ProgramRecords& m_records;
    QString m_fileName;
    QString m_checksum;
    QDateTime m_date;
    // The window holds changes the named file does not.
    bool m_unsaved = false;
};

#endif // PROGRAMSHEET_H
