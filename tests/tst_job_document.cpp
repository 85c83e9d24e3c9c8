// SPDX-License-Identifier: LicenseRef-proprietary
#include "file_writer.h"
#include "job_document.h"
#include "job_exports.h"
#include "job_file.h"
#include "job_limits.h"
#include "sample_job.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <sys/stat.h>

#include <map>
#include <utility>

Q_DECLARE_METATYPE(layout::Job)
Q_DECLARE_METATYPE(JobDocument::UnitChange)
Q_DECLARE_METATYPE(JobDocument::FileChange)

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Near the work budget: 19 sections of 10,000 railpins, a short stair and a
// long section that needs too many railpins to be laid out.
layout::Job nearTheBudget()
{
    layout::Job job = sampleJob();
    job.sections.front().length = QStringLiteral("120000");
    layout::Section full;
    full.name = QStringLiteral("Long");
    full.length = QStringLiteral("120000");
    full.count = 10000;
    job.sections.insert(job.sections.end(), 19, full);
    return job;
}

layout::Job thousandSections()
{
    layout::Job job = sampleJob();
    job.sections.resize(size_t(layout::kMaximumSections), job.sections.front());
    return job;
}

layout::Job withCount(layout::Job job, int row, std::optional<qint64> count)
{
    job.sections[size_t(row)].count = count;
    return job;
}

// The x of every outline's corners in an SVG or DXF drawing, by layer.
std::map<QString, std::vector<double>> outlineXs(const QByteArray &drawing)
{
    std::map<QString, std::vector<double>> found;
    if (drawing.startsWith("<?xml")) {
        QXmlStreamReader svg(drawing);
        QString layer;
        while (svg.readNextStartElement() || !svg.atEnd()) {
            if (!svg.isStartElement())
                continue;
            if (svg.name() == QLatin1String("g"))
                layer = svg.attributes().value(QStringLiteral("id")).toString();
            if (svg.name() == QLatin1String("rect")) {
                const double x = svg.attributes().value(QStringLiteral("x")).toDouble();
                found[layer].push_back(x);
                found[layer].push_back(x + svg.attributes().value(QStringLiteral("width")).toDouble());
            }
        }
        return found;
    }
    // DXF: pairs of a group code and a value; a vertex's layer (8), then its x (10).
    const QList<QByteArray> lines = drawing.split('\n');
    QString layer;
    bool vertex = false;
    for (qsizetype index = 0; index + 1 < lines.size(); index += 2) {
        const int code = lines[index].trimmed().toInt();
        const QString value = QString::fromLatin1(lines[index + 1].trimmed());
        if (code == 0)
            vertex = value == QLatin1String("VERTEX");
        else if (code == 8)
            layer = value;
        else if (code == 10 && vertex)
            found[layer].push_back(value.toDouble());
    }
    return found;
}

// The records of a CSV text as a spreadsheet reads them: a carriage return,
// a line feed or both end a record unless they are quoted.
QList<QStringList> csvRecords(const QString &text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar c = text[index];
        const QChar next = index + 1 < text.size() ? text[index + 1] : QChar();
        if (quoted && c == u'"' && next == u'"') {
            field += c;
            ++index;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            fields << std::exchange(field, QString());
        } else if (!quoted && (c == u'\r' || c == u'\n')) {
            if (c == u'\r' && next == u'\n')
                ++index;
            fields << std::exchange(field, QString());
            records << std::exchange(fields, QStringList());
        } else {
            field += c;
        }
    }
    return records;
}

}  // namespace

// The open job without a window: its file, its undo stack and its limits.
class TestJobDocument : public QObject
{
    Q_OBJECT

private slots:
    // The document needs Qt Gui's application and nothing of the widgets'.
    void initTestCase()
    {
        QVERIFY(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr);
        QVERIFY(!QCoreApplication::instance()->inherits("QApplication"));
    }

    void saveAndReopen()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("porch.railpin"));
        JobDocument document;
        document.showJob(sampleJob());
        QCOMPARE(document.changeSection(0, withCount(sampleJob(), 0, 7).sections[0], QStringLiteral("Edit")),
                 QString());
        QVERIFY(document.isModified());
        QCOMPARE(document.saveTo(path), QString());
        QVERIFY(!document.isModified());
        QCOMPARE(document.filePath(), QFileInfo(path).absoluteFilePath());

        JobDocument reopened;
        const JobDocument::Opened opened = reopened.open(path);
        QVERIFY2(opened.opened, qPrintable(opened.error));
        QVERIFY(reopened.job() == document.job());
        QVERIFY(!reopened.isModified());
        QVERIFY(!reopened.undoStack().canUndo());
        QCOMPARE(reopened.sectionLayout(0).count, 7);
        // A file that cannot be read leaves the document as it was.
        const JobDocument::Opened missing = reopened.open(folder.filePath(QStringLiteral("none.railpin")));
        QVERIFY(!missing.opened);
        QVERIFY(!missing.error.isEmpty());
        QCOMPARE(reopened.filePath(), QFileInfo(path).absoluteFilePath());
        QVERIFY(reopened.job() == document.job());
    }

    // The folder of the saved file is gone and a file stands in its place.
    void failedSaveLosesNothing()
    {
        const QTemporaryDir folder;
        const QString site = folder.filePath(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(site));
        const QString path = site + QStringLiteral("/porch.railpin");
        JobDocument document;
        document.showJob(sampleJob());
        QCOMPARE(document.saveTo(path), QString());
        const QByteArray saved = contents(path);
        QVERIFY(QDir().rename(site, folder.filePath(QStringLiteral("moved"))));
        QFile blocker(site);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        layout::Section longer = sampleJob().sections[0];
        longer.length = QStringLiteral("40");
        QCOMPARE(document.changeSection(0, longer, QStringLiteral("Edit")), QString());
        QVERIFY(!document.saveTo(path).isEmpty());
        QVERIFY(document.isModified());
        QCOMPARE(document.filePath(), path);
        QCOMPARE(document.job().sections[0].length, QStringLiteral("40"));
        QCOMPARE(contents(folder.filePath(QStringLiteral("moved/porch.railpin"))), saved);
        QCOMPARE(contents(site), QByteArray());
    }

    // What another program does to the open job's file, as the document
    // sees it: only other bytes count, however they came (a copy keeping the
    // old time too); a save here is no change, and a removed file holds
    // nothing a save could lose.
    void changedOnDisk_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<JobDocument::FileChange>("seen");
        QTest::addColumn<bool>("saveAsks");
        using Change = JobDocument::FileChange;
        QTest::newRow("untouched") << "" << Change::None << false;
        QTest::newRow("touched: a new time, the same bytes") << "touch" << Change::None << false;
        QTest::newRow("saved again from here") << "save here" << Change::None << false;
        QTest::newRow("rewritten") << "rewrite" << Change::Changed << true;
        QTest::newRow("same size, old time kept") << "same size old time" << Change::Changed << true;
        QTest::newRow("replaced by a rename") << "rename over" << Change::Changed << true;
        QTest::newRow("replaced by a FIFO") << "fifo" << Change::Changed << true;
        QTest::newRow("removed") << "remove" << Change::Removed << false;
    }
    void changedOnDisk()
    {
        QFETCH(QString, change);
        QFETCH(JobDocument::FileChange, seen);
        QFETCH(bool, saveAsks);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("porch.railpin"));
        QVERIFY(layout::writeJobFile(sampleJob(), path).isEmpty());
        const QByteArray original = contents(path);
        JobDocument document;
        QVERIFY(document.open(path).opened);
        const QDateTime readAt = QFileInfo(path).lastModified();
        QCOMPARE(document.fileChange(), JobDocument::FileChange::None);

        const auto write = [](const QString &file, const QByteArray &bytes) {
            QFile out(file);
            return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
        };
        QByteArray other = original;
        other.replace("Porch", "Patio");  // the same size, other bytes
        QVERIFY(other != original && other.size() == original.size());
        const QDateTime later = readAt.addSecs(5);
        if (change == QLatin1String("touch")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(later, QFileDevice::FileModificationTime));
        } else if (change == QLatin1String("save here")) {
            QCOMPARE(document.changeJob(withCount(sampleJob(), 0, 7), QStringLiteral("Edit")), QString());
            QCOMPARE(document.saveTo(path), QString());
        } else if (change == QLatin1String("rewrite")) {
            QVERIFY(write(path, original + "\n"));
        } else if (change == QLatin1String("same size old time")) {
            QVERIFY(write(path, other));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(readAt, QFileDevice::FileModificationTime));
        } else if (change == QLatin1String("rename over")) {
            const QString beside = folder.filePath(QStringLiteral("new.railpin"));
            QVERIFY(write(beside, other));
            QVERIFY(QFile::remove(path) && QFile::rename(beside, path));
        } else if (change == QLatin1String("fifo")) {
            QVERIFY(QFile::remove(path));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (change == QLatin1String("remove")) {
            QVERIFY(QFile::remove(path));
        }
        QCOMPARE(document.fileChange(), seen);
        QCOMPARE(document.saveWouldReplaceChange(path), saveAsks);
        // Only the document's own file is guarded: Save As elsewhere asks nothing.
        QVERIFY(!document.saveWouldReplaceChange(folder.filePath(QStringLiteral("elsewhere.railpin"))));
        // A watcher hears of each new state once.
        QCOMPARE(document.newFileChange(), seen);
        QCOMPARE(document.newFileChange(), JobDocument::FileChange::None);
        if (seen == JobDocument::FileChange::Changed && change != QLatin1String("fifo")) {
            // Once saved over (the user chose to), the file is the document's again.
            QCOMPARE(document.saveTo(path), QString());
            QCOMPARE(document.fileChange(), JobDocument::FileChange::None);
            QVERIFY(write(path, other + "\n"));
            QCOMPARE(document.newFileChange(), JobDocument::FileChange::Changed);
        }
    }

    // Each step is undone; the document is clean exactly where it was saved.
    void undoBackToClean_data()
    {
        QTest::addColumn<QString>("steps");  // s: save, u: undo, r: redo, +/-: extra stock, c: count, m: move
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("undoable");
        QTest::newRow("stock raised and lowered back") << "++--" << false << 0;
        QTest::newRow("stock raised twice: one command") << "++" << true << 1;
        QTest::newRow("count fixed, undone") << "cu" << false << 0;
        QTest::newRow("undone and redone") << "cur" << true << 1;
        QTest::newRow("saved, changed, undone") << "csmu" << false << 1;
        QTest::newRow("saved, then undone past it") << "csu" << true << 0;
        QTest::newRow("stock after a count: two commands") << "c+" << true << 2;
        QTest::newRow("moved and moved back") << "mm" << true << 2;
    }
    void undoBackToClean()
    {
        QFETCH(QString, steps);
        QFETCH(bool, modified);
        QFETCH(int, undoable);
        const QTemporaryDir folder;
        JobDocument document;
        document.showJob(sampleJob());
        constexpr int kStockMergeId = 1;
        for (const QChar step : steps) {
            layout::Job changed = document.job();
            if (step == u'+' || step == u'-') {
                changed.extraStockPercent += step == u'+' ? 5 : -5;
                QCOMPARE(document.changeJob(changed, QStringLiteral("Stock"), kStockMergeId), QString());
            } else if (step == u'c') {
                QCOMPARE(document.changeSection(0, withCount(changed, 0, 9).sections[0], QStringLiteral("Count")),
                         QString());
            } else if (step == u'm') {
                document.moveSection(0, 1, QStringLiteral("Move"));
            } else if (step == u's') {
                QCOMPARE(document.saveTo(folder.filePath(QStringLiteral("job.railpin"))), QString());
            } else if (step == u'u') {
                document.undoStack().undo();
            } else if (step == u'r') {
                document.undoStack().redo();
            }
        }
        QCOMPARE(document.isModified(), modified);
        QCOMPARE(document.undoStack().index(), undoable);
        // Everything undone gives back the job as it began.
        while (document.undoStack().canUndo())
            document.undoStack().undo();
        QVERIFY(document.job() == sampleJob());
    }

    // A job with only default lengths takes the new unit's defaults without a
    // question; one with lengths converts them or keeps the numbers.
    void unitChange_data()
    {
        QTest::addColumn<layout::Job>("start");
        QTest::addColumn<JobDocument::UnitChange>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("length");
        using Change = JobDocument::UnitChange;
        QTest::newRow("defaults") << layout::newJob() << Change::KeepNumbers << false << "35"
                                  << "";
        QTest::newRow("defaults, whatever the answer") << layout::newJob() << Change::Convert << false << "35"
                                                       << "";
        QTest::newRow("lengths converted") << sampleJob() << Change::Convert << true << "34.925"
                                           << "914.4";
        QTest::newRow("numbers kept") << sampleJob() << Change::KeepNumbers << true << "1 3/8"
                                      << "36";
        QTest::newRow("cancelled") << sampleJob() << Change::Cancel << true << "1 3/8"
                                   << "36";
    }
    void unitChange()
    {
        QFETCH(layout::Job, start);
        QFETCH(JobDocument::UnitChange, answer);
        QFETCH(bool, asks);
        QFETCH(QString, width);
        QFETCH(QString, length);
        JobDocument document;
        document.showJob(start);
        QCOMPARE(document.unitChangeAsks(layout::Unit::Millimetres), asks);
        QVERIFY(!document.unitChangeAsks(layout::Unit::Inches));
        document.changeUnit(layout::Unit::Millimetres, answer, QStringLiteral("Change Unit"));
        const bool cancelled = asks && answer == JobDocument::UnitChange::Cancel;
        QCOMPARE(document.job().unit, cancelled ? layout::Unit::Inches : layout::Unit::Millimetres);
        QCOMPARE(document.job().railpinWidth, width);
        QCOMPARE(document.job().sections.empty() ? QString() : document.job().sections[0].length, length);
        // One command, undone at once.
        QCOMPARE(document.undoStack().count(), cancelled ? 0 : 1);
        document.undoStack().undo();
        QVERIFY(document.job() == start);
        QVERIFY(!document.isModified());
    }

    void convertThereAndBack()
    {
        JobDocument document;
        document.showJob(sampleJob());
        const layout::ConversionReport there = document.convert(layout::Unit::Millimetres, QStringLiteral("mm"));
        QCOMPARE(there.rounded, 0);
        QCOMPARE(document.job().sections[0].length, QStringLiteral("914.4"));
        QCOMPARE(document.job().maximumGap, QStringLiteral("101.6"));
        QCOMPARE(document.sectionLayout(0).count, 6);
        document.convert(layout::Unit::Inches, QStringLiteral("in"));
        QVERIFY(document.job() == sampleJob());
        document.undoStack().undo();
        QCOMPARE(document.job().unit, layout::Unit::Millimetres);
        document.undoStack().undo();
        QVERIFY(!document.isModified());
    }

    // An edit that would make a job the file cannot hold or the work budget
    // cannot lay out is refused with the reason and leaves no command; a
    // count over what one section holds is taken and flagged by its layout.
    void editsBeyondTheLimits_data()
    {
        QTest::addColumn<layout::Job>("start");
        QTest::addColumn<QString>("count");  // set in row 0; empty: row 2 duplicated
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("reason");
        QTest::newRow("count over the work budget") << nearTheBudget() << "10000" << true << "200000";
        QTest::newRow("count over a section's railpins") << sampleJob() << "10001" << false << "10000";
        QTest::newRow("duplicate over the work budget") << nearTheBudget() << "" << true << "200000";
        QTest::newRow("a 1,001st section") << thousandSections() << "" << true << "1000 sections";
    }
    void editsBeyondTheLimits()
    {
        QFETCH(layout::Job, start);
        QFETCH(QString, count);
        QFETCH(bool, refused);
        QFETCH(QString, reason);
        JobDocument document;
        document.showJob(start);
        const QString problem = count.isEmpty()
                                    ? document.insertSection(3, start.sections[2], QStringLiteral("Duplicate"))
                                    : document.changeSection(0, withCount(start, 0, count.toLongLong()).sections[0],
                                                             QStringLiteral("Edit"));
        QCOMPARE(problem.isEmpty(), !refused);
        QCOMPARE(document.isModified(), !refused);
        QCOMPARE(document.sectionCount(), int(start.sections.size()));
        const QString message = refused ? problem : document.sectionLayout(0).problems.join(u' ');
        QVERIFY2(message.contains(reason), qPrintable(message));
    }

    // Only the sections with a fixed count take the automatic one, as one command.
    void automaticCount()
    {
        JobDocument document;
        document.showJob(withCount(withCount(sampleJob(), 0, 9), 1, 4));
        QCOMPARE(document.withFixedCount({1, -1, 0, 1, 5}), (std::vector<int>{0, 1}));
        document.automaticCount({1, 0}, QStringLiteral("Automatic Count"));
        QCOMPARE(document.undoStack().count(), 1);
        QVERIFY(document.job() == sampleJob());
        QVERIFY(document.withFixedCount({0, 1}).empty());
    }

    // An export is of every section or none, and writes where it is told.
    void exports_data()
    {
        QTest::addColumn<layout::Job>("job");
        QTest::addColumn<int>("failedSection");
        QTest::addColumn<bool>("noSections");
        QTest::addColumn<bool>("overBudget");
        layout::Job unreadable = sampleJob();
        unreadable.sections[1].length = QStringLiteral("6 0/");
        QTest::newRow("laid out") << sampleJob() << -1 << false << false;
        QTest::newRow("second section unreadable") << unreadable << 1 << false << false;
        layout::Job empty = sampleJob();
        empty.sections.clear();
        QTest::newRow("no sections") << empty << -1 << true << false;
        // 21 sections of 10,000 railpins: refused before any is laid out.
        layout::Job huge = sampleJob();
        huge.sections.assign(21, layout::Section{});
        for (layout::Section &section : huge.sections) {
            section.length = QStringLiteral("120000");
            section.count = 10000;
        }
        QTest::newRow("over the work budget") << huge << -1 << false << true;
    }
    void exports()
    {
        QFETCH(layout::Job, job);
        QFETCH(int, failedSection);
        QFETCH(bool, noSections);
        QFETCH(bool, overBudget);
        const job_exports::LaidOut laid = job_exports::laidOutSections(job);
        QCOMPARE(laid.failedSection, failedSection);
        QCOMPARE(laid.noSections, noSections);
        QCOMPARE(laid.overBudget, overBudget);
        QCOMPARE(laid.ok(), failedSection < 0 && !noSections && !overBudget);
        QCOMPARE(laid.problem.isEmpty(), failedSection < 0 && !overBudget);
        if (overBudget)
            QVERIFY2(laid.problem.contains(QStringLiteral("more than the 200000 one job may lay out")),
                     qPrintable(laid.problem));
        if (!laid.ok()) {
            QVERIFY(laid.layouts.empty());
            return;
        }
        QCOMPARE(laid.layouts.size(), job.sections.size());
        const QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("marks.csv"));
        QCOMPARE(job_exports::writeMarksCsv(job, laid.layouts, csv), QString());
        QVERIFY(contents(csv).contains("Deck"));
        // A folder where the file should go: refused, nothing written.
        QVERIFY(
            !job_exports::writeDrawing(job, laid.layouts, folder.path(), job_exports::DrawingFormat::Svg).isEmpty());
        const QString dxf = folder.filePath(QStringLiteral("elevation.dxf"));
        QCOMPARE(job_exports::writeDrawing(job, laid.layouts, dxf, job_exports::DrawingFormat::Dxf), QString());
        QVERIFY(contents(dxf).contains("SECTION"));
    }

    // An export stopped (the window's Cancel) while the drawing goes to its
    // file leaves the old file whole and no temporary file; one run to the end
    // writes the same bytes as the drawing made whole.
    void drawingStoppedKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("stop");
        for (const auto &[name, format] :
             {std::pair{"SVG", job_exports::DrawingFormat::Svg}, std::pair{"DXF", job_exports::DrawingFormat::Dxf}}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, stopped").arg(QLatin1String(name)))) << int(format) << true;
            QTest::newRow(qPrintable(QStringLiteral("%1, to the end").arg(QLatin1String(name))))
                << int(format) << false;
        }
    }
    void drawingStoppedKeepsTheOldFile()
    {
        QFETCH(int, format);
        QFETCH(bool, stop);
        layout::Job job = sampleJob();
        job.sections.resize(100, job.sections.front());
        const job_exports::LaidOut laid = job_exports::laidOutSections(job);
        QVERIFY(laid.ok());
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.drawing"));
        QCOMPARE(file_writer::writeFile(path, "old drawing"), QString());
        std::stop_source source;
        if (stop)
            source.request_stop();
        {
            file_writer::FileSink file(path);
            QCOMPARE(job_exports::streamDrawing(job, laid.layouts, job_exports::DrawingFormat(format), file,
                                                source.get_token()),
                     !stop);
            if (!stop)
                QCOMPARE(file.commit(), QString());
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"deck.drawing"});
        const QString whole = folder.filePath(QStringLiteral("whole.drawing"));
        QCOMPARE(job_exports::writeDrawing(job, laid.layouts, whole, job_exports::DrawingFormat(format)), QString());
        QCOMPARE(contents(path), stop ? QByteArray("old drawing") : contents(whole));
    }

    // A stair of 48 in along the rail is drawn 48 in long, whatever its
    // slope: the right post stands at 48 and every railpin between the posts.
    void drawingKeepsTheRightPost_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("file");
        QTest::newRow("SVG") << int(job_exports::DrawingFormat::Svg) << "stair.svg";
        QTest::newRow("DXF") << int(job_exports::DrawingFormat::Dxf) << "stair.dxf";
    }
    void drawingKeepsTheRightPost()
    {
        QFETCH(int, format);
        QFETCH(QString, file);
        layout::Job job = sampleJob();
        job.sections[1].length = QStringLiteral("48");
        job.sections.erase(job.sections.begin());
        const job_exports::LaidOut laid = job_exports::laidOutSections(job);
        QVERIFY(laid.ok());
        QVERIFY(laid.layouts[0].cosine < 0.9);
        const QTemporaryDir folder;
        const QString path = folder.filePath(file);
        QCOMPARE(job_exports::writeDrawing(job, laid.layouts, path, job_exports::DrawingFormat(format)), QString());
        const std::map<QString, std::vector<double>> xs = outlineXs(contents(path));
        QVERIFY(xs.count(QStringLiteral("posts")) == 1 && xs.count(QStringLiteral("railpins")) == 1);
        const std::vector<double> &posts = xs.at(QStringLiteral("posts"));
        const std::vector<double> &railpins = xs.at(QStringLiteral("railpins"));
        const auto at = [](const std::vector<double> &xs, double expected) {
            return std::any_of(xs.begin(), xs.end(), [expected](double x) { return std::abs(x - expected) < 1e-3; });
        };
        QVERIFY(at(posts, 0));
        QVERIFY(at(posts, 48));
        const double rightmost = *std::max_element(railpins.begin(), railpins.end());
        QVERIFY(std::abs(rightmost - laid.layouts[0].marks.back().rightEdge) < 1e-3);
        QVERIFY(rightmost < 48);
        QVERIFY(*std::min_element(railpins.begin(), railpins.end()) > 0);
    }

    // Between post centres the drawing's name line says what x is from; from
    // the post centres x is 0 at the left post's centre, the posts drawn at
    // their width, so that a railpin's x is its mark.
    void drawingNamesTheReference_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("fromCentres");
        QTest::addColumn<QString>("label");
        QTest::newRow("SVG, from faces") << int(job_exports::DrawingFormat::Svg) << "a.svg" << false
                                         << "marks from the left post face";
        QTest::newRow("SVG, from centres")
            << int(job_exports::DrawingFormat::Svg) << "a.svg" << true << "marks from the left post centre";
        QTest::newRow("DXF, from faces") << int(job_exports::DrawingFormat::Dxf) << "a.dxf" << false
                                         << "marks from the left post face";
        QTest::newRow("DXF, from centres")
            << int(job_exports::DrawingFormat::Dxf) << "a.dxf" << true << "marks from the left post centre";
    }
    void drawingNamesTheReference()
    {
        QFETCH(int, format);
        QFETCH(QString, file);
        QFETCH(bool, fromCentres);
        QFETCH(QString, label);
        layout::Job job = sampleJob();
        job.sections.resize(1);
        job.measuredBetween = layout::MeasuredBetween::Centres;
        job.postWidth = QStringLiteral("3 1/2");
        job.marksFrom = fromCentres ? layout::MarksFrom::Centres : layout::MarksFrom::Faces;
        const job_exports::LaidOut laid = job_exports::laidOutSections(job);
        QVERIFY(laid.ok());
        const QTemporaryDir folder;
        const QString path = folder.filePath(file);
        QCOMPARE(job_exports::writeDrawing(job, laid.layouts, path, job_exports::DrawingFormat(format)), QString());
        const QByteArray written = contents(path);
        QVERIFY2(written.contains(label.toUtf8()), written.constData());
        const std::map<QString, std::vector<double>> xs = outlineXs(written);
        const std::vector<double> &posts = xs.at(QStringLiteral("posts"));
        const std::vector<double> &railpins = xs.at(QStringLiteral("railpins"));
        const auto at = [](const std::vector<double> &xs, double expected) {
            return std::any_of(xs.begin(), xs.end(), [expected](double x) { return std::abs(x - expected) < 1e-3; });
        };
        const double shift = fromCentres ? 1.75 : 0;
        QVERIFY(at(posts, fromCentres ? -1.75 : 0));
        QVERIFY(at(railpins, laid.layouts[0].marks.front().leftEdge + shift));
        QVERIFY(at(railpins, laid.layouts[0].marks.back().rightEdge + shift));
    }

    // A section's name may hold any line break: the CSV still has one record
    // per railpin and way of measuring, each of twelve fields, and the name comes back whole.
    void csvRecordPerRailpin_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("carriage return") << "Deck\reast";
        QTest::newRow("line feed") << "Deck\neast";
        QTest::newRow("both, comma and quotes") << "Deck\r\n\"east\", rear";
        QTest::newRow("plain") << "Deck east";
    }
    void csvRecordPerRailpin()
    {
        QFETCH(QString, name);
        layout::Job job = sampleJob();
        job.sections[0].name = name;
        const job_exports::LaidOut laid = job_exports::laidOutSections(job);
        QVERIFY(laid.ok());
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("marks.csv"));
        QCOMPARE(job_exports::writeMarksCsv(job, laid.layouts, path), QString());
        const QList<QStringList> records = csvRecords(QString::fromUtf8(contents(path)));
        // The sample's stair gives its railpins twice: along the rail, then level.
        QCOMPARE(records.size(), qsizetype(1 + laid.layouts[0].marks.size() + 2 * laid.layouts[1].marks.size()));
        for (const QStringList &record : records)
            QCOMPARE(record.size(), 12);
        QCOMPARE(records[1][0], name);
        QCOMPARE(records[1][1], QStringLiteral("1"));
    }

    void drawingFormat_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("dxfChosen");
        QTest::addColumn<bool>("dxf");
        QTest::newRow("svg name, DXF chosen") << "a.svg" << true << false;
        QTest::newRow("DXF name in capitals, SVG chosen") << "a.DXF" << false << true;
        QTest::newRow("no suffix, DXF chosen") << "drawing" << true << true;
        QTest::newRow("no suffix, SVG chosen") << "drawing" << false << false;
    }
    void drawingFormat()
    {
        QFETCH(QString, target);
        QFETCH(bool, dxfChosen);
        QFETCH(bool, dxf);
        using Format = job_exports::DrawingFormat;
        QCOMPARE(job_exports::drawingFormat(target, dxfChosen ? Format::Dxf : Format::Svg) == Format::Dxf, dxf);
    }

    // A run's bays are derived anew at every change of the job and undone
    // with it; they stay ahead of the job's own sections, which cannot be
    // put among them, and go only with their run.
    void runsDeriveTheirBays()
    {
        layout::Job job = sampleJob();
        job.railpinWidth = QStringLiteral("1 1/2");
        job.maximumGap = QStringLiteral("4");
        JobDocument document;
        document.showJob(job);
        const int own = document.sectionCount();
        layout::Run front;
        front.name = QStringLiteral("Front");
        front.length = QStringLiteral("207");
        QVERIFY(document.insertRun(0, front, QStringLiteral("Add Run")).isEmpty());
        // The first run brings the usual spacing and post width of the unit.
        QCOMPARE(document.job().maxPostSpacing, std::optional<QString>(QStringLiteral("72")));
        QCOMPARE(document.job().postWidth, std::optional<QString>(QStringLiteral("3 1/2")));
        QCOMPARE(document.bayCount(), 3);
        QCOMPARE(document.sectionCount(), own + 3);
        QCOMPARE(document.job().sections[0].name, QStringLiteral("Front 1"));
        QCOMPARE(document.sectionLayout(0).count, 12);

        layout::Job wider = document.job();
        wider.maxPostSpacing = QStringLiteral("120");
        QVERIFY(document.changeJob(wider, QStringLiteral("Change Maximum Post Spacing")).isEmpty());
        QCOMPARE(document.bayCount(), 2);
        layout::Run longer = document.job().runs[0];
        longer.length = QStringLiteral("720");
        longer.start = layout::RunEnd::Wall;
        QVERIFY(document.changeRun(0, longer, QStringLiteral("Change Run Length")).isEmpty());
        QCOMPARE(document.bayCount(), 6);
        QCOMPARE(document.sectionCount(), own + 6);

        layout::Section added;
        added.name = QStringLiteral("Added");
        added.length = QStringLiteral("36");
        QVERIFY(document.insertSection(0, added, QStringLiteral("Add Section")).isEmpty());
        QCOMPARE(document.job().sections[6].name, QStringLiteral("Added"));
        const int commands = document.undoStack().count();
        document.removeSection(0, QStringLiteral("Remove Section"));
        document.moveSection(6, 0, QStringLiteral("Move Section Up"));
        QCOMPARE(document.undoStack().count(), commands);

        document.removeRun(0, QStringLiteral("Remove Run"));
        QCOMPARE(document.bayCount(), 0);
        QCOMPARE(document.sectionCount(), own + 1);
        while (document.undoStack().canUndo())
            document.undoStack().undo();
        QVERIFY(document.job().runs.empty());
        QCOMPARE(document.job(), job);
        QVERIFY(!document.isModified());
    }
};

QTEST_MAIN(TestJobDocument)
#include "tst_job_document.moc"
