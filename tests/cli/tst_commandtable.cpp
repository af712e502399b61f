// The manual page's OPTIONS and the bash completion name the options of the
// companion's command table: none missing, none that the table lacks.
#include "commandtable.h"
#include "testfiles.h"

#include <QtTest>

class TestCommandTable : public QObject
{
    Q_OBJECT

private slots:
    void documentsEveryOption();
};

void TestCommandTable::documentsEveryOption()
{
    QSet<QString> table{QStringLiteral("--help"), QStringLiteral("--version")}; // the parser's own
    for (const Cli::Command& command : Cli::commands()) {
        for (Cli::Option option : command.options) {
            table << QStringLiteral("--") + Cli::commandLineOption(option).names().constLast();
        }
    }
    // The manual's entries by their headings after .TP, not the text that refers to other options.
    QString manual;
    const QRegularExpression heading(QStringLiteral("^\\.TP\\n(.*)$"), QRegularExpression::MultilineOption);
    for (auto match = heading.globalMatch(QString::fromUtf8(readFile(QStringLiteral(KVR_CLI_MANUAL)))
                                              .section(".SH OPTIONS", 1)
                                              .section("\n.SH ", 0, 0));
         match.hasNext();) {
        manual += match.next().captured(1).replace(QStringLiteral("\\-"), QStringLiteral("-")) + '\n';
    }
    const QString completion = QString::fromUtf8(readFile(QStringLiteral(KVR_CLI_COMPLETION)));
    for (const auto& [name, text] : {std::pair{KVR_CLI_MANUAL, manual}, std::pair{KVR_CLI_COMPLETION, completion}}) {
        QSet<QString> named;
        const QRegularExpression longOption(QStringLiteral("--[a-z][a-z-]*"));
        for (auto match = longOption.globalMatch(text); match.hasNext();) {
            named << match.next().captured();
        }
        QVERIFY2(named == table,
                 qPrintable(QStringLiteral("%1 lacks %2 and names %3 beyond the table")
                                .arg(name, (table - named).values().join(' '), (named - table).values().join(' '))));
    }
}

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
