#include "resources/art/generator/CArtPalette.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

const QColor CArtPalette::kCream(255, 253, 237);
const QColor CArtPalette::kPink(236, 177, 207);
const QColor CArtPalette::kBlue(156, 210, 223);
const QColor CArtPalette::kGreyBlue(212, 229, 232);
const QColor CArtPalette::kText(51, 51, 51);
const QColor CArtPalette::kKey(255, 0, 255);
const QColor CArtPalette::kDialog(233, 229, 231);
const QColor CArtPalette::kWhite(255, 255, 255);

QColor CArtPalette::EntryColour(int position) {
    static const QColor kColours[kEntryCount] = {
        QColor(139, 207, 219), QColor(227, 152, 176), QColor(179, 210, 69), QColor(149, 122, 181),
        QColor(37, 128, 86),   QColor(236, 163, 44),  QColor(137, 85, 47),
    };
    return kColours[std::clamp(position, 0, kEntryCount - 1)];
}

QColor CArtPalette::Mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QColor CArtPalette::InkOn(const QColor& fill) {
    const double luma = 0.299 * fill.red() + 0.587 * fill.green() + 0.114 * fill.blue();
    return luma < 150.0 ? kWhite : kText;
}

CArtPalette::Scheme CArtPalette::SchemeFor(ArtRole role) {
    // Pink marks what is chosen everywhere; the places differ in their face tint.
    const QColor accent = Mix(kPink, kText, 0.25);
    switch (role) {
    case ArtRole::kCalendar:
    case ArtRole::kDayDialog:
        return {kWhite, Mix(kPink, kWhite, 0.7), Mix(kPink, kText, 0.4), accent,
                kCream, Mix(kPink, kText, 0.2)};
    case ArtRole::kGraph:
        return {kWhite, Mix(kBlue, kWhite, 0.6), Mix(kBlue, kText, 0.45), accent,
                kCream, Mix(kBlue, kText, 0.3)};
    case ArtRole::kMenu:
        return {kCream, Mix(kGreyBlue, kCream, 0.2), Mix(kBlue, kText, 0.45), accent,
                kCream, Mix(kBlue, kText, 0.3)};
    case ArtRole::kDeviceDialog:
    case ArtRole::kDevicePage:
        return {kWhite, kGreyBlue, Mix(kBlue, kText, 0.4), accent, kCream, Mix(kBlue, kText, 0.3)};
    case ArtRole::kConnectError:
        return {kWhite, kCream, Mix(kPink, kText, 0.45), accent, kWhite, Mix(kPink, kText, 0.3)};
    default:
        return {kWhite, kGreyBlue, Mix(kBlue, kText, 0.45), accent, kCream, Mix(kBlue, kText, 0.3)};
    }
}

QFont CArtPalette::Font(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(QStringList{"Meiryo UI", "Noto Sans CJK JP", "IPAGothic"});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
