#ifndef WINDOWTEST_H
#define WINDOWTEST_H

// Small helpers for tests that drive the real main window.
#include "appmainwindow.h"
#include "commandbutton.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
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

// Runs `then` from the event loop once `condition` holds, looked at every 20 ms
// while `context` lives.
inline void whenTrue(QObject* context, std::function<bool()> condition, std::function<void()> then)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, condition, then] {
        if (condition()) {
            timer->stop();
            then();
        }
    });
    timer->start(20);
}

// Answers the next file dialog with `path` typed into its name field, as a user
// would type a whole path, or with Cancel where `path` is empty. `then`, when
// given, runs first: to answer what the dialog goes on to ask.
inline void answerFileDialog(const QString& path, std::function<void()> then = {})
{
    answerNextModal({"QFileDialog"}, [path, then](QWidget* dialog) {
        if (then) {
            then();
        }
        if (!path.isEmpty()) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        }
        QMetaObject::invokeMethod(dialog, path.isEmpty() ? "reject" : "accept");
    });
}

// Types `port` into the COM port dialog and presses Ok; whether the window is
// then connected (a warning on the way is for the test to answer).
inline bool connectWindowTo(AppMainWindow* window, const QString& port)
{
    window->findChild<QAction*>("actionCOM_Port_Setting")->trigger();
    window->comDialog()->findChild<QComboBox*>("portBox")->setEditText(port);
    window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    return window->isConnected();
}

// Waits until every delayed single-shot timer started so far has fired and
// returned: what the window put off (a transfer that starts once its
// confirmation has closed) has had its turn. Qt keeps such timers as children
// of the event dispatcher and deletes each once its slot returns.
inline bool waitForDeferredWork(int timeoutMs = 30000)
{
    QList<QPointer<QObject>> pending;
    for (QObject* timer : QAbstractEventDispatcher::instance()->children()) {
        if (qstrcmp(timer->metaObject()->className(), "QSingleShotTimer") == 0) {
            pending << timer;
        }
    }
    return QTest::qWaitFor(
        [&pending] { return std::all_of(pending.begin(), pending.end(), [](const auto& t) { return t.isNull(); }); },
        timeoutMs);
}

#endif // WINDOWTEST_H
