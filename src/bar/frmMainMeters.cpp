// The bar's four sampler ticks: each puts its interval in force, reads its figure and writes the cell.
#include "bar/basCPUUsage.h"
#include "bar/basDiskSpace.h"
#include "bar/basProcedure.h"
#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/Numbers.h"

namespace {

constexpr forms::Twips kFullBar = 1000;
constexpr double kMiB = 1024.0 * 1024.0;

// The text label and its bar carry the same tooltip, so the whole cell shows one.
void SetCellToolTip(forms::Label& text, forms::Label& bar, std::string tip) {
    bar.SetToolTipText(tip);
    text.SetToolTipText(std::move(tip));
}

// Widths outside the cell are skipped: the bar keeps the width it had.
void SetBarWidthInCell(forms::Label& bar, double width) {
    if (width >= 0 && width <= kFullBar)
        bar.SetWidth(static_cast<forms::Twips>(width));
}

}  // namespace

void frmMain::tmrCPU_Timer() {
    tmrCPU.SetInterval(core::AppSettings.CPUInterval);
    const std::int32_t v = basCPUUsage::GetCPUUsage();
    lblCPU.SetCaption(core::PercentText(v));
    SetCellToolTip(lblCPU, lblBarCPU, "ＣＰＵ使用率：" + lblCPU.Caption());
    SetBarWidthInCell(lblBarCPU, v / 100.0 * kFullBar);
}

void frmMain::tmrMemory_Timer() {
    tmrMemory.SetInterval(core::AppSettings.MemoryInterval);
    basProcedure::ReadMemoryStatus();
    const std::uint64_t total = basProcedure::GetTotalPhysMemory();
    const std::uint64_t available = basProcedure::GetAvailPhysMemory();
    const double used = static_cast<double>(total) - static_cast<double>(available);
    const double p = total == 0 ? 0.0 : used / static_cast<double>(total) * 100.0;
    lblMemory.SetCaption(core::PercentText(core::RoundHalfEven(p)));

    // The megabyte figures come from a second reading, taken after the caption.
    basProcedure::ReadMemoryStatus();
    const std::uint64_t total2 = basProcedure::GetTotalPhysMemory();
    const std::uint64_t available2 = basProcedure::GetAvailPhysMemory();
    const double used2 = static_cast<double>(total2) - static_cast<double>(available2);
    SetCellToolTip(lblMemory, lblBarMemory,
                   "メモリ使用率：" + lblMemory.Caption() + "(" + std::to_string(core::RoundHalfEven(used2 / kMiB)) +
                       "MB/" + std::to_string(core::RoundHalfEven(static_cast<double>(total2) / kMiB)) + "MB)");
    SetBarWidthInCell(lblBarMemory, p / 100.0 * kFullBar);
}

void frmMain::tmrDrive_Timer() {
    tmrDrive.SetInterval(core::AppSettings.DriveInterval);
    const double r = basDiskSpace::GetDriveUsage();
    if (r >= 0) {
        lblDrive.SetCaption(core::PercentText(core::RoundHalfEven(r * 100.0)));
        SetCellToolTip(lblDrive, lblBarDrive,
                       core::AppSettings.Drive + "ドライブの使用率：" + lblDrive.Caption() + " (" +
                           core::ShortestText(basDiskSpace::GetDriveUsedGB()) + "GB/" +
                           core::ShortestText(basDiskSpace::GetDriveTotalGB()) + "GB)");
        lblBarDrive.SetWidth(static_cast<forms::Twips>(r * kFullBar));
        return;
    }
    lblDrive.SetCaption("ERROR!!");
    lblDrive.SetForeColor(forms::ColorRef::Rgb(255, 0, 0));
    SetCellToolTip(lblDrive, lblBarDrive, "ドライブチェックエラー！");
    lblBarDrive.SetWidth(0);
}

void frmMain::tmrBatt_Timer() {
    tmrBatt.SetInterval(core::AppSettings.BattInterval);
    const platform::PowerStatus s = platform::Readings().QueryPowerStatus();
    switch (s.acLineStatus) {
        case 0:
            lblBatt.SetCaption(core::PercentText(s.batteryLifePercent));
            lblBarBatt.SetWidth(static_cast<forms::Twips>(s.batteryLifePercent / 100.0 * kFullBar));
            break;
        case 1:
            lblBatt.SetCaption("電源使用中");
            lblBarBatt.SetWidth(kFullBar);
            break;
        case 255:
            lblBatt.SetCaption("電源不明");
            break;
        default:
            break;
    }
    if (core::AppSettings.BattInterval != 0) {
        SetCellToolTip(lblBatt, lblBarBatt, "電源状態：" + lblBatt.Caption());
    } else {
        lblBarBatt.SetWidth(kFullBar);
        lblBatt.SetCaption("No Check!!");
        SetCellToolTip(lblBatt, lblBarBatt, "電源状態：チェックなし");
    }
}
