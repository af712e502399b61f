#include "reportsummary.h"

#include "boundedread.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The outcomes a run writes, in the order they are listed; others follow by name.
const QStringList& knownOutcomes()
{
    static const QStringList list{QStringLiteral("stored, verified"), QStringLiteral("stored"),
                                  QStringLiteral("verified"),         QStringLiteral("different"),
                                  QStringLiteral("failed"),           QStringLiteral("interrupted"),
                                  QStringLiteral("no device")};
    return list;
}

struct Line {
    QString file;
    QString sha256;
    qint64 size = -1;
    QString result;
};

// A report line: one JSON object with at least the fields every version wrote.
bool parseLine(const QByteArray& text, Line* line, QString* why)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        *why = QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject object = document.object();
    for (const char* field : {"port", "command", "file", "start", "end", "result"}) {
        if (!object.value(QLatin1String(field)).isString()) {
            *why = QStringLiteral("no \"%1\"").arg(QLatin1String(field));
            return false;
        }
    }
    const QString command = object.value(QLatin1String("command")).toString();
    if (command != QLatin1String("store") && command != QLatin1String("verify")) {
        *why = QStringLiteral("\"command\" is neither store nor verify");
        return false;
    }
    line->file = object.value(QLatin1String("file")).toString();
    line->result = object.value(QLatin1String("result")).toString();
    if (line->result.isEmpty()) {
        *why = QStringLiteral("an empty \"result\"");
        return false;
    }
    const QJsonValue sha256 = object.value(QLatin1String("sha256"));
    if (!sha256.isUndefined()) {
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
        if (!sha256.isString() || !hex.match(sha256.toString()).hasMatch()) {
            *why = QStringLiteral("\"sha256\" is not a SHA-256 in hex");
            return false;
        }
        line->sha256 = sha256.toString();
        line->size = object.value(QLatin1String("size")).toInteger(-1);
    }
    return true;
}

} // namespace

void ReportSummary::Totals::count(const QString& outcome)
{
    ++lines;
    ++outcomes[outcome];
}

bool ReportSummary::add(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file;
    if (!openRegularFile(path, &file, error)) {
        return false;
    }
    QList<Line> lines;
    for (int number = 1;; ++number) {
        if (file.atEnd()) {
            break;
        }
        // One byte past the bound tells a line that is too long.
        QByteArray text = file.readLine(MaxLineBytes + 2);
        if (text.isEmpty() && file.error() != QFile::NoError) {
            *error = QStringLiteral("%1: %2").arg(shown, file.errorString());
            return false;
        }
        if (text.size() > MaxLineBytes + 1 || (text.size() == MaxLineBytes + 1 && !text.endsWith('\n'))) {
            *error = QStringLiteral("%1, line %2: not a report line (longer than %3 bytes)")
                         .arg(shown)
                         .arg(number)
                         .arg(MaxLineBytes);
            return false;
        }
        if (text.endsWith('\n')) {
            text.chop(1);
        }
        if (text.trimmed().isEmpty()) {
            continue;
        }
        Line line;
        QString why;
        if (!parseLine(text, &line, &why)) {
            *error = QStringLiteral("%1, line %2: not a report line (%3)").arg(shown).arg(number).arg(why);
            return false;
        }
        lines << line;
    }
    for (const Line& line : lines) {
        auto found = std::find_if(m_files.begin(), m_files.end(), [&line](const FileTotals& file) {
            return line.sha256.isEmpty() ? file.sha256.isEmpty() && file.names.contains(line.file)
                                         : file.sha256 == line.sha256;
        });
        if (found == m_files.end()) {
            m_files.append(FileTotals{line.sha256, line.size, {}, {}});
            found = m_files.end() - 1;
        }
        if (!found->names.contains(line.file)) {
            found->names << line.file;
        }
        found->totals.count(line.result);
        m_total.count(line.result);
    }
    return true;
}

QString ReportSummary::outcomeLines(const Totals& totals, const QString& indent)
{
    QStringList order;
    for (const QString& outcome : knownOutcomes()) {
        if (totals.outcomes.contains(outcome)) {
            order << outcome;
        }
    }
    for (auto it = totals.outcomes.cbegin(); it != totals.outcomes.cend(); ++it) {
        if (!knownOutcomes().contains(it.key())) {
            order << it.key();
        }
    }
    int width = int(QStringLiteral("total").size());
    for (const QString& outcome : order) {
        width = qMax(width, int(outcome.size()));
    }
    QString text;
    for (const QString& outcome : order) {
        text += QStringLiteral("%1%2  %3\n").arg(indent).arg(outcome, -width).arg(totals.outcomes.value(outcome));
    }
    text += QStringLiteral("%1%2  %3\n").arg(indent).arg(QStringLiteral("total"), -width).arg(totals.lines);
    return text;
}

QString ReportSummary::text() const
{
    QString text = QStringLiteral("Per file:\n");
    for (const FileTotals& file : m_files) {
        const QString names = file.names.join(QLatin1String(", "));
        if (file.sha256.isEmpty()) {
            text += QStringLiteral("  %1 (no checksum recorded)\n").arg(names);
        } else if (file.size >= 0) {
            text += QStringLiteral("  sha256 %1 (%2, %3 bytes)\n").arg(file.sha256, names).arg(file.size);
        } else {
            text += QStringLiteral("  sha256 %1 (%2)\n").arg(file.sha256, names);
        }
        text += outcomeLines(file.totals, QStringLiteral("    "));
    }
    text += QStringLiteral("All files:\n");
    text += outcomeLines(m_total, QStringLiteral("  "));
    return text;
}
