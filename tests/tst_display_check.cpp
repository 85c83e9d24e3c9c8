// SPDX-License-Identifier: LicenseRef-proprietary
#include "display_check.h"

#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const kVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"};

QString noDisplayLine(const QString &reason)
{
    return QStringLiteral("railpin: no display found (%1). To write a layout sheet without a display, use: "
                          "railpin --pdf OUT.pdf --length L --width W --max-gap G")
        .arg(reason);
}

}  // namespace

// Before the windows open: a start without a reachable display gets one line
// and exit status 1 instead of Qt's abort.
class TestDisplayCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir runtimeDir;
    QLocalServer compositor;  // stands in for a Wayland compositor's socket
    QProcess xServer;
    QString xDisplay;

    // Replaces "$X" by the name of the test's own X server.
    QString resolve(QString text) const { return text.replace(QStringLiteral("$X"), xDisplay); }

private slots:
    void initTestCase()
    {
        QVERIFY(runtimeDir.isValid());
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
        QVERIFY(compositor.listen(runtimeDir.filePath(QStringLiteral("wayland-live"))));

        // An X server of the test's own, where Xvfb is installed.
        xServer.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                               QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (xServer.waitForStarted(5000) && xServer.waitForReadyRead(10000))
            xDisplay = u':' + QString::fromLatin1(xServer.readAllStandardOutput()).trimmed();
    }

    void cleanupTestCase()
    {
        xServer.terminate();
        xServer.waitForFinished(5000);
    }

    void init()
    {
        for (const char *variable : kVariables)
            qunsetenv(variable);
    }

    void decision_data()
    {
        QTest::addColumn<QStringList>("environment");  // NAME=value; the others are unset
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");  // empty: the windows may open
        const QStringList none;
        const QStringList railpin{QStringLiteral("railpin")};

        QTest::newRow("nothing set") << none << railpin << QStringLiteral("DISPLAY is not set");
        QTest::newRow("empty DISPLAY") << QStringList{QStringLiteral("DISPLAY=")} << railpin
                                       << QStringLiteral("DISPLAY is not set");
        QTest::newRow("no X server there") << QStringList{QStringLiteral("DISPLAY=:99999")} << railpin
                                           << QStringLiteral("the display :99999 does not answer");
        QTest::newRow("X server answers") << QStringList{QStringLiteral("DISPLAY=$X")} << railpin << QString();
        QTest::newRow("-display names a dead one")
            << QStringList{QStringLiteral("DISPLAY=$X")}
            << QStringList{QStringLiteral("railpin"), QStringLiteral("-display"), QStringLiteral(":99999")}
            << QStringLiteral("the display :99999 does not answer");
        QTest::newRow("offscreen platform")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=offscreen")} << railpin << QString();
        QTest::newRow("platform with options")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=offscreen:configfile=/nonexistent")} << railpin << QString();
        QTest::newRow("-platform offscreen")
            << none << QStringList{QStringLiteral("railpin"), QStringLiteral("-platform"), QStringLiteral("offscreen")}
            << QString();
        QTest::newRow("--platform minimal")
            << none << QStringList{QStringLiteral("railpin"), QStringLiteral("--platform"), QStringLiteral("minimal")}
            << QString();
        QTest::newRow("-platform xcb over offscreen")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=offscreen")}
            << QStringList{QStringLiteral("railpin"), QStringLiteral("-platform"), QStringLiteral("xcb")}
            << QStringLiteral("DISPLAY is not set");
        QTest::newRow("xcb, then offscreen")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb;offscreen")} << railpin << QString();
        QTest::newRow("Wayland session") << QStringList{QStringLiteral("XDG_SESSION_TYPE=wayland"),
                                                        QStringLiteral("WAYLAND_DISPLAY=wayland-live")}
                                         << railpin << QString();
        QTest::newRow("Wayland socket, X chosen") << QStringList{QStringLiteral("WAYLAND_DISPLAY=wayland-live")}
                                                  << railpin << QStringLiteral("DISPLAY is not set");
        QTest::newRow("wayland platform, no compositor")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("WAYLAND_DISPLAY=wayland-gone")}
            << railpin << QStringLiteral("the display wayland-gone does not answer");
        QTest::newRow("wayland platform unnamed") << QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland")} << railpin
                                                  << QStringLiteral("WAYLAND_DISPLAY is not set");
    }
    void decision()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        if (xDisplay.isEmpty() && (environment.join(u' ').contains(QLatin1String("$X"))))
            QSKIP("Xvfb did not start");
        for (const QString &setting : environment)
            qputenv(qPrintable(setting.section(u'=', 0, 0)), resolve(setting.section(u'=', 1)).toLocal8Bit());

        const QString message = missingDisplayMessage(arguments);
        QCOMPARE(message, reason.isEmpty() ? QString() : noDisplayLine(reason));
    }

    // The program itself, as a script or an ssh session would start it.
    void startWithoutDisplay_data()
    {
        QTest::addColumn<QString>("display");  // null: unset
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("line");
        QTest::newRow("DISPLAY unset") << QString() << QStringLiteral("C")
                                       << noDisplayLine(QStringLiteral("DISPLAY is not set"));
        QTest::newRow("DISPLAY unreachable") << QStringLiteral(":99999") << QStringLiteral("C")
                                             << noDisplayLine(QStringLiteral("the display :99999 does not answer"));
        QTest::newRow("in Spanish")
            << QString() << QStringLiteral("es_ES.UTF-8")
            << QStringLiteral("railpin: no se encontró ninguna pantalla (DISPLAY no está definida). Para escribir "
                              "una hoja de replanteo sin pantalla, use: railpin --pdf OUT.pdf --length L --width W "
                              "--max-gap G");
    }
    void startWithoutDisplay()
    {
        QFETCH(QString, display);
        QFETCH(QString, language);
        QFETCH(QString, line);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : kVariables)
            environment.remove(QString::fromLatin1(variable));
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(variable));
        environment.insert(QStringLiteral("LANG"), language);
        if (!display.isNull())
            environment.insert(QStringLiteral("DISPLAY"), display);

        QProcess railpin;
        railpin.setProcessEnvironment(environment);
        railpin.start(QStringLiteral(RAILPIN_EXECUTABLE), {});
        QVERIFY(railpin.waitForFinished(10000));
        QCOMPARE(railpin.exitStatus(), QProcess::NormalExit);  // no abort, no core dump
        QCOMPARE(railpin.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(railpin.readAllStandardError()), line + u'\n');
        QCOMPARE(railpin.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_display_check.moc"
