#include "DataManagerFixture.h"
#include "link/RemoconPayload.h"
#include "sim/CRemoconSimulator.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class RecordingErrors : public IConnectErrorReceiver {
public:
    void ShowConnectError(int32_t pictureId) override { pictures.push_back(pictureId); }
    std::vector<int32_t> pictures;
};

std::array<uint8_t, 8> MacBytes(int n) {
    return {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, static_cast<uint8_t>(n)};
}

class RegistrationTest : public DataManagerFixture {
protected:
    static LogCapture& Log() {
        static LogCapture capture;
        return capture;
    }
    void SetUp() override {
        Log().Clear();
        DataManagerFixture::SetUp();
    }

    // Pointing the manager at a simulator with the given units plugged in.
    void PlugIn(const std::vector<SimUnitConfig>& units) {
        m_sim = std::make_unique<CRemoconSimulator>(m_dir.File("sim"));
        for (const SimUnitConfig& unit : units) {
            std::string error;
            ASSERT_GE(m_sim->AddUnit(unit, error), 0) << error;
        }
        Create(m_sim->SysfsRoot(), m_sim->DevRoot());
        m_manager->SetConnectErrorReceiver(&m_errors);
    }

    static SimUnitConfig Unit(int n) {
        SimUnitConfig unit;
        unit.mac = MacBytes(n);
        unit.model = "SIM-" + std::to_string(n);
        return unit;
    }

    std::vector<CDbRunStateData> RunStates(const std::string& mac) {
        std::vector<CDbRunStateData> rows;
        EXPECT_EQ(m_manager->Db().GetRunStateInfo(rows, mac), 0);
        return rows;
    }

    bool IsRegistered(const std::string& mac) {
        std::vector<CDbModelInfoData> rows;
        EXPECT_EQ(m_manager->Db().GetModelInfo(rows, mac), 0);
        return !rows.empty();
    }

    std::unique_ptr<CRemoconSimulator> m_sim;
    RecordingErrors m_errors;
};

TEST_F(RegistrationTest, NothingPluggedInLeavesEveryUnitDisconnected) {
    AddUnit(1);
    m_manager->SetConnectErrorReceiver(&m_errors);
    EXPECT_EQ(m_manager->Update4Remocon(), 0);
    EXPECT_TRUE(m_errors.pictures.empty());
    ASSERT_EQ(m_manager->GetRemoConCount(), 1);
    EXPECT_FALSE(m_manager->GetRemoCon(0)->connected);
    const auto lines = Log().Take();
    EXPECT_TRUE(LogCapture::HasInOrder(lines, "-----  CDataManager::Update4Remocon Start.  -----",
                                       " GetSerialPort. [0]"));
    EXPECT_TRUE(LogCapture::HasInOrder(
        lines, "-----  CSerialPortManager::FreeUnUsedCommunicationAll End.[0]  -----",
        "-----  CDataManager::Update4Remocon End.[0]  -----"));
}

TEST_F(RegistrationTest, ReadStoresIdentitySettingsAndTheLogDay) {
    SimUnitConfig unit = Unit(1);
    unit.variant = 'C';
    unit.roomCode = 0x40;
    unit.year = 2015;
    unit.month = 3;
    unit.day = 10;
    unit.daysBack = 2;
    unit.bill = 321;
    PlugIn({unit});
    EXPECT_EQ(m_manager->Update4Remocon(), 0);
    EXPECT_TRUE(m_errors.pictures.empty());
    ASSERT_EQ(m_manager->GetRemoConCount(), 1);
    const CRemoConInfo info = *m_manager->GetRemoCon(0);
    EXPECT_EQ(info.macAddress, Mac(1));
    EXPECT_EQ(info.model, "SIM-1");
    EXPECT_EQ(info.roomName, "和室1");
    EXPECT_TRUE(info.connected);
    EXPECT_NE(info.settings[kSideFan], -1); // variant C
    EXPECT_EQ(info.settings[kRemoconDisplayTime], 255);
    const auto rows = RunStates(Mac(1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, "20150308");
    EXPECT_EQ(rows[0].electricityBill, 321);
    // The read also rebuilt the view: 8 March is in the shown month.
    EXPECT_EQ(m_manager->GetMonthTotal(), 321);
}

TEST_F(RegistrationTest, EighthUnitIsRefusedWhileTheOthersAreRead) {
    for (int n = 1; n <= 7; ++n) {
        AddUnit(n);
    }
    SimUnitConfig eighth = Unit(8);
    SimUnitConfig third = Unit(3);
    third.year = 2015;
    third.month = 3;
    third.day = 1;
    third.daysBack = 0;
    PlugIn({eighth, third});
    EXPECT_EQ(m_manager->Update4Remocon(), 0);
    EXPECT_EQ(m_errors.pictures, std::vector<int32_t>{kConnectErrorPictureLimit});
    EXPECT_FALSE(IsRegistered(Mac(8)));
    EXPECT_TRUE(RunStates(Mac(8)).empty());
    std::vector<CDbSettingInfoData> settings;
    ASSERT_EQ(m_manager->Db().GetSettingInfo(settings, Mac(8)), 0);
    EXPECT_TRUE(settings.empty());
    ASSERT_EQ(RunStates(Mac(3)).size(), 1u);
    EXPECT_EQ(m_manager->GetRemoConCount(), 7);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " SetModelInfo Max Regist NG. "));
}

TEST_F(RegistrationTest, EachFailureShowsItsPicture) {
    SimUnitConfig zero = Unit(1);
    zero.fault = SimFault::ZeroMac;
    SimUnitConfig silent = Unit(2);
    silent.fault = SimFault::NoAnswer;
    SimUnitConfig broken = Unit(3);
    broken.fault = SimFault::BadChecksum;
    SimUnitConfig good = Unit(4);
    PlugIn({zero, silent, broken, good});
    EXPECT_EQ(m_manager->Update4Remocon(), 0);
    std::vector<int32_t> pictures = m_errors.pictures;
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(pictures,
              (std::vector<int32_t>{kConnectErrorPictureNoMac, kConnectErrorPictureGeneral,
                                    kConnectErrorPictureTimeout}));
    ASSERT_EQ(m_manager->GetRemoConCount(), 1);
    EXPECT_EQ(m_manager->GetRemoCon(0)->macAddress, Mac(4));
}

TEST_F(RegistrationTest, RemovedPortIsFreedAndItsUnitDisconnected) {
    PlugIn({Unit(1)});
    ASSERT_EQ(m_manager->Update4Remocon(), 0);
    ASSERT_TRUE(m_manager->GetRemoCon(0)->connected);
    EXPECT_EQ(m_manager->RefreshAfterPortRemoval({}), CDataManager::kNoDevicePaths);
    EXPECT_TRUE(m_manager->GetRemoCon(0)->connected);
    const std::string path = m_sim->Unit(0)->DevicePath();
    m_sim->Unplug(0);
    EXPECT_EQ(m_manager->RefreshAfterPortRemoval({path}), CDataManager::kOk);
    EXPECT_FALSE(m_manager->GetRemoCon(0)->connected);
    EXPECT_EQ(m_manager->PortManager().GetPortCount(), 0);
}

TEST_F(RegistrationTest, SetRemoconDataCodes) {
    const auto mac = MacBytes(1);
    PAYLOAD_MSG_RET_AIRCON_INFO identity{};
    std::memcpy(identity.modelName, "M", 1);
    std::memcpy(identity.macAddr, mac.data(), 8);
    identity.roomCode = 0x10;
    EXPECT_EQ(m_manager->SetRemoconData(nullptr, &identity, kRemoconKindAirconInfo),
              kRemoconNoData);
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), nullptr, kRemoconKindAirconInfo),
              kRemoconNoData);
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), &identity, 0), kRemoconConvertFailed);
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), &identity, 6), kRemoconConvertFailed);
    auto lines = Log().Take();
    EXPECT_TRUE(LogCapture::Has(lines, " Param NG. "));
    EXPECT_TRUE(LogCapture::Has(lines, " Kind NG. "));

    // Settings of a unit not registered yet: the database refuses them.
    const uint8_t settingsA[12] = {3, 1, 2, 0, 1, 0, 1, 1, 2, 27, 2, 1};
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), settingsA, kRemoconKindDriveInfo),
              kRemoconStoreFailed);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " SetSettingInfo NG. "));

    identity.roomCode = 0x60;
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), &identity, kRemoconKindAirconInfo),
              kRemoconConvertFailed);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " Convert_AirconInfo_DeviceToDB NG. "));
    identity.roomCode = 0x10;
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), &identity, kRemoconKindAirconInfo),
              kRemoconStored);
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), settingsA, kRemoconKindDriveInfo),
              kRemoconStored);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), "-----  CDataManager::SetRemoconData End.  -----"));

    // A log day from 2009 is dropped quietly; the run goes on.
    const uint8_t oldDay[11] = {0x20, 0x09, 0x12, 0x31, 0x00, 1, 0, 10, 20, 20, 0};
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), oldDay, kRemoconKindLogData), kRemoconStored);
    EXPECT_TRUE(RunStates(Mac(1)).empty());
    const uint8_t badDay[11] = {0x20, 0x13, 0x05, 0x01, 0x00, 200, 0, 10, 20, 20, 0};
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), badDay, kRemoconKindLogData),
              kRemoconConvertFailed);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " Convert_LogData_DeviceToDB NG. "));
}

TEST_F(RegistrationTest, SetRemoconDataNamesTheStepThatFailed) {
    const auto mac = MacBytes(2);
    // One bad byte (an installed position of 0) in each settings variant.
    uint8_t settings[24] = {3,  1,  2,  0, 1, 0, 1, 1,  2, 1, 0, 1,
                            20, 20, 20, 1, 7, 8, 9, 10, 0, 0, 0, 0};
    const std::pair<int32_t, const char*> kinds[] = {
        {kRemoconKindDriveInfo, " Convert_SettingInfo_DeviceToDB NG. "},
        {kRemoconKindDriveInfoB, " Convert_SettingInfo_DeviceBToDB NG. "},
        {kRemoconKindDriveInfoC, " Convert_SettingInfo_DeviceCToDB NG. "},
    };
    for (const auto& [kind, line] : kinds) {
        EXPECT_EQ(m_manager->SetRemoconData(mac.data(), settings, kind), kRemoconConvertFailed)
            << kind;
        const auto lines = Log().Take();
        EXPECT_TRUE(LogCapture::Has(lines, line)) << line;
        EXPECT_FALSE(LogCapture::Has(lines, "-----  CDataManager::SetRemoconData End.  -----"));
    }

    // Converted, but refused by the setter: an identity without a model text,
    // and a log day of a unit that was never registered.
    PAYLOAD_MSG_RET_AIRCON_INFO identity{};
    std::memcpy(identity.macAddr, mac.data(), 8);
    identity.roomCode = 0x20;
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), &identity, kRemoconKindAirconInfo),
              kRemoconStoreFailed);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " SetModelInfo NG. "));
    const uint8_t day[11] = {0x20, 0x15, 0x03, 0x01, 0x00, 6, 0, 50, 20, 20, 0};
    EXPECT_EQ(m_manager->SetRemoconData(mac.data(), day, kRemoconKindLogData), kRemoconStoreFailed);
    EXPECT_TRUE(LogCapture::Has(Log().Take(), " SetRunStateInfo NG. "));
    EXPECT_FALSE(IsRegistered(Mac(2)));
}

TEST_F(RegistrationTest, RunStateDatesAndRanges) {
    const std::string mac = AddUnit(1);
    CDbRunStateData row;
    row.macAddress = mac;
    row.indoorTemperature = 20;
    row.outdoorTemperature = 20;
    row.date = "20091231";
    EXPECT_EQ(m_manager->SetRunStateInfo(row), CDataManager::kOk);
    EXPECT_TRUE(RunStates(mac).empty());
    row.date = "20130229";
    EXPECT_EQ(m_manager->SetRunStateInfo(row), CDataManager::kFailed);
    row.date = "20120229";
    EXPECT_EQ(m_manager->SetRunStateInfo(row), CDataManager::kOk);
    EXPECT_EQ(RunStates(mac).size(), 1u);
    row.date = "21000101";
    EXPECT_EQ(m_manager->SetRunStateInfo(row), CDataManager::kFailed);
    row.date = "2012022";
    EXPECT_EQ(m_manager->SetRunStateInfo(row), CDataManager::kFailed);
    row.date = "20120431";
    EXPECT_EQ(m_manager->SetRunStateInfo(row), CDataManager::kFailed);

    row.date = "20120301";
    const auto refused = [&](auto change) {
        CDbRunStateData copy = row;
        change(copy);
        return m_manager->SetRunStateInfo(copy) == CDataManager::kFailed;
    };
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.useTime = 1441; }));
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.useTime = -1; }));
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.electricityBill = 10000; }));
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.indoorTemperature = 61; }));
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.outdoorTemperature = -41; }));
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.absentEco = 2; }));
    EXPECT_TRUE(refused([](CDbRunStateData& r) { r.macAddress = "0011"; }));
    EXPECT_FALSE(refused([](CDbRunStateData& r) {
        r.useTime = 1440;
        r.electricityBill = 9999;
        r.indoorTemperature = 127;
        r.outdoorTemperature = -40;
        r.absentEco = 255;
    }));
}

TEST_F(RegistrationTest, SettingsVariantDecidesTheUnitPriceLimit) {
    const std::string mac = AddUnit(1);
    CDbSettingInfoData row;
    row.macAddress = mac;
    row.values = {0,  0,  0,  0,  3,  0,  -1, 75, 0,  0,  1,  0,  -1,
                  -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    // Neither current switch, side fan nor unit price 1: no variant at all.
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kFailed);
    row.values[kCurrentSwitch] = 0; // variant A
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kFailed);
    row.values[kCurrentSwitch] = -1;
    row.values[kEleBillPlice1] = 20; // variant B
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kFailed);
    row.values[kSideFan] = 1; // variant C
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kOk);
    row.values[kEleBillPlice] = 100;
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kFailed);
    row.values[kEleBillPlice] = -1;
    row.values[kEleBillTime1_1] = 24;
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kFailed);
    row.values[kEleBillTime1_1] = 255;
    row.values[kVolume] = 8;
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kFailed);
    row.values[kVolume] = 255;
    EXPECT_EQ(m_manager->SetSettingInfo(row), CDataManager::kOk);
}

TEST_F(RegistrationTest, ModelAndTargetValidation) {
    CDbModelInfoData model;
    model.macAddress = Mac(1);
    model.model = "M";
    model.roomCode = "X";
    EXPECT_EQ(m_manager->SetModelInfo(model), CDataManager::kFailed);
    model.roomCode = "LC";
    EXPECT_EQ(m_manager->SetModelInfo(model), CDataManager::kFailed);
    model.roomCode = "O";
    model.model.clear();
    EXPECT_EQ(m_manager->SetModelInfo(model), CDataManager::kFailed);
    model.model = "M";
    model.macAddress = "001122334455660";
    EXPECT_EQ(m_manager->SetModelInfo(model), CDataManager::kFailed);
    model.macAddress = Mac(1);
    EXPECT_EQ(m_manager->SetModelInfo(model), CDataManager::kOk);
    for (int n = 2; n <= 7; ++n) {
        AddUnit(n);
    }
    model.macAddress = Mac(8);
    EXPECT_EQ(m_manager->SetModelInfo(model), CDataManager::kUnitLimit);

    CDbEleBillTgtData target{Mac(1), "201503", 50001};
    EXPECT_EQ(m_manager->SetTargetEleBillInfo(target), CDataManager::kFailed);
    target.target = -1;
    EXPECT_EQ(m_manager->SetTargetEleBillInfo(target), CDataManager::kFailed);
    target.target = 50000;
    target.month = "2015031";
    EXPECT_EQ(m_manager->SetTargetEleBillInfo(target), CDataManager::kFailed);
    target.month = "201503";
    EXPECT_EQ(m_manager->SetTargetEleBillInfo(target), CDataManager::kOk);
}

TEST_F(RegistrationTest, PerUnitReadersFillTheirArrays) {
    const std::string mac = AddUnit(1);
    AddUnit(2);
    AddDay(mac, 2015, 3, 1, 10);
    AddDay(mac, 2015, 3, 2, 20);
    ASSERT_EQ(m_manager->SetTargetEleBillInfo({mac, "201503", 900}), CDataManager::kOk);
    EXPECT_EQ(m_manager->ReadModelInfo(mac), CDataManager::kRead);
    EXPECT_EQ(m_manager->ReadSettingInfo(mac), CDataManager::kRead);
    EXPECT_EQ(m_manager->ReadRunStateInfo(mac), CDataManager::kRead);
    EXPECT_EQ(m_manager->ReadTargetEleBillInfo(mac), CDataManager::kRead);
    EXPECT_EQ(m_manager->GetModelInfoArray().size(), 1u);
    EXPECT_EQ(m_manager->GetSettingInfoArray().size(), 1u);
    EXPECT_EQ(m_manager->GetRunStateArray().size(), 2u);
    ASSERT_EQ(m_manager->GetTargetArray().size(), 1u);
    EXPECT_EQ(m_manager->GetTargetArray()[0].target, 900);
    // No MAC: 0 and the array is emptied, not left with the previous unit.
    EXPECT_EQ(m_manager->ReadRunStateInfo(""), CDataManager::kNotRead);
    EXPECT_TRUE(m_manager->GetRunStateArray().empty());
}

} // namespace
