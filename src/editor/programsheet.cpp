#include "programsheet.h"

#include "appdata.h"
#include "boundedread.h"
#include "commandtext.h"
#include "devicerecordlayout.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ProgramSheet", text);
}

QString cell(const QString& text)
{
    return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

// A text with no blank to break at ("115200,8-N-1") sets its column's width
// instead of running past the cell's edge.
QString unbrokenCell(const QString& text)
{
    return QStringLiteral("<td style=\"white-space: nowrap\">%1</td>").arg(text.toHtmlEscaped());
}

QString layerRow(const QString& record, const QString& name, const QString& command, int delay, const UartData& uart)
{
    const QByteArray bytes = CommandText::hexToBytes(command);
    return QStringLiteral("<tr>") + cell(record) + cell(name) + cell(CommandText::spacedHex(bytes))
        + cell(CommandText::bytesToAscii(bytes)) + cell(QString::number(delay))
        + unbrokenCell(ProgramRecords::uartString(&uart)) + QStringLiteral("</tr>");
}

} // namespace

ProgramSheet::ProgramSheet(const ProgramRecords& records, const QString& fileName, const QByteArray& fileBytes,
                           const QDateTime& date)
    : m_records(records)
    , m_fileName(fileName)
    , m_checksum(QString::fromLatin1(QCryptographicHash::hash(fileBytes, QCryptographicHash::Sha256).toHex()))
    , m_date(date)
{
}

QString ProgramSheet::html() const
{
    const QString fileName = m_fileName.isEmpty() ? tr("(not saved)") : QDir::toNativeSeparators(m_fileName);
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Program sheet").toHtmlEscaped());
    // A checksum nobody can take of the file on disk is marked as such.
    const QString checksumNote = m_unsaved
        ? QLatin1Char(' ') + tr("(of the program with its unsaved changes, as Save would write it)")
        : QString();
    html += QStringLiteral("<p>%1: %2<br/>%3: %4<br/>%5: <tt>%6</tt>%7</p>")
                .arg(tr("File").toHtmlEscaped(), fileName.toHtmlEscaped(), tr("Date").toHtmlEscaped(),
                     QLocale::c().toString(m_date, QStringLiteral("yyyy-MM-dd HH:mm")).toHtmlEscaped(),
                     QStringLiteral("SHA-256"), m_checksum, checksumNote.toHtmlEscaped());

    // In <thead>, so a table that goes on over a page break repeats its header there.
    const QString head = QStringLiteral("<thead><tr>") + cell(tr("Record")) + cell(tr("Name"))
        + cell(tr("Command (hex)")) + cell(tr("Command (text)")) + cell(tr("Delay")) + cell(tr("Line settings"))
        + QStringLiteral("</tr></thead>");
    for (int key = 1; key <= m_records.getMaxButtonId(); ++key) {
        const ButtonData* button = m_records.getButtonData(key);
        if (!button) {
            continue;
        }
        html += QStringLiteral("<h3>%1: %2</h3>")
                    .arg(DeviceRecordLayout::recordName(key, DeviceRecordLayout::FirstLayer).toHtmlEscaped(),
                         button->getButtonName().toHtmlEscaped());
        // The page's width at most: long commands wrap between their byte pairs.
        html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + head;
        UartData uart;
        button->getUartData(&uart);
        html += layerRow(DeviceRecordLayout::recordName(key, DeviceRecordLayout::FirstLayer), button->getButtonName(),
                         button->getCommand(), button->getDelayTime(), uart);
        button->getSecondLayerUartData(&uart);
        // The second layer has no name of its own: its switch goes with the record.
        const QString secondLayer = QStringLiteral("%1 (%2)").arg(
            DeviceRecordLayout::recordName(key, DeviceRecordLayout::SecondLayer),
            button->isSecondLayerEnabled() ? tr("on") : tr("off"));
        html += layerRow(secondLayer, QString(), button->getSecondLayerCommand(), button->getSecondLayerDelayTime(),
                         uart);
        for (int link = DeviceRecordLayout::FirstLink; link <= m_records.getMaxLinkId(); ++link) {
            const LinkData* data = m_records.getDataObject(key, link);
            if (!data) {
                continue;
            }
            data->getUartData(&uart);
            html += layerRow(DeviceRecordLayout::recordName(key, link), data->getLinkName(), data->getCommand(),
                             data->getDelayTime(), uart);
        }
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("</body></html>");
    return html;
}

std::unique_ptr<QTextDocument> ProgramSheet::document() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html());
    return document;
}

bool ProgramSheet::writePdf(const QString& path, QString* error) const
{
    const QString shown = QDir::toNativeSeparators(path);
    // A save file would be renamed over a pipe or a device node: only a regular file is replaced.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error = tr("%1 is not a regular file").arg(shown);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: %2").arg(shown, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(tr("Program sheet"));
        document()->print(&writer);
    }
    if (!file.commit()) {
        *error = QStringLiteral("%1: %2").arg(shown, file.errorString());
        return false;
    }
    return true;
}

ProgramSheet ProgramSheet::ofWindow(ProgramRecords& records, const QString& fileName, bool modified)
{
    QByteArray bytes;
    QString reason;
    const bool fromDisk = !fileName.isEmpty() && !modified && readBounded(fileName, MaxUserFileBytes, &bytes, &reason);
    if (!fromDisk) {
        bytes = records.configFileBytes();
    }
    ProgramSheet sheet(records, fromDisk ? fileName : QString(), bytes);
    sheet.m_unsaved = !fromDisk;
    if (!fromDisk && !fileName.isEmpty()) {
        // The window's program is not what the file holds: name it, but say so.
        sheet.m_fileName = tr("%1 (with unsaved changes)").arg(QDir::toNativeSeparators(fileName));
    }
    return sheet;
}

bool ProgramSheet::exportSheet(QWidget* parent, ProgramRecords* records, const QString& fileName, bool modified,
                               const QString& pdfPath)
{
    const ProgramSheet sheet = ofWindow(*records, fileName, modified);
    QString error;
    if (!sheet.writePdf(pdfPath, &error)) {
        QMessageBox box(QMessageBox::Warning, tr("Export Sheet"), tr("The sheet could not be written."),
                        QMessageBox::Ok, parent);
        box.setInformativeText(error);
        box.exec();
        return false;
    }
    return true;
}
