// SPDX-License-Identifier: LicenseRef-proprietary
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Each small concept that several folders use is written down in one header:
// a second copy anywhere in the product's folders fails here.
class TestVocabulary : public QObject
{
    Q_OBJECT

    // Product files, relative to the source folder, whose text matches.
    static QStringList filesMatching(const QRegularExpression &pattern)
    {
        QStringList found;
        const QString root = QStringLiteral(RAILPIN_SOURCE_DIR);
        // The build's one list of product folders.
        const QStringList folders = QStringLiteral(RAILPIN_PRODUCT_FOLDERS).split(u',');
        for (const QString &folder : folders) {
            QDirIterator files(root + u'/' + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                if (file.open(QIODevice::ReadOnly) && pattern.match(QString::fromUtf8(file.readAll())).hasMatch())
                    found.append(file.fileName().mid(root.size() + 1));
            }
        }
        return found;
    }

private slots:
    void definedOnce_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("header");
        QTest::newRow("increments") << R"(\b4,\s*8,\s*16,\s*32\b|"Thirty Second")"
                                    << "math/increments.h";
        QTest::newRow("millimetres per inch") << R"(\b25\.4\b)"
                                              << "math/units.h";
        QTest::newRow("problem colours") << R"(0xA0,\s*0x00,\s*0x00|0xFF,\s*0xE5,\s*0xE5)"
                                         << "job_window/problem_colours.h";
        QTest::newRow("decimal point lookup") << R"(QLocale\([^)]*\)\s*\.\s*decimalPoint\s*\()"
                                              << "math/number_text.h";
        QTest::newRow("busy pointer") << R"(setOverrideCursor\s*\(\s*(QCursor\()?Qt::WaitCursor)"
                                      << "gui_helpers/busy_pointer.h";
    }
    void definedOnce()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, header);
        const QRegularExpression expression(pattern);
        QVERIFY(expression.isValid());
        QCOMPARE(filesMatching(expression), QStringList{header});
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
