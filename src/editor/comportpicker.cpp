#include "comportpicker.h"

#include "languagechooser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSerialPortInfo>

QList<PortEntry> systemSerialPorts()
{
    QList<PortEntry> entries;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        QStringList details;
        if (!port.description().isEmpty()) {
            details << port.description();
        }
        if (!port.serialNumber().isEmpty()) {
            details << ComPortPicker::tr("serial number %1").arg(port.serialNumber());
        }
        const QString label = details.isEmpty()
            ? port.portName()
            : QStringLiteral("%1 (%2)").arg(port.portName(), details.join(QLatin1String(", ")));
        entries.append({port.portName(), label, port.systemLocation()});
    }
    return entries;
}

ComPortPicker::ComPortPicker(QComboBox* box, PortLister lister)
    : QObject(box)
    , m_box(box)
    , m_lister(std::move(lister))
{
    // A port the system does not list (a pseudo-terminal, say) can be typed in.
    // Enter must not add the typed name to the list as an item without a port.
    m_box->setEditable(true);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    // The typing field is a control of its own to a screen reader: it takes the box's name.
    // The box is named again on a change of language before its field hears of it.
    LanguageChooser::keepTranslated(m_box->lineEdit(),
                                    [this] { m_box->lineEdit()->setAccessibleName(m_box->accessibleName()); });
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &ComPortPicker::refresh);
    m_box->window()->installEventFilter(this);
}

QString ComPortPicker::selectedPortName() const
{
    const QString text = m_box->currentText().trimmed();
    const int listed = m_box->findText(text);
    if (listed >= 0) {
        const QString port = m_box->itemData(listed).toString();
        if (!port.isEmpty()) {
            return port;
        }
    }
    return text;
}

QStringList ComPortPicker::listedPorts() const
{
    QStringList names;
    for (const PortEntry& port : m_shown) {
        names << port.name;
    }
    return names;
}

void ComPortPicker::selectPort(const QString& portName)
{
    const int listed = m_box->findData(portName);
    if (listed >= 0) {
        showListed(listed);
    } else {
        m_box->setEditText(portName);
    }
}

void ComPortPicker::markPorts(const QStringList& portNames, const QString& note)
{
    m_marked = portNames;
    m_markNote = note;
    if (m_drawn) {
        redraw(m_shown);
    }
}

void ComPortPicker::refresh()
{
    const QList<PortEntry> ports = m_lister ? m_lister() : QList<PortEntry>();
    if (m_drawn && ports == m_shown) {
        return;
    }
    // A list the user holds open is not changed under the mouse: the next
    // poll after it closes catches up.
    if (m_box->view()->isVisible()) {
        return;
    }
    redraw(ports);
}

QString ComPortPicker::shownLabel(const PortEntry& port) const
{
    if (m_markNote.isEmpty() || !m_marked.contains(port.name)) {
        return port.label;
    }
    return QStringLiteral("%1 - %2").arg(port.label, m_markNote);
}

void ComPortPicker::redraw(const QList<PortEntry>& ports)
{
    // What the box holds goes back in after the list is rebuilt: a chosen
    // port by its name, typed text as typed, with the cursor where it was.
    const QString wanted = selectedPortName();
    const bool typed = m_box->findText(m_box->currentText()) < 0;
    QLineEdit* edit = m_box->lineEdit();
    const QString typedText = edit->text();
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = edit->selectedText().size();

    m_box->clear();
    int widest = 0;
    for (const PortEntry& port : ports) {
        const QString label = shownLabel(port);
        m_box->addItem(label, port.name);
        m_box->setItemData(m_box->count() - 1, port.location, Qt::ToolTipRole);
        widest = qMax(widest, m_box->fontMetrics().horizontalAdvance(label));
    }
    // The list opens as wide as its longest entry, beyond the box.
    m_box->view()->setMinimumWidth(widest + 40);
    m_shown = ports;
    m_drawn = true;

    const int listed = m_box->findData(wanted);
    if (listed >= 0) {
        showListed(listed);
    } else if (!wanted.isEmpty()) {
        // Typed, or chosen from the list and now pulled out: the name stays,
        // and is chosen again when its port comes back.
        m_box->setEditText(typed ? typedText : wanted);
        if (typed) {
            if (selectionLength > 0) {
                edit->setSelection(selectionStart, selectionLength);
            } else {
                edit->setCursorPosition(cursor);
            }
        }
    }
}

void ComPortPicker::showListed(int index)
{
    m_box->setCurrentIndex(index);
    // The port's name leads the label: keep it in view in the narrow box.
    m_box->lineEdit()->setCursorPosition(0);
}

bool ComPortPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box->window()) {
        if (event->type() == QEvent::Show) {
            refresh();
            m_poll.start();
            if (!event->spontaneous()) {
                // The port is what the dialog is opened for: a typed name replaces it.
                m_box->setFocus(Qt::OtherFocusReason);
                m_box->lineEdit()->selectAll();
            }
        } else if (event->type() == QEvent::Hide) {
            m_poll.stop();
        }
    }
    return QObject::eventFilter(watched, event);
}
