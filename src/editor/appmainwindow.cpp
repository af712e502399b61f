// Window assembly, help and version.
#include "appmainwindow.h"
#include "appdatamanager.h"
#include "commandfieldnames.h"
#include "comparisondialog.h"
#include "configdocument.h"
#include "keyactions.h"
#include "kvr210c_version.h"
#include "languagechooser.h"
#include "programsheet.h"
#include "recordselection.h"
#include "scaledpicturepainter.h"

#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>

AppMainWindow::AppMainWindow()
    : QMainWindow(nullptr)
{
    ui.setupUi(this);
    // The drawing is scaled into its frame without a scaled copy kept beside it.
    new ScaledPicturePainter(ui.productionImage);
    setWindowIcon(QIcon(QStringLiteral(":/images/appicon.png")));
    initializeButtons();
    initializeCommandEdit();
    new CommandFieldNames(ui.commandEdit, ui.secondLayerEdit, ui.hexCheckBox, this);
    m_dataManager = new AppDataManager(m_buttonGroup, m_linkGroup);
    m_dataManager->newData(6, 5);
    initializeMenus();
    initializeSerialLink();
    initializeUartDialog();
    initializeDocument();
    m_selection = new RecordSelection(m_buttonGroup, m_linkGroup, m_document, m_commandField, m_secondLayerField, this);
    // After the Edit menu, which the document's part of the window makes.
    auto* keyActions = new KeyActions(this, m_buttonGroup, m_linkGroup, ui.menuSetting);
    keyActions->addTryCommand(m_document, m_selection, m_device);
    keyActions->addCommandLibrary(m_document, m_selection, m_device);
    new LanguageChooser(ui.menuSetting);
}

void AppMainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The title carries the file's name and the modified mark, which the form does not know.
        const QString title = windowTitle();
        ui.retranslateUi(this);
        setWindowTitle(title);
        if (m_comDialog) {
            comUi.retranslateUi(m_comDialog);
        }
        if (m_uartDialog) {
            uartUi.retranslateUi(m_uartDialog);
        }
        retranslateFileEntries();
    }
    QMainWindow::changeEvent(event);
}

AppMainWindow::~AppMainWindow()
{
    delete m_dataManager;
    delete m_buttonGroup;
    delete m_linkGroup;
    delete m_dataFormat;
}

void AppMainWindow::initializeMenus()
{
    ui.action_New->setShortcut(QKeySequence::New);
    ui.action_Open->setShortcut(QKeySequence::Open);
    ui.action_Save->setShortcut(QKeySequence::Save);
    // Spelled out: some desktops (and the offscreen platform) give SaveAs no keys.
    ui.actionSave_As->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // "Close" ends the program, so it answers to the Quit keys.
    ui.action_Close->setShortcut(QKeySequence::Quit);
    // F1 on Linux and Windows.
    ui.actionContents->setShortcut(QKeySequence::HelpContents);

    connect(ui.action_New, &QAction::triggered, this, &AppMainWindow::newFile);
    connect(ui.action_Open, &QAction::triggered, this, &AppMainWindow::openFile);
    connect(ui.action_Save, &QAction::triggered, this, &AppMainWindow::saveFile);
    connect(ui.actionSave_As, &QAction::triggered, this, &AppMainWindow::saveAsFile);
    connect(ui.action_Close, &QAction::triggered, this, &AppMainWindow::closeFile);
    connect(ui.action_Load_Device, &QAction::triggered, this, &AppMainWindow::loadDevice);
    connect(ui.actionCOM_Port_Setting, &QAction::triggered, this, &AppMainWindow::comPortSetting);
    connect(ui.actionLoad_Program_From_Device, &QAction::triggered, this, &AppMainWindow::loadFromDevice);
    connect(ui.actionLoad_Program_To_Device, &QAction::triggered, this, &AppMainWindow::storeToDevice);
    connect(ui.actionContents, &QAction::triggered, this, &AppMainWindow::help);
    connect(ui.actionVersion, &QAction::triggered, this, &AppMainWindow::version);

    // The entries that read or write another form than the file's, before Close.
    ui.menu_File->insertSeparator(ui.action_Close);
    auto addFileEntry = [this](const char* name, void (AppMainWindow::*slot)()) {
        auto* entry = new QAction(this);
        entry->setObjectName(QString::fromLatin1(name));
        connect(entry, &QAction::triggered, this, slot);
        ui.menu_File->insertAction(ui.action_Close, entry);
    };
    addFileEntry("actionImport_JSON", &AppMainWindow::importJson);
    addFileEntry("actionExport_JSON", &AppMainWindow::exportJson);
    addFileEntry("actionCompare_With_File", &AppMainWindow::compareWithFile);
    addFileEntry("actionExport_Sheet", &AppMainWindow::exportSheet);
    retranslateFileEntries();
}

void AppMainWindow::retranslateFileEntries()
{
    auto setTexts = [this](const char* name, const QString& text, const QString& tip) {
        auto* entry = findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        entry->setText(text);
        entry->setStatusTip(tip);
    };
    setTexts("actionImport_JSON", tr("&Import JSON..."),
             tr("Replace the configuration with one in JSON form, as kvr210c-cli import reads it"));
    setTexts("actionExport_JSON", tr("&Export JSON..."),
             tr("Write the configuration in JSON form, as kvr210c-cli export does"));
    setTexts("actionCompare_With_File", tr("Co&mpare With File..."),
             tr("Show every difference between this configuration and a file"));
    setTexts("actionExport_Sheet", tr("Export S&heet..."),
             tr("Write the program as a PDF sheet for the site's records"));
}

QString AppMainWindow::configFileFilter()
{
    // The editor's own files first: the dialog starts with the first filter.
    return tr("Configuration files (*.app);;All files (*)");
}

void AppMainWindow::compareWithFile()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Compare With File"));
    if (!fileName.isEmpty()) {
        ComparisonDialog::compareWithFile(this, *m_dataManager, fileName);
    }
}

void AppMainWindow::exportSheet()
{
    const QString file = currentFile();
    const QFileInfo info(file);
    const QString suggested = file.isEmpty() ? QString()
                                             : info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    const QString pdfPath = QFileDialog::getSaveFileName(this, tr("Export Sheet"), suggested, tr("PDF files (*.pdf)"));
    if (!pdfPath.isEmpty()) {
        ProgramSheet::exportSheet(this, m_dataManager, file, m_document->isModified(), pdfPath);
    }
}

void AppMainWindow::help()
{
    auto* dialog = new QDialog(this);
    helpUi.setupUi(dialog);
    // The pages are read here rather than by the form: the form's pictures go through the
    // pixmap cache and would stay there after the dialog has gone (about 3 MB a page).
    for (int page = 0; page < helpUi.verticalLayout_2->count(); ++page) {
        if (auto* label = qobject_cast<QLabel*>(helpUi.verticalLayout_2->itemAt(page)->widget())) {
            label->setPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/images/help_%1.png").arg(page + 1))));
        }
    }
    // Each use makes a new dialog; it goes when it is closed.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void AppMainWindow::version()
{
    QMessageBox::about(this, QStringLiteral("KVR210C control client"), QStringLiteral("Version " KVR_VERSION));
}
