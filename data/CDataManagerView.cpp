// The view side of CDataManager: the month grid, the period totals, the
// target level and the unit list with its selection.
#include "data/CDataManager.h"

#include "model/CCalendarDate.h"
#include "resources/CStringTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

std::string MonthText(int32_t year, int32_t month) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%04d%02d", year, month);
    return buffer;
}

// Texts of a day without values: not yet over, or over without any data.
void SetFutureTexts(CEleBillDayInfo& cell) {
    cell.billText.clear();
    cell.useTimeShort.clear();
    cell.useTimeLong.clear();
    cell.temperatureText.clear();
}

void SetNoDataTexts(CEleBillDayInfo& cell) {
    cell.billText = std::string(CStringTable::Text(StringId::kNoBill));
    cell.useTimeShort = std::string(CStringTable::Text(StringId::kNoUseTime));
    cell.useTimeLong = cell.useTimeShort;
    cell.temperatureText = std::string(CStringTable::Text(StringId::kNoValue));
    cell.partial = false;
}

void SetUseTimeTexts(CEleBillDayInfo& cell, int32_t minutes) {
    if (minutes == 0) {
        cell.useTimeShort = CStringTable::Format(StringId::kHoursFormat, 0);
        cell.useTimeLong = CStringTable::Format(StringId::kMinutesFormat, 0);
    } else if (minutes < 60) {
        cell.useTimeShort = CStringTable::Format(StringId::kMinutesFormat, minutes);
        cell.useTimeLong = cell.useTimeShort;
    } else {
        cell.useTimeShort =
            CStringTable::Format(StringId::kHoursFormat, ((minutes * 10) / 60 + 5) / 10);
        cell.useTimeLong =
            CStringTable::Format(StringId::kHoursMinutesFormat, minutes / 60, minutes % 60);
    }
}

// Mean of the readings that are not 127, in tenths truncated toward zero.
// Readings are whole degrees, so the sum stays exact in integers and the
// tenth digit never suffers from float rounding.
std::string TemperatureText(const std::vector<ELE_BILL_DEV_DAY_INFO>& entries) {
    int32_t sum = 0;
    int32_t count = 0;
    for (const ELE_BILL_DEV_DAY_INFO& entry : entries) {
        const auto value = static_cast<int32_t>(entry.outdoorTemperature);
        if (value != 127) {
            sum += value;
            ++count;
        }
    }
    if (count == 0) {
        return "127.0";
    }
    const int32_t tenths = (sum * 10) / count;
    const int32_t magnitude = std::abs(tenths);
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%s%d.%d", sum < 0 ? "-" : "", magnitude / 10,
                  magnitude % 10);
    return buffer;
}

} // namespace

int32_t CDataManager::CheckDateChange(bool& changed, int32_t& milliseconds) {
    const std::time_t now = m_clock.Now();
    const CCalendarDate today = CCalendarDate::FromTime(now);
    const bool unset = m_todayYear == 0 && m_todayMonth == 0 && m_todayDay == 0;
    if (unset) {
        m_viewYear = today.year;
        m_viewMonth = today.month;
    }
    changed = unset || today != CCalendarDate{m_todayYear, m_todayMonth, m_todayDay};
    if (changed) {
        m_todayYear = today.year;
        m_todayMonth = today.month;
        m_todayDay = today.day;
    }
    // Midnight of tomorrow found through the calendar, so a day of 23 or 25
    // hours still ends at 00:00.
    const CCalendarDate tomorrow = today.Next();
    std::tm local{};
    local.tm_year = tomorrow.year - 1900;
    local.tm_mon = tomorrow.month - 1;
    local.tm_mday = tomorrow.day;
    local.tm_isdst = -1;
    const std::time_t nextMidnight = std::mktime(&local);
    const std::time_t seconds = nextMidnight - now;
    milliseconds =
        seconds >= 0 && seconds < 4294968 ? static_cast<int32_t>(seconds * 1000) : kNoTimer;
    return milliseconds;
}

bool CDataManager::AddViewYear(int32_t delta) {
    const int32_t year = m_viewYear + delta;
    if (year < kMinViewYear || year > kMaxViewYear || year == m_viewYear) {
        return false;
    }
    m_viewYear = year;
    RefreshViewData();
    return true;
}

bool CDataManager::SetViewYear(int32_t year) {
    if (year < kMinViewYear || year > kMaxViewYear || year == m_viewYear) {
        return false;
    }
    m_viewYear = year;
    RefreshViewData();
    return true;
}

bool CDataManager::SetViewMonth(int32_t month) {
    if (month == m_viewMonth) {
        return false;
    }
    if (month >= 1 && month <= 12) {
        m_viewMonth = month;
        RefreshViewData();
        return true;
    }
    if (month == 0) {
        if (!SetViewYear(m_viewYear - 1)) {
            return false;
        }
        m_viewMonth = 12;
        RefreshViewData();
        return true;
    }
    if (month == 13) {
        if (!AddViewYear(1)) {
            return false;
        }
        m_viewMonth = 1;
        RefreshViewData();
        return true;
    }
    return false;
}

bool CDataManager::ShowCurrentMonth() {
    if (m_todayYear < kFirstSupportedYear || m_todayYear > kLastSupportedYear) {
        return false;
    }
    SetViewYear(m_todayYear);
    SetViewMonth(m_todayMonth);
    RefreshViewData();
    return true;
}

void CDataManager::SetCurrentPage(int32_t pageId) {
    m_currentPage = pageId;
    // The key as the graph last showed it: a rebuild below, run with the graph
    // page already current, copies the new unit into the key, and comparing
    // with that would keep the previous unit's scale for a different unit.
    const std::optional<std::string> shownKey = m_graphDeviceKey;
    if (pageId != kPageSettingsCheck && m_requestedSelection != m_appliedSelection) {
        RefreshViewData();
    }
    if (pageId == kPageGraph) {
        const std::string mac = AppliedMac();
        if (mac != shownKey) {
            m_graphScale = m_autoGraphScale;
        }
        m_graphDeviceKey = mac;
    }
}

void CDataManager::AddGraphScale(int32_t delta) {
    m_graphScale = std::clamp(m_graphScale + delta, 0, kGraphScaleCount - 1);
}

int32_t CDataManager::GetGraphScaleYen() const {
    return kGraphScaleYen[static_cast<size_t>(m_graphScale)] * ScaleUnits();
}

int32_t CDataManager::ScaleUnits() const {
    if (m_appliedSelection != kAllAircons) {
        return 1;
    }
    return m_remoConList.empty() ? 1 : static_cast<int32_t>(m_remoConList.size());
}

std::string CDataManager::AppliedMac() const {
    if (m_appliedSelection < 0 || m_appliedSelection >= GetRemoConCount()) {
        return {};
    }
    return m_remoConList[static_cast<size_t>(m_appliedSelection)].macAddress;
}

bool CDataManager::SetRequestedSelection(int32_t selection) {
    if (selection != kAllAircons && (selection < 0 || selection >= GetRemoConCount())) {
        return false;
    }
    m_requestedSelection = selection;
    return true;
}

void CDataManager::GetToday(int32_t& year, int32_t& month, int32_t& day) const {
    year = m_todayYear;
    month = m_todayMonth;
    day = m_todayDay;
}

void CDataManager::RefreshViewData() {
    // A selection that no longer names a listed unit shows all units rather
    // than reading past the list.
    m_appliedSelection = m_requestedSelection >= 0 && m_requestedSelection < GetRemoConCount()
                             ? m_requestedSelection
                             : kAllAircons;
    m_firstDayIndex = -1;
    m_days.clear();

    const int32_t daysInMonth = GetDaysInMonth(m_viewYear, m_viewMonth);
    if (daysInMonth < 0) {
        return;
    }
    const CCalendarDate first{m_viewYear, m_viewMonth, 1};
    const CCalendarDate last{m_viewYear, m_viewMonth, daysInMonth};
    const CCalendarDate today{m_todayYear, m_todayMonth, m_todayDay};
    const int32_t leading = first.Weekday();
    const int32_t trailing = 6 - last.Weekday();

    std::vector<CEleBillDayInfo> days;
    days.reserve(42);
    const int64_t firstCell = first.DayNumber() - leading;
    const int64_t lastCell = last.DayNumber() + trailing;
    for (int64_t number = firstCell; number <= lastCell; ++number) {
        const CCalendarDate date = CCalendarDate::FromDayNumber(number);
        CEleBillDayInfo cell;
        cell.year = date.year;
        cell.month = date.month;
        cell.day = date.day;
        cell.inMonth = date.year == m_viewYear && date.month == m_viewMonth;
        cell.past = date < today;
        days.push_back(std::move(cell));
    }
    m_firstDayIndex = leading;

    int32_t largest = 0;
    FillDays(days, largest);
    m_days = std::move(days);

    const int32_t units = ScaleUnits();
    m_autoGraphScale = kGraphScaleCount - 1;
    for (int32_t i = 0; i < kGraphScaleCount; ++i) {
        if (largest < kGraphScaleYen[static_cast<size_t>(i)] * units) {
            m_autoGraphScale = i;
            break;
        }
    }

    const PeriodTotal month =
        SumPeriod(m_viewYear, m_viewMonth, 1, m_viewYear, m_viewMonth, daysInMonth);
    m_monthTotal = month.total;
    m_monthIncomplete = month.incomplete;
    const int32_t previousYear = m_viewMonth == 1 ? m_viewYear - 1 : m_viewYear;
    const int32_t previousMonth = m_viewMonth == 1 ? 12 : m_viewMonth - 1;
    const PeriodTotal periods[4] = {
        SumPeriod(previousYear, previousMonth, 1, previousYear, previousMonth,
                  GetDaysInMonth(previousYear, previousMonth)),
        SumPeriod(m_viewYear - 1, m_viewMonth, 1, m_viewYear - 1, m_viewMonth,
                  GetDaysInMonth(m_viewYear - 1, m_viewMonth)),
        SumPeriod(m_viewYear, 1, 1, m_viewYear, 12, 31),
        SumPeriod(m_viewYear - 1, 1, 1, m_viewYear - 1, 12, 31),
    };
    for (size_t i = 0; i < 4; ++i) {
        m_periodTexts[i] = FormatYen(periods[i].total);
        m_periodIncomplete[i] = periods[i].incomplete;
    }

    if (m_currentPage == kPageGraph) {
        // Another unit on the graph takes its own fitting scale, as opening
        // the graph for it would; the same unit keeps the chosen scale.
        const std::string mac = AppliedMac();
        if (mac != m_graphDeviceKey) {
            m_graphScale = m_autoGraphScale;
        }
        m_graphDeviceKey = mac;
    }

    m_monthTarget = 0;
    int32_t target = 0;
    if (m_db.GetTargetEleBillSum(AppliedMac(), MonthText(m_viewYear, m_viewMonth), target) == 0) {
        m_monthTarget = target;
    }
    UpdateTargetLevel();
    UpdateForecast();
}

void CDataManager::UpdateTargetLevel() {
    m_targetLevel = 0;
    if (m_monthTarget < 1) {
        return;
    }
    const double fifth = m_monthTarget / 5.0;
    for (int32_t i = 0; i < 5; ++i) {
        if (m_monthTotal < fifth * (i + 1)) {
            m_targetLevel = 5 - i;
            return;
        }
    }
}

// The date range of a period, clipped to yesterday: the running day's log is
// not complete, so today is never counted. False when nothing of it is over.
static bool ClipToPast(const CCalendarDate& today, const CCalendarDate& first,
                       CCalendarDate& last) {
    if (!(first < today)) {
        return false;
    }
    if (!(last < today)) {
        last = today.Previous();
    }
    return true;
}

void CDataManager::FillDays(std::vector<CEleBillDayInfo>& days, int32_t& largestInMonth) {
    largestInMonth = 0;
    if (days.empty()) {
        return;
    }
    const CCalendarDate today{m_todayYear, m_todayMonth, m_todayDay};
    const CCalendarDate first{days.front().year, days.front().month, days.front().day};
    CCalendarDate last{days.back().year, days.back().month, days.back().day};
    const int64_t firstNumber = first.DayNumber();
    const size_t expected = m_appliedSelection == kAllAircons ? m_remoConList.size() : 1;

    if (ClipToPast(today, first, last)) {
        const std::string firstText = first.Text();
        const std::string lastText = last.Text();
        std::vector<CDbRunStateData> rows;
        for (size_t i = 0; i < m_remoConList.size(); ++i) {
            if (m_appliedSelection != kAllAircons &&
                static_cast<int32_t>(i) != m_appliedSelection) {
                continue;
            }
            if (m_db.GetRunStateRange(m_remoConList[i].macAddress, firstText, lastText, rows) !=
                0) {
                continue;
            }
            for (const CDbRunStateData& row : rows) {
                CCalendarDate date;
                if (!CCalendarDate::Parse(row.date, date)) {
                    continue;
                }
                const int64_t offset = date.DayNumber() - firstNumber;
                if (offset < 0 || offset >= static_cast<int64_t>(days.size())) {
                    continue;
                }
                days[static_cast<size_t>(offset)].entries.push_back(
                    {row.electricityBill, row.useTime, static_cast<float>(row.outdoorTemperature),
                     static_cast<int32_t>(i)});
            }
        }
    }

    for (CEleBillDayInfo& cell : days) {
        if (!cell.past) {
            SetFutureTexts(cell);
            continue;
        }
        if (cell.entries.empty()) {
            SetNoDataTexts(cell);
            continue;
        }
        int32_t total = 0;
        int32_t minutes = 0;
        for (const ELE_BILL_DEV_DAY_INFO& entry : cell.entries) {
            total += entry.bill;
            minutes += entry.useTime;
        }
        cell.partial = cell.entries.size() < expected;
        if (cell.inMonth && total > largestInMonth) {
            largestInMonth = total;
        }
        cell.billText = FormatYen(total);
        SetUseTimeTexts(cell, minutes);
        cell.temperatureText = TemperatureText(cell.entries);
    }
}

CDataManager::PeriodTotal CDataManager::SumPeriod(int32_t firstYear, int32_t firstMonth,
                                                  int32_t firstDay, int32_t lastYear,
                                                  int32_t lastMonth, int32_t lastDay) {
    PeriodTotal result;
    const CCalendarDate today{m_todayYear, m_todayMonth, m_todayDay};
    const CCalendarDate first{firstYear, firstMonth, firstDay};
    CCalendarDate last{lastYear, lastMonth, lastDay};
    if (lastDay < 1 || !ClipToPast(today, first, last)) {
        return result;
    }
    int32_t total = 0;
    int32_t count = 0;
    // A failed query is shown as 0 and marked incomplete, like a period
    // without data, rather than as a figure that might be wrong.
    if (m_db.GetEleBillSum(AppliedMac(), first.Text(), last.Text(), total, count) != 0) {
        return result;
    }
    // The list holds every registered unit, so the totals expect exactly the
    // units the calendar and the graph show.
    const int64_t units =
        m_appliedSelection == kAllAircons ? static_cast<int64_t>(m_remoConList.size()) : 1;
    const int64_t expected = (last.DayNumber() - first.DayNumber() + 1) * units;
    result.total = total;
    result.incomplete = count != expected;
    return result;
}

void CDataManager::LoadRemoConList() {
    std::string selectedMac;
    if (m_requestedSelection >= 0 && m_requestedSelection < GetRemoConCount()) {
        selectedMac = m_remoConList[static_cast<size_t>(m_requestedSelection)].macAddress;
    }
    m_db.GetRemoConInfo(m_remoConList);
    m_requestedSelection = kAllAircons;
    if (!selectedMac.empty()) {
        for (size_t i = 0; i < m_remoConList.size(); ++i) {
            if (m_remoConList[i].macAddress == selectedMac) {
                m_requestedSelection = static_cast<int32_t>(i);
                break;
            }
        }
    }
    if (m_selectFirst) {
        if (!m_remoConList.empty()) {
            m_requestedSelection = 0;
        }
        m_selectFirst = false;
    }

    std::string getDate;
    if (m_requestedSelection >= 0) {
        getDate = m_remoConList[static_cast<size_t>(m_requestedSelection)].getDate;
    } else {
        // All units: the earliest registration, since the units' logs are
        // only complete together from the first registration on. Normalised
        // to "/" first so both spellings of the stored date compare alike.
        for (const CRemoConInfo& unit : m_remoConList) {
            std::string candidate = unit.getDate;
            std::replace(candidate.begin(), candidate.end(), '-', '/');
            if (!candidate.empty() && (getDate.empty() || candidate < getDate)) {
                getDate = candidate;
            }
        }
    }
    m_aggregationLabel.clear();
    if (!getDate.empty()) {
        std::replace(getDate.begin(), getDate.end(), '-', '/');
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        if (std::sscanf(getDate.c_str(), "%d/%d/%d %d:%d:%d", &year, &month, &day, &hour, &minute,
                        &second) >= 3) {
            m_aggregationLabel = CStringTable::Format(StringId::kAggregationLabel, month, day);
        }
    }
}

void CDataManager::SetMonthTarget(int32_t yen) {
    // A target outside what the import accepts would make the unit's data
    // impossible to carry over to another installation; it is not taken.
    if (m_appliedSelection == kAllAircons || yen < 0 || yen > kMaxMonthTarget) {
        return;
    }
    m_monthTarget = yen;
    CDbEleBillTgtData row;
    row.macAddress = AppliedMac();
    row.month = MonthText(m_viewYear, m_viewMonth);
    row.target = yen;
    m_db.SetTargetEleBillInfo(row);
    UpdateTargetLevel();
    UpdateForecast();
}
