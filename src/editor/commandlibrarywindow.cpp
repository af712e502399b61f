#include "commandlibrarywindow.h"

#include "appdata.h"
#include "commandtext.h"
#include "commandtrialrun.h"
#include "devicecontroller.h"
#include "devicerecordlayout.h"
#include "escapeshortcut.h"
#include "languagechooser.h"
#include "libraryentrynamedialog.h"
#include "libraryentryview.h"
#include "linesettings.h"
#include "recordcommandwrite.h"
#include "recordselection.h"
#include "replypattern.h"
#include "settingsstore.h"
#include "typedbytes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Where an item of the tree points: a library, and an entry of it or -1.
constexpr int LibraryRole = Qt::UserRole;
constexpr int EntryRole = Qt::UserRole + 1;

QPushButton* button(const QString& name)
{
    auto* pushButton = new QPushButton;
    pushButton->setObjectName(name);
    return pushButton;
}

} // namespace

CommandLibraryWindow::CommandLibraryWindow(ConfigDocument* document, RecordSelection* selection,
                                           const DeviceController* device, QWidget* parent, PortLister lister,
                                           const QString& userLibrary, const QString& shippedLibrary)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_selection(selection)
    , m_device(device)
    , m_shelf(userLibrary, shippedLibrary)
    , m_run(new CommandTrialRun(this))
{
    setObjectName(QStringLiteral("commandLibraryWindow"));

    auto* splitter = new QSplitter;
    splitter->addWidget(buildListSide());
    splitter->addWidget(buildEntrySide(std::move(lister)));
    splitter->setStretchFactor(1, 1);
    // The entry side holds the longest buttons, in French as well.
    splitter->setSizes({340, 560});
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->setObjectName(QStringLiteral("buttonBox"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(900, 600);
    connectWindow(buttons);
    // The tree and the record's name carry texts of their own.
    LanguageChooser::keepTranslated(this, [this] {
        setWindowTitle(tr("Command Library"));
        setAccessibleName(windowTitle());
        showShelf();
    });
}

CommandLibraryWindow::~CommandLibraryWindow() = default;

QWidget* CommandLibraryWindow::buildListSide()
{
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("searchField"));
    m_search->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel;
    searchLabel->setBuddy(m_search);
    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("entryTree"));
    m_tree->setColumnCount(2);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* openButton = button(QStringLiteral("openLibraryButton"));
    m_removeButton = button(QStringLiteral("removeLibraryButton"));
    auto* importButton = button(QStringLiteral("importButton"));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(openButton);
    fileRow->addWidget(m_removeButton);
    fileRow->addWidget(importButton);
    fileRow->addStretch();
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addWidget(m_tree, 1);
    layout->addLayout(fileRow);
    LanguageChooser::keepTranslated(side, [=] {
        m_search->setPlaceholderText(tr("Name, equipment or group"));
        m_search->setAccessibleName(tr("Search the libraries"));
        searchLabel->setText(tr("&Search:"));
        m_tree->setHeaderLabels({tr("Name"), tr("Group")});
        m_tree->setAccessibleName(tr("Libraries and their entries"));
        openButton->setText(tr("&Open Library..."));
        m_removeButton->setText(tr("&Remove from List"));
        importButton->setText(tr("&Import..."));
        importButton->setToolTip(tr("Import a table of commands by model into your library"));
    });

    connect(m_search, &QLineEdit::textChanged, this, &CommandLibraryWindow::showShelf);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CommandLibraryWindow::entryChosen);
    connect(openButton, &QPushButton::clicked, this, &CommandLibraryWindow::openLibrary);
    connect(m_removeButton, &QPushButton::clicked, this, &CommandLibraryWindow::removeLibrary);
    connect(importButton, &QPushButton::clicked, this, &CommandLibraryWindow::importTable);
    return side;
}

QWidget* CommandLibraryWindow::buildEntrySide(PortLister lister)
{
    m_view = new LibraryEntryView;
    m_recordLabel = new QLabel;
    m_recordLabel->setObjectName(QStringLiteral("recordLabel"));
    m_recordLabel->setWordWrap(true);
    m_secondLayerBox = new QCheckBox;
    m_secondLayerBox->setObjectName(QStringLiteral("secondLayerBox"));
    m_useButton = button(QStringLiteral("useButton"));
    m_addButton = button(QStringLiteral("addButton"));
    auto* recordBox = new QGroupBox;
    auto* recordLayout = new QVBoxLayout(recordBox);
    recordLayout->addWidget(m_recordLabel);
    recordLayout->addWidget(m_secondLayerBox);
    auto* recordButtons = new QHBoxLayout;
    recordButtons->addWidget(m_useButton);
    recordButtons->addWidget(m_addButton);
    recordButtons->addStretch();
    recordLayout->addLayout(recordButtons);

    m_portBox = new QComboBox;
    m_portBox->setObjectName(QStringLiteral("portBox"));
    m_portBox->setEditable(true);
    m_portBox->setInsertPolicy(QComboBox::NoInsert);
    m_portBox->setMinimumContentsLength(16);
    // Named before the picker, which gives the name to the box's typing field.
    LanguageChooser::keepTranslated(m_portBox, [this] { m_portBox->setAccessibleName(tr("Port of the equipment")); });
    m_picker = new ComPortPicker(m_portBox, std::move(lister));
    m_picker->refresh();
    m_picker->selectPort(SettingsStore::open().value(QLatin1String(SettingsStore::TrialPortKey)).toString());
    auto* portLabel = new QLabel;
    portLabel->setBuddy(m_portBox);
    m_tryButton = button(QStringLiteral("tryButton"));
    m_cancelButton = button(QStringLiteral("cancelButton"));
    m_cancelButton->setEnabled(false);
    auto* tryBox = new QGroupBox;
    auto* tryLayout = new QHBoxLayout(tryBox);
    tryLayout->addWidget(portLabel);
    tryLayout->addWidget(m_portBox, 1);
    tryLayout->addWidget(m_tryButton);
    tryLayout->addWidget(m_cancelButton);

    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(recordBox);
    layout->addWidget(tryBox);
    LanguageChooser::keepTranslated(side, [=] {
        m_secondLayerBox->setText(tr("S&econd layer of the key"));
        m_useButton->setText(tr("&Use for the Selected Record"));
        m_addButton->setText(tr("&Add the Selected Record..."));
        recordBox->setTitle(tr("Record"));
        portLabel->setText(tr("&Port:"));
        m_tryButton->setText(tr("&Try"));
        m_cancelButton->setText(tr("Cancel"));
        tryBox->setTitle(tr("Try on the equipment"));
    });

    connect(m_useButton, &QPushButton::clicked, this, &CommandLibraryWindow::useForRecord);
    connect(m_addButton, &QPushButton::clicked, this, &CommandLibraryWindow::addSelectedRecord);
    connect(m_tryButton, &QPushButton::clicked, this, &CommandLibraryWindow::tryEntry);
    connect(m_cancelButton, &QPushButton::clicked, this, &CommandLibraryWindow::cancel);
    connect(m_secondLayerBox, &QCheckBox::toggled, this, &CommandLibraryWindow::updateButtons);
    connect(m_view, &LibraryEntryView::valuesChanged, this, &CommandLibraryWindow::updateButtons);
    return side;
}

void CommandLibraryWindow::connectWindow(QDialogButtonBox* buttons)
{
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    addEscapeShortcut(
        this, [this] { return isTrying(); }, [this] { cancel(); });
    connect(m_run, &CommandTrialRun::finished, this, &CommandLibraryWindow::trialFinished);
    connect(m_selection, &RecordSelection::currentRecordChanged, this, &CommandLibraryWindow::updateButtons);
}

bool CommandLibraryWindow::isTrying() const
{
    return m_run->isRunning();
}

QString CommandLibraryWindow::status() const
{
    return m_status->text();
}

void CommandLibraryWindow::say(const QString& text)
{
    m_status->setText(text);
}

void CommandLibraryWindow::reload()
{
    m_shelf.reload();
    showShelf();
}

QTreeWidgetItem* CommandLibraryWindow::libraryItem(int index)
{
    const LibraryShelf::Library& library = m_shelf.libraries()[index];
    auto* item = new QTreeWidgetItem(m_tree);
    QString text = library.title();
    if (!library.readable()) {
        text = tr("%1: not used, it could not be read (%2)").arg(library.title(), library.error);
    } else if (library.entries.isEmpty()) {
        text = tr("%1 (empty)").arg(library.title());
    }
    item->setText(0, text);
    item->setToolTip(0, QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(library.path), text));
    item->setData(0, LibraryRole, index);
    item->setData(0, EntryRole, -1);
    item->setFirstColumnSpanned(true);
    return item;
}

void CommandLibraryWindow::showShelf()
{
    const QSignalBlocker quiet(m_tree);
    m_tree->clear();
    QList<QTreeWidgetItem*> libraries;
    for (int l = 0; l < m_shelf.libraries().size(); ++l) {
        libraries << libraryItem(l);
    }
    QTreeWidgetItem* chosen = nullptr;
    QMap<QPair<int, QString>, QTreeWidgetItem*> equipment;
    for (const LibraryShelf::Found& found : m_shelf.search(m_search->text())) {
        const LibraryEntry* entry = m_shelf.entry(found);
        const QString path = m_shelf.libraries()[found.library].path;
        QTreeWidgetItem*& parent = equipment[{found.library, entry->equipment}];
        if (!parent) {
            parent = new QTreeWidgetItem(libraries[found.library]);
            parent->setText(0, entry->equipment.isEmpty() ? tr("(no equipment named)") : entry->equipment);
            parent->setData(0, LibraryRole, found.library);
            parent->setData(0, EntryRole, -1);
            parent->setFirstColumnSpanned(true);
        }
        auto* item = new QTreeWidgetItem(parent, {entry->name, entry->group});
        item->setData(0, LibraryRole, found.library);
        item->setData(0, EntryRole, found.entry);
        if (path == m_chosenLibrary && entry->name == m_chosenName) {
            chosen = item;
        }
    }
    m_tree->expandAll();
    m_tree->setCurrentItem(chosen);
    entryChosen();
}

bool CommandLibraryWindow::chooseEntry(int library, const QString& name)
{
    if (library < 0 || library >= m_shelf.libraries().size()) {
        return false;
    }
    m_chosenLibrary = m_shelf.libraries()[library].path;
    m_chosenName = name;
    m_search->clear();
    showShelf();
    return m_view->hasEntry();
}

void CommandLibraryWindow::entryChosen()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    const LibraryShelf::Found found{item ? item->data(0, LibraryRole).toInt() : -1,
                                    item ? item->data(0, EntryRole).toInt() : -1};
    const LibraryEntry* entry = m_shelf.entry(found);
    if (entry) {
        m_chosenLibrary = m_shelf.libraries()[found.library].path;
        m_chosenName = entry->name;
    }
    // The same entry is not shown afresh: the values typed into its fields stay.
    if (!entry || !m_view->hasEntry() || m_view->entry() != *entry) {
        m_view->showEntry(entry);
    }
    const bool opened = found.library >= 0 && found.library < m_shelf.libraries().size()
        && m_shelf.libraries()[found.library].kind == LibraryShelf::Kind::Opened;
    m_removeButton->setEnabled(opened);
    updateButtons();
}

int CommandLibraryWindow::targetLayer() const
{
    const ConfigDocument::Place place = m_selection->current();
    if (place.link <= DeviceRecordLayout::FirstLayer && m_secondLayerBox->isChecked()) {
        return DeviceRecordLayout::SecondLayer;
    }
    return qMax(place.link, DeviceRecordLayout::FirstLayer);
}

QString CommandLibraryWindow::targetName() const
{
    return DeviceRecordLayout::recordName(m_selection->current().key, targetLayer());
}

QString CommandLibraryWindow::recordRefusal() const
{
    if (m_selection->current().key <= 0) {
        return tr("Choose a key or a link in the main window first.");
    }
    // Never over an open edit: what was typed there would be lost.
    if (m_selection->editedCommand(false) || m_selection->editedCommand(true)) {
        return tr("Finish the data you are editing in the main window with Ok or Cancel first.");
    }
    return QString();
}

void CommandLibraryWindow::updateButtons()
{
    const ConfigDocument::Place place = m_selection->current();
    m_secondLayerBox->setEnabled(place.link <= DeviceRecordLayout::FirstLayer);
    const QString refusal = recordRefusal();
    m_recordLabel->setText(place.key > 0 ? targetName() : refusal);
    m_useButton->setEnabled(m_view->hasEntry() && refusal.isEmpty());
    m_useButton->setToolTip(refusal);
    m_addButton->setEnabled(refusal.isEmpty());
    m_addButton->setToolTip(refusal);
    m_tryButton->setEnabled(m_view->hasEntry() && !isTrying());
    m_cancelButton->setEnabled(isTrying());
    m_portBox->setEnabled(!isTrying());
}

bool CommandLibraryWindow::useForRecord()
{
    const QString refusal = recordRefusal();
    LibraryCommand::Bytes made;
    QString error;
    if (!refusal.isEmpty() || !m_view->render(&made, &error)) {
        say(tr("Not used: %1").arg(refusal.isEmpty() ? error : refusal));
        return false;
    }
    const QString record = targetName();
    if (const QString tooLong = RecordCommandWrite::refusal(made.bytes); !tooLong.isEmpty()) {
        say(tr("Not used: %1.").arg(tooLong));
        return false;
    }
    const bool ownLine = !m_view->entry().line.isEmpty();
    UartData uart;
    if (ownLine && !LineSettings::fromText(m_view->entry().line, &uart, &error)) {
        say(tr("Not used: a record cannot hold the line settings %1 (%2).").arg(m_view->entry().line, error));
        return false;
    }
    const ConfigDocument::Place place = m_selection->current();
    const int layer = targetLayer();
    // The command and the line settings; the delay stays as it is.
    const bool changed = m_document->changeRecords(
        tr("Use %1 for %2").arg(m_view->entry().name, record), place, [&](ProgramRecords* records) {
            return RecordCommandWrite::write(records, place.key, layer, made.bytes, ownLine ? &uart : nullptr);
        });
    const QString note = RecordCommandWrite::switchedOffNote(*m_document->records(), place.key, layer);
    say((changed ? tr("%1 now holds %2.").arg(record, m_view->entry().name)
                 : tr("%1 already holds these bytes and line settings.").arg(record))
        + (note.isEmpty() ? QString() : QLatin1Char(' ') + note));
    return changed;
}

void CommandLibraryWindow::tryEntry()
{
    LibraryCommand::Bytes made;
    QString error;
    if (isTrying()) {
        return;
    }
    if (!m_view->render(&made, &error)) {
        say(tr("Not tried: %1").arg(error));
        return;
    }
    CommandTrial::Request request;
    request.port = m_picker->selectedPortName().trimmed();
    request.bytes = made.bytes;
    // The entry's line settings, else those of the record it would go into.
    const ConfigDocument::Place place = m_selection->current();
    CommandTrial::RecordCommand record;
    if (!m_view->entry().line.isEmpty()) {
        if (!LineSettings::fromText(m_view->entry().line, &request.line, &error)) {
            say(tr("Not tried: the line settings %1 cannot be used (%2).").arg(m_view->entry().line, error));
            return;
        }
    } else if (place.key > 0
               && CommandTrial::recordCommand(*m_document->records(), place.key, targetLayer(), &record)) {
        request.line = record.line;
    }
    if (m_device) {
        request.busyPort = m_device->connectedPort();
    }
    const QString refusal = CommandTrial::refusal(request);
    if (!refusal.isEmpty()) {
        say(refusal);
        return;
    }
    SettingsStore::open().setValue(QLatin1String(SettingsStore::TrialPortKey), request.port);
    say(tr("Trying %1 on %2 at %3...").arg(m_view->entry().name, request.port, LineSettings::toText(request.line)));
    m_run->start(request);
    updateButtons();
}

void CommandLibraryWindow::cancel()
{
    m_run->cancel();
}

void CommandLibraryWindow::trialFinished(const CommandTrial::Result& result)
{
    updateButtons();
    ReplyPattern pattern;
    QString error;
    if (!result.replied()) {
        say(result.describe());
    } else if (!ReplyPattern::fromEntry(m_view->entry(), &pattern, &error)) {
        say(tr("Reply %1 (the expected reply could not be read: %2)").arg(TypedBytes::spacedHex(result.reply), error));
    } else if (pattern.isEmpty()) {
        say(tr("Reply %1 (the entry expects none in particular)").arg(TypedBytes::spacedHex(result.reply)));
    } else {
        say(tr("Reply %1: %2 (expected %3)")
                .arg(pattern.match(result.reply).describe(), TypedBytes::spacedHex(result.reply), pattern.toText()));
    }
}

bool CommandLibraryWindow::addSelectedRecord()
{
    const QString refusal = recordRefusal();
    const ConfigDocument::Place place = m_selection->current();
    CommandTrial::RecordCommand record;
    if (!refusal.isEmpty() || !CommandTrial::recordCommand(*m_document->records(), place.key, targetLayer(), &record)) {
        say(tr("Nothing added: %1").arg(refusal.isEmpty() ? tr("there is no such record.") : refusal));
        return false;
    }
    const QString name = targetName();
    if (record.bytes.isEmpty()) {
        say(tr("Nothing added: %1 holds no command.").arg(name));
        return false;
    }
    LibraryEntry entry;
    if (m_view->hasEntry()) {
        entry.equipment = m_view->entry().equipment;
        entry.group = m_view->entry().group;
    }
    LibraryEntryNameDialog dialog(name, entry, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.fill(&entry);
    entry.hex = TypedBytes::spacedHex(record.bytes);
    entry.line = LineSettings::toText(record.line);
    const OperationResult result = m_shelf.add(entry);
    if (result.ok) {
        m_chosenLibrary = m_shelf.libraries().constFirst().path;
        m_chosenName = entry.name;
        m_search->clear();
    }
    return shelfChanged(result);
}

bool CommandLibraryWindow::importTable()
{
    return withFile(tr("Import Command Table"), tr("JSON files (*.json);;All files (*)"), &LibraryShelf::import);
}

bool CommandLibraryWindow::openLibrary()
{
    return withFile(tr("Open Library"), tr("Command libraries (*.json);;All files (*)"), &LibraryShelf::open);
}

bool CommandLibraryWindow::withFile(const QString& caption, const QString& filter,
                                    OperationResult (LibraryShelf::*act)(const QString&))
{
    const QString path = QFileDialog::getOpenFileName(this, caption, QString(), filter);
    return !path.isEmpty() && shelfChanged((m_shelf.*act)(path));
}

bool CommandLibraryWindow::shelfChanged(const OperationResult& result)
{
    showShelf();
    say(result.ok ? result.done + QLatin1Char('.') : result.error);
    return result.ok;
}

void CommandLibraryWindow::removeLibrary()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item && m_shelf.remove(item->data(0, LibraryRole).toInt())) {
        showShelf();
    }
}

void CommandLibraryWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The companion may have changed a library while the window was closed.
    reload();
}

void CommandLibraryWindow::closeEvent(QCloseEvent* event)
{
    // A trial has nothing to finish: closing stops its wait.
    cancel();
    QWidget::closeEvent(event);
}
