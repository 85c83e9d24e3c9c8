// SPDX-License-Identifier: LicenseRef-proprietary
// The program as a process: which libraries each output loads (the dynamic
// loader's own account, LD_DEBUG=libs), and what happens when the modules it
// loads for the windows and the sheets are missing or broken.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kSection{"--length", "36", "--width", "1 3/8", "--max-gap", "4"};
const QString kCore = QStringLiteral("libQt6Core.so");
const QString kGui = QStringLiteral("libQt6Gui.so");
const QString kWidgets = QStringLiteral("libQt6Widgets.so");
const QString kPrintSupport = QStringLiteral("libQt6PrintSupport.so");
const QString kCups = QStringLiteral("libcups.so");

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
    QStringList loaded;  // every library the loader initialised
};

// Runs `program` in `folder` ("OUT" in an argument names a file there) with
// no display; the windows run offscreen and quit after their first frame.
Run runProgram(const QString &program, QStringList arguments, const QTemporaryDir &folder)
{
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("OUT"), folder.filePath(QStringLiteral("out")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("RAILPIN_BENCH_FIRST_FRAME"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    // Without a login session's runtime folder the windows' Qt would warn.
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    const QString trace = folder.filePath(QStringLiteral("loader"));
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    environment.insert(QStringLiteral("LD_DEBUG_OUTPUT"), trace);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    // One file per process: LD_DEBUG_OUTPUT gets the process id appended.
    static const QRegularExpression initialised(QStringLiteral("calling init: (\\S+)"));
    const QDir traces(folder.path());
    for (const QString &name : traces.entryList({QStringLiteral("loader.*")}, QDir::Files)) {
        QFile file(traces.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromLocal8Bit(file.readAll());
        for (const QRegularExpressionMatch &match : initialised.globalMatch(text))
            run.loaded << QFileInfo(match.captured(1)).fileName();
        file.remove();
    }
    return run;
}

bool loads(const QStringList &loaded, const QString &library)
{
    return std::any_of(loaded.begin(), loaded.end(),
                       [&library](const QString &name) { return name.startsWith(library); });
}

bool copyExecutable(const QString &from, const QString &to)
{
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

class TestProgramModules : public QObject
{
    Q_OBJECT

private slots:
    // Each output loads what it draws with and no more; the windows, which
    // load them all, show that the loader's account is read.
    void librariesLoaded_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("mustLoad");
        QTest::addColumn<QStringList>("mustNotLoad");
        const QStringList coreOnly{kGui, kWidgets, kPrintSupport, kCups};
        const QStringList noWidgets{kWidgets, kPrintSupport, kCups};
        QTest::newRow("marks") << QStringList{"--marks"} + kSection << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("marks as decimals")
            << QStringList{"--marks", "--decimals"} + kSection << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("csv") << QStringList{"--marks", "--csv"} + kSection << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("order") << QStringList{"--order"} + kSection << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("svg") << QStringList{"--svg", "OUT"} + kSection << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("dxf") << QStringList{"--dxf", "OUT"} + kSection << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("help") << QStringList{"--help"} << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("help with a sheet named")
            << QStringList{"--help", "--pdf", "OUT"} << 0 << QStringList{kCore} << coreOnly;
        QTest::newRow("bad value") << QStringList{"--marks", "--length", "abc", "--width", "1", "--max-gap", "4"} << 2
                                   << QStringList{kCore} << coreOnly;
        // A sheet that cannot be made is refused before anything is painted.
        QTest::newRow("pdf, bad paper") << QStringList{"--pdf", "OUT", "--paper", "b5"} + kSection << 2
                                        << QStringList{kCore} << coreOnly;
        QTest::newRow("pdf, no job file")
            << QStringList{"--pdf", "OUT", "missing.railpin"} << 1 << QStringList{kCore} << coreOnly;
        QTest::newRow("template, unknown section")
            << QStringList{"--template", "OUT", "--section", "Back"} + kSection << 2 << QStringList{kCore} << coreOnly;
        QTest::newRow("pdf") << QStringList{"--pdf", "OUT"} + kSection << 0 << QStringList{kGui} << noWidgets;
        QTest::newRow("template") << QStringList{"--template", "OUT"} + kSection << 0 << QStringList{kGui} << noWidgets;
        QTest::newRow("window") << QStringList{} << 0 << QStringList{kGui, kWidgets, kPrintSupport} << QStringList{};
    }
    void librariesLoaded()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, mustLoad);
        QFETCH(QStringList, mustNotLoad);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const Run run = runProgram(QStringLiteral(RAILPIN_PROGRAM), arguments, folder);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QVERIFY2(!run.loaded.isEmpty(), "the loader reported nothing");
        for (const QString &library : mustLoad)
            QVERIFY2(loads(run.loaded, library),
                     qPrintable(library + QStringLiteral(" not loaded: ") + run.loaded.join(u' ')));
        for (const QString &library : mustNotLoad)
            QVERIFY2(!loads(run.loaded, library),
                     qPrintable(library + QStringLiteral(" loaded: ") + run.loaded.join(u' ')));
    }

    // The program copied as the package installs it, bin/railpin beside
    // lib/railpin/, with the modules there, missing or broken.
    void modulesBesideProgram_data()
    {
        QTest::addColumn<QString>("windowModule");  // "copy", "broken" or "" for none
        QTest::addColumn<QString>("printModule");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");  // what standard output holds
        QTest::addColumn<QString>("err");  // what standard error holds
        const QString window = QStringLiteral(RAILPIN_WINDOW_MODULE_NAME);
        const QString print = QStringLiteral(RAILPIN_PRINT_OUTPUTS_MODULE_NAME);
        QTest::newRow("installed: window") << "copy"
                                           << "copy" << QStringList{} << 0 << "first frame"
                                           << "";
        QTest::newRow("installed: pdf") << "copy"
                                        << "copy" << QStringList{"--pdf", "OUT"} + kSection << 0 << ""
                                        << "";
        QTest::newRow("no modules: marks")
            << ""
            << "" << QStringList{"--marks"} + kSection << 0 << "1\t3 15/16\t4 5/8\t5 5/16\t31 3/8\n"
            << "";
        QTest::newRow("no modules: window") << ""
                                            << "" << QStringList{} << 1 << "" << window + " is in neither ";
        QTest::newRow("no modules: pdf") << ""
                                         << "" << QStringList{"--pdf", "OUT"} + kSection << 1 << ""
                                         << print + " is in neither ";
        QTest::newRow("broken: window") << "broken"
                                        << "broken" << QStringList{} << 1 << ""
                                        << "cannot load ";
        QTest::newRow("broken: template") << "broken"
                                          << "broken" << QStringList{"--template", "OUT"} + kSection << 1 << ""
                                          << "cannot load ";
    }
    void modulesBesideProgram()
    {
        QFETCH(QString, windowModule);
        QFETCH(QString, printModule);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QDir root(folder.path());
        QVERIFY(root.mkpath(QStringLiteral("bin")));
        const QString moduleFolder =
            QDir::cleanPath(root.filePath(QStringLiteral("bin/" RAILPIN_INSTALLED_MODULE_DIR)));
        QVERIFY(root.mkpath(moduleFolder));
        const QString program = root.filePath(QStringLiteral("bin/railpin"));
        QVERIFY(copyExecutable(QStringLiteral(RAILPIN_PROGRAM), program));
        const QList<std::pair<QString, QString>> modules{{windowModule, QStringLiteral(RAILPIN_WINDOW_MODULE)},
                                                         {printModule, QStringLiteral(RAILPIN_PRINT_OUTPUTS_MODULE)}};
        for (const auto &[how, built] : modules) {
            const QString placed = QDir(moduleFolder).filePath(QFileInfo(built).fileName());
            if (how == u"copy") {
                QVERIFY(QFile::copy(built, placed));
            } else if (how == u"broken") {
                QFile file(placed);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QVERIFY(file.write("not a library\n") > 0);
            }
        }
        const Run run = runProgram(program, arguments, folder);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        if (err.isEmpty()) {
            QCOMPARE(run.err, QString());
        } else {
            // One line, naming the program and the module, and no core dump.
            QVERIFY2(run.err.startsWith(QStringLiteral("railpin: ")) && run.err.contains(err), qPrintable(run.err));
            QCOMPARE(run.err.count(u'\n'), 1);
        }
        // A sheet that is not painted leaves no file behind.
        if (exitCode != 0)
            QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("out"))));
        else if (arguments.contains(QStringLiteral("--pdf")))
            QVERIFY(QFile(folder.filePath(QStringLiteral("out"))).size() > 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramModules)
#include "tst_program_modules.moc"
