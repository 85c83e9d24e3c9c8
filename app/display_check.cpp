// SPDX-License-Identifier: LicenseRef-proprietary
#include "display_check.h"

#include "translator_setup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The value of Qt's option `name` (given as -name or --name), or a null string.
QString qtOption(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == u'-' + name || arguments[i] == QStringLiteral("--") + name)
            return arguments[i + 1];
    }
    return {};
}

bool xDisplayAnswers(const QByteArray &name)
{
    xcb_connection_t *connection = xcb_connect(name.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// A compositor listens on a socket named by WAYLAND_DISPLAY, absolute or
// under XDG_RUNTIME_DIR; a socket left by one that has ended refuses.
bool waylandDisplayAnswers(const QString &name)
{
    const QString path =
        QDir::isAbsolutePath(name) ? name : QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(name);
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    if (encoded.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(encoded.begin(), encoded.end(), address.sun_path);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answers;
}

QString noDisplay(const QString &reason)
{
    return QCoreApplication::translate("display_check",
                                       "railpin: no display found (%1). To write a layout sheet without a display, "
                                       "use: railpin --pdf OUT.pdf --length L --width W --max-gap G")
        .arg(reason);
}

}  // namespace

QString missingDisplayMessage(const QStringList &arguments)
{
    QString platforms = qtOption(arguments, QStringLiteral("platform"));
    if (platforms.isNull())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    // Qt tries the platforms listed in turn, each possibly with ":options".
    // Unset, Qt takes X, or Wayland in a Wayland session.
    bool wantsX = platforms.isEmpty();
    bool wantsWayland = platforms.isEmpty() && qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    for (const QString &entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0);
        if (name == QLatin1String("xcb"))
            wantsX = true;
        else if (name.startsWith(QLatin1String("wayland")))
            wantsWayland = true;
        else
            return {};  // offscreen, minimal, vnc, eglfs...: no display to look for
    }

    const QString waylandName = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (wantsWayland && !waylandName.isEmpty() && waylandDisplayAnswers(waylandName))
        return {};
    QString xName = qtOption(arguments, QStringLiteral("display"));
    if (xName.isNull())
        xName = qEnvironmentVariable("DISPLAY");
    if (wantsX && !xName.isEmpty() && xDisplayAnswers(xName.toLocal8Bit()))
        return {};

    if (!wantsX) {
        return noDisplay(
            waylandName.isEmpty()
                ? QCoreApplication::translate("display_check", "WAYLAND_DISPLAY is not set")
                : QCoreApplication::translate("display_check", "the display %1 does not answer").arg(waylandName));
    }
    return noDisplay(xName.isEmpty()
                         ? QCoreApplication::translate("display_check", "DISPLAY is not set")
                         : QCoreApplication::translate("display_check", "the display %1 does not answer").arg(xName));
}

bool displayAvailable(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (missingDisplayMessage(arguments).isEmpty())
        return true;
    // A console application object is enough to say it in the user's language.
    QCoreApplication console(argc, argv);
    translations::install(console);
    std::fprintf(stderr, "%s\n", missingDisplayMessage(arguments).toLocal8Bit().constData());
    return false;
}
