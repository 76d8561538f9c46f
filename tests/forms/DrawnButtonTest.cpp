// The push button on the fake platform: which press and release sequences click, and when it repaints.
#include <gtest/gtest.h>

#include <vector>

#include "forms/DrawnButton.h"
#include "forms/FormInstance.h"
#include "support/FakeFixture.h"

namespace {

class frmButtonProbe : public forms::Form, public forms::FormInstance<frmButtonProbe> {
public:
    int clicks = 0;
    forms::DrawnButton btnProbe{*this, "btnProbe", {150, 150, 300, 300}};  // pixels 10..30 both ways

private:
    friend class forms::FormInstance<frmButtonProbe>;
    frmButtonProbe()
        : Form("frmButtonProbe", {"", 900, 900, platform::WindowFrame::None, forms::ColorRef::Rgb(1, 2, 3)}) {
        btnProbe.onClick = [this] { ++clicks; };
    }
};

// Down, Move, Up or Double-click, the buttons held after it, and where.
struct Event {
    char kind;
    int buttons, x, y;
};

class DrawnButtonTest : public testsupport::FakeFixture {
protected:
    void Send(const Event& e) {
        platform::WindowListener& w = *fake.Window(frmButtonProbe::Get().hWnd()).listener;
        const platform::MouseEvent m{e.buttons, 0, e.x, e.y};
        e.kind == 'D'   ? w.OnMouseDown(m)
        : e.kind == 'M' ? w.OnMouseMove(m)
        : e.kind == 'U' ? w.OnMouseUp(m)
                        : w.OnDoubleClick(m);
    }
};

TEST_F(DrawnButtonTest, ClicksOnALeftReleaseOverItAfterALeftPressOnIt) {
    const struct {
        const char* what;
        std::vector<Event> events;
        int clicks;
    } cases[] = {
        {"inside", {{'D', 1, 20, 20}, {'U', 0, 20, 20}}, 1},
        {"released outside", {{'D', 1, 20, 20}, {'M', 1, 50, 50}, {'U', 0, 50, 50}}, 0},
        {"out and back in", {{'D', 1, 10, 10}, {'M', 1, 30, 20}, {'M', 1, 29, 29}, {'U', 0, 29, 29}}, 1},
        {"right button", {{'D', 2, 20, 20}, {'U', 0, 20, 20}}, 0},
        {"right up, left held", {{'D', 1, 20, 20}, {'D', 3, 20, 20}, {'U', 1, 20, 20}}, 0},
        {"pressed elsewhere", {{'D', 1, 50, 50}, {'M', 1, 20, 20}, {'U', 0, 20, 20}}, 0},
        {"quick second press", {{'D', 1, 20, 20}, {'U', 0, 20, 20}, {'C', 1, 20, 20}, {'U', 0, 20, 20}}, 2},
        {"second press released outside", {{'D', 1, 20, 20}, {'U', 0, 20, 20}, {'C', 1, 20, 20}, {'U', 0, 50, 50}}, 1},
    };
    for (const auto& c : cases) {
        frmButtonProbe::Get().clicks = 0;
        for (const Event& e : c.events)
            Send(e);
        EXPECT_EQ(frmButtonProbe::Get().clicks, c.clicks) << c.what;
        Send({'U', 0, 50, 50});  // nothing left held for the next case
        EXPECT_FALSE(frmButtonProbe::Get().btnProbe.Pushed()) << c.what;
    }
}

TEST_F(DrawnButtonTest, RepaintsOnlyWhenThePushedLookChanges) {
    const int& repaints = fake.Window(frmButtonProbe::Get().hWnd()).invalidations;
    const int start = repaints;
    // Pushed, still pushed, out, still out, back in, released: four changes of look.
    const Event steps[] = {{'D', 1, 20, 20}, {'M', 1, 25, 25}, {'M', 1, 30, 25},
                           {'M', 1, 40, 25}, {'M', 1, 29, 25}, {'U', 0, 29, 25}};
    for (const Event& e : steps)
        Send(e);
    EXPECT_EQ(repaints - start, 4);
}

}  // namespace
