// SPDX-License-Identifier: LicenseRef-proprietary
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Every output of the command line for a fixed set of jobs, byte for byte as
// it was when the files under tests/data/outputs/expected were written: how
// the program makes its marks, lists and sheets may change to make them
// faster, what it writes may not. A PDF is compared without the date it was
// made. The drawings are kept the same way by tst_drawing_files.
namespace {

const QString kJobs = QStringLiteral(RAILPIN_SOURCE_DIR "/tests/data/outputs");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF's bytes less the moment it was made, the one thing that differs from
// one run to the next.
QByteArray withoutDates(const QByteArray &pdf)
{
    static const QRegularExpression date(QStringLiteral(R"(/(CreationDate|ModDate) \(D:[^)]*\))"));
    return QString::fromLatin1(pdf).remove(date).toLatin1();
}

}  // namespace

class TestOutputBytes : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsBefore_data()
    {
        QTest::addColumn<QString>("job");
        // FILE stands for the file the output is written to; without it the
        // output is what the program prints.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");  // LANG of the run
        QTest::addColumn<QString>("expected");

        const QString c = QStringLiteral("C");
        const QString spanish = QStringLiteral("es_ES.UTF-8");
        const auto row = [](const char *name, const char *job, const QStringList &arguments, const QString &language) {
            QTest::newRow(name) << QString::fromLatin1(job) << arguments << language << QString::fromLatin1(name);
        };
        row("deck-marks.txt", "deck", {"--marks"}, c);
        row("deck-decimals.txt", "deck", {"--marks", "--decimals"}, c);
        row("deck-marks.csv", "deck", {"--marks", "--csv"}, c);
        row("deck-marks-comma.csv", "deck", {"--marks", "--csv", "--csv-decimal", "comma"}, c);
        row("deck-order.txt", "deck", {"--order"}, c);
        row("deck-order.csv", "deck", {"--order", "--csv"}, c);
        row("deck-sheet.pdf", "deck", {"--pdf", "FILE"}, c);
        row("deck-sheet-letter.pdf", "deck", {"--pdf", "FILE", "--paper", "letter"}, c);
        row("deck-sheet-es.pdf", "deck", {"--pdf", "FILE"}, spanish);
        row("deck-template.pdf", "deck", {"--template", "FILE", "--section", "Gate", "--section", "Treads"}, c);
        row("metric-marks.txt", "metric", {"--marks"}, c);
        row("metric-marks.csv", "metric", {"--marks", "--csv"}, c);
        row("metric-order.txt", "metric", {"--order"}, c);
        row("metric-sheet.pdf", "metric", {"--pdf", "FILE"}, c);
        row("metric-template.pdf", "metric", {"--template", "FILE"}, c);
        row("one-section-marks.txt", nullptr, {"--marks", "--length", "36", "--width", "1 3/8", "--max-gap", "4"}, c);
        row("one-section-sheet.pdf", nullptr,
            {"--pdf", "FILE", "--length", "9503.5", "--width", "1.5", "--max-gap", "4", "--count", "200"}, c);
    }
    void sameBytesAsBefore()
    {
        QFETCH(QString, job);
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QString, expected);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString written = folder.filePath(expected);
        arguments.replaceInStrings(QStringLiteral("FILE"), written);
        if (!job.isEmpty())
            arguments.prepend(QDir(kJobs).filePath(job + QStringLiteral(".railpin")));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LANG"), language);
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_NUMERIC"));
        environment.remove(QStringLiteral("LANGUAGE"));
        // Qt's hashes order a few of a PDF's objects; a fixed seed keeps them in one order.
        environment.insert(QStringLiteral("QT_HASH_SEED"), QStringLiteral("0"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RAILPIN_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(120000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());

        const bool toFile = arguments.contains(written);
        QByteArray bytes = toFile ? contents(written) : program.readAllStandardOutput();
        QByteArray before = contents(QDir(kJobs).filePath(QStringLiteral("expected/") + expected));
        if (expected.endsWith(QLatin1String(".pdf"))) {
            bytes = withoutDates(bytes);
            before = withoutDates(before);
        }
        if (bytes.isEmpty() || bytes != before) {
            // Left where the test ran, to be compared with the expected file.
            QFile actual(QStringLiteral("actual-") + expected);
            QVERIFY(actual.open(QIODevice::WriteOnly) && actual.write(bytes) == bytes.size());
            QFAIL(qPrintable(actual.fileName() + QStringLiteral(" differs from ") + expected));
        }
    }
};

QTEST_GUILESS_MAIN(TestOutputBytes)
#include "tst_output_bytes.moc"
