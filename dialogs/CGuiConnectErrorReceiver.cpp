#include "dialogs/CGuiConnectErrorReceiver.h"

#include "dialogs/CDialogConnectError.h"

#include <QMetaObject>

CGuiConnectErrorReceiver::CGuiConnectErrorReceiver(QWidget* owner)
    : m_owner(owner), m_guiThread(std::this_thread::get_id()) {}

void CGuiConnectErrorReceiver::ShowConnectError(int32_t pictureId) {
    if (std::this_thread::get_id() == m_guiThread) {
        // A blocking queued call to our own thread would wait forever.
        ShowDialog(pictureId);
        return;
    }
    std::lock_guard<std::mutex> call(m_callMutex);
    {
        std::lock_guard<std::mutex> lock(m_requestMutex);
        m_requestPicture = pictureId;
    }
    // By name, so that no functor written on this thread is read on the
    // GUI thread behind Qt's unannotated locks.
    QMetaObject::invokeMethod(this, "ServeRequest", Qt::BlockingQueuedConnection);
    // Pairs with the GUI thread's lock after the dialog closed: what it did
    // meanwhile is ordered before the read goes on.
    std::lock_guard<std::mutex> lock(m_requestMutex);
}

int CGuiConnectErrorReceiver::ShownCount() const {
    std::lock_guard<std::mutex> lock(m_requestMutex);
    return m_shown;
}

void CGuiConnectErrorReceiver::ServeRequest() {
    int32_t picture = 0;
    {
        std::lock_guard<std::mutex> lock(m_requestMutex);
        picture = m_requestPicture;
    }
    ShowDialog(picture);
    // Served: the caller's lock after its wait pairs with this one.
    std::lock_guard<std::mutex> lock(m_requestMutex);
    m_requestPicture = 0;
}

void CGuiConnectErrorReceiver::ShowDialog(int32_t pictureId) {
    CDialogConnectError dialog(pictureId, m_owner.data());
    {
        std::lock_guard<std::mutex> lock(m_requestMutex);
        ++m_shown;
    }
    dialog.exec();
}
