#include "dialogs/CDialogDay.h"

#include "data/CDataManager.h"
#include "model/CCalendarDate.h"
#include "resources/CStringTable.h"
#include "ui/controls/UiMessages.h"
#include "ui/controls/UiText.h"

#include <QColor>

#include <string>

namespace {

constexpr int32_t kFirstDate = kFirstSupportedDay.Key();
constexpr int32_t kLastDate = kLastSupportedDay.Key();

constexpr int32_t kTitleFormat = 23000;     // "%d月%d日の運転"
constexpr int32_t kBillCaption = 23001;     // "電気代　　 ："
constexpr int32_t kUseTimeCaption = 23002;  // "運転時間　："
constexpr int32_t kOutdoorCaption = 23003;  // "外気温度　："
constexpr int32_t kEstimateNote = 23004;    // the values are estimates
constexpr int32_t kDegrees = 23005;         // "℃"
constexpr const char* kNoReading = "127.0"; // no unit reported a temperature

constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 29;
constexpr CHitRect kButtonHitRect{0, 0, kButtonWidth, kButtonHeight};

const QColor kTextColour(0, 0, 0, 254);
const QColor kNoteColour(0x91, 0x8B, 0x8A, 254);

} // namespace

CDialogDay::CDialogDay(CDataManager* dataManager, int32_t year, int32_t month, int32_t day,
                       QWidget* parent)
    : CDialogBase(dataManager, parent), m_dataManager(dataManager),
      m_previous(nullptr, kPreviousId), m_next(nullptr, kNextId), m_year(year), m_month(month),
      m_day(day) {
    SetEnterEndsDialog(false);
    setFixedSize(kClientWidth, kClientHeight);
    EditCanvas().CreateSurface(kClientWidth, kClientHeight);
    m_previous.CreateButton(0, kButtonHeight, kButtonWidth, this, &EditCanvas(), 4, 90,
                            kPreviousPicture, kButtonHitRect);
    m_next.CreateButton(0, kButtonHeight, kButtonWidth, this, &EditCanvas(), 350, 90, kNextPicture,
                        kButtonHitRect);
    AddControl(&m_previous);
    AddControl(&m_next);
    ReadDay();
    if (DateNumber() <= kFirstDate) {
        m_previous.SetEnabled(false);
    } else if (DateNumber() >= kLastDate) {
        m_next.SetEnabled(false);
    }
    m_previous.Render();
    m_next.Render();
    Redraw();
}

CDialogDay::~CDialogDay() = default;

int CDialogDay::RunDay(CDataManager* dataManager, int32_t year, int32_t month, int32_t day,
                       QWidget* owner) {
    CDialogDay dialog(dataManager, year, month, day, owner);
    return dialog.exec();
}

void CDialogDay::SplitUseTime(const QString& text, QString& figure, QString& rest) {
    qsizetype unit = text.indexOf(TableText(StringId::kHours));
    if (unit < 0) {
        unit = text.indexOf(TableText(StringId::kMinutes));
    }
    if (unit < 0) {
        figure = text;
        rest.clear();
        return;
    }
    figure = text.left(unit);
    rest = text.mid(unit);
}

void CDialogDay::SetTitle(bool incomplete) {
    QString title = TableFormat(kTitleFormat, m_month, m_day);
    if (incomplete) {
        title += QStringLiteral(" *");
    }
    setWindowTitle(title);
}

void CDialogDay::ReadDay() {
    CEleBillDayInfo info;
    if (m_dataManager != nullptr) {
        info = m_dataManager->GetOneDayInfo(m_year, m_month, m_day);
    }
    // Today and later days, and past days no unit has, carry no figures.
    const bool hasValues = info.past && !info.entries.empty();
    if (hasValues) {
        m_billText = QString::fromStdString(info.billText);
        m_useTimeText = QString::fromStdString(info.useTimeLong);
        // A day whose units reported no outdoor temperature says so, as a
        // day without figures does, rather than leaving "℃" alone.
        m_temperatureText = info.temperatureText == kNoReading
                                ? TableText(StringId::kNoValue)
                                : QString::fromStdString(info.temperatureText);
    } else {
        m_billText = TableText(StringId::kNoBill);
        m_useTimeText = TableText(StringId::kNoUseTime);
        m_temperatureText = TableText(StringId::kNoValue);
    }
    SetTitle(hasValues && info.partial);
}

void CDialogDay::StepBack() {
    m_next.SetEnabled(true);
    CDataManager::GetPreviousDay(m_year, m_month, m_day);
    if (DateNumber() <= kFirstDate) {
        m_previous.SetEnabled(false);
    }
    ReadDay();
}

void CDialogDay::StepForward() {
    m_previous.SetEnabled(true);
    if (m_day >= CDataManager::GetDaysInMonth(m_year, m_month)) {
        m_day = 1;
        if (m_month >= 12) {
            m_month = 1;
            ++m_year;
        } else {
            ++m_month;
        }
    } else {
        ++m_day;
    }
    if (DateNumber() >= kLastDate) {
        m_next.SetEnabled(false);
    }
    ReadDay();
}

void CDialogDay::DrawContent(CDrawSurface& canvas) {
    canvas.Fill(Qt::white);
    const QFont bold = CDrawSurface::MakeFont(12, true);
    const QFont small = CDrawSurface::MakeFont(8, false);
    const int left = Qt::AlignLeft | Qt::AlignTop;
    const int right = Qt::AlignRight | Qt::AlignTop;
    const auto draw = [&](const QString& text, int x, int y, int width, int height, int flags) {
        canvas.DrawText(text, QRect(x, y, width, height), flags, bold, kTextColour);
    };

    const QString yen = TableText(StringId::kYen);
    const qsizetype yenAt = m_billText.indexOf(yen);
    draw(TableText(kBillCaption), 90, 10, 100, 22, left);
    draw(yenAt < 0 ? m_billText : m_billText.left(yenAt), 190, 10, 70, 22, right);
    draw(yen, 260, 10, 70, 22, left);

    QString figure;
    QString rest;
    SplitUseTime(m_useTimeText, figure, rest);
    draw(TableText(kUseTimeCaption), 90, 30, 100, 22, left);
    draw(figure, 190, 30, 70, 22, right);
    draw(rest, 260, 30, 150, 22, left);

    draw(TableText(kOutdoorCaption), 90, 60, 100, 22, left);
    draw(m_temperatureText, 190, 60, 70, 22, right);
    draw(TableText(kDegrees), 260, 60, 150, 22, left);

    canvas.DrawText(TableText(kEstimateNote), QRect(90, 95, 260, 40), left | Qt::TextWordWrap,
                    small, kNoteColour);
}

QStringList CDialogDay::ShownTexts() const {
    const auto caption = [](int32_t id) { return TableText(id).remove(QChar(0x3000)).trimmed(); };
    return {caption(kBillCaption) + m_billText, caption(kUseTimeCaption) + m_useTimeText,
            caption(kOutdoorCaption) + m_temperatureText + TableText(kDegrees),
            TableText(kEstimateNote)};
}

bool CDialogDay::OnUiEvent(const CUiEvent& event) {
    switch (event.Message()) {
    case UiMsg::kCommand:
        // A command queued before its button was disabled must not step past
        // the supported range.
        if (event.WParam() == kPreviousId && m_previous.IsEnabled()) {
            StepBack();
        } else if (event.WParam() == kNextId && m_next.IsEnabled()) {
            StepForward();
        } else {
            return true;
        }
        m_previous.Render();
        m_next.Render();
        Redraw();
        return true;
    default:
        return CDialogBase::OnUiEvent(event);
    }
}
