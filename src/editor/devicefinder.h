#ifndef DEVICEFINDER_H
#define DEVICEFINDER_H

#include "deviceprobe.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class ComPortPicker;
class DeviceProbeRun;
class QDialogButtonBox;
class QLabel;
class QProgressDialog;
class QPushButton;

// The COM port dialog's "Find Device": tries the handshake on every listed
// port and on a typed one, all at once and in the background, with a
// progress dialog and Cancel; then marks the ports that answered, chooses the
// first of them and says in the dialog what it found.
class DeviceFinder : public QObject
{
    Q_OBJECT

public:
    // The port the window is connected on, empty when none: it is not tried
    // again (it could not be opened twice) but counts as found.
    using ConnectedPort = std::function<QString()>;

    // Adds its button to `buttons`; says what it found in `status`.
    DeviceFinder(ComPortPicker* picker, QDialogButtonBox* buttons, QLabel* status, ConnectedPort connectedPort = {});

    void setProbeOptions(DeviceProbe::Options options) { m_options = options; }
    bool isRunning() const;
    QPushButton* button() const { return m_button; }

public slots:
    void find();

signals:
    // The results are shown.
    void finished();

private:
    void showResults(const QList<DeviceProbe::Result>& results);
    void setRunning(bool running);

    ComPortPicker* m_picker;
    QDialogButtonBox* m_buttons;
    QLabel* m_status;
    ConnectedPort m_connectedPort;
    QPushButton* m_button = nullptr;
    DeviceProbeRun* m_run = nullptr;
    QPointer<QProgressDialog> m_progress;
    DeviceProbe::Options m_options;
    QStringList m_order; // the ports of the last find, in the list's order
    QString m_skipped; // the connected port, not tried
};

#endif // DEVICEFINDER_H
