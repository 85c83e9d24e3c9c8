// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"
#include "elevation.h"
#include "marks_csv.h"
#include "output_names.h"
#include "section_layout.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using layout::NameOutput;

namespace {

// Names a job file received from someone else may hold.
const QList<std::pair<const char *, QString>> kHostileNames{
    {"plain", QStringLiteral("Front deck")},
    {"formula", QStringLiteral("=2+3")},
    {"link formula", QStringLiteral("=HYPERLINK(\"http://example.com\",\"click\")")},
    {"plus", QStringLiteral("+1")},
    {"minus", QStringLiteral("-2+3")},
    {"at", QStringLiteral("@SUM(1,2)")},
    {"apostrophe", QStringLiteral("'quoted")},
    {"tab first", QStringLiteral("\t=1+1")},
    {"carriage return first", QStringLiteral("\r=1+1")},
    {"line break inside", QStringLiteral("Front\nBack")},
    {"escape and bell", QStringLiteral("a\x1b[31mred\x07")},
    {"nul", QString(QChar(0)) + QStringLiteral("x")},
    {"C1 control", QStringLiteral("a") + QChar(0x9b) + QStringLiteral("31m")},
    {"right-to-left override", QStringLiteral("\u202eevil")},
    {"isolate", QStringLiteral("a\u2066b\u2069")},
    {"line separator", QStringLiteral("a\u2028b")},
    {"lone high surrogate", QStringLiteral("a") + QChar(0xd800) + QStringLiteral("b")},
    {"lone low surrogate", QStringLiteral("a") + QChar(0xdc00)},
    {"not a character", QStringLiteral("a") + QChar(0xfffe)},
    {"outside the basic plane", QStringLiteral("deck \U0001F3E0")},
    {"markup", QStringLiteral("<b>&amp;</b> \"x\"")},
};

layout::Job jobNamed(const QStringList &names)
{
    layout::Job job;
    job.name = QStringLiteral("Job");
    job.railpinWidth = QStringLiteral("1 3/8");
    job.maximumGap = QStringLiteral("4");
    for (const QString &name : names) {
        layout::Section section;
        section.name = name;
        section.length = QStringLiteral("11");
        job.sections.push_back(section);
    }
    return job;
}

std::vector<layout::SectionLayout> laidOut(const layout::Job &job)
{
    std::vector<layout::SectionLayout> layouts;
    for (const layout::Section &section : job.sections)
        layouts.push_back(layout::layOut(job, section));
    return layouts;
}

// Comma-separated values read as RFC 4180 says: quoted cells may hold commas,
// doubled quotes and line breaks.
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (quoted) {
            if (character == u'"' && index + 1 < text.size() && text.at(index + 1) == u'"')
                cell += text.at(++index);
            else if (character == u'"')
                quoted = false;
            else
                cell += character;
        } else if (character == u'"') {
            quoted = true;
        } else if (character == u',') {
            row << std::exchange(cell, {});
        } else if (character == u'\r' && index + 1 < text.size() && text.at(index + 1) == u'\n') {
            ++index;
            row << std::exchange(cell, {});
            rows << std::exchange(row, {});
        } else if (character == u'\n') {
            row << std::exchange(cell, {});
            rows << std::exchange(row, {});
        } else {
            cell += character;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        rows << (row << cell);
    return rows;
}

// The name as a spreadsheet shows it once read: the cleaning of a CSV cell,
// without the ' that marks it as text.
QString shownInSpreadsheet(const QString &name)
{
    const QString cell = layout::outputName(name, NameOutput::Csv);
    return cell.startsWith(u'\'') ? cell.mid(1) : cell;
}

}  // namespace

class TestOutputNames : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of character, kept or replaced by U+FFFD in each output.
    void characters_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("replacedIn");  // T terminal, P paper, C csv, X xml, D dxf
        QTest::newRow("letter") << QStringLiteral("e") << "";
        QTest::newRow("accented") << QStringLiteral("\u00e9") << "";
        QTest::newRow("tab") << QStringLiteral("\t") << "TPXD";
        QTest::newRow("line feed") << QStringLiteral("\n") << "TPXD";
        QTest::newRow("carriage return") << QStringLiteral("\r") << "TPXD";
        QTest::newRow("escape") << QStringLiteral("\x1b") << "TPCXD";
        QTest::newRow("nul") << QString(QChar(0)) << "TPCXD";
        QTest::newRow("delete") << QStringLiteral("\x7f") << "TPCXD";
        QTest::newRow("next line (C1)") << QString(QChar(0x85)) << "TPCXD";
        QTest::newRow("right-to-left override") << QStringLiteral("\u202e") << "TPCXD";
        QTest::newRow("first strong isolate") << QStringLiteral("\u2068") << "TPCXD";
        QTest::newRow("line separator") << QStringLiteral("\u2028") << "TPCXD";
        QTest::newRow("paragraph separator") << QStringLiteral("\u2029") << "TPCXD";
        QTest::newRow("lone high surrogate") << QString(QChar(0xd83c)) << "TPCXD";
        QTest::newRow("lone low surrogate") << QString(QChar(0xdfe0)) << "TPCXD";
        QTest::newRow("U+FFFE") << QString(QChar(0xfffe)) << "X";
        QTest::newRow("U+FFFF") << QString(QChar(0xffff)) << "X";
        QTest::newRow("surrogate pair") << QStringLiteral("\U0001F3E0") << "";
        QTest::newRow("right-to-left mark") << QStringLiteral("\u200f") << "";
    }
    void characters()
    {
        QFETCH(QString, character);
        QFETCH(QString, replacedIn);
        const QList<std::pair<QChar, NameOutput>> outputs{{u'T', NameOutput::Terminal},
                                                          {u'P', NameOutput::Paper},
                                                          {u'C', NameOutput::Csv},
                                                          {u'X', NameOutput::Xml},
                                                          {u'D', NameOutput::Dxf}};
        for (const auto &[letter, output] : outputs) {
            const QString expected =
                replacedIn.contains(letter) ? QStringLiteral("a\ufffdb") : QStringLiteral("a") + character + u'b';
            QCOMPARE(layout::outputName(QStringLiteral("a") + character + u'b', output), expected);
        }
    }

    // A name a spreadsheet would not show as it is gets the ' that makes it
    // text, in CSV only.
    void textMark_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");
        QTest::newRow("formula") << "=2+3"
                                 << "'=2+3";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("minus") << "-1"
                               << "'-1";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab first") << "\t=1"
                                   << "'\t=1";
        QTest::newRow("carriage return first") << "\r=1"
                                               << "'\r=1";
        QTest::newRow("apostrophe first") << "'a"
                                          << "''a";
        QTest::newRow("control before a formula") << "\x01=1"
                                                  << "\ufffd=1";
        QTest::newRow("formula sign inside") << "a=1"
                                             << "a=1";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("space first") << " =1"
                                     << " =1";
    }
    void textMark()
    {
        QFETCH(QString, name);
        QFETCH(QString, cell);
        QCOMPARE(layout::outputName(name, NameOutput::Csv), cell);
        QCOMPARE(layout::outputName(name, NameOutput::Terminal).startsWith(u'\''), name.startsWith(u'\''));
    }

    // Names × files: each file, read back by a reader of its own, holds the
    // name as that file's cleaning makes it and keeps its syntax.
    void namesInFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &[row, name] : kHostileNames)
            QTest::newRow(row) << name;
    }
    void namesInFiles()
    {
        QFETCH(QString, name);
        const layout::Job job = jobNamed({name, QStringLiteral("Side")});
        const std::vector<layout::SectionLayout> layouts = laidOut(job);
        QVERIFY(layouts.front().laidOut());
        const qint64 railpins = layouts[0].count + layouts[1].count;

        // CSV: a heading and one row of 12 cells per railpin, the name in the first.
        const QList<QStringList> rows = readCsv(QString::fromUtf8(exports::marksCsv(job, layouts)));
        QCOMPARE(rows.size(), railpins + 1);
        for (const QStringList &row : rows)
            QCOMPARE(row.size(), 12);
        QCOMPARE(rows.at(1).constFirst(), layout::outputName(name, NameOutput::Csv));
        QVERIFY(!layout::needsTextMark(rows.at(1).constFirst()) || rows.at(1).constFirst().startsWith(u'\''));

        // SVG: well-formed, the first label the name.
        const exports::Elevation drawing = exports::elevation(job, layouts);
        QXmlStreamReader svg(exports::drawingSvg(drawing, job.unit));
        QStringList texts;
        while (!svg.atEnd()) {
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text")
                texts << svg.readElementText();
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(texts.size(), railpins + 2);
        QCOMPARE(texts.constFirst(), layout::outputName(name, NameOutput::Xml));

        // DXF: pairs of lines, each group code a number, the name one value
        // in printable ASCII.
        const QList<QByteArray> lines = exports::drawingDxf(drawing, job.unit).split('\n');
        QCOMPARE(lines.last(), QByteArray());
        QCOMPARE((lines.size() - 1) % 2, 0);
        QList<QByteArray> labels;
        QByteArray entity;
        for (qsizetype index = 0; index + 1 < lines.size(); index += 2) {
            bool number = false;
            const int code = lines[index].trimmed().toInt(&number);
            QVERIFY2(number, lines[index].constData());
            QVERIFY(lines[index + 1].endsWith('\r'));
            const QByteArray value = lines[index + 1].chopped(1);
            if (code == 0)
                entity = value;
            else if (code == 1 && entity == "TEXT")
                labels << value;
        }
        QCOMPARE(labels.size(), railpins + 2);
        for (const char byte : labels.constFirst())
            QVERIFY2(byte >= 0x20 && byte < 0x7f, labels.constFirst().constData());
    }

    // Names × a real spreadsheet reader: every name is shown as text, and no
    // formula is evaluated.
    void spreadsheetShowsNamesAsText()
    {
        const QString converter = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
        if (converter.isEmpty())
            QSKIP("ssconvert (gnumeric) is not installed");
        QStringList names;
        for (const auto &[row, name] : kHostileNames)
            names << name;
        const layout::Job job = jobNamed(names);
        const std::vector<layout::SectionLayout> layouts = laidOut(job);
        QTemporaryDir folder;
        const QString written = folder.filePath(QStringLiteral("marks.csv"));
        const QString readBack = folder.filePath(QStringLiteral("read.csv"));
        QFile file(written);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(exports::marksCsv(job, layouts));
        file.close();

        QProcess reader;
        reader.start(converter, {written, readBack});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(reader.exitCode(), 0);
        QFile read(readBack);
        QVERIFY(read.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = readCsv(QString::fromUtf8(read.readAll()));
        QCOMPARE(rows.size(), qsizetype(1 + 2 * names.size()));  // 11 in long: two railpins each
        for (qsizetype index = 0; index < names.size(); ++index) {
            const QString shown = rows.at(1 + 2 * index).constFirst();
            QCOMPARE(shown, shownInSpreadsheet(names[index]));
        }
        // What the formulas would have made.
        for (const QStringList &row : rows)
            QVERIFY(row.constFirst() != QLatin1String("5") && row.constFirst() != QLatin1String("click"));
    }
};

QTEST_GUILESS_MAIN(TestOutputNames)
#include "tst_output_names.moc"
