#ifndef APPDATAMANAGER_H
#define APPDATAMANAGER_H

#include "appdata.h"

class CommandButton;
class QButtonGroup;

// The program's records as the window shows them: finds the record the user
// works on from the checked key and link key, and keeps the keys' texts and
// line settings in step with the records. The button groups may be null.
class AppDataManager : public ProgramRecords
{
public:
    AppDataManager(QButtonGroup* buttonGroup, QButtonGroup* linkGroup);

    // Makes the records and shows each on its key.
    void newData(int maxButtons, int maxLinks);

    LinkData* getCheckedObject() const;
    CommandButton* getButtonObject(int id) const;
    CommandButton* getLinkObject(int id) const;

    // Key texts
    void syncWithButton(LinkData* appData);
    void reflashButtonName();
    void setButtonName(QString buttonName);
    void setButtonName(CommandButton* caller, QString newName);

    // First layer of the current record
    QString getCommand() const;
    void setCommand(QString command);
    int getDelayTime() const;
    void setDelayTime(int delay);
    QString getLinkName() const;
    void setLinkName(QString name);
    void getUartData(UartData* out) const;
    void setUartData(const UartData* in);

    // Second layer of the checked key (by key id: the records' own)
    using ProgramRecords::displaySecondLayerBaudRate;
    using ProgramRecords::getSecondLayerCommand;
    using ProgramRecords::getSecondLayerUartData;
    void getSecondLayerUartData(UartData* out) const;
    void setSecondLayerUartData(const UartData* in);
    QString getSecondLayerCommand() const;
    void setSecondLayerCommand(QString command);
    int getSecondLayerDelayTime() const;
    void setSecondLayerDelayTime(int delay);

    QString displayFirstLayerBaudRate() const;
    QString displaySecondLayerBaudRate() const;

private:
    int checkedKeyId() const;
    int checkedLinkId() const;
    ButtonData* checkedButtonData() const;
    void showOnKey(CommandButton* key, const QString& text, const LinkData* record);

    QButtonGroup* m_buttonGroup;
    QButtonGroup* m_linkGroup;
};

#endif // APPDATAMANAGER_H
