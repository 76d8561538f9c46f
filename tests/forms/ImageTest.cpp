// The icon picture on the fake platform: what it draws and which presses and releases click it.
#include <gtest/gtest.h>

#include <vector>

#include "forms/FormInstance.h"
#include "forms/Image.h"
#include "support/FakeFixture.h"

namespace {

class frmImageProbe : public forms::Form, public forms::FormInstance<frmImageProbe> {
public:
    int clicks = 0;
    forms::Image picProbe{*this, "picProbe", {150, 150, 480, 480}};  // pixels 10..42 both ways

private:
    friend class forms::FormInstance<frmImageProbe>;
    frmImageProbe()
        : Form("frmImageProbe", {"", 900, 900, platform::WindowFrame::None, forms::ColorRef::Rgb(1, 2, 3)}) {
        picProbe.onClick = [this] { ++clicks; };
    }
};

using ImageTest = testsupport::FakeFixture;

TEST_F(ImageTest, DrawsTheIconStretchedToItsBoxAndNothingWhenEmpty) {
    frmImageProbe& f = frmImageProbe::Get();
    std::vector<platform::fake::DrawOp> ops = fake.Paint(f.hWnd());
    ASSERT_EQ(ops.size(), 2u);  // the background, then the icon
    EXPECT_EQ(ops[1].kind, platform::fake::DrawOp::Icon);
    EXPECT_EQ(ops[1].rect, (platform::PixelRect{10, 10, 42, 42}));

    f.picProbe.Move({150, 150, 360, 240});  // a box that is not square stretches the icon
    ops = fake.Paint(f.hWnd());
    EXPECT_EQ(ops.back().rect, (platform::PixelRect{10, 10, 34, 26}));
    f.picProbe.SetWidth(0);
    EXPECT_EQ(fake.Paint(f.hWnd()).size(), 1u);
}

TEST_F(ImageTest, ClicksOnALeftReleaseOverItAfterALeftPressOnIt) {
    struct Event {
        char kind;  // Down, Up, double-Click
        int buttons, x, y;
    };
    const struct {
        const char* what;
        std::vector<Event> events;
        int clicks;
    } cases[] = {
        {"inside", {{'D', 1, 20, 20}, {'U', 0, 20, 20}}, 1},
        {"released outside", {{'D', 1, 20, 20}, {'U', 0, 60, 60}}, 0},
        {"right button", {{'D', 2, 20, 20}, {'U', 0, 20, 20}}, 0},
        {"left up while right held", {{'D', 1, 20, 20}, {'D', 3, 20, 20}, {'U', 2, 20, 20}, {'U', 0, 20, 20}}, 1},
        {"quick second press", {{'D', 1, 20, 20}, {'U', 0, 20, 20}, {'C', 1, 20, 20}, {'U', 0, 20, 20}}, 2},
    };
    for (const auto& c : cases) {
        frmImageProbe& f = frmImageProbe::Get();
        f.clicks = 0;
        platform::WindowListener& w = *fake.Window(f.hWnd()).listener;
        for (const Event& e : c.events) {
            const platform::MouseEvent m{e.buttons, 0, e.x, e.y};
            e.kind == 'D' ? w.OnMouseDown(m) : e.kind == 'U' ? w.OnMouseUp(m) : w.OnDoubleClick(m);
        }
        EXPECT_EQ(f.clicks, c.clicks) << c.what;
    }
}

}  // namespace
