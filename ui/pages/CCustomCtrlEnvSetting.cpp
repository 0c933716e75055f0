#include "ui/pages/CCustomCtrlEnvSetting.h"

#include "data/CDataManager.h"
#include "ui/controls/UiText.h"
#include "ui/pages/EnvSettingTexts.h"

#include <QColor>

#include <algorithm>

#include <optional>

namespace {

const QColor kValueColour(51, 51, 51);

// Vertically centred in the row area, as icons, names and explanations are.
int CentredTop(int row, const CDrawSurface& picture) {
    return CCustomCtrlEnvSetting::RowTop(row) +
           (CCustomCtrlEnvSetting::kRowHeight - picture.Height()) / 2;
}

} // namespace

CCustomCtrlEnvSetting::CCustomCtrlEnvSetting(CCustomCtrlBase* parentControl,
                                             std::span<const EnvSettingRowPictures> pictures)
    : CCustomCtrlBase(parentControl), m_pictures(pictures) {}

void CCustomCtrlEnvSetting::CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                       int width, int height) {
    Create(host, canvas, x, y, width, height, CDrawSurface::kDefaultFontSize, false);
    m_background.LoadSurface(kBackgroundPicture);
    m_valueBox.LoadSurface(kValueBoxPicture);
    m_tallValueBox.LoadSurface(kTallValueBoxPicture);
    const size_t count = std::min(m_storage.size(), m_pictures.size());
    for (size_t i = 0; i < count; ++i) {
        EnvSettingRow& row = m_storage[i];
        const EnvSettingRowPictures& pictures = m_pictures[i];
        LoadPicture(row.icon, row.iconId, pictures.icon);
        LoadPicture(row.namePicture, row.namePictureId, pictures.namePicture);
        LoadPicture(row.explanationBC, row.explanationBCId, pictures.explanationBC);
        LoadPicture(row.explanationA, row.explanationAId, pictures.explanationA);
        row.shown = true;
        row.value = NoValue();
    }
    m_rows = m_storage.data();
    m_rowCount = static_cast<int>(count);
    Render();
}

void CCustomCtrlEnvSetting::LoadPicture(CDrawSurface& surface, int& loadedId, int pictureId) {
    // A missing picture leaves the surface empty and the row still works; the
    // id is kept either way so a later swap does not retry every update.
    if (loadedId != pictureId) {
        surface.LoadSurface(pictureId);
        loadedId = pictureId;
    }
}

void CCustomCtrlEnvSetting::Update() {
    if (m_rowCount < 0) {
        return;
    }
    std::optional<CRemoConInfo> selected;
    if (m_dataManager != nullptr) {
        selected = m_dataManager->GetSelectedRemoCon();
    }
    Fill(selected.has_value() && !selected->spare ? &*selected : nullptr);
    // The tab page renders before it updates its pages, so a page renders
    // its own new values.
    Render();
}

void CCustomCtrlEnvSetting::Fill(const CRemoConInfo* record) {
    if (m_rowCount < 0) {
        return;
    }
    // Without a record the rows read as for an air conditioner that never
    // sent settings, so no row of a previously selected unit stays up.
    static const CRemoConInfo kNoSettings;
    const CRemoConInfo& source = record != nullptr ? *record : kNoSettings;
    m_variant = CCustomCtrlTabPage::SettingsVariant(source.settings);
    const QString variantText = VariantText(m_variant);
    for (int i = 0; i < m_rowCount; ++i) {
        EnvSettingRow& row = m_rows[i];
        row.value = NoValue();
        row.shown = true;
        row.variant = variantText;
        const EnvSettingRowPictures& pictures = m_pictures[static_cast<size_t>(i)];
        const int iconId =
            m_variant == Variant::kC && pictures.iconC > 0 ? pictures.iconC : pictures.icon;
        LoadPicture(row.icon, row.iconId, iconId);
    }
    FillValues(source, m_variant);
}

bool CCustomCtrlEnvSetting::OnMessage(uint32_t, uintptr_t, intptr_t, intptr_t&) {
    return false;
}

CCustomCtrlEnvSetting::ValueLayout CCustomCtrlEnvSetting::LayoutOf(int row) const {
    ValueLayout layout;
    const EnvSettingRow& entry = m_rows[row];
    const int top = RowTop(row);
    const int bottom = RowBottom(row);
    const int textWidth = kValueTextRight - kValueTextLeft;
    // The banded prices need the tall box with their heading; a single price
    // ("標準 …") and a missing one fit the normal box.
    layout.tall = !entry.label.isEmpty() && IsNewerVariant(m_variant) &&
                  !entry.value.contains(QStringLiteral("標準")) && entry.value != NoValue();
    if (layout.tall) {
        layout.boxPicture = kTallValueBoxPicture;
        layout.boxAt = QPoint(kValueBoxX, top + kTallValueBoxTop);
        layout.heading = entry.value.contains(QStringLiteral("\n\n"))
                             ? QStringLiteral("深夜電力")
                             : QStringLiteral("オール電化");
        layout.headingRect =
            QRect(kValueTextLeft, bottom - kHeadingAbove, textWidth, kHeadingAbove);
        layout.valueRect =
            QRect(kValueTextLeft, bottom - kTallValueAbove, textWidth, kTallValueAbove);
        layout.valuePoints = kTallTextPoints;
    } else {
        layout.boxPicture = kValueBoxPicture;
        layout.boxAt = QPoint(kValueBoxX, top + kValueBoxTop);
        layout.valueRect = QRect(kValueTextLeft, top, textWidth, kRowHeight);
        layout.valuePoints = kValueTextPoints;
    }
    return layout;
}

int CCustomCtrlEnvSetting::ExplanationIdOf(int row) const {
    const EnvSettingRow& entry = m_rows[row];
    return IsNewerVariant(m_variant) ? entry.explanationBCId : entry.explanationAId;
}

void CCustomCtrlEnvSetting::Render() {
    m_surface.FillKey();
    m_surface.CopySurface(m_background, 0, 0);
    const int rows = std::min(m_rowCount, kRowsPerPage);
    for (int i = 0; i < rows; ++i) {
        const EnvSettingRow& row = m_rows[i];
        if (!row.shown) {
            continue;
        }
        m_surface.DrawSurface(row.icon, kIconX, CentredTop(i, row.icon));
        m_surface.DrawSurface(row.namePicture, kNamePictureX, CentredTop(i, row.namePicture));

        const ValueLayout layout = LayoutOf(i);
        m_surface.DrawSurface(layout.tall ? m_tallValueBox : m_valueBox, layout.boxAt.x(),
                              layout.boxAt.y());
        m_surface.SetTextColour(kValueColour);
        const QFont font = CDrawSurface::MakeFont(layout.valuePoints, false);
        if (layout.tall) {
            DrawCentredText(layout.heading, layout.headingRect, font);
        }
        DrawCentredText(row.value, layout.valueRect, font);

        const CDrawSurface& explanation =
            IsNewerVariant(m_variant) ? row.explanationBC : row.explanationA;
        if (!explanation.IsEmpty()) {
            m_surface.DrawSurface(explanation, kExplanationX, CentredTop(i, explanation));
        }
    }
}

void CCustomCtrlEnvSetting::DrawCentredText(const QString& text, const QRect& rect,
                                            const QFont& font) {
    // The price texts break their lines with "\n" alone, which the measuring
    // does not count as a line break: the text is centred as one line, so the
    // first line sits on the rectangle's middle and the others run below it.
    // That keeps the prices clear of the heading above them in the tall box.
    const int lineHeight = m_surface.TextHeight(QStringLiteral("a"), &font);
    const QRect box = rect.translated(0, (rect.height() - lineHeight) / 2);
    m_surface.DrawTextBox(text, CDrawSurface::kAlignCenter, false, box, &font);
}

QString CCustomCtrlEnvSetting::VariantText(Variant variant) {
    switch (variant) {
    case Variant::kA:
        return QStringLiteral("A");
    case Variant::kB:
        return QStringLiteral("B");
    case Variant::kC:
        return QStringLiteral("C");
    case Variant::kNone:
        break;
    }
    return {};
}

QString CCustomCtrlEnvSetting::NoValue() {
    return TableText(StringId::kNoValue);
}

QString CCustomCtrlEnvSetting::Choose(int32_t value,
                                      std::initializer_list<std::pair<int32_t, int32_t>> texts) {
    for (const auto& [candidate, stringId] : texts) {
        if (candidate == value) {
            return TableText(stringId);
        }
    }
    return NoValue();
}

QString CCustomCtrlEnvSetting::OffOn(int32_t value) {
    return Choose(value, {{0, EnvSettingText::kOff}, {1, EnvSettingText::kOn}});
}

void CCustomCtrlEnvSetting::RemakeSurfaces() {
    CCustomCtrlBase::RemakeSurfaces();
    m_background.Remake();
    m_valueBox.Remake();
    m_tallValueBox.Remake();
}
