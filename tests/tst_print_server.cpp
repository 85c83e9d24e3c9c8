// SPDX-License-Identifier: LicenseRef-proprietary
#include "main_window_fixture.h"
#include "print_server.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLocale>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <cups/cups.h>

using namespace std::chrono_literals;

namespace {

constexpr int kLimitMs = 1500;

// Accepts every connection and never answers, as a hung print server does.
class SilentServer : public QTcpServer
{
public:
    SilentServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                held.append(socket);
        });
    }
    QList<QTcpSocket *> held;
};

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

bool busyPointerShows()
{
    return QApplication::overrideCursor() != nullptr && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

}  // namespace

// The print server is asked with a time limit before any printer is looked
// up: a server that accepts and never answers costs the limit, not minutes.
class TestPrintServer : public QObject
{
    Q_OBJECT

    QTemporaryDir clientConfig;
    SilentServer silent;

    void useServer(const QString &server)
    {
        qputenv("CUPS_SERVER", server.toLocal8Bit());
        cupsSetServer(nullptr);  // libcups keeps the server it read first on a thread
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        // No client.conf or user defaults of the machine's own.
        qputenv("CUPS_SERVERROOT", clientConfig.path().toLocal8Bit());
        qputenv("HOME", clientConfig.path().toLocal8Bit());
        qputenv("RAILPIN_PRINT_SERVER_TIMEOUT_MS", QByteArray::number(kLimitMs));
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }

    void timeLimit_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("unset") << QByteArray() << 10000;
        QTest::newRow("a short limit") << QByteArrayLiteral("1500") << 1500;
        QTest::newRow("zero") << QByteArrayLiteral("0") << 10000;
        QTest::newRow("negative") << QByteArrayLiteral("-200") << 10000;
        QTest::newRow("not a number") << QByteArrayLiteral("soon") << 10000;
    }
    void timeLimit()
    {
        QFETCH(QByteArray, setting);
        QFETCH(int, milliseconds);
        const QByteArray kept = qgetenv("RAILPIN_PRINT_SERVER_TIMEOUT_MS");
        if (setting.isNull())
            qunsetenv("RAILPIN_PRINT_SERVER_TIMEOUT_MS");
        else
            qputenv("RAILPIN_PRINT_SERVER_TIMEOUT_MS", setting);
        const auto limit = printing::printServerTimeout();
        qputenv("RAILPIN_PRINT_SERVER_TIMEOUT_MS", kept);
        QCOMPARE(limit, std::chrono::milliseconds(milliseconds));
    }

    // Only silence is the server's problem: a refused connection is quick,
    // and the printer look-up after it reports the missing printer itself.
    void serverProblem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("answers");
        QTest::newRow("accepts and never answers") << QStringLiteral("silent") << false;
        QTest::newRow("never completes the connection") << QStringLiteral("full") << false;
        QTest::newRow("refuses the connection") << QStringLiteral("closed") << true;
    }
    void serverProblem()
    {
        QFETCH(QString, kind);
        QFETCH(bool, answers);
        quint16 port = silent.serverPort();
        QTcpServer other;
        std::vector<std::unique_ptr<QTcpSocket>> queue;
        if (kind == QLatin1String("closed")) {
            QVERIFY(other.listen(QHostAddress::LocalHost));
            port = other.serverPort();
            other.close();
        } else if (kind == QLatin1String("full")) {
            // A queue of waiting connections that is full: the kernel drops
            // the next one's handshake, as with a server behind a dead link.
            other.setListenBacklogSize(0);
            QVERIFY(other.listen(QHostAddress::LocalHost));
            other.pauseAccepting();
            port = other.serverPort();
            for (int i = 0; i < 3; ++i) {
                queue.push_back(std::make_unique<QTcpSocket>());
                queue.back()->connectToHost(QHostAddress::LocalHost, port);
            }
            QTest::qWait(200);
        }
        const QString server = QStringLiteral("127.0.0.1:%1").arg(port);
        useServer(server);

        QElapsedTimer clock;
        clock.start();
        const QString problem = printing::printServerProblem(nullptr);
        const qint64 waited = clock.elapsed();

        if (answers) {
            QCOMPARE(problem, QString());
            QVERIFY2(waited < kLimitMs, qPrintable(QString::number(waited)));
        } else {
            QCOMPARE(problem, QStringLiteral("the print server %1 does not answer").arg(server));
            QVERIFY2(waited >= kLimitMs - 50 && waited < kLimitMs + 2000, qPrintable(QString::number(waited)));
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void printScreenReportsSilentServerWithoutFreezing()
    {
        const QString server = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
        useServer(server);
        silent.held.clear();

        MainWindowFixture fixture;
        QVERIFY(fixture.active);
        fixture.setInputs(QStringLiteral("36"), QStringLiteral("1 3/8"), QStringLiteral("4"));
        PaintCounter counter;
        fixture.window->installEventFilter(&counter);

        // While the check waits: timers run, the window repaints when asked,
        // and typing and closing the window change nothing.
        int busyTicks = 0;
        int paintsWhileBusy = 0;
        QTimer during;
        during.setInterval(50);
        connect(&during, &QTimer::timeout, this, [&] {
            if (!busyPointerShows())
                return;
            if (++busyTicks == 2) {
                QTest::keyClicks(fixture.field("txtLength"), QStringLiteral("99"));
                fixture.window->close();
            }
            paintsWhileBusy = counter.paints;
            fixture.window->update();
        });
        during.start();

        auto *action = fixture.window->findChild<QAction *>(QStringLiteral("mnuFilePrint"));
        QVERIFY(action != nullptr);
        const int paintsBefore = counter.paints;
        QElapsedTimer clock;
        clock.start();
        fixture.watcher->answerNextMessage();
        action->trigger();
        const qint64 waited = clock.elapsed();
        during.stop();

        QCOMPARE(fixture.watcher->messages.size(), 1);
        const DialogScript::Message &message = fixture.watcher->messages.first();
        QCOMPARE(message.title, QStringLiteral("Application Error"));
        QCOMPARE(message.text, QStringLiteral("Error 482 occured in Railpin.frmMain.mnuFilePrint_Click:Railpin, "
                                              "Printer error: the print server %1 does not answer")
                                   .arg(server));
        QVERIFY(!message.busyPointerWhileShown);
        QVERIFY2(waited >= kLimitMs - 50 && waited < kLimitMs + 3000, qPrintable(QString::number(waited)));

        QVERIFY2(busyTicks >= 10, qPrintable(QString::number(busyTicks)));
        QVERIFY(paintsWhileBusy > paintsBefore);
        QCOMPARE(fixture.text("txtLength"), QStringLiteral("36"));
        QVERIFY(fixture.window->isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // The check's own connection is the only one: no printer look-up,
        // QPrinter or dialog went to the server after it.
        QTest::qWait(200);
        QCOMPARE(silent.held.size(), 1);
    }
};

QTEST_MAIN(TestPrintServer)
#include "tst_print_server.moc"
