#pragma once

#include "db/CDbTableBase.h"
#include "db/DbRowShapes.h"

#include <vector>

// The model+setting join that feeds the remote-controller list: one row per
// MODEL_INFO_TBL row, in registration order, with its settings when it has a
// SETTING_INFO_TBL row. 0 = done, 1 = failure.
class CDbRemoConInfoQuery : public CDbTableBase {
public:
    int32_t Select(std::vector<DbJoinRow>& out);
};
