#pragma once

#include "dialogs/CDialogDeviceData.h"

// The units whose daily bills go into CSV files, with the period to write
// (the main window's CSV output command).
class CDialogDeviceDataOutput : public CDialogDeviceData {
    Q_OBJECT

public:
    explicit CDialogDeviceDataOutput(QWidget* parent = nullptr);
};
