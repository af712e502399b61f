// The printable sheet of a program: its text, its checksum, the PDF and File > Export Sheet...
#include "appdatamanager.h"
#include "programsheet.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

class TestProgramSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void documentNamesEveryKeyAndLayer();
    void checksumIsOfWhatTheSheetShows_data();
    void checksumIsOfWhatTheSheetShows();
    void writesAPdfWithPages();
    void refusesWhatIsNotARegularFile();
    void exportThroughTheMenu();

private:
    ProgramRecords m_records;
    QTemporaryDir m_dir;
};

void TestProgramSheet::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_records.newData(6, 5);
    for (int key = 1; key <= 6; ++key) {
        m_records.getButtonData(key)->setButtonName(QString("Door %1").arg(key));
    }
    m_records.getDataObject(2, 1)->setCommand("414243000D");
    m_records.getDataObject(2, 1)->setDelayTime(250);
    m_records.getDataObject(4, 3)->setLinkName("Blind up");
    m_records.getDataObject(4, 3)->setCommand("7E01");
    m_records.getButtonData(5)->setSecondLayerEnable(true);
    m_records.getButtonData(5)->setSecondLayerCommand("C0FFEE");
    // Markup in a name is the name's text, not markup of the sheet.
    m_records.getButtonData(6)->setButtonName("<b>Lift</b> & co");
}

void TestProgramSheet::documentNamesEveryKeyAndLayer()
{
    const QByteArray bytes("the file's bytes");
    const ProgramSheet sheet(m_records, "/site/hall.app", bytes, QDateTime(QDate(2026, 3, 4), QTime(9, 5)));
    const QString text = sheet.document()->toPlainText();

    for (int key = 1; key <= 5; ++key) {
        QVERIFY2(text.contains(QString("Door %1").arg(key)), qPrintable(text));
    }
    QVERIFY(text.contains("<b>Lift</b> & co"));
    // A command in hex byte by byte and as text, with what is not printable as ".".
    QVERIFY(text.contains("41 42 43 00 0D"));
    QVERIFY(text.contains("ABC.."));
    QVERIFY(text.contains("250"));
    QVERIFY(text.contains("Blind up"));
    QVERIFY(text.contains("7E 01"));
    QVERIFY(text.contains("C0 FF EE"));
    // Every link of every key, the last included, named as its button is labelled.
    for (int key = 1; key <= 6; ++key) {
        for (int link = 13; link <= 16; ++link) {
            QVERIFY2(text.contains(QString("Key %1, link %2").arg(key).arg(link)), qPrintable(text));
        }
    }
    // The second layer's switch goes with its record, not in the name column.
    QVERIFY(text.contains("Key 5, second layer (on)"));
    QVERIFY(text.contains("Key 4, second layer (off)"));
    QVERIFY(text.contains("9600,8-N-1"));
    QVERIFY(text.contains("hall.app"));
    QVERIFY(text.contains("2026-03-04 09:05"));

    const QString sha = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    QCOMPARE(sheet.checksum(), sha);
    QVERIFY(text.contains(sha));
    QVERIFY(!text.contains("unsaved"));

    // Each key's table repeats its header on a new page.
    const auto document = sheet.document();
    int tables = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        if (QTextTable* table = cursor.currentTable(); table && cursor.position() == table->firstPosition()) {
            QCOMPARE(table->format().headerRowCount(), 1);
            ++tables;
        }
    }
    QCOMPARE(tables, 6);
}

void TestProgramSheet::checksumIsOfWhatTheSheetShows_data()
{
    QTest::addColumn<bool>("modified");
    QTest::newRow("as saved") << false;
    QTest::newRow("with unsaved changes") << true;
}

// The checksum of the file on disk only while the window holds the file unchanged;
// otherwise that of the program shown, and the sheet says so.
void TestProgramSheet::checksumIsOfWhatTheSheetShows()
{
    QFETCH(bool, modified);
    const QString path = m_dir.filePath("on-disk.app");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(m_records.saveConfigFile(&file));
    file.close();
    ProgramRecords window;
    window.newData(6, 5);
    QVERIFY(window.loadConfigFileFrom(path).isLoaded());
    if (modified) {
        window.getDataObject(3, 1)->setCommand("0A");
    }

    const ProgramSheet sheet = ProgramSheet::ofWindow(window, path, modified);
    const QString text = sheet.document()->toPlainText();
    const auto sha = [](const QByteArray& bytes) {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    };
    QFile onDisk(path);
    QVERIFY(onDisk.open(QIODevice::ReadOnly));
    const QString fileSha = sha(onDisk.readAll());
    QCOMPARE(sheet.checksum(), modified ? sha(window.configFileBytes()) : fileSha);
    QCOMPARE(text.contains(fileSha), !modified);
    QCOMPARE(text.contains("with unsaved changes"), modified);
    QCOMPARE(text.contains("as Save would write it"), modified);
}

void TestProgramSheet::writesAPdfWithPages()
{
    const QString path = m_dir.filePath("sheet.pdf");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older sheet");
    old.close();

    const ProgramSheet sheet(m_records, QString(), m_records.configFileBytes());
    QString error;
    QVERIFY2(sheet.writePdf(path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/Type /Page\n") || pdf.contains("/Type /Page\r") || pdf.contains("/Type /Page "));
    // Six keys with six layers each take more than one A4 page.
    QVERIFY(pdf.count("/Type /Page") > 2);
}

void TestProgramSheet::refusesWhatIsNotARegularFile()
{
    const ProgramSheet sheet(m_records, QString(), QByteArray());
    QString error;
    // A folder in the way, a folder that is not there: no success, and a reason.
    QVERIFY(!sheet.writePdf(m_dir.path(), &error));
    QVERIFY2(error.contains("not a regular file"), qPrintable(error));
    QVERIFY(QFileInfo(m_dir.path()).isDir());
    error.clear();
    QVERIFY(!sheet.writePdf(m_dir.filePath("gone/sheet.pdf"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath("gone")));
}

void TestProgramSheet::exportThroughTheMenu()
{
    const QString config = writeProgramFile(m_dir.filePath("hall.app"), "0D0A");
    QVERIFY(!config.isEmpty());
    AppMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.loadFile(config));

    QAction* exportSheet = child<QAction>(&window, "actionExport_Sheet");
    QVERIFY(exportSheet);
    const QString pdfPath = m_dir.filePath("hall-sheet.pdf");
    QString suggested;
    answerNextModal({"QFileDialog"}, [pdfPath, &suggested](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        suggested = dialog->selectedFiles().value(0);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(pdfPath);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    exportSheet->trigger();
    QCOMPARE(suggested, m_dir.filePath("hall.pdf"));
    QFile pdf(pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));

    // A sheet that can't be written says so.
    QString warning;
    answerNextModal({"QFileDialog"}, [this](QWidget* modal) {
        static_cast<QFileDialog*>(modal)->findChild<QLineEdit*>("fileNameEdit")->setText(m_dir.filePath("gone/x.pdf"));
        QMetaObject::invokeMethod(modal, "accept");
    });
    answerNextModal({"QMessageBox"}, [&warning](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        warning = box->text() + "\n" + box->informativeText();
        box->accept();
    });
    exportSheet->trigger();
    QVERIFY2(warning.startsWith("The sheet could not be written."), qPrintable(warning));
}

QTEST_MAIN(TestProgramSheet)
#include "tst_programsheet.moc"
