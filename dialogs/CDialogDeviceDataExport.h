#pragma once

#include "dialogs/CDialogDeviceData.h"

// The units to copy into a data-duplication file (the main window's data
// duplication command); no period.
class CDialogDeviceDataExport : public CDialogDeviceData {
    Q_OBJECT

public:
    explicit CDialogDeviceDataExport(QWidget* parent = nullptr);
};
