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
        const auto items = Property<unsigned long>(w, XInternAtom(x_, "_NET_WM_ICON", False), XA_CARDINAL);
        std::vector<std::pair<unsigned long, unsigned long>> sizes;
        for (std::size_t i = 0; i + 2 <= items.size(); i += 2 + items[i] * items[i + 1])
            sizes.emplace_back(items[i], items[i + 1]);
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
    // A dialog: the borderless windows are left alone by the window manager, so no icon is listed for them.
    const platform::WindowHandle w = Create(64, 64, 30, 30, painter, platform::WindowFrame::Dialog);
    ASSERT_TRUE(Show(w, painter));
    const Window xw = XWindow();
    using Size = std::pair<unsigned long, unsigned long>;
    EXPECT_EQ(IconSizes(xw), (std::vector<Size>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));

    XSync(fl_display, False);
    // The round icon's corner shows the fill, so does the right of the box; the white clock face below
    // the hands; the same on the 16 px icon.
    // clang-format off
    const std::pair<std::pair<int, int>, unsigned long> pixels[] = {
        {{4, 4}, 0xFF0000}, {{44, 24}, 0xFF0000}, {{24, 30}, 0xFFFFFF}, {{48, 48}, 0xFF0000}, {{56, 58}, 0xFFFFFF},
    };
    // clang-format on
    for (const auto& [at, rgb] : pixels)
        EXPECT_EQ(Pixel(xw, at.first, at.second), rgb) << at.first << "," << at.second;
}

}  // namespace
