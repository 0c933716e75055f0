#include "ui/access/AccessTree.h"

#include "data/CDataManager.h"
#include "data/CEleBillDayInfo.h"
#include "resources/CStringTable.h"
#include "resources/art/CPictureTable.h"
#include "ui/controls/CCustomCtrlButton.h"
#include "ui/controls/CCustomCtrlButtonDevice.h"
#include "ui/controls/CCustomCtrlImage.h"
#include "ui/controls/CCustomCtrlSelectItem.h"
#include "ui/controls/CCustomCtrlStatic.h"
#include "ui/controls/UiText.h"
#include "ui/pages/CCustomCtrlCalendar.h"
#include "ui/pages/CCustomCtrlEleBillInfoBox.h"
#include "ui/pages/CCustomCtrlEnvSetting.h"
#include "ui/pages/CCustomCtrlGraph.h"
#include "ui/pages/CCustomCtrlTab.h"
#include "ui/pages/CCustomCtrlTabPage.h"
#include "ui/pages/CCustomCtrlTabPageEnvSetting.h"
#include "ui/pages/CCustomCtrlTabPageMainBaseEleBill.h"

#include <QStringList>

#include <string>

namespace {

constexpr int kWeekColumns = 7;
// The bill box's values below its month total, in the order of its captions.
constexpr int kBillTotals = 5;
constexpr int kBillLevel = kBillTotals;
constexpr int kTargetLevels = 5;
constexpr QSize kLevelPictureSize(82, 20);

QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

QRect ControlRect(const CCustomCtrlBase& control) {
    return QRect(control.X(), control.Y(), control.Width(), control.Height());
}

QPoint HitCentre(const CCustomCtrlBase& control, const CHitRect& hit) {
    return Ltrb(control.X() + hit.left, control.Y() + hit.top, control.X() + hit.right,
                control.Y() + hit.bottom)
        .center();
}

// The words a picture carries on its face, the arrows and +/− marks left out,
// its lines joined by `separator`; `arrow` learns which arrow it showed (0
// none, −1 back, +1 forward).
QString PictureWords(int pictureId, const QString& separator, int* arrow = nullptr) {
    const PictureSpec* spec = CPictureTable::Find(pictureId);
    QStringList words;
    if (spec == nullptr) {
        return QString();
    }
    for (const std::string_view label : spec->labels) {
        QString word = Utf8Text(label);
        if (arrow != nullptr && word.contains(QChar(0x25C0))) {
            *arrow = -1;
        } else if (arrow != nullptr && word.contains(QChar(0x25B6))) {
            *arrow = +1;
        }
        word.remove(QChar(0x25C0)).remove(QChar(0x25B6));
        word = word.trimmed();
        if (word == QStringLiteral("+") || word == QString(QChar(0x2212))) {
            continue;
        }
        if (!word.isEmpty()) {
            words.push_back(word);
        }
    }
    return words.join(separator);
}

// A caption of the bill box's background picture (the captions are drawn in
// the picture, in the order the box writes its values).
QString BillCaption(const CCustomCtrlEleBillInfoBox& box, int index) {
    const PictureSpec* spec =
        CPictureTable::Find(CCustomCtrlEleBillInfoBox::BackgroundPicture(box.PageId()));
    if (spec == nullptr || index < 0 || index >= spec->LabelCount()) {
        return QString();
    }
    return Utf8Text(spec->labels[index]);
}

QString PartialNote() {
    return TableText(StringId::kPartialNote).remove(TableText(StringId::kPartialMark));
}

QString ButtonName(CCustomCtrlButton& button) {
    if (const auto* device = dynamic_cast<const CCustomCtrlButtonDevice*>(&button)) {
        QStringList parts;
        for (const QString& part : {device->SecondText(), device->Caption()}) {
            if (!part.trimmed().isEmpty()) {
                parts.push_back(part.trimmed());
            }
        }
        if (!parts.isEmpty()) {
            return parts.join(QLatin1Char(' '));
        }
    }
    if (!button.Caption().isEmpty()) {
        return button.Caption();
    }
    int arrow = 0;
    // A face's lines are one phrase: 「全ての」「エアコン」.
    QString words = PictureWords(button.StripPictureId(), QString(), &arrow);
    if (!words.isEmpty()) {
        return words;
    }
    // An arrow alone: the month row names its months, elsewhere a step.
    if (auto* page = dynamic_cast<CCustomCtrlTabPageMainBaseEleBill*>(button.ParentControl())) {
        if (&button == &page->PreviousMonthButton()) {
            return QStringLiteral("前の月");
        }
        if (&button == &page->NextMonthButton()) {
            return QStringLiteral("次の月");
        }
    }
    if (arrow != 0) {
        return arrow < 0 ? QStringLiteral("前へ") : QStringLiteral("次へ");
    }
    return QString();
}

// A day as a calendar cell or a graph column reads: 「12月1日（火） 149円
// 4時間56分」 in the calendar, 「12月1日 149円」 in the graph (which shows no
// weekday and no time), 「データなし」 for a past day without data, the
// date alone for a day still to come; the description notes a day some units
// lack.
void NameDay(const CEleBillDayInfo& record, bool calendar, AccessNode& node) {
    node.name = TableFormat(StringId::kMonthFormat, record.month) + QString::number(record.day) +
                QStringLiteral("日");
    const std::string weekday = CDataManager::GetWeekdayName(
        CDataManager::GetWeekday(record.year, record.day, record.month));
    if (calendar && !weekday.empty()) {
        node.name += QStringLiteral("（") + Utf8Text(weekday) + QStringLiteral("）");
    }
    if (Utf8Text(record.billText) == TableText(StringId::kNoBill)) {
        node.name += QStringLiteral(" データなし");
    } else if (!record.billText.empty()) {
        node.name += QLatin1Char(' ') + Utf8Text(record.billText);
        if (calendar && !record.useTimeLong.empty()) {
            node.name += QLatin1Char(' ') + Utf8Text(record.useTimeLong);
        }
    }
    if (record.partial) {
        node.description = PartialNote();
    }
}

// The viewed month, as the year and month fields show it.
QString ViewedMonth(const CCustomCtrlBase& control) {
    const CDataManager* manager = control.DataManager();
    if (manager == nullptr) {
        return QString();
    }
    return TableFormat(StringId::kYearFormat, manager->GetViewYear()) +
           TableFormat(StringId::kMonthFormat, manager->GetViewMonth());
}

std::optional<CEleBillDayInfo> DayRecord(const CCustomCtrlBase& control, int recordIndex) {
    if (control.DataManager() == nullptr) {
        return std::nullopt;
    }
    return control.DataManager()->GetDayInfo(recordIndex);
}

// The level picture in words: level 5 is a month under a fifth of its
// target, each level below one fifth more, level 1 the last fifth.
QString TargetLevelWords(int level) {
    if (level < 1 || level > kTargetLevels) {
        return QString();
    }
    const QString share =
        level == 1 ? QStringLiteral("目標の8割以上")
                   : QStringLiteral("目標の%1割未満").arg(2 * (kTargetLevels + 1 - level));
    return QStringLiteral("目標レベル%1 ").arg(level) + share;
}

// The title of the page a chart lies on.
QString PageTitle(const CCustomCtrlBase& control) {
    const auto* page = dynamic_cast<const CCustomCtrlTabPage*>(control.ParentControl());
    return page != nullptr ? page->Title() : QString();
}

bool HasRole(CCustomCtrlBase* control) {
    return dynamic_cast<CCustomCtrlTab*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlButton*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlSelectItem*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlStatic*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlImage*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlCalendar*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlGraph*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlEleBillInfoBox*>(control) != nullptr ||
           dynamic_cast<CCustomCtrlEnvSetting*>(control) != nullptr;
}

// The settings pages' counter is four labels on the window (「2」「/」「5」
// 「ページ」) and one text to a reader, on its first label: 「2/5ページ」.
CCustomCtrlTabPageEnvSetting* CounterPage(CCustomCtrlBase* label) {
    return dynamic_cast<CCustomCtrlTabPageEnvSetting*>(label->ParentControl());
}

bool IsCounterTail(CCustomCtrlBase* control) {
    CCustomCtrlTabPageEnvSetting* page = CounterPage(control);
    return page != nullptr &&
           (control == &page->SlashLabel() || control == &page->PageCountLabel() ||
            control == &page->PageWordLabel());
}

void AddShown(CCustomCtrlBase* control, std::vector<AccessKey>& out) {
    // A control never created (the year buttons) is not on the window.
    if (control == nullptr || control->Host() == nullptr || !control->IsShown() ||
        IsCounterTail(control)) {
        return;
    }
    if (HasRole(control)) {
        out.push_back({control, AccessKey::kControl, 0});
        return;
    }
    const auto* billPage = dynamic_cast<const CCustomCtrlTabPageMainBaseEleBill*>(control);
    if (billPage != nullptr && billPage->DataManager() != nullptr &&
        billPage->DataManager()->GetForecast()) {
        out.push_back({control, AccessKey::kForecast, 0});
    }
    for (CCustomCtrlBase* child : control->Children()) {
        AddShown(child, out);
    }
}

void AddIndexed(CCustomCtrlBase* control, AccessKey::Part part, int count,
                std::vector<AccessKey>& out) {
    for (int i = 0; i < count; ++i) {
        out.push_back({control, part, i});
    }
}

std::vector<AccessKey> ControlChildren(CCustomCtrlBase* control) {
    std::vector<AccessKey> out;
    if (auto* tab = dynamic_cast<CCustomCtrlTab*>(control)) {
        AddIndexed(control, AccessKey::kTabHeader,
                   std::min<int>(tab->PageCount(), static_cast<int>(tab->HeaderRects().size())),
                   out);
    } else if (auto* calendar = dynamic_cast<CCustomCtrlCalendar*>(control)) {
        AddIndexed(control, AccessKey::kCalendarDay, static_cast<int>(calendar->Cells().size()),
                   out);
    } else if (auto* graph = dynamic_cast<CCustomCtrlGraph*>(control)) {
        AddIndexed(control, AccessKey::kGraphColumn, static_cast<int>(graph->Columns().size()),
                   out);
        for (CCustomCtrlBase* child : control->Children()) {
            AddShown(child, out);
        }
    } else if (auto* box = dynamic_cast<CCustomCtrlEleBillInfoBox*>(control)) {
        if (box->Compose().hasData) {
            AddIndexed(control, AccessKey::kBillValue, kBillTotals, out);
            if (box->DataManager()->GetTargetLevel() > 0) {
                out.push_back({control, AccessKey::kBillValue, kBillLevel});
            }
            AddShown(&box->TargetField(), out);
        }
    } else if (auto* settings = dynamic_cast<CCustomCtrlEnvSetting*>(control)) {
        for (int row = 0; row < settings->RowCount(); ++row) {
            if (settings->Row(row).shown) {
                out.push_back({control, AccessKey::kSettingRow, row});
            }
        }
    }
    return out;
}

std::vector<AccessKey> HeaderChildren(const AccessKey& key) {
    auto* tab = dynamic_cast<CCustomCtrlTab*>(key.control);
    std::vector<AccessKey> out;
    // The page on show belongs to its header; the others are hidden.
    if (tab != nullptr && key.index == tab->SelectedIndex()) {
        AddShown(tab->SelectedPage(), out);
    }
    return out;
}

// The forecast as the page writes it: the month-end estimate, then the
// warning when the month heads over its target.
AccessNode DescribeForecast(const CCustomCtrlBase& page) {
    AccessNode node;
    node.role = QAccessible::StaticText;
    if (page.DataManager() == nullptr || !page.DataManager()->GetForecast()) {
        return node;
    }
    const CMonthForecast& forecast = *page.DataManager()->GetForecast();
    QStringList lines{QString::fromStdString(forecast.SummaryText())};
    const std::string warning = forecast.WarningText();
    if (!warning.empty()) {
        lines << QString::fromStdString(warning);
    }
    node.name = lines.join(QLatin1Char(' '));
    node.rect = CCustomCtrlTabPageMainBaseEleBill::kForecastRect.translated(page.X(), page.Y());
    return node;
}

AccessNode DescribeControl(CCustomCtrlBase* control) {
    AccessNode node;
    node.rect = ControlRect(*control);
    node.disabled = !control->IsEnabled();
    if (auto* button = dynamic_cast<CCustomCtrlButton*>(control)) {
        node.role = QAccessible::PushButton;
        node.name = ButtonName(*button);
        const auto* device = dynamic_cast<const CCustomCtrlButtonDevice*>(button);
        node.checkable = device != nullptr || button->IsSelected();
        node.checked = button->IsSelected();
        if (device != nullptr && device->IsConnected()) {
            node.description = QStringLiteral("リモコン接続中");
        }
        node.pressAt = HitCentre(*button, button->HitRect());
    } else if (auto* field = dynamic_cast<CCustomCtrlSelectItem*>(control)) {
        node.role = QAccessible::ComboBox;
        node.name = field->Text();
        if (field->Kind() == CCustomCtrlSelectItem::kTarget) {
            auto* box = dynamic_cast<CCustomCtrlEleBillInfoBox*>(field->ParentControl());
            const QString yen = TableText(StringId::kYen);
            if (!node.name.endsWith(yen)) {
                node.name += yen;
            }
            if (box != nullptr) {
                node.name = BillCaption(*box, kBillTotals) + QLatin1Char(' ') + node.name;
            }
        }
        node.pressAt = HitCentre(*field, field->HitRect());
    } else if (auto* label = dynamic_cast<CCustomCtrlStatic*>(control)) {
        node.role = QAccessible::StaticText;
        node.name = label->Text();
        CCustomCtrlTabPageEnvSetting* page = CounterPage(label);
        if (page != nullptr && label == &page->PageNumberLabel()) {
            node.name += page->SlashLabel().Text() + page->PageCountLabel().Text() +
                         page->PageWordLabel().Text();
        }
    } else if (auto* image = dynamic_cast<CCustomCtrlImage*>(control)) {
        node.role = QAccessible::Graphic;
        node.name = PictureWords(image->PictureId(), QStringLiteral(" "));
        node.description = CCustomCtrlImage::LabelText();
    } else if (dynamic_cast<CCustomCtrlTab*>(control) != nullptr) {
        node.role = QAccessible::PageTabList;
    } else if (dynamic_cast<CCustomCtrlCalendar*>(control) != nullptr) {
        node.role = QAccessible::Table;
        node.name = PageTitle(*control) + QLatin1Char(' ') + ViewedMonth(*control);
    } else if (dynamic_cast<CCustomCtrlGraph*>(control) != nullptr) {
        node.role = QAccessible::List;
        node.name = PageTitle(*control) + QLatin1Char(' ') + ViewedMonth(*control);
    } else if (dynamic_cast<CCustomCtrlEleBillInfoBox*>(control) != nullptr) {
        node.role = QAccessible::Grouping;
        node.name = ViewedMonth(*control);
    } else if (dynamic_cast<CCustomCtrlEnvSetting*>(control) != nullptr) {
        node.role = QAccessible::Grouping;
    }
    return node;
}

AccessNode DescribeHeader(CCustomCtrlTab& tab, int index) {
    AccessNode node;
    node.role = QAccessible::PageTab;
    const CCustomCtrlTabPage* page = tab.Page(index);
    node.name = page != nullptr ? page->Title() : QString();
    const QRect header = tab.HeaderRects()[static_cast<size_t>(index)].translated(tab.X(), tab.Y());
    node.rect = header;
    node.disabled = page == nullptr || !page->IsEnabled();
    node.selectable = true;
    node.selected = index == tab.SelectedIndex();
    node.pressAt = header.center();
    return node;
}

AccessNode DescribeDay(CCustomCtrlCalendar& calendar, int index) {
    AccessNode node;
    node.role = QAccessible::Cell;
    const CALENDAR_DAY_INFO& cell = calendar.Cells()[static_cast<size_t>(index)];
    node.rect =
        Ltrb(cell.left, cell.top, cell.right, cell.bottom).translated(calendar.X(), calendar.Y());
    node.row = index / kWeekColumns;
    node.column = index % kWeekColumns;
    const std::optional<CEleBillDayInfo> record = DayRecord(calendar, cell.index);
    if (!record) {
        return node;
    }
    NameDay(*record, true, node);
    node.disabled = !record->inMonth;
    return node;
}

AccessNode DescribeColumn(CCustomCtrlGraph& graph, int index) {
    AccessNode node;
    node.role = QAccessible::ListItem;
    const GRAPH_DAY_INFO& column = graph.Columns()[static_cast<size_t>(index)];
    node.rect =
        Ltrb(column.left, column.top, column.right, column.bottom).translated(graph.X(), graph.Y());
    const std::optional<CEleBillDayInfo> record = DayRecord(graph, column.index);
    if (!record) {
        return node;
    }
    NameDay(*record, false, node);
    return node;
}

// Where the box writes value `index`: its figure and the 「円」 and mark
// after it, in the order Compose lays them out; the whole box when it writes
// no such value.
QRect BillValueRect(const CCustomCtrlEleBillInfoBox& box, int index) {
    const QString yen = TableText(StringId::kYen);
    const QString mark = TableText(StringId::kPartialMark);
    int value = -1;
    QRect rect;
    for (const CCustomCtrlEleBillInfoBox::TextItem& item : box.Compose().texts) {
        if (item.text != yen && item.text != mark && ++value > index) {
            break;
        }
        if (value == index) {
            rect |= item.rect;
        }
    }
    return rect.isEmpty() ? ControlRect(box) : rect.translated(box.X(), box.Y());
}

AccessNode DescribeBillValue(CCustomCtrlEleBillInfoBox& box, int index) {
    AccessNode node;
    node.role = QAccessible::StaticText;
    node.rect = BillValueRect(box, index);
    const CDataManager* manager = box.DataManager();
    if (manager == nullptr) {
        return node;
    }
    if (index == kBillLevel) {
        node.name = TargetLevelWords(manager->GetTargetLevel());
        node.rect = QRect(QPoint(box.X() + CCustomCtrlEleBillInfoBox::kLevelPictureX,
                                 box.Y() + CCustomCtrlEleBillInfoBox::kLevelPictureY),
                          kLevelPictureSize);
        return node;
    }
    std::string number;
    bool incomplete = false;
    manager->GetTotalText(index, number, incomplete);
    node.name =
        BillCaption(box, index) + QLatin1Char(' ') + Utf8Text(number) + TableText(StringId::kYen);
    if (incomplete) {
        node.description = PartialNote();
    }
    return node;
}

AccessNode DescribeSettingRow(CCustomCtrlEnvSetting& settings, int row) {
    AccessNode node;
    node.role = QAccessible::StaticText;
    node.rect = Ltrb(0, CCustomCtrlEnvSetting::RowTop(row), settings.Width(),
                     CCustomCtrlEnvSetting::RowBottom(row))
                    .translated(settings.X(), settings.Y());
    const EnvSettingRow& shown = settings.Row(row);
    QStringList parts{PictureWords(shown.namePictureId, QString()), shown.label, shown.value};
    parts.removeAll(QString());
    node.name = parts.join(QLatin1Char(' '));
    return node;
}

} // namespace

namespace AccessTree {

std::vector<AccessKey> Children(const AccessKey& key,
                                const std::vector<CCustomCtrlBase*>& topLevel) {
    std::vector<AccessKey> out;
    if (key.control == nullptr) {
        for (CCustomCtrlBase* control : topLevel) {
            AddShown(control, out);
        }
        return out;
    }
    switch (key.part) {
    case AccessKey::kControl:
        return ControlChildren(key.control);
    case AccessKey::kTabHeader:
        return HeaderChildren(key);
    default:
        return out;
    }
}

AccessNode Describe(const AccessKey& key) {
    if (key.control == nullptr || key.part == AccessKey::kHostText) {
        return AccessNode();
    }
    switch (key.part) {
    case AccessKey::kControl:
        return DescribeControl(key.control);
    case AccessKey::kTabHeader:
        return DescribeHeader(static_cast<CCustomCtrlTab&>(*key.control), key.index);
    case AccessKey::kCalendarDay:
        return DescribeDay(static_cast<CCustomCtrlCalendar&>(*key.control), key.index);
    case AccessKey::kGraphColumn:
        return DescribeColumn(static_cast<CCustomCtrlGraph&>(*key.control), key.index);
    case AccessKey::kBillValue:
        return DescribeBillValue(static_cast<CCustomCtrlEleBillInfoBox&>(*key.control), key.index);
    case AccessKey::kSettingRow:
        return DescribeSettingRow(static_cast<CCustomCtrlEnvSetting&>(*key.control), key.index);
    case AccessKey::kForecast:
        return DescribeForecast(*key.control);
    case AccessKey::kHostText:
        break;
    }
    return AccessNode();
}

int TableRows(const AccessKey& key) {
    auto* calendar = dynamic_cast<CCustomCtrlCalendar*>(key.control);
    if (calendar == nullptr || key.part != AccessKey::kControl) {
        return 0;
    }
    return (static_cast<int>(calendar->Cells().size()) + kWeekColumns - 1) / kWeekColumns;
}

int TableColumns(const AccessKey& key) {
    return TableRows(key) > 0 ? kWeekColumns : 0;
}

} // namespace AccessTree
