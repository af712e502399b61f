#ifndef WINDOWTEST_H
#define WINDOWTEST_H

// Small helpers for tests that drive the real main window.
#include "appmainwindow.h"
#include "commandbutton.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>

inline CommandButton* keyButton(QWidget* window, int number)
{
    return window->findChild<CommandButton*>(QString("button%1").arg(number, 2, 10, QChar('0')));
}

// The title as the window system shows it: Qt's "[*]" mark is a "*" while modified.
inline QString shownTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    return title.replace(QLatin1String("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Answers the next modal dialog that is of a class or has a name in `kinds` (a
// message box, a file dialog, the transfer's question) from the event loop
// once it is up; `answer` gets the dialog. Other modal dialogs, such as a
// progress dialog, are left alone.
inline void answerNextModal(const QStringList& kinds, std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, kinds, answer, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool up = modal && modal->isVisible()
            && std::any_of(kinds.begin(), kinds.end(), [modal](const QString& kind) {
                            return modal->objectName() == kind || modal->inherits(kind.toLatin1().constData());
                        });
        if (up || ++*tries > 1500) {
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
