#pragma once

#include "data/IConnectErrorReceiver.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <mutex>
#include <thread>

// The GUI's receiver of connect errors: shows CDialogConnectError modally on
// the GUI thread. Called from the progress dialog's worker, it hands the
// picture over and waits (blocking queued call) until the person has closed
// the dialog, so the read of the next remote controller starts only then; the
// progress dialog keeps animating meanwhile. Called on the GUI thread itself
// it shows the dialog directly.
//
// Build it on the GUI thread; the application sets it with
// CDataManager::SetConnectErrorReceiver and keeps it alive while the data
// manager may read.
class CGuiConnectErrorReceiver : public QObject, public IConnectErrorReceiver {
    Q_OBJECT

public:
    explicit CGuiConnectErrorReceiver(QWidget* owner);

    void ShowConnectError(int32_t pictureId) override;
    // How many dialogs were shown (tests).
    int ShownCount() const;

private:
    Q_INVOKABLE void ServeRequest();
    void ShowDialog(int32_t pictureId);

    QPointer<QWidget> m_owner; // GUI thread only
    const std::thread::id m_guiThread;
    // One caller at a time; a second worker waits for the first's dialog.
    std::mutex m_callMutex;
    // The hand-over between the calling thread and the GUI thread. Qt's own
    // queue does the waking; these fields carry the data under our lock.
    mutable std::mutex m_requestMutex;
    int32_t m_requestPicture = 0;
    int m_shown = 0;
};
