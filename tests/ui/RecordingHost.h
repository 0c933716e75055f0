#pragma once

#include "ui/controls/IControlHost.h"
#include "ui/controls/UiMessages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

// One private message as the host saw it; `sent` tells a sent message from a
// posted one.
struct RecordedMessage {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    bool sent = false;
};

// A host window stand-in: its object records every CUiEvent, synchronously
// for sent messages and when the queue is run for posted ones. `onEvent` lets
// a test look at the control while a message is being handled.
class RecordingHost : public IControlHost {
public:
    explicit RecordingHost(CDataManager* manager = nullptr)
        : m_receiver(this), m_manager(manager) {}

    QObject* HostObject() override { return &m_receiver; }
    CDataManager* HostDataManager() override { return m_manager; }

    // Runs the queue so posted messages arrive.
    void Deliver() {
        m_delivering = true;
        QCoreApplication::sendPostedEvents(&m_receiver);
        m_delivering = false;
    }
    std::vector<RecordedMessage> Take() {
        Deliver();
        std::vector<RecordedMessage> taken;
        taken.swap(messages);
        return taken;
    }
    std::vector<uint32_t> TakeNumbers() {
        std::vector<uint32_t> numbers;
        for (const RecordedMessage& recorded : Take()) {
            numbers.push_back(recorded.message);
        }
        return numbers;
    }

    std::vector<RecordedMessage> messages;
    std::function<void(const RecordedMessage&)> onEvent;

private:
    class Receiver : public QObject {
    public:
        explicit Receiver(RecordingHost* host) : m_host(host) {}
        bool event(QEvent* event) override {
            const CUiEvent* ui = CUiEvent::From(event);
            if (ui == nullptr) {
                return QObject::event(event);
            }
            // Posted events only arrive inside Deliver.
            RecordedMessage recorded{ui->Message(), ui->WParam(), ui->LParam(),
                                     !m_host->m_delivering};
            m_host->messages.push_back(recorded);
            if (m_host->onEvent) {
                m_host->onEvent(recorded);
            }
            return true;
        }

    private:
        RecordingHost* m_host;
    };

    Receiver m_receiver;
    CDataManager* m_manager;
    bool m_delivering = false;
};
