#ifndef WINDOWTEST_H
#define WINDOWTEST_H

// Small helpers for tests that drive the real main window.
#include "appmainwindow.h"
#include "commandbutton.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

inline CommandButton* keyButton(QWidget* window, int number)
{
    return window->findChild<CommandButton*>(QString("button%1").arg(number, 2, 10, QChar('0')));
}

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Answers the next modal dialog (a message box, a file dialog, a question)
// from the event loop once it is up; `answer` gets the dialog.
inline void answerNextModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool up = modal && modal->isVisible();
        if (up || ++*tries > 250) {
            timer->stop();
            timer->deleteLater();
            if (up) {
                answer(modal);
            }
        }
    });
    timer->start(20);
}

#endif // WINDOWTEST_H
