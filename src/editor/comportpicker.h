#ifndef COMPORTPICKER_H
#define COMPORTPICKER_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QComboBox;

// One serial port as the port list shows it.
struct PortEntry {
    QString name; // what is opened, e.g. "ttyUSB0"
    QString label; // what the list shows: the name and the system's description
    QString location; // e.g. "/dev/ttyUSB0"

    bool operator==(const PortEntry& other) const
    {
        return name == other.name && label == other.label && location == other.location;
    }
    bool operator!=(const PortEntry& other) const { return !(*this == other); }
};

// Where the list comes from. A test hands in its own to make ports come and go.
using PortLister = std::function<QList<PortEntry>()>;

// The system's serial ports (pseudo-terminals are not among them).
QList<PortEntry> systemSerialPorts();

// Fills the COM port dialog's editable port box and, while the dialog is
// shown, keeps it following the ports that are plugged in and pulled out.
// The box is only redrawn when the list changed, and what the user chose or
// typed stays in it across a redraw.
class ComPortPicker : public QObject
{
    Q_OBJECT

public:
    static constexpr int PollIntervalMs = 500;

    // Becomes a child of `box`; polls while the window `box` is in is shown.
    explicit ComPortPicker(QComboBox* box, PortLister lister = systemSerialPorts);

    // The port in the box: a listed entry stands for its port, anything else
    // is the name as typed.
    QString selectedPortName() const;
    // The ports the list shows, in its order.
    QStringList listedPorts() const;
    // Selects a listed port, or puts the name in the box as if typed.
    void selectPort(const QString& portName);
    // Marks these listed ports with `note` after their label (empty: none);
    // the marks stay while those ports stay listed.
    void markPorts(const QStringList& portNames, const QString& note);

    bool isPolling() const { return m_poll.isActive(); }
    // Takes the list from `lister` from the next read on.
    void setLister(PortLister lister) { m_lister = std::move(lister); }

public slots:
    // Reads the list again; redraws the box only when it changed.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw(const QList<PortEntry>& ports);
    QString shownLabel(const PortEntry& port) const;
    void showListed(int index);

    QComboBox* m_box;
    PortLister m_lister;
    QList<PortEntry> m_shown;
    bool m_drawn = false;
    QTimer m_poll;
    QStringList m_marked;
    QString m_markNote;
};

#endif // COMPORTPICKER_H
