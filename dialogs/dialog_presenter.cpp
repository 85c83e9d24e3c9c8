// SPDX-License-Identifier: LicenseRef-proprietary
#include "dialog_presenter.h"

#include <QAbstractButton>
#include <QDialog>

#include <memory>

namespace dialogs {

namespace {

Presenter *installed = nullptr;

void showOk(QWidget *parent, QMessageBox::Icon icon, const QString &objectName, const QString &title,
            const QString &text)
{
    Message message;
    message.icon = icon;
    message.objectName = objectName;
    message.title = title;
    message.text = text;
    presenter().message(parent, message);
}

}  // namespace

QMessageBox *makeMessageBox(const Message &message, QWidget *parent)
{
    auto *box = new QMessageBox(message.icon, message.title, message.text, message.buttons, parent);
    box->setObjectName(message.objectName);
    box->setTextFormat(message.textFormat);
    if (!message.informativeText.isEmpty())
        box->setInformativeText(message.informativeText);
    if (message.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(message.defaultButton);
    if (message.escapeButton != QMessageBox::NoButton)
        box->setEscapeButton(message.escapeButton);
    for (auto text = message.buttonTexts.cbegin(); text != message.buttonTexts.cend(); ++text)
        if (QAbstractButton *button = box->button(text.key()))
            button->setText(text.value());
    return box;
}

QMessageBox::StandardButton Presenter::message(QWidget *parent, const Message &message)
{
    const std::unique_ptr<QMessageBox> box(makeMessageBox(message, parent));
    return QMessageBox::StandardButton(box->exec());
}

FileChoice Presenter::chooseFile(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setObjectName(request.objectName);
    dialog.setAcceptMode(request.acceptMode);
    dialog.setFileMode(request.fileMode);
    if (!request.nameFilters.isEmpty())
        dialog.setNameFilters(request.nameFilters);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.selectedFile.isEmpty())
        dialog.selectFile(request.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

int Presenter::exec(QDialog &dialog)
{
    return dialog.exec();
}

Presenter &presenter()
{
    static Presenter programs;
    return installed != nullptr ? *installed : programs;
}

Presenter *install(Presenter *replacement)
{
    Presenter *const previous = installed;
    installed = replacement;
    return previous;
}

void warning(QWidget *parent, const QString &objectName, const QString &title, const QString &text)
{
    showOk(parent, QMessageBox::Warning, objectName, title, text);
}

void information(QWidget *parent, const QString &objectName, const QString &title, const QString &text)
{
    showOk(parent, QMessageBox::Information, objectName, title, text);
}

}  // namespace dialogs
