#include "FixedClock.h"
#include "data/CDataManagerConvert.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

constexpr std::array<uint8_t, 8> kMac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x6F, 0x70};

class DataManagerConvertTest : public ::testing::Test {
protected:
    static LogCapture& Log() {
        static LogCapture capture;
        return capture;
    }
    void SetUp() override { Log().Clear(); }

    static std::array<uint8_t, 30> Identity(const char* model, uint8_t room) {
        std::array<uint8_t, 30> identity{};
        std::memcpy(identity.data(), model, std::min<size_t>(std::strlen(model), 20));
        std::copy(kMac.begin(), kMac.end(), identity.begin() + 20);
        identity[28] = room;
        return identity;
    }
    // A variant-A record every byte of which is acceptable.
    static std::array<uint8_t, 12> GoodA() { return {3, 1, 2, 0, 1, 0, 1, 1, 2, 27, 2, 1}; }
    static std::array<uint8_t, 20> GoodB() {
        return {3, 1, 3, 0, 1, 0, 1, 1, 2, 0, 2, 1, 20, 30, 40, 1, 0x07, 0x23, 0x00, 0xFF};
    }
    static std::array<uint8_t, 24> GoodC() {
        return {3,  1,  3,  0, 1,    0,    1,    1,    2, 0,    2,    0xFF,
                20, 99, 40, 1, 0x07, 0x23, 0x00, 0xFF, 1, 0xFF, 0xFF, 0};
    }
    static std::array<uint8_t, 11> Log(uint8_t y1, uint8_t y2, uint8_t m, uint8_t d, uint8_t back) {
        return {y1, y2, m, d, back, 12, 0x01, 0x2C, 22, 0x7F, 0};
    }

    FixedClock m_clock{2015, 3, 14, 9, 26, 53};
    CDataManagerConvert m_convert{m_clock};
};

TEST_F(DataManagerConvertTest, IdentityBecomesModelRowDatedNow) {
    const auto identity = Identity("RAS-221JDR", 0x30);
    CDbModelInfoData row;
    ASSERT_TRUE(m_convert.Convert_AirconInfo_DeviceToDB(identity.data(), &row));
    EXPECT_EQ(row.model, "RAS-221JDR");
    EXPECT_EQ(row.macAddress, "001A2B3C4D5E6F70");
    EXPECT_EQ(row.roomCode, "B");
    EXPECT_EQ(row.getDate, "2015/03/14 09:26:53");
    EXPECT_EQ(row.roomNumber, 0);
    const auto lines = Log().Take();
    EXPECT_TRUE(LogCapture::HasInOrder(
        lines, "-----  CDataManagerConvert::Convert_AirconInfo_DeviceToDB Start.  -----",
        "-----  CDataManagerConvert::Convert_AirconInfo_DeviceToDB End.  -----"));
}

TEST_F(DataManagerConvertTest, UnknownRoomCodeIsRefusedWithBothLines) {
    const auto identity = Identity("X", 0x60);
    CDbModelInfoData row;
    EXPECT_FALSE(m_convert.Convert_AirconInfo_DeviceToDB(identity.data(), &row));
    const auto lines = Log().Take();
    EXPECT_TRUE(LogCapture::HasInOrder(lines, " Data Error. [0x60]", " Room Error. [0x60]"));
    EXPECT_FALSE(LogCapture::Has(
        lines, "-----  CDataManagerConvert::Convert_AirconInfo_DeviceToDB End.  -----"));
}

TEST_F(DataManagerConvertTest, EveryRoomCodeOfTheTable) {
    const std::pair<uint8_t, const char*> table[] = {{0x10, "L"}, {0x20, "C"}, {0x30, "B"},
                                                     {0x40, "J"}, {0x50, "D"}, {0x80, "O"}};
    for (const auto& [code, letter] : table) {
        std::string out;
        ASSERT_TRUE(m_convert.RoomInfo_DeviceToDB(code, &out)) << int(code);
        EXPECT_EQ(out, letter);
    }
    std::string out;
    EXPECT_FALSE(m_convert.RoomInfo_DeviceToDB(0x00, &out));
    EXPECT_FALSE(m_convert.RoomInfo_DeviceToDB(0x11, &out));
}

TEST_F(DataManagerConvertTest, MacRoundTripsAndRejectsNonHex) {
    std::string text;
    ASSERT_TRUE(m_convert.MacAddr_DeviceToDB(kMac.data(), &text));
    EXPECT_EQ(text, "001A2B3C4D5E6F70");
    std::array<uint8_t, 8> back{};
    ASSERT_TRUE(m_convert.MacAddr_DBToDevice(text, back.data()));
    EXPECT_EQ(back, kMac);
    EXPECT_FALSE(m_convert.MacAddr_DBToDevice("001A2B3C4D5E6F7", back.data()));
    EXPECT_FALSE(m_convert.MacAddr_DBToDevice("001A2B3C4D5E6FZ0", back.data()));
    EXPECT_FALSE(m_convert.MacAddr_DeviceToDB(nullptr, &text));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " Param Error."));
}

TEST_F(DataManagerConvertTest, ModelTextTakesTwentyBytesOrStopsAtZero) {
    std::array<uint8_t, 30> identity = Identity("", 0x10);
    std::memset(identity.data(), 'A', 20); // no terminator inside the 20 bytes
    CDbModelInfoData row;
    ASSERT_TRUE(m_convert.Convert_AirconInfo_DeviceToDB(identity.data(), &row));
    EXPECT_EQ(row.model, std::string(20, 'A'));

    identity[5] = 0;
    ASSERT_TRUE(m_convert.Convert_AirconInfo_DeviceToDB(identity.data(), &row));
    EXPECT_EQ(row.model, "AAAAA");
}

TEST_F(DataManagerConvertTest, ModelTextIsDecodedFromCp932) {
    // "ｴｱｺﾝ" in half-width katakana (single bytes) and "冷房" in double bytes.
    const uint8_t bytes[20] = {0xB4, 0xB1, 0xBA, 0xDD, 0x97, 0xE2, 0x96, 0x5B};
    std::string text;
    ASSERT_TRUE(m_convert.charToTCHAR(bytes, &text));
    EXPECT_EQ(text, "ｴｱｺﾝ冷房");
}

TEST_F(DataManagerConvertTest, UndecodableModelBytesDoNotRefuseTheUnit) {
    // A lead byte cut off by the 20-byte limit, a byte CP932 leaves unassigned
    // and a lead byte with an impossible trail byte: the unit still registers,
    // every good character survives and each bad byte shows as "?".
    uint8_t broken[20];
    std::memset(broken, 'A', 19);
    broken[19] = 0x83;
    std::string text;
    ASSERT_TRUE(m_convert.charToTCHAR(broken, &text));
    EXPECT_EQ(text, std::string(19, 'A') + "?");

    const uint8_t mixed[20] = {'R', 0x80, 0x97, 0xE2, 0x85, 0x40, 'Z'};
    ASSERT_TRUE(m_convert.charToTCHAR(mixed, &text));
    EXPECT_EQ(text, "R?冷?@Z");

    auto identity = Identity("", 0x10);
    std::memcpy(identity.data(), broken, 20);
    CDbModelInfoData row;
    ASSERT_TRUE(m_convert.Convert_AirconInfo_DeviceToDB(identity.data(), &row));
    EXPECT_EQ(row.model, std::string(19, 'A') + "?");
    EXPECT_EQ(row.macAddress, "001A2B3C4D5E6F70");
    EXPECT_FALSE(LogCapture::Has(Log().Take(), " Aircon Info Error."));
}

TEST_F(DataManagerConvertTest, SettingsVariantAFillsItsColumnsOnly) {
    const auto record = GoodA();
    CDbSettingInfoData row;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.macAddress, "001A2B3C4D5E6F70");
    EXPECT_EQ(row.values[kVolume], 3);
    EXPECT_EQ(row.values[kCurrentSwitch], 1);
    EXPECT_EQ(row.values[kEleBillDisplay], 2);
    EXPECT_EQ(row.values[kEleBillPlice], 27);
    EXPECT_EQ(row.values[kMaintenance], 1);
    EXPECT_EQ(row.values[kRemoconSensor], -1);
    EXPECT_EQ(row.values[kEleBillPlice1], -1);
    EXPECT_EQ(row.values[kSideFan], -1);
}

// Every byte of every settings variant against the values it accepts: each
// probed value is either stored (0xFF as 255, BCD hours decoded) or refused
// with that byte's own error line.
struct SettingByte {
    SettingColumn column;
    const char* name;
    bool (*accepts)(int value);
};

bool Range(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
bool Volume(int v) {
    return Range(v, 0, 7) || v == 0xFF;
}
bool ZeroOne(int v) {
    return Range(v, 0, 1);
}
bool ZeroOneFF(int v) {
    return Range(v, 0, 1) || v == 0xFF;
}
bool ZeroToTwo(int v) {
    return Range(v, 0, 2);
}
bool ZeroToTwoFF(int v) {
    return Range(v, 0, 2) || v == 0xFF;
}
bool ZeroToThree(int v) {
    return Range(v, 0, 3);
}
bool ZeroOrTwo(int v) {
    return v == 0 || v == 2;
}
bool OneToThree(int v) {
    return Range(v, 1, 3);
}
bool Price50(int v) {
    return Range(v, 1, 50);
}
bool Price50FF(int v) {
    return Range(v, 1, 50) || v == 0xFF;
}
bool Price99FF(int v) {
    return Range(v, 1, 99) || v == 0xFF;
}
int BcdHour(int v) {
    return (v >> 4) * 10 + (v & 0x0F);
}
bool Hour(int v) {
    return v == 0xFF || BcdHour(v) <= 23;
}

const SettingByte kBytesA[] = {
    {kVolume, "Volume", Volume},
    {kVoice, "Voice", ZeroOneFF},
    {kEcoSwitch, "AutoSave", ZeroToTwo},
    {kInternalClean, "InsideClean", ZeroOne},
    {kPlasmaIon, "PlasmaIcon", ZeroOne},
    {kEnergyFan, "ConservationFan", ZeroOne},
    {kAutomaticPowerful, "AutoPowerful", ZeroOne},
    {kCurrentSwitch, "CurrentSwitch", ZeroOne},
    {kEleBillDisplay, "MainBodyDisplay", ZeroToTwo},
    {kEleBillPlice, "EleBillPlice", Price50},
    {kInstPos, "InstalledPosition", OneToThree},
    {kMaintenance, "FilterCleanInterval", ZeroToTwo},
};

const SettingByte kBytesB[] = {
    {kVolume, "Volume", Volume},
    {kVoice, "Voice", ZeroOneFF},
    {kEcoSwitch, "AutoSave", ZeroToThree},
    {kInternalClean, "InsideClean", ZeroOne},
    {kPlasmaIon, "PlasmaIcon", ZeroOne},
    {kEnergyFan, "ConservationFan", ZeroOne},
    {kAutomaticPowerful, "AutoPowerful", ZeroOne},
    {kRemoconSensor, "RemocpnSensor", ZeroOne},
    {kEleBillDisplay, "MainBodyDisplay", ZeroOrTwo},
    {kReceivingMode, "ReseivingMode", ZeroOne},
    {kInstPos, "InstalledPosition", OneToThree},
    {kMaintenance, "FilterCleanInterval", ZeroToTwo},
    {kEleBillPlice1, "EleBillPlice1", Price50FF},
    {kEleBillPlice2, "EleBillPlice2", Price50FF},
    {kEleBillPlice3, "EleBillPlice3", Price50FF},
    {kEleBillPatern, "EleBillPatern", ZeroToTwo},
    {kEleBillTime1_1, "EleBillTime1_1", Hour},
    {kEleBillTime1_2, "EleBillTime1_2", Hour},
    {kEleBillTime2_1, "EleBillTime2_1", Hour},
    {kEleBillTime2_2, "EleBillTime2_2", Hour},
};

const SettingByte kBytesC[] = {
    {kVolume, "Volume", Volume},
    {kVoice, "Voice", ZeroOneFF},
    {kEcoSwitch, "AutoSave", ZeroToThree},
    {kInternalClean, "InsideClean", ZeroOne},
    {kPlasmaIon, "PlasmaIcon", ZeroOne},
    {kEnergyFan, "ConservationFan", ZeroOne},
    {kAutomaticPowerful, "AutoPowerful", ZeroOne},
    {kRemoconSensor, "RemocpnSensor", ZeroOne},
    {kEleBillDisplay, "MainBodyDisplay", ZeroOrTwo},
    {kReceivingMode, "ReseivingMode", ZeroOne},
    {kInstPos, "InstalledPosition", OneToThree},
    {kMaintenance, "FilterCleanInterval", ZeroToTwoFF},
    {kEleBillPlice1, "EleBillPlice1", Price99FF},
    {kEleBillPlice2, "EleBillPlice2", Price99FF},
    {kEleBillPlice3, "EleBillPlice3", Price99FF},
    {kEleBillPatern, "EleBillPatern", ZeroToTwo},
    {kEleBillTime1_1, "EleBillTime1_1", Hour},
    {kEleBillTime1_2, "EleBillTime1_2", Hour},
    {kEleBillTime2_1, "EleBillTime2_1", Hour},
    {kEleBillTime2_2, "EleBillTime2_2", Hour},
    {kOutdoorUnitSound, "OutdoorUnitSound", ZeroOne},
    {kSideFan, "SideFan", ZeroOneFF},
    {kRemoconDisplayTime, "RemoconDisplayTime", ZeroOneFF},
    {kDehumidificationMode, "DehumidificationMode", ZeroOneFF},
};

// Both ends of every accepted range, the BCD hours with and without decimal
// nibbles, and the 0xFF marker with its neighbours.
constexpr int kProbeValues[] = {0,    1,    2,    3,    4,    7,    8,    9,    0x0A, 0x0F, 0x10,
                                0x13, 0x19, 0x1A, 0x1F, 0x20, 0x23, 0x24, 0x29, 0x2A, 0x30, 49,
                                50,   51,   60,   99,   100,  0x7F, 0x80, 0xFE, 0xFF};

template <size_t N, size_t M>
void CheckEveryValueOfEveryByte(const std::array<uint8_t, N>& good, const SettingByte (&bytes)[M],
                                LogCapture& log,
                                bool (CDataManagerConvert::*convert)(const uint8_t*, const uint8_t*,
                                                                     CDbSettingInfoData*) const,
                                const CDataManagerConvert& converter) {
    static_assert(N == M);
    for (size_t index = 0; index < N; ++index) {
        const SettingByte& byte = bytes[index];
        for (const int value : kProbeValues) {
            auto record = good;
            record[index] = static_cast<uint8_t>(value);
            CDbSettingInfoData row;
            log.Clear();
            const bool converted = (converter.*convert)(kMac.data(), record.data(), &row);
            const auto lines = log.Take();
            char error[64];
            std::snprintf(error, sizeof(error), " %s Error. [0x%02x]", byte.name, value);
            if (byte.accepts(value)) {
                ASSERT_TRUE(converted) << byte.name << " " << value;
                const int stored = byte.accepts == Hour && value != 0xFF ? BcdHour(value) : value;
                EXPECT_EQ(row.values[byte.column], stored) << byte.name << " " << value;
            } else {
                ASSERT_FALSE(converted) << byte.name << " " << value;
                EXPECT_TRUE(LogCapture::Has(lines, error)) << error;
            }
        }
    }
}

TEST_F(DataManagerConvertTest, EverySettingsByteAcceptsExactlyItsValues) {
    CheckEveryValueOfEveryByte(GoodA(), kBytesA, Log(),
                               &CDataManagerConvert::Convert_SettingInfo_DeviceToDB, m_convert);
    CheckEveryValueOfEveryByte(GoodB(), kBytesB, Log(),
                               &CDataManagerConvert::Convert_SettingInfo_DeviceBToDB, m_convert);
    CheckEveryValueOfEveryByte(GoodC(), kBytesC, Log(),
                               &CDataManagerConvert::Convert_SettingInfo_DeviceCToDB, m_convert);
}

TEST_F(DataManagerConvertTest, MainBodyDisplayOneOnlyInVariantA) {
    auto a = GoodA();
    a[8] = 1;
    CDbSettingInfoData row;
    EXPECT_TRUE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), a.data(), &row));

    auto b = GoodB();
    b[8] = 1;
    CDbSettingInfoData rowB;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &rowB));
    auto c = GoodC();
    c[8] = 1;
    CDbSettingInfoData rowC;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceCToDB(kMac.data(), c.data(), &rowC));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " MainBodyDisplay Error. [0x01]"));
}

TEST_F(DataManagerConvertTest, UnitPriceSixtyOnlyInVariantC) {
    auto b = GoodB();
    b[12] = 60;
    CDbSettingInfoData rowB;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &rowB));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " EleBillPlice1 Error. [0x3c]"));

    auto c = GoodC();
    c[12] = 60;
    CDbSettingInfoData rowC;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceCToDB(kMac.data(), c.data(), &rowC));
    EXPECT_EQ(rowC.values[kEleBillPlice1], 60);

    b[12] = 0xFF;
    c[12] = 0xFF;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &rowB));
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceCToDB(kMac.data(), c.data(), &rowC));
    EXPECT_EQ(rowB.values[kEleBillPlice1], 255);
    EXPECT_EQ(rowC.values[kEleBillPlice1], 255);
}

TEST_F(DataManagerConvertTest, BcdHoursDecodeWithoutDigitCheck) {
    auto b = GoodB();
    CDbSettingInfoData row;
    b[16] = 0x23;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &row));
    EXPECT_EQ(row.values[kEleBillTime1_1], 23);
    b[16] = 0x1A;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &row));
    EXPECT_EQ(row.values[kEleBillTime1_1], 20);
    b[16] = 0x24;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " EleBillTime1_1 Error. [0x24]"));
}

TEST_F(DataManagerConvertTest, VariantCSpecificValues) {
    auto c = GoodC();
    CDbSettingInfoData row;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceCToDB(kMac.data(), c.data(), &row));
    EXPECT_EQ(row.values[kMaintenance], 255);
    EXPECT_EQ(row.values[kRemoconDisplayTime], 255);
    EXPECT_EQ(row.values[kOutdoorUnitSound], 1);
    EXPECT_EQ(row.values[kCurrentSwitch], -1);
    // 0xFF is a valid filter interval in C only.
    auto b = GoodB();
    b[11] = 0xFF;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceBToDB(kMac.data(), b.data(), &row));
    c[20] = 0xFF; // outdoor-unit sound knows no 0xFF
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceCToDB(kMac.data(), c.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " OutdoorUnitSound Error. [0xff]"));
}

TEST_F(DataManagerConvertTest, FirstBadByteStopsAndVolumeLogsDataErrorFirst) {
    auto a = GoodA();
    a[0] = 8; // volume out of range
    a[1] = 5; // voice too, but it is never looked at
    CDbSettingInfoData row;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), a.data(), &row));
    const auto lines = Log().Take();
    EXPECT_TRUE(LogCapture::HasInOrder(lines, " Data Error. [0x08]", " Volume Error. [0x08]"));
    EXPECT_FALSE(LogCapture::Has(lines, " Voice Error. [0x05]"));

    a = GoodA();
    a[0] = 0xFF;
    ASSERT_TRUE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), a.data(), &row));
    EXPECT_EQ(row.values[kVolume], 255);
    a[9] = 51;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), a.data(), &row));
    a[9] = 0;
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), a.data(), &row));
}

TEST_F(DataManagerConvertTest, LogRecordBecomesRunStateRow) {
    const auto record = Log(0x20, 0x13, 0x05, 0x01, 3);
    CDbRunStateData row;
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.macAddress, "001A2B3C4D5E6F70");
    EXPECT_EQ(row.date, "20130428");
    EXPECT_EQ(row.useTime, 120);
    EXPECT_EQ(row.electricityBill, 300);
    EXPECT_EQ(row.indoorTemperature, 22);
    EXPECT_EQ(row.outdoorTemperature, 127);
    EXPECT_EQ(row.absentEco, 0);
}

TEST_F(DataManagerConvertTest, DaysBackEdges) {
    CDbRunStateData row;
    auto record = Log(0x20, 0x13, 0x05, 0x01, 0xFF);
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.date, "20130501");
    // 31 April is 1 May; two days back is 29 April.
    record = Log(0x20, 0x13, 0x04, 0x31, 2);
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.date, "20130429");
    // Back across a year end and a leap day.
    record = Log(0x20, 0x12, 0x03, 0x01, 1);
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.date, "20120229");
    record = Log(0x20, 0x14, 0x01, 0x02, 254);
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.date, "20130423");
}

TEST_F(DataManagerConvertTest, ImpossibleReferenceDatesAreRefused) {
    CDbRunStateData row;
    auto record = Log(0x21, 0x00, 0x01, 0x01, 0);
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::HasInOrder(Log().Take(), " Year Error. [2100]", " LogDate Error."));
    record = Log(0x20, 0x13, 0x13, 0x01, 0);
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " Month Error. [13]"));
    record = Log(0x20, 0x13, 0x01, 0x32, 0);
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " Day Error. [32]"));
    // A hex digit ends the number: 0x1A reads as 1.
    record = Log(0x20, 0x13, 0x1A, 0x01, 0);
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.date, "20130101");
    // An unset clock in the remote controller: year 0.
    record = Log(0x00, 0x00, 0x01, 0x01, 0);
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " LogDate Error."));
}

TEST_F(DataManagerConvertTest, UseTimeBillTemperatureAndEcoLimits) {
    CDbRunStateData row;
    auto record = Log(0x20, 0x13, 0x05, 0x01, 0);
    record[5] = 144;
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.useTime, 1440);
    record[5] = 145;
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " DriveTime Error. [0x91]"));

    record = Log(0x20, 0x13, 0x05, 0x01, 0);
    record[6] = 0x27;
    record[7] = 0x0F;
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.electricityBill, 9999);
    record[7] = 0x10;
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::HasInOrder(Log().Take(), " Data Error. [10000]",
                                       " Electricity Bill Error. [0x27 10]"));

    record = Log(0x20, 0x13, 0x05, 0x01, 0);
    record[8] = 0x7F;
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.indoorTemperature, 127);
    record[8] = static_cast<uint8_t>(-40);
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.indoorTemperature, -40);
    record[8] = 0x3D;
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " RoomTemp Error. [0x3d]"));
    record[8] = 20;
    record[9] = static_cast<uint8_t>(-50);
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " OutsideTemp Error. [0xffffffce]"));

    record[9] = 10;
    record[10] = 0xFF;
    ASSERT_TRUE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_EQ(row.absentEco, 255);
    record[10] = 2;
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), record.data(), &row));
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " AbsenceECO Error. [0x02]"));
}

TEST_F(DataManagerConvertTest, NullArgumentsAreParamErrors) {
    CDbRunStateData row;
    const auto record = Log(0x20, 0x13, 0x05, 0x01, 0);
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(nullptr, record.data(), &row));
    EXPECT_FALSE(m_convert.Convert_LogData_DeviceToDB(kMac.data(), nullptr, &row));
    EXPECT_FALSE(m_convert.Convert_SettingInfo_DeviceToDB(kMac.data(), record.data(), nullptr));
    EXPECT_FALSE(m_convert.Convert_AirconInfo_DeviceToDB(nullptr, nullptr));
    const auto lines = Log().Take();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " Param Error."), 4);
}

} // namespace
