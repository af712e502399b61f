#ifndef COMPARISONDIALOG_H
#define COMPARISONDIALOG_H

#include "configcompare.h"

#include <QDialog>
#include <QList>
#include <QString>

class ProgramRecords;
class QLabel;
class QTableWidget;

// Shows the differences between two configurations as a table: the record, the
// field, the value here (the window) and the value there (a file or the device).
class ComparisonDialog : public QDialog
{
    Q_OBJECT

public:
    // Which side of each difference is the window's own configuration.
    enum class Here { A, B };

    ComparisonDialog(const QString& title, const QString& label, const QList<ConfigComparison::Difference>& differences,
                     Here here = Here::A, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

    // File > Compare With File... once a file is chosen: reads it, compares it with `here`
    // in everything a file holds and shows the result. A file that can't be read or is
    // damaged gives the warning Open gives, and no comparison.
    static void compareWithFile(QWidget* parent, const ProgramRecords& here, const QString& fileName);

private:
    QLabel* m_label = nullptr;
    QTableWidget* m_table = nullptr;
};

#endif // COMPARISONDIALOG_H
