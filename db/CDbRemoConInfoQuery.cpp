#include "db/CDbRemoConInfoQuery.h"

int32_t CDbRemoConInfoQuery::Select(std::vector<DbJoinRow>& out) {
    // Every registered unit, also one whose setting row is missing (its
    // settings line was refused on import, or the file ended before it): a
    // unit left out here would still count toward the seven and the totals
    // while it could be neither seen nor deleted.
    return QueryRows("SELECT * FROM MODEL_INFO_TBL LEFT JOIN SETTING_INFO_TBL "
                     "ON MODEL_INFO_TBL.MAC_ADDRESS = SETTING_INFO_TBL.MAC_ADDRESS "
                     "ORDER BY MODEL_INFO_TBL.GET_DATE, MODEL_INFO_TBL.rowid",
                     {}, out);
}
