#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// One off-screen picture with its fonts: every control, page, dialog and the
// main window draw into one of these and compose it onto their canvas.
//
// The transparent key colour RGB(255, 0, 255) is represented by fully
// transparent pixels: "fill with the key colour" clears to transparent, loaded
// pictures have their exact-magenta pixels cleared once, and "copy with the key
// colour transparent" is source-over composition.
//
// Fonts: point sizes are divided by the DPI factor (integer part) and the
// image's resolution is the screen's logical DPI, so text keeps its pixel size
// on large-font screens.
//
// Resolution: sizes and positions are logical pixels (the window is 1020 × 578
// at every scale). The image holds ceil(size × device pixel ratio) device
// pixels and carries the ratio, so a QPainter on it works in logical pixels
// and draws text and shapes at the screen's resolution; pictures come from
// the store at the ratio (the @2x set above 1). At ratio 1 nothing differs
// from a plain image of the logical size.
class CDrawSurface {
public:
    static constexpr int kDefaultFontSize = 10;

    // Logical DPI (y) of the primary screen / 96. Set once by the application
    // at start-up (tests set it directly); 1.0 until then.
    static void SetDpiFactor(double factor);
    static double DpiFactor();
    // Logical DPI the surfaces' images carry: 96 × factor.
    static double LogicalDpi();

    // Device pixels per logical pixel of the surfaces made or loaded from now
    // on: set by the application from the window's screen before the window
    // is built (tests and benchmarks set it directly); 1.0 until then, and
    // for anything not above 0.
    static void SetDevicePixelRatio(double ratio);
    static double DevicePixelRatio();
    // Device pixels of `logical` pixels at `ratio`: rounded up, so the image
    // covers the whole logical size.
    static int DeviceSize(int logical, double ratio);

    CDrawSurface() = default;

    // Releases everything, makes a blank (transparent) image and its fonts.
    // False (and an empty surface) for a size of 0 or less.
    bool CreateSurface(int width, int height, int fontSize = 0, bool bold = false);
    // Releases everything, loads picture `pictureId` and takes its size. False
    // (and an empty surface) when the picture is missing or undecodable.
    bool LoadSurface(int pictureId, int fontSize = 0, bool bold = false);
    void ReleaseSurface();
    // Makes the surface again at the current device pixel ratio the way it
    // was made: blank at its size and font, or its picture loaded again (the
    // window moved to a screen of another ratio). Nothing for an empty one.
    void Remake();

    bool IsEmpty() const { return m_image.isNull(); }
    // Logical size; the image's own width() and height() are device pixels.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The ratio the surface was made at (its image's device pixel ratio).
    double Ratio() const { return m_ratio; }
    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }
    // `logical` (a rectangle of this surface) in the image's device pixels.
    QRectF DeviceRect(const QRect& logical) const;
    // The surface at its logical size, opaque black wherever a pixel has any
    // alpha (at a ratio above 1: any device pixel of it), transparent
    // elsewhere: the shape of a window drawn from it.
    QImage CoverageMask() const;

    // The stored size (points, before the DPI division) and the size the fonts
    // were created with (after it).
    int FontSize() const { return m_fontSize; }
    int CreatedPointSize() const { return m_createdPointSize; }
    const QFont& Font() const { return m_font; }
    const QFont& VerticalFont() const { return m_font; }
    bool IsBold() const { return m_bold; }
    // A font of the surface's face at `points` (divided by the DPI factor).
    static QFont MakeFont(int points, bool bold);

    // Text colour of later text calls (black at first).
    void SetTextColour(const QColor& colour) { m_textColour = colour; }
    QColor TextColour() const { return m_textColour; }

    // Whole surface (or `rect`) to the key colour.
    void FillKey();
    void FillKey(const QRect& rect);
    void Fill(const QColor& colour);
    void Fill(const QRect& rect, const QColor& colour);

    // `source` (or its `sourceRect`) at (x, y), the key colour transparent.
    // Parts outside either surface are skipped; empty surfaces draw nothing.
    void DrawSurface(const CDrawSurface& source, int x, int y);
    void DrawSurface(const CDrawSurface& source, int x, int y, const QRect& sourceRect);
    // The same as an opaque copy (pixels replaced, transparent ones included).
    void CopySurface(const CDrawSurface& source, int x, int y);
    void CopySurface(const CDrawSurface& source, int x, int y, const QRect& sourceRect);
    // Whether that copy replaces every device pixel of this surface (same
    // ratio, nothing left uncovered): a clear before it is then wasted.
    bool CopyCovers(const CDrawSurface& source, int x, int y, const QRect& sourceRect) const;
    // FillKey, then CopySurface; the clear left out where the copy covers all.
    void ReplaceWith(const CDrawSurface& source, int x, int y, const QRect& sourceRect);

    // A note of what the surface shows, so a control asked to render the same
    // inputs again (a redraw renders a page from several places) can keep its
    // pixels. The note holds only while nothing has written to the image since
    // (any write changes the image's cache key); a new image drops it.
    void SetContentKey(const QByteArray& key);
    bool HoldsContent(const QByteArray& key) const;
    // Whether every device pixel is opaque (false for an empty surface): then
    // composing it lays the same pixels as copying it. Looked at again only
    // after the image was written to.
    bool IsOpaque() const;

    // Horizontal alignment of DrawTextBox.
    enum Align { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
    // `text` in `rect`: lines separated by "\r\n" or "\n"; with `centerV` the
    // box is moved down by (rect height − text height) / 2 (integer), where the
    // text height is the sum of the line heights and an empty line measures as
    // "a". Uses the surface font, or `font` when given, in the text colour.
    void DrawTextBox(const QString& text, int align, bool centerV, const QRect& rect,
                     const QFont* font = nullptr);
    // Width of one line of text in the surface font (or `font`).
    int TextWidth(const QString& text, const QFont* font = nullptr) const;
    // The sum of the line heights DrawTextBox centres with.
    int TextHeight(const QString& text, const QFont* font = nullptr) const;

    // `text` laid out in `rect` with Qt alignment `flags`, in `font` and
    // `colour` (the text colour is left as it was). Text wider than the box
    // (or, word-wrapped, taller) is drawn smaller until it fits: the boxes are
    // fixed, and a font with wider glyphs than the one they were measured for
    // must not cut a word off.
    void DrawText(const QString& text, const QRect& rect, int flags, const QFont& font,
                  const QColor& colour);
    // The same on a painter a caller already holds (its pen and font are
    // replaced).
    static void PaintText(QPainter& painter, const QString& text, const QRect& rect, int flags,
                          const QFont& font);

    // Every text a box draws, with whether it fitted (after shrinking): the
    // check that no page or dialog cuts a text. Null turns it off.
    struct DrawnText {
        QString text;
        QRect rect;
        qreal pointSize = 0;
        bool fits = true;
    };
    using TextObserver = std::function<void(const DrawnText&)>;
    static void SetTextObserver(TextObserver observer);
    // Whether one is set: a render must then draw every text, to show it.
    static bool HasTextObserver();
    // `text` in the vertical font: it runs downward from (x, y), the tops of
    // the glyphs facing right, so its cell spans x - height .. x.
    void DrawVerticalText(const QString& text, int x, int y, const QFont* font = nullptr);

    // Dots per metre for LogicalDpi(), as the images carry it.
    static int DotsPerMeter();

private:
    void Prepare(int fontSize, bool bold);

    int m_width = 0;
    int m_height = 0;
    double m_ratio = 1.0;
    QImage m_image;
    QFont m_font;
    int m_fontSize = kDefaultFontSize;
    int m_createdPointSize = kDefaultFontSize;
    bool m_bold = false;
    QColor m_textColour = QColor(0, 0, 0);
    int m_pictureId = -1;
    QByteArray m_contentKey;
    qint64 m_contentImageKey = 0;
    mutable qint64 m_opaqueImageKey = 0;
    mutable bool m_opaque = false;
};
