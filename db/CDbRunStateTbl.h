#pragma once

#include "db/CDbTableBase.h"
#include "model/CDbRunStateData.h"

#include <string_view>
#include <vector>

// RUN_STATE_TBL: one row per unit and day. 0 = done, 1 = failure.
// Every select reads the eight-column run-state shape; the per-unit selects
// repeat INDOOR_TEMPERATURE as the eighth column.
class CDbRunStateTbl : public CDbTableBase {
public:
    int32_t Create();
    int32_t Insert(const CDbRunStateData& record);
    int32_t Update(const CDbRunStateData& record);
    int32_t Delete(std::string_view mac);
    // One unit, dates first..last inclusive, in date order.
    int32_t SelectRange(std::string_view mac, std::string_view firstDate, std::string_view lastDate,
                        std::vector<CDbRunStateData>& out);
    // All units, one row per date present (see CDbAccess::GetRunStateRange).
    int32_t SelectDailyTotals(std::string_view firstDate, std::string_view lastDate,
                              std::vector<CDbRunStateData>& out);
    int32_t SelectUnit(std::string_view mac, std::vector<CDbRunStateData>& out);
    int32_t SelectAll(std::vector<CDbRunStateData>& out);
    // Bill total and row count; an empty MAC means all units.
    int32_t SumBill(std::string_view mac, std::string_view firstDate, std::string_view lastDate,
                    int32_t& total, int32_t& count);
};
