#include "db/CDbRemoConInfoQuery.h"

int32_t CDbRemoConInfoQuery::Select(std::vector<DbJoinRow>& out) {
    return QueryRows("SELECT * FROM MODEL_INFO_TBL, SETTING_INFO_TBL "
                     "WHERE MODEL_INFO_TBL.MAC_ADDRESS = SETTING_INFO_TBL.MAC_ADDRESS "
                     "ORDER BY MODEL_INFO_TBL.GET_DATE, MODEL_INFO_TBL.rowid",
                     {}, out);
}
