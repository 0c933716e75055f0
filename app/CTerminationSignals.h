#pragma once

#include "util/UniqueFd.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a close request on the user-interface
// thread. The handler itself only writes one byte to a pipe (the one thing a
// signal handler may safely do); a QSocketNotifier on the other end emits
// closeRequested in the event loop. One object at a time installs the
// handlers; the previous dispositions come back when it is destroyed.
class CTerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;
    CTerminationSignals(const CTerminationSignals&) = delete;
    CTerminationSignals& operator=(const CTerminationSignals&) = delete;

    // False when the pipe could not be made or another object holds the
    // handlers; the signals then keep their default effect.
    bool Install();
    bool IsInstalled() const { return m_notifier != nullptr; }

signals:
    void closeRequested();

private:
    void OnReadable();
    void Uninstall();

    // The pipe: the handler writes to m_writeEnd (through a plain copy of its
    // number), the notifier watches m_readEnd.
    UniqueFd m_readEnd;
    UniqueFd m_writeEnd;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
