// The four sampler ticks through the fake platform: captions, tooltips, bar widths and colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "bar/basCPUUsage.h"
#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "support/FakeFixture.h"

namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr std::uint64_t kGiB = 1024 * kMiB;

class Meters : public testsupport::FakeFixture {
protected:
    Meters() {
        basCPUUsage::Reset();
        fake.cpuTimes = platform::CpuTimes{1000, 10'000'000, 1};  // the sample taken at start-up
        fake.drives["C"] = {true, 10 * kGiB, 40 * kGiB, {}};
    }
    frmMain& Bar() { return frmMain::Get(); }
    // The next reading of one sampler, then its tick.
    void NextCpu(std::uint64_t idle, std::uint64_t time) {
        fake.cpuTimes = platform::CpuTimes{idle, time, 1};
        fake.Advance(500);
    }
    void NextMemory(std::uint64_t total, std::uint64_t available) {
        fake.memory = {total, available};
        fake.Advance(1000);
    }
    // A meter as shown: its caption, the caption's and the bar's tooltips, and the bar's width.
    static std::tuple<std::string, std::string, std::string, forms::Twips> Shown(const forms::Label& text,
                                                                                 const forms::Label& bar) {
        return {text.Caption(), text.ToolTipText(), bar.ToolTipText(), bar.Width()};
    }
    std::ptrdiff_t Calls(const std::string& reading) const {
        return std::count(fake.calls.begin(), fake.calls.end(), reading);
    }
};

TEST_F(Meters, CpuFirstSampleShowsZeroThenTheLoadAndValuesOutsideTheCellKeepTheBarWidth) {
    frmMain& bar = Bar();  // start-up takes the first sample
    EXPECT_EQ(std::pair(bar.lblCPU.Caption(), bar.lblBarCPU.Width()), std::pair(std::string("0%"), forms::Twips{0}));

    NextCpu(1000 + 2'500'000, 15'000'000);  // half idle
    EXPECT_EQ(Shown(bar.lblCPU, bar.lblBarCPU), std::tuple("50%", "ＣＰＵ使用率：50%", "ＣＰＵ使用率：50%", 500));

    NextCpu(1000 + 2'500'000, 16'000'000);  // none idle: 100 %
    EXPECT_EQ(bar.lblBarCPU.Width(), 1000);
    NextCpu(1000 + 3'550'000, 17'000'000);  // more idle than time: -5 %
    EXPECT_EQ(bar.lblCPU.Caption(), "-5%");
    EXPECT_EQ(bar.lblBarCPU.Width(), 1000);
}

TEST(CpuUsage, RoundsHalvesToEvenSpreadsIdleOverProcessorsAndSurvivesWrap) {
    using basCPUUsage::UsageBetween;
    EXPECT_EQ(UsageBetween({0, 0}, {375, 1000}, 1), 62);   // 62.5
    EXPECT_EQ(UsageBetween({0, 0}, {365, 1000}, 1), 64);   // 63.5
    EXPECT_EQ(UsageBetween({0, 0}, {3000, 1000}, 4), 25);  // four processors, three idle
    EXPECT_EQ(UsageBetween({0, 0}, {500, 1000}, 0), 50);   // a count of 0 reads as one
    // The low 32 bits of both counters wrap between the samples.
    EXPECT_EQ(UsageBetween({0xFFFFFF00, 0xFFFFF000}, {0x1'0000'0500, 0x1'0000'0800}, 1), 75);
    EXPECT_EQ(UsageBetween({5, 1000}, {5, 1000}, 1), std::nullopt);
    EXPECT_EQ(UsageBetween({5, 2000}, {5, 1000}, 1), std::nullopt);  // clock set back
    EXPECT_EQ(UsageBetween({500, 0}, {400, 1000}, 1), 100);          // idle stepped back: none idle
}

TEST_F(Meters, CpuFailedQueryShowsZeroAndKeepsTheStoredSample) {
    frmMain& bar = Bar();
    fake.cpuTimes.reset();
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "0%");
    NextCpu(1000 + 5'000'000, 20'000'000);  // measured across the failure
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
    // No time elapsed: the last reading stays.
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
    // 40 ms on, the idle count not moved yet: no 100 %, and the next reading spans from 20'000'000.
    NextCpu(1000 + 5'000'000, 20'400'000);
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
    NextCpu(1000 + 5'250'000, 20'500'000);
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
}

TEST_F(Meters, MemoryCaptionTooltipAndUnroundedBarWithFiguresBeyond4GiBAndHalfMegabytes) {
    fake.memory = {512 * kMiB, 128 * kMiB};
    frmMain& bar = Bar();
    const char* tip = "メモリ使用率：75%(384MB/512MB)";
    EXPECT_EQ(Shown(bar.lblMemory, bar.lblBarMemory), std::tuple("75%", tip, tip, 750));

    fake.calls.clear();
    NextMemory(1000 * kMiB, 375 * kMiB);  // 62.5 %
    EXPECT_EQ(Calls("memory"), 2);        // one query per reading: the caption's and the tooltip's
    EXPECT_EQ(bar.lblMemory.Caption(), "62%");
    EXPECT_EQ(bar.lblBarMemory.Width(), 625);
    NextMemory(1000 * kMiB, 365 * kMiB);  // 63.5 %
    EXPECT_EQ(bar.lblMemory.Caption(), "64%");

    NextMemory(64 * kGiB, 16 * kGiB);
    EXPECT_EQ(bar.lblMemory.ToolTipText(), "メモリ使用率：75%(49152MB/65536MB)");
    NextMemory(1024 * kMiB, 1024 * kMiB - 383 * kMiB - kMiB / 2);  // 383.5 MB used
    EXPECT_NE(bar.lblMemory.ToolTipText().find("(384MB/"), std::string::npos);
    NextMemory(1024 * kMiB, 1024 * kMiB - 382 * kMiB - kMiB / 2);  // 382.5 MB used
    EXPECT_NE(bar.lblMemory.ToolTipText().find("(382MB/"), std::string::npos);
    NextMemory(0, 0);  // an unreadable status shows 0 rather than failing
    EXPECT_EQ(bar.lblMemory.Caption(), "0%");
}

TEST_F(Meters, DriveUsageOverAllListedDrivesAndTotalsBeyondTwoTebibytes) {
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblDrive.Caption(), "75%");
    EXPECT_EQ(bar.lblDrive.ToolTipText(), "Cドライブの使用率：75% (30GB/40GB)");
    EXPECT_EQ(bar.lblBarDrive.Width(), 750);

    fake.drives["C"] = {true, 3000 * kGiB, 12000 * kGiB, {}};
    fake.driveQueries.clear();
    fake.Advance(60000);
    EXPECT_EQ(fake.driveQueries, std::vector<std::string>{"C"});  // one query per drive and tick
    EXPECT_TRUE(fake.messageBoxes.empty());
    EXPECT_EQ(bar.lblDrive.ToolTipText(), "Cドライブの使用率：75% (9000GB/12000GB)");

    WriteSettings("[Setting]\nDrive=C,D,C\n");
    fake.drives["C"] = {true, 10 * kGiB, 40 * kGiB, {}};
    fake.drives["D"] = {true, 2 * kGiB + kGiB / 4, 10 * kGiB + kGiB / 2, {}};
    frmMain::Unload();
    fake.driveQueries.clear();
    // Sizes: 40 + 10.5 + 40 = 90.5 GiB; used: 30 + 8.25 + 30 = 68.25 GiB.
    EXPECT_EQ(Bar().lblDrive.ToolTipText(), "C,D,Cドライブの使用率：75% (68.25GB/90.5GB)");
    EXPECT_EQ(fake.driveQueries, (std::vector<std::string>{"C", "D", "C"}));
}

TEST_F(Meters, AFailedDriveWarnsOnceThenShowsTheErrorUntilRestart) {
    WriteSettings("[Setting]\nDrive=C,E\n");
    frmMain& bar = Bar();
    EXPECT_EQ(
        Boxes(),
        (std::vector<Box>{{"Eドライブの" + fake.missingDriveError, "Vigilon", platform::MessageIcon::Exclamation}}));
    EXPECT_EQ(Shown(bar.lblDrive, bar.lblBarDrive),
              std::tuple("ERROR!!", "ドライブチェックエラー！", "ドライブチェックエラー！", 0));
    EXPECT_EQ(bar.lblDrive.ForeColor(), forms::ColorRef::Rgb(255, 0, 0));

    fake.drives["E"] = {true, kGiB, 2 * kGiB, {}};  // the drive comes back: no retry until restart
    const std::size_t queries = fake.driveQueries.size();
    fake.Advance(60000);
    EXPECT_EQ(fake.driveQueries.size(), queries);
    EXPECT_EQ(bar.lblDrive.Caption(), "ERROR!!");
    EXPECT_EQ(fake.messageBoxes.size(), 1u);

    frmMain::Unload();
    EXPECT_EQ(Bar().lblDrive.Caption(), "74%");  // 31 of 42 GiB
    EXPECT_EQ(Bar().lblDrive.ForeColor(), forms::ColorRef::System(platform::SystemColor::WindowText));
}

TEST_F(Meters, EmptyListOrSizelessDrivesShowTheErrorWithoutAWarning) {
    fake.drives["C"] = {true, 0, 0, {}};
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblDrive.Caption(), "ERROR!!");
    EXPECT_TRUE(fake.messageBoxes.empty());

    core::AppSettings.Drive = "";
    fake.drives["C"] = {true, 10 * kGiB, 40 * kGiB, {}};
    fake.Advance(60000);
    EXPECT_EQ(bar.lblDrive.Caption(), "ERROR!!");
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(Meters, PowerCheckOffThenPowerStates) {
    fake.power = {0, 80};
    // BattInterval 0: no power check, no timer.
    EXPECT_EQ(Shown(Bar().lblBatt, Bar().lblBarBatt),
              std::tuple("No Check!!", "電源状態：チェックなし", "電源状態：チェックなし", 1000));
    EXPECT_FALSE(Bar().tmrBatt.Running());

    WriteSettings("[Setting]\nBattInterval=1000\n");
    frmMain::Unload();
    frmMain& bar = Bar();
    EXPECT_EQ(Shown(bar.lblBatt, bar.lblBarBatt), std::tuple("80%", "電源状態：80%", "電源状態：80%", 800));

    // Undetermined right after a battery reading: the bar keeps its width. A percentage undetermined
    // is shown as it comes, wider than the cell.
    const struct {
        platform::PowerStatus power;
        const char* caption;
        int width;
    } states[] = {{{255, 0}, "電源不明", 800}, {{1, 255}, "電源使用中", 1000}, {{0, 255}, "255%", 2550}};
    for (const auto& s : states) {
        fake.power = s.power;
        fake.Advance(1000);
        EXPECT_EQ(bar.lblBatt.Caption(), s.caption);
        EXPECT_EQ(bar.lblBarBatt.ToolTipText(), std::string("電源状態：") + s.caption);
        EXPECT_EQ(bar.lblBarBatt.Width(), s.width) << s.caption;
    }
}

TEST_F(Meters, RefreshRunsClockCpuDriveMemoryPowerInThatOrder) {
    frmMain& bar = Bar();
    fake.calls.clear();
    bar.CallTime_Timer();
    std::vector<std::string> order;
    for (const std::string& c : fake.calls) {
        if (order.empty() || order.back() != c)
            order.push_back(c);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"cursor", "time", "cpu", "drive", "memory", "power"}));
}

}  // namespace
