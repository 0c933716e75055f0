#include "resources/art/generator/CSettingsPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtFace.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"
#include "resources/art/generator/CSettingGlyphs.h"

#include <QPainter>

namespace {

using P = CArtPalette;
using G = CSettingGlyphs;

// The row band is one flat colour: the name and explanation pictures are laid
// on it, and their own ground must meet it without a seam. A function, not a
// global: the palette's colours are globals of another file.
QColor Band() {
    return P::kWhite;
}

QColor BandBorder() {
    return P::Mix(P::kBlue, P::kGreyBlue, 0.35);
}

// The settings of the other remote-controller generation get the green their
// tab header and connection mark have.
QColor VariantCGreen() {
    return P::Mix(P::EntryColour(4), P::kBlue, 0.35);
}

struct GlyphOf {
    int id;
    G::Glyph glyph;
};

constexpr GlyphOf kGlyphs[] = {
    {227, G::kVolume},
    {228, G::kAutoPowerful},
    {229, G::kCurrentSwitch},
    {230, G::kAutoSave},
    {231, G::kBodyDisplay},
    {232, G::kUnitPrice},
    {233, G::kEnergyFan},
    {234, G::kFilterInterval},
    {235, G::kInsideClean},
    {236, G::kPlasmaIon},
    {237, G::kInstalledPosition},
    {238, G::kRoom},
    {239, G::kVoice},
    {383, G::kRemoconSensor},
    {384, G::kReceivingMode},
    {441, G::kDehumidification},
    {442, G::kOutdoorSound},
    {443, G::kDisplayTime},
    {444, G::kRoom},
    {445, G::kRemoconSensor},
    {446, G::kSideFan},
};

const GlyphOf* FindGlyph(int id) {
    for (const GlyphOf& g : kGlyphs) {
        if (g.id == id) {
            return &g;
        }
    }
    return nullptr;
}

} // namespace

PaintedPicture CSettingsPainter::Panel(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    // A calm panel, a shade deeper than the bands so the four rows stand out.
    const QColor top = P::Mix(P::kGreyBlue, P::kWhite, 0.55);
    const QColor bottom = P::Mix(P::kGreyBlue, P::kCream, 0.35);
    CArtFace::FillRounded(image, QRect(0, 0, spec.width, spec.height), 10, top, bottom,
                          scheme.border, P::Mix(top, P::kWhite, 0.6));
    for (int k = 0; k < 4; ++k) {
        const int y = kFirstRowTop + k * kRowPitch;
        // A soft shadow line under each band, then the band itself.
        CArtFace::FillRounded(image, QRect(5, y + 1, spec.width - 10, kRowHeight), 8,
                              P::Mix(bottom, P::kText, 0.06), P::Mix(bottom, P::kText, 0.06),
                              P::Mix(bottom, P::kText, 0.06));
        CArtFace::FillRounded(image, QRect(4, y, spec.width - 8, kRowHeight), 8, Band(), Band(),
                              BandBorder());
        // A pink tick at the band's left edge marks the row.
        CArtFace::FillRounded(image, QRect(6, y + 22, 3, kRowHeight - 44), 1, P::kPink, P::kPink,
                              P::kPink);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}

PaintedPicture CSettingsPainter::Icon(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const GlyphOf* glyph = FindGlyph(spec.id);
    if (glyph == nullptr) {
        return {QImage(), 0, {QStringLiteral("no pictogram for this setting icon")}};
    }
    const bool variantC = spec.variant == 1;
    const QColor tint = variantC ? VariantCGreen() : P::kBlue;
    // A round tile: pale tint fading to white, a ring of the tint's deeper shade.
    CArtFace::FillRounded(image, QRect(0, 0, spec.width, spec.height), spec.width / 2,
                          P::Mix(tint, P::kWhite, 0.82), P::Mix(tint, P::kWhite, 0.55),
                          P::Mix(tint, P::kText, 0.3), P::Mix(tint, P::kWhite, 0.9));
    QPainter p(&image);
    const double inset = spec.width * 0.19;
    const QRectF box(inset, inset, spec.width - 2 * inset, spec.height - 2 * inset);
    CSettingGlyphs::Draw(p, glyph->glyph, box, P::Mix(tint, P::kText, 0.55),
                         P::Mix(P::kPink, QColor(214, 86, 150), 0.35));
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}

PaintedPicture CSettingsPainter::Name(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    CArtFace::FillRounded(image, QRect(0, 0, spec.width, spec.height), 6, Band(), Band(), Band());
    QPainter p(&image);
    CArtText::Style style;
    style.maxPixel = 15;
    style.minPixel = 12;
    style.bold = true;
    style.align = Qt::AlignLeft | Qt::AlignVCenter;
    style.colour = P::kText;
    style.lineGap = 2;
    QStringList problems;
    // Each label is one line: the table splits the long names where they read
    // naturally.
    CArtText::DrawOrReport(p, QRect(2, 2, spec.width - 4, spec.height - 4), CArtText::Labels(spec),
                           style, problems);
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CSettingsPainter::Explanation(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QStringList problems;
    const QStringList lines = CArtText::Labels(spec);
    if (lines.isEmpty()) {
        return {QImage(), 0, {QStringLiteral("an explanation needs its text")}};
    }
    // A note card on the band: cream, a fine border, a pink edge on the left.
    const QColor paper = P::Mix(P::kCream, P::kWhite, 0.25);
    CArtFace::FillRounded(image, QRect(0, 0, spec.width, spec.height), 8, paper, paper,
                          P::Mix(P::kGreyBlue, P::kBlue, 0.3));
    CArtFace::FillRounded(image, QRect(6, 12, 3, spec.height - 24), 1, P::kPink, P::kPink,
                          P::kPink);
    QPainter p(&image);
    CArtText::Style style;
    style.maxPixel = 14;
    style.minPixel = 12;
    style.align = Qt::AlignLeft | Qt::AlignVCenter;
    style.colour = P::kText;
    style.lineGap = lines.size() > 2 ? 5 : 7;
    CArtText::DrawOrReport(p, QRect(16, 5, spec.width - 26, spec.height - 10), lines, style,
                           problems);
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CSettingsPainter::ValueBox(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    // Flat inside: the program centres the value text in it.
    const QColor fill = P::Mix(P::kCream, P::kWhite, 0.1);
    CArtFace::FillRounded(image, QRect(0, 0, spec.width, spec.height), 6, fill, fill,
                          P::Mix(P::kBlue, P::kText, 0.3));
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}
