// The four sampler ticks through the fake platform: captions, tooltips, bar widths and colours.
#include <gtest/gtest.h>

#include "bar/basCPUUsage.h"
#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/basMain.h"
#include "support/FakeFixture.h"

namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr std::uint64_t kGiB = 1024 * kMiB;

class Meters : public testsupport::FakeFixture {
protected:
    Meters() {
        basCPUUsage::Reset();
        fake.drives["C"] = {true, 10 * kGiB, 40 * kGiB, {}};
    }
    frmMain& Bar() { return frmMain::Get(); }
};

TEST_F(Meters, CpuFirstSampleShowsZeroThenTheLoad) {
    fake.cpuTimes = platform::CpuTimes{1000, 10'000'000, 1};
    frmMain& bar = Bar();  // start-up takes the first sample
    EXPECT_EQ(bar.lblCPU.Caption(), "0%");
    EXPECT_EQ(bar.lblBarCPU.Width(), 0);

    fake.cpuTimes = platform::CpuTimes{1000 + 2'500'000, 15'000'000, 1};  // half idle
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
    EXPECT_EQ(bar.lblCPU.ToolTipText(), "ＣＰＵ使用率：50%");
    EXPECT_EQ(bar.lblBarCPU.ToolTipText(), "ＣＰＵ使用率：50%");
    EXPECT_EQ(bar.lblBarCPU.Width(), 500);
}

TEST_F(Meters, CpuValuesOutsideTheCellKeepTheBarWidth) {
    fake.cpuTimes = platform::CpuTimes{1000, 10'000'000, 1};
    frmMain& bar = Bar();
    fake.cpuTimes = platform::CpuTimes{1000 + 1'000'000, 11'000'000, 1};  // all idle: 0 %
    fake.Advance(500);
    fake.cpuTimes = platform::CpuTimes{1000 + 1'000'000, 12'000'000, 1};  // none idle: 100 %
    fake.Advance(500);
    EXPECT_EQ(bar.lblBarCPU.Width(), 1000);
    fake.cpuTimes = platform::CpuTimes{1000 + 2'050'000, 13'000'000, 1};  // more idle than time: -5 %
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "-5%");
    EXPECT_EQ(bar.lblBarCPU.Width(), 1000);
}

TEST(CpuUsage, RoundsHalvesToEvenSpreadsIdleOverProcessorsAndSurvivesWrap) {
    using basCPUUsage::Sample;
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
    fake.cpuTimes = platform::CpuTimes{1000, 10'000'000, 1};
    frmMain& bar = Bar();
    fake.cpuTimes.reset();
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "0%");
    fake.cpuTimes = platform::CpuTimes{1000 + 5'000'000, 20'000'000, 1};  // measured across the failure
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
    // No time elapsed: the last reading stays.
    fake.Advance(500);
    EXPECT_EQ(bar.lblCPU.Caption(), "50%");
}

TEST_F(Meters, MemoryCaptionTooltipAndUnroundedBar) {
    fake.memory = {512 * kMiB, 128 * kMiB};
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblMemory.Caption(), "75%");
    EXPECT_EQ(bar.lblMemory.ToolTipText(), "メモリ使用率：75%(384MB/512MB)");
    EXPECT_EQ(bar.lblBarMemory.ToolTipText(), bar.lblMemory.ToolTipText());
    EXPECT_EQ(bar.lblBarMemory.Width(), 750);

    fake.memory = {1000 * kMiB, 375 * kMiB};  // 62.5 %
    fake.Advance(1000);
    EXPECT_EQ(bar.lblMemory.Caption(), "62%");
    EXPECT_EQ(bar.lblBarMemory.Width(), 625);
    fake.memory = {1000 * kMiB, 365 * kMiB};  // 63.5 %
    fake.Advance(1000);
    EXPECT_EQ(bar.lblMemory.Caption(), "64%");
}

TEST_F(Meters, MemoryFiguresBeyond4GiBAndHalfMegabytes) {
    fake.memory = {64 * kGiB, 16 * kGiB};
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblMemory.ToolTipText(), "メモリ使用率：75%(49152MB/65536MB)");
    fake.memory = {1024 * kMiB, 1024 * kMiB - 383 * kMiB - kMiB / 2};  // 383.5 MB used
    fake.Advance(1000);
    EXPECT_NE(bar.lblMemory.ToolTipText().find("(384MB/"), std::string::npos);
    fake.memory = {1024 * kMiB, 1024 * kMiB - 382 * kMiB - kMiB / 2};  // 382.5 MB used
    fake.Advance(1000);
    EXPECT_NE(bar.lblMemory.ToolTipText().find("(382MB/"), std::string::npos);
    fake.memory = {0, 0};  // an unreadable status shows 0 rather than failing
    fake.Advance(1000);
    EXPECT_EQ(bar.lblMemory.Caption(), "0%");
}

TEST_F(Meters, DriveUsageOverAllListedDrives) {
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblDrive.Caption(), "75%");
    EXPECT_EQ(bar.lblDrive.ToolTipText(), "Cドライブの使用率：75% (30GB/40GB)");
    EXPECT_EQ(bar.lblBarDrive.Width(), 750);

    WriteSettings("[Setting]\nDrive=C,D,C\n");
    fake.drives["D"] = {true, 2 * kGiB + kGiB / 4, 10 * kGiB + kGiB / 2, {}};
    frmMain::Unload();
    frmMain& again = Bar();
    // Sizes: 40 + 10.5 + 40 = 90.5 GiB; used: 30 + 8.25 + 30 = 68.25 GiB.
    EXPECT_EQ(again.lblDrive.ToolTipText(), "C,D,Cドライブの使用率：75% (68.25GB/90.5GB)");
}

TEST_F(Meters, DriveTotalsBeyondTwoTebibytesStayHealthy) {
    fake.drives["C"] = {true, 3000 * kGiB, 12000 * kGiB, {}};
    frmMain& bar = Bar();
    EXPECT_TRUE(fake.messageBoxes.empty());
    EXPECT_EQ(bar.lblDrive.ToolTipText(), "Cドライブの使用率：75% (9000GB/12000GB)");
}

TEST_F(Meters, AFailedDriveWarnsOnceThenShowsTheErrorUntilRestart) {
    WriteSettings("[Setting]\nDrive=C,E\n");
    frmMain& bar = Bar();
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].text, "Eドライブの" + fake.missingDriveError);
    EXPECT_EQ(fake.messageBoxes[0].caption, "Vigilon");
    EXPECT_EQ(fake.messageBoxes[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(bar.lblDrive.Caption(), "ERROR!!");
    EXPECT_EQ(bar.lblDrive.ToolTipText(), "ドライブチェックエラー！");
    EXPECT_EQ(bar.lblBarDrive.ToolTipText(), "ドライブチェックエラー！");
    EXPECT_EQ(bar.lblDrive.ForeColor(), forms::ColorRef::Rgb(255, 0, 0));
    EXPECT_EQ(bar.lblBarDrive.Width(), 0);

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

TEST_F(Meters, PowerStates) {
    WriteSettings("[Setting]\nBattInterval=1000\n");
    fake.power = {0, 80};
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblBatt.Caption(), "80%");
    EXPECT_EQ(bar.lblBatt.ToolTipText(), "電源状態：80%");
    EXPECT_EQ(bar.lblBarBatt.Width(), 800);

    fake.power = {255, 0};  // undetermined right after a battery reading: the bar keeps its width
    fake.Advance(1000);
    EXPECT_EQ(bar.lblBatt.Caption(), "電源不明");
    EXPECT_EQ(bar.lblBarBatt.Width(), 800);

    fake.power = {1, 255};
    fake.Advance(1000);
    EXPECT_EQ(bar.lblBatt.Caption(), "電源使用中");
    EXPECT_EQ(bar.lblBarBatt.ToolTipText(), "電源状態：電源使用中");
    EXPECT_EQ(bar.lblBarBatt.Width(), 1000);

    fake.power = {0, 255};  // percentage undetermined: shown as it comes, wider than the cell
    fake.Advance(1000);
    EXPECT_EQ(bar.lblBatt.Caption(), "255%");
    EXPECT_EQ(bar.lblBarBatt.Width(), 2550);
}

TEST_F(Meters, PowerCheckOffShowsNoCheckAndStopsItsTimer) {
    fake.power = {0, 80};
    frmMain& bar = Bar();
    EXPECT_EQ(bar.lblBatt.Caption(), "No Check!!");
    EXPECT_EQ(bar.lblBatt.ToolTipText(), "電源状態：チェックなし");
    EXPECT_EQ(bar.lblBarBatt.ToolTipText(), "電源状態：チェックなし");
    EXPECT_EQ(bar.lblBarBatt.Width(), 1000);
    EXPECT_FALSE(bar.tmrBatt.Running());
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
