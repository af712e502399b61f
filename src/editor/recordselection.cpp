#include "recordselection.h"
#include "commandfield.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLineEdit>

RecordSelection::RecordSelection(QButtonGroup* keys, QButtonGroup* links, ConfigDocument* document,
                                 CommandField* command, CommandField* secondLayer, QObject* parent)
    : QObject(parent)
    , m_keys(keys)
    , m_links(links)
    , m_command(command)
    , m_secondLayer(secondLayer)
    , m_told(current())
{
    // A click unchecks one button and checks another: two toggles, one move.
    connect(keys, &QButtonGroup::idToggled, this, &RecordSelection::moved);
    connect(links, &QButtonGroup::idToggled, this, &RecordSelection::moved);
    connect(document, &ConfigDocument::recordsChanged, this, &RecordSelection::changed);
    for (CommandField* field : {command, secondLayer}) {
        // Typing changes the command an open edit holds; opening or ending the edit
        // decides whether the field or the record has it.
        QLineEdit* edit = field->edit();
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            if (edit->isEnabled()) {
                changed();
            }
        });
        edit->installEventFilter(this);
    }
}

ConfigDocument::Place RecordSelection::current() const
{
    return {qMax(m_keys->checkedId(), 0), qMax(m_links->checkedId(), 0)};
}

std::optional<QByteArray> RecordSelection::editedCommand(bool secondLayer) const
{
    const CommandField* field = secondLayer ? m_secondLayer : m_command;
    if (!field->edit()->isEnabled()) {
        return std::nullopt;
    }
    return field->shownBytes();
}

bool RecordSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        changed();
    }
    return QObject::eventFilter(watched, event);
}

void RecordSelection::moved()
{
    const ConfigDocument::Place place = current();
    if (place.key != m_told.key || place.link != m_told.link) {
        changed();
    }
}

void RecordSelection::changed()
{
    m_told = current();
    emit currentRecordChanged(m_told.key, m_told.link);
}
