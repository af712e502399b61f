// The window in the desktop's language and in one chosen under Setting >
// Language, its own texts and Qt's standard buttons alike, changed at once.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "commandlibrarywindow.h"
#include "languagechooser.h"
#include "settingsstore.h"
#include "trycommandwindow.h"

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
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("tryEntry");
        QTest::addColumn<QString>("playKey");
        QTest::addColumn<QString>("key");
        // The desktop is German (LANG, set in main); "System" follows it.
        QTest::newRow("system") << ""
                                << "&Datei"
                                << "JSON &importieren..."
                                << "&Bearbeiten"
                                << "Abbrechen"
                                << "Befehlsbibliothek"
                                << "&Ausprobieren"
                                << "Taste &abspielen"
                                << "Taste 1";
        QTest::newRow("back to English") << "en"
                                         << "&File"
                                         << "&Import JSON..."
                                         << "&Edit"
                                         << "Cancel"
                                         << "Command Library"
                                         << "&Try"
                                         << "Play &Key"
                                         << "Key 1";
        QTest::newRow("German") << "de"
                                << "&Datei"
                                << "JSON &importieren..."
                                << "&Bearbeiten"
                                << "Abbrechen"
                                << "Befehlsbibliothek"
                                << "&Ausprobieren"
                                << "Taste &abspielen"
                                << "Taste 1";
        QTest::newRow("French") << "fr"
                                << "&Fichier"
                                << "&Importer du JSON..."
                                << "É&dition"
                                << "Annuler"
                                << "Bibliothèque de commandes"
                                << "&Essayer"
                                << "Jouer la &touche"
                                << "Touche 1";
    }

    void windowFollowsChoice()
    {
        QFETCH(QString, language);
        QFETCH(QString, fileMenu);
        QFETCH(QString, importEntry);
        QFETCH(QString, editMenu);
        QFETCH(QString, cancel);
        QFETCH(QString, library);
        QFETCH(QString, tryEntry);
        QFETCH(QString, playKey);
        QFETCH(QString, key);
        AppMainWindow window;
        // Made before the change, so they have to follow it while open.
        QDialog* dialog = window.uartDialog();
        window.show();
        for (const char* name : {"actionCommand_Library", "actionTry_Command"}) {
            window.findChild<QAction*>(QLatin1String(name))->trigger();
        }
        auto* libraryWindow = window.findChild<CommandLibraryWindow*>();
        auto* tryWindow = window.findChild<TryCommandWindow*>();
        QVERIFY(libraryWindow && tryWindow);
        CommandButton* firstKey = window.dataManager()->getButtonObject(1);
        const QString keyName = firstKey->text();
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
        QCOMPARE(libraryWindow->windowTitle(), library);
        QCOMPARE(libraryWindow->findChild<QPushButton*>(QStringLiteral("tryButton"))->text(), tryEntry);
        QCOMPARE(tryWindow->findChild<QPushButton*>(QStringLiteral("playButton"))->text(), playKey);
        // The keys keep the names they show; only their place is said anew.
        QCOMPARE(firstKey->text(), keyName);
        QVERIFY2(firstKey->accessibleName().startsWith(key), qPrintable(firstKey->accessibleName()));
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
