// SPDX-License-Identifier: LicenseRef-proprietary
#include "drawing_files.h"
#include "file_writer.h"
#include "job_file.h"
#include "job_layout.h"
#include "job_sheet.h"
#include "small_disk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A user of the links rule who is neither root nor anyone else here.
constexpr uint kUser = 1000;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Enough sections that the file is well over 16 KiB, the size a buffered
// writer keeps to itself.
layout::Job largeJob(int sections)
{
    layout::Job job;
    job.name = QStringLiteral("Long porch");
    for (int index = 0; index < sections; ++index) {
        layout::Section section;
        section.name = QStringLiteral("Section %1").arg(index + 1);
        section.length = QStringLiteral("36 1/2");
        job.sections.push_back(section);
    }
    return job;
}

// Writes the job file, its PDF, or its drawing in pieces as it is made, as
// Save, Export PDF and --dxf do.
QString writeOutput(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("job"))
        return layout::writeJobFile(largeJob(400), path);
    if (kind == QLatin1String("dxf")) {
        const layout::Job job = largeJob(60);
        const layout::JobLayout laid = layout::layOutForOutput(job);
        if (!laid.laidOut())
            return laid.refusal;
        file_writer::FileSink file(path);
        exports::writeDrawingDxf(job, laid.sections, [&file](QByteArrayView piece) { return file.append(piece); });
        return file.commit();
    }
    return sheets::writeJobPdf(largeJob(20), path, QPageSize(QPageSize::A4));
}

// How much a full write takes on the disk: its pages, and one to spare.
qint64 pagesFor(qint64 bytes)
{
    return (bytes + 4095) / 4096 * 4096 + 4096;
}

// Runs the program itself with these arguments; it must finish.
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QStringList &arguments)
{
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RAILPIN_PROGRAM), arguments);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

const QStringList kDeckOptions{"--length", "36", "--width", "1 3/8", "--max-gap", "4"};

struct stat statusOf(const QString &path)
{
    struct stat status
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

}  // namespace

class TestFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("freeBytes");  // -1: just enough for the new file
        QTest::addColumn<bool>("written");
        for (const char *name : {"job", "pdf", "dxf"}) {
            const QString kind = QString::fromLatin1(name);
            QTest::newRow(QByteArray(name) + ", disk full") << kind << qint64(0) << false;
            QTest::newRow(QByteArray(name) + ", 4 KiB free") << kind << qint64(4096) << false;
            QTest::newRow(QByteArray(name) + ", 16 KiB free") << kind << qint64(16384) << false;
            QTest::newRow(QByteArray(name) + ", just enough") << kind << qint64(-1) << true;
        }
        // The drawing goes in pieces of 64 KiB: two are written before the disk fills.
        QTest::newRow("dxf, full after two pieces") << QStringLiteral("dxf") << qint64(160 * 1024) << false;
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, freeBytes);
        QFETCH(bool, written);
        SmallDisk disk;
        if (!disk.mounted)
            QSKIP(qPrintable(
                QStringLiteral("cannot mount a small tmpfs to fill up (%1); run as root").arg(disk.problem)));

        // The size of the new file, measured on a roomy folder first.
        QTemporaryDir roomy;
        const QString measured = roomy.filePath(QStringLiteral("measured"));
        QCOMPARE(writeOutput(kind, measured), QString());
        const qint64 newSize = QFileInfo(measured).size();
        QVERIFY2(newSize > std::max<qint64>(16384, freeBytes) + 4096, qPrintable(QString::number(newSize)));

        const QString path = disk.filePath(QStringLiteral("out.") + kind);
        const QByteArray old = "the old file, which must survive\n";
        QCOMPARE(file_writer::writeFile(path, old), QString());
        QVERIFY(disk.leaveFree(freeBytes < 0 ? pagesFor(newSize) : freeBytes));

        const QString error = writeOutput(kind, path);
        const QStringList left = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(left, QStringList({QStringLiteral("filler"), QStringLiteral("out.") + kind}));
        if (written) {
            QCOMPARE(error, QString());
            if (kind != QLatin1String("pdf"))
                QCOMPARE(contents(path), contents(measured));
            else
                QVERIFY(contents(path).startsWith("%PDF-") && contents(path).trimmed().endsWith("%%EOF"));
        } else {
            QVERIFY2(error.contains(path) && error.contains(QStringLiteral("the disk is full")), qPrintable(error));
            QCOMPARE(contents(path), old);
        }
    }

    // A file written in pieces replaces the old one only when committed whole;
    // cancelled, dropped or refused, the old file stays and no temporary file
    // is left beside it.
    void sinkIsAllOrNothing_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("written");
        QTest::newRow("committed") << "commit" << true;
        QTest::newRow("cancelled") << "cancel" << false;
        QTest::newRow("dropped unfinished") << "drop" << false;
        QTest::newRow("target is a folder") << "folder" << false;
    }
    void sinkIsAllOrNothing()
    {
        QFETCH(QString, end);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("drawing.dxf"));
        const QByteArray old = "the old drawing\n";
        QCOMPARE(file_writer::writeFile(path, old), QString());
        const QString target = end == QLatin1String("folder") ? folder.path() : path;
        const QByteArray piece(100'000, 'x');
        QString error;
        {
            file_writer::FileSink sink(target);
            for (int count = 0; count < 5; ++count)
                QCOMPARE(sink.append(piece), end != QLatin1String("folder"));
            QCOMPARE(sink.failed(), end == QLatin1String("folder"));
            if (end == QLatin1String("commit") || end == QLatin1String("folder"))
                error = sink.commit();
            else if (end == QLatin1String("cancel"))
                sink.cancel();
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"drawing.dxf"});
        if (written) {
            QCOMPARE(error, QString());
            QCOMPARE(contents(path), piece.repeated(5));
        } else {
            QCOMPARE(contents(path), old);
        }
        if (end == QLatin1String("folder"))
            QVERIFY2(error.startsWith(QStringLiteral("cannot write \"%1\": it is a folder").arg(folder.path())),
                     qPrintable(error));
    }

    // A device, a FIFO or a folder at the target is never replaced by a file.
    void nonRegularTargetsAreRefused_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("cause");
        QTest::newRow("fifo") << int(S_IFIFO) << QStringLiteral("it is not a regular file");
        QTest::newRow("character device") << int(S_IFCHR) << QStringLiteral("it is not a regular file");
        QTest::newRow("folder") << int(S_IFDIR) << QStringLiteral("it is a folder");
    }

    void nonRegularTargetsAreRefused()
    {
        QFETCH(int, type);
        QFETCH(QString, cause);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("target"));
        const QByteArray encoded = QFile::encodeName(path);
        if (type == S_IFDIR)
            QVERIFY(QDir().mkdir(path));
        else if (::mknod(encoded.constData(), mode_t(type) | 0666, type == S_IFCHR ? makedev(1, 3) : 0) != 0)
            QSKIP("cannot make the node here (a device needs root)");

        const QString error = file_writer::writeFile(path, "bytes");
        QVERIFY2(error.startsWith(QStringLiteral("cannot write \"%1\": %2").arg(path, cause)), qPrintable(error));
        QCOMPARE(int(statusOf(path).st_mode & S_IFMT), type);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"target"});

        // The command line says so in one line and exits 1.
        const Run run = runProgram(QStringList{"--pdf", path} + kDeckOptions);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(cause.toUtf8()) && run.err.count('\n') == 1, run.err.constData());
        QCOMPARE(int(statusOf(path).st_mode & S_IFMT), type);
    }

    // A save over an existing file keeps who owns it and who may read it, as root too.
    void saveKeepsModeOwnerAndGroup_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("read-only") << 0444 << false;
        QTest::newRow("private") << 0600 << false;
        QTest::newRow("group writable, another owner") << 0664 << true;
        QTest::newRow("read-only, another owner") << 0440 << true;
    }

    void saveKeepsModeOwnerAndGroup()
    {
        QFETCH(int, mode);
        QFETCH(bool, otherOwner);
        if (otherOwner && ::geteuid() != 0)
            QSKIP("giving a file to another owner needs root");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.railpin"));
        const QByteArray encoded = QFile::encodeName(path);
        QCOMPARE(file_writer::writeFile(path, "old"), QString());
        if (otherOwner)
            QCOMPARE(::chown(encoded.constData(), 1234, 5678), 0);
        QCOMPARE(::chmod(encoded.constData(), mode_t(mode)), 0);
        const struct stat before = statusOf(path);

        const QString error = file_writer::writeFile(path, "new");
        if (::geteuid() != 0 && (mode & 0200) == 0) {
            QVERIFY2(error.endsWith(QStringLiteral("permission denied")), qPrintable(error));
            QCOMPARE(contents(path), QByteArray("old"));
            return;
        }
        QCOMPARE(error, QString());
        QCOMPARE(contents(path), QByteArray("new"));
        const struct stat after = statusOf(path);
        QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
    }

    // A folder that cannot be written and a missing folder name their cause.
    void causesAreNamed_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing folder") << "missing/out.pdf"
                                        << "the folder does not exist";
        QTest::newRow("a file as folder") << "plain/out.pdf"
                                          << "a part of the path is not a folder";
        QTest::newRow("empty name") << ""
                                    << "no file name was given";
    }

    void causesAreNamed()
    {
        QFETCH(QString, relativePath);
        QFETCH(QString, cause);
        QTemporaryDir folder;
        QCOMPARE(file_writer::writeFile(folder.filePath(QStringLiteral("plain")), "x"), QString());
        const QString path = relativePath.isEmpty() ? QString() : folder.filePath(relativePath);
        const QString error = file_writer::writeFile(path, "bytes");
        QVERIFY2(error.endsWith(cause), qPrintable(error));
        QVERIFY(!error.contains(QStringLiteral("Unknown error")));
    }

    // The kernel's rule for links in shared folders, applied whatever the
    // machine's setting.
    void mayFollowLink_data()
    {
        QTest::addColumn<uint>("folderMode");
        QTest::addColumn<uint>("folderOwner");
        QTest::addColumn<uint>("linkOwner");
        QTest::addColumn<bool>("follows");
        const uint user = kUser;
        const uint other = kUser + 1;
        QTest::newRow("shared folder, another user's link") << 01777u << 0u << other << false;
        QTest::newRow("shared folder, own link") << 01777u << 0u << user << true;
        QTest::newRow("shared folder, the folder owner's link") << 01777u << 0u << 0u << true;
        QTest::newRow("shared folder of another user, their link") << 01777u << other << other << true;
        QTest::newRow("sticky, not world-writable") << 01775u << 0u << other << true;
        QTest::newRow("world-writable, not sticky") << 0777u << 0u << other << true;
        QTest::newRow("private folder") << 0755u << user << other << true;
    }
    void mayFollowLink()
    {
        QFETCH(uint, folderMode);
        QFETCH(uint, folderOwner);
        QFETCH(uint, linkOwner);
        QFETCH(bool, follows);
        QCOMPARE(file_writer::mayFollowLink(linkOwner, S_IFDIR | folderMode, folderOwner, kUser), follows);
    }

    // Another user's link in a shared folder is not written through, as the
    // last part of the path or as a folder on it; the file it points at stays.
    void sharedFolderLinksAreRefused_data()
    {
        QTest::addColumn<QString>("target");  // in the shared folder
        QTest::addColumn<bool>("othersLink");
        QTest::addColumn<bool>("refused");
        QTest::newRow("another user's link") << "link.svg" << true << true;
        QTest::newRow("through another user's folder link") << "folder/victim.txt" << true << true;
        QTest::newRow("own link") << "link.svg" << false << false;
    }
    void sharedFolderLinksAreRefused()
    {
        QFETCH(QString, target);
        QFETCH(bool, othersLink);
        QFETCH(bool, refused);
        QTemporaryDir folder;
        const QString shared = folder.filePath(QStringLiteral("shared"));
        const QString victim = folder.filePath(QStringLiteral("victim.txt"));
        QVERIFY(QDir().mkdir(shared));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
        file.close();
        for (const auto &[link, pointsAt] :
             {std::pair{QStringLiteral("link.svg"), victim}, std::pair{QStringLiteral("folder"), folder.path()}}) {
            const QByteArray path = QFile::encodeName(shared + u'/' + link);
            QVERIFY(::symlink(QFile::encodeName(pointsAt).constData(), path.constData()) == 0);
            // Owned by someone else: only root may give a link away.
            if (othersLink && ::lchown(path.constData(), ::geteuid() + 1, gid_t(-1)) != 0)
                QSKIP("giving a link to another owner needs root");
        }

        const QString error = file_writer::writeFile(shared + u'/' + target, "new bytes");
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (refused) {
            QVERIFY2(error.contains(QStringLiteral("is a link owned by another user in a shared folder")),
                     qPrintable(error));
            QCOMPARE(file.readAll(), QByteArray("kept"));
        } else {
            QCOMPARE(error, QString());
            QCOMPARE(file.readAll(), QByteArray("new bytes"));
        }
    }

    // "-" sends the PDF to standard output, whole.
    void pdfToStandardOutput()
    {
        const Run run = runProgram(QStringList{"--pdf", "-"} + kDeckOptions);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("%PDF-"));
        QVERIFY(run.out.trimmed().endsWith("%%EOF"));
        QVERIFY(!QFile::exists(QStringLiteral("-")));
    }
};

QTEST_MAIN(TestFileWriter)
#include "tst_file_writer.moc"
