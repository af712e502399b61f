#include "keyactions.h"
#include "commandbutton.h"
#include "commandlibrarywindow.h"
#include "languagechooser.h"
#include "trycommandwindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <utility>

KeyActions::KeyActions(QMainWindow* window, QButtonGroup* keys, QButtonGroup* links, QMenu* beforeMenu)
    : QObject(window)
    , m_window(window)
    , m_keys(keys)
    , m_links(links)
    , m_menu(new QMenu(window))
{
    m_menu->setObjectName(QStringLiteral("menuKey"));
    // The texts and order of a key's own menu. Enter on a focused key is Change Data too.
    QAction* name = addEntry("actionChange_Button_Name", QKeySequence(Qt::Key_F2), &CommandButton::changeButtonName);
    QAction* data = addEntry("actionChange_Data", QKeySequence(Qt::Key_F4), &CommandButton::changeData);
    QAction* line = addEntry("actionChange_Baud_Rate", QKeySequence(Qt::Key_F6), &CommandButton::changeUartSetting);
    LanguageChooser::keepTranslated(m_menu, [this, name, data, line] {
        m_menu->setTitle(tr("&Key"));
        name->setText(tr("Change Button &Name"));
        data->setText(tr("Change &Data"));
        line->setText(tr("Change &Baud Rate"));
    });
    window->menuBar()->insertMenu(beforeMenu ? beforeMenu->menuAction() : nullptr, m_menu);

    watchButtons(keys);
    watchButtons(links);
    updateEnabled();
}

void KeyActions::addTryCommand(const ConfigDocument* document, RecordSelection* selection,
                               const DeviceController* device)
{
    QAction* tryCommand = m_menu->addAction(QString());
    LanguageChooser::keepTranslated(m_menu, [tryCommand] { tryCommand->setText(tr("&Try Command...")); });
    tryCommand->setObjectName(QStringLiteral("actionTry_Command"));
    tryCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(tryCommand, &QAction::triggered, this, [this, document, selection, device] {
        showWindow<TryCommandWindow>([=] { return new TryCommandWindow(document, selection, device, m_window); });
    });
}

void KeyActions::addCommandLibrary(ConfigDocument* document, RecordSelection* selection, const DeviceController* device)
{
    QAction* library = m_menu->addAction(QString());
    LanguageChooser::keepTranslated(m_menu, [library] { library->setText(tr("Command &Library...")); });
    library->setObjectName(QStringLiteral("actionCommand_Library"));
    library->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(library, &QAction::triggered, this, [this, document, selection, device] {
        showWindow<CommandLibraryWindow>(
            [=] { return new CommandLibraryWindow(document, selection, device, m_window); });
    });
}

template <typename T, typename Make> void KeyActions::showWindow(Make make)
{
    auto* window = m_window->findChild<T*>();
    if (!window) {
        window = make();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

QAction* KeyActions::addEntry(const char* objectName, const QKeySequence& shortcut, void (CommandButton::*slot)())
{
    QAction* action = m_menu->addAction(QString());
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, slot] {
        if (CommandButton* button = target()) {
            (button->*slot)();
        }
    });
    m_entries.append(action);
    return action;
}

void KeyActions::watchButtons(QButtonGroup* group)
{
    connect(group, &QButtonGroup::idToggled, this, &KeyActions::updateEnabled);
    const QList<QAbstractButton*> buttons = group->buttons();
    // Keyboard order is the keys' numbers, whatever order the form made them in.
    for (int i = 1; i < buttons.size(); ++i) {
        QWidget::setTabOrder(buttons[i - 1], buttons[i]);
    }
    // A key is disabled with its tab while a command is edited: the entries follow.
    for (QAbstractButton* button : buttons) {
        button->installEventFilter(this);
        if (auto* key = qobject_cast<CommandButton*>(button)) {
            connect(key, &CommandButton::requestChangeData, this, [this](CommandButton* caller) { m_edited = caller; });
        }
    }
}

bool KeyActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        updateEnabled();
        // Ok and Cancel leave the focus on whatever follows the command field; it goes
        // back to the key that was edited, so the keyboard goes on from there.
        if (watched == m_edited && m_edited->isEnabled()) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || (focus->window() == m_edited->window() && !qobject_cast<CommandButton*>(focus))) {
                m_edited->setFocus(Qt::OtherFocusReason);
            }
            m_edited = nullptr;
        }
    }
    return QObject::eventFilter(watched, event);
}

CommandButton* KeyActions::target() const
{
    auto usable = [](QAbstractButton* button) {
        return button && button->isEnabled() ? qobject_cast<CommandButton*>(button) : nullptr;
    };
    if (CommandButton* link = usable(m_links->checkedButton())) {
        return link;
    }
    return usable(m_keys->checkedButton());
}

void KeyActions::updateEnabled()
{
    const bool enabled = target() != nullptr;
    for (QAction* action : std::as_const(m_entries)) {
        action->setEnabled(enabled);
    }
}
