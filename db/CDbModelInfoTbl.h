#pragma once

#include "db/CDbTableBase.h"
#include "model/CDbModelInfoData.h"

#include <string_view>
#include <vector>

// MODEL_INFO_TBL: the registered air conditioners. 0 = done, 1 = failure.
class CDbModelInfoTbl : public CDbTableBase {
public:
    int32_t Create();
    // The registration date is the caller's `getDate`; the room number is the
    // record's.
    int32_t Insert(const CDbModelInfoData& record);
    // Model text, room code and room number; the registration date never changes.
    int32_t Update(const CDbModelInfoData& record);
    int32_t Delete(std::string_view mac);
    int32_t SelectOne(std::string_view mac, std::vector<CDbModelInfoData>& out);
    // Oldest registration first.
    int32_t SelectAll(std::vector<CDbModelInfoData>& out);
    int32_t SelectByRoom(std::string_view roomCode, int32_t roomNumber,
                         std::vector<CDbModelInfoData>& out);
};
