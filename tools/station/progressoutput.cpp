#include "progressoutput.h"

#include "clicommon.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

void writeJson(const QString& slot, const QString& port, const QString& step, QJsonObject fields)
{
    fields.insert(QStringLiteral("slot"), slot);
    fields.insert(QStringLiteral("port"), port);
    fields.insert(QStringLiteral("step"), step);
    Cli::printErr(QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
}

} // namespace

bool ProgressOutput::formatFrom(const QString& name, Format* format)
{
    if (name == QLatin1String("text")) {
        *format = Format::Text;
    } else if (name == QLatin1String("json")) {
        *format = Format::Json;
    } else {
        return false;
    }
    return true;
}

QString ProgressOutput::label(const QString& slot, const QString& port)
{
    return slot.isEmpty() || slot == port ? port : QStringLiteral("%1 (%2)").arg(slot, port);
}

void ProgressOutput::say(const QString& slot, const QString& port, const QString& line) const
{
    if (m_format == Format::Text) {
        // One call a line: stdio keeps whole lines from threads apart.
        Cli::printErr(QStringLiteral("%1: %2\n").arg(label(slot, port), line));
    }
}

void ProgressOutput::event(const QString& slot, const QString& port, const PortSession::Event& event) const
{
    if (m_format != Format::Json) {
        return;
    }
    QJsonObject fields{{QStringLiteral("elapsed_ms"), event.elapsedMs}};
    QString step = QStringLiteral("connect");
    if (event.step != PortSession::Event::Step::Connect) {
        step = event.step == PortSession::Event::Step::Record ? QStringLiteral("record") : QStringLiteral("verify");
        fields.insert(QStringLiteral("record"), event.record);
        fields.insert(QStringLiteral("of"), event.of);
    }
    writeJson(slot, port, step, fields);
}

void ProgressOutput::done(const PortSession::Outcome& outcome) const
{
    if (m_format != Format::Json) {
        return;
    }
    QJsonObject fields{{QStringLiteral("elapsed_ms"), outcome.start.msecsTo(outcome.end)},
                       {QStringLiteral("outcome"), outcome.result()}};
    if (!outcome.error.isEmpty()) {
        fields.insert(QStringLiteral("error"), outcome.error);
    }
    writeJson(outcome.slot.isEmpty() ? outcome.port : outcome.slot, outcome.port, QStringLiteral("done"), fields);
}

void ProgressOutput::idle(const QString& slot, const QString& port, Idle state, const QString& why) const
{
    if (m_format == Format::Json) {
        writeJson(slot, port, state == Idle::Silent ? QStringLiteral("silent") : QStringLiteral("waiting"),
                  {{QStringLiteral("why"), why}});
    } else {
        say(slot, port, why);
    }
}

void ProgressOutput::gone(const QString& slot, const QString& port, qint64 elapsedMs) const
{
    if (m_format == Format::Json) {
        writeJson(slot, port, QStringLiteral("gone"), {{QStringLiteral("elapsed_ms"), elapsedMs}});
    } else {
        say(slot, port, QStringLiteral("the device was taken away; waiting for the next"));
    }
}
