#ifndef COMMANDBUTTON_H
#define COMMANDBUTTON_H

#include "appdata.h"

#include <QPushButton>

// The push button that stands for one key or one link. It keeps a copy of the
// line settings of the record it shows.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);
    ~CommandButton() override;

    void setUartData(const UartData* uart);
    void getUartData(UartData* uart) const;

private:
    QWidget* m_parent;
    UartData m_uartData;
};

#endif // COMMANDBUTTON_H
