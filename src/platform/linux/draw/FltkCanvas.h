// The Canvas a form paints on: FLTK drawing calls, clipped, with client coordinates.
#pragma once

#include "platform/Platform.h"

namespace platform::x11 {

class FltkCanvas : public Canvas {
public:
    // The client area starts at (originX, originY) of the FLTK window being drawn.
    FltkCanvas(int originX, int originY) : originX_(originX), originY_(originY) {}

    void FillRect(const PixelRect& r, Color c) override;
    void FrameRect(const PixelRect& r, Color c) override;
    void DrawText(const PixelRect& r, std::string_view utf8, const Font& font, Color c, TextAlign align) override;
    // fl_width in the font.
    int TextWidth(std::string_view utf8, const Font& font) override;
    void DrawProgramIcon(const PixelRect& r) override;

private:
    int originX_;
    int originY_;
};

}  // namespace platform::x11
