// SPDX-License-Identifier: LicenseRef-proprietary
// Makes README's pictures of the job window: a deck of a front, two sides
// and a stair, shown at the window's default size with a level section and
// then the stair selected, front steps given by their treads, and a deck of
// three runs with its bays. `make screenshots` runs it on a virtual X display,
// so that the pictures show the fonts a user sees.
//
// usage: railpin_screenshots [--language en|es|fr] [--out DIR]
#include "file_writer.h"
#include "frm_job.h"
#include "marks_model.h"
#include "run.h"
#include "translator_setup.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

layout::Job deckJob()
{
    layout::Job job;
    job.name = QStringLiteral("Back deck");
    job.railpinWidth = QStringLiteral("1 3/8");
    job.maximumGap = QStringLiteral("4");
    job.maximumGapStairs = QStringLiteral("4 3/8");
    job.packSize = 10;
    const auto level = [](const char *name, const char *length, layout::Ends ends) {
        layout::Section section;
        section.name = QString::fromUtf8(name);
        section.length = QString::fromUtf8(length);
        section.ends = ends;
        return section;
    };
    job.sections = {level("Front", "96 1/2", layout::Ends::Full), level("Left side", "72 3/4", layout::Ends::Half),
                    level("Right side", "72 3/4", layout::Ends::Full), level("Stair", "62 1/4", layout::Ends::Full)};
    job.sections.back().stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt};
    return job;
}

// README's deck of three runs: wall to corner, corner to corner, corner to wall.
layout::Job runsJob()
{
    layout::Job job;
    job.name = QStringLiteral("Back deck");
    job.railpinWidth = QStringLiteral("1 1/2");
    job.maximumGap = QStringLiteral("4");
    job.postWidth = QStringLiteral("3 1/2");
    job.maxPostSpacing = QStringLiteral("6'");
    const auto run = [](const char *name, const char *length, layout::RunEnd start, layout::RunEnd end) {
        layout::Run made;
        made.name = QString::fromUtf8(name);
        made.length = QString::fromUtf8(length);
        made.start = start;
        made.end = end;
        return made;
    };
    job.runs = {run("Left", "12'", layout::RunEnd::Wall, layout::RunEnd::Post),
                run("Front", "17' 3\"", layout::RunEnd::Corner, layout::RunEnd::Post),
                run("Right", "12'", layout::RunEnd::Corner, layout::RunEnd::Wall)};
    layout::deriveBays(job);
    return job;
}

// Front steps given by their treads, with a rail height for the lengths,
// beside the deck they lead to.
layout::Job treadsJob()
{
    layout::Job job;
    job.name = QStringLiteral("Front steps");
    job.railpinWidth = QStringLiteral("3/4");
    job.maximumGap = QStringLiteral("4");
    job.increment = 32;
    layout::Section steps;
    steps.name = QStringLiteral("Steps");
    steps.stair = layout::Stair{QStringLiteral("7 1/2"), QStringLiteral("10"), std::nullopt};
    steps.stair->treads = 6;
    steps.stair->nosing = QStringLiteral("1");
    steps.stair->railHeight = QStringLiteral("36");
    steps.stair->railDepth = QStringLiteral("2");
    layout::Section landing;
    landing.name = QStringLiteral("Landing");
    landing.length = QStringLiteral("42");
    job.sections = {steps, landing};
    return job;
}

// Lets layouts, column sizing and painting settle before a picture is taken.
void settle(int milliseconds = 400)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Warns of each column of `table` that is narrower than its widest value or
// its heading, or lies partly outside the table's view.
void warnOfCutColumns(QTableView &table, const QString &picture)
{
    const QHeaderView &header = *table.horizontalHeader();
    const QAbstractItemView &view = table;  // sizeHintForColumn is protected in QTableView
    for (int column = 0; column < header.count(); ++column) {
        if (header.isSectionHidden(column))
            continue;
        const int left = header.sectionViewportPosition(column);
        const int width = header.sectionSize(column);
        const bool narrow = width < std::max(view.sizeHintForColumn(column), header.sectionSizeHint(column));
        if (narrow || left < 0 || left + width > table.viewport()->width())
            std::fprintf(stderr, "warning: %s: column \"%s\" of %s is not shown whole\n", qPrintable(picture),
                         qPrintable(table.model()->headerData(column, Qt::Horizontal).toString()),
                         qPrintable(table.objectName()));
    }
}

bool save(QWidget &widget, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!widget.grab().save(&buffer, "PNG")) {
        std::fprintf(stderr, "railpin_screenshots: cannot encode %s\n", qPrintable(path));
        return false;
    }
    if (const QString failure = file_writer::writeFile(path, png); !failure.isEmpty()) {
        std::fprintf(stderr, "railpin_screenshots: %s\n", qPrintable(failure));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes README's pictures of the job window."));
    parser.addHelpOption();
    const QCommandLineOption languageOption(QStringLiteral("language"), QStringLiteral("en, es or fr (default en)."),
                                            QStringLiteral("language"), QStringLiteral("en"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the pictures (default .)."),
                                       QStringLiteral("folder"), QStringLiteral("."));
    parser.addOptions({languageOption, outOption});
    parser.process(application);

    // The locale a user of each language has, whatever this machine's is.
    const QString language = parser.value(languageOption);
    const QStringList locales = {QStringLiteral("en_US"), QStringLiteral("es_ES"), QStringLiteral("fr_CA")};
    const auto locale = std::find_if(locales.begin(), locales.end(),
                                     [&](const QString &name) { return name.startsWith(language + u'_'); });
    if (locale == locales.end()) {
        std::fprintf(stderr, "railpin_screenshots: --language: \"%s\" is not en, es or fr\n", qPrintable(language));
        return 2;
    }
    QLocale::setDefault(QLocale(*locale));
    if (translations::install(application) != (language == u"en" ? QString() : language)) {
        std::fprintf(stderr, "railpin_screenshots: no translation for \"%s\"\n", qPrintable(language));
        return 1;
    }
    const QDir out(parser.value(outOption));
    if (!out.exists()) {
        std::fprintf(stderr, "railpin_screenshots: --out: no folder \"%s\"\n", qPrintable(out.path()));
        return 2;
    }

    frmJob window;
    const QSize designed = window.size();
    window.showJob(deckJob());
    window.show();
    window.activateWindow();
    settle();
    if (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        std::fprintf(stderr, "railpin_screenshots: the job window never showed\n");
        return 1;
    }
    // A layout wider or taller than the designed size makes Qt open it larger.
    if (window.size() != designed)
        std::fprintf(stderr, "warning: the window opens at %dx%d, not at its default %dx%d\n", window.width(),
                     window.height(), designed.width(), designed.height());
    auto *sectionsTable = window.findChild<QTableView *>(QStringLiteral("tblSections"));
    auto *marksTable = window.findChild<QTableView *>(QStringLiteral("tblMarks"));
    auto *measuredChoice = window.findChild<QComboBox *>(QStringLiteral("cboMarksMeasured"));
    auto *marksPanel = window.findChild<QWidget *>(QStringLiteral("pnlMarks"));
    if (!sectionsTable || !marksTable || !measuredChoice || !marksPanel) {
        std::fprintf(stderr, "railpin_screenshots: the job window lacks a table, panel or choice it should have\n");
        return 1;
    }
    QTableView &sections = *sectionsTable;
    QComboBox &measured = *measuredChoice;
    sections.setFocus();

    const auto picture = [&](QWidget &widget, const QString &name) {
        settle();
        warnOfCutColumns(sections, name);
        warnOfCutColumns(*marksTable, name);
        return save(widget, out.filePath(name));
    };
    // The section's name cell, as a user clicks it.
    const auto select = [&](int row) { sections.setCurrentIndex(sections.model()->index(row, 0)); };
    select(0);
    bool saved = picture(window, QStringLiteral("job-window.png"));
    select(sections.model()->rowCount() - 1);
    saved = picture(window, QStringLiteral("job-window-stair.png")) && saved;
    measured.setCurrentIndex(measured.findData(int(MarksModel::Measured::Level)));
    emit measured.activated(measured.currentIndex());
    saved = picture(*marksPanel, QStringLiteral("job-marks-level.png")) && saved;

    // The deck of three runs, before the treads' columns are shown.
    window.showJob(runsJob());
    select(2);
    saved = picture(window, QStringLiteral("job-window-runs.png")) && saved;

    // A stair by its treads: the columns of its treads and rail height
    // shown, its nosing and rail depth left to the header's menu.
    window.showJob(treadsJob());
    for (const auto &[column, shown] :
         {std::pair{"actShowColumn13", true}, std::pair{"actShowColumn16", false}, std::pair{"actShowColumn18", false}})
        if (auto *show = window.findChild<QAction *>(QString::fromLatin1(column)))
            show->setChecked(shown);
    select(0);
    saved = picture(window, QStringLiteral("job-window-treads.png")) && saved;

    return saved ? 0 : 1;
}
