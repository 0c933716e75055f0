#include "app/CSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
// A command is one short word; anything longer is not ours.
constexpr qsizetype kMaxCommandBytes = 64;

// A folder only this user can enter: ours, a real folder (no link), no access
// for group or others (tightened when it is ours but too open).
bool IsPrivateFolder(const QByteArray& path) {
    struct stat info {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        return false;
    }
    if ((info.st_mode & 077) != 0 && chmod(path.constData(), 0700) != 0) {
        return false;
    }
    return true;
}
} // namespace

CSingleInstance::CSingleInstance(QString folder, QObject* parent)
    : QObject(parent), m_folder(folder.isEmpty() ? DefaultFolder() : std::move(folder)) {}

CSingleInstance::~CSingleInstance() {
    ReleaseLock();
}

QString CSingleInstance::DefaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && QDir(QString::fromLocal8Bit(runtime)).exists()) {
        return QString::fromLocal8Bit(runtime);
    }
    const QByteArray fallback = "/tmp/tevaro-" + QByteArray::number(getuid());
    if (mkdir(fallback.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return IsPrivateFolder(fallback) ? QString::fromLocal8Bit(fallback) : QString();
}

QString CSingleInstance::SocketPath() const {
    return m_folder + QLatin1Char('/') + QLatin1String(kSocketName);
}

QString CSingleInstance::LockPath() const {
    return SocketPath() + QStringLiteral(".lock");
}

CSingleInstance::Result CSingleInstance::Acquire() {
    if (IsFirst()) {
        return Result::kFirst;
    }
    if (m_folder.isEmpty()) {
        return Result::kFailed;
    }
    const QByteArray lockPath = QFile::encodeName(LockPath());
    UniqueFd fd(open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.Valid()) {
        return Result::kFailed;
    }
    int locked = -1;
    do {
        locked = flock(fd.Get(), LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool busy = errno == EWOULDBLOCK;
        fd.Reset();
        if (!busy) {
            return Result::kFailed;
        }
        // The holder may still be starting and not yet listen; it then learns
        // nothing, which is what happens when no window can be found either.
        SendCommand(m_folder, QByteArrayLiteral("raise"));
        return Result::kRunning;
    }
    m_lockFd = std::move(fd);

    // Holding the lock, any socket file is a leftover of a copy that died.
    QLocalServer::removeServer(SocketPath());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(SocketPath())) {
        ReleaseLock();
        return Result::kFailed;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return Result::kFirst;
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            OnReadable(socket);
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0) {
            OnReadable(socket);
        }
    }
}

void CSingleInstance::OnReadable(QLocalSocket* socket) {
    if (socket->property("tevaroDone").toBool()) {
        return;
    }
    QByteArray buffer = socket->property("tevaroBuffer").toByteArray();
    // Only what has arrived. A socket that is already closing (its client
    // gone, the server going away as the program ends) has nothing left to
    // read, and reading it anyway makes Qt warn "device not open".
    if (socket->isOpen() && socket->bytesAvailable() > 0) {
        buffer += socket->read(socket->bytesAvailable());
    }
    const bool ended = socket->state() != QLocalSocket::ConnectedState;
    qsizetype newline = buffer.indexOf('\n');
    while (newline >= 0 || (ended && !buffer.trimmed().isEmpty())) {
        const qsizetype length = newline >= 0 ? newline : buffer.size();
        const QByteArray command = buffer.left(length).trimmed();
        buffer.remove(0, newline >= 0 ? newline + 1 : buffer.size());
        if (command == "raise") {
            emit raiseRequested();
        } else if (command == "close") {
            emit closeRequested();
        }
        newline = buffer.indexOf('\n');
    }
    if (buffer.size() > kMaxCommandBytes) {
        socket->setProperty("tevaroDone", true);
        socket->abort();
        return;
    }
    socket->setProperty("tevaroBuffer", buffer);
}

void CSingleInstance::ReleaseLock() {
    if (m_server != nullptr) {
        // Connections still open go with the server; what they hold is of no
        // use to a guard that is going, and must not reach it half-destroyed.
        for (QLocalSocket* socket : m_server->findChildren<QLocalSocket*>()) {
            socket->disconnect(this);
        }
        m_server->close();
        m_server.reset();
    }
    m_lockFd.Reset();
}

bool CSingleInstance::SendCommand(const QString& folder, const QByteArray& command, int timeoutMs) {
    if (folder.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(folder + QLatin1Char('/') + QLatin1String(kSocketName));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(command + '\n');
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}
