#include "ui/controls/CMessageBox.h"

#include <QMessageBox>

namespace {
CMessageBox::Handler& CurrentHandler() {
    static CMessageBox::Handler handler;
    return handler;
}
} // namespace

int CMessageBox::Show(QWidget* owner, const QString& text, uint32_t flags) {
    Request request;
    request.owner = owner;
    request.text = text;
    request.caption = QString::fromUtf8(kAppCaption);
    request.flags = flags;
    const Handler& handler = CurrentHandler();
    return handler ? handler(request) : ShowQMessageBox(request);
}

void CMessageBox::SetHandler(Handler handler) {
    CurrentHandler() = std::move(handler);
}

int CMessageBox::ShowQMessageBox(const Request& request) {
    const bool yesNo = (request.flags & 0xF) == kYesNo;
    QMessageBox box(yesNo ? QMessageBox::Question : QMessageBox::Information, request.caption,
                    request.text, yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    request.owner);
    if ((request.flags & kTopmost) != 0) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    const int answer = box.exec();
    if (yesNo) {
        return answer == QMessageBox::Yes ? kIdYes : kIdNo;
    }
    return kIdOk;
}
