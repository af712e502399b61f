#include "trycommandwindow.h"

#include "commandtrialrun.h"
#include "configdocument.h"
#include "devicecontroller.h"
#include "devicerecordlayout.h"
#include "escapeshortcut.h"
#include "keyplaypanel.h"
#include "languagechooser.h"
#include "linesettings.h"
#include "recordselection.h"
#include "replycolumns.h"
#include "safesave.h"
#include "savefilename.h"
#include "settingsstore.h"
#include "typedbytes.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* readOnlyView(const QString& name, QPlainTextEdit::LineWrapMode wrap = QPlainTextEdit::NoWrap)
{
    auto* view = new QPlainTextEdit;
    view->setObjectName(name);
    view->setReadOnly(true);
    view->setLineWrapMode(wrap);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    view->setFont(fixed);
    // Their height comes from the window's layout, not from their own hint.
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    view->setMinimumHeight(4 * view->fontMetrics().lineSpacing());
    return view;
}

// Only when it changed: following the records must not undo a selection made to copy.
void showText(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        field->setText(text);
    }
}

// With the date: a saved log is read on another day.
QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

// A plain QWidget is a "client" area to a screen reader; this one is a window of its own.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TryCommandWindow") && object && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

TryCommandWindow::TryCommandWindow(const ConfigDocument* document, RecordSelection* selection,
                                   const DeviceController* device, QWidget* parent, PortLister lister)
    : QWidget(parent, Qt::Window)
    , m_records(document->records())
    , m_selection(selection)
    , m_device(device)
    , m_run(new CommandTrialRun(this))
{
    static const bool accessibleAsWindow = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsWindow)
    setObjectName(QStringLiteral("tryCommandWindow"));

    // Made in this order, the parts keep the window's tab order.
    QLayout* form = buildCommandForm(std::move(lister));
    QLayout* sendRow = buildSendRow();
    m_keyPlay = new KeyPlayPanel(m_records, m_selection, [this] {
        const CommandTrial::Request base = baseRequest();
        KeyPlay::Request request;
        request.port = base.port;
        request.quietMs = base.quietMs;
        request.busyPort = base.busyPort;
        return request;
    });
    QGroupBox* freeTextBox = buildFreeTextBox();
    QGroupBox* replyBox = buildReplyBox();
    QGroupBox* logBox = buildLogBox();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->setObjectName(QStringLiteral("buttonBox"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(sendRow);
    layout->addWidget(m_keyPlay, 2);
    layout->addWidget(freeTextBox);
    layout->addWidget(replyBox, 1);
    layout->addWidget(logBox, 2);
    layout->addWidget(buttons);
    // Tall enough for the key's records, but never taller than the screen of a small laptop.
    resize(QSize(640, 940).boundedTo(screen()->availableGeometry().size()));
    connectWindow(buttons);
    LanguageChooser::keepTranslated(this, [this] {
        setWindowTitle(tr("Try Command"));
        setAccessibleName(windowTitle());
        refresh();
    });
}

QLayout* TryCommandWindow::buildCommandForm(PortLister lister)
{
    m_portBox = new QComboBox;
    m_portBox->setObjectName(QStringLiteral("portBox"));
    m_portBox->setEditable(true);
    m_portBox->setInsertPolicy(QComboBox::NoInsert);
    m_portBox->setMinimumContentsLength(24);
    // Named before the picker, which gives the name to the box's typing field.
    LanguageChooser::keepTranslated(m_portBox, [this] { m_portBox->setAccessibleName(tr("Port of the equipment")); });
    m_picker = new ComPortPicker(m_portBox, std::move(lister));
    m_picker->refresh();
    m_picker->selectPort(SettingsStore::open().value(QLatin1String(SettingsStore::TrialPortKey)).toString());

    m_secondLayerBox = new QCheckBox;
    m_secondLayerBox->setObjectName(QStringLiteral("secondLayerBox"));
    m_recordLabel = new QLabel;
    m_recordLabel->setObjectName(QStringLiteral("recordLabel"));
    m_commandHex = new QLineEdit;
    m_commandHex->setObjectName(QStringLiteral("commandHex"));
    m_commandText = new QLineEdit;
    m_commandText->setObjectName(QStringLiteral("commandText"));
    for (QLineEdit* shown : {m_commandHex, m_commandText}) {
        shown->setReadOnly(true);
        // The window's ground, not an edit's: nothing is typed here.
        QPalette palette = shown->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        shown->setPalette(palette);
    }
    m_lineSettingsLabel = new QLabel;
    m_lineSettingsLabel->setObjectName(QStringLiteral("lineLabel"));
    m_lineSettingsLabel->setWordWrap(true);
    m_quietBox = new QSpinBox;
    m_quietBox->setObjectName(QStringLiteral("quietBox"));
    m_quietBox->setRange(CommandTrial::MinQuietMs, CommandTrial::MaxQuietMs);
    m_quietBox->setValue(CommandTrial::DefaultQuietMs);

    auto* form = new QFormLayout;
    auto* portLabel = new QLabel;
    portLabel->setBuddy(m_portBox);
    form->addRow(portLabel, m_portBox);
    form->addRow(new QLabel, m_recordLabel);
    form->addRow(QString(), m_secondLayerBox);
    form->addRow(new QLabel, m_commandHex);
    form->addRow(new QLabel, m_commandText);
    form->addRow(new QLabel, m_lineSettingsLabel);
    auto* quietLabel = new QLabel;
    quietLabel->setBuddy(m_quietBox);
    form->addRow(quietLabel, m_quietBox);
    LanguageChooser::keepTranslated(m_recordLabel, [=] {
        m_secondLayerBox->setText(tr("S&econd layer of the key"));
        m_commandHex->setAccessibleName(tr("Command in hex"));
        m_commandText->setAccessibleName(tr("Command as text"));
        m_quietBox->setSuffix(tr(" ms"));
        m_quietBox->setAccessibleName(tr("Reply ends after this long without a byte"));
        portLabel->setText(tr("&Port:"));
        LanguageChooser::setRowLabel(form, m_recordLabel, tr("Command:"));
        LanguageChooser::setRowLabel(form, m_commandHex, tr("Hex:"));
        LanguageChooser::setRowLabel(form, m_commandText, tr("Text:"));
        LanguageChooser::setRowLabel(form, m_lineSettingsLabel, tr("Line settings:"));
        quietLabel->setText(tr("Reply ends after &quiet:"));
    });

    connect(m_secondLayerBox, &QCheckBox::toggled, this, [this] {
        // Ticked for this key: the selection no longer sets it until it moves.
        m_tickKey = selectedKey();
        refresh();
    });
    connect(m_portBox, &QComboBox::currentTextChanged, this, [this] {
        if (!isRunning()) {
            clearStatus();
        }
    });
    return form;
}

QLayout* TryCommandWindow::buildSendRow()
{
    m_sendButton = new QPushButton;
    m_sendButton->setObjectName(QStringLiteral("sendButton"));
    m_sendButton->setDefault(true);
    m_cancelButton = new QPushButton;
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setEnabled(false);
    m_sendHint = new QLabel;
    m_sendHint->setObjectName(QStringLiteral("sendHint"));
    m_sendHint->setWordWrap(true);
    auto* sendRow = new QHBoxLayout;
    sendRow->addWidget(m_sendButton);
    sendRow->addWidget(m_cancelButton);
    sendRow->addWidget(m_sendHint, 1);
    LanguageChooser::keepTranslated(m_sendButton, [this] {
        m_sendButton->setText(tr("&Send"));
        m_cancelButton->setText(tr("Cancel"));
    });

    connect(m_sendButton, &QPushButton::clicked, this, &TryCommandWindow::sendCommand);
    connect(m_cancelButton, &QPushButton::clicked, this, &TryCommandWindow::cancel);
    return sendRow;
}

QGroupBox* TryCommandWindow::buildFreeTextBox()
{
    m_freeTextForm = new QComboBox;
    m_freeTextForm->setObjectName(QStringLiteral("lineFormat"));
    m_freeTextForm->addItems({QString(), QString()});
    m_freeText = new QLineEdit;
    m_freeText->setObjectName(QStringLiteral("freeLine"));
    m_freeText->setMaxLength(4 * TypedBytes::MaxBytes);
    m_sendFreeTextButton = new QPushButton;
    m_sendFreeTextButton->setObjectName(QStringLiteral("sendLineButton"));
    m_freeTextError = new QLabel;
    m_freeTextError->setObjectName(QStringLiteral("lineError"));
    m_freeTextError->setWordWrap(true);
    auto* freeRow = new QHBoxLayout;
    freeRow->addWidget(m_freeTextForm);
    freeRow->addWidget(m_freeText, 1);
    freeRow->addWidget(m_sendFreeTextButton);
    auto* freeBox = new QGroupBox;
    auto* freeLayout = new QVBoxLayout(freeBox);
    freeLayout->addLayout(freeRow);
    freeLayout->addWidget(m_freeTextError);
    LanguageChooser::keepTranslated(freeBox, [this, freeBox] {
        m_freeTextForm->setItemText(0, tr("Text"));
        m_freeTextForm->setItemText(1, tr("Hex"));
        m_freeTextForm->setAccessibleName(tr("Form of the free line"));
        m_freeText->setPlaceholderText(tr("\\x02ON\\r, or hex pairs: 02 4F 4E 0D"));
        m_freeText->setAccessibleName(tr("Free line to send"));
        m_freeText->setAccessibleDescription(
            tr("Text with \\r, \\n, \\t, \\\\ and \\xNN, or hex pairs; sent with the command's line settings"));
        m_sendFreeTextButton->setText(tr("Send &Line"));
        freeBox->setTitle(tr("Free line"));
    });

    connect(m_sendFreeTextButton, &QPushButton::clicked, this, &TryCommandWindow::sendFreeText);
    connect(m_freeText, &QLineEdit::returnPressed, this, &TryCommandWindow::sendFreeText);
    connect(m_freeText, &QLineEdit::textEdited, m_freeTextError, &QLabel::clear);
    return freeBox;
}

QGroupBox* TryCommandWindow::buildReplyBox()
{
    m_replyHex = readOnlyView(QStringLiteral("replyHex"));
    m_replyText = readOnlyView(QStringLiteral("replyText"));
    m_replyStatus = new QLabel;
    m_replyStatus->setObjectName(QStringLiteral("replyStatus"));
    m_replyStatus->setWordWrap(true);
    m_replyStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_reply = std::make_unique<ReplyColumns>(m_replyHex, m_replyText, CommandTrial::MaxReplyBytes);
    m_replyBox = new QGroupBox;
    m_replyBox->setObjectName(QStringLiteral("replyBox"));
    auto* replyLayout = new QVBoxLayout(m_replyBox);
    auto* replyViews = new QHBoxLayout;
    replyViews->addWidget(m_replyHex, 3);
    replyViews->addWidget(m_replyText, 1);
    replyLayout->addLayout(replyViews);
    replyLayout->addWidget(m_replyStatus);
    LanguageChooser::keepTranslated(m_replyBox, [this] {
        m_replyHex->setAccessibleName(tr("Reply in hex"));
        m_replyText->setAccessibleName(tr("Reply as text"));
        // A title naming what was sent stays as it was written.
        if (m_runDescription.isEmpty()) {
            m_replyBox->setTitle(tr("Reply"));
        }
    });
    return m_replyBox;
}

QGroupBox* TryCommandWindow::buildLogBox()
{
    m_log = readOnlyView(QStringLiteral("logView"), QPlainTextEdit::WidgetWidth);
    m_log->setMaximumBlockCount(MaxLogEntries);
    auto* copyButton = new QPushButton;
    copyButton->setObjectName(QStringLiteral("copyLogButton"));
    auto* saveButton = new QPushButton;
    saveButton->setObjectName(QStringLiteral("saveLogButton"));
    auto* clearButton = new QPushButton;
    clearButton->setObjectName(QStringLiteral("clearLogButton"));
    auto* logBox = new QGroupBox;
    auto* logLayout = new QVBoxLayout(logBox);
    logLayout->addWidget(m_log);
    auto* logButtons = new QHBoxLayout;
    logButtons->addWidget(copyButton);
    logButtons->addWidget(saveButton);
    logButtons->addWidget(clearButton);
    logButtons->addStretch();
    logLayout->addLayout(logButtons);
    LanguageChooser::keepTranslated(logBox, [=] {
        m_log->setAccessibleName(tr("Log of every exchange"));
        copyButton->setText(tr("&Copy Log"));
        saveButton->setText(tr("Save L&og..."));
        clearButton->setText(tr("Clear Lo&g"));
        logBox->setTitle(tr("Log"));
    });

    connect(copyButton, &QPushButton::clicked, this, &TryCommandWindow::copyLog);
    connect(saveButton, &QPushButton::clicked, this, &TryCommandWindow::saveLog);
    connect(clearButton, &QPushButton::clicked, m_log, &QPlainTextEdit::clear);
    return logBox;
}

void TryCommandWindow::connectWindow(QDialogButtonBox* buttons)
{
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    addEscapeShortcut(
        this, [this] { return isRunning(); }, [this] { cancel(); });
    connect(m_run, &CommandTrialRun::exchanged, this, &TryCommandWindow::showChunk);
    connect(m_run, &CommandTrialRun::finished, this, &TryCommandWindow::showResult);
    connect(m_keyPlay, &KeyPlayPanel::runningChanged, this, [this] { setRunning(isRunning()); });
    connect(m_keyPlay, &KeyPlayPanel::logged, this,
            [this](const QString& line) { appendLog(QStringLiteral("%1  %2").arg(now(), line)); });
    // The selection, an edit's text, an undo, a paste and a load all change what
    // would be sent.
    connect(m_selection, &RecordSelection::currentRecordChanged, this, &TryCommandWindow::refresh);
    m_show.setSingleShot(true);
    m_show.setInterval(0);
    connect(&m_show, &QTimer::timeout, this, &TryCommandWindow::showPending);
}

TryCommandWindow::~TryCommandWindow() = default;

CommandTrial::RecordCommand TryCommandWindow::shownCommand() const
{
    CommandTrial::RecordCommand command;
    const ConfigDocument::Place place = m_selection->current();
    if (place.key <= 0) {
        return command;
    }
    const bool second = m_secondLayerBox->isChecked() && place.link <= DeviceRecordLayout::FirstLayer;
    const int layer = second ? DeviceRecordLayout::SecondLayer : qMax(place.link, DeviceRecordLayout::FirstLayer);
    if (!CommandTrial::recordCommand(*m_records, place.key, layer, &command)) {
        return {};
    }
    // A command being edited is tried as the field has it, before Ok.
    if (const std::optional<QByteArray> edited = m_selection->editedCommand(second)) {
        command.bytes = *edited;
    }
    return command;
}

bool TryCommandWindow::isRunning() const
{
    return m_run->isRunning() || m_keyPlay->isRunning();
}

QString TryCommandWindow::logText() const
{
    return m_log->toPlainText();
}

int TryCommandWindow::selectedKey() const
{
    return m_selection->current().key;
}

QString TryCommandWindow::sendRefusal(const CommandTrial::RecordCommand& command) const
{
    if (isRunning()) {
        return tr("A trial is under way: wait for its reply or cancel it.");
    }
    if (command.name.isEmpty()) {
        return tr("Nothing to send: choose a key or a link in the main window.");
    }
    if (command.bytes.isEmpty()) {
        return tr("Nothing to send: the command of %1 is empty.").arg(command.name);
    }
    return QString();
}

void TryCommandWindow::clearStatus()
{
    m_replyStatus->clear();
    m_freeTextError->clear();
}

void TryCommandWindow::refresh()
{
    // Only a key has a second layer.
    m_secondLayerBox->setEnabled(m_selection->current().link <= DeviceRecordLayout::FirstLayer);
    const int key = selectedKey();
    if (key != m_tickKey) {
        // Another key: ticked where its second layer is switched on, as the main window shows it.
        m_tickKey = key;
        const ButtonData* record = key > 0 ? m_records->getButtonData(key) : nullptr;
        const QSignalBlocker quiet(m_secondLayerBox);
        m_secondLayerBox->setChecked(record && record->isSecondLayerEnabled());
    }
    const CommandTrial::RecordCommand command = shownCommand();
    // What is said about one port or record is not left standing under another.
    if (command.name != m_shownRecord) {
        m_shownRecord = command.name;
        if (!isRunning()) {
            clearStatus();
        }
    }
    if (command.name.isEmpty()) {
        m_recordLabel->setText(tr("Choose a key or a link in the main window."));
        showText(m_commandHex, QString());
        showText(m_commandText, QString());
        m_lineSettingsLabel->setText(tr("%1 (for the free line)").arg(LineSettings::toText(command.line)));
    } else {
        m_recordLabel->setText(command.name);
        showText(m_commandHex, TypedBytes::spacedHex(command.bytes));
        showText(m_commandText, TypedBytes::toEscapedText(command.bytes));
        const QString note = LineSettings::deviceMayNotSend(command.line);
        m_lineSettingsLabel->setText(tr("%1, delay %2").arg(LineSettings::toText(command.line)).arg(command.delay)
                                     + QLatin1Char('\n') + (note.isEmpty() ? LineSettings::deviceKeeps() : note));
    }
    const QString refusal = sendRefusal(command);
    m_sendButton->setEnabled(refusal.isEmpty());
    m_sendHint->setText(refusal);
    m_sendButton->setToolTip(refusal);
}

void TryCommandWindow::sendCommand()
{
    const CommandTrial::RecordCommand command = shownCommand();
    start(command.bytes, command.line, command.name);
}

void TryCommandWindow::sendFreeText()
{
    QByteArray bytes;
    QString error;
    const bool hex = m_freeTextForm->currentIndex() == 1;
    const bool read = hex ? TypedBytes::fromHex(m_freeText->text(), &bytes, &error)
                          : TypedBytes::fromEscapedText(m_freeText->text(), &bytes, &error);
    if (!read) {
        m_freeTextError->setText(tr("Not sent: %1.").arg(error));
        return;
    }
    m_freeTextError->clear();
    // The equipment listens at the line settings of the command it is tried with.
    start(bytes, shownCommand().line, tr("free line"));
}

CommandTrial::Request TryCommandWindow::baseRequest() const
{
    CommandTrial::Request request;
    request.port = m_picker->selectedPortName().trimmed();
    request.quietMs = m_quietBox->value();
    if (m_device) {
        request.busyPort = m_device->connectedPort();
    }
    return request;
}

void TryCommandWindow::start(const QByteArray& bytes, const UartData& line, const QString& what)
{
    if (isRunning()) {
        return;
    }
    CommandTrial::Request request = baseRequest();
    request.bytes = bytes;
    request.line = line;
    showPending();
    m_reply->clear();
    m_replyBox->setTitle(tr("Reply"));
    const QString refusal = CommandTrial::refusal(request);
    if (!refusal.isEmpty()) {
        m_replyStatus->setText(refusal);
        appendLog(QStringLiteral("%1  %2").arg(now(), refusal));
        return;
    }
    SettingsStore::open().setValue(QLatin1String(SettingsStore::TrialPortKey), request.port);
    m_runDescription = tr("%1 on %2 at %3").arg(what, request.port, LineSettings::toText(line));
    // The reply stays under what it answers while the selection moves on.
    m_replyBox->setTitle(tr("Reply to %1 on %2").arg(what, request.port));
    m_replyStatus->setText(tr("Waiting for the reply..."));
    m_run->start(request);
    setRunning(true);
}

void TryCommandWindow::cancel()
{
    m_run->cancel();
    m_keyPlay->cancel();
}

void TryCommandWindow::showChunk(const CommandTrial::Chunk& chunk)
{
    const bool sent = chunk.direction == CommandTrial::Direction::Sent;
    const QString label = sent ? tr("sent %1:").arg(m_runDescription) : tr("+%1 ms").arg(chunk.ms);
    m_pendingLog << QStringLiteral("%1  %2  %3  %4")
                        .arg(now(), label, TypedBytes::spacedHex(chunk.bytes), TypedBytes::toEscapedText(chunk.bytes));
    if (!sent) {
        // The trial ends the reply at its limit, so this stays bounded too.
        m_pendingReply += chunk.bytes;
    }
    // A slow port brings many small chunks; the views take them in one go
    // once the events waiting now are handled.
    if (!m_show.isActive()) {
        m_show.start();
    }
}

void TryCommandWindow::showPending()
{
    m_show.stop();
    if (!m_pendingLog.isEmpty()) {
        m_log->appendPlainText(m_pendingLog.join(QLatin1Char('\n')));
        m_pendingLog.clear();
    }
    m_reply->append(m_pendingReply);
    m_pendingReply.clear();
}

void TryCommandWindow::showResult(const CommandTrial::Result& result)
{
    setRunning(false);
    m_replyStatus->setText(result.describe());
    appendLog(QStringLiteral("%1  %2").arg(now(), result.describe()));
}

void TryCommandWindow::setRunning(bool running)
{
    m_keyPlay->setTrialRunning(m_run->isRunning());
    m_cancelButton->setEnabled(running);
    m_sendFreeTextButton->setEnabled(!running);
    m_portBox->setEnabled(!running);
    refresh();
}

void TryCommandWindow::appendLog(const QString& text)
{
    showPending();
    m_log->appendPlainText(text);
}

void TryCommandWindow::copyLog()
{
    QApplication::clipboard()->setText(logText());
}

bool TryCommandWindow::saveLog()
{
    // As the filter promises; the dialog asks before it replaces the file so named.
    const QString path = SaveFileName::ask(this, tr("Save Log"), QString(), tr("Text files (*.txt)"),
                                           QStringLiteral("txt"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!saveBytesSafely(path, logText().toUtf8(), &error)) {
        QMessageBox::warning(this, tr("Save Log"), tr("The log could not be saved (%1).").arg(error));
        return false;
    }
    return true;
}

void TryCommandWindow::closeEvent(QCloseEvent* event)
{
    // A trial has nothing to finish: closing stops its wait.
    cancel();
    QWidget::closeEvent(event);
}

void TryCommandWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    if (m_sendButton->isEnabled()) {
        m_sendButton->setFocus(Qt::OtherFocusReason);
    }
}

void TryCommandWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The free text sends itself on Return; a focused button is pressed, as in a dialog.
    QWidget* focused = focusWidget();
    if (focused == m_freeText) {
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focused); button && button->isEnabled()) {
        button->click();
        return;
    }
    if (m_sendButton->isEnabled()) {
        sendCommand();
    }
}
