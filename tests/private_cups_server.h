// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

// A CUPS server of the test's own: cupsd runs as a child of the test with its
// configuration, spool, logs and socket in a temporary folder, and this
// process's CUPS clients, Qt's print support among them, are pointed at it.
//
// The cups-pdf backend reads its settings from the fixed path
// /etc/cups/cups-pdf.conf. cupsd therefore runs in a mount namespace of its
// own in which a private cups-pdf.conf is bound over that file, so that the
// PDFs land in the temporary folder; nothing outside the folder changes.
class PrivateCupsServer
{
public:
    PrivateCupsServer()
    {
        for (const char *sub : {"etc", "spool", "cache", "state", "log", "pdf", "pdf-spool", "client", "home"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
    }
    ~PrivateCupsServer() { stop(); }
    PrivateCupsServer(const PrivateCupsServer &) = delete;
    PrivateCupsServer &operator=(const PrivateCupsServer &) = delete;

    // Starts cupsd and points this process at it; false, with the reason in
    // log(), when it does not answer within 20 seconds. Call it before the
    // first printer look-up: the CUPS client keeps the server it first used.
    bool start()
    {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        const QString cupsdPath = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"),
            {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin")});
        if (!dir.isValid() || unshare.isEmpty() || cupsdPath.isEmpty()) {
            problem = QStringLiteral("no temporary folder, unshare or cupsd");
            return false;
        }
        // The filters run as the user lp and must reach the spool inside.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        writeFile(QStringLiteral("etc/cups-files.conf"), QStringLiteral("ServerRoot %1/etc\n"
                                                                        "RequestRoot %1/spool\n"
                                                                        "CacheDir %1/cache\n"
                                                                        "StateDir %1/state\n"
                                                                        "ErrorLog %1/log/error_log\n"
                                                                        "AccessLog %1/log/access_log\n"
                                                                        "PageLog %1/log/page_log\n"
                                                                        "User lp\n"
                                                                        "Group lp\n"
                                                                        "SystemGroup root\n")
                                                             .arg(dir.path()));
        writeFile(QStringLiteral("etc/cupsd.conf"), QStringLiteral("LogLevel debug\n"
                                                                   "Listen %1\n"
                                                                   "Browsing Off\n"
                                                                   "WebInterface No\n"
                                                                   "DefaultAuthType None\n"
                                                                   "ErrorPolicy abort-job\n"
                                                                   "<Location />\n  Order allow,deny\n  Allow all\n"
                                                                   "</Location>\n"
                                                                   "<Policy default>\n  <Limit All>\n"
                                                                   "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                                        .arg(socketPath()));
        writeFile(QStringLiteral("cups-pdf.conf"), QStringLiteral("Out %1/pdf\n"
                                                                  "AnonDirName %1/pdf\n"
                                                                  "Spool %1/pdf-spool\n"
                                                                  "Log %1/log\n"
                                                                  "LogType 7\n"
                                                                  "Grp root\n"
                                                                  "UserUMask 0022\n")
                                                       .arg(dir.path()));

        cupsd.setProcessChannelMode(QProcess::MergedChannels);
        // cupsd ends with the test even when the test is killed.
        cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        cupsd.start(unshare, {QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
                              QStringLiteral("--"), QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                              QStringLiteral("mount --bind \"$1\" /etc/cups/cups-pdf.conf && "
                                             "exec \"$2\" -f -c \"$3\" -s \"$4\""),
                              QStringLiteral("sh"), path(QStringLiteral("cups-pdf.conf")), cupsdPath,
                              path(QStringLiteral("etc/cupsd.conf")), path(QStringLiteral("etc/cups-files.conf"))});
        if (!cupsd.waitForStarted(10000)) {
            problem = QStringLiteral("unshare did not start: ") + cupsd.errorString();
            return false;
        }

        // This process's CUPS clients see this server only, with no user or
        // system defaults of the machine's own.
        qputenv("CUPS_SERVER", socketPath().toLocal8Bit());
        qputenv("CUPS_SERVERROOT", path(QStringLiteral("client")).toLocal8Bit());
        qputenv("HOME", path(QStringLiteral("home")).toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");

        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (cupsd.state() == QProcess::NotRunning) {
                problem = QStringLiteral("cupsd ended at start");
                return false;
            }
            QString answer;
            if (QFileInfo::exists(socketPath()) && run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &answer) &&
                answer.contains(QLatin1String("scheduler is running")))
                return true;
            QTest::qWait(100);
        }
        problem = QStringLiteral("cupsd did not answer within 20 s");
        return false;
    }

    // Adds a cups-pdf queue set up as Debian sets up its own PDF queue, and
    // makes it the server's default printer.
    bool addPdfQueue(const QString &name)
    {
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        if (!QFileInfo::exists(ppd)) {
            problem = ppd + QStringLiteral(" is missing: is printer-driver-cups-pdf installed?");
            return false;
        }
        return run(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), ppd, QStringLiteral("-o"),
                    QStringLiteral("pdftops-renderer-default=pdftocairo"), QStringLiteral("-o"),
                    QStringLiteral("printer-is-shared=false"), QStringLiteral("-o"),
                    QStringLiteral("PageSize=Letter")}) &&
               run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
    }

    // Waits, handling events, until every job has completed and cups-pdf has
    // written a PDF that no earlier call returned; empty when none comes in time.
    QString waitForNewPdf(int milliseconds)
    {
        const QDeadlineTimer deadline(milliseconds);
        do {
            QString pendingJobs;
            if (run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &pendingJobs) &&
                pendingJobs.trimmed().isEmpty()) {
                const QFileInfoList pdfs =
                    QDir(path(QStringLiteral("pdf"))).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
                for (const QFileInfo &pdf : pdfs) {
                    if (!returned.contains(pdf.fileName())) {
                        returned.insert(pdf.fileName());
                        return pdf.absoluteFilePath();
                    }
                }
            }
            QTest::qWait(100);
        } while (!deadline.hasExpired());
        return {};
    }

    void stop()
    {
        if (cupsd.state() == QProcess::NotRunning)
            return;
        cupsd.terminate();
        if (!cupsd.waitForFinished(10000)) {
            cupsd.kill();
            cupsd.waitForFinished(5000);
        }
    }

    QString socketPath() const { return path(QStringLiteral("cups.sock")); }

    // What went wrong, with cupsd's output and the ends of its logs.
    QString log()
    {
        QString text = problem + QStringLiteral("\n--- cupsd output\n") + QString::fromLocal8Bit(cupsd.readAll());
        const QStringList logs = QDir(path(QStringLiteral("log"))).entryList(QDir::Files);
        for (const QString &name : logs) {
            QFile file(path(QStringLiteral("log/") + name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n');
            text +=
                QStringLiteral("\n--- %1 (last lines)\n").arg(name) + lines.mid(qMax(0, lines.size() - 60)).join(u'\n');
        }
        return text;
    }

private:
    QString path(const QString &relative) const { return dir.filePath(relative); }

    void writeFile(const QString &relative, const QString &content) const
    {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content.toLocal8Bit());
    }

    // Runs a CUPS command-line client against this server, at most 20 s.
    bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        const bool finished = process.waitForStarted(5000) && process.waitForFinished(20000);
        const QString said = QString::fromLocal8Bit(process.readAll());
        if (output != nullptr)
            *output = said;
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            if (!finished)
                process.kill();
            problem = QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(u' '), said);
            return false;
        }
        return true;
    }

    QTemporaryDir dir;
    QProcess cupsd;
    QString problem;
    QSet<QString> returned;
};
