#include "db/CDbSettingInfoTbl.h"

#include "db/DbRowShapes.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 10> kGroup1Add = {
    "ALTER TABLE SETTING_INFO_TBL ADD REMOCON_SENSOR INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD RECEIVING_MODE INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_PLICE1 INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_PLICE2 INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_PLICE3 INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_PATERN INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_TIME1_1 INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_TIME1_2 INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_TIME2_1 INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD ELEBILL_TIME2_2 INT DEFAULT -1",
};

constexpr std::array<std::string_view, 4> kGroup2Add = {
    "ALTER TABLE SETTING_INFO_TBL ADD OUTDOOR_UNIT_SOUND INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD SIDEFAN INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD REMOCON_DISPLAY_TIME INT DEFAULT -1",
    "ALTER TABLE SETTING_INFO_TBL ADD DEHUMIDIFICATION_MODE INT DEFAULT -1",
};

} // namespace

int32_t CDbSettingInfoTbl::Upgrade() {
    if (Execute("ALTER TABLE SETTING_INFO_TBL ALTER COLUMN REMOCON_SENSOR INT") != 0) {
        for (const auto statement : kGroup1Add) {
            if (Execute(statement) != 0) {
                return 1;
            }
        }
    }
    if (Execute("ALTER TABLE SETTING_INFO_TBL ALTER COLUMN OUTDOOR_UNIT_SOUND INT") == 0) {
        return 0;
    }
    for (const auto statement : kGroup2Add) {
        if (Execute(statement) != 0) {
            return 1;
        }
    }
    return 0;
}

int32_t CDbSettingInfoTbl::Create() {
    return Execute(
        "CREATE TABLE SETTING_INFO_TBL (MAC_ADDRESS\t\t\tNVARCHAR(16),ELEBILL_DISPLAY\t\tINT,"
        "ECO_SWITCH\t\t\tINT,PLASMA_ION\t\t\tINT,VOICE\t\t\t\tINT,VOLUME\t\t\t\tINT,"
        "INTERNAL_CLEAN\t\tINT,CURRENT_SWITCH\t\tINT,ELEBILL_PLICE\t\tINT,ENERGY_FAN\t\t\tINT,"
        "AUTOMATIC_POWERFUL\tINT,INST_POS\t\t\t\tINT,MAINTENANCE\t\t\tINT,REMOCON_SENSOR\t\tINT,"
        "RECEIVING_MODE\t\tINT,ELEBILL_PLICE1\t\tINT,ELEBILL_PLICE2\t\tINT,ELEBILL_PLICE3\t\tINT,"
        "ELEBILL_PATERN\t\tINT,ELEBILL_TIME1_1\t\tINT,ELEBILL_TIME1_2\t\tINT,"
        "ELEBILL_TIME2_1\t\tINT,ELEBILL_TIME2_2\t\tINT,PRIMARY KEY (MAC_ADDRESS),"
        "OUTDOOR_UNIT_SOUND\t\tINT,SIDEFAN\t\t\t\t\tINT,REMOCON_DISPLAY_TIME\t\tINT,"
        "DEHUMIDIFICATION_MODE\tINT)");
}

int32_t CDbSettingInfoTbl::Execute26(std::string_view sql, std::string_view mac,
                                     const SettingValues& v, bool macFirst) {
    if (macFirst) {
        return Execute(sql, {mac,   v[0],  v[1],  v[2],  v[3],  v[4],  v[5],  v[6],  v[7],
                             v[8],  v[9],  v[10], v[11], v[12], v[13], v[14], v[15], v[16],
                             v[17], v[18], v[19], v[20], v[21], v[22], v[23], v[24], v[25]});
    }
    return Execute(sql, {v[0],  v[1],  v[2],  v[3],  v[4],  v[5],  v[6],  v[7],  v[8],
                         v[9],  v[10], v[11], v[12], v[13], v[14], v[15], v[16], v[17],
                         v[18], v[19], v[20], v[21], v[22], v[23], v[24], v[25], mac});
}

int32_t CDbSettingInfoTbl::Insert(const CDbSettingInfoData& record) {
    return Execute26("INSERT INTO SETTING_INFO_TBL VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                     "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     record.macAddress, record.values, true);
}

int32_t CDbSettingInfoTbl::Update(const CDbSettingInfoData& record) {
    return Execute26(
        "UPDATE SETTING_INFO_TBL SET ELEBILL_DISPLAY=?, ECO_SWITCH=?, PLASMA_ION=?, VOICE=?, "
        "VOLUME=?, INTERNAL_CLEAN=?, CURRENT_SWITCH=?, ELEBILL_PLICE=?, ENERGY_FAN=?, "
        "AUTOMATIC_POWERFUL=?, INST_POS=?, MAINTENANCE=?, REMOCON_SENSOR=?, RECEIVING_MODE=?, "
        "ELEBILL_PLICE1=?, ELEBILL_PLICE2=?, ELEBILL_PLICE3=?, ELEBILL_PATERN=?, "
        "ELEBILL_TIME1_1=?, ELEBILL_TIME1_2=?, ELEBILL_TIME2_1=?, ELEBILL_TIME2_2=?, "
        "OUTDOOR_UNIT_SOUND=?, SIDEFAN=?, REMOCON_DISPLAY_TIME=?, DEHUMIDIFICATION_MODE=? "
        "WHERE MAC_ADDRESS=?",
        record.macAddress, record.values, false);
}

int32_t CDbSettingInfoTbl::Delete(std::string_view mac) {
    return Execute("DELETE FROM SETTING_INFO_TBL WHERE MAC_ADDRESS=?", {mac});
}

int32_t CDbSettingInfoTbl::SelectOne(std::string_view mac, std::vector<CDbSettingInfoData>& out) {
    return QueryRows("SELECT * FROM SETTING_INFO_TBL WHERE MAC_ADDRESS=?", {mac}, out);
}

int32_t CDbSettingInfoTbl::SelectAll(std::vector<CDbSettingInfoData>& out) {
    return QueryRows("SELECT * FROM SETTING_INFO_TBL", {}, out);
}
