// Canvas calls as fl_rectf / fl_rect / fl_draw. Anything outside the damaged area is skipped early:
// a repaint of one label must not render the text of all the others.
#include "platform/linux/draw/FltkCanvas.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include <cmath>

#include "platform/linux/draw/FlDraw.h"
#include "platform/linux/draw/Fonts.h"
#include "platform/linux/draw/ProgramIcon.h"

namespace platform::x11 {

namespace {
void UseColor(Color c) {
    fl_color(c.r, c.g, c.b);
}
}  // namespace

void FltkCanvas::FillRect(const PixelRect& r, Color c) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    UseColor(c);
    fl_rectf(r.left + originX_, r.top + originY_, r.Width(), r.Height());
}

void FltkCanvas::FrameRect(const PixelRect& r, Color c) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    UseColor(c);
    fl_rect(r.left + originX_, r.top + originY_, r.Width(), r.Height());
}

void FltkCanvas::DrawText(const PixelRect& r, std::string_view utf8, const Font& font, Color c, TextAlign align) {
    const int x = r.left + originX_;
    const int y = r.top + originY_;
    if (utf8.empty() || r.Width() <= 0 || r.Height() <= 0 || !fl_not_clipped(x, y, r.Width(), r.Height()))
        return;
    fl_push_clip(x, y, r.Width(), r.Height());
    const int pixels = PixelsFromPoints(font.points);
    fl_font(static_cast<Fl_Font>(FltkFontFor(font)), static_cast<Fl_Fontsize>(pixels));
    UseColor(c);
    const int length = static_cast<int>(utf8.size());
    const int width = static_cast<int>(std::lround(fl_width(utf8.data(), length)));
    int textX = x;
    if (align == TextAlign::Center)
        textX = x + (r.Width() - width) / 2;
    if (align == TextAlign::Right)
        textX = x + r.Width() - width;
    // The cell's top sits on the rectangle's top, as Windows' DT_TOP puts it.
    fl_draw(utf8.data(), length, textX, y + AscentPixels(pixels));
    fl_pop_clip();
}

int FltkCanvas::TextWidth(std::string_view utf8, const Font& font) {
    if (utf8.empty())
        return 0;
    fl_font(static_cast<Fl_Font>(FltkFontFor(font)), static_cast<Fl_Fontsize>(PixelsFromPoints(font.points)));
    return static_cast<int>(std::lround(fl_width(utf8.data(), static_cast<int>(utf8.size()))));
}

void FltkCanvas::DrawProgramIcon(const PixelRect& r) {
    const int x = r.left + originX_;
    const int y = r.top + originY_;
    if (r.Width() <= 0 || r.Height() <= 0 || !fl_not_clipped(x, y, r.Width(), r.Height()))
        return;
    // FLTK blends an RGBA image over what the window has drawn so far.
    ProgramIconImage(r.Width(), r.Height()).draw(x, y);
}

}  // namespace platform::x11
