// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QFileDialog>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace dialogs {

// A message box as the window asks for it: everything QMessageBox is given.
struct Message
{
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString objectName;
    QString title;
    QString text;
    QString informativeText;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    QMap<QMessageBox::StandardButton, QString> buttonTexts;  // texts other than Qt's own
    Qt::TextFormat textFormat = Qt::AutoText;
};

// A file dialog as the window asks for it.
struct FileRequest
{
    QString objectName;
    QString title;
    QString folder;
    QStringList nameFilters;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QString defaultSuffix;
    QString selectedFile;
};

// The file the user chose (empty when cancelled) and the filter left selected.
struct FileChoice
{
    QString path;
    QString nameFilter;
};

// The box exactly as the program shows it; the caller owns it.
QMessageBox *makeMessageBox(const Message &message, QWidget *parent);

// Shows message boxes, file dialogs and other modal dialogs. The program uses
// this one, which shows each one modally and waits; tests install their own.
class Presenter
{
public:
    Presenter() = default;
    virtual ~Presenter() = default;
    Presenter(const Presenter &) = delete;
    Presenter &operator=(const Presenter &) = delete;

    // The button the user pressed.
    virtual QMessageBox::StandardButton message(QWidget *parent, const Message &message);
    virtual FileChoice chooseFile(QWidget *parent, const FileRequest &request);
    // Runs a dialog of its own (About, Qt's print and preview dialogs) modally:
    // the dialog's result code.
    virtual int exec(QDialog &dialog);
};

// The presenter in use: the program's own unless a test installed another.
Presenter &presenter();

// Installs `replacement` (null: the program's own) and returns the one it replaces.
Presenter *install(Presenter *replacement);

// Shorthands for the common boxes with one OK button.
void warning(QWidget *parent, const QString &objectName, const QString &title, const QString &text);
void information(QWidget *parent, const QString &objectName, const QString &title, const QString &text);

inline QMessageBox::StandardButton ask(QWidget *parent, const Message &message)
{
    return presenter().message(parent, message);
}
inline FileChoice chooseFile(QWidget *parent, const FileRequest &request)
{
    return presenter().chooseFile(parent, request);
}
inline int exec(QDialog &dialog)
{
    return presenter().exec(dialog);
}

}  // namespace dialogs
