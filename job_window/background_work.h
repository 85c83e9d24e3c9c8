// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

class QWidget;

// Makes an export's bytes away from the window's thread. Once the work has
// run for a moment a progress dialog with Cancel shows; Cancel answers at
// once: the window goes on and what was being made is dropped when it is
// done, never written. `make` must own copies of what it reads.
class BackgroundWork
{
    Q_DECLARE_TR_FUNCTIONS(BackgroundWork)

public:
    // What `work` made, or none when the user cancelled.
    template <typename Result>
    static std::optional<Result> make(QWidget *parent, const QString &label, std::function<Result()> work)
    {
        // Shared with the thread, which may outlive this call after a Cancel.
        auto made = std::make_shared<Result>();
        if (!run(parent, label, [made, work = std::move(work)] { *made = work(); }))
            return std::nullopt;
        return std::move(*made);
    }

    // The same for work that can stop early: once the user cancels, `stop`
    // is requested, so that the work ends soon and drops what it made (a
    // file half written) instead of finishing it for nobody.
    template <typename Result>
    static std::optional<Result> make(QWidget *parent, const QString &label,
                                      std::function<Result(const std::stop_token &)> work)
    {
        auto made = std::make_shared<Result>();
        std::stop_source stop;
        if (!run(parent, label, [made, work = std::move(work), token = stop.get_token()] { *made = work(token); })) {
            stop.request_stop();
            return std::nullopt;
        }
        return std::move(*made);
    }

    // How long the work runs before the dialog shows; tests set 0.
    static void setShowDelay(int milliseconds);

private:
    // True when the work is done, false when the user cancelled first.
    static bool run(QWidget *parent, const QString &label, std::function<void()> work);
};
