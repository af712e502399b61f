#include "devicefinder.h"

#include "comportpicker.h"
#include "languagechooser.h"
#include "seriallink.h"

#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>

DeviceFinder::DeviceFinder(ComPortPicker* picker, QDialogButtonBox* buttons, QLabel* status,
                           ConnectedPort connectedPort)
    : QObject(status)
    , m_picker(picker)
    , m_buttons(buttons)
    , m_status(status)
    , m_connectedPort(std::move(connectedPort))
{
    m_button = m_buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_button->setObjectName(QStringLiteral("findDeviceButton"));
    LanguageChooser::keepTranslated(m_button, [this] {
        m_button->setText(tr("&Find Device"));
        m_button->setToolTip(tr("Try every port listed, and the one typed, for the device"));
    });
    // Enter in the port box still means Ok.
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &DeviceFinder::find);

    m_run = new DeviceProbeRun(this);
    connect(m_run, &DeviceProbeRun::finished, this, &DeviceFinder::showResults);
}

bool DeviceFinder::isRunning() const
{
    return m_run->isRunning();
}

void DeviceFinder::setRunning(bool running)
{
    // Nothing may open a port the probe still holds, Ok included.
    m_buttons->setEnabled(!running);
}

void DeviceFinder::find()
{
    if (isRunning()) {
        return;
    }
    const QString connected = m_connectedPort ? m_connectedPort() : QString();
    m_order.clear();
    m_skipped.clear();
    QStringList tried;
    QStringList nodes;
    QStringList candidates = m_picker->listedPorts();
    candidates << m_picker->selectedPortName();
    for (const QString& candidate : candidates) {
        const QString port = candidate.trimmed();
        const QString node = SerialLink::nodePath(port);
        // "ttyUSB0" typed while "ttyUSB0" is listed is one port, tried once.
        if (port.isEmpty() || nodes.contains(node)) {
            continue;
        }
        nodes << node;
        m_order << port;
        if (!connected.isEmpty() && node == SerialLink::nodePath(connected)) {
            m_skipped = port;
        } else {
            tried << port;
        }
    }

    if (m_order.isEmpty()) {
        m_status->setText(tr("No port to try: plug in the device's adapter or type its port."));
        m_status->setToolTip(QString());
        emit finished();
        return;
    }
    if (tried.isEmpty() || !m_run->start(tried, m_options)) {
        showResults({});
        return;
    }
    setRunning(true);
    m_status->setText(tr("Looking for the device..."));
    m_progress = new QProgressDialog(tried.size() == 1
                                         ? tr("Looking for the device on %1...").arg(tried.first())
                                         : tr("Looking for the device on %1 ports at once...").arg(tried.size()),
                                     tr("Cancel"), 0, 0, m_status->window());
    m_progress->setWindowTitle(tr("Find Device"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    connect(m_progress, &QProgressDialog::canceled, m_run, &DeviceProbeRun::cancel);
    m_progress->show();
}

void DeviceFinder::showResults(const QList<DeviceProbe::Result>& results)
{
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
    }
    setRunning(false);

    QHash<QString, DeviceProbe::Result> byPort;
    for (const DeviceProbe::Result& result : results) {
        byPort.insert(result.port, result);
    }
    QStringList found;
    QStringList other; // something answered, not the device
    QStringList details;
    bool cancelled = false;
    int notOpened = 0;
    for (const QString& port : m_order) {
        if (port == m_skipped) {
            found << port;
            details << tr("%1: device (connected)").arg(port);
            continue;
        }
        const DeviceProbe::Result result = byPort.value(port);
        if (result.answered()) {
            found << port;
        }
        if (result.answer == DeviceProbe::Answer::Other) {
            other << port;
        }
        cancelled = cancelled || result.answer == DeviceProbe::Answer::Cancelled;
        notOpened += result.answer == DeviceProbe::Answer::NotOpened ? 1 : 0;
        details << (result.error.isEmpty() ? tr("%1: %2").arg(port, result.describe())
                                           : tr("%1: %2 (%3)").arg(port, result.describe(), result.error));
    }

    QString text;
    if (!found.isEmpty()) {
        text = found.size() == 1 ? tr("Device found on %1.").arg(found.first())
                                 : tr("Devices found on %1.").arg(found.join(QLatin1String(", ")));
        if (cancelled) {
            text += QLatin1Char(' ') + tr("Cancelled before every port had answered.");
        }
    } else if (cancelled) {
        text = tr("Cancelled: no device found before that.");
    } else {
        text = m_order.size() == 1 ? tr("No device answered on %1.").arg(m_order.first())
                                   : tr("No device answered on any of the %1 ports tried.").arg(m_order.size());
        if (notOpened > 0) {
            text += QLatin1Char(' ') + tr("%1 could not be opened.").arg(notOpened);
        }
    }
    // What answered where belongs in the line itself, not only in its tooltip.
    if (!other.isEmpty()) {
        text += QLatin1Char(' ') + tr("Something else answered on %1.").arg(other.join(QLatin1String(", ")));
    }
    m_status->setText(text);
    m_status->setToolTip(details.join(QLatin1Char('\n')));

    m_picker->markPorts(found, tr("device found"));
    if (!found.isEmpty()) {
        m_picker->selectPort(found.first());
    }
    emit finished();
}
