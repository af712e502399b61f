// The layout of the main window's form and the six dialog forms, compared
// with one table: where each widget sits (cell of its layout, or geometry in
// its parent), its text and its limits; for each form its size, title and
// modality.
#include "commandbutton.h"
#include "ui_complete.h"
#include "ui_editorwindow.h"
#include "ui_help.h"
#include "ui_namedialog.h"
#include "ui_pcuartsetting.h"
#include "ui_question.h"
#include "ui_uartsetting.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMetaEnum>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <map>
#include <memory>

namespace {

enum class Place {
    Form, // the window or dialog itself: width, height; text = title; limits = size or modality
    Geometry, // x, y, width, height in the parent widget named by `in`
    Cell, // row, column, row span, column span in the grid layout named by `in`
    Index, // position in the box layout named by `in`
};

struct Row {
    const char* form;
    const char* name;
    Place place;
    const char* in;
    int a, b, c, d;
    const char* text;
    const char* limits;
};

const char* const DataBits = "<html><head/><body><p>Data Bits</p></body></html>";
const char* const ParityBit = "<html><head/><body><p>Parity Bit</p></body></html>";
const char* const StopBit = "<html><head/><body><p>Stop Bit</p></body></html>";
const char* const ComBauds = "2400|4800|9600|14400|19200|38400|57600|115200";
const char* const KeyBauds = "2400|4800|9600|14400|19200|28800|38400|115200";

#define FORM(f, w, h, title, limits)                                                                                   \
    {                                                                                                                  \
        f, "", Place::Form, "", w, h, 0, 0, title, limits                                                              \
    }
#define GEO(f, n, in, x, y, w, h, text, limits)                                                                        \
    {                                                                                                                  \
        f, n, Place::Geometry, in, x, y, w, h, text, limits                                                            \
    }
#define CELL(f, n, in, r, c, text, limits)                                                                             \
    {                                                                                                                  \
        f, n, Place::Cell, in, r, c, 1, 1, text, limits                                                                \
    }
#define SPAN(f, n, in, r, c, rs, cs, text, limits)                                                                     \
    {                                                                                                                  \
        f, n, Place::Cell, in, r, c, rs, cs, text, limits                                                              \
    }
#define AT(f, n, in, i, text)                                                                                          \
    {                                                                                                                  \
        f, n, Place::Index, in, i, 0, 0, 0, text, ""                                                                   \
    }

const Row Table[] = {
    FORM("MainWindow", 1053, 865, "KVR210C", "min 800x600"),
    GEO("MainWindow", "imageFrame", "scrollAreaWidgetContents", 500, 20, 431, 341, "", ""),
    CELL("MainWindow", "productionImage", "gridLayout", 0, 0, "", ""),
    GEO("MainWindow", "buttonsTab", "scrollAreaWidgetContents", 0, 0, 471, 181, "Buttons", ""),
    GEO("MainWindow", "linksTab", "scrollAreaWidgetContents", 0, 180, 471, 181, "Links", ""),
    GEO("MainWindow", "commandGroupBox", "scrollAreaWidgetContents", 0, 360, 941, 101, "Command", ""),
    GEO("MainWindow", "secondLayerGroupBox", "scrollAreaWidgetContents", 0, 460, 941, 111, "2nd Layer", "checkable"),
    GEO("MainWindow", "rxGroup", "scrollAreaWidgetContents", 0, 570, 941, 151, "RX/UP", "checkable"),
    GEO("MainWindow", "horizontalGroupBox", "scrollAreaWidgetContents", 0, 720, 651, 71, "Marco Setting", ""),
    GEO("MainWindow", "buttonBox", "scrollAreaWidgetContents", 760, 720, 176, 51, "Ok|Cancel", ""),

    CELL("MainWindow", "label01", "buttonTabLayout", 0, 0, "01", ""),
    CELL("MainWindow", "button01", "buttonTabLayout", 0, 1, "PushButton", "checkable"),
    CELL("MainWindow", "label05", "buttonTabLayout", 0, 2, "05", ""),
    CELL("MainWindow", "button05", "buttonTabLayout", 0, 3, "PushButton", ""),
    CELL("MainWindow", "label09", "buttonTabLayout", 0, 4, "09", ""),
    CELL("MainWindow", "button09", "buttonTabLayout", 0, 5, "PushButton", ""),
    CELL("MainWindow", "label02", "buttonTabLayout", 1, 0, "02", ""),
    CELL("MainWindow", "button02", "buttonTabLayout", 1, 1, "PushButton", ""),
    CELL("MainWindow", "label06", "buttonTabLayout", 1, 2, "06", ""),
    CELL("MainWindow", "button06", "buttonTabLayout", 1, 3, "PushButton", ""),
    CELL("MainWindow", "label10", "buttonTabLayout", 1, 4, "10", ""),
    CELL("MainWindow", "button10", "buttonTabLayout", 1, 5, "PushButton", ""),
    CELL("MainWindow", "label03", "buttonTabLayout", 2, 0, "03", ""),
    CELL("MainWindow", "button03", "buttonTabLayout", 2, 1, "PushButton", ""),
    CELL("MainWindow", "label07", "buttonTabLayout", 2, 2, "07", ""),
    CELL("MainWindow", "button07", "buttonTabLayout", 2, 3, "PushButton", ""),
    CELL("MainWindow", "label11", "buttonTabLayout", 2, 4, "11", ""),
    CELL("MainWindow", "button11", "buttonTabLayout", 2, 5, "PushButton", ""),
    CELL("MainWindow", "label04", "buttonTabLayout", 3, 0, "04", ""),
    CELL("MainWindow", "button04", "buttonTabLayout", 3, 1, "PushButton", ""),
    CELL("MainWindow", "label08", "buttonTabLayout", 3, 2, "08", ""),
    CELL("MainWindow", "button08", "buttonTabLayout", 3, 3, "PushButton", ""),
    CELL("MainWindow", "label12", "buttonTabLayout", 3, 4, "12", ""),
    CELL("MainWindow", "button12", "buttonTabLayout", 3, 5, "PushButton", ""),

    // The Links labels' names do not follow their texts; the texts count.
    CELL("MainWindow", "label_24", "linkTabLayout", 0, 0, "13", ""),
    CELL("MainWindow", "button13", "linkTabLayout", 0, 2, "PushButton", ""),
    CELL("MainWindow", "label_13", "linkTabLayout", 0, 3, "17", ""),
    CELL("MainWindow", "button17", "linkTabLayout", 0, 4, "PushButton", ""),
    CELL("MainWindow", "label_21", "linkTabLayout", 0, 5, "21", ""),
    CELL("MainWindow", "button21", "linkTabLayout", 0, 6, "PushButton", ""),
    CELL("MainWindow", "label_15", "linkTabLayout", 1, 0, "14", ""),
    CELL("MainWindow", "button14", "linkTabLayout", 1, 2, "PushButton", ""),
    CELL("MainWindow", "label_17", "linkTabLayout", 1, 3, "18", ""),
    CELL("MainWindow", "button18", "linkTabLayout", 1, 4, "PushButton", ""),
    CELL("MainWindow", "label_23", "linkTabLayout", 1, 5, "22", ""),
    CELL("MainWindow", "button22", "linkTabLayout", 1, 6, "PushButton", ""),
    CELL("MainWindow", "label_16", "linkTabLayout", 2, 0, "15", ""),
    CELL("MainWindow", "button15", "linkTabLayout", 2, 2, "PushButton", ""),
    CELL("MainWindow", "label_14", "linkTabLayout", 2, 3, "19", ""),
    CELL("MainWindow", "button19", "linkTabLayout", 2, 4, "PushButton", ""),
    CELL("MainWindow", "label_22", "linkTabLayout", 2, 5, "23", ""),
    CELL("MainWindow", "button23", "linkTabLayout", 2, 6, "PushButton", ""),
    CELL("MainWindow", "label_20", "linkTabLayout", 3, 0, "16", ""),
    CELL("MainWindow", "button16", "linkTabLayout", 3, 2, "PushButton", ""),
    CELL("MainWindow", "label_19", "linkTabLayout", 3, 3, "20", ""),
    CELL("MainWindow", "button20", "linkTabLayout", 3, 4, "PushButton", ""),
    CELL("MainWindow", "label_18", "linkTabLayout", 3, 5, "24", ""),
    CELL("MainWindow", "button24", "linkTabLayout", 3, 6, "PushButton", ""),

    CELL("MainWindow", "label_30", "commandLayout", 0, 2, "Data", ""),
    CELL("MainWindow", "label_31", "commandLayout", 0, 4, "Baud Rate", ""),
    CELL("MainWindow", "commandRateDisplay", "commandLayout", 0, 5, "", ""),
    CELL("MainWindow", "label_35", "commandLayout", 0, 6, "Delay Time", ""),
    CELL("MainWindow", "delayTimeBox", "commandLayout", 0, 7, "3", "0..255"),
    CELL("MainWindow", "label_2", "commandLayout", 0, 8, "Secs ", ""),
    CELL("MainWindow", "asciiCheckBox", "commandLayout", 0, 13, "ASCII", "checkable"),
    CELL("MainWindow", "hexCheckBox", "commandLayout", 0, 14, "Hex", "checkable"),
    CELL("MainWindow", "label_29", "commandLayout", 3, 0, "Tx Bytes", ""),
    CELL("MainWindow", "commandCounter", "commandLayout", 3, 1, "", "read-only"),
    SPAN("MainWindow", "commandEdit", "commandLayout", 3, 2, 1, 14, "", ""),

    CELL("MainWindow", "label_33", "secondLayerLayout", 0, 2, "Data", ""),
    CELL("MainWindow", "label_34", "secondLayerLayout", 0, 4, "Baud Rate", ""),
    CELL("MainWindow", "secondLayerRateDisplay", "secondLayerLayout", 0, 5, "", ""),
    CELL("MainWindow", "label_37", "secondLayerLayout", 0, 6, "Delay Time", ""),
    CELL("MainWindow", "secondLayerDelayTimeBox", "secondLayerLayout", 0, 7, "3", "0..255"),
    CELL("MainWindow", "label", "secondLayerLayout", 0, 8, "Secs ", ""),
    CELL("MainWindow", "label_32", "secondLayerLayout", 1, 0, "Tx Bytes", ""),
    CELL("MainWindow", "secondLayerCounter", "secondLayerLayout", 1, 1, "", ""),
    SPAN("MainWindow", "secondLayerEdit", "secondLayerLayout", 1, 2, 1, 9, "", ""),

    CELL("MainWindow", "label_27", "rxLayout", 1, 2, "Data", ""),
    CELL("MainWindow", "label_26", "rxLayout", 1, 4, "Bard Rate", ""),
    CELL("MainWindow", "rxRateDisplay", "rxLayout", 1, 5, "", ""),
    CELL("MainWindow", "label_25", "rxLayout", 3, 0, "Tx Bytes", ""),
    CELL("MainWindow", "rx01Counter", "rxLayout", 3, 1, "", "max 4, read-only"),
    SPAN("MainWindow", "rx01Edit", "rxLayout", 3, 2, 1, 6, "", ""),
    CELL("MainWindow", "rx01Linker", "rxLayout", 3, 8, "", ""),
    CELL("MainWindow", "label_28", "rxLayout", 4, 0, "Tx Bytes", ""),
    CELL("MainWindow", "rx02Couter", "rxLayout", 4, 1, "", ""),
    SPAN("MainWindow", "rx02Edit", "rxLayout", 4, 2, 1, 6, "", ""),
    CELL("MainWindow", "rx02Linker", "rxLayout", 4, 8, "", ""),
    AT("MainWindow", "label_36", "marcoLayout", 0, "Link"),
    AT("MainWindow", "comboBox_3", "marcoLayout", 1, ""),

    FORM("ComSettingBox", 398, 323, "COM Port Setting", "WindowModal, modal"),
    GEO("ComSettingBox", "buttonBox", "ComSettingBox", 50, 280, 341, 32, "Ok|Cancel", ""),
    GEO("ComSettingBox", "traceBox", "ComSettingBox", 20, 248, 361, 26, "&Trace the device link", "checkable"),
    GEO("ComSettingBox", "frame", "ComSettingBox", 10, 10, 381, 231, "", ""),
    GEO("ComSettingBox", "portLabel", "frame", 30, 20, 81, 31, "Port Name", ""),
    GEO("ComSettingBox", "portBox", "frame", 150, 20, 111, 31, "", ""),
    GEO("ComSettingBox", "refreshButton", "frame", 266, 20, 105, 31, "&Refresh", ""),
    GEO("ComSettingBox", "baudRateLabel", "frame", 30, 60, 111, 31, "Baud Rate", ""),
    GEO("ComSettingBox", "baudRateBox", "frame", 150, 60, 201, 31, ComBauds, ""),
    GEO("ComSettingBox", "dataBitLabel", "frame", 30, 100, 111, 31, DataBits, ""),
    GEO("ComSettingBox", "dataBitsBox", "frame", 150, 100, 201, 31, "5|6|7|8", ""),
    GEO("ComSettingBox", "parityBitLabel", "frame", 30, 140, 111, 31, ParityBit, ""),
    GEO("ComSettingBox", "parityBox", "frame", 150, 140, 201, 31, "None|Odd|Even|MARK|SPACE", ""),
    GEO("ComSettingBox", "stopBitLabel", "frame", 30, 180, 111, 31, StopBit, ""),
    GEO("ComSettingBox", "stopBitsBox", "frame", 150, 180, 201, 31, "1|2", ""),
    GEO("ComSettingBox", "probeStatusLabel", "frame", 30, 211, 321, 18, "", ""),

    FORM("UartSettingBox", 400, 257, "UART Setting", "WindowModal, modal"),
    GEO("UartSettingBox", "buttonBox", "UartSettingBox", 50, 220, 341, 32, "Ok|Cancel", ""),
    GEO("UartSettingBox", "frame", "UartSettingBox", 10, 10, 381, 201, "", ""),
    GEO("UartSettingBox", "baudRateLabel", "frame", 30, 25, 111, 21, "Baud Rate", ""),
    GEO("UartSettingBox", "dataBitLabel", "frame", 30, 65, 111, 21, DataBits, ""),
    GEO("UartSettingBox", "parityBitLabel", "frame", 30, 105, 111, 21, ParityBit, ""),
    GEO("UartSettingBox", "stopBitLabel", "frame", 30, 145, 111, 21, StopBit, ""),
    GEO("UartSettingBox", "baudRateBox", "frame", 150, 20, 201, 31, KeyBauds, ""),
    GEO("UartSettingBox", "dataBitsBox", "frame", 150, 60, 201, 31, "5|6|7|8", ""),
    GEO("UartSettingBox", "parityBox", "frame", 150, 100, 201, 31, "None|Odd|Even|SPACE|MARK", ""),
    GEO("UartSettingBox", "stopBitsBox", "frame", 150, 140, 201, 31, "1|2", ""),

    // Non-modal in the form but with the modal flag, which makes it application modal.
    FORM("NameDialog", 437, 238, "Dialog", "ApplicationModal, modal"),
    GEO("NameDialog", "label", "NameDialog", 20, 130, 181, 31, "New Button Name :", ""),
    GEO("NameDialog", "buttonNameEdit", "NameDialog", 200, 130, 211, 31, "", ""),
    GEO("NameDialog", "label_2", "NameDialog", 10, 10, 241, 101, "", ""),
    GEO("NameDialog", "buttonBox", "NameDialog", 230, 190, 176, 31, "Ok|Cancel", ""),

    FORM("Question", 411, 158, "Confirm", "NonModal"),
    GEO("Question", "buttonBox", "Question", 40, 110, 341, 32, "Ok|Cancel", ""),
    GEO("Question", "label", "Question", 10, 10, 91, 101, "", ""),
    // Wider and taller than first drawn, so the question is not cut off in the fonts of Linux.
    GEO("Question", "label_2", "Question", 108, 25, 296, 61, "Are you sure you want to continue ?", ""),

    FORM("completeDialog", 409, 131, "Complete", "NonModal"),
    GEO("completeDialog", "buttonBox", "completeDialog", 140, 90, 111, 32, "Ok", ""),
    GEO("completeDialog", "label", "completeDialog", 30, 20, 81, 61, "", ""),
    GEO("completeDialog", "label_2", "completeDialog", 190, 30, 161, 41, "Operation Complete !", ""),

    FORM("HelpDlg", 836, 795, "Help", "ApplicationModal, modal"),
    GEO("HelpDlg", "verticalFrame_2", "HelpDlg", 0, 0, 841, 801, "", ""),
    AT("HelpDlg", "scrollArea", "horizontalLayout", 0, ""),
    AT("HelpDlg", "label_2", "verticalLayout_2", 0, ""),
    AT("HelpDlg", "label", "verticalLayout_2", 1, ""),
    AT("HelpDlg", "label_3", "verticalLayout_2", 2, ""),
    AT("HelpDlg", "label_4", "verticalLayout_2", 3, ""),
    AT("HelpDlg", "label_5", "verticalLayout_2", 4, ""),
    AT("HelpDlg", "label_6", "verticalLayout_2", 5, ""),
    AT("HelpDlg", "label_7", "verticalLayout_2", 6, ""),
    AT("HelpDlg", "label_8", "verticalLayout_2", 7, ""),
};

// The text a widget shows: a label's or button's text, a group's title, a
// tab's label, a combo box's items, a spin box's value, a form's title.
QString textOf(const QWidget* w)
{
    if (w->isWindow()) {
        return w->windowTitle();
    }
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        return group->title();
    }
    if (auto* tabs = qobject_cast<const QTabWidget*>(w)) {
        return tabs->tabText(0);
    }
    if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        return items.join('|');
    }
    if (auto* spin = qobject_cast<const QSpinBox*>(w)) {
        return QString::number(spin->value());
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* box = qobject_cast<const QDialogButtonBox*>(w)) {
        QStringList buttons;
        if (box->standardButtons() & QDialogButtonBox::Ok) {
            buttons << "Ok";
        }
        if (box->standardButtons() & QDialogButtonBox::Cancel) {
            buttons << "Cancel";
        }
        return buttons.join('|');
    }
    return QString();
}

// What bounds a widget: a spin box's range, a field's length and whether it
// can be typed into, whether a button or group can be checked; a form's
// minimum size and its modality.
QString limitsOf(const QWidget* w)
{
    QStringList limits;
    if (w->isWindow()) {
        if (!w->minimumSize().isNull()) {
            limits << QString("min %1x%2").arg(w->minimumWidth()).arg(w->minimumHeight());
        }
        if (auto* dialog = qobject_cast<const QDialog*>(w)) {
            limits << QMetaEnum::fromType<Qt::WindowModality>().valueToKey(dialog->windowModality());
            if (dialog->isModal()) {
                limits << "modal";
            }
        }
    } else if (auto* spin = qobject_cast<const QSpinBox*>(w)) {
        limits << QString("%1..%2").arg(spin->minimum()).arg(spin->maximum());
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        if (edit->maxLength() != QLineEdit().maxLength()) {
            limits << QString("max %1").arg(edit->maxLength());
        }
        if (edit->isReadOnly()) {
            limits << "read-only";
        }
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (button->isCheckable()) {
            limits << "checkable";
        }
    } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        if (group->isCheckable()) {
            limits << "checkable";
        }
    }
    return limits.join(", ");
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void formMatchesTable_data();
    void formMatchesTable();

private:
    template <typename Form> void build()
    {
        auto dialog = std::make_unique<QDialog>();
        Form form;
        form.setupUi(dialog.get());
        m_forms[dialog->objectName()] = std::move(dialog);
    }

    std::map<QString, std::unique_ptr<QWidget>> m_forms;
};

void TestForms::initTestCase()
{
    auto window = std::make_unique<QMainWindow>();
    Ui_MainWindow form;
    form.setupUi(window.get());
    m_forms[window->objectName()] = std::move(window);
    build<Ui_ComSettingBox>();
    build<Ui_UartSettingBox>();
    build<Ui_NameDialog>();
    build<Ui_Question>();
    build<Ui_completeDialog>();
    build<Ui_HelpDlg>();
}

void TestForms::cleanupTestCase()
{
    m_forms.clear();
}

void TestForms::formMatchesTable_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Table)); ++i) {
        QTest::addRow("%s %s", Table[i].form, *Table[i].name ? Table[i].name : "(form)") << i;
    }
}

void TestForms::formMatchesTable()
{
    QFETCH(int, row);
    const Row& r = Table[row];
    auto form = m_forms.find(QString::fromLatin1(r.form));
    QVERIFY2(form != m_forms.end(), r.form);
    QWidget* root = form->second.get();
    QWidget* w = r.place == Place::Form ? root : root->findChild<QWidget*>(QString::fromLatin1(r.name));
    QVERIFY2(w, r.name);

    switch (r.place) {
    case Place::Form:
        QCOMPARE(root->size(), QSize(r.a, r.b));
        break;
    case Place::Geometry:
        QVERIFY(w->parentWidget());
        QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(r.in));
        QCOMPARE(w->geometry(), QRect(r.a, r.b, r.c, r.d));
        break;
    case Place::Cell: {
        auto* grid = root->findChild<QGridLayout*>(QString::fromLatin1(r.in));
        QVERIFY2(grid, r.in);
        const int index = grid->indexOf(w);
        QVERIFY2(index >= 0, "not in this layout");
        int cell[4];
        grid->getItemPosition(index, &cell[0], &cell[1], &cell[2], &cell[3]);
        QCOMPARE(QList<int>(cell, cell + 4), QList<int>({r.a, r.b, r.c, r.d}));
        break;
    }
    case Place::Index: {
        auto* box = root->findChild<QBoxLayout*>(QString::fromLatin1(r.in));
        QVERIFY2(box, r.in);
        QCOMPARE(box->indexOf(w), r.a);
        break;
    }
    }
    QCOMPARE(textOf(w), QString::fromUtf8(r.text));
    QCOMPARE(limitsOf(w), QString::fromLatin1(r.limits));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
