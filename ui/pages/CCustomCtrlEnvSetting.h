#pragma once

#include "model/CRemoConInfo.h"
#include "resources/CStringTable.h"
#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/UiText.h"
#include "ui/pages/CCustomCtrlTabPage.h"
#include "ui/pages/EnvSettingRow.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>

// One page of the settings-check tab: up to four rows, each an icon, a name
// picture, the current value in a box and an explanation picture, over the
// page background. The derived pages (CCustomCtrlEnvSettingPage1..5) give
// their picture table (one entry per row) and say how each value is worded;
// this class owns the rows, loads the pictures, decides the variant and draws.
//
// Created and updated by CCustomCtrlTabPageEnvSetting; reads the selected air
// conditioner from the data manager.
class CCustomCtrlEnvSetting : public CCustomCtrlBase {
public:
    // The one variant rule, shared with the main tab's header pictures.
    using Variant = CCustomCtrlTabPage::Variant;
    // "A", "B", "C", or empty for no variant.
    static QString VariantText(Variant variant);
    // B and C share the newer remote controller's texts and explanations.
    static bool IsNewerVariant(Variant variant) {
        return variant == Variant::kB || variant == Variant::kC;
    }

    static constexpr int kPageWidth = 698;
    static constexpr int kPageHeight = 380;
    static constexpr int kRowsPerPage = 4;
    static constexpr int kFirstRowTop = 33;
    static constexpr int kRowPitch = 87;
    static constexpr int kRowHeight = 82;
    static constexpr int kIconX = 12;
    static constexpr int kNamePictureX = 52;
    static constexpr int kValueBoxX = 177;
    static constexpr int kValueBoxTop = 22;    // below the row top
    static constexpr int kTallValueBoxTop = 4; // below the row top
    static constexpr int kValueTextLeft = 178;
    static constexpr int kValueTextRight = 318;
    static constexpr int kExplanationX = 321;
    static constexpr int kValueTextPoints = 11;
    static constexpr int kTallTextPoints = 9;
    static constexpr int kHeadingAbove = 136;   // heading rectangle: above the row bottom
    static constexpr int kTallValueAbove = 100; // value rectangle: above the row bottom

    static constexpr int kBackgroundPicture = 385;
    static constexpr int kValueBoxPicture = 388;
    static constexpr int kTallValueBoxPicture = 389;

    static int RowTop(int row) { return kFirstRowTop + kRowPitch * row; }
    static int RowBottom(int row) { return RowTop(row) + kRowHeight; }

    CCustomCtrlEnvSetting(CCustomCtrlBase* parentControl,
                          std::span<const EnvSettingRowPictures> pictures);

    // Slot 6: Create with font size 10, not bold; load the rows' pictures,
    // mark every row shown, link the rows and render.
    virtual void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                            int height);
    // Slot 2: refill the rows from the selected air conditioner and render.
    void Update() override;
    // The pages take no input.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // Slot 5: background, then every shown row.
    void Render() override;
    void RemakeSurfaces() override;

    // The rows from `record`, or as for an air conditioner without settings
    // when there is none: every value "---", the variant and its pictures
    // chosen, rows hidden by value and variant. Update calls it with the
    // selected record.
    void Fill(const CRemoConInfo* record);

    // -1 until created.
    int RowCount() const { return m_rowCount; }
    const EnvSettingRow& Row(int row) const { return m_rows[row]; }
    Variant CurrentVariant() const { return m_variant; }

    // How a row's value is laid out.
    struct ValueLayout {
        bool tall = false;  // the tall box with a heading above the value
        int boxPicture = 0; // 388 or 389
        QPoint boxAt;       // top-left of the box
        QString heading;    // "深夜電力" or "オール電化" in the tall box
        QRect headingRect;  // empty without a heading
        QRect valueRect;
        int valuePoints = 0; // before the DPI division
    };
    ValueLayout LayoutOf(int row) const;
    // The explanation picture id the row draws for its variant.
    int ExplanationIdOf(int row) const;

protected:
    // Words each value of `record` (variant already decided) into the rows
    // and hides rows by value or variant. The rows start as "---" and shown.
    virtual void FillValues(const CRemoConInfo& record, Variant variant) = 0;

    // The value a remote controller reports for a setting its unit does not
    // have.
    static constexpr int32_t kNotFitted = 255;

    // The page's rows, one per picture entry.
    EnvSettingRow& RowAt(int row) { return m_storage[static_cast<size_t>(row)]; }

    // "---", the string table's text for no value.
    static QString NoValue();
    // A string-table text with printf conversions ("%d/7") filled in.
    template <typename... Args>
    static QString Format(int32_t stringId, Args... args) {
        return TableFormat(stringId, args...);
    }
    // The text of the first pair whose value matches, else "---".
    static QString Choose(int32_t value, std::initializer_list<std::pair<int32_t, int32_t>> texts);
    // 0 "切", 1 "入", else "---".
    static QString OffOn(int32_t value);

private:
    void LoadPicture(CDrawSurface& surface, int& loadedId, int pictureId);
    // Centred in x; in y the first line is centred in `rect`.
    void DrawCentredText(const QString& text, const QRect& rect, const QFont& font);

    std::array<EnvSettingRow, kRowsPerPage> m_storage;
    std::span<const EnvSettingRowPictures> m_pictures;
    // Linked at creation.
    EnvSettingRow* m_rows = nullptr;
    int m_rowCount = -1;
    Variant m_variant = Variant::kNone;

    CDrawSurface m_background;
    CDrawSurface m_valueBox;
    CDrawSurface m_tallValueBox;
};
