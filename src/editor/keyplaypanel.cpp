#include "keyplaypanel.h"

#include "devicerecordlayout.h"
#include "keyplayrun.h"
#include "languagechooser.h"
#include "linesettings.h"
#include "recordselection.h"
#include "settingsstore.h"
#include "typedbytes.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { RecordColumn, LineColumn, DelayColumn, BytesColumn };

// A reply shown in a row: the first bytes, the whole count after them.
constexpr int ShownReplyBytes = 64;

QString bytesText(const QByteArray& bytes)
{
    const QByteArray shown = bytes.left(ShownReplyBytes);
    QString text = TypedBytes::spacedHex(shown) + QStringLiteral("  ") + TypedBytes::toEscapedText(shown);
    if (bytes.size() > shown.size()) {
        text += KeyPlayPanel::tr(" ... (%1 bytes)").arg(bytes.size());
    }
    return text;
}

} // namespace

KeyPlayPanel::KeyPlayPanel(const ProgramRecords* records, RecordSelection* selection, Where where, QWidget* parent)
    : QGroupBox(parent)
    , m_records(records)
    , m_selection(selection)
    , m_where(std::move(where))
    , m_run(new KeyPlayRun(this))
{
    setObjectName(QStringLiteral("keyPlayBox"));
    auto* note = new QLabel;
    note->setObjectName(QStringLiteral("playNote"));
    note->setWordWrap(true);
    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("playList"));
    m_list->setColumnCount(BytesColumn + 1);
    m_list->setRootIsDecorated(false);
    // Wide enough for their headings in every language; the bytes take the rest.
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumHeight(8 * m_list->fontMetrics().lineSpacing());
    m_skipDelays = new QCheckBox;
    m_skipDelays->setObjectName(QStringLiteral("skipDelaysBox"));
    m_playButton = new QPushButton;
    m_playButton->setObjectName(QStringLiteral("playButton"));
    m_cancelButton = new QPushButton;
    m_cancelButton->setObjectName(QStringLiteral("cancelPlayButton"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("playStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_playButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_skipDelays);
    buttons->addWidget(m_status, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_playButton, &QPushButton::clicked, this, &KeyPlayPanel::play);
    connect(m_cancelButton, &QPushButton::clicked, this, &KeyPlayPanel::cancel);
    connect(m_list, &QTreeWidget::itemChanged, this, &KeyPlayPanel::updateButtons);
    connect(m_selection, &RecordSelection::currentRecordChanged, this, &KeyPlayPanel::refresh);
    connect(m_run, &KeyPlayRun::exchanged, this, &KeyPlayPanel::showChunk);
    connect(m_run, &KeyPlayRun::finished, this, &KeyPlayPanel::showResult);
    LanguageChooser::keepTranslated(this, [this, note] {
        setTitle(tr("Play Key"));
        note->setText(tr("The key's records in the trial's order: the first layer, the links 13 to 16, then "
                         "the second layer where it is switched on, each at its own line settings and its "
                         "delay after the one before. %1")
                          .arg(LineSettings::deviceKeeps()));
        m_list->setAccessibleName(tr("Records of the key to play, ticked to be sent"));
        m_list->setHeaderLabels({tr("Record"), tr("Line settings"), tr("Delay"), tr("Command and reply")});
        m_skipDelays->setText(tr("Skip the dela&ys"));
        m_playButton->setText(tr("Play &Key"));
        m_cancelButton->setText(tr("Cancel"));
        m_cancelButton->setAccessibleName(tr("Cancel the play"));
        // The rows stay as they are: they hold the replies of the last play.
        updateButtons();
    });
    refresh();
}

KeyPlayPanel::~KeyPlayPanel() = default;

bool KeyPlayPanel::isRunning() const
{
    return m_run->isRunning();
}

void KeyPlayPanel::setTrialRunning(bool running)
{
    m_trialRunning = running;
    updateButtons();
}

void KeyPlayPanel::refresh()
{
    if (isRunning()) {
        m_stale = true; // the list stays as it is played; finished() lists it again
        return;
    }
    m_stale = false;
    const int key = m_selection->current().key;
    // The same key again keeps the user's ticks.
    QList<int> leftOut;
    if (key == m_key) {
        for (const KeyPlay::Step& step : tickedSteps()) {
            if (step.leftOut) {
                leftOut << step.layer;
            }
        }
    } else {
        m_status->clear();
    }
    m_key = key;
    m_steps = key > 0 ? KeyPlay::steps(*m_records, key) : QList<KeyPlay::Step>();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const KeyPlay::Step& step : qAsConst(m_steps)) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(RecordColumn, step.command.name);
        item->setText(LineColumn, LineSettings::toText(step.command.line));
        item->setText(DelayColumn, tr("%1 s").arg(step.command.delay));
        item->setText(BytesColumn, TypedBytes::spacedHex(step.command.bytes));
        item->setCheckState(RecordColumn, leftOut.contains(step.layer) ? Qt::Unchecked : Qt::Checked);
    }
    updateButtons();
}

QList<KeyPlay::Step> KeyPlayPanel::tickedSteps() const
{
    QList<KeyPlay::Step> steps = m_steps;
    for (int i = 0; i < steps.size() && i < m_list->topLevelItemCount(); ++i) {
        steps[i].leftOut = m_list->topLevelItem(i)->checkState(RecordColumn) != Qt::Checked;
    }
    return steps;
}

void KeyPlayPanel::updateButtons()
{
    const bool running = isRunning();
    const QList<CommandTrial::RecordCommand> commands = KeyPlay::toPlay(tickedSteps());
    QString why;
    if (m_key <= 0) {
        why = tr("Choose a key in the main window.");
    } else if (m_steps.isEmpty()) {
        why = tr("No record of Key %1 has a command.").arg(m_key);
    } else if (commands.isEmpty()) {
        why = tr("Tick the records to play.");
    }
    m_playButton->setEnabled(!running && !m_trialRunning && why.isEmpty());
    m_playButton->setToolTip(why);
    m_cancelButton->setEnabled(running);
    m_list->setEnabled(!running);
    m_skipDelays->setEnabled(!running);
    if (!running && !why.isEmpty()) {
        m_status->setText(why);
    }
}

void KeyPlayPanel::play()
{
    if (isRunning() || m_trialRunning) {
        return;
    }
    KeyPlay::Request request = m_where();
    request.records = KeyPlay::toPlay(tickedSteps());
    request.skipDelays = m_skipDelays->isChecked();
    const QString refusal = KeyPlay::refusal(request);
    if (!refusal.isEmpty()) {
        m_status->setText(refusal);
        emit logged(refusal);
        return;
    }
    SettingsStore::open().setValue(QLatin1String(SettingsStore::TrialPortKey), request.port);
    m_playedRows.clear();
    for (int row = 0; row < m_steps.size(); ++row) {
        // Replies of an earlier play go.
        qDeleteAll(m_list->topLevelItem(row)->takeChildren());
        if (m_list->topLevelItem(row)->checkState(RecordColumn) == Qt::Checked) {
            m_playedRows << row;
        }
    }
    m_replies = QList<QByteArray>(m_playedRows.size());
    m_sentMs = QList<qint64>(m_playedRows.size(), 0);
    m_status->setText(tr("Playing Key %1 on %2...").arg(m_key).arg(request.port));
    m_run->start(request);
    updateButtons();
    emit runningChanged(true);
}

void KeyPlayPanel::cancel()
{
    m_run->cancel();
}

void KeyPlayPanel::showChunk(int record, const CommandTrial::Chunk& chunk)
{
    QTreeWidgetItem* item = m_list->topLevelItem(m_playedRows.value(record, -1));
    if (!item) {
        return;
    }
    if (chunk.direction == CommandTrial::Direction::Sent) {
        m_sentMs[record] = chunk.ms;
        emit logged(tr("sent %1 at %2 after %3 ms: %4")
                        .arg(item->text(RecordColumn), item->text(LineColumn))
                        .arg(chunk.ms)
                        .arg(bytesText(chunk.bytes)));
        return;
    }
    const qint64 ms = chunk.ms - m_sentMs.at(record);
    emit logged(tr("+%1 ms  %2").arg(ms).arg(bytesText(chunk.bytes)));
    QByteArray& reply = m_replies[record];
    if (reply.isEmpty()) {
        auto* shown = new QTreeWidgetItem(item);
        shown->setText(RecordColumn, tr("reply after %1 ms").arg(ms));
        item->setExpanded(true);
    }
    // The play keeps its replies bounded; so does this.
    reply.append(chunk.bytes.left(CommandTrial::MaxReplyBytes - reply.size()));
    item->child(0)->setText(BytesColumn, bytesText(reply));
}

void KeyPlayPanel::showResult(const KeyPlay::Result& result)
{
    m_status->setText(result.describe());
    emit logged(result.describe());
    // What changed meanwhile is listed now; otherwise the replies stay with their records.
    if (m_stale) {
        refresh();
    } else {
        updateButtons();
    }
    emit runningChanged(false);
}
