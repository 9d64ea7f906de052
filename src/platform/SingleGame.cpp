#include "platform/SingleGame.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

// Not in the game folder itself: a socket's path is limited to about a hundred
// bytes, and some file systems (a portable game on a memory stick) hold none.
// Named after the folder as the lock sees it, whichever way its path is spelt.
QString ServerName(const std::string& folder) {
    const QString canonical = QFileInfo(QString::fromStdString(folder)).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256);
    return "vesk-poker-" + QString::number(::getuid()) + "-" + hash.toHex().left(16);
}

// The lock is on the folder itself, so it leaves no file behind. Where the file
// system cannot lock at all, the game is played rather than refused.
bool LockIsHeldElsewhere(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return false; // held, through the open descriptor, until the process ends
    }
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy;
}

void BringGameToFront() {
    QWidget* front = QApplication::activeModalWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        if (!front) {
            front = window;
        }
    }
    if (front) {
        front->raise();
        front->activateWindow();
    }
}

void ListenForLaterStarts(const QString& name) {
    auto* server = new QLocalServer(qApp);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock's holder listens, so a socket left by a killed game is stale.
    QLocalServer::removeServer(name);
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* start = server->nextPendingConnection()) {
            start->disconnectFromServer();
            start->deleteLater();
        }
        BringGameToFront();
    });
    server->listen(name);
}

} // namespace

bool ClaimGameFolder(const std::string& folder) {
    const QString name = ServerName(folder);
    if (!LockIsHeldElsewhere(folder)) {
        ListenForLaterStarts(name);
        return true;
    }
    QLocalSocket runningGame;
    runningGame.connectToServer(name);
    runningGame.waitForConnected(2000);
    return false;
}

} // namespace platform
