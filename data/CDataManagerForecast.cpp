#include "data/CDataManager.h"

#include <map>

void CDataManager::UpdateForecast() {
    m_forecast.reset();
    if (m_viewYear != m_todayYear || m_viewMonth != m_todayMonth || m_remoConList.empty()) {
        return;
    }
    const CCalendarDate today{m_todayYear, m_todayMonth, m_todayDay};
    CCalendarDate first = today;
    for (int i = 0; i < CMonthForecast::kRecentDays; ++i) {
        first = first.Previous();
    }
    // One range a unit: last year's weeks before today up to yesterday.
    const std::string firstText = CMonthForecast::YearBefore(first).Text();
    const std::string lastText = today.Previous().Text();
    std::map<int32_t, int64_t> bills;
    std::vector<CDbRunStateData> rows;
    for (size_t i = 0; i < m_remoConList.size(); ++i) {
        if (m_appliedSelection != kAllAircons && static_cast<int32_t>(i) != m_appliedSelection) {
            continue;
        }
        if (m_db.GetRunStateRange(m_remoConList[i].macAddress, firstText, lastText, rows) != 0) {
            continue;
        }
        for (const CDbRunStateData& row : rows) {
            CCalendarDate date;
            if (CCalendarDate::Parse(row.date, date)) {
                bills[date.Key()] += row.electricityBill;
            }
        }
    }
    m_forecast = CMonthForecast::Make(
        today, m_monthTarget, [&bills](const CCalendarDate& date) -> std::optional<int64_t> {
            const auto found = bills.find(date.Key());
            return found == bills.end() ? std::nullopt : std::optional<int64_t>(found->second);
        });
}
