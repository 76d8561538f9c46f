// The program's icon on a real X server: every window announces it in _NET_WM_ICON, and the canvas
// draws it scaled with its transparent corners. Skipped without $DISPLAY.
#include "platform/linux/XServerFixture.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <utility>
#include <vector>

namespace {

struct IconPainter : xtest::Recorder {
    void OnPaint(platform::Canvas& canvas) override {
        canvas.FillRect({0, 0, 64, 64}, {255, 0, 0});
        canvas.DrawProgramIcon({4, 4, 44, 44});  // 40 px: scaled from the 48 px image
        canvas.DrawProgramIcon({48, 48, 64, 64});
        xtest::Recorder::OnPaint(canvas);
    }
};

class ProgramIconTest : public xtest::XServerTest {
protected:
    // (width, height) of each image in the window's _NET_WM_ICON, and the ARGB of one pixel of each.
    std::vector<std::pair<unsigned long, unsigned long>> IconSizes(Window w) {
        Atom actual = 0;
        int format = 0;
        unsigned long n = 0, rest = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(x_, w, XInternAtom(x_, "_NET_WM_ICON", False), 0, 1 << 16, False, XA_CARDINAL, &actual,
                           &format, &n, &rest, &data);
        std::vector<std::pair<unsigned long, unsigned long>> sizes;
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; data && i + 2 <= n;) {
            const unsigned long width = items[i], height = items[i + 1];
            sizes.emplace_back(width, height);
            i += 2 + width * height;
        }
        if (data)
            XFree(data);
        return sizes;
    }
    unsigned long Pixel(Window w, int x, int y) {
        XImage* image = XGetImage(x_, w, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long p = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
        if (image)
            XDestroyImage(image);
        return p;
    }
};

TEST_F(ProgramIconTest, WindowsCarryTheIconAndTheCanvasDrawsIt) {
    IconPainter painter;
    const platform::WindowHandle w = Create(64, 64, 30, 30, painter);
    ASSERT_TRUE(Show(w, painter));
    const Window xw = XWindow();
    using Size = std::pair<unsigned long, unsigned long>;
    EXPECT_EQ(IconSizes(xw), (std::vector<Size>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));

    XSync(fl_display, False);
    const std::pair<std::pair<int, int>, unsigned long> pixels[] = {
        {{4, 4}, 0xFF0000},     // the round icon's corner shows the fill
        {{44, 24}, 0xFF0000},   // right of the box
        {{24, 30}, 0xFFFFFF},   // the white clock face below the hands
        {{48, 48}, 0xFF0000},   // the 16 px icon's corner
        {{56, 58}, 0xFFFFFF}};  // and its face
    for (const auto& [at, rgb] : pixels)
        EXPECT_EQ(Pixel(xw, at.first, at.second), rgb) << at.first << "," << at.second;
}

}  // namespace
