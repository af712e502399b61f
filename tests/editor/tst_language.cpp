// The window in the desktop's language and in one chosen under Setting >
// Language, its own texts and Qt's standard buttons alike, changed at once.
#include "appmainwindow.h"
#include "languagechooser.h"
#include "settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class TstLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SettingsStore::open().remove(QLatin1String(SettingsStore::LanguageKey));
        LanguageChooser::apply(QString());
    }

    void windowFollowsChoice_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("importEntry");
        QTest::addColumn<QString>("editMenu");
        QTest::addColumn<QString>("cancel");
        // The desktop is German (LANG, set in main); "System" follows it.
        QTest::newRow("system") << ""
                                << "&Datei"
                                << "JSON &importieren..."
                                << "&Bearbeiten"
                                << "Abbrechen";
        QTest::newRow("back to English") << "en"
                                         << "&File"
                                         << "&Import JSON..."
                                         << "&Edit"
                                         << "Cancel";
        QTest::newRow("German") << "de"
                                << "&Datei"
                                << "JSON &importieren..."
                                << "&Bearbeiten"
                                << "Abbrechen";
        QTest::newRow("French") << "fr"
                                << "&Fichier"
                                << "&Importer du JSON..."
                                << "É&dition"
                                << "Annuler";
    }

    void windowFollowsChoice()
    {
        QFETCH(QString, language);
        QFETCH(QString, fileMenu);
        QFETCH(QString, importEntry);
        QFETCH(QString, editMenu);
        QFETCH(QString, cancel);
        AppMainWindow window;
        // Made before the change, so it has to follow the open window.
        QDialog* dialog = window.uartDialog();
        window.show();
        const QString code = language.isEmpty() ? QStringLiteral("system") : language;
        auto* choice = window.findChild<QAction*>(QStringLiteral("actionLanguage_") + code);
        QVERIFY(choice);
        choice->trigger();
        QVERIFY(choice->isChecked());

        auto* file = window.findChild<QMenu*>(QStringLiteral("menu_File"));
        QTRY_COMPARE(file->title(), fileMenu);
        // Texts set in code rather than in the form.
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("actionImport_JSON"))->text(), importEntry);
        QCOMPARE(window.findChild<QMenu*>(QStringLiteral("menu_Edit"))->title(), editMenu);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), cancel);
        QCOMPARE(LanguageChooser::stored(), language);
    }
};

int main(int argc, char** argv)
{
    // A German desktop, read once the application exists.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        qunsetenv(name);
    }
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TstLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
