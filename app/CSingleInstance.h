#pragma once

#include "util/UniqueFd.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

// Keeps the program to one copy per user and carries requests from outside to
// the running copy. The first copy takes an flock on a lock file beside the
// socket, removes whatever socket a killed copy left, and listens on the socket
// "tvraircon_{D93FC629-4D91-4ab3-B5BE-DC56EA286DD0}". A later copy finds the
// lock taken and tells the first one to come forward instead. Lines accepted
// on the socket: "raise" and "close".
//
// The folder is $XDG_RUNTIME_DIR, else a 0700 folder of this user under /tmp;
// the socket is a path in it, never the abstract namespace, so no other user
// can reach it. Owned by the application object for the whole process.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kSocketName = "tvraircon_{D93FC629-4D91-4ab3-B5BE-DC56EA286DD0}";

    enum class Result {
        kFirst,   // this copy holds the lock and listens
        kRunning, // another copy holds the lock; it was sent "raise" when it listened
        kFailed,  // no folder, lock file or socket could be made
    };

    // `folder` empty: the default folder above.
    explicit CSingleInstance(QString folder = {}, QObject* parent = nullptr);
    ~CSingleInstance() override;
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    Result Acquire();
    bool IsFirst() const { return m_lockFd.Valid() && m_server != nullptr; }

    const QString& Folder() const { return m_folder; }
    QString SocketPath() const;
    QString LockPath() const;

    // The folder a default-constructed object uses; made (0700) when it is
    // the fallback under /tmp. Empty when no safe folder can be had.
    static QString DefaultFolder();
    // Connects to the socket in `folder` and writes one command line. False
    // when nobody listens or the write did not complete within `timeoutMs`.
    static bool SendCommand(const QString& folder, const QByteArray& command, int timeoutMs = 2000);

signals:
    void raiseRequested();
    void closeRequested();

private:
    void OnNewConnection();
    void OnReadable(QLocalSocket* socket);
    void ReleaseLock();

    QString m_folder;
    UniqueFd m_lockFd;
    std::unique_ptr<QLocalServer> m_server;
};
