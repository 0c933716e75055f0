#include "data/CDataManagerConvert.h"

#include "debuglog/AppLog.h"
#include "model/CCalendarDate.h"
#include "util/CTextCodec.h"
#include "util/Cp932Text.h"
#include "util/Utf8.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void LogStart(const char* name) {
    AppLog().Write("-----  CDataManagerConvert::%s Start.  -----", name);
}

void LogEnd(const char* name) {
    AppLog().Write("-----  CDataManagerConvert::%s End.  -----", name);
}

void LogParamError() {
    AppLog().Write(" Param Error.");
}

// Accepted-value checks of the settings bytes; each stores the integer that
// goes into the column (0xFF as 255).
using Acceptor = bool (*)(uint8_t raw, int32_t& value);

bool In(uint8_t raw, int32_t lo, int32_t hi) {
    return raw >= lo && raw <= hi;
}

bool Accept01(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 0, 1);
}
bool Accept01FF(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 0, 1) || raw == 0xFF;
}
bool Accept012(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 0, 2);
}
bool Accept012FF(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 0, 2) || raw == 0xFF;
}
bool Accept0123(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 0, 3);
}
bool Accept02(uint8_t raw, int32_t& value) {
    value = raw;
    return raw == 0 || raw == 2;
}
bool Accept123(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 1, 3);
}
bool Accept1To50(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 1, 50);
}
bool Accept1To50FF(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 1, 50) || raw == 0xFF;
}
bool Accept1To99FF(uint8_t raw, int32_t& value) {
    value = raw;
    return In(raw, 1, 99) || raw == 0xFF;
}
// Hours in BCD. The nibbles are not checked to be decimal digits: 0x1A reads
// as 20 and passes, exactly as the remote controller's own firmware treats it.
bool AcceptBcdHourFF(uint8_t raw, int32_t& value) {
    if (raw == 0xFF) {
        value = 255;
        return true;
    }
    value = (raw >> 4) * 10 + (raw & 0x0F);
    return value >= 0 && value <= 23;
}

struct SettingStep {
    size_t byteIndex;
    SettingColumn column;
    Acceptor accept; // null: the volume conversion
    const char* errorName;
};

constexpr SettingStep kStepsA[] = {
    {0, kVolume, nullptr, "Volume"},
    {1, kVoice, Accept01FF, "Voice"},
    {2, kEcoSwitch, Accept012, "AutoSave"},
    {3, kInternalClean, Accept01, "InsideClean"},
    {4, kPlasmaIon, Accept01, "PlasmaIcon"},
    {5, kEnergyFan, Accept01, "ConservationFan"},
    {6, kAutomaticPowerful, Accept01, "AutoPowerful"},
    {7, kCurrentSwitch, Accept01, "CurrentSwitch"},
    {8, kEleBillDisplay, Accept012, "MainBodyDisplay"},
    {9, kEleBillPlice, Accept1To50, "EleBillPlice"},
    {10, kInstPos, Accept123, "InstalledPosition"},
    {11, kMaintenance, Accept012, "FilterCleanInterval"},
};

constexpr SettingStep kStepsB[] = {
    {0, kVolume, nullptr, "Volume"},
    {1, kVoice, Accept01FF, "Voice"},
    {2, kEcoSwitch, Accept0123, "AutoSave"},
    {3, kInternalClean, Accept01, "InsideClean"},
    {4, kPlasmaIon, Accept01, "PlasmaIcon"},
    {5, kEnergyFan, Accept01, "ConservationFan"},
    {6, kAutomaticPowerful, Accept01, "AutoPowerful"},
    {7, kRemoconSensor, Accept01, "RemocpnSensor"},
    {8, kEleBillDisplay, Accept02, "MainBodyDisplay"},
    {9, kReceivingMode, Accept01, "ReseivingMode"},
    {10, kInstPos, Accept123, "InstalledPosition"},
    {11, kMaintenance, Accept012, "FilterCleanInterval"},
    {12, kEleBillPlice1, Accept1To50FF, "EleBillPlice1"},
    {13, kEleBillPlice2, Accept1To50FF, "EleBillPlice2"},
    {14, kEleBillPlice3, Accept1To50FF, "EleBillPlice3"},
    {15, kEleBillPatern, Accept012, "EleBillPatern"},
    {16, kEleBillTime1_1, AcceptBcdHourFF, "EleBillTime1_1"},
    {17, kEleBillTime1_2, AcceptBcdHourFF, "EleBillTime1_2"},
    {18, kEleBillTime2_1, AcceptBcdHourFF, "EleBillTime2_1"},
    {19, kEleBillTime2_2, AcceptBcdHourFF, "EleBillTime2_2"},
};

constexpr SettingStep kStepsC[] = {
    {0, kVolume, nullptr, "Volume"},
    {1, kVoice, Accept01FF, "Voice"},
    {2, kEcoSwitch, Accept0123, "AutoSave"},
    {3, kInternalClean, Accept01, "InsideClean"},
    {4, kPlasmaIon, Accept01, "PlasmaIcon"},
    {5, kEnergyFan, Accept01, "ConservationFan"},
    {6, kAutomaticPowerful, Accept01, "AutoPowerful"},
    {7, kRemoconSensor, Accept01, "RemocpnSensor"},
    {8, kEleBillDisplay, Accept02, "MainBodyDisplay"},
    {9, kReceivingMode, Accept01, "ReseivingMode"},
    {10, kInstPos, Accept123, "InstalledPosition"},
    {11, kMaintenance, Accept012FF, "FilterCleanInterval"},
    {12, kEleBillPlice1, Accept1To99FF, "EleBillPlice1"},
    {13, kEleBillPlice2, Accept1To99FF, "EleBillPlice2"},
    {14, kEleBillPlice3, Accept1To99FF, "EleBillPlice3"},
    {15, kEleBillPatern, Accept012, "EleBillPatern"},
    {16, kEleBillTime1_1, AcceptBcdHourFF, "EleBillTime1_1"},
    {17, kEleBillTime1_2, AcceptBcdHourFF, "EleBillTime1_2"},
    {18, kEleBillTime2_1, AcceptBcdHourFF, "EleBillTime2_1"},
    {19, kEleBillTime2_2, AcceptBcdHourFF, "EleBillTime2_2"},
    {20, kOutdoorUnitSound, Accept01, "OutdoorUnitSound"},
    {21, kSideFan, Accept01FF, "SideFan"},
    {22, kRemoconDisplayTime, Accept01FF, "RemoconDisplayTime"},
    {23, kDehumidificationMode, Accept01FF, "DehumidificationMode"},
};

// Reads "%02x"-formatted bytes back as a decimal number, stopping at the
// first character that is not a digit (so 0x1A reads as 1).
int32_t HexTextAsDecimal(const char* text) {
    int32_t value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
    }
    return value;
}

// The model text is only shown, never a key: a byte CP932 has no character
// for (a stray 0x80, a double-byte character cut by the 20-byte field) turns
// into "?" instead of refusing the identity, which would keep the unit from
// ever being registered. "?" also keeps the stored text exportable as CP932.
std::string DecodeModelText(std::string_view cp932) {
    CTextCodec codec;
    return Cp932ToUtf8Lossy(codec, cp932, kCp932LossPerByte);
}

bool AcceptTemperature(int8_t value) {
    return (value >= -40 && value <= 60) || value == 127;
}

} // namespace

CDataManagerConvert::CDataManagerConvert(const IClock& clock) : m_clock(clock) {}

bool CDataManagerConvert::Convert_AirconInfo_DeviceToDB(const uint8_t* identity,
                                                        CDbModelInfoData* out) const {
    const char* name = "Convert_AirconInfo_DeviceToDB";
    LogStart(name);
    if (identity == nullptr || out == nullptr) {
        LogParamError();
        return false;
    }
    if (!charToTCHAR(identity, &out->model)) {
        AppLog().Write(" Aircon Info Error.");
        return false;
    }
    if (!MacAddr_DeviceToDB(identity + 20, &out->macAddress)) {
        AppLog().Write(" Mac Addr Error.");
        return false;
    }
    if (!RoomInfo_DeviceToDB(identity[28], &out->roomCode)) {
        AppLog().Write(" Room Error. [0x%02x]", identity[28]);
        return false;
    }
    if (!SetNowDateTime(&out->getDate)) {
        AppLog().Write(" DateTime Error.");
        return false;
    }
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::Convert_SettingInfo_DeviceToDB(const uint8_t* mac, const uint8_t* record,
                                                         CDbSettingInfoData* out) const {
    return ConvertSettings("Convert_SettingInfo_DeviceToDB", Variant::A, mac, record, out);
}

bool CDataManagerConvert::Convert_SettingInfo_DeviceBToDB(const uint8_t* mac, const uint8_t* record,
                                                          CDbSettingInfoData* out) const {
    return ConvertSettings("Convert_SettingInfo_DeviceBToDB", Variant::B, mac, record, out);
}

bool CDataManagerConvert::Convert_SettingInfo_DeviceCToDB(const uint8_t* mac, const uint8_t* record,
                                                          CDbSettingInfoData* out) const {
    return ConvertSettings("Convert_SettingInfo_DeviceCToDB", Variant::C, mac, record, out);
}

bool CDataManagerConvert::ConvertSettings(const char* name, Variant variant, const uint8_t* mac,
                                          const uint8_t* record, CDbSettingInfoData* out) const {
    LogStart(name);
    if (mac == nullptr || record == nullptr || out == nullptr) {
        LogParamError();
        return false;
    }
    if (!MacAddr_DeviceToDB(mac, &out->macAddress)) {
        AppLog().Write(" Mac Addr Error.");
        return false;
    }
    const SettingStep* begin = kStepsA;
    const SettingStep* end = std::end(kStepsA);
    if (variant == Variant::B) {
        begin = kStepsB;
        end = std::end(kStepsB);
    } else if (variant == Variant::C) {
        begin = kStepsC;
        end = std::end(kStepsC);
    }
    for (const SettingStep* step = begin; step != end; ++step) {
        const uint8_t raw = record[step->byteIndex];
        int32_t value = 0;
        const bool accepted =
            step->accept == nullptr ? Volume_DeviceToDB(raw, &value) : step->accept(raw, value);
        if (!accepted) {
            AppLog().Write(" %s Error. [0x%02x]", step->errorName, raw);
            return false;
        }
        out->values[step->column] = value;
    }
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::Convert_LogData_DeviceToDB(const uint8_t* mac, const uint8_t* record,
                                                     CDbRunStateData* out) const {
    const char* name = "Convert_LogData_DeviceToDB";
    LogStart(name);
    if (mac == nullptr || record == nullptr || out == nullptr) {
        LogParamError();
        return false;
    }
    if (!MacAddr_DeviceToDB(mac, &out->macAddress)) {
        AppLog().Write(" Mac Addr Error.");
        return false;
    }
    if (!SetLogDate(record, record[4], out)) {
        AppLog().Write(" LogDate Error.");
        return false;
    }
    out->useTime = record[5] * 10;
    if (out->useTime > 1440) {
        AppLog().Write(" DriveTime Error. [0x%02x]", record[5]);
        return false;
    }
    if (!SetElectricityBill(record[6], record[7], out)) {
        AppLog().Write(" Electricity Bill Error. [0x%02x %02x]", record[6], record[7]);
        return false;
    }
    const auto indoor = static_cast<int8_t>(record[8]);
    if (!AcceptTemperature(indoor)) {
        // Sign-extended on purpose: a reading of -50 logs as ffffffce.
        AppLog().Write(" RoomTemp Error. [0x%02x]", static_cast<unsigned>(int32_t{indoor}));
        return false;
    }
    out->indoorTemperature = indoor;
    const auto outdoor = static_cast<int8_t>(record[9]);
    if (!AcceptTemperature(outdoor)) {
        AppLog().Write(" OutsideTemp Error. [0x%02x]", static_cast<unsigned>(int32_t{outdoor}));
        return false;
    }
    out->outdoorTemperature = outdoor;
    const uint8_t absentEco = record[10];
    if (absentEco > 1 && absentEco != 0xFF) {
        AppLog().Write(" AbsenceECO Error. [0x%02x]", absentEco);
        return false;
    }
    out->absentEco = absentEco;
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::MacAddr_DeviceToDB(const uint8_t* mac, std::string* out) const {
    const char* name = "MacAddr_DeviceToDB";
    LogStart(name);
    if (mac == nullptr || out == nullptr) {
        LogParamError();
        return false;
    }
    char text[kMacSize * 2 + 1] = {};
    for (size_t i = 0; i < kMacSize; ++i) {
        std::snprintf(text + i * 2, 3, "%02X", mac[i]);
    }
    out->assign(text, kMacSize * 2);
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::MacAddr_DBToDevice(const std::string& text, uint8_t* mac) const {
    const char* name = "MacAddr_DBToDevice";
    LogStart(name);
    if (mac == nullptr || text.size() != kMacSize * 2) {
        LogParamError();
        return false;
    }
    for (size_t i = 0; i < kMacSize; ++i) {
        int value = 0;
        for (size_t k = 0; k < 2; ++k) {
            const char c = text[i * 2 + k];
            int nibble = -1;
            if (c >= '0' && c <= '9') {
                nibble = c - '0';
            } else if (c >= 'A' && c <= 'F') {
                nibble = c - 'A' + 10;
            } else if (c >= 'a' && c <= 'f') {
                nibble = c - 'a' + 10;
            }
            if (nibble < 0) {
                // A text that is not a MAC must not turn into some other unit's key.
                LogParamError();
                return false;
            }
            value = value * 16 + nibble;
        }
        mac[i] = static_cast<uint8_t>(value);
    }
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::charToTCHAR(const uint8_t* bytes, std::string* out) const {
    const char* name = "charToTCHAR";
    LogStart(name);
    if (bytes == nullptr || out == nullptr) {
        LogParamError();
        return false;
    }
    size_t length = 0;
    while (length < kModelTextBytes && bytes[length] != 0) {
        ++length;
    }
    std::string decoded =
        DecodeModelText(std::string_view(reinterpret_cast<const char*>(bytes), length));
    // At most 20 characters.
    size_t cut = 0;
    for (size_t characters = 0; characters < kModelTextBytes && cut < decoded.size();
         ++characters) {
        cut += Utf8CharAt(decoded, cut).length;
    }
    decoded.resize(cut);
    *out = std::move(decoded);
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::RoomInfo_DeviceToDB(uint8_t code, std::string* out) const {
    const char* name = "RoomInfo_DeviceToDB";
    LogStart(name);
    if (out == nullptr) {
        LogParamError();
        return false;
    }
    const char* letter = nullptr;
    switch (code) {
    case 0x10:
        letter = "L";
        break;
    case 0x20:
        letter = "C";
        break;
    case 0x30:
        letter = "B";
        break;
    case 0x40:
        letter = "J";
        break;
    case 0x50:
        letter = "D";
        break;
    case 0x80:
        letter = "O";
        break;
    default:
        AppLog().Write(" Data Error. [0x%02x]", code);
        return false;
    }
    *out = letter;
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::Volume_DeviceToDB(uint8_t volume, int32_t* out) const {
    const char* name = "Volume_DeviceToDB";
    LogStart(name);
    if (out == nullptr) {
        LogParamError();
        return false;
    }
    if (volume > 7 && volume != 0xFF) {
        AppLog().Write(" Data Error. [0x%02x]", volume);
        return false;
    }
    *out = volume;
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::SetNowDateTime(std::string* out) const {
    const char* name = "SetNowDateTime";
    LogStart(name);
    if (out == nullptr) {
        LogParamError();
        return false;
    }
    const std::time_t now = m_clock.Now();
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return false;
    }
    char text[32];
    if (std::strftime(text, sizeof(text), "%Y/%m/%d %H:%M:%S", &local) != 19) {
        return false;
    }
    *out = text;
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::SetLogDate(const uint8_t* record, uint8_t daysBack,
                                     CDbRunStateData* out) const {
    const char* name = "SetLogDate";
    LogStart(name);
    if (record == nullptr || out == nullptr) {
        LogParamError();
        return false;
    }
    char text[8];
    std::snprintf(text, sizeof(text), "%02x%02x", record[0], record[1]);
    const int32_t year = HexTextAsDecimal(text);
    if (year > kLastSupportedYear) {
        AppLog().Write(" Year Error. [%d]", year);
        return false;
    }
    std::snprintf(text, sizeof(text), "%02x", record[2]);
    const int32_t month = HexTextAsDecimal(text);
    if (month < 1 || month > 12) {
        AppLog().Write(" Month Error. [%d]", month);
        return false;
    }
    std::snprintf(text, sizeof(text), "%02x", record[3]);
    const int32_t day = HexTextAsDecimal(text);
    if (day < 1 || day > 31) {
        AppLog().Write(" Day Error. [%d]", day);
        return false;
    }
    if (year < 1970) {
        // Undated firmware (a BCD year of zero, say): the caller refuses the record.
        return false;
    }
    // Calendar arithmetic rather than seconds: day 31 of a 30-day month rolls
    // into the next month as the day number is linear in the day, and a DST
    // change inside the span cannot shift the result by a day.
    const int64_t reference = CCalendarDate{year, month, day}.DayNumber();
    const int32_t back = daysBack == 0xFF ? 0 : daysBack;
    const std::string date = CCalendarDate::FromDayNumber(reference - back).Text();
    if (date > kLastSupportedDay.Text()) {
        AppLog().Write(" Date Max Error. [%s]", date.c_str());
        return false;
    }
    out->date = date;
    LogEnd(name);
    return true;
}

bool CDataManagerConvert::SetElectricityBill(uint8_t high, uint8_t low,
                                             CDbRunStateData* out) const {
    const char* name = "SetElectricityBill";
    LogStart(name);
    if (out == nullptr) {
        LogParamError();
        return false;
    }
    const int32_t bill = high * 256 + low;
    if (bill > 9999) {
        AppLog().Write(" Data Error. [%d]", bill);
        return false;
    }
    out->electricityBill = bill;
    LogEnd(name);
    return true;
}
