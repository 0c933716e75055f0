#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

// The caption of the program's window and of every message it shows.
inline constexpr const char kAppCaption[] = "おしえて「テヴァロ」";

// The one road by which the program shows a message to the user. Production
// shows a QMessageBox with the caption as title and the exact text; tests
// replace the handler to record what would have been shown without blocking.
class CMessageBox {
public:
    // Flags, with the numbers of the messages they stand for.
    static constexpr uint32_t kOk = 0x0;
    static constexpr uint32_t kYesNo = 0x4;
    static constexpr uint32_t kTopmost = 0x40000;
    // Answers.
    static constexpr int kIdOk = 1;
    static constexpr int kIdYes = 6;
    static constexpr int kIdNo = 7;

    struct Request {
        QWidget* owner = nullptr; // null: no owner window
        QString text;
        QString caption;
        uint32_t flags = kOk;
    };
    using Handler = std::function<int(const Request&)>;

    // Shows `text` owned by `owner` (may be null) and returns the answer.
    static int Show(QWidget* owner, const QString& text, uint32_t flags = kOk);
    // Replaces the production handler; an empty handler restores it.
    static void SetHandler(Handler handler);

    // What production does with a request (a modal QMessageBox).
    static int ShowQMessageBox(const Request& request);
};
