// SPDX-License-Identifier: LicenseRef-proprietary
#include "busy_wait.h"

#include "busy_pointer.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace printing {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Swallows the application's user input while it exists, as a modal window
// would, and keeps the waiting window from being closed under its caller.
class InputBlocker : public QObject
{
public:
    explicit InputBlocker(QWidget *window) : waiting(window != nullptr ? window->window() : nullptr)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputBlocker(const InputBlocker &) = delete;
    InputBlocker &operator=(const InputBlocker &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (isUserInput(event->type()))
            return true;
        if (event->type() == QEvent::Close && waiting != nullptr && watched == waiting) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> waiting;
};

}  // namespace

void waitBusy(QWidget *window, const QFuture<void> &work, std::chrono::milliseconds limit)
{
    if (work.isFinished())
        return;
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the wait early
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);

    const InputBlocker blocker(window);
    const BusyPointer busy;
    watcher.setFuture(work);
    deadline.start(limit);
    if (!work.isFinished())
        loop.exec();
}

}  // namespace printing
