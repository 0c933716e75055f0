#include "db/CDbModelInfoTbl.h"

#include "db/DbRowShapes.h"

int32_t CDbModelInfoTbl::Create() {
    return Execute("CREATE TABLE MODEL_INFO_TBL (MAC_ADDRESS\tNVARCHAR(16),GET_DATE\t\tDATETIME,"
                   "AIRCON_INF\tNVARCHAR(20),ROOM_INF\t\tNVARCHAR(1),ROOM_NUM\t\tINT,"
                   "PRIMARY KEY (MAC_ADDRESS))");
}

int32_t CDbModelInfoTbl::Insert(const CDbModelInfoData& record) {
    return Execute(
        "INSERT INTO MODEL_INFO_TBL VALUES (?, ?, ?, ?, ?)",
        {record.macAddress, record.getDate, record.model, record.roomCode, record.roomNumber});
}

int32_t CDbModelInfoTbl::Update(const CDbModelInfoData& record) {
    return Execute("UPDATE MODEL_INFO_TBL SET AIRCON_INF=?, ROOM_INF=?, ROOM_NUM=? "
                   "WHERE MAC_ADDRESS=?",
                   {record.model, record.roomCode, record.roomNumber, record.macAddress});
}

int32_t CDbModelInfoTbl::Delete(std::string_view mac) {
    return Execute("DELETE FROM MODEL_INFO_TBL WHERE MAC_ADDRESS=?", {mac});
}

int32_t CDbModelInfoTbl::SelectOne(std::string_view mac, std::vector<CDbModelInfoData>& out) {
    return QueryRows("SELECT * FROM MODEL_INFO_TBL WHERE MAC_ADDRESS=?", {mac}, out);
}

int32_t CDbModelInfoTbl::SelectAll(std::vector<CDbModelInfoData>& out) {
    // rowid breaks ties between units registered within the same second.
    return QueryRows("SELECT * FROM MODEL_INFO_TBL ORDER BY GET_DATE, rowid", {}, out);
}

int32_t CDbModelInfoTbl::SelectByRoom(std::string_view roomCode, int32_t roomNumber,
                                      std::vector<CDbModelInfoData>& out) {
    return QueryRows("SELECT * FROM MODEL_INFO_TBL WHERE ROOM_INF=? AND ROOM_NUM=?",
                     {roomCode, roomNumber}, out);
}
