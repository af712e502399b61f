#include "comparisondialog.h"

#include "appdata.h"
#include "commandtext.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A command as the command field shows it ("EE 42 43 0D", not the stored
// "EE42430D"); "(none)" and text that is not plain hex stay as they are.
QString shownValue(const ConfigComparison::Difference& difference, const QString& value)
{
    const QByteArray bytes = CommandText::hexToBytes(value);
    if (difference.field != ConfigComparison::Field::Command || bytes.isEmpty()
        || value != CommandText::bytesToHex(bytes)) {
        return value;
    }
    return CommandText::spacedHex(bytes);
}

} // namespace

ComparisonDialog::ComparisonDialog(const QString& title, const QString& label,
                                   const QList<ConfigComparison::Difference>& differences, Here here, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("comparisonDialog"));
    setWindowTitle(title);

    m_label = new QLabel(label, this);
    m_label->setObjectName(QStringLiteral("differencesLabel"));
    m_label->setWordWrap(true);

    m_table = new QTableWidget(int(differences.size()), 4, this);
    m_table->setObjectName(QStringLiteral("differencesTable"));
    m_table->setAccessibleName(tr("Differences"));
    m_table->setHorizontalHeaderLabels({tr("Record"), tr("Field"), tr("Here"), tr("There")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < differences.size(); ++row) {
        const ConfigComparison::Difference& d = differences.at(row);
        // A long command shows where it first differs and the bytes around there.
        const bool aIsHere = here == Here::A;
        QString subject = d.subject();
        if (subject.endsWith(QLatin1Char(':'))) {
            subject.chop(1);
        }
        const QString here = shownValue(d, aIsHere ? d.shownA() : d.shownB());
        const QString there = shownValue(d, aIsHere ? d.shownB() : d.shownA());
        const QStringList cells = {d.record, subject, here, there};
        const QStringList whole = {QString(), QString(), shownValue(d, aIsHere ? d.valueA : d.valueB),
                                   shownValue(d, aIsHere ? d.valueB : d.valueA)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (d.offset >= 0 && !whole.at(column).isEmpty()) {
                item->setToolTip(whole.at(column));
            }
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(720, 420);
}

void ComparisonDialog::compareWithFile(QWidget* parent, const ProgramRecords& here, const QString& fileName)
{
    const QString title = tr("Compare With File");
    const QString shown = QDir::toNativeSeparators(fileName);
    auto refuse = [parent, &shown](const QString& detail) {
        // As Open says it: the short text first, the path and the reason below it.
        QMessageBox box(QMessageBox::Warning, tr("Application"), tr("Can't open wire"), QMessageBox::Ok, parent);
        box.setInformativeText(detail);
        box.exec();
    };

    // Loaded into a grid like the window's, as Open would load it.
    ProgramRecords there;
    there.newData(here.getMaxButtonId(), here.getMaxLinkId());
    const ConfigFileLoad load = there.loadConfigFileFrom(fileName);
    if (!load.isLoaded()) {
        refuse(load.message(
            tr("%1 is not a configuration file of this editor, or it is damaged: %2. Nothing was compared.")));
        return;
    }

    const QList<ConfigComparison::Difference> differences =
        ConfigComparison(here, there, ConfigComparison::Scope::File).differences();
    if (differences.isEmpty()) {
        QMessageBox::information(parent, title, tr("The file holds the same configuration."));
        return;
    }
    const int count = int(differences.size());
    ComparisonDialog dialog(title,
                            (count == 1
                                 ? tr("%1 differs from this configuration (1 difference):").arg(shown)
                                 : tr("%1 differs from this configuration (%2 differences):").arg(shown).arg(count)),
                            differences, Here::A, parent);
    dialog.exec();
}
