#include "cli/CliReadNotice.h"

#include "data/CDataManager.h"
#include "data/IConnectErrorReceiver.h"

#include <algorithm>

namespace {

std::string Yen(int64_t yen) {
    return CDataManager::FormatYen(static_cast<int32_t>(yen));
}

std::string ReadLine(const CliReadOutcome& outcome) {
    if (outcome.unitsRead > 0 && outcome.daysStored > 0) {
        return std::to_string(outcome.unitsRead) + "台のエアコンから" +
               std::to_string(outcome.daysStored) + "日分を読み込みました。";
    }
    if (outcome.unitsRead > 0) {
        return std::to_string(outcome.unitsRead) + "台のエアコンを読み込みました。";
    }
    return outcome.connectErrors.empty() ? "リモコンが接続されていません。" : "";
}

// The target's part: over already, heading over (on which day), or within.
std::string TargetPart(const CliReadOutcome& outcome) {
    const std::string target = "目標 " + Yen(outcome.target);
    if (outcome.monthTotal > outcome.target) {
        return "（" + target + "を超えています）";
    }
    if (!outcome.forecast) {
        return "（" + target + "）";
    }
    if (!outcome.forecast->overTarget) {
        return "（" + target + "以内）";
    }
    CCalendarDate day;
    if (!CCalendarDate::Parse(outcome.forecast->passesTargetOn, day)) {
        return "（" + target + "を超えそう）";
    }
    return "（" + target + "を超えそう：" + std::to_string(day.month) + "月" +
           std::to_string(day.day) + "日ごろ）";
}

std::string MonthLine(const CliReadOutcome& outcome) {
    if (outcome.registeredUnits <= 0) {
        return {};
    }
    std::string line = "今月 " + Yen(outcome.monthTotal);
    if (outcome.forecast) {
        line += "、見込み 約" + Yen(outcome.forecast->yen);
    }
    if (outcome.target > 0) {
        line += TargetPart(outcome);
    }
    return line;
}

// Each reason once, in the order they happened.
std::string ErrorLine(const std::vector<int32_t>& pictures) {
    if (pictures.empty()) {
        return {};
    }
    std::vector<std::string_view> reasons;
    for (const int32_t picture : pictures) {
        const std::string_view text = ConnectErrorText(picture);
        if (std::find(reasons.begin(), reasons.end(), text) == reasons.end()) {
            reasons.push_back(text);
        }
    }
    std::string line = std::to_string(pictures.size()) + "台のリモコンを読み込めませんでした：";
    for (const std::string_view reason : reasons) {
        line += reason;
    }
    return line;
}

std::string Summary(const CliReadOutcome& outcome) {
    if (outcome.connectErrors.empty()) {
        return outcome.unitsRead > 0 ? "リモコンを読み込みました" : "リモコンが接続されていません";
    }
    return outcome.unitsRead > 0 ? "読み込めなかったリモコンがあります"
                                 : "リモコンを読み込めませんでした";
}

} // namespace

std::string_view ConnectErrorText(int32_t pictureId) {
    switch (pictureId) {
    case kConnectErrorPictureNoMac:
        return "リモコンにデータがありません。エアコンに登録してから接続してください。";
    case kConnectErrorPictureLimit:
        return "登録できるエアコン機種は７台までです。";
    default: // kConnectErrorPictureTimeout, kConnectErrorPictureGeneral
        return "リモコンとの接続に失敗しました。";
    }
}

CliNotice ReadNotice(const CliReadOutcome& outcome) {
    CliNotice notice;
    notice.summary = Summary(outcome);
    notice.body = ReadLine(outcome) + MonthLine(outcome);
    const std::string errors = ErrorLine(outcome.connectErrors);
    if (!errors.empty()) {
        notice.body += (notice.body.empty() ? "" : "\n") + errors;
    }
    return notice;
}
