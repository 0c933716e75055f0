#pragma once

#include <span>
#include <string_view>

// The one list of the program's pictures: for every id its size, frames, how it
// is composited, which look it takes and the texts it carries. The picture
// generator draws from it and checks what it drew against it; the tests check
// the embedded pictures against it. Plain C++, so both can link it without the
// drawing code.

// What a picture is, which decides the painter that draws it.
enum class ArtKind {
    kApplicationIcon,
    kSplash,
    kAbout,
    kProgressBackground, // variant: the progress job kind (0..4)
    kProgressStep,       // variant: step 1..5
    kDeviceStrip,        // variant: list position 0..6
    kAllDevicesStrip,
    kListIcon, // variant: list position 0..6
    kAllDevicesIcon,
    kConnectionMark, // variant: 0 settings variants A, B or none; 1 variant C
    // labels: the face's words, an arrow "◀"/"▶" at either end drawn as a
    // shape; a strip taller than wide: its mark ("+"/"−"), then its word.
    kButtonStrip,
    kSelectField, // plain[0]: where the value is written; at x 0 the strip is only its button
    kBillBox,     // labels: the captions, in the order the box writes its values
    kTargetLevel, // variant: lit marks 1..5
    // variant: selected × 100 + hovered × 10 + flags, tabs numbered 1 calendar,
    // 2 graph, 3 settings check (0 none); flag 1 settings check disabled, flag
    // 2 the variant-C look.
    kMainTabHeader,
    kLeftTabHeader, // variant: selected × 10 + hovered; 1 select device, 2 menu
    kSeason,        // variant: month 1..12, 0 neutral, 101..105 the holidays in date order
    kAdvice,        // variant: 0 every season, 1 winter, 2 summer
    kConnectError,  // variant: the communication result it explains (−1 any other)
    kSettingsPanel,
    kSettingIcon,        // variant: 0 the common look, 1 the variant-C look
    kSettingName,        // labels: the name, one line per label
    kSettingExplanation, // labels: the text, one line per label
    kValueBox,
};

// Where the picture is shown, which picks its colour scheme.
enum class ArtRole {
    kApplication,
    kProduct,
    kProgress,
    kDeviceDialog,
    kDevicePage,
    kMenu,
    kCalendar,
    kGraph,
    kSettings,
    kDayDialog,
    kAdvice,
    kConnectError,
    kSeason,
    kHoliday,
    kCommon,
};

// How the program composites the picture.
enum class ArtBackdrop {
    kKeyed,  // opaque, exact magenta outside the shape, hard edges against it
    kOpaque, // copied as it is: no magenta, no alpha
    kAlpha,  // per-pixel alpha
};

// A rectangle the program writes or draws into, so the picture leaves it plain
// (every row one colour; a vertical gradient is allowed). Frame coordinates;
// right and bottom are exclusive. All zero: unused.
struct PlainArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool IsUsed() const { return right > left && bottom > top; }
};

struct PictureSpec {
    static constexpr int kMaxLabels = 6;
    static constexpr int kMaxPlainAreas = 8;

    int id = 0;
    int width = 0;
    int height = 0;
    int frames = 1; // equally wide frames side by side
    ArtKind kind = ArtKind::kSettingIcon;
    ArtRole role = ArtRole::kCommon;
    ArtBackdrop backdrop = ArtBackdrop::kKeyed;
    int variant = 0;                          // meaning per kind, see ArtKind
    std::string_view labels[kMaxLabels] = {}; // UTF-8, in reading order
    PlainArea plain[kMaxPlainAreas] = {};

    int FrameWidth() const { return frames > 0 ? width / frames : 0; }
    int LabelCount() const;
};

class CPictureTable {
public:
    // Every picture, by ascending id.
    static std::span<const PictureSpec> All();
    // The row of `id`, or null.
    static const PictureSpec* Find(int id);
    // Whether the generator has a painter for the kind yet; pictures of the
    // other kinds are not emitted (the program runs without them).
    static bool IsDrawnKind(ArtKind kind);
    static bool IsDrawn(const PictureSpec& spec) { return IsDrawnKind(spec.kind); }
    // The program icon: also emitted as tevaro.png / tevaro.svg for installing.
    static constexpr int kApplicationIconId = 129;
};
