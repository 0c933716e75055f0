#pragma once

#include "dialogs/CDialogDeviceData.h"

#include <QString>

#include <functional>

// The units to delete with all their data (the main window's model delete
// command). OK asks once more, since a deletion cannot be undone; "No" leaves
// the dialog open as it was.
//
// The question goes through a replaceable handler so tests can answer it
// without a modal box. It is the dialogs' own seam rather than the
// application's message box, which lives a layer above and always carries
// the program's caption.
class CDialogDeviceDataDelete : public CDialogDeviceData {
    Q_OBJECT

public:
    struct Confirmation {
        QWidget* owner = nullptr;
        QString text;
        QString caption;
    };
    // True for "Yes".
    using ConfirmHandler = std::function<bool(const Confirmation&)>;

    static const char* ConfirmText() {
        return "削除したデータは元に戻せません。本当に削除しますか？";
    }
    static const char* ConfirmCaption() { return "機種削除確認"; }

    explicit CDialogDeviceDataDelete(QWidget* parent = nullptr);

    // Replaces the production handler; an empty handler restores it.
    static void SetConfirmHandler(ConfirmHandler handler);
    // Production: a modal Yes/No QMessageBox owned by the dialog.
    static bool AskWithMessageBox(const Confirmation& confirmation);

protected:
    bool ConfirmOk() override;
};
