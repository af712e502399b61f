// One command field on its own: a line edit and its counter, no window.
#include "commandfield.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

#include <memory>

class TestCommandField : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hexAsciiRoundTrip();
    void nonPrintableBytesSurviveAscii();
    void dotKeepsTheByteBeneath();
    void fieldHoldsAtMost128Bytes();
    void typedHexGapsClose();
    void focusAndCursorAfterConversion();
    void endGoesBehindTheBytes_data();
    void endGoesBehindTheBytes();
    void shiftEndKeepsTheAnchor_data();
    void shiftEndKeepsTheAnchor();
    void keystrokeNotTakenIsSaid_data();
    void keystrokeNotTakenIsSaid();

private:
    QString visible() const { return m_edit->text().trimmed(); }
    void type(const QString& keys) { QTest::keyClicks(m_edit, keys); }

    std::unique_ptr<QWidget> m_host;
    QLineEdit* m_edit = nullptr;
    QLineEdit* m_counter = nullptr;
    QLineEdit* m_other = nullptr;
    CommandField* m_field = nullptr;
};

void TestCommandField::init()
{
    m_host = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_host.get());
    m_edit = new QLineEdit;
    m_counter = new QLineEdit;
    m_other = new QLineEdit;
    layout->addWidget(m_edit);
    layout->addWidget(m_counter);
    layout->addWidget(m_other);
    m_field = new CommandField(m_edit, m_counter);
    connect(m_edit, &QLineEdit::textEdited, m_field, &CommandField::edited);
    // As the window does on selecting a key: the mask comes with the first command shown.
    m_field->showCommand(QString());
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_edit->setFocus();
}

void TestCommandField::cleanup()
{
    m_host.reset();
}

void TestCommandField::hexAsciiRoundTrip()
{
    m_field->showCommand("480D0A2069FF");
    QCOMPARE(visible(), QString("48  0D  0A  20  69  FF"));
    QCOMPARE(m_counter->text(), QString("6"));
    QCOMPARE(m_edit->cursorPosition(), 0);

    m_field->convertTo(CommandField::Ascii);
    QCOMPARE(visible(), QString("H . . . i ."));
    QCOMPARE(m_counter->text(), QString("6"));
    QCOMPARE(m_field->rawBytes(), QByteArray::fromHex("480D0A2069FF"));
    // Converting to the form already shown changes nothing.
    m_field->convertTo(CommandField::Ascii);
    QCOMPARE(visible(), QString("H . . . i ."));

    m_field->convertTo(CommandField::Hex);
    QCOMPARE(visible(), QString("48  0D  0A  20  69  FF"));
    QVERIFY(m_field->rawBytes().isEmpty());
    QCOMPARE(m_field->takeCommand(), QString("480D0A2069FF"));

    // An odd digit count pairs from the end.
    m_field->showCommand("414");
    QCOMPARE(m_counter->text(), QString("1"));
    m_field->convertTo(CommandField::Ascii);
    QCOMPARE(m_counter->text(), QString("2"));
    QCOMPARE(m_field->takeCommand(), QString("0414"));

    // Empty stays empty in both forms, counted as 0.
    m_field->showCommand(QString());
    QCOMPARE(m_counter->text(), QString("0"));
    m_field->convertTo(CommandField::Hex);
    QCOMPARE(visible(), QString());
    QCOMPARE(m_counter->text(), QString("0"));
    QCOMPARE(m_field->takeCommand(), QString());
}

void TestCommandField::nonPrintableBytesSurviveAscii()
{
    const QString bytes = "00207F80FF0D";
    m_field->convertTo(CommandField::Ascii);
    m_field->showCommand(bytes);
    QCOMPARE(visible(), QString(". . . . . ."));
    QCOMPARE(m_counter->text(), QString("6"));
    // Stored as shown: every byte comes back from beneath its ".".
    QCOMPARE(m_field->takeCommand(), bytes);
    // Taking uses the raw bytes up; the text still stands for itself.
    QVERIFY(m_field->rawBytes().isEmpty());

    m_field->showCommand(bytes);
    m_field->convertTo(CommandField::Hex);
    QCOMPARE(visible(), QString("00  20  7F  80  FF  0D"));
    QCOMPARE(m_field->takeCommand(), bytes);
}

void TestCommandField::dotKeepsTheByteBeneath()
{
    m_field->convertTo(CommandField::Ascii);
    m_field->showCommand("410D4243");
    QCOMPARE(visible(), QString("A . B C"));
    // "." over "A" keeps 0x41, "Z" over "." replaces 0x0D.
    type(".");
    m_edit->setCursorPosition(2);
    type("Z");
    // Deleting the last two characters does not shorten the command.
    m_edit->setCursorPosition(8);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QCOMPARE(visible(), QString(". Z"));
    QCOMPARE(m_field->takeCommand(), QString("415A4243"));

    // Characters past the bytes append; one outside Latin-1 is a "?".
    m_field->showCommand("41");
    m_edit->setCursorPosition(2);
    type("b");
    // As a keyboard sends it: the text of the key, no key code.
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u20ac"));
    QApplication::sendEvent(m_edit, &euro);
    QCOMPARE(m_counter->text(), QString("3"));
    QCOMPARE(m_field->takeCommand(), QString("41623F"));

    QCOMPARE(CommandField::mergeToHex(". . X", QByteArray::fromHex("0102")), QString("0102") + "58");
    QCOMPARE(CommandField::mergeToHex(". .", QByteArray()), QString());
}

void TestCommandField::fieldHoldsAtMost128Bytes()
{
    // Typed: the mask takes 128 bytes and no more.
    type(QString("5A").repeated(130));
    QCOMPARE(m_counter->text(), QString("128"));
    QCOMPARE(m_field->takeCommand(), QString("5A").repeated(128));

    // Shown: the field holds 128 bytes, the counter tells the stored length.
    m_field->showCommand(QString("AB").repeated(200));
    QCOMPARE(m_edit->text().remove(' ').size(), 256);
    QCOMPARE(m_counter->text(), QString("200"));

    m_field->convertTo(CommandField::Ascii);
    QCOMPARE(m_edit->text().remove(' ').size(), 128);
    QCOMPARE(m_counter->text(), QString("128"));
    type(QString("x").repeated(5));
    QCOMPARE(m_edit->text().remove(' ').size(), 128);
}

void TestCommandField::typedHexGapsClose()
{
    type("414243");
    QCOMPARE(visible(), QString("41  42  43"));
    QCOMPARE(m_counter->text(), QString("3"));
    m_edit->setCursorPosition(8);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QCOMPARE(visible(), QString("41  43"));
    QCOMPARE(m_edit->cursorPosition(), 4);
    QCOMPARE(m_counter->text(), QString("2"));

    // The first group emptied: the rest moves to the front.
    m_edit->setCursorPosition(4);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QCOMPARE(visible(), QString("43"));
    QCOMPARE(m_edit->cursorPosition(), 0);
    QCOMPARE(m_counter->text(), QString("1"));

    // ASCII counts characters; typed text is never cleaned up there.
    m_field->convertTo(CommandField::Ascii);
    type("a b");
    QCOMPARE(m_counter->text(), QString("3"));
    QCOMPARE(m_field->takeCommand(), QString("436162"));
}

void TestCommandField::focusAndCursorAfterConversion()
{
    m_field->showCommand("313233");
    m_other->setFocus();
    m_field->convertTo(CommandField::Ascii);
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 6);
    m_field->convertTo(CommandField::Hex);
    QCOMPARE(m_edit->cursorPosition(), 12);

    // A field that only shows its command keeps the cursor at the start and takes no focus.
    m_edit->setEnabled(false);
    m_other->setFocus();
    m_field->convertTo(CommandField::Ascii);
    QVERIFY(m_other->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 0);

    m_field->clear();
    QCOMPARE(m_edit->text().trimmed(), QString());
    QCOMPARE(m_counter->text(), QString());
}

void TestCommandField::endGoesBehindTheBytes_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("shown"); // hex digits
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("typed"); // then typed at End
    QTest::addColumn<QString>("command");
    QTest::newRow("hex, whole bytes") << int(CommandField::Hex) << QString("4142") << 8 << QString("7") << "41427";
    QTest::newRow("hex, half a byte") << int(CommandField::Hex) << QString("414") << 5 << QString("2") << "4142";
    QTest::newRow("hex, empty") << int(CommandField::Hex) << QString() << 0 << QString("7") << "7";
    QTest::newRow("ascii") << int(CommandField::Ascii) << QString("6162") << 4 << QString("c") << "616263";
}

void TestCommandField::endGoesBehindTheBytes()
{
    QFETCH(int, format);
    QFETCH(QString, shown);
    QFETCH(int, end);
    QFETCH(QString, typed);
    QFETCH(QString, command);
    type(shown);
    m_field->convertTo(CommandField::Format(format));
    m_edit->setCursorPosition(0);
    QTest::keyClick(m_edit, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(m_edit->selectionLength(), end);
    QTest::keyClick(m_edit, Qt::Key_End);
    QCOMPARE(m_edit->cursorPosition(), end);
    type(typed);
    QCOMPARE(m_field->takeCommand(), command);
}

void TestCommandField::shiftEndKeepsTheAnchor_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length"); // negative: the cursor stands at the start
    QTest::addColumn<int>("anchor");
    QTest::newRow("selected forwards") << 4 << 2 << 4;
    QTest::newRow("selected backwards") << 6 << -4 << 6;
}

void TestCommandField::shiftEndKeepsTheAnchor()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, anchor);
    type("41424344");
    m_edit->setSelection(start, length);
    QTest::keyClick(m_edit, Qt::Key_End, Qt::ShiftModifier);
    // From the anchor to behind the fourth byte (four places a byte).
    QCOMPARE(m_edit->selectionStart(), anchor);
    QCOMPARE(m_edit->selectionEnd(), 16);
    QCOMPARE(m_edit->cursorPosition(), 16);
}

void TestCommandField::keystrokeNotTakenIsSaid_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("shown"); // hex digits
    QTest::addColumn<QString>("typed"); // at the end of the bytes
    QTest::addColumn<QString>("reason"); // empty: taken, nothing said
    const QString fullHex = QString("5A").repeated(128);
    QTest::newRow("hex digit taken") << int(CommandField::Hex) << QString("41") << QString("4") << QString();
    QTest::newRow("hex field full") << int(CommandField::Hex) << fullHex << QString("5") << QString("128 bytes");
    QTest::newRow("letter in hex") << int(CommandField::Hex) << QString("41") << QString("G") << QString("hex digits");
    QTest::newRow("ascii field full") << int(CommandField::Ascii) << QString("58").repeated(128) << QString("y")
                                      << QString("128 bytes");
}

void TestCommandField::keystrokeNotTakenIsSaid()
{
    QFETCH(int, format);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    m_field->showCommand(shown);
    m_field->convertTo(CommandField::Format(format));
    QTest::keyClick(m_edit, Qt::Key_End);
    QSignalSpy refused(m_field, &CommandField::keystrokeRefused);
    type(typed);
    QCOMPARE(refused.size(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty()) {
        QVERIFY2(refused.at(0).at(0).toString().contains(reason), qPrintable(refused.at(0).at(0).toString()));
    }
}

QTEST_MAIN(TestCommandField)
#include "tst_commandfield.moc"
