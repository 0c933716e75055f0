#pragma once

#include "db/CDbTableBase.h"
#include "db/DbRowShapes.h"

#include <vector>

// The model+setting join that feeds the remote-controller list, in
// registration order. 0 = done, 1 = failure.
class CDbRemoConInfoQuery : public CDbTableBase {
public:
    int32_t Select(std::vector<DbJoinRow>& out);
};
