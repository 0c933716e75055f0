#pragma once

#include "data/CEleBillDayInfo.h"
#include "data/CMonthForecast.h"
#include "data/CSystemClock.h"
#include "data/IConnectErrorReceiver.h"
#include "db/CDbAccess.h"
#include "link/CSerialPortManager.h"
#include "link/IRemoconDataReceiver.h"
#include "model/CCsvDataInfo.h"
#include "model/CRemoConInfo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The application's one business object. Owns the database facade, the port
// manager, the list of registered air conditioners and the state every bill
// view reads (selection, viewed month, calendar grid, totals, target).
//
// Registration side: reads the remote controllers (Update4Remocon), receives
// what the port manager read (SetRemoconData), validates every row before it
// reaches the database (the four setters, also the import's write path) and
// deletes units. View side: rebuilds the month's day grid and totals from the
// database whenever the month, the selection or the data change; the views only
// read the results.
//
// Not thread-safe: the UI thread and the progress dialog's worker use it one at
// a time (the UI waits in the modal dialog while the worker runs).
class CDataManager : public IRemoconDataReceiver {
public:
    // Page ids the view side compares against.
    static constexpr int32_t kPageMenu = 2;
    static constexpr int32_t kPageSelectDevice = 9;
    static constexpr int32_t kPageCalendar = 20;
    static constexpr int32_t kPageGraph = 26;
    static constexpr int32_t kPageSettingsCheck = 29;

    static constexpr int32_t kAllAircons = -1;
    static constexpr int32_t kMaxUnits = 7;
    static constexpr int32_t kMinViewYear = 100;
    static constexpr int32_t kMaxViewYear = 9999;
    static constexpr int32_t kMaxMonthTarget = 50000;
    static constexpr int32_t kGraphScaleCount = 4;
    static constexpr std::array<int32_t, kGraphScaleCount> kGraphScaleYen = {100, 200, 500, 1000};

    // Result codes. Initialize, the four setters and DeleteModelData answer
    // kOk (0) or kFailed (1), the database's codes; 1 is a failure there. The
    // per-unit readers answer the other way round: kRead (1) is their success.
    static constexpr int32_t kOk = CDbAccess::kOk;
    static constexpr int32_t kFailed = CDbAccess::kFailed;
    static constexpr int32_t kUnitLimit = CDbAccess::kUnitLimit; // SetModelInfo
    static constexpr int32_t kRead = 1;
    static constexpr int32_t kNotRead = 0;
    static constexpr int32_t kNoDevicePaths = -1; // RefreshAfterPortRemoval
    static constexpr int32_t kNoTimer = -1;       // CheckDateChange
    static constexpr int32_t kInvalidDate = -1;   // GetWeekday, GetDaysInMonth

    explicit CDataManager(const IClock& clock = CSystemClock::Instance(),
                          CSerialPortManager::Options portOptions = {});
    ~CDataManager() override;
    CDataManager(const CDataManager&) = delete;
    CDataManager& operator=(const CDataManager&) = delete;

    // Opens the database (the default location, or `databasePath`) and links
    // the port manager back to this object. kOk ready; kFailed (1) failure.
    int32_t Initialize();
    int32_t Initialize(const std::string& databasePath);

    // --- Registration -----------------------------------------------------

    // Receiver of connect errors (not owned; null: nobody is told).
    void SetConnectErrorReceiver(IConnectErrorReceiver* receiver) { m_connectErrors = receiver; }

    // Reads every plugged-in remote controller, stores what they sent, frees
    // the ports no longer present, reloads the unit list and the view data.
    // A port that fails goes to the connect-error receiver before the next port
    // is read. Always kOk.
    int32_t Update4Remocon();

    // From the port manager: converts and stores one record (the kRemocon*
    // codes of IRemoconDataReceiver.h).
    int32_t SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) override;

    // Validate, then store: kOk; kFailed (1) invalid or failed. SetModelInfo
    // also kUnitLimit (seven units already registered). SetRunStateInfo: kOk
    // also when the day lies before 2010 and is dropped. SetTargetEleBillInfo:
    // the month must be "YYYYMM" of 2010..2099.
    int32_t SetModelInfo(const CDbModelInfoData& record);
    int32_t SetSettingInfo(const CDbSettingInfoData& record);
    int32_t SetRunStateInfo(const CDbRunStateData& record);
    int32_t SetTargetEleBillInfo(const CDbEleBillTgtData& record);

    // Deletes the unit from all four tables (no rollback of a partial delete),
    // then reloads the list and rebuilds. kOk all deleted; kFailed (1) no MAC
    // or a delete failed.
    int32_t DeleteModelData(const std::string& mac);

    // Sets each listed unit's connected flag from the port manager.
    void RefreshConnectedFlags();
    // After removed ports: clears their in-use flags, refreshes the connected
    // flags and frees the ports not in use. kOk; kNoDevicePaths for an empty
    // list.
    int32_t RefreshAfterPortRemoval(const std::vector<std::string>& devicePaths);

    // Per-unit readers for the export: clear the array, fill it for `mac`.
    // kRead (1) success; kNotRead (0) failure or no MAC.
    int32_t ReadModelInfo(const std::string& mac);
    int32_t ReadSettingInfo(const std::string& mac);
    int32_t ReadRunStateInfo(const std::string& mac);
    int32_t ReadTargetEleBillInfo(const std::string& mac);
    const std::vector<CDbModelInfoData>& GetModelInfoArray() const { return m_modelInfos; }
    const std::vector<CDbSettingInfoData>& GetSettingInfoArray() const { return m_settingInfos; }
    const std::vector<CDbRunStateData>& GetRunStateArray() const { return m_runStates; }
    const std::vector<CDbEleBillTgtData>& GetTargetArray() const { return m_targets; }

    // The CSV rows of one unit for year 0 (all) or 2010..2099 and month 0
    // (whole year) or 1..12, into the CSV array. False: bad arguments or a
    // database failure.
    bool MakeCsvData(const std::string& mac, int32_t year, int32_t month);
    const std::vector<CCsvDataInfo>& GetCsvDataArray() const { return m_csvData; }

    // --- Views ------------------------------------------------------------

    // Notices a new local day (changed = true on the first call and whenever
    // the date moved). Result: milliseconds to the next local midnight, or
    // kNoTimer when that does not fit a 32-bit timer.
    int32_t CheckDateChange(bool& changed, int32_t& milliseconds);

    bool AddViewYear(int32_t delta);
    bool SetViewYear(int32_t year);
    // 1..12; 0 and 13 step into the neighbouring year.
    bool SetViewMonth(int32_t month);
    // Only while today lies in 2010..2099.
    bool ShowCurrentMonth();
    void SetCurrentPage(int32_t pageId);
    void AddGraphScale(int32_t delta);

    void RefreshViewData();
    void LoadRemoConList();
    // One air conditioner only: stores the target (0..kMaxMonthTarget yen) of
    // the viewed month.
    void SetMonthTarget(int32_t yen);
    bool IsTargetEditable() const;
    bool HasPartialDay(int32_t pageId) const;
    // kind 0 month, 1 previous month, 2 same month last year, 3 view year,
    // 4 previous year; the text without its "円".
    void GetTotalText(int32_t kind, std::string& text, bool& incomplete) const;

    bool GetRemoConNames(int32_t index, std::string& model, std::string& room,
                         bool& connected) const;
    std::optional<CRemoConInfo> GetRemoCon(int32_t index) const;
    std::optional<CRemoConInfo> GetSelectedRemoCon() const;
    std::optional<CEleBillDayInfo> GetDayInfo(int32_t index) const;
    int32_t GetMonthDayCount() const;
    CEleBillDayInfo GetOneDayInfo(int32_t year, int32_t month, int32_t day);
    static void GetPreviousDay(int32_t& year, int32_t& month, int32_t& day);
    // 0 = Sunday; kInvalidDate for a date with year < 1900, month outside 1..12
    // or day outside 1..31.
    static int32_t GetWeekday(int32_t year, int32_t day, int32_t month);
    // 28..31; kInvalidDate for a year outside 100..9999 or a month outside 1..12.
    static int32_t GetDaysInMonth(int32_t year, int32_t month);
    static std::string GetWeekdayName(int32_t weekday);
    // 1234567 -> "1,234,567円"
    static std::string FormatYen(int32_t yen);

    // Plain state the views read.
    int32_t GetRequestedSelection() const { return m_requestedSelection; }
    // -1 (all) or a list index; anything else is refused (false).
    bool SetRequestedSelection(int32_t selection);
    int32_t GetAppliedSelection() const { return m_appliedSelection; }
    int32_t GetViewYear() const { return m_viewYear; }
    int32_t GetViewMonth() const { return m_viewMonth; }
    void GetToday(int32_t& year, int32_t& month, int32_t& day) const;
    int32_t GetMonthTotal() const { return m_monthTotal; }
    bool IsMonthIncomplete() const { return m_monthIncomplete; }
    int32_t GetMonthTarget() const { return m_monthTarget; }
    // Where the viewed month's bill is heading, for the applied selection
    // against the month's target: only while the viewed month holds today,
    // and only with enough recent days (CMonthForecast).
    const std::optional<CMonthForecast>& GetForecast() const { return m_forecast; }
    int32_t GetTargetLevel() const { return m_targetLevel; }
    const std::string& GetAggregationLabel() const { return m_aggregationLabel; }
    int32_t GetLeftPage() const { return m_leftPage; }
    void SetLeftPage(int32_t pageId) { m_leftPage = pageId; }
    int32_t GetCurrentPage() const { return m_currentPage; }
    int32_t GetGraphScale() const { return m_graphScale; }
    int32_t GetAutoGraphScale() const { return m_autoGraphScale; }
    // Yen at the top of the graph for the current scale and applied selection.
    int32_t GetGraphScaleYen() const;
    int32_t GetFirstDayIndex() const { return m_firstDayIndex; }
    int32_t GetDayCount() const { return static_cast<int32_t>(m_days.size()); }
    int32_t GetRemoConCount() const { return static_cast<int32_t>(m_remoConList.size()); }
    const std::vector<CRemoConInfo>& GetRemoConList() const { return m_remoConList; }

    CDbAccess& Db() { return m_db; }
    CSerialPortManager& PortManager() { return m_portManager; }

private:
    struct PeriodTotal {
        int32_t total = 0;
        bool incomplete = true;
    };

    void FreeUnusedPorts();
    // Steps of the rebuild.
    void FillDays(std::vector<CEleBillDayInfo>& days, int32_t& largestInMonth);
    PeriodTotal SumPeriod(int32_t firstYear, int32_t firstMonth, int32_t firstDay, int32_t lastYear,
                          int32_t lastMonth, int32_t lastDay);
    void UpdateTargetLevel();
    // The forecast of the viewed month when it holds today; none otherwise.
    void UpdateForecast();
    std::string AppliedMac() const;
    int32_t ScaleUnits() const;

    const IClock& m_clock;
    IConnectErrorReceiver* m_connectErrors = nullptr;

    // View state.
    bool m_selectFirst = true;
    int32_t m_todayYear = 0;
    int32_t m_todayMonth = 0;
    int32_t m_todayDay = 0;
    int32_t m_viewYear = 0;
    int32_t m_viewMonth = 0;
    int32_t m_monthTarget = 0;
    int32_t m_targetLevel = 0;
    int32_t m_monthTotal = 0;
    bool m_monthIncomplete = true;
    std::array<std::string, 4> m_periodTexts; // previous month .. previous year
    std::array<bool, 4> m_periodIncomplete = {true, true, true, true};
    std::string m_aggregationLabel;
    std::optional<CMonthForecast> m_forecast;
    std::vector<CRemoConInfo> m_remoConList;
    CRemoConInfo m_allRemoCon;
    int32_t m_requestedSelection = kAllAircons;
    int32_t m_appliedSelection = kAllAircons;
    int32_t m_leftPage = -1;
    int32_t m_currentPage = -1;
    // The unit the graph last showed (empty: all air conditioners); none until
    // the graph has been shown, so its first showing always takes the fitting
    // scale, also for all air conditioners, whose key is empty too.
    std::optional<std::string> m_graphDeviceKey;
    int32_t m_graphScale = 0;
    int32_t m_autoGraphScale = 0;
    std::vector<CEleBillDayInfo> m_days;
    int32_t m_firstDayIndex = -1;

    CDbAccess m_db;
    CSerialPortManager m_portManager;

    // Filled by the per-unit readers for the export.
    std::vector<CDbModelInfoData> m_modelInfos;
    std::vector<CDbSettingInfoData> m_settingInfos;
    std::vector<CDbRunStateData> m_runStates;
    std::vector<CDbEleBillTgtData> m_targets;
    // Rows of the CSV file being written (MakeCsvData).
    std::vector<CCsvDataInfo> m_csvData;
};
