#include "libraryentrynamedialog.h"

#include "commandlibrary.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* nameField(const QString& objectName, const QString& text)
{
    auto* field = new QLineEdit(text);
    field->setObjectName(objectName);
    field->setMaxLength(CommandLibrary::MaxNameLength);
    return field;
}

} // namespace

LibraryEntryNameDialog::LibraryEntryNameDialog(const QString& what, const LibraryEntry& suggested, QWidget* parent)
    : QDialog(parent)
    , m_name(nameField(QStringLiteral("entryName"), suggested.name))
    , m_equipment(nameField(QStringLiteral("entryEquipment"), suggested.equipment))
    , m_group(nameField(QStringLiteral("entryGroup"), suggested.group))
{
    setObjectName(QStringLiteral("addEntryDialog"));
    setWindowTitle(tr("Add to Your Library"));
    auto* intro = new QLabel(tr("Add %1 to your library as:").arg(what));
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    const QList<QPair<QString, QLineEdit*>> rows{
        {tr("&Name:"), m_name}, {tr("&Equipment:"), m_equipment}, {tr("&Group:"), m_group}};
    for (const auto& [text, field] : rows) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        field->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        form->addRow(label, field);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto named = [this, ok] { ok->setEnabled(!m_name->text().trimmed().isEmpty()); };
    connect(m_name, &QLineEdit::textChanged, this, named);
    named();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void LibraryEntryNameDialog::fill(LibraryEntry* entry) const
{
    entry->name = m_name->text().trimmed();
    entry->equipment = m_equipment->text().trimmed();
    entry->group = m_group->text().trimmed();
}
