#include "dialogs/CDialogDeviceDataDelete.h"

#include <QMessageBox>

#include <utility>

namespace {

CDialogDeviceDataDelete::ConfirmHandler& CurrentHandler() {
    static CDialogDeviceDataDelete::ConfirmHandler handler;
    return handler;
}

} // namespace

CDialogDeviceDataDelete::CDialogDeviceDataDelete(QWidget* parent)
    : CDialogDeviceData(QStringLiteral("機種削除"), QStringLiteral("エアコン情報を削除します。"),
                        false, parent) {}

void CDialogDeviceDataDelete::SetConfirmHandler(ConfirmHandler handler) {
    CurrentHandler() = std::move(handler);
}

bool CDialogDeviceDataDelete::AskWithMessageBox(const Confirmation& confirmation) {
    QMessageBox box(QMessageBox::Question, confirmation.caption, confirmation.text,
                    QMessageBox::Yes | QMessageBox::No, confirmation.owner);
    return box.exec() == QMessageBox::Yes;
}

bool CDialogDeviceDataDelete::ConfirmOk() {
    Confirmation confirmation;
    confirmation.owner = this;
    confirmation.text = QString::fromUtf8(ConfirmText());
    confirmation.caption = QString::fromUtf8(ConfirmCaption());
    const ConfirmHandler& handler = CurrentHandler();
    return handler ? handler(confirmation) : AskWithMessageBox(confirmation);
}
