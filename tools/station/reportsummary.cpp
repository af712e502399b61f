#include "reportsummary.h"

#include "boundedread.h"
#include "terminaltext.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

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

// Where a run's line begins: its fields come out sorted, "command" first.
const QByteArray lineStart = QByteArrayLiteral("{\"command\":");

bool isLowerHex(const QString& text, int length)
{
    return text.size() == length && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
               return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                   || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
           });
}

// A file's lines one at a time, read in blocks: a line costs what it holds,
// and one longer than the bound is found without holding more of it.
class ReportReader
{
public:
    enum class Result { Text, End, TooLong, Failed };

    explicit ReportReader(QFile* file)
        : m_file(file)
    {
    }

    // The next line without its end; `ended` is false for a last line that has none.
    Result next(QByteArray* line, bool* ended)
    {
        for (;;) {
            const qsizetype end = m_buffer.indexOf('\n', m_scanned);
            if (end >= 0) {
                return take(end - m_start, end + 1, true, line, ended);
            }
            m_scanned = m_buffer.size();
            if (m_buffer.size() - m_start > ReportSummary::MaxLineBytes) {
                return Result::TooLong;
            }
            m_buffer.remove(0, m_start);
            m_scanned -= m_start;
            m_start = 0;
            const qsizetype had = m_buffer.size();
            m_buffer.resize(had + BlockBytes);
            const qint64 count = m_file->read(m_buffer.data() + had, BlockBytes);
            m_buffer.resize(had + qMax<qint64>(count, 0));
            if (count < 0) {
                return Result::Failed;
            }
            if (count == 0) {
                return m_buffer.isEmpty() ? Result::End : take(m_buffer.size(), m_buffer.size(), false, line, ended);
            }
        }
    }

private:
    static constexpr qint64 BlockBytes = 64 * 1024;

    Result take(qsizetype length, qsizetype next, bool withEnd, QByteArray* line, bool* ended)
    {
        if (length > ReportSummary::MaxLineBytes) {
            return Result::TooLong;
        }
        *line = m_buffer.mid(m_start, length);
        *ended = withEnd;
        m_start = m_scanned = next;
        if (m_start == m_buffer.size()) {
            m_buffer.clear();
            m_start = m_scanned = 0;
        }
        return Result::Text;
    }

    QFile* m_file;
    QByteArray m_buffer;
    qsizetype m_start = 0; // of the line not yet handed out
    qsizetype m_scanned = 0; // up to where no line end was found
};

} // namespace

// A report line: one JSON object with at least the fields every version wrote.
struct ReportSummary::Entry {
    QString file;
    QString slot; // the port where the line names no slot; or the station
    QDateTime start; // read only for a period
    QByteArray sha256; // raw
    qint64 size = -1;
    QString result;

    // `place`: read the slot or the station too (only counting by them needs it);
    // `withStart`: read the start as a time.
    bool parse(const QByteArray& text, Grouping place, bool withStart, QString* why, bool* json)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        *json = error.error == QJsonParseError::NoError;
        if (!*json || !document.isObject()) {
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
        file = object.value(QLatin1String("file")).toString();
        if (place == Grouping::Slot) {
            slot = object.value(QLatin1String("slot")).toString();
            slot = slot.isEmpty() ? object.value(QLatin1String("port")).toString() : slot;
        } else if (place == Grouping::Station) {
            // Lines written before stations were named.
            slot = object.value(QLatin1String("station")).toString(QStringLiteral("(no station recorded)"));
        }
        if (withStart) {
            start = QDateTime::fromString(object.value(QLatin1String("start")).toString(), Qt::ISODateWithMs);
            if (!start.isValid()) {
                *why = QStringLiteral("\"start\" is not a time");
                return false;
            }
        }
        result = object.value(QLatin1String("result")).toString();
        if (result.isEmpty()) {
            *why = QStringLiteral("an empty \"result\"");
            return false;
        }
        const QJsonValue checksum = object.value(QLatin1String("sha256"));
        if (!checksum.isUndefined()) {
            if (!checksum.isString() || !isLowerHex(checksum.toString(), 64)) {
                *why = QStringLiteral("\"sha256\" is not a SHA-256 in hex");
                return false;
            }
            sha256 = QByteArray::fromHex(checksum.toString().toLatin1());
            size = object.value(QLatin1String("size")).toInteger(-1);
        }
        return true;
    }
};

ReportSummary::ReportSummary(Grouping grouping)
    : m_grouping(grouping)
{
}

void ReportSummary::Counts::count(int outcome, int added)
{
    // A run writes a handful of outcomes; a report may hold one per line.
    constexpr qsizetype SearchedOutcomes = 8;
    lines += added;
    if (index.isEmpty()) {
        for (std::pair<int, int>& counted : perOutcome) {
            if (counted.first == outcome) {
                counted.second += added;
                return;
            }
        }
    } else if (const auto found = index.constFind(outcome); found != index.cend()) {
        perOutcome[size_t(found.value())].second += added;
        return;
    }
    perOutcome.emplace_back(outcome, added);
    if (!index.isEmpty()) {
        index.insert(outcome, qsizetype(perOutcome.size()) - 1);
    } else if (qsizetype(perOutcome.size()) > SearchedOutcomes) {
        for (size_t i = 0; i < perOutcome.size(); ++i) {
            index.insert(perOutcome[i].first, qsizetype(i));
        }
    }
}

ReportSummary::FileTotals& ReportSummary::Tally::entry(const QByteArray& sha256, qint64 size, const QString& name)
{
    const bool byChecksum = !sha256.isEmpty();
    const int known = byChecksum ? bySha256.value(sha256, -1) : byName.value(name, -1);
    if (known >= 0) {
        FileTotals& file = files[known];
        if (byChecksum && file.names.constLast() != name) {
            addName(known, name);
        }
        return file;
    }
    const int index = int(files.size());
    files.append(FileTotals{sha256, size, {name}, {}});
    if (byChecksum) {
        bySha256.insert(sha256, index);
    } else {
        byName.insert(name, index);
    }
    return files.last();
}

void ReportSummary::Tally::addName(int index, const QString& name)
{
    QStringList& names = files[index].names;
    // A configuration copied under a new name for every run has as many
    // names as lines: past a few, they are looked up, not searched.
    constexpr qsizetype SearchedNames = 8;
    if (names.size() < SearchedNames) {
        if (!names.contains(name)) {
            names << name;
        }
        if (names.size() == SearchedNames) {
            for (const QString& known : names) {
                manyNames.insert({index, known});
            }
        }
        return;
    }
    if (!manyNames.contains({index, name})) {
        manyNames.insert({index, name});
        names << name;
    }
}

void ReportSummary::Tally::merge(const Tally& other)
{
    for (const FileTotals& file : other.files) {
        FileTotals* into = nullptr;
        for (const QString& name : file.names) {
            into = &entry(file.sha256, file.size, name);
        }
        for (const std::pair<int, int>& counted : file.counts.perOutcome) {
            into->counts.count(counted.first, counted.second);
        }
    }
    for (const std::pair<int, int>& counted : other.total.perOutcome) {
        total.count(counted.first, counted.second);
    }
}

int ReportSummary::outcomeId(const QString& outcome)
{
    const auto found = m_outcomeIds.constFind(outcome);
    if (found != m_outcomeIds.cend()) {
        return found.value();
    }
    m_outcomes << outcome;
    m_outcomeIds.insert(outcome, int(m_outcomes.size() - 1));
    return int(m_outcomes.size() - 1);
}

bool ReportSummary::countEntry(const QByteArray& text, Tally* tally, QString* why, bool* json)
{
    Entry line;
    if (!line.parse(text, m_grouping, !m_period.isWhole(), why, json)) {
        return false;
    }
    if (!m_period.isWhole() && !m_period.contains(line.start)) {
        return true;
    }
    if (m_grouping != Grouping::Configuration) {
        count(tally, QByteArray(), -1, line.slot, line.result);
    } else {
        count(tally, line.sha256, line.size, line.file, line.result);
    }
    return true;
}

void ReportSummary::addOutcome(const QString& slot, const QString& result)
{
    count(&m_tally, QByteArray(), -1, slot, result);
}

void ReportSummary::count(Tally* tally, const QByteArray& sha256, qint64 size, const QString& name,
                          const QString& result)
{
    const int outcome = outcomeId(result);
    // A name given by thousands of lines is held once.
    tally->entry(sha256, size, *m_names.insert(name)).counts.count(outcome);
    tally->total.count(outcome);
}

bool ReportSummary::add(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file;
    if (!openRegularFile(path, &file, error)) {
        return false;
    }
    Tally tally;
    QStringList cutOff;
    ReportReader reader(&file);
    QByteArray text;
    bool ended = true;
    for (int number = 1;; ++number) {
        const ReportReader::Result result = reader.next(&text, &ended);
        if (result == ReportReader::Result::End) {
            break;
        }
        if (result == ReportReader::Result::Failed) {
            *error = QStringLiteral("%1: %2").arg(shown, file.errorString());
            return false;
        }
        if (result == ReportReader::Result::TooLong) {
            *error = QStringLiteral("%1, line %2: not a report line (longer than %3 bytes)")
                         .arg(shown, QString::number(number), QString::number(MaxLineBytes));
            return false;
        }
        if (text.trimmed().isEmpty()) {
            continue;
        }
        QString why;
        bool json = false;
        if (countEntry(text, &tally, &why, &json)) {
            continue;
        }
        const QString where = QStringLiteral("%1, line %2").arg(shown, QString::number(number));
        // Cut off, and an older version appended the next line onto it.
        const qsizetype glued = text.startsWith('{') ? text.indexOf(lineStart, 1) : -1;
        QString gluedWhy;
        bool gluedJson = false;
        if (glued > 0 && countEntry(text.mid(glued), &tally, &gluedWhy, &gluedJson)) {
            cutOff << where;
            continue;
        }
        // Cut off by a crash or a full disk: at the end of the file, or ended
        // by the next run. Only the start of a line as the runs write it counts
        // as cut off inside the file; anything else there is not ours.
        if (!json && (ended ? text.startsWith(lineStart) || lineStart.startsWith(text) : text.startsWith('{'))) {
            cutOff << where;
            continue;
        }
        *error = QStringLiteral("%1: not a report line (%2)").arg(where, why);
        return false;
    }
    if (m_tally.files.isEmpty()) {
        m_tally = std::move(tally);
    } else {
        m_tally.merge(tally);
    }
    m_cutOff << cutOff;
    return true;
}

bool ReportSummary::addLine(const QByteArray& jsonLine, QString* error)
{
    const QByteArray text = jsonLine.endsWith('\n') ? jsonLine.chopped(1) : jsonLine;
    if (text.size() > MaxLineBytes) {
        *error = QStringLiteral("not a report line (longer than %1 bytes)").arg(MaxLineBytes);
        return false;
    }
    QString why;
    bool json = false;
    if (!countEntry(text, &m_tally, &why, &json)) {
        *error = QStringLiteral("not a report line (%1)").arg(why);
        return false;
    }
    return true;
}

QString ReportSummary::outcomeLines(const Counts& counts, const QString& indent) const
{
    // The known outcomes first, in their order, then the others by name.
    struct Row {
        qsizetype rank;
        int outcome;
        int lines;
        QString shown;
    };
    std::vector<Row> order;
    order.reserve(counts.perOutcome.size());
    for (const std::pair<int, int>& counted : counts.perOutcome) {
        const qsizetype known = knownOutcomes().indexOf(m_outcomes.at(counted.first));
        order.push_back({known >= 0 ? known : knownOutcomes().size(), counted.first, counted.second,
                         TerminalText::escaped(m_outcomes.at(counted.first))});
    }
    std::sort(order.begin(), order.end(), [this](const Row& a, const Row& b) {
        return a.rank != b.rank ? a.rank < b.rank : m_outcomes.at(a.outcome) < m_outcomes.at(b.outcome);
    });
    // A long outcome is not the measure of the others: each line would be as long.
    constexpr qsizetype MaxWidth = 32;
    qsizetype width = QStringLiteral("total").size();
    for (const Row& row : order) {
        const qsizetype size = row.shown.size();
        width = size <= MaxWidth ? qMax(width, size) : width;
    }
    QString text;
    for (const Row& row : order) {
        // In one pass: a "%3" in an outcome stays as it is.
        text += QStringLiteral("%1%2  %3\n").arg(indent, row.shown.leftJustified(width), QString::number(row.lines));
    }
    text += QStringLiteral("%1%2  %3\n")
                .arg(indent, QStringLiteral("total").leftJustified(width), QString::number(counts.lines));
    return text;
}

std::vector<qsizetype> ReportSummary::printOrder() const
{
    std::vector<qsizetype> order;
    order.reserve(size_t(m_tally.files.size()));
    std::vector<bool> placed(size_t(m_tally.files.size()), false);
    if (m_grouping != Grouping::Configuration) {
        for (const QString& name : m_slotOrder) {
            const qsizetype at = m_tally.byName.value(name, -1);
            if (at >= 0 && !placed[size_t(at)]) {
                placed[size_t(at)] = true;
                order.push_back(at);
            }
        }
    }
    for (qsizetype at = 0; at < m_tally.files.size(); ++at) {
        if (!placed[size_t(at)]) {
            order.push_back(at);
        }
    }
    return order;
}

QString ReportSummary::text() const
{
    QString text;
    print([&text](const QString& piece) { text += piece; });
    return text;
}

void ReportSummary::print(const std::function<void(const QString&)>& out) const
{
    constexpr qsizetype PieceChars = 64 * 1024;
    const bool bySlot = m_grouping != Grouping::Configuration;
    QString text = m_grouping == Grouping::Slot ? QStringLiteral("Per slot:\n")
        : m_grouping == Grouping::Station       ? QStringLiteral("Per station:\n")
                                                : QStringLiteral("Per file:\n");
    for (const qsizetype at : printOrder()) {
        const FileTotals& file = m_tally.files.at(at);
        const QString names = TerminalText::escaped(file.names.join(QLatin1String(", ")));
        const QString sha256 = QString::fromLatin1(file.sha256.toHex());
        if (bySlot) {
            text += QStringLiteral("  %1\n").arg(names);
        } else if (file.sha256.isEmpty()) {
            text += QStringLiteral("  %1 (no checksum recorded)\n").arg(names);
        } else if (file.size >= 0) {
            text += QStringLiteral("  sha256 %1 (%2, %3 bytes)\n").arg(sha256, names, QString::number(file.size));
        } else {
            text += QStringLiteral("  sha256 %1 (%2)\n").arg(sha256, names);
        }
        text += outcomeLines(file.counts, QStringLiteral("    "));
        if (text.size() >= PieceChars) {
            out(text);
            text.clear();
        }
    }
    text += m_totalsHeading + QLatin1Char('\n');
    text += outcomeLines(m_tally.total, QStringLiteral("  "));
    if (!m_cutOff.isEmpty()) {
        text += QStringLiteral("Lines cut off while being written, not counted: %1\n").arg(m_cutOff.size());
        for (const QString& where : m_cutOff) {
            text += QStringLiteral("  %1\n").arg(TerminalText::escaped(where));
        }
    }
    out(text);
}
