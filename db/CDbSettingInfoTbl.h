#pragma once

#include "db/CDbTableBase.h"
#include "model/CDbSettingInfoData.h"

#include <string_view>
#include <vector>

// SETTING_INFO_TBL: the 26 settings of each unit, and the in-place upgrade of
// files from before the later columns. 0 = done, 1 = failure.
class CDbSettingInfoTbl : public CDbTableBase {
public:
    // Adds the columns older files lack (10 and then 4 more), each holding -1
    // in existing rows. Fails harmlessly before the table exists.
    int32_t Upgrade();
    int32_t Create();
    int32_t Insert(const CDbSettingInfoData& record);
    int32_t Update(const CDbSettingInfoData& record);
    int32_t Delete(std::string_view mac);
    int32_t SelectOne(std::string_view mac, std::vector<CDbSettingInfoData>& out);
    int32_t SelectAll(std::vector<CDbSettingInfoData>& out);

private:
    int32_t Execute26(std::string_view sql, std::string_view mac, const SettingValues& values,
                      bool macFirst);
};
