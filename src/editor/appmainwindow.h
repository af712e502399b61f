#ifndef APPMAINWINDOW_H
#define APPMAINWINDOW_H

#include "configdocument.h"
#include "ui_editorwindow.h"
#include "ui_help.h"
#include "ui_pcuartsetting.h"
#include "ui_uartsetting.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>

class AppDataManager;
class CommandButton;
class CommandField;
class ComPortPicker;
class LinkTraceChoice;
class DeviceController;
class QButtonGroup;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QMenu;
class QLabel;
class RecordSelection;
class SerialLink;

// The editor's one window: the device drawing, the keys, the data panel, the
// file commands and the device link.
class AppMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    AppMainWindow();
    ~AppMainWindow() override;

    void initializeButtons();
    void initializeCommandEdit();
    void updateCommandEdit(QString command);
    void updateSecondLayerCommandEdit(QString command);
    void updateAllComponent();
    QString toAscii(QString hexString, int editId);
    QString mergeToHex(QString ascii, QByteArray backupArray);
    void setCommandGroupEnable(bool enabled);
    void setCurrentFile(QString fileName);
    void reflashDataPanel();
    bool uartSendData(QByteArray data);
    // Opens a configuration file as File > Open does once a file is chosen; a refused file
    // gives a warning and leaves the records and the current file as they were.
    bool loadFile(const QString& fileName);

    // For tests and tools that look at the window from outside.
    AppDataManager* dataManager() const { return m_dataManager; }
    QString currentFile() const;
    ConfigDocument* document() const { return m_document; }
    bool isConnected() const;
    SerialLink* serialLink() const;
    // Both dialogs are built when first needed, here included.
    QDialog* comDialog();
    QDialog* uartDialog();
    QString connectionText() const;

public slots:
    void processButtonClicked(int id);
    void processLinkClicked(int id);
    void processChangeDataRequest(CommandButton* caller);
    void processChangeNameRequest(CommandButton* caller, QString newName);
    void processChangeUartRequest(CommandButton* caller);
    void processComSetting();
    void processUartSetting();
    void processFormatChanged(int id);
    void processCommandEdited(QString text);
    void processSecondLayerCommandEdited(QString text);
    void processCursorChanged(int oldPos, int newPos);
    void processSelectionChanged();
    void processSecondLayerGroupBoxChecked(bool checked);
    void modifyUartData();
    void modifySecondLayerUartData();
    void processSaveData();
    void processRejected();
    void newFile();
    bool openFile();
    bool saveFile();
    bool saveAsFile();
    void closeFile();
    void loadDevice();
    void comPortSetting();
    bool loadFromDevice();
    bool storeToDevice();
    void startToLoadFromDevice();
    void startToStoreToDevice();
    void verifyOnDevice();
    void compareWithFile();
    void exportSheet();
    void importJson();
    void exportJson();
    // Edit menu: an undo or redo ends an open edit as Cancel does first.
    void undo();
    void redo();
    void copyProgram();
    void pasteProgram();
    void help();
    void version();
    void closeEvent(QCloseEvent* event) override;
    void changeProductionImage(int id);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Enter and Escape end an open edit as Ok and Cancel do.
    void keyPressEvent(QKeyEvent* event) override;
    // Another language: the forms' texts and those set here in code.
    void changeEvent(QEvent* event) override;

private:
    void initializeMenus();
    void retranslateFileEntries();
    // The file dialogs' filters for configuration files, theirs first.
    static QString configFileFilter();
    void initializeSerialLink();
    void initializeUartDialog();
    void refillPortList();
    QString selectedPortName() const;
    void setConnected(bool connected, const QString& portName = QString());
    void disconnectDevice();
    void initializeDocument();
    // Asks before unsaved work goes, an open edit included; true when the caller may go on.
    bool maybeSave();
    // "Change Data" is open: Ok or Cancel has not ended it yet.
    bool isEditing() const;
    void initializeEditMenu();
    // Makes what was just changed one undo step; `place` is where the panel shows it again.
    void recordChange(const QString& text, ConfigDocument::Place place);
    ConfigDocument::Place currentPlace() const;
    ConfigDocument::Place placeOf(CommandButton* key) const;
    void showRestoredRecords(ConfigDocument::Place place);
    // Paste and import replace records an open edit may be about to store.
    bool refuseWhileEditing(const QString& title);
    void refillRecentMenu();
    void openRecentFile(const QString& fileName);
    bool confirmCommandCut();
    void uncheckLinkKey();
    // The "2nd Layer" group as key `keyId`'s record holds it.
    void showStoredSecondLayer(int keyId);

    Ui_MainWindow ui;
    Ui_ComSettingBox comUi;
    Ui_UartSettingBox uartUi;
    Ui_HelpDlg helpUi;
    QButtonGroup* m_buttonGroup = nullptr;
    QButtonGroup* m_linkGroup = nullptr;
    QButtonGroup* m_dataFormat = nullptr;
    AppDataManager* m_dataManager = nullptr;
    // Both always in the same form, Hex or ASCII.
    CommandField* m_commandField = nullptr;
    CommandField* m_secondLayerField = nullptr;
    ConfigDocument* m_document = nullptr;
    // The record the panel shows, for whoever follows it.
    RecordSelection* m_selection = nullptr;
    QMenu* m_recentMenu = nullptr;
    QDialog* m_comDialog = nullptr;
    ComPortPicker* m_portPicker = nullptr;
    LinkTraceChoice* m_traceChoice = nullptr;
    QDialog* m_uartDialog = nullptr;
    DeviceController* m_device = nullptr;
    bool m_isSecondLayerUartChecked = false;
    QLabel* m_connectionLabel = nullptr;
    QAction* m_verifyAction = nullptr;
};

#endif // APPMAINWINDOW_H
