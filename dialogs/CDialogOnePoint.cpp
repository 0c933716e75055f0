#include "dialogs/CDialogOnePoint.h"

#include "data/CDataManager.h"
#include "model/CRemoConInfo.h"
#include "ui/controls/UiMessages.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <optional>

namespace {

constexpr int kButtonSize = 29;
constexpr CHitRect kButtonHitRect{0, 0, kButtonSize, kButtonSize};
constexpr const char* kTitle = "ワンポイントアドバイス";
constexpr int32_t kSettingMarker = 255;

// A run of advice numbers showing consecutive pictures.
struct Run {
    int32_t firstNumber;
    int32_t lastNumber;
    int32_t firstPicture;
};

using Runs = std::initializer_list<Run>;

// General runs come first, then the runs of the half of the year.
struct Sequence {
    Runs general;
    Runs winter;
    Runs summer;
};

const Sequence kVariantA{{{1, 11, 300}}, {{12, 18, 317}}, {{12, 19, 324}}};
const Sequence kVariantB{
    {{1, 6, 300}, {7, 16, 307}}, {{17, 21, 317}, {22, 22, 323}}, {{17, 23, 324}}};
const Sequence kOtherS{{{1, 12, 300}, {13, 16, 313}}, {{17, 21, 317}}, {{17, 23, 324}}};
const Sequence kOtherX{{{1, 10, 300}, {11, 11, 311}, {12, 15, 313}},
                       {{16, 20, 317}, {21, 21, 434}},
                       {{16, 22, 324}, {23, 23, 430}, {24, 24, 431}}};
const Sequence kOtherZ{
    {{1, 12, 300}, {13, 16, 313}}, {{17, 21, 317}}, {{17, 23, 324}, {24, 24, 431}}};

const Sequence& SequenceOf(const std::string& variant, const std::string& subVariant) {
    if (variant == "A") {
        return kVariantA;
    }
    if (variant == "B") {
        return kVariantB;
    }
    if (subVariant == "S") {
        return kOtherS;
    }
    if (subVariant == "X") {
        return kOtherX;
    }
    return kOtherZ;
}

int32_t LastNumber(Runs runs) {
    int32_t last = 0;
    for (const Run& run : runs) {
        last = std::max(last, run.lastNumber);
    }
    return last;
}

} // namespace

CDialogOnePoint::CDialogOnePoint(CDataManager* dataManager, QWidget* parent)
    : CDialogBase(dataManager, parent), m_dataManager(dataManager),
      m_previous(nullptr, kPreviousId), m_next(nullptr, kNextId) {
    SetEnterEndsDialog(false);
    setWindowTitle(QString::fromUtf8(kTitle));
    setFixedSize(kClientWidth, kClientHeight);
    if (m_dataManager != nullptr) {
        const std::optional<CRemoConInfo> record = m_dataManager->GetSelectedRemoCon();
        DecideVariant(record ? &*record : nullptr, m_variant, m_subVariant);
    }
    // The tick count as the seed, so each opening starts somewhere else.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    QRandomGenerator random(static_cast<quint32>(ticks));
    m_number = static_cast<int32_t>(random.bounded(static_cast<quint32>(Count()))) + 1;
    ShowAdvice();
    m_previous.CreateButton(0, kButtonSize, kButtonSize, this, &EditCanvas(), 5, 150,
                            kPreviousPicture, kButtonHitRect);
    m_next.CreateButton(0, kButtonSize, kButtonSize, this, &EditCanvas(), 370, 150, kNextPicture,
                        kButtonHitRect);
    AddControl(&m_previous);
    AddControl(&m_next);
    Redraw();
}

CDialogOnePoint::~CDialogOnePoint() = default;

int CDialogOnePoint::RunOnePoint(CDataManager* dataManager, QWidget* owner) {
    CDialogOnePoint dialog(dataManager, owner);
    return dialog.exec();
}

void CDialogOnePoint::DecideVariant(const CRemoConInfo* record, std::string& variant,
                                    std::string& subVariant) {
    variant.clear();
    subVariant.clear();
    if (record == nullptr || record->spare) {
        return;
    }
    const SettingValues& values = record->settings;
    if (values[kCurrentSwitch] != kSettingNotReported) {
        variant = "A";
    } else if (values[kOutdoorUnitSound] != kSettingNotReported ||
               values[kEleBillPlice1] == kSettingNotReported) {
        variant = "C";
    } else {
        variant = "B";
    }
    if (values[kDehumidificationMode] == kSettingMarker) {
        subVariant = "S";
    } else if (values[kMaintenance] == kSettingMarker) {
        subVariant = "X";
    } else {
        subVariant = "Z_CE";
    }
}

bool CDialogOnePoint::IsSummer(int32_t month) {
    return month >= 4 && month <= 9;
}

int32_t CDialogOnePoint::AdviceCount(const std::string& variant, const std::string& subVariant,
                                     bool summer) {
    const Sequence& sequence = SequenceOf(variant, subVariant);
    return LastNumber(summer ? sequence.summer : sequence.winter);
}

int32_t CDialogOnePoint::AdvicePicture(const std::string& variant, const std::string& subVariant,
                                       bool summer, int32_t number) {
    const Sequence& sequence = SequenceOf(variant, subVariant);
    for (Runs runs : {sequence.general, summer ? sequence.summer : sequence.winter}) {
        for (const Run& run : runs) {
            if (number >= run.firstNumber && number <= run.lastNumber) {
                return run.firstPicture + (number - run.firstNumber);
            }
        }
    }
    return -1;
}

bool CDialogOnePoint::IsSummerNow() const {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    if (m_dataManager != nullptr) {
        m_dataManager->GetToday(year, month, day);
    }
    return IsSummer(month);
}

int32_t CDialogOnePoint::Count() const {
    return AdviceCount(m_variant, m_subVariant, IsSummerNow());
}

int32_t CDialogOnePoint::PictureId() const {
    return AdvicePicture(m_variant, m_subVariant, IsSummerNow(), m_number);
}

void CDialogOnePoint::ShowAdvice() {
    LoadBackground(PictureId());
    // A missing picture leaves a canvas of the dialog's size; keep it so.
    if (EditCanvas().Width() != kClientWidth || EditCanvas().Height() != kClientHeight) {
        EditCanvas().CreateSurface(kClientWidth, kClientHeight);
    }
}

bool CDialogOnePoint::OnUiEvent(const CUiEvent& event) {
    switch (event.Message()) {
    case UiMsg::kCommand: {
        // The count may change with the half of the year while the dialog is
        // open; a number beyond it starts again from the ends.
        const int32_t count = Count();
        if (event.WParam() == kPreviousId) {
            m_number = m_number <= 1 || m_number > count ? count : m_number - 1;
        } else if (event.WParam() == kNextId) {
            m_number = m_number >= count ? 1 : m_number + 1;
        } else {
            return true;
        }
        ShowAdvice();
        Redraw();
        return true;
    }
    default:
        return CDialogBase::OnUiEvent(event);
    }
}
