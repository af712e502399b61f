#ifndef COMMANDBUTTON_H
#define COMMANDBUTTON_H

#include "appdata.h"
#include "ui_namedialog.h"
#include "ui_uartsetting.h"

#include <QPushButton>

class QAction;
class QMenu;

// The push button that stands for one key or one link. A right press opens its
// menu (rename, change data, change line settings); it reports the user's
// requests through signals that carry the button itself, and keeps a copy of
// the line settings of the record it shows so its own dialog can start there.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);
    ~CommandButton() override;

    void initCommandButton(bool isChangeName, bool isChangeData, bool isChangeUart);

    // The shown name; also what a screen reader says, after the key's place.
    // (Hides QAbstractButton::setText, which every caller reaches through this class.)
    void setText(const QString& text);
    // Where the key sits, for a screen reader: "Key 3", "Link 13 of key 3". A key's
    // text alone ("Empty", a name) does not say which key it is.
    void setPlace(const QString& place);
    // A key that carries no record is read as "Key 7, unused", not by the
    // placeholder text it shows.
    void setUnused(bool unused);
    void setUartData(const UartData* uart);
    void getUartData(UartData* uart) const;

    // The menu and dialogs, for whoever needs to look at them. The menu is built
    // here when first asked for (null before initCommandButton()); the line-settings
    // dialog is null until "Change Baud Rate" first opens it.
    QMenu* actionMenu();
    QDialog* uartSettingDialog() const { return m_uartSetting; }

signals:
    void rightClicked();
    void requestChangeData(CommandButton* caller);
    void requestChangeName(CommandButton* caller, QString newName);
    void requestChangeUart(CommandButton* caller);

public slots:
    void showActionMenu();
    void changeData();
    void changeButtonName();
    void changeUartSetting();
    void saveUartSetting();
    void acceptNewButtonName();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // Enter is "Change Data"; the arrows move to the next key of the group and select it.
    void keyPressEvent(QKeyEvent* e) override;
    // Tab into a group of keys lands on its selected key.
    void focusInEvent(QFocusEvent* e) override;

private:
    QDialog* buildUartSetting();
    void updateAccessibleName();
    void loadUartSetting();

    QWidget* m_parent;
    QDialog* m_uartSetting = nullptr;
    bool m_hasMenu = false;
    bool m_menuChangeName = false;
    bool m_menuChangeData = false;
    bool m_menuChangeUart = false;
    QMenu* btnMenu = nullptr;
    QAction* changeDataAct = nullptr;
    QAction* changeButtonNameAct = nullptr;
    QAction* changeUartSettingAct = nullptr;
    QString m_place;
    bool m_unused = false;
    Ui_UartSettingBox ui;
    Ui_NameDialog nameUi;
    UartData m_uartData;
};

#endif // COMMANDBUTTON_H
