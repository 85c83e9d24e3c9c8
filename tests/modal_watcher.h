// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal windows a test opens. Message boxes are recorded and
// dismissed with their OK button; any other modal window goes to the next
// queued handler, or is rejected and counted as unexpected.
class ModalWatcher : public QObject
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

    ModalWatcher()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &ModalWatcher::poll);
        timer.start();
    }

    // The next modal window that is no message box is handed to this function.
    void onNextDialog(std::function<void(QDialog *)> handler) { handlers.push_back(std::move(handler)); }

    // The next message box is answered with this button instead of OK.
    void answerNextMessage(QMessageBox::StandardButton button) { answers.push_back(button); }

    QList<Message> messages;
    QStringList unexpectedDialogs;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == lastAnswered)
            return;
        if (!modal->isVisible())
            return;
        lastAnswered = modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            QStringList buttonTexts;
            for (const QAbstractButton *button : box->buttons())
                buttonTexts.append(button->text());
            messages.append({box->objectName(), box->windowTitle(), box->text(), box->icon(),
                             int(box->buttons().size()), QApplication::overrideCursor() != nullptr, buttonTexts});
            QMessageBox::StandardButton answer = QMessageBox::Ok;
            if (!answers.empty()) {
                answer = answers.front();
                answers.erase(answers.begin());
            }
            if (QAbstractButton *button = box->button(answer))
                button->click();
            else
                box->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            if (handlers.empty()) {
                unexpectedDialogs.append(dialog->objectName());
                dialog->reject();
            } else {
                const auto handler = std::move(handlers.front());
                handlers.erase(handlers.begin());
                handler(dialog);
            }
        }
    }

    QTimer timer;
    QPointer<QWidget> lastAnswered;
    std::vector<std::function<void(QDialog *)>> handlers;
    std::vector<QMessageBox::StandardButton> answers;
};
