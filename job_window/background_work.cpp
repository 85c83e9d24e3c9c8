// SPDX-License-Identifier: LicenseRef-proprietary
#include "background_work.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <limits>

namespace {

int showDelay = 500;

}  // namespace

void BackgroundWork::setShowDelay(int milliseconds)
{
    showDelay = milliseconds;
}

bool BackgroundWork::run(QWidget *parent, const QString &label, std::function<void()> work)
{
    QThread *thread = QThread::create(std::move(work));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    QProgressDialog progress(label, tr("Cancel"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("dlgWorkProgress"));
    progress.setWindowTitle(tr("Exporting"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // A busy dialog never gets a value: it shows itself on this timer instead.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.hide();

    QEventLoop loop;
    bool finished = false;
    QObject::connect(thread, &QThread::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    QTimer show;
    show.setSingleShot(true);
    QObject::connect(&show, &QTimer::timeout, &progress, &QWidget::show);
    thread->start();
    show.start(showDelay);
    loop.exec();
    return finished;
}
