#include "commandfieldnames.h"

#include "languagechooser.h"

#include <QAbstractButton>
#include <QLineEdit>

CommandFieldNames::CommandFieldNames(QLineEdit* firstLayer, QLineEdit* secondLayer, QAbstractButton* hex,
                                     QObject* parent)
    : QObject(parent)
    , m_firstLayer(firstLayer)
    , m_secondLayer(secondLayer)
    , m_hex(hex)
{
    // toggled, not clicked: the form also changes without a click (undo, opening a file).
    connect(m_hex, &QAbstractButton::toggled, this, &CommandFieldNames::rename);
    LanguageChooser::keepTranslated(m_firstLayer, [this] { rename(); });
}

void CommandFieldNames::rename()
{
    const QString form = m_hex->isChecked() ? tr("in hex") : tr("in ASCII");
    m_firstLayer->setAccessibleName(tr("Command, first layer, %1").arg(form));
    m_secondLayer->setAccessibleName(tr("Command, second layer, %1").arg(form));
}
