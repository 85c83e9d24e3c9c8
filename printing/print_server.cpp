// SPDX-License-Identifier: LicenseRef-proprietary
#include "print_server.h"

#include "busy_wait.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QPromise>

#include <cups/cups.h>

#include <thread>

namespace printing {

namespace {

// The server as libcups on this thread, the one Qt prints from, has chosen it.
struct Server
{
    QByteArray host;
    int port = 0;
    http_encryption_t encryption = HTTP_ENCRYPTION_IF_REQUESTED;

    // As the report names it: HOST:PORT, or the local socket's path.
    QString name() const
    {
        const QString text = QString::fromLocal8Bit(host);
        return host.startsWith('/') ? text : QStringLiteral("%1:%2").arg(text).arg(port);
    }
};

// libcups asks this when a read or write outlasts the time limit; 0 gives up.
int giveUp(http_t * /*connection*/, void *timedOut)
{
    *static_cast<bool *>(timedOut) = true;
    return 0;
}

// Never ask for a password on a terminal: there may be none, and nobody to answer.
const char *noPassword(const char * /*prompt*/, http_t * /*connection*/, const char * /*method*/,
                       const char * /*resource*/, void * /*data*/)
{
    return nullptr;
}

// Runs on a thread of its own and returns whether the server stayed silent:
// it accepted no connection, or sent no answer to a request, in time.
bool staysSilent(const Server &server, std::chrono::milliseconds limit)
{
    cupsSetPasswordCB2(noPassword, nullptr);  // libcups keeps it per thread
    QElapsedTimer clock;
    clock.start();
    http_t *connection = httpConnect2(server.host.constData(), server.port, nullptr, AF_UNSPEC, server.encryption, 1,
                                      static_cast<int>(limit.count()), nullptr);
    if (connection == nullptr) {
        // Refused or missing is quick, and the printer look-up that follows
        // reports it; a connection that never completes is a silent server.
        // libcups leaves no telling errno after its time limit, so the time
        // taken tells them apart.
        return clock.elapsed() >= limit.count() / 2;
    }

    bool timedOut = false;
    httpSetTimeout(connection, std::chrono::duration<double>(limit).count(), giveUp, &timedOut);
    // Any answer, an error status included, shows that the server is alive.
    ippDelete(cupsDoRequest(connection, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    httpClose(connection);
    return timedOut;
}

}  // namespace

std::chrono::milliseconds printServerTimeout()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("RAILPIN_PRINT_SERVER_TIMEOUT_MS", &ok);
    return std::chrono::milliseconds(ok && fromEnvironment > 0 ? fromEnvironment : 10000);
}

QString printServerProblem(QWidget *window)
{
    const std::chrono::milliseconds limit = printServerTimeout();
    const Server server{cupsServer(), ippPort(), cupsEncryption()};
    QPromise<bool> promise;
    const QFuture<bool> silent = promise.future();
    // Detached: should a name look-up outlast the limit, the window goes on
    // and the thread ends on its own later, touching nothing but the promise.
    std::thread([promise = std::move(promise), server, limit]() mutable {
        promise.start();
        promise.addResult(staysSilent(server, limit));
        promise.finish();
    }).detach();

    waitBusy(window, QFuture<void>(silent), limit);
    if (silent.isResultReadyAt(0) && !silent.result())
        return {};
    // Part of the error report's line, which stays English in every language.
    return QStringLiteral("the print server %1 does not answer").arg(server.name());
}

}  // namespace printing
