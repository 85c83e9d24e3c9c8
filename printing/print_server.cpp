// SPDX-License-Identifier: LicenseRef-proprietary
#include "print_server.h"

#include "busy_wait.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QPromise>

// For the types only: libcups is loaded when the first check runs, so that
// the program does not load it, and the libraries it needs, at every start.
#include <cups/cups.h>

#include <dlfcn.h>

#include <thread>

namespace printing {

namespace {

// The few libcups functions the check calls, found in the library once it is loaded.
struct Cups
{
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::cupsSetPasswordCB2) setPasswordCallback = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::ippNewRequest) newRequest = nullptr;
    decltype(&::cupsDoRequest) doRequest = nullptr;
    decltype(&::ippDelete) deleteMessage = nullptr;
    // Empty once every function is found, else why libcups cannot be used.
    QString problem;
};

template <typename Function> bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

Cups loadCups()
{
    Cups cups;
    constexpr const char *kLibrary = "libcups.so.2";
    void *library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        cups.problem = QStringLiteral("the print server cannot be asked: %1").arg(QString::fromLocal8Bit(dlerror()));
        return cups;
    }
    // Never unloaded: a detached check may outlive any caller.
    const bool found =
        resolve(library, "cupsServer", cups.server) && resolve(library, "ippPort", cups.port) &&
        resolve(library, "cupsEncryption", cups.encryption) &&
        resolve(library, "cupsSetPasswordCB2", cups.setPasswordCallback) &&
        resolve(library, "httpConnect2", cups.connect) && resolve(library, "httpSetTimeout", cups.setTimeout) &&
        resolve(library, "httpClose", cups.close) && resolve(library, "ippNewRequest", cups.newRequest) &&
        resolve(library, "cupsDoRequest", cups.doRequest) && resolve(library, "ippDelete", cups.deleteMessage);
    if (!found)
        cups.problem = QStringLiteral("the print server cannot be asked: %1 lacks a function it needs: %2")
                           .arg(QString::fromLatin1(kLibrary), QString::fromLocal8Bit(dlerror()));
    return cups;
}

// Loaded on the first check, from whichever thread makes it, and only once.
const Cups &loadedCups()
{
    static const Cups loaded = loadCups();
    return loaded;
}

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
bool staysSilent(const Cups &cups, const Server &server, std::chrono::milliseconds limit)
{
    cups.setPasswordCallback(noPassword, nullptr);  // libcups keeps it per thread
    QElapsedTimer clock;
    clock.start();
    http_t *connection = cups.connect(server.host.constData(), server.port, nullptr, AF_UNSPEC, server.encryption, 1,
                                      static_cast<int>(limit.count()), nullptr);
    if (connection == nullptr) {
        // Refused or missing is quick, and the printer look-up that follows
        // reports it; a connection that never completes is a silent server.
        // libcups leaves no telling errno after its time limit, so the time
        // taken tells them apart.
        return clock.elapsed() >= limit.count() / 2;
    }

    bool timedOut = false;
    cups.setTimeout(connection, std::chrono::duration<double>(limit).count(), giveUp, &timedOut);
    // Any answer, an error status included, shows that the server is alive.
    cups.deleteMessage(cups.doRequest(connection, cups.newRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    cups.close(connection);
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
    const Cups &cups = loadedCups();
    if (!cups.problem.isEmpty())
        return cups.problem;
    const Server server{cups.server(), cups.port(), cups.encryption()};
    QPromise<bool> promise;
    const QFuture<bool> silent = promise.future();
    // Detached: should a name look-up outlast the limit, the window goes on
    // and the thread ends on its own later, touching nothing but the promise.
    std::thread([promise = std::move(promise), &cups, server, limit]() mutable {
        promise.start();
        promise.addResult(staysSilent(cups, server, limit));
        promise.finish();
    }).detach();

    waitBusy(window, QFuture<void>(silent), limit);
    if (silent.isResultReadyAt(0) && !silent.result())
        return {};
    // Part of the error report's line, which stays English in every language.
    return QStringLiteral("the print server %1 does not answer").arg(server.name());
}

}  // namespace printing
