#include "commandbutton.h"
#include "diagnostics.h"
#include "languagechooser.h"
#include "uartsettingform.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDebug>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// True while an arrow moves the focus from one key of a group to the next.
bool movingByArrow = false;

// The characters of a name that the file, which keeps one Latin-1 byte per character,
// cannot hold: each once, in quotes, in the order typed.
QString unstorableCharacters(const QString& name)
{
    QStringList found;
    for (const char32_t c : name.toUcs4()) {
        const QString quoted = QStringLiteral("\"%1\"").arg(QString::fromUcs4(&c, 1));
        if (c > 0xFF && !found.contains(quoted)) {
            found.append(quoted);
        }
    }
    return found.join(QStringLiteral(", "));
}

} // namespace

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
    , m_parent(parent)
{
}

CommandButton::~CommandButton() = default;

void CommandButton::setText(const QString& text)
{
    QPushButton::setText(text);
    updateAccessibleName();
}

void CommandButton::setPlace(const QString& place)
{
    m_place = place;
    updateAccessibleName();
}

void CommandButton::setUnused(bool unused)
{
    m_unused = unused;
    updateAccessibleName();
}

void CommandButton::updateAccessibleName()
{
    if (m_unused) {
        setAccessibleName(tr("%1, unused").arg(m_place));
        return;
    }
    // "Key 3, Pump"; a key without a name is its place alone.
    QString name = text();
    name.remove(QLatin1Char('&'));
    setAccessibleName(m_place.isEmpty() || name.isEmpty() ? m_place + name : tr("%1, %2").arg(m_place, name));
}

void CommandButton::initCommandButton(bool isChangeName, bool isChangeData, bool isChangeUart)
{
    // The menu itself is built at the first right press: the window has 18 of
    // these keys, and their menus would be most of its start-up memory after
    // the picture. The line-settings dialog likewise waits until it is opened.
    m_hasMenu = true;
    m_menuChangeName = isChangeName;
    m_menuChangeData = isChangeData;
    m_menuChangeUart = isChangeUart;
    installEventFilter(this);
}

QMenu* CommandButton::actionMenu()
{
    if (!m_hasMenu || btnMenu) {
        return btnMenu;
    }
    btnMenu = new QMenu(this);
    if (m_menuChangeName) {
        changeButtonNameAct = btnMenu->addAction(QString());
        connect(changeButtonNameAct, &QAction::triggered, this, &CommandButton::changeButtonName);
    }
    if (m_menuChangeData) {
        changeDataAct = btnMenu->addAction(QString());
        connect(changeDataAct, &QAction::triggered, this, &CommandButton::changeData);
    }
    if (m_menuChangeUart) {
        changeUartSettingAct = btnMenu->addAction(QString());
        connect(changeUartSettingAct, &QAction::triggered, this, &CommandButton::changeUartSetting);
    }
    LanguageChooser::keepTranslated(btnMenu, [this] {
        const QList<QPair<QAction*, QString>> texts{{changeButtonNameAct, tr("Change Button &Name")},
                                                    {changeDataAct, tr("Change &Data")},
                                                    {changeUartSettingAct, tr("Change &Baud Rate")}};
        for (const auto& [action, text] : texts) {
            if (action) {
                action->setText(text);
            }
        }
    });
    return btnMenu;
}

QDialog* CommandButton::buildUartSetting()
{
    if (!m_uartSetting) {
        m_uartSetting = new QDialog(this);
        ui.setupUi(m_uartSetting);
        // Kept for the next opening, so it follows a change of language while hidden too.
        LanguageChooser::keepTranslated(m_uartSetting, [this] { ui.retranslateUi(m_uartSetting); });
        m_uartSetting->setWindowIcon(QIcon(QStringLiteral(":/images/uart.png")));
        ui.baudRateBox->setCurrentIndex(BaudRate38400);
        ui.dataBitsBox->setCurrentIndex(DataBits8);
        // The data bits of a command are shown but not chosen here.
        ui.dataBitsBox->setEnabled(false);
        connect(ui.buttonBox, &QDialogButtonBox::accepted, this, &CommandButton::saveUartSetting);
    }
    return m_uartSetting;
}

void CommandButton::setUartData(const UartData* uart)
{
    if (uart) {
        m_uartData = *uart;
    }
}

void CommandButton::getUartData(UartData* uart) const
{
    if (uart) {
        *uart = m_uartData;
    }
}

bool CommandButton::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == this && isEnabled() && e->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton && m_hasMenu) {
        // The menu is attached only while it is shown, so a left click never opens it.
        setMenu(actionMenu());
        showMenu();
        setMenu(nullptr);
    }
    return QPushButton::eventFilter(obj, e);
}

bool CommandButton::event(QEvent* e)
{
    // A name is not a shortcut: the "&" that Qt would take as a mnemonic mark is shown as is.
    if (e->type() == QEvent::Shortcut) {
        return true;
    }
    return QPushButton::event(e);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.replace(QLatin1Char('&'), QLatin1String("&&"));
    painter.drawControl(QStyle::CE_PushButton, option);
    // Not every style marks a focused button, and some only after a Tab: the keys
    // are worked by keyboard too, so the focus is always drawn.
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void CommandButton::keyPressEvent(QKeyEvent* e)
{
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (plain ? e->key() : Qt::Key_unknown) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_menuChangeData) {
            changeData();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // The push button moves the focus among its group and selects the next key
        // only when this one was selected; an arrow selects as a click does either way.
        movingByArrow = true;
        QPushButton::keyPressEvent(e);
        movingByArrow = false;
        auto* next = qobject_cast<CommandButton*>(QApplication::focusWidget());
        if (next && next != this && group() && next->group() == group() && !next->isChecked()) {
            next->click();
        }
        return;
    }
    default:
        break;
    }
    QPushButton::keyPressEvent(e);
}

void CommandButton::focusInEvent(QFocusEvent* e)
{
    // A group of keys is one stop for Tab, as radio buttons are; it is entered at the
    // key that is selected, so the arrows go on from there.
    const bool tabbed = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    QAbstractButton* selected = group() && group()->exclusive() ? group()->checkedButton() : nullptr;
    if (tabbed && !movingByArrow && selected && selected != this && selected->isEnabled()) {
        selected->setFocus(e->reason());
        return;
    }
    QPushButton::focusInEvent(e);
}

void CommandButton::showActionMenu()
{
    qCDebug(kvrDiagnostics, "action menu is show");
}

void CommandButton::changeData()
{
    setChecked(true);
    emit requestChangeData(this);
}

void CommandButton::changeButtonName()
{
    auto* dialog = new QDialog(this);
    setChecked(true);
    nameUi.setupUi(dialog);
    // Ok closes the dialog only for a name the configuration file can hold; then the
    // name is reported, after the dialog has closed.
    disconnect(nameUi.buttonBox, &QDialogButtonBox::accepted, dialog, nullptr);
    connect(nameUi.buttonBox, &QDialogButtonBox::accepted, this, [this, dialog] {
        const QString refused = unstorableCharacters(nameUi.buttonNameEdit->text());
        if (!refused.isEmpty()) {
            QMessageBox::warning(dialog, tr("Change Button Name"),
                                 tr("The name cannot hold %1: a configuration file keeps only "
                                    "Latin-1 characters.")
                                     .arg(refused));
            return;
        }
        dialog->accept();
        acceptNewButtonName();
    });
    // A rename dialog is used once; it goes when it closes.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    nameUi.buttonNameEdit->setFocus();
}

void CommandButton::acceptNewButtonName()
{
    emit requestChangeName(this, nameUi.buttonNameEdit->text());
}

void CommandButton::changeUartSetting()
{
    setChecked(true);
    buildUartSetting();
    loadUartSetting();
    m_uartSetting->show();
    // The dialog's first widget is its Ok; the baud rate is what is changed here.
    ui.baudRateBox->setFocus();
}

void CommandButton::loadUartSetting()
{
    showUartInForm(ui, m_uartData);
}

void CommandButton::saveUartSetting()
{
    m_uartData = uartFromForm(ui);
    emit requestChangeUart(this);
}
