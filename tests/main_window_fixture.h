// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "dialog_script.h"
#include "frm_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// A freshly started main window, shown and active, with a watcher that
// answers the dialogs the test expects and fails on any other. Widgets are found by their objectName.
class MainWindowFixture
{
public:
    MainWindowFixture() : watcher(std::make_unique<DialogScript>()), window(std::make_unique<frmMain>())
    {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        active = QTest::qWaitForWindowActive(window.get());
    }

    template <typename T = QWidget> T *get(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    QLineEdit *field(const char *name) const { return get<QLineEdit>(name); }
    QPushButton *button(const char *name) const { return get<QPushButton>(name); }
    QComboBox *increments() const { return get<QComboBox>("cboIncrement"); }
    QString text(const char *name) const { return field(name)->text(); }

    // Sets the three inputs as a user's edits would, which resets the results.
    void setInputs(const QString &length, const QString &width, const QString &maximumGap) const
    {
        field("txtLength")->setText(length);
        field("txtWidth")->setText(width);
        field("txtMaximumGap")->setText(maximumGap);
    }

    // Selects an increment by index; selecting runs the recalculation, so
    // the current one is left first when it is already selected.
    void selectIncrement(int index) const
    {
        if (increments()->currentIndex() == index)
            increments()->setCurrentIndex((index + 1) % increments()->count());
        increments()->setCurrentIndex(index);
    }

    // Shows the count as the program would and recalculates through the list.
    void calculateAtCount(const QString &count, int incrementIndex = 2) const
    {
        field("txtRailpinCount")->setText(count);
        selectIncrement(incrementIndex);
    }

    bool active = false;
    std::unique_ptr<DialogScript> watcher;
    std::unique_ptr<frmMain> window;
};
