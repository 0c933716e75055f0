#include "resources/art/CPictureTable.h"

#include <algorithm>

namespace {

using K = ArtKind;
using R = ArtRole;
using B = ArtBackdrop;

// One row per picture, by ascending id:
// id, width, height, frames, kind, role, backdrop, variant, labels, plain areas
// clang-format off
constexpr PictureSpec kPictures[] = {
    {129, 48, 48, 1, K::kApplicationIcon, R::kApplication, B::kAlpha, 0, {}, {}},
    {170, 620, 350, 1, K::kAbout, R::kProduct, B::kAlpha, 0, {"おしえて「テヴァロ」", "バージョン情報", "エアコンの電気代を、わかりやすく。"}, {{260, 145, 563, 168}}},
    {171, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 0, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {172, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 1, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {173, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 2, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {174, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 3, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {175, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 4, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {176, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 5, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {177, 1043, 49, 7, K::kDeviceStrip, R::kDeviceDialog, B::kKeyed, 6, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}}},
    {181, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 0, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {182, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 1, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {183, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 2, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {184, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 3, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {185, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 4, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {186, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 5, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {187, 1043, 49, 7, K::kDeviceStrip, R::kDevicePage, B::kKeyed, 6, {}, {{36, 8, 116, 41}, {6, 17, 32, 31}, {113, 10, 137, 34}}},
    {188, 1043, 49, 7, K::kAllDevicesStrip, R::kDevicePage, B::kKeyed, 0, {"全ての", "エアコン"}, {{5, 15, 33, 33}}},
    {192, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 0, {"1"}, {}},
    {193, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 1, {"2"}, {}},
    {194, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 2, {"3"}, {}},
    {195, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 3, {"4"}, {}},
    {196, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 4, {"5"}, {}},
    {197, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 5, {"6"}, {}},
    {198, 52, 14, 2, K::kListIcon, R::kDevicePage, B::kKeyed, 6, {"7"}, {}},
    {199, 84, 18, 3, K::kAllDevicesIcon, R::kDevicePage, B::kKeyed, 0, {}, {}},
    {200, 116, 29, 4, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"▶"}, {}},
    {202, 116, 29, 4, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"◀"}, {}},
    {204, 346, 29, 2, K::kSelectField, R::kCalendar, B::kKeyed, 0, {}, {{14, 0, 140, 25}}},
    {205, 242, 29, 2, K::kSelectField, R::kCalendar, B::kKeyed, 0, {}, {{18, 0, 88, 25}}},
    {206, 116, 84, 4, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"−", "縮小"}, {}},
    {207, 116, 84, 4, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"+", "拡大"}, {}},
    {208, 116, 29, 4, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"▶"}, {}},
    {210, 116, 29, 4, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"◀"}, {}},
    {212, 346, 29, 2, K::kSelectField, R::kGraph, B::kKeyed, 0, {}, {{14, 0, 140, 25}}},
    {213, 242, 29, 2, K::kSelectField, R::kGraph, B::kKeyed, 0, {}, {{18, 0, 88, 25}}},
    {214, 396, 29, 4, K::kSelectField, R::kCalendar, B::kKeyed, 0, {}, {{0, 0, 69, 29}}},
    {215, 396, 29, 4, K::kSelectField, R::kGraph, B::kKeyed, 0, {}, {{0, 0, 69, 29}}},
    {216, 117, 376, 1, K::kBillBox, R::kCalendar, B::kKeyed, 0, {"月の電気代", "前の月", "前年の同じ月", "年間電気代", "前の年", "月目標電気代"}, {{8, 56, 111, 85}, {19, 88, 101, 108}, {8, 130, 111, 150}, {8, 166, 111, 186}, {8, 222, 111, 242}, {8, 260, 111, 280}, {4, 290, 116, 304}}},
    {217, 117, 376, 1, K::kBillBox, R::kGraph, B::kKeyed, 0, {"月の電気代", "前の月", "前年の同じ月", "年間電気代", "前の年", "月目標電気代"}, {{8, 56, 111, 85}, {19, 88, 101, 108}, {8, 130, 111, 150}, {8, 166, 111, 186}, {8, 222, 111, 242}, {8, 260, 111, 280}, {4, 290, 116, 304}}},
    {227, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {228, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {229, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {230, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {231, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {232, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {233, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {234, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {235, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {236, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {237, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {238, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {239, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {240, 48, 24, 2, K::kConnectionMark, R::kDevicePage, B::kKeyed, 0, {}, {}},
    {241, 252, 29, 3, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"リモコン接続"}, {}},
    {242, 495, 29, 3, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"ワンポイントアドバイス"}, {}},
    {243, 252, 29, 3, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"印刷"}, {}},
    {244, 252, 29, 3, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"印刷"}, {}},
    {245, 252, 29, 3, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"リモコン接続"}, {}},
    {246, 495, 29, 3, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"ワンポイントアドバイス"}, {}},
    {247, 252, 29, 3, K::kButtonStrip, R::kSettings, B::kKeyed, 0, {"リモコン接続"}, {}},
    {248, 495, 29, 3, K::kButtonStrip, R::kSettings, B::kKeyed, 0, {"ワンポイントアドバイス"}, {}},
    {249, 252, 29, 3, K::kButtonStrip, R::kSettings, B::kKeyed, 0, {"印刷"}, {}},
    {250, 596, 49, 4, K::kButtonStrip, R::kMenu, B::kKeyed, 0, {"データ複製"}, {}},
    {251, 596, 49, 4, K::kButtonStrip, R::kMenu, B::kKeyed, 0, {"バージョン情報"}, {}},
    {252, 596, 49, 4, K::kButtonStrip, R::kMenu, B::kKeyed, 0, {"機種削除"}, {}},
    {253, 596, 49, 4, K::kButtonStrip, R::kMenu, B::kKeyed, 0, {"CSV書き出し"}, {}},
    {254, 596, 49, 4, K::kButtonStrip, R::kMenu, B::kKeyed, 0, {"ヘルプ"}, {}},
    {255, 596, 49, 4, K::kButtonStrip, R::kMenu, B::kKeyed, 0, {"読み込み"}, {}},
    {256, 404, 190, 1, K::kProgressBackground, R::kProgress, B::kOpaque, 0, {"リモコンからデータを読み込んでいます。", "しばらくお待ちください。"}, {{192, 40, 286, 54}}},
    {257, 336, 29, 4, K::kButtonStrip, R::kSettings, B::kKeyed, 0, {"次へ ▶"}, {}},
    {258, 336, 29, 4, K::kButtonStrip, R::kSettings, B::kKeyed, 0, {"◀ 前へ"}, {}},
    {259, 94, 14, 1, K::kProgressStep, R::kProgress, B::kKeyed, 1, {}, {}},
    {260, 94, 14, 1, K::kProgressStep, R::kProgress, B::kKeyed, 2, {}, {}},
    {261, 94, 14, 1, K::kProgressStep, R::kProgress, B::kKeyed, 3, {}, {}},
    {262, 94, 14, 1, K::kProgressStep, R::kProgress, B::kKeyed, 4, {}, {}},
    {263, 94, 14, 1, K::kProgressStep, R::kProgress, B::kKeyed, 5, {}, {}},
    {268, 336, 29, 4, K::kButtonStrip, R::kDayDialog, B::kKeyed, 0, {"◀ 前の日"}, {}},
    {269, 336, 29, 4, K::kButtonStrip, R::kDayDialog, B::kKeyed, 0, {"次の日 ▶"}, {}},
    {270, 116, 29, 4, K::kButtonStrip, R::kAdvice, B::kKeyed, 0, {"◀"}, {}},
    {271, 116, 29, 4, K::kButtonStrip, R::kAdvice, B::kKeyed, 0, {"▶"}, {}},
    {278, 198, 490, 1, K::kLeftTabHeader, R::kMenu, B::kKeyed, 20, {"エアコン選択", "ファイル管理"}, {}},
    {280, 198, 490, 1, K::kLeftTabHeader, R::kDevicePage, B::kKeyed, 10, {"エアコン選択", "ファイル管理"}, {}},
    {283, 796, 490, 1, K::kMainTabHeader, R::kCalendar, B::kKeyed, 100, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {287, 796, 490, 1, K::kMainTabHeader, R::kCalendar, B::kKeyed, 101, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {288, 336, 29, 4, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"今月"}, {}},
    {289, 82, 20, 1, K::kTargetLevel, R::kCommon, B::kKeyed, 5, {}, {}},
    {290, 82, 20, 1, K::kTargetLevel, R::kCommon, B::kKeyed, 1, {}, {}},
    {291, 82, 20, 1, K::kTargetLevel, R::kCommon, B::kKeyed, 2, {}, {}},
    {292, 82, 20, 1, K::kTargetLevel, R::kCommon, B::kKeyed, 3, {}, {}},
    {293, 82, 20, 1, K::kTargetLevel, R::kCommon, B::kKeyed, 4, {}, {}},
    {294, 336, 29, 4, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"今月"}, {}},
    {295, 796, 490, 1, K::kMainTabHeader, R::kGraph, B::kKeyed, 200, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {298, 796, 490, 1, K::kMainTabHeader, R::kGraph, B::kKeyed, 201, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {300, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {301, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {302, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {303, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {304, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {305, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {306, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {307, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {308, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {309, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {310, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {311, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {312, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {313, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {314, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {315, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {316, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 0, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {317, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {318, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {319, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {320, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {321, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {322, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {323, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {324, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {325, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {326, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {327, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {328, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {329, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {330, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {331, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {332, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 0, {}, {}},
    {333, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 1, {}, {}},
    {334, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 2, {}, {}},
    {335, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 3, {}, {}},
    {336, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 4, {}, {}},
    {337, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 5, {}, {}},
    {338, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 6, {}, {}},
    {339, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 7, {}, {}},
    {340, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 8, {}, {}},
    {341, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 9, {}, {}},
    {342, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 10, {}, {}},
    {343, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 11, {}, {}},
    {344, 1012, 569, 1, K::kSeason, R::kSeason, B::kOpaque, 12, {}, {}},
    {345, 1012, 569, 1, K::kSeason, R::kHoliday, B::kOpaque, 101, {}, {}},
    {346, 1012, 569, 1, K::kSeason, R::kHoliday, B::kOpaque, 102, {}, {}},
    {347, 1012, 569, 1, K::kSeason, R::kHoliday, B::kOpaque, 103, {}, {}},
    {348, 1012, 569, 1, K::kSeason, R::kHoliday, B::kOpaque, 104, {}, {}},
    {349, 1012, 569, 1, K::kSeason, R::kHoliday, B::kOpaque, 105, {}, {}},
    {350, 796, 490, 1, K::kMainTabHeader, R::kSettings, B::kKeyed, 300, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {351, 796, 490, 1, K::kMainTabHeader, R::kCalendar, B::kKeyed, 130, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {352, 796, 490, 1, K::kMainTabHeader, R::kCalendar, B::kKeyed, 120, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {353, 796, 490, 1, K::kMainTabHeader, R::kCalendar, B::kKeyed, 121, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {354, 796, 490, 1, K::kMainTabHeader, R::kGraph, B::kKeyed, 230, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {355, 796, 490, 1, K::kMainTabHeader, R::kGraph, B::kKeyed, 210, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {356, 796, 490, 1, K::kMainTabHeader, R::kGraph, B::kKeyed, 211, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {357, 796, 490, 1, K::kMainTabHeader, R::kSettings, B::kKeyed, 320, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {358, 796, 490, 1, K::kMainTabHeader, R::kSettings, B::kKeyed, 310, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {359, 198, 490, 1, K::kLeftTabHeader, R::kMenu, B::kKeyed, 21, {"エアコン選択", "ファイル管理"}, {}},
    {360, 198, 490, 1, K::kLeftTabHeader, R::kDevicePage, B::kKeyed, 12, {"エアコン選択", "ファイル管理"}, {}},
    {362, 404, 190, 1, K::kConnectError, R::kConnectError, B::kOpaque, -16, {"リモコンにデータがありません。", "エアコンに登録してから接続してください。"}, {}},
    {363, 404, 190, 1, K::kConnectError, R::kConnectError, B::kOpaque, -25, {"登録できるエアコン機種は７台までです。"}, {}},
    {364, 404, 190, 1, K::kConnectError, R::kConnectError, B::kOpaque, -1, {"リモコンとの接続に失敗しました。"}, {}},
    {365, 404, 190, 1, K::kProgressBackground, R::kProgress, B::kOpaque, 1, {"データ複製ファイルを読み込んでいます。", "しばらくお待ちください。"}, {{154, 40, 248, 54}}},
    {366, 404, 190, 1, K::kProgressBackground, R::kProgress, B::kOpaque, 2, {"データ複製ファイルを書き出しています。", "しばらくお待ちください。"}, {{154, 40, 248, 54}}},
    {367, 404, 190, 1, K::kProgressBackground, R::kProgress, B::kOpaque, 4, {"エアコンのデータを削除しています。", "しばらくお待ちください。"}, {{154, 40, 248, 54}}},
    {368, 404, 190, 1, K::kProgressBackground, R::kProgress, B::kOpaque, 3, {"CSVファイルを書き出しています。", "しばらくお待ちください。"}, {{154, 40, 248, 54}}},
    {380, 297, 29, 3, K::kButtonStrip, R::kCalendar, B::kKeyed, 0, {"ヘルプ"}, {}},
    {381, 297, 29, 3, K::kButtonStrip, R::kGraph, B::kKeyed, 0, {"ヘルプ"}, {}},
    {382, 297, 29, 3, K::kButtonStrip, R::kSettings, B::kKeyed, 0, {"ヘルプ"}, {}},
    {383, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {384, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {385, 698, 380, 1, K::kSettingsPanel, R::kSettings, B::kKeyed, 0, {}, {}},
    {386, 620, 350, 1, K::kSplash, R::kProduct, B::kAlpha, 0, {"おしえて「テヴァロ」", "エアコンの電気代を、わかりやすく。"}, {{260, 145, 563, 168}}},
    {388, 142, 38, 1, K::kValueBox, R::kSettings, B::kKeyed, 0, {}, {{3, 3, 139, 35}}},
    {389, 142, 74, 1, K::kValueBox, R::kSettings, B::kKeyed, 0, {}, {{3, 3, 139, 71}}},
    {390, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"音量"}, {}},
    {391, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"オートパワフル"}, {}},
    {392, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"電流切換"}, {}},
    {393, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"オートセーブ"}, {}},
    {394, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"本体表示"}, {}},
    {395, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"電気代単価"}, {}},
    {396, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"省エネファン"}, {}},
    {397, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"フィルター", "掃除間隔"}, {}},
    {398, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"内部クリーン"}, {}},
    {399, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"プラズマイオン"}, {}},
    {400, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"設置位置"}, {}},
    {401, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"設置部屋"}, {}},
    {402, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"音声"}, {}},
    {403, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"リモコン", "センサー"}, {}},
    {404, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"受信モード"}, {}},
    {405, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"お知らせ音や音声の大きさです。", "「消音」と、1/7から7/7までの7段階があります。", "音量を変えても電気代はほとんど変わりません。"}, {}},
    {406, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"室温と設定温度の差が大きいとき、自動で力強く", "運転して早く快適にする機能です。「入」にすると、", "その間だけ電気を多めに使います。"}, {}},
    {407, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"エアコンが使う電流の上限を切り換える設定です。", "「控えめ」は電流を抑えて運転するので、ほかの", "家電と同時に使ってもブレーカーが落ちにくくなります。"}, {}},
    {408, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"切り忘れを防ぎ、むだな電気代を抑える設定です。", "オートオフ 長め／短め：操作がないと自動で停止。", "オートセーブ：控えめ運転　オートオンオフ：自動で入・切"}, {}},
    {409, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"エアコン本体に電気代を表示するかどうかの設定です。", "「表示する」「表示しない」のどちらでも、", "電気代はほとんど変わりません。"}, {}},
    {410, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"電気代の計算に使う、1kWhあたりの料金です。", "標準は一つの単価、深夜電力は時間帯とそれ以外、", "オール電化は二つの時間帯とそれ以外の単価です。"}, {}},
    {411, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"室温が設定温度に近づくと、風量を自動で", "控えめにする機能です。「入」にすると、", "送風に使う電気を減らせます。"}, {}},
    {412, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"フィルター掃除をお知らせする間隔です。", "「短め」「標準」「長め」から選べます。", "フィルターが汚れると電気代が増えてしまいます。"}, {}},
    {413, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"運転を止めたあと、エアコンの内部を乾かして", "カビやにおいを抑える機能です。「入」にすると、", "停止後しばらく動くぶん電気を使います。"}, {}},
    {414, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"イオンを出して、お部屋の空気を", "きれいに保つ機能です。「入」にしても", "使う電気はごくわずかです。"}, {}},
    {415, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"お部屋の中でエアコンを取り付けた位置です。", "「右」「中央」「左」に合わせて風向きを整え、", "風をむだなくお部屋に届けます。"}, {}},
    {416, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"エアコンを取り付けたお部屋の種類です。", "リビング・子供部屋・寝室部屋・和室・ダイニング・", "その他があり、一覧に表示する名前になります。"}, {}},
    {417, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"運転の内容などを声でお知らせする機能です。", "「切」にすると声でのお知らせをしません。", "電気代にはほとんど影響しません。"}, {}},
    {418, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"リモコンのセンサーで手元の温度を測る機能です。", "「入」にすると、いる場所の温度に合わせて運転し、", "冷やしすぎ・暖めすぎによるむだを抑えます。"}, {}},
    {419, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"リモコンがエアコンからの知らせを受ける方法です。", "「低電力」にすると、リモコンの電池が長持ちします。", "エアコンの電気代は変わりません。"}, {}},
    {420, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"エアコン本体に電気代を表示する方法の設定です。", "「常時表示」「操作時表示」「表示しない」から選べます。", "表示の違いで電気代はほとんど変わりません。"}, {}},
    {421, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"電気代の計算に使う、1kWhあたりの料金です。", "ご契約の電気料金に合わせると、表示される", "電気代が実際の金額に近くなります。"}, {}},
    {422, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"切り忘れを防ぎ、むだな電気代を抑える設定です。", "オートオフ３時間／１時間：操作がないと自動で停止。", "オートセーブ：自動で控えめに運転して節電します。"}, {}},
    {426, 48, 24, 2, K::kConnectionMark, R::kDevicePage, B::kKeyed, 1, {}, {}},
    {430, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {431, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 2, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {434, 404, 190, 1, K::kAdvice, R::kAdvice, B::kOpaque, 1, {}, {{5, 150, 34, 179}, {370, 150, 399, 179}}},
    {437, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"除湿運転のしかたです。", "再熱除湿：室温を下げずに除湿（電気代は多め）", "弱冷房除湿：少し冷やしながら除湿（電気代は少なめ）"}, {}},
    {438, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"室外機の運転音を抑える設定です。", "「入」にすると室外機を静かに運転します。", "その間は冷暖房の力が少し控えめになります。"}, {}},
    {439, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"リモコンの画面を表示しておく時間の設定です。", "短くすると、リモコンの電池が長持ちします。"}, {}},
    {440, 372, 78, 1, K::kSettingExplanation, R::kSettings, B::kKeyed, 0, {"本体の横からも風を送る機能です。", "「入」にすると風がお部屋に広く届き、", "温度のむらが少なくなります。"}, {}},
    {441, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {442, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {443, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {444, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 1, {}, {}},
    {445, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 1, {}, {}},
    {446, 36, 36, 1, K::kSettingIcon, R::kSettings, B::kKeyed, 0, {}, {}},
    {447, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"除湿モード"}, {}},
    {448, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"室外機運転音"}, {}},
    {449, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"リモコン表示時間"}, {}},
    {450, 120, 40, 1, K::kSettingName, R::kSettings, B::kKeyed, 0, {"サイドファン"}, {}},
    {451, 796, 490, 1, K::kMainTabHeader, R::kSettings, B::kKeyed, 312, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {452, 796, 490, 1, K::kMainTabHeader, R::kSettings, B::kKeyed, 322, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {453, 796, 490, 1, K::kMainTabHeader, R::kSettings, B::kKeyed, 302, {"カレンダー", "グラフ", "エアコン設定確認"}, {{1, 0, 201, 19}}},
    {454, 404, 190, 1, K::kConnectError, R::kConnectError, B::kOpaque, -14, {"リモコンとの接続に失敗しました。"}, {}},
};
// clang-format on

} // namespace

int PictureSpec::LabelCount() const {
    int count = 0;
    while (count < kMaxLabels && !labels[count].empty()) {
        ++count;
    }
    return count;
}

std::span<const PictureSpec> CPictureTable::All() {
    return kPictures;
}

const PictureSpec* CPictureTable::Find(int id) {
    const auto* it = std::lower_bound(std::begin(kPictures), std::end(kPictures), id,
                                      [](const PictureSpec& s, int v) { return s.id < v; });
    return (it != std::end(kPictures) && it->id == id) ? it : nullptr;
}

bool CPictureTable::IsDrawnKind(ArtKind kind) {
    switch (kind) {
    case ArtKind::kApplicationIcon:
    case ArtKind::kSplash:
    case ArtKind::kAbout:
    case ArtKind::kProgressBackground:
    case ArtKind::kProgressStep:
    case ArtKind::kDeviceStrip:
    case ArtKind::kAllDevicesStrip:
    case ArtKind::kListIcon:
    case ArtKind::kAllDevicesIcon:
    case ArtKind::kConnectionMark:
    case ArtKind::kSeason:
    case ArtKind::kSettingsPanel:
    case ArtKind::kSettingIcon:
    case ArtKind::kSettingName:
    case ArtKind::kSettingExplanation:
    case ArtKind::kValueBox:
    case ArtKind::kButtonStrip:
    case ArtKind::kSelectField:
    case ArtKind::kBillBox:
    case ArtKind::kTargetLevel:
    case ArtKind::kMainTabHeader:
    case ArtKind::kLeftTabHeader:
    case ArtKind::kAdvice:
    case ArtKind::kConnectError:
        return true;
    default:
        return false;
    }
}
