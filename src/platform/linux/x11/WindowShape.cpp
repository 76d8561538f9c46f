// Rounded window shapes and the no-focus hint.
#include "platform/linux/x11/WindowShape.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cmath>

namespace platform::x11 {

namespace {

// How far a row `row` rows from the top or bottom edge lies inside the corner: the horizontal inset
// of the corner ellipse (half-axes a, b) at the row's middle.
int CornerInset(int row, double a, double b) {
    const double dy = b - (row + 0.5);
    if (dy <= 0)
        return 0;
    const double t = std::max(0.0, 1.0 - (dy * dy) / (b * b));
    return static_cast<int>(std::lround(a - a * std::sqrt(t)));
}

}  // namespace

std::vector<PixelRect> RoundRectBands(const PixelRect& r, int ew, int eh) {
    std::vector<PixelRect> bands;
    const int width = r.Width();
    const int height = r.Height();
    if (width <= 0 || height <= 0)
        return bands;
    // Corners never take more than half of each side.
    const double a = std::clamp(ew, 0, width) / 2.0;
    const double b = std::clamp(eh, 0, height) / 2.0;
    const int band = static_cast<int>(std::ceil(b));
    for (int y = 0; y < height; ++y) {
        const int fromEdge = std::min(y, height - 1 - y);
        const int inset = fromEdge < band ? CornerInset(fromEdge, a, b) : 0;
        const PixelRect row{r.left + inset, r.top + y, r.right - inset, r.top + y + 1};
        if (!bands.empty()) {
            PixelRect& last = bands.back();
            if (last.bottom == row.top && last.left == row.left && last.right == row.right) {
                last.bottom = row.bottom;
                continue;
            }
        }
        bands.push_back(row);
    }
    return bands;
}

bool ApplyRoundedShape(Fl_Window& window, const PixelRect& r, int ew, int eh) {
    const Window xid = fl_xid(&window);
    int eventBase = 0;
    int errorBase = 0;
    if (!xid || !XShapeQueryExtension(fl_display, &eventBase, &errorBase))
        return false;
    std::vector<XRectangle> rects;
    for (const PixelRect& b : RoundRectBands(r, ew, eh)) {
        rects.push_back({static_cast<short>(b.left), static_cast<short>(b.top), static_cast<unsigned short>(b.Width()),
                         static_cast<unsigned short>(b.Height())});
    }
    XShapeCombineRectangles(fl_display, xid, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
                            ShapeSet, YXBanded);
    XFlush(fl_display);
    return true;
}

void RefuseInputFocus(Fl_Window& window) {
    const Window xid = fl_xid(&window);
    if (!xid)
        return;
    XWMHints* hints = XGetWMHints(fl_display, xid);
    XWMHints fresh{};
    XWMHints* h = hints ? hints : &fresh;
    h->flags |= InputHint;
    h->input = False;
    XSetWMHints(fl_display, xid, h);
    if (hints)
        XFree(hints);
    XFlush(fl_display);
}

}  // namespace platform::x11
