// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "calculator_job_windows.h"
#include "dialog_script.h"
#include "frm_job.h"
#include "job_windows.h"
#include "main_window_fixture.h"
#include "sample_job.h"
#include "sections_model.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Keeps the recent jobs of a test run in a folder of its own, never in the
// user's settings. Set up in initTestCase, before any window reads them.
struct PrivateSettingsHome
{
    QTemporaryDir folder;
    bool install() const
    {
        if (!folder.isValid())
            return false;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        return true;
    }
};

// The calculator wired to its job windows as the program wires them; the
// launcher goes before the calculator.
struct CalculatorFixture : MainWindowFixture
{
    std::unique_ptr<JobWindows> jobs = jobWindowsFor(*window);
};

// Job windows open now, newest last.
inline QList<frmJob *> openJobWindows()
{
    QList<frmJob *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<frmJob *>(widget); window != nullptr && window->isVisible())
            windows.append(window);
    return windows;
}

// A job window of its own on the given job, shown and active, with a watcher
// that answers the dialogs the test expects and fails on any other. Widgets are found by their objectName.
class JobWindowFixture
{
public:
    explicit JobWindowFixture(const layout::Job &job = sampleJob(), frmJob::CalculatorFields calculator = {})
        : watcher(std::make_unique<DialogScript>()), window(new frmJob(std::move(calculator)))
    {
        window->showJob(job);
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        active = QTest::qWaitForWindowActive(window);
    }
    ~JobWindowFixture() { delete window.data(); }
    JobWindowFixture(const JobWindowFixture &) = delete;
    JobWindowFixture &operator=(const JobWindowFixture &) = delete;

    template <typename T = QWidget> T *get(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QAction *action(const char *name) const { return get<QAction>(name); }
    QTableView *table(const char *name = "tblSections") const { return get<QTableView>(name); }
    QAbstractItemModel *sections() const { return table()->model(); }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return sections()->index(row, column).data(role);
    }
    QStringList sectionNames() const
    {
        QStringList names;
        for (int row = 0; row < sections()->rowCount(); ++row)
            names.append(cell(row, SectionsModel::Name).toString());
        return names;
    }

    // Edits a cell from the keyboard: F2, the text, Enter.
    void editCell(int row, int column, const QString &text, const char *tableName = "tblSections") const
    {
        QApplication::setActiveWindow(window);  // a dialog closed since may have left none active
        QTableView *view = table(tableName);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, column));
        QTest::keyClick(view, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the delegate commits on Enter through a queued call
    }

    bool active = false;
    std::unique_ptr<DialogScript> watcher;
    QPointer<frmJob> window;
};

// Why a column of the table does not show its values whole at the size it
// has now, or empty: a value or heading wider than its column, or a column
// that lies beyond the table's visible width. Every row is measured.
inline QString cutColumn(const QTableView &table)
{
    const QAbstractItemModel *model = table.model();
    const QHeaderView *header = table.horizontalHeader();
    // Each cell measured by its delegate, as the view measures and elides it.
    QStyleOptionViewItem option;
    option.initFrom(&table);
    option.font = table.font();
    option.widget = &table;
    const int grid = table.showGrid() ? 1 : 0;  // the grid line takes a pixel of each column
    for (int column = 0; column < model->columnCount(); ++column) {
        if (table.isColumnHidden(column))
            continue;  // shown on demand, from the header's menu
        const QString heading = model->headerData(column, Qt::Horizontal).toString();
        int needed = header->sectionSizeHint(column);
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            needed = std::max(needed, table.itemDelegateForIndex(index)->sizeHint(option, index).width() + grid);
        }
        if (table.columnWidth(column) < needed)
            return QStringLiteral("%1 \"%2\": %3 px wide, needs %4")
                .arg(table.objectName(), heading)
                .arg(table.columnWidth(column))
                .arg(needed);
        const int left = header->sectionViewportPosition(column);
        if (left < 0 || left + table.columnWidth(column) > table.viewport()->width())
            return QStringLiteral("%1 \"%2\": beyond the visible %3 px")
                .arg(table.objectName(), heading)
                .arg(table.viewport()->width());
    }
    return {};
}
