// Nothing the user typed or loaded is cut or garbled without a word: a stored command
// longer than the field, names the file cannot hold, an "&" in a name.
#include "appdatamanager.h"
#include "windowtest.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestNoSilentCuts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void longCommandAsksBeforeEditing();
    void longSecondLayerAsksToo();
    void renameRefusesWhatTheFileCannotHold();
    void ampersandIsShownAsWritten();

private:
    // Answers the next message box with `button`, keeping its texts.
    void answerBox(QMessageBox::StandardButton button);
    QDialog* rename(int key, const QString& name);
    QString stored(int x, int y = 1) const { return m_window->dataManager()->getDataObject(x, y)->getCommand(); }

    AppMainWindow* m_window = nullptr;
    QString m_text;
    int m_boxes = 0;
};

void TestNoSilentCuts::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_text.clear();
    m_boxes = 0;
}

void TestNoSilentCuts::cleanup()
{
    delete m_window;
}

void TestNoSilentCuts::answerBox(QMessageBox::StandardButton button)
{
    answerNextModal({"QMessageBox"}, [this, button](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        m_text = box->text() + "\n" + box->informativeText();
        ++m_boxes;
        QVERIFY2(box->button(button), qPrintable(m_text));
        box->button(button)->click();
    });
}

QDialog* TestNoSilentCuts::rename(int key, const QString& name)
{
    keyButton(m_window, key)->changeButtonName();
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog) {
        dialog->findChild<QLineEdit*>("buttonNameEdit")->setText(name);
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    }
    return dialog;
}

void TestNoSilentCuts::longCommandAsksBeforeEditing()
{
    const QString long200 = QString("AB").repeated(199) + "CD";
    m_window->dataManager()->getDataObject(1, 1)->setCommand(long200);
    auto* edit = child<QLineEdit>(m_window, "commandEdit");

    // Cancel: no edit starts and the record keeps all 200 bytes.
    answerBox(QMessageBox::Cancel);
    keyButton(m_window, 1)->changeData();
    QCOMPARE(m_boxes, 1);
    QVERIFY2(m_text.contains("200") && m_text.contains("128"), qPrintable(m_text));
    QVERIFY(!edit->isEnabled());
    child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(stored(1), long200);
    QVERIFY(!m_window->isWindowModified());

    // Ok: the edit starts, and its Ok keeps the first 128 bytes, as the user was told.
    answerBox(QMessageBox::Ok);
    keyButton(m_window, 1)->changeData();
    QVERIFY(edit->isEnabled());
    child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(stored(1), long200.left(256));

    // A link's command too; a command that fits asks nothing.
    m_window->dataManager()->getDataObject(1, 4)->setCommand(QString("00").repeated(129));
    QTest::mouseClick(keyButton(m_window, 1), Qt::LeftButton);
    answerBox(QMessageBox::Cancel);
    keyButton(m_window, 15)->changeData();
    QCOMPARE(m_boxes, 3);
    QVERIFY2(m_text.contains("129"), qPrintable(m_text));
    QCOMPARE(stored(1, 4).size(), 258);
    keyButton(m_window, 2)->changeData();
    QVERIFY(edit->isEnabled());
    QCOMPARE(m_boxes, 3);
}

void TestNoSilentCuts::longSecondLayerAsksToo()
{
    m_window->dataManager()->getButtonData(3)->setSecondLayerCommand(QString("EE").repeated(150));
    answerBox(QMessageBox::Cancel);
    keyButton(m_window, 3)->changeData();
    QCOMPARE(m_boxes, 1);
    QVERIFY2(m_text.contains("second-layer") && m_text.contains("150"), qPrintable(m_text));
    QCOMPARE(m_window->dataManager()->getSecondLayerCommand(3).size(), 300);
}

void TestNoSilentCuts::renameRefusesWhatTheFileCannotHold()
{
    rename(2, "Old");
    // Cyrillic, and a character outside the basic plane: refused with a warning naming them.
    answerBox(QMessageBox::Ok);
    QDialog* dialog = rename(2, QString::fromUtf8("Насос 😀 Нас"));
    QCOMPARE(m_boxes, 1);
    QVERIFY2(m_text.contains(QString::fromUtf8("\"Н\", \"а\", \"с\", \"о\", \"😀\"")), qPrintable(m_text));
    QVERIFY(dialog->isVisible()); // the user can correct the name
    QCOMPARE(m_window->dataManager()->getButtonName(2), QString("Old"));
    QCOMPARE(keyButton(m_window, 2)->text(), QString("Old"));
    dialog->reject();

    // Latin-1 is what the file holds: accepted as typed.
    rename(2, QString::fromUtf8("Café ±5"));
    QCOMPARE(m_boxes, 1);
    QCOMPARE(m_window->dataManager()->getButtonName(2), QString::fromUtf8("Café ±5"));
}

void TestNoSilentCuts::ampersandIsShownAsWritten()
{
    rename(4, "A&B");
    CommandButton* key = keyButton(m_window, 4);
    QCOMPARE(m_window->dataManager()->getButtonName(4), QString("A&B"));
    QCOMPARE(key->text(), QString("A&B"));

    // Drawn as a push button labelled with a literal "&" would be.
    QPushButton literal(key->parentWidget());
    literal.setGeometry(key->geometry());
    literal.setCheckable(true);
    literal.setChecked(key->isChecked());
    literal.setFont(key->font());
    literal.setText("A&&B");
    literal.show();
    key->clearFocus();
    QCOMPARE(key->grab().toImage(), literal.grab().toImage());

    // And Alt+B is no shortcut to the key.
    QTest::mouseClick(keyButton(m_window, 1), Qt::LeftButton);
    QSignalSpy clicked(key, &QAbstractButton::clicked);
    QTest::keyClick(m_window, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(keyButton(m_window, 1)->isChecked());
}

QTEST_MAIN(TestNoSilentCuts)
#include "tst_nosilentcuts.moc"
