// SPDX-License-Identifier: LicenseRef-proprietary
#include "first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

#include <cstdio>

namespace {

class FirstFrameReport : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A zero timer fires once this paint has been drawn and flushed.
        if (event->type() == QEvent::Paint && timer == 0)
            timer = startTimer(0);
        return QObject::eventFilter(watched, event);
    }

    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() != timer)
            return;
        killTimer(timer);
        std::fputs("first frame\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

private:
    int timer = 0;
};

}  // namespace

void reportFirstFrame(QWidget &window)
{
    window.installEventFilter(new FirstFrameReport(&window));
}
