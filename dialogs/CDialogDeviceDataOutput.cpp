#include "dialogs/CDialogDeviceDataOutput.h"

CDialogDeviceDataOutput::CDialogDeviceDataOutput(QWidget* parent)
    : CDialogDeviceData(QStringLiteral("CSV書き出し"),
                        QStringLiteral("電気代データをCSVファイルに出力します。\n"
                                       "表計算ソフトなどでデータを利用することができます。"),
                        true, parent) {}
