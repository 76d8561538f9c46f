// GDI drawing for form windows: solid fills and frames with the DC brush, single-line text with
// DrawTextW, fonts cached by face, size and weight, the program's icon with DrawIconEx.
#include "platform/win32/GdiCanvas.h"

#include <cmath>

#include "platform/win32/DpiScaling.h"
#include "platform/win32/ProgramIcon.h"
#include "platform/win32/TextConversion.h"

namespace platform::win32 {

FontCache::FontCache() = default;

FontCache::~FontCache() {
    for (const Entry& e : entries_)
        ::DeleteObject(e.handle);
}

LONG FontCache::HeightForPoints(double points, int dpi) {
    // Hundredths of a point keep MulDiv's rounding for the fractional sizes forms use (8.25, 9.75).
    const int hundredths = static_cast<int>(std::lround(points * 100.0));
    return -::MulDiv(hundredths, dpi, 7200);
}

HFONT FontCache::Get(const Font& font) {
    const int dpi = CurrentDpi();
    for (const Entry& e : entries_) {
        if (e.font == font && e.dpi == dpi)
            return e.handle;
    }
    LOGFONTW lf{};
    lf.lfHeight = HeightForPoints(font.points, dpi);
    lf.lfWeight = font.weight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = WideFromUtf8(font.face);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    HFONT handle = ::CreateFontIndirectW(&lf);
    if (!handle)
        return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    entries_.push_back(Entry{font, dpi, handle});
    return handle;
}

GdiCanvas::GdiCanvas(HDC dc, FontCache& fonts)
    : dc_(dc), fonts_(fonts), originalFont_(::GetCurrentObject(dc, OBJ_FONT)) {
    ::SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
    ::SelectObject(dc_, originalFont_);
}

void GdiCanvas::FillRect(const PixelRect& r, Color c) {
    const RECT rc = RectOf(r);
    ::SetDCBrushColor(dc_, ColorRefOf(c));
    ::FillRect(dc_, &rc, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void GdiCanvas::FrameRect(const PixelRect& r, Color c) {
    const RECT rc = RectOf(r);
    ::SetDCBrushColor(dc_, ColorRefOf(c));
    ::FrameRect(dc_, &rc, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void GdiCanvas::DrawText(const PixelRect& r, std::string_view utf8, const Font& font, Color c, TextAlign align) {
    if (utf8.empty())
        return;
    std::wstring text = WideFromUtf8(utf8);
    RECT rc = RectOf(r);
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_TOP;
    switch (align) {
        case TextAlign::Left:
            format |= DT_LEFT;
            break;
        case TextAlign::Center:
            format |= DT_CENTER;
            break;
        case TextAlign::Right:
            format |= DT_RIGHT;
            break;
    }
    ::SelectObject(dc_, fonts_.Get(font));
    ::SetTextColor(dc_, ColorRefOf(c));
    ::DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &rc, format);
}

int GdiCanvas::TextWidth(std::string_view utf8, const Font& font) {
    const std::wstring text = WideFromUtf8(utf8);
    ::SelectObject(dc_, fonts_.Get(font));
    SIZE size{};
    if (text.empty() || !::GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size))
        return 0;
    return size.cx;
}

void GdiCanvas::DrawProgramIcon(const PixelRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    // Loaded at the box's size, so Windows picks the best image of the resource and DrawIconEx
    // draws it pixel for pixel, its alpha blended over what is there.
    if (HICON icon = ProgramIcon(r.Width(), r.Height()))
        ::DrawIconEx(dc_, r.left, r.top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
}

}  // namespace platform::win32
