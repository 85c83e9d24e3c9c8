// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCursor>
#include <QGuiApplication>

// The busy pointer for as long as this object lives, over every window of
// the application; restored on every way out, or earlier by release().
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

    void release()
    {
        if (active)
            QGuiApplication::restoreOverrideCursor();
        active = false;
    }

private:
    bool active = true;
};
