// The bar's start-up sequence, its window and its drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/basMain.h"
#include "support/FakeFixture.h"

namespace {

using platform::fake::DrawOp;

class Bar : public testsupport::FakeFixture {
protected:
    platform::fake::FakeWindow& BarWindow() { return fake.Window(frmMain::Get().hWnd()); }
};

TEST_F(Bar, SecondInstanceShowsTheMessageAndEndsWithoutShowingAWindow) {
    platform::fake::FakePlatform otherProcess;
    ASSERT_TRUE(otherProcess.AcquireSingleInstance("Vigilon"));
    try {
        frmMain::Get();
        FAIL() << "the process should have ended";
    } catch (const platform::fake::ProcessExited&) {
    }
    EXPECT_EQ(Boxes(), (std::vector<Box>{{"Vigilonは既に起動しています", "Vigilon", platform::MessageIcon::None}}));
    ASSERT_EQ(fake.windows.size(), 1u);  // the bar's own window, never shown
    EXPECT_EQ(std::tuple(fake.windows.begin()->second.visible, frmCalendar::IsLoaded(), fake.RunningTimers()),
              std::tuple(false, false, 0u));
}

TEST_F(Bar, StartsAsABorderlessWhiteTopmostWindowTranslucentByTrans) {
    WriteSettings("[Setting]\nTrans=180\n");
    fake.version = {2, 5, 1};
    frmMain::Get();
    const platform::fake::FakeWindow& w = BarWindow();
    EXPECT_EQ(std::tie(w.layout.frame, w.layout.background, w.visible, w.topMostCalls, basMain::DriveCheckEnabled),
              std::tuple(platform::WindowFrame::None, platform::Color{255, 255, 255}, true, 1, true));
    EXPECT_EQ(w.alpha, 180);
    // The follow tick created the calendar, hidden.
    ASSERT_TRUE(frmCalendar::IsLoaded());
    EXPECT_FALSE(frmCalendar::Get().Visible());
}

TEST_F(Bar, TimersRunWithTheirSettingsAfterStartUp) {
    WriteSettings(
        "[Setting]\nInterval=700\nCPUInterval=300\nMemoryInterval=2000\nDriveInterval=9000\nBattInterval=0\n");
    frmMain& bar = frmMain::Get();
    EXPECT_EQ(std::vector<int>(
                  {bar.tmrCheck.Interval(), bar.tmrCPU.Interval(), bar.tmrMemory.Interval(), bar.tmrDrive.Interval()}),
              std::vector<int>({700, 300, 2000, 9000}));
    // BattInterval 0: no power check.
    EXPECT_EQ(std::pair(bar.tmrBatt.Running(), bar.tmrToolTip.Running()), std::pair(false, false));
    std::vector<std::uint32_t> running = fake.TimerIntervals();
    std::sort(running.begin(), running.end());
    EXPECT_EQ(running, (std::vector<std::uint32_t>{300, 500, 700, 2000, 9000}));
}

// The start-up refresh warns of a missing drive; while that box is open the clock ticks and the bar
// keeps following the active window.
TEST_F(Bar, TimersTickWhileAStartUpWarningIsOpen) {
    WriteSettings("[Setting]\nDrive=C,Q\n");
    constexpr platform::WindowHandle kEditor = 0x9000;
    const platform::PixelRect before{100, 50, 900, 400};
    const platform::PixelRect after{300, 150, 1100, 500};
    fake.foreign[kEditor] = {platform::kStyleMinimizeBox, 0, {platform::kShowNormal, before}, before};
    fake.foreground = kEditor;
    std::ptrdiff_t clockTicks = 0;
    platform::PixelRect barInside{};
    fake.duringMessageBox = [&](const platform::fake::RecordedMessageBox&) {
        fake.foreign[kEditor].placement.normalPosition = fake.foreign[kEditor].rect = after;
        const auto readings = std::count(fake.calls.begin(), fake.calls.end(), "time");
        fake.Advance(1000);
        clockTicks = std::count(fake.calls.begin(), fake.calls.end(), "time") - readings;
        barInside = fake.Window(frmMain::Get().hWnd()).rect;
    };
    frmMain::Get();
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].text, "Qドライブの" + fake.missingDriveError);
    EXPECT_EQ(clockTicks, 2);
    // On the moved window's caption bar (fixed frame 3, caption 19, border 1), while the box was open.
    EXPECT_EQ(barInside.top, 150 + 3 + 19 - 1 - 20);
    EXPECT_EQ(frmMain::Get().lblDrive.Caption(), "ERROR!!");
}

TEST_F(Bar, DrawsTheFourCellsAndTheClockInTheirColours) {
    // Every meter full: the CPU busy, the memory and the drive used up, mains power.
    fake.cpuTimes = platform::CpuTimes{1, 10'000'000, 1};
    fake.memory = {1u << 30, 0};
    fake.drives["C"] = {true, 0, 1u << 30, {}};
    fake.power = {1, 255};
    WriteSettings("[Setting]\nBattInterval=1000\n");
    frmMain& bar = frmMain::Get();
    fake.cpuTimes = platform::CpuTimes{1, 20'000'000, 1};
    fake.Advance(500);
    const std::vector<DrawOp> ops = fake.Paint(bar.hWnd());
    auto fillOf = [&](platform::Color c) {
        for (const DrawOp& op : ops) {
            if (op.kind == DrawOp::Fill && op.color == c)
                return op.rect;
        }
        return platform::PixelRect{-1, -1, -1, -1};
    };
    EXPECT_EQ(fillOf({192, 255, 255}), (platform::PixelRect{0, 0, 67, 10}));   // CPU
    EXPECT_EQ(fillOf({255, 255, 0}), (platform::PixelRect{67, 0, 134, 10}));   // drive
    EXPECT_EQ(fillOf({192, 255, 192}), (platform::PixelRect{0, 10, 67, 20}));  // memory
    EXPECT_EQ(fillOf({255, 128, 0}), (platform::PixelRect{67, 10, 134, 20}));  // power

    std::vector<std::string> texts;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Text)
            texts.push_back(op.text);
    }
    // Drawing order: memory text under the bars, then CPU, clock, drive and power on top.
    EXPECT_EQ(texts, (std::vector<std::string>{"100%", "100%", "12:00:00", "100%", "電源使用中"}));
    const auto clock = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.text == "12:00:00"; });
    ASSERT_NE(clock, ops.end());
    EXPECT_EQ(clock->font, (platform::Font{"ＭＳ Ｐゴシック", 14.25, 700}));
    EXPECT_EQ(clock->align, platform::TextAlign::Center);
    // The clock's background covers the block's last 10 twips (drawn after it).
    const auto clockFill = std::find_if(
        ops.begin(), ops.end(), [](const DrawOp& op) { return op.kind == DrawOp::Fill && op.rect.left == 133; });
    EXPECT_NE(clockFill, ops.end());
}

}  // namespace
