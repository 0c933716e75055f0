#pragma once

#include "db/CDbTableBase.h"
#include "model/CDbEleBillTgtData.h"

#include <string_view>
#include <vector>

// ELECTRICITY_TARGET_TBL: monthly bill targets per unit. 0 = done, 1 = failure.
class CDbEleBillTgtTbl : public CDbTableBase {
public:
    int32_t Create();
    int32_t Insert(const CDbEleBillTgtData& record);
    int32_t Update(const CDbEleBillTgtData& record);
    int32_t Delete(std::string_view mac);
    int32_t SelectOneMonth(std::string_view mac, std::string_view month,
                           std::vector<CDbEleBillTgtData>& out);
    // Sum of all units' targets for the month; 0 when there is none.
    int32_t SumMonth(std::string_view month, int32_t& target);
    int32_t SelectUnit(std::string_view mac, std::vector<CDbEleBillTgtData>& out);
    int32_t SelectAll(std::vector<CDbEleBillTgtData>& out);
};
