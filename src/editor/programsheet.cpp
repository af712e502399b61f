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

// Bytes in pairs of hex digits with a blank between them, easier to read out than one run.
QString spacedHex(const QByteArray& bytes)
{
    const QString hex = CommandText::bytesToHex(bytes);
    QStringList pairs;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        pairs << hex.mid(i, 2);
    }
    return pairs.join(QLatin1Char(' '));
}

QString layerRow(const QString& record, const QString& name, const QString& command, int delay, const UartData& uart)
{
    const QByteArray bytes = CommandText::hexToBytes(command);
    return QStringLiteral("<tr>") + cell(record) + cell(name) + cell(spacedHex(bytes))
        + cell(CommandText::bytesToAscii(bytes)) + cell(QString::number(delay))
        + cell(ProgramRecords::uartString(&uart)) + QStringLiteral("</tr>");
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
    html += QStringLiteral("<p>%1: %2<br/>%3: %4<br/>%5: <tt>%6</tt></p>")
                .arg(tr("File").toHtmlEscaped(), fileName.toHtmlEscaped(), tr("Date").toHtmlEscaped(),
                     QLocale::c().toString(m_date, QStringLiteral("yyyy-MM-dd HH:mm")).toHtmlEscaped(),
                     tr("SHA-256").toHtmlEscaped(), m_checksum);

    const QString head = QStringLiteral("<tr>") + cell(tr("Record")) + cell(tr("Name")) + cell(tr("Command (hex)"))
        + cell(tr("Command (text)")) + cell(tr("Delay")) + cell(tr("Line settings")) + QStringLiteral("</tr>");
    for (int key = 1; key <= m_records.getMaxButtonId(); ++key) {
        const ButtonData* button = m_records.getButtonData(key);
        if (!button) {
            continue;
        }
        html += QStringLiteral("<h3>%1: %2</h3>")
                    .arg(DeviceRecordLayout::recordName(key, DeviceRecordLayout::FirstLayer).toHtmlEscaped(),
                         button->getButtonName().toHtmlEscaped());
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + head;
        UartData uart;
        button->getUartData(&uart);
        html += layerRow(DeviceRecordLayout::recordName(key, DeviceRecordLayout::FirstLayer), button->getButtonName(),
                         button->getCommand(), button->getDelayTime(), uart);
        button->getSecondLayerUartData(&uart);
        const QString secondName = button->isSecondLayerEnabled() ? tr("on") : tr("off");
        html += layerRow(DeviceRecordLayout::recordName(key, DeviceRecordLayout::SecondLayer), secondName,
                         button->getSecondLayerCommand(), button->getSecondLayerDelayTime(), uart);
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

bool ProgramSheet::exportSheet(QWidget* parent, ProgramRecords* records, const QString& fileName, bool modified,
                               const QString& pdfPath)
{
    QByteArray bytes;
    QString reason;
    const bool fromDisk = !fileName.isEmpty() && !modified && readBounded(fileName, MaxUserFileBytes, &bytes, &reason);
    if (!fromDisk) {
        bytes = records->configFileBytes();
    }
    ProgramSheet sheet(*records, fromDisk ? fileName : QString(), bytes);
    if (!fromDisk && !fileName.isEmpty()) {
        // The window's program is not what the file holds: name it, but say so.
        sheet.m_fileName = tr("%1 (with unsaved changes)").arg(QDir::toNativeSeparators(fileName));
    }
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
