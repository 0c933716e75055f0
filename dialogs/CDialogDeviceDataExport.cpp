#include "dialogs/CDialogDeviceDataExport.h"

CDialogDeviceDataExport::CDialogDeviceDataExport(QWidget* parent)
    : CDialogDeviceData(QStringLiteral("データ複製"),
                        QStringLiteral("エアコン情報をファイルに出力します。"), false, parent) {}
