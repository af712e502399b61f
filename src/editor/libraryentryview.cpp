#include "libraryentryview.h"

#include "languagechooser.h"
#include "typedbytes.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* wrappedLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* shownBytes(const QString& name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    // The window's ground, not an edit's: nothing is typed here.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

QString kindText(LibraryParam::Kind kind)
{
    switch (kind) {
    case LibraryParam::Kind::Byte:
        return LibraryEntryView::tr("one byte");
    case LibraryParam::Kind::Decimal:
        return LibraryEntryView::tr("decimal digits");
    case LibraryParam::Kind::HexDigits:
        return LibraryEntryView::tr("hex digits");
    }
    return QString();
}

} // namespace

LibraryEntryView::LibraryEntryView(QWidget* parent)
    : QWidget(parent)
    , m_title(wrappedLabel(QStringLiteral("entryTitle")))
    , m_params(new QFormLayout)
    , m_hex(shownBytes(QStringLiteral("entryHex")))
    , m_text(shownBytes(QStringLiteral("entryText")))
    , m_checksum(wrappedLabel(QStringLiteral("entryChecksum")))
    , m_line(wrappedLabel(QStringLiteral("entryLine")))
    , m_reply(wrappedLabel(QStringLiteral("entryReply")))
    , m_note(wrappedLabel(QStringLiteral("entryNote")))
{
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto* form = new QFormLayout;
    for (QWidget* field : std::initializer_list<QWidget*>{m_hex, m_text, m_checksum, m_line, m_reply, m_note}) {
        form->addRow(new QLabel, field);
    }
    m_params->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title);
    layout->addLayout(m_params);
    layout->addLayout(form);
    layout->addStretch();
    LanguageChooser::keepTranslated(this, [this, form] {
        m_hex->setAccessibleName(tr("Bytes in hex"));
        m_hex->setAccessibleDescription(tr("The bytes in brackets are the checksum"));
        m_text->setAccessibleName(tr("Bytes as text"));
        LanguageChooser::setRowLabel(form, m_hex, tr("Hex:"));
        LanguageChooser::setRowLabel(form, m_text, tr("Text:"));
        LanguageChooser::setRowLabel(form, m_checksum, tr("Checksum:"));
        LanguageChooser::setRowLabel(form, m_line, tr("Line settings:"));
        LanguageChooser::setRowLabel(form, m_reply, tr("Expected reply:"));
        LanguageChooser::setRowLabel(form, m_note, tr("Note:"));
        showEntryTexts();
    });
}

QSpinBox* LibraryEntryView::paramField(const LibraryParam& param)
{
    auto* field = new QSpinBox;
    field->setObjectName(QStringLiteral("param_") + param.name);
    field->setRange(param.min, param.max);
    field->setValue(param.defaultValue);
    if (param.kind == LibraryParam::Kind::HexDigits) {
        field->setDisplayIntegerBase(16);
        field->setPrefix(QStringLiteral("0x"));
    }
    field->setAccessibleName(param.name);
    connect(field, &QSpinBox::valueChanged, this, [this] {
        showBytes();
        emit valuesChanged();
    });
    return field;
}

void LibraryEntryView::showEntry(const LibraryEntry* entry)
{
    while (m_params->rowCount() > 0) {
        m_params->removeRow(0);
    }
    m_fields.clear();
    m_hasEntry = entry != nullptr;
    m_entry = entry ? *entry : LibraryEntry();
    for (const LibraryParam& param : std::as_const(m_entry.params)) {
        QSpinBox* field = paramField(param);
        auto* label = new QLabel;
        label->setBuddy(field);
        m_params->addRow(label, field);
        m_fields << field;
    }
    showEntryTexts();
}

void LibraryEntryView::showEntryTexts()
{
    if (!m_hasEntry) {
        m_title->setText(tr("Choose an entry in the list."));
        for (QLabel* label : {m_checksum, m_line, m_reply, m_note}) {
            label->clear();
        }
        m_hex->clear();
        m_text->clear();
        return;
    }
    QStringList where;
    for (const QString& part : {m_entry.equipment, m_entry.group}) {
        if (!part.isEmpty()) {
            where << part;
        }
    }
    m_title->setText(where.isEmpty() ? m_entry.name
                                     : tr("%1 (%2)").arg(m_entry.name, where.join(QStringLiteral(", "))));
    for (int i = 0; i < m_fields.size() && i < m_entry.params.size(); ++i) {
        const LibraryParam& param = m_entry.params[i];
        QSpinBox* field = m_fields[i];
        LanguageChooser::setRowLabel(m_params, field,
                                     tr("%1 (%2 to %3):").arg(param.name).arg(param.min).arg(param.max));
        field->setAccessibleDescription(tr("%1, from %2 to %3, %4 when not set")
                                            .arg(kindText(param.kind))
                                            .arg(param.min)
                                            .arg(param.max)
                                            .arg(param.defaultValue));
        field->setToolTip(field->accessibleDescription());
    }
    m_line->setText(m_entry.line.isEmpty() ? tr("none named: the record's own are kept") : m_entry.line);
    QString reply = tr("none");
    if (!m_entry.reply.isEmpty()) {
        reply = m_entry.replyIsText ? tr("text \"%1\"").arg(m_entry.reply) : m_entry.reply;
    }
    m_reply->setText(reply);
    m_note->setText(m_entry.note);
    showBytes();
}

LibraryCommand::Values LibraryEntryView::values() const
{
    LibraryCommand::Values values;
    for (int i = 0; i < m_fields.size() && i < m_entry.params.size(); ++i) {
        values.insert(m_entry.params[i].name, m_fields[i]->value());
    }
    return values;
}

bool LibraryEntryView::render(LibraryCommand::Bytes* bytes, QString* error) const
{
    if (!m_hasEntry) {
        *error = tr("no entry is chosen");
        return false;
    }
    return LibraryCommand::render(m_entry, values(), bytes, error);
}

void LibraryEntryView::showBytes()
{
    LibraryCommand::Bytes made;
    QString error;
    if (!render(&made, &error)) {
        m_hex->setText(tr("(none: %1)").arg(error));
        m_text->clear();
        m_checksum->clear();
        return;
    }
    if (made.checksumAt < 0) {
        m_hex->setText(TypedBytes::spacedHex(made.bytes));
        m_checksum->setText(tr("none"));
    } else {
        const QByteArray before = made.bytes.left(made.checksumAt);
        const QByteArray sum = made.bytes.mid(made.checksumAt, made.checksumLength);
        const QByteArray after = made.bytes.mid(made.checksumAt + made.checksumLength);
        QStringList parts;
        for (const QString& part :
             {TypedBytes::spacedHex(before), QStringLiteral("[%1]").arg(TypedBytes::spacedHex(sum)),
              TypedBytes::spacedHex(after)}) {
            if (!part.isEmpty()) {
                parts << part;
            }
        }
        m_hex->setText(parts.join(QLatin1Char(' ')));
        const QString rule = ChecksumRule::name(m_entry.checksum->rule);
        const int first = made.checksumAt + 1;
        const int last = made.checksumAt + made.checksumLength;
        m_checksum->setText(first == last ? tr("%1, byte %2 (in brackets)").arg(rule).arg(first)
                                          : tr("%1, bytes %2 to %3 (in brackets)").arg(rule).arg(first).arg(last));
    }
    m_text->setText(TypedBytes::toEscapedText(made.bytes));
    m_hex->setCursorPosition(0);
    m_text->setCursorPosition(0);
}
