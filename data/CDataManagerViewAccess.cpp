// The read-only accessors of CDataManager's view state and its calendar and
// money formatting helpers.
#include "data/CDataManager.h"

#include "model/CCalendarDate.h"
#include "resources/CStringTable.h"

#include <algorithm>
#include <cstdio>

bool CDataManager::IsTargetEditable() const {
    if (m_requestedSelection == kAllAircons) {
        return false;
    }
    return CCalendarDate{m_viewYear, m_viewMonth, 1} >= CCalendarDate{m_todayYear, m_todayMonth, 1};
}

bool CDataManager::HasPartialDay(int32_t pageId) const {
    return std::any_of(m_days.begin(), m_days.end(), [pageId](const CEleBillDayInfo& cell) {
        return cell.partial && (pageId == kPageCalendar || cell.inMonth);
    });
}

void CDataManager::GetTotalText(int32_t kind, std::string& text, bool& incomplete) const {
    if (kind < 0 || kind > 4) {
        text.clear();
        incomplete = true;
        return;
    }
    text = kind == 0 ? FormatYen(m_monthTotal) : m_periodTexts[static_cast<size_t>(kind - 1)];
    incomplete = kind == 0 ? m_monthIncomplete : m_periodIncomplete[static_cast<size_t>(kind - 1)];
    const size_t yen = text.find(CStringTable::Text(StringId::kYen));
    if (yen != std::string::npos) {
        text.resize(yen);
    }
}

bool CDataManager::GetRemoConNames(int32_t index, std::string& model, std::string& room,
                                   bool& connected) const {
    if (index >= GetRemoConCount()) {
        return true;
    }
    if (index < 0) {
        room = m_allRemoCon.roomName;
        return true;
    }
    const CRemoConInfo& unit = m_remoConList[static_cast<size_t>(index)];
    model = unit.model;
    room = unit.roomName;
    connected = unit.connected;
    return true;
}

std::optional<CRemoConInfo> CDataManager::GetRemoCon(int32_t index) const {
    if (index < 0 || index >= GetRemoConCount()) {
        return std::nullopt;
    }
    return m_remoConList[static_cast<size_t>(index)];
}

std::optional<CRemoConInfo> CDataManager::GetSelectedRemoCon() const {
    if (m_requestedSelection == kAllAircons) {
        return m_allRemoCon;
    }
    return GetRemoCon(m_requestedSelection);
}

std::optional<CEleBillDayInfo> CDataManager::GetDayInfo(int32_t index) const {
    if (m_firstDayIndex < 0 || index < 0 || index >= GetDayCount()) {
        return std::nullopt;
    }
    return m_days[static_cast<size_t>(index)];
}

int32_t CDataManager::GetMonthDayCount() const {
    if (m_firstDayIndex < 0) {
        return 0;
    }
    int32_t count = 0;
    for (size_t i = static_cast<size_t>(m_firstDayIndex); i < m_days.size() && m_days[i].inMonth;
         ++i) {
        ++count;
    }
    return count;
}

CEleBillDayInfo CDataManager::GetOneDayInfo(int32_t year, int32_t month, int32_t day) {
    std::vector<CEleBillDayInfo> days(1);
    CEleBillDayInfo& cell = days.front();
    cell.year = year;
    cell.month = month;
    cell.day = day;
    if (GetWeekday(year, day, month) == kInvalidDate) {
        return cell;
    }
    cell.past =
        CCalendarDate{year, month, day} < CCalendarDate{m_todayYear, m_todayMonth, m_todayDay};
    int32_t largest = 0;
    FillDays(days, largest);
    return days.front();
}

void CDataManager::GetPreviousDay(int32_t& year, int32_t& month, int32_t& day) {
    const CCalendarDate previous = CCalendarDate{year, month, day}.Previous();
    year = previous.year;
    month = previous.month;
    day = previous.day;
}

int32_t CDataManager::GetWeekday(int32_t year, int32_t day, int32_t month) {
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31) {
        return kInvalidDate;
    }
    return CCalendarDate{year, month, day}.Weekday();
}

int32_t CDataManager::GetDaysInMonth(int32_t year, int32_t month) {
    if (year < kMinViewYear || year > kMaxViewYear) {
        return kInvalidDate;
    }
    return CCalendarDate::DaysInMonth(year, month);
}

std::string CDataManager::GetWeekdayName(int32_t weekday) {
    static constexpr int32_t kIds[7] = {
        StringId::kSunday,   StringId::kMonday, StringId::kTuesday, StringId::kWednesday,
        StringId::kThursday, StringId::kFriday, StringId::kSaturday};
    if (weekday < 0 || weekday > 6) {
        return {};
    }
    return std::string(CStringTable::Text(kIds[weekday]));
}

std::string CDataManager::FormatYen(int32_t yen) {
    std::string digits;
    int64_t value = yen;
    while (value > 999) {
        char group[8];
        std::snprintf(group, sizeof(group), ",%03d", static_cast<int>(value % 1000));
        digits.insert(0, group);
        value /= 1000;
    }
    digits.insert(0, std::to_string(value));
    return CStringTable::Format(StringId::kYenFormat, digits.c_str());
}
