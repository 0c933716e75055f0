#include "db/CDbEleBillTgtTbl.h"

#include "db/DbRowShapes.h"

int32_t CDbEleBillTgtTbl::Create() {
    return Execute("CREATE TABLE ELECTRICITY_TARGET_TBL (MAC_ADDRESS\t\t\tNVARCHAR(16),"
                   "YEARS\t\t\t\tNVARCHAR(6),ELECTRICITY_TARGET\tINT,"
                   "PRIMARY KEY (MAC_ADDRESS, YEARS))");
}

int32_t CDbEleBillTgtTbl::Insert(const CDbEleBillTgtData& r) {
    return Execute("INSERT INTO ELECTRICITY_TARGET_TBL VALUES (?, ?, ?)",
                   {r.macAddress, r.month, r.target});
}

int32_t CDbEleBillTgtTbl::Update(const CDbEleBillTgtData& r) {
    return Execute("UPDATE ELECTRICITY_TARGET_TBL SET ELECTRICITY_TARGET=? "
                   "WHERE MAC_ADDRESS=? AND YEARS=?",
                   {r.target, r.macAddress, r.month});
}

int32_t CDbEleBillTgtTbl::Delete(std::string_view mac) {
    return Execute("DELETE FROM ELECTRICITY_TARGET_TBL WHERE MAC_ADDRESS=?", {mac});
}

int32_t CDbEleBillTgtTbl::SelectOneMonth(std::string_view mac, std::string_view month,
                                         std::vector<CDbEleBillTgtData>& out) {
    return QueryRows("SELECT MAC_ADDRESS, YEARS, ELECTRICITY_TARGET FROM ELECTRICITY_TARGET_TBL "
                     "WHERE MAC_ADDRESS=? AND YEARS=?",
                     {mac, month}, out);
}

int32_t CDbEleBillTgtTbl::SumMonth(std::string_view month, int32_t& target) {
    std::vector<CDbEleBillTgtData> rows;
    const int32_t rc = QueryRows("SELECT COUNT(*), COUNT(*), SUM(ELECTRICITY_TARGET) "
                                 "FROM ELECTRICITY_TARGET_TBL WHERE YEARS=?",
                                 {month}, rows);
    if (rc == 0) {
        target = rows.empty() ? 0 : rows.front().target;
    }
    return rc;
}

int32_t CDbEleBillTgtTbl::SelectUnit(std::string_view mac, std::vector<CDbEleBillTgtData>& out) {
    return QueryRows("SELECT * FROM ELECTRICITY_TARGET_TBL WHERE MAC_ADDRESS=?", {mac}, out);
}

int32_t CDbEleBillTgtTbl::SelectAll(std::vector<CDbEleBillTgtData>& out) {
    return QueryRows("SELECT * FROM ELECTRICITY_TARGET_TBL", {}, out);
}
