#include "db/CDbRunStateTbl.h"

#include "db/DbRowShapes.h"

int32_t CDbRunStateTbl::Create() {
    const int32_t rc = Execute(
        "CREATE TABLE RUN_STATE_TBL (MAC_ADDRESS\t\t\tNVARCHAR(16),DATE\t\t\t\t\tNVARCHAR(8),"
        "USE_TIME\t\t\t\tINT,ELECTRICITY_BILL\t\tINT,INDOOR_TEMPERATURE\tINT,"
        "OUTDOOR_TEMPERATURE\tINT,ABSENT_ECO\t\t\tINT,PRIMARY KEY (MAC_ADDRESS, DATE))");
    if (rc != 0) {
        return rc;
    }
    // The bill views sum all units over a date range; without this index each
    // such sum reads the whole table.
    return Execute("CREATE INDEX IF NOT EXISTS RUN_STATE_DATE_IDX ON RUN_STATE_TBL (DATE)");
}

int32_t CDbRunStateTbl::Insert(const CDbRunStateData& r) {
    return Execute("INSERT INTO RUN_STATE_TBL VALUES (?, ?, ?, ?, ?, ?, ?)",
                   {r.macAddress, r.date, r.useTime, r.electricityBill, r.indoorTemperature,
                    r.outdoorTemperature, r.absentEco});
}

int32_t CDbRunStateTbl::Update(const CDbRunStateData& r) {
    return Execute("UPDATE RUN_STATE_TBL SET USE_TIME=?, ELECTRICITY_BILL=?, "
                   "INDOOR_TEMPERATURE=?, OUTDOOR_TEMPERATURE=?, ABSENT_ECO=? "
                   "WHERE MAC_ADDRESS=? AND DATE=?",
                   {r.useTime, r.electricityBill, r.indoorTemperature, r.outdoorTemperature,
                    r.absentEco, r.macAddress, r.date});
}

int32_t CDbRunStateTbl::Delete(std::string_view mac) {
    return Execute("DELETE FROM RUN_STATE_TBL WHERE MAC_ADDRESS=?", {mac});
}

int32_t CDbRunStateTbl::SelectRange(std::string_view mac, std::string_view firstDate,
                                    std::string_view lastDate, std::vector<CDbRunStateData>& out) {
    return QueryRows("SELECT MAC_ADDRESS, DATE, USE_TIME, ELECTRICITY_BILL, INDOOR_TEMPERATURE, "
                     "OUTDOOR_TEMPERATURE, ABSENT_ECO, INDOOR_TEMPERATURE FROM RUN_STATE_TBL "
                     "WHERE MAC_ADDRESS = ? AND DATE >= ? AND DATE <= ? ORDER BY DATE",
                     {mac, firstDate, lastDate}, out);
}

int32_t CDbRunStateTbl::SelectDailyTotals(std::string_view firstDate, std::string_view lastDate,
                                          std::vector<CDbRunStateData>& out) {
    // CAST keeps the averages whole numbers truncated toward zero, as integer
    // columns average everywhere else.
    return QueryRows("SELECT COUNT(*), DATE, SUM(USE_TIME), SUM(ELECTRICITY_BILL), "
                     "CAST(AVG(INDOOR_TEMPERATURE) AS INTEGER), "
                     "CAST(AVG(OUTDOOR_TEMPERATURE) AS INTEGER), "
                     "CAST(AVG(ABSENT_ECO) AS INTEGER), COUNT(*) FROM RUN_STATE_TBL "
                     "WHERE DATE >= ? AND DATE <= ? GROUP BY DATE ORDER BY DATE",
                     {firstDate, lastDate}, out);
}

int32_t CDbRunStateTbl::SelectUnit(std::string_view mac, std::vector<CDbRunStateData>& out) {
    return QueryRows("SELECT MAC_ADDRESS, DATE, USE_TIME, ELECTRICITY_BILL, INDOOR_TEMPERATURE, "
                     "OUTDOOR_TEMPERATURE, ABSENT_ECO, INDOOR_TEMPERATURE FROM RUN_STATE_TBL "
                     "WHERE MAC_ADDRESS=?",
                     {mac}, out);
}

int32_t CDbRunStateTbl::SelectAll(std::vector<CDbRunStateData>& out) {
    return QueryRows("SELECT MAC_ADDRESS, DATE, USE_TIME, ELECTRICITY_BILL, INDOOR_TEMPERATURE, "
                     "OUTDOOR_TEMPERATURE, ABSENT_ECO, INDOOR_TEMPERATURE FROM RUN_STATE_TBL",
                     {}, out);
}

int32_t CDbRunStateTbl::SumBill(std::string_view mac, std::string_view firstDate,
                                std::string_view lastDate, int32_t& total, int32_t& count) {
    std::vector<DbSumRow> rows;
    int32_t rc = 0;
    if (mac.empty()) {
        rc = QueryRows("SELECT SUM(ELECTRICITY_BILL), COUNT(*) FROM RUN_STATE_TBL "
                       "WHERE DATE>=? AND DATE<=?",
                       {firstDate, lastDate}, rows);
    } else {
        rc = QueryRows("SELECT SUM(ELECTRICITY_BILL), COUNT(*) FROM RUN_STATE_TBL "
                       "WHERE MAC_ADDRESS=? AND DATE>=? AND DATE<=?",
                       {mac, firstDate, lastDate}, rows);
    }
    if (rc != 0) {
        return rc;
    }
    total = rows.empty() ? 0 : rows.front().total;
    count = rows.empty() ? 0 : rows.front().count;
    return 0;
}
