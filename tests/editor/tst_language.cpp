// The window in the desktop's language and in one chosen under Setting >
// Language, its own texts, the engine's it shows and Qt's standard buttons
// alike, changed at once.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "commandlibrarywindow.h"
#include "configdocument.h"
#include "languagechooser.h"
#include "linktrace.h"
#include "linktracefile.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "trycommandwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
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
        // Why a file that is no configuration was refused: the engine's text.
        QTest::addColumn<QString>("notAConfiguration");
        // Why Import JSON refused a parity: the values come from a table made once.
        QTest::addColumn<QString>("notAParity");
        // The windows beside the main one, open while the language changes.
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("tryEntry");
        QTest::addColumn<QString>("playKey");
        QTest::addColumn<QString>("key");
        // The desktop is German (LANG, set in main); "System" follows it.
        const auto german = [](const char* row, const char* choice) {
            QTest::newRow(row) << choice << "&Datei"
                               << "JSON &importieren..."
                               << "&Bearbeiten"
                               << "Abbrechen"
                               << "sie beginnt nicht wie eine Konfigurationsdatei"
                               << "keys[0].parity: einer von \"none\", \"odd\""
                               << "Befehlsbibliothek"
                               << "&Ausprobieren"
                               << "Taste &abspielen"
                               << "Taste 1";
        };
        german("system", "");
        QTest::newRow("back to English") << "en"
                                         << "&File"
                                         << "&Import JSON..."
                                         << "&Edit"
                                         << "Cancel"
                                         << "it does not begin as a configuration file does"
                                         << "keys[0].parity: expected one of \"none\", \"odd\""
                                         << "Command Library"
                                         << "&Try"
                                         << "Play &Key"
                                         << "Key 1";
        german("German", "de");
        QTest::newRow("French") << "fr"
                                << "&Fichier"
                                << "&Importer du JSON..."
                                << "É&dition"
                                << "Annuler"
                                << "il ne commence pas comme un fichier de configuration"
                                << "keys[0].parity: l'une des valeurs \"none\", \"odd\""
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
        QFETCH(QString, notAConfiguration);
        QFETCH(QString, notAParity);
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
        QCOMPARE(window.dataManager()->getButtonObject(12)->text(), keyName);
        QVERIFY2(firstKey->accessibleName().startsWith(key), qPrintable(firstKey->accessibleName()));
        QCOMPARE(LanguageChooser::stored(), language);

        QTemporaryDir dir;
        QFile notes(dir.filePath(QStringLiteral("notes.app")));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("shopping list\n") > 0);
        notes.close();
        QVERIFY(!window.document()->open(notes.fileName()));
        QVERIFY2(window.document()->errorString().contains(notAConfiguration),
                 qPrintable(window.document()->errorString()));

        QFile json(dir.filePath(QStringLiteral("odd.json")));
        QVERIFY(
            json.open(QIODevice::WriteOnly)
            && json.write(R"({"format": "kvr210c-config", "version": 2, "keys": [{"key": 1, "parity": "odd-ish"}]})")
                > 0);
        json.close();
        QVERIFY(!window.document()->importJson(json.fileName()));
        QVERIFY2(window.document()->errorString().contains(notAParity), qPrintable(window.document()->errorString()));
    }

    // The trace is read by others: it keeps one language whatever the window's.
    void traceKeepsOneLanguage()
    {
        LanguageChooser::apply(QStringLiteral("de"));
        QTemporaryDir dir;
        QFile notAPort(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notAPort.open(QIODevice::WriteOnly));
        notAPort.close();
        LinkTrace trace(dir.filePath(QStringLiteral("trace.txt")));
        QVERIFY(trace.open());
        SerialLink link;
        link.setTrace(&trace);
        QVERIFY(!link.open(notAPort.fileName()));
        trace.close();
        const QString shown = QStringLiteral("ist kein serieller Port");
        QVERIFY2(link.errorString().contains(shown), qPrintable(link.errorString()));
        const QString note = LinkTraceFile::read(dir.filePath(QStringLiteral("trace.txt"))).notes.value(1);
        QVERIFY2(note.contains(QStringLiteral(" could not be opened: ")) && !note.contains(shown), qPrintable(note));
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
