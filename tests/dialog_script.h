// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "dialog_presenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

// Answers every dialog a test opens, in the order the test expects them, and
// fails the test on any it did not expect. Installed as the program's dialog
// presenter while it lives; a modal window shown past the presenter fails too.
class DialogScript : public QObject, public dialogs::Presenter
{
public:
    struct Message
    {
        QString objectName;
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttonCount;
        bool busyPointerWhileShown;
        QStringList buttonTexts;
    };
    using FileAnswer = std::function<dialogs::FileChoice(const dialogs::FileRequest &)>;

    DialogScript() : previous(dialogs::install(this))
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &DialogScript::poll);
        timer.start();
    }
    ~DialogScript() override
    {
        dialogs::install(previous);
        if (!QTest::currentTestFailed() && (!answers.empty() || !files.empty() || !handlers.empty()))
            fail(QStringLiteral("%1 message, %2 file and %3 other dialogs were expected but never shown")
                     .arg(answers.size())
                     .arg(files.size())
                     .arg(handlers.size()));
    }
    DialogScript(const DialogScript &) = delete;
    DialogScript &operator=(const DialogScript &) = delete;

    // The next message box is expected and answered with this button.
    void answerNextMessage(QMessageBox::StandardButton button = QMessageBox::Ok) { answers.push_back(button); }
    // Every message box from now on is answered with OK, for
    // runs of random input whose boxes cannot be foretold; they are still recorded.
    void answerEveryMessage() { everyMessage = true; }
    // The next file dialog is expected and answered by this function.
    void onNextFile(FileAnswer answer) { files.push_back(std::move(answer)); }
    // The next file dialog is expected and answered with this path ("": cancelled).
    void chooseNextFile(const QString &path)
    {
        onNextFile([path](const dialogs::FileRequest &) { return dialogs::FileChoice{path, {}}; });
    }
    // The next other modal window (About, print, preview, progress) is expected
    // and handed to this function once shown; the function closes it.
    void onNextDialog(std::function<void(QDialog *)> handler) { handlers.push_back(std::move(handler)); }

    QList<Message> messages;
    QList<dialogs::FileRequest> fileRequests;
    QStringList unexpectedDialogs;

    QMessageBox::StandardButton message(QWidget *, const dialogs::Message &shown) override
    {
        const std::unique_ptr<QMessageBox> box(dialogs::makeMessageBox(shown, nullptr));
        QStringList buttonTexts;
        for (const QAbstractButton *button : box->buttons())
            buttonTexts.append(button->text());
        messages.append({shown.objectName, shown.title, shown.text, shown.icon, int(buttonTexts.size()),
                         QApplication::overrideCursor() != nullptr, buttonTexts});
        if (answers.empty() && everyMessage)
            return QMessageBox::Ok;
        if (answers.empty()) {
            fail(QStringLiteral("unexpected message box %1: %2").arg(shown.objectName, shown.text));
            return shown.escapeButton != QMessageBox::NoButton ? shown.escapeButton : QMessageBox::Ok;
        }
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        if (!shown.buttons.testFlag(answer))
            fail(QStringLiteral("message box %1 has no button %2").arg(shown.objectName).arg(int(answer)));
        return answer;
    }

    dialogs::FileChoice chooseFile(QWidget *, const dialogs::FileRequest &request) override
    {
        fileRequests.append(request);
        if (files.empty()) {
            fail(QStringLiteral("unexpected file dialog %1").arg(request.objectName));
            return {};
        }
        const FileAnswer answer = std::move(files.front());
        files.pop_front();
        return answer(request);
    }

    int exec(QDialog &dialog) override
    {
        if (handlers.empty()) {
            fail(QStringLiteral("unexpected dialog %1").arg(dialog.objectName()));
            return QDialog::Rejected;
        }
        auto handler = std::move(handlers.front());
        handlers.pop_front();
        // A dialog opened from another (print from the preview) leaves the
        // outer one answered.
        lastAnswered = &dialog;
        answering.append(&dialog);
        QTimer::singleShot(0, &dialog, [&dialog, handler = std::move(handler)] { handler(&dialog); });
        const int result = dialog.exec();
        answering.removeAll(&dialog);
        return result;
    }

private:
    void fail(const QString &what)
    {
        unexpectedDialogs.append(what);
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    }

    // Modal windows the program shows itself, such as the sheet's progress.
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == lastAnswered || answering.contains(modal) || !modal->isVisible())
            return;
        // A progress box shows only when the work is slow, as under the
        // sanitizers: it asks nothing and closes itself. A test that means to
        // answer one queues a handler for it.
        if (qobject_cast<QProgressDialog *>(modal) != nullptr && handlers.empty())
            return;
        lastAnswered = modal;
        auto *dialog = qobject_cast<QDialog *>(modal);
        const bool pastPresenter = qobject_cast<QMessageBox *>(modal) != nullptr;
        if (dialog == nullptr || pastPresenter || handlers.empty()) {
            fail(QStringLiteral("unexpected modal window %1 (%2)")
                     .arg(modal->objectName(), QString::fromLatin1(modal->metaObject()->className())));
            modal->close();
            return;
        }
        const auto handler = std::move(handlers.front());
        handlers.pop_front();
        handler(dialog);
    }

    dialogs::Presenter *previous;
    bool everyMessage = false;
    QTimer timer;
    QPointer<QWidget> lastAnswered;
    QList<QWidget *> answering;  // in exec() now, the innermost last
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<FileAnswer> files;
    std::deque<std::function<void(QDialog *)>> handlers;
};
