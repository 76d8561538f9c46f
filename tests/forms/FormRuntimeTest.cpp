// The forms runtime on the fake platform: create-on-use references, unloading, timers, drawing
// order, redraw economy, mouse routing and tooltips.
#include <gtest/gtest.h>

#include "forms/FormInstance.h"
#include "forms/Label.h"
#include "forms/Timer.h"
#include "support/FakeFixture.h"

namespace {

using platform::fake::DrawOp;

class frmProbe : public forms::Form, public forms::FormInstance<frmProbe> {
public:
    static inline int loads = 0;
    static inline bool unloadSelfOnTick = false;
    static inline int selfUnloadTicks = 0;
    std::vector<std::string> events;
    int ticks = 0;
    int ticksSeenBeforeLoadEnded = -1;

    forms::Label lblBottom{*this, "lblBottom", {0, 0, 1500, 300}};
    forms::Label lblTop{*this, "lblTop", {750, 0, 1500, 300}};
    forms::Timer tmrTick{*this, "tmrTick", 100};

private:
    friend class forms::FormInstance<frmProbe>;
    frmProbe() : Form("frmProbe", {"", 3000, 600, platform::WindowFrame::None, forms::ColorRef::Rgb(1, 2, 3)}) {
        tmrTick.onTimer = [this] {
            ++ticks;
            if (unloadSelfOnTick) {
                Unload();
                selfUnloadTicks = ticks;  // the object must still be alive here
            }
        };
        lblBottom.onMouseDown = [this](int b, int s, forms::Twips x, forms::Twips) {
            events.push_back("bottom down " + std::to_string(b) + " " + std::to_string(s) + " " +
                             std::to_string(static_cast<int>(x)));
        };
        lblTop.onMouseDown = [this](int, int, forms::Twips x, forms::Twips) {
            events.push_back("top down " + std::to_string(static_cast<int>(x)));
        };
        lblTop.onMouseMove = [this](int b, int, forms::Twips, forms::Twips) {
            events.push_back("top move " + std::to_string(b));
        };
        lblBottom.onDblClick = [this] { events.push_back("bottom dblclick"); };
    }
    void Form_Load() override {
        ++loads;
        // Timers must not have started while loading: a modal box here would otherwise tick them.
        platform::fake::FakePlatform& fake = static_cast<platform::fake::FakePlatform&>(platform::Current());
        fake.Advance(1000);
        ticksSeenBeforeLoadEnded = ticks;
    }
};

class FormRuntime : public testsupport::FakeFixture {
protected:
    FormRuntime() {
        frmProbe::loads = 0;
        frmProbe::unloadSelfOnTick = false;
        frmProbe::selfUnloadTicks = 0;
    }
    platform::fake::FakeWindow& Win() { return fake.Window(frmProbe::Get().hWnd()); }
    static std::vector<std::pair<DrawOp::Kind, platform::PixelRect>> KindsAndRects(const std::vector<DrawOp>& ops) {
        std::vector<std::pair<DrawOp::Kind, platform::PixelRect>> drawn;
        for (const DrawOp& op : ops)
            drawn.emplace_back(op.kind, op.rect);
        return drawn;
    }
};

TEST_F(FormRuntime, ReferenceCreatesOnFirstUseAndAgainAfterUnload) {
    EXPECT_FALSE(frmProbe::IsLoaded());
    EXPECT_EQ(frmProbe::loads, 0);  // testing for existence creates nothing
    const platform::WindowHandle first = frmProbe::Get().hWnd();
    frmProbe::Get();
    EXPECT_EQ(frmProbe::loads, 1);
    EXPECT_FALSE(fake.Window(first).visible);  // created hidden

    frmProbe::Unload();
    EXPECT_FALSE(frmProbe::IsLoaded());
    EXPECT_EQ(fake.destroyed, std::vector<platform::WindowHandle>{first});
    EXPECT_EQ(fake.quitRequests, 1);  // the last form went

    EXPECT_NE(frmProbe::Get().hWnd(), first);
    EXPECT_EQ(frmProbe::loads, 2);
}

TEST_F(FormRuntime, TimersStartAfterLoadTickStopWithTheFormKeepTheirRangeAndMayUnloadIt) {
    frmProbe& f = frmProbe::Get();
    EXPECT_EQ(f.ticksSeenBeforeLoadEnded, 0);
    fake.Advance(350);
    EXPECT_EQ(f.ticks, 3);

    f.tmrTick.SetInterval(0);
    fake.Advance(1000);
    EXPECT_EQ(f.ticks, 3);
    EXPECT_FALSE(f.tmrTick.Running());

    f.tmrTick.SetInterval(200);
    f.tmrTick.SetEnabled(false);
    fake.Advance(1000);
    EXPECT_EQ(f.ticks, 3);
    f.tmrTick.SetEnabled(true);
    fake.Advance(1000);
    EXPECT_EQ(f.ticks, 8);

    frmProbe::Unload();
    EXPECT_EQ(fake.RunningTimers(), 0u);

    // Intervals outside the range are cut, and setting the same interval keeps the countdown.
    frmProbe& g = frmProbe::Get();
    fake.Advance(60);
    g.tmrTick.SetInterval(100);  // what every sampler tick does
    fake.Advance(40);
    EXPECT_EQ(g.ticks, 1);
    g.tmrTick.SetInterval(-5);
    EXPECT_EQ(std::pair(g.tmrTick.Interval(), g.tmrTick.Running()), std::pair(0, false));
    g.tmrTick.SetInterval(1000000);
    EXPECT_EQ(g.tmrTick.Interval(), 65535);
    EXPECT_EQ(fake.TimerIntervals(), std::vector<std::uint32_t>{65535});

    // A form can unload itself from its own timer.
    frmProbe::Unload();
    frmProbe::Get();
    frmProbe::unloadSelfOnTick = true;
    fake.Advance(100);
    EXPECT_EQ(frmProbe::selfUnloadTicks, 1);
    EXPECT_FALSE(frmProbe::IsLoaded());
    fake.Advance(1000);
    EXPECT_EQ(fake.RunningTimers(), 0u);
}

TEST_F(FormRuntime, PaintsBackgroundThenControlsBottomToTop) {
    frmProbe& f = frmProbe::Get();
    f.lblBottom.SetBackStyle(forms::BackStyle::Opaque);
    f.lblBottom.SetBackColor(forms::ColorRef::Rgb(9, 9, 9));
    f.lblTop.SetCaption("上");
    f.lblTop.SetBorderStyle(forms::BorderStyle::FixedSingle);
    const std::vector<DrawOp> ops = fake.Paint(f.hWnd());
    // The text inside the border.
    EXPECT_EQ(KindsAndRects(ops),
              (std::vector<std::pair<DrawOp::Kind, platform::PixelRect>>{{DrawOp::Fill, {0, 0, 200, 40}},
                                                                         {DrawOp::Fill, {0, 0, 100, 20}},
                                                                         {DrawOp::Frame, {50, 0, 150, 20}},
                                                                         {DrawOp::Text, {51, 1, 149, 19}}}));
    EXPECT_EQ(std::tie(ops[0].color, ops[3].text), std::tuple(platform::Color{1, 2, 3}, "上"));

    // A part repainted draws only what lies over it.
    EXPECT_EQ(KindsAndRects(fake.Paint(f.hWnd(), platform::PixelRect{0, 0, 40, 30})),
              (std::vector<std::pair<DrawOp::Kind, platform::PixelRect>>{{DrawOp::Fill, {0, 0, 40, 30}},
                                                                         {DrawOp::Fill, {0, 0, 100, 20}}}));
    EXPECT_TRUE(fake.Paint(f.hWnd(), platform::PixelRect{300, 0, 400, 40}).empty());
}

// Mouse input goes to the topmost label and stays with it while held; unchanged properties cause no
// redraw; tooltips follow their label.
TEST_F(FormRuntime, LabelsRouteTheMouseRedrawOnlyOnChangeAndCarryTheirToolTips) {
    frmProbe& f = frmProbe::Get();
    platform::WindowListener& w = *Win().listener;
    w.OnMouseDown({2, 1, 10, 5});  // only the bottom label is there
    w.OnMouseUp({0, 1, 10, 5});
    w.OnMouseDown({1, 0, 60, 5});  // both overlap: the upper one takes it
    w.OnMouseMove({1, 0, 10, 5});  // held: still the label that was pressed
    w.OnMouseUp({0, 0, 10, 5});
    w.OnMouseMove({0, 0, 10, 5});  // released: the bottom label has no move handler
    w.OnDoubleClick({1, 0, 20, 5});
    EXPECT_EQ(f.events,
              (std::vector<std::string>{"bottom down 2 1 150", "top down 150", "top move 1", "bottom dblclick"}));

    f.lblTop.SetCaption("37%");
    const int after = Win().invalidations;
    f.lblTop.SetCaption("37%");
    f.lblTop.SetWidth(1500);
    f.lblTop.SetWidth(1501);  // rounds to the same pixels
    EXPECT_EQ(Win().invalidations, after);
    f.lblTop.SetCaption("38%");
    EXPECT_EQ(Win().invalidations, after + 1);

    f.lblTop.SetToolTipText("ＣＰＵ使用率：37%");
    ASSERT_EQ(Win().toolTips.size(), 1u);
    EXPECT_EQ(Win().toolTips.begin()->second.second, "ＣＰＵ使用率：37%");
    f.lblTop.SetWidth(300);
    EXPECT_EQ(Win().toolTips.begin()->second.first, (platform::PixelRect{50, 0, 70, 20}));
    f.lblTop.SetToolTipText("");
    EXPECT_TRUE(Win().toolTips.empty());
}

}  // namespace
