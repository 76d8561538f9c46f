// The Canvas of a form window over GDI, and the fonts it draws with: created once per distinct
// font and kept until the platform goes away.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Platform.h"

namespace platform::win32 {

class FontCache {
public:
    FontCache();
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // A Shift-JIS font of the given face, size and weight at the current DPI (DpiScaling.h); the
    // stock GUI font if none can be made.
    HFONT Get(const Font& font);

    // The logical height of a font of this many points: negative, so it is the character height.
    // Fractional points count (8.25 pt at 96 dpi is 11 px).
    static LONG HeightForPoints(double points, int dpi);

private:
    struct Entry {
        Font font;
        int dpi;
        HFONT handle;
    };
    // Fonts made for an earlier DPI stay until the cache goes: one may still be selected somewhere.
    std::vector<Entry> entries_;
};

class GdiCanvas final : public Canvas {
public:
    GdiCanvas(HDC dc, FontCache& fonts);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void FillRect(const PixelRect& r, Color c) override;
    void FrameRect(const PixelRect& r, Color c) override;
    void DrawText(const PixelRect& r, std::string_view utf8, const Font& font, Color c, TextAlign align) override;
    // GetTextExtentPoint32W in the font.
    int TextWidth(std::string_view utf8, const Font& font) override;
    void DrawProgramIcon(const PixelRect& r) override;

private:
    HDC dc_;
    FontCache& fonts_;
    HGDIOBJ originalFont_;
};

inline COLORREF ColorRefOf(Color c) {
    return RGB(c.r, c.g, c.b);
}
inline RECT RectOf(const PixelRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace platform::win32
