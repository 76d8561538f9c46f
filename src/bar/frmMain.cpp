// The bar window: its controls, its start-up sequence and its timers.
#include "bar/frmMain.h"

#include "core/AppSettings.h"
#include "core/PlatformFamily.h"
#include "core/SharedState.h"
#include "core/basMain.h"
#include "sysinfo/SystemSnapshot.h"

using forms::BackStyle;
using forms::BorderStyle;
using forms::ColorRef;
using platform::SystemColor;

namespace {

const platform::Font kMeterFont{"ＭＳ Ｐゴシック", 8.25, 400};
const platform::Font kClockFont{"ＭＳ Ｐゴシック", 14.25, 700};

forms::FormSpec BarSpec() {
    forms::FormSpec layout;
    layout.clientWidth = 3480;
    layout.clientHeight = 300;
    layout.frame = platform::WindowFrame::None;
    layout.backColor = ColorRef::Rgb(255, 255, 255);
    return layout;
}

// Every label of the bar has a one-pixel flat border.
void Framed(forms::Label& l) {
    l.SetBorderStyle(BorderStyle::FixedSingle);
}

void MeterText(forms::Label& l) {
    Framed(l);
    l.SetBackStyle(BackStyle::Transparent);
    l.SetAlignment(platform::TextAlign::Center);
    l.SetFont(kMeterFont);
    l.SetForeColor(ColorRef::System(SystemColor::WindowText));
    l.SetCaption("100%");
}

void MeterBar(forms::Label& l, ColorRef colour) {
    Framed(l);
    l.SetBackStyle(BackStyle::Opaque);
    l.SetBackColor(colour);
}

}  // namespace

frmMain::frmMain()
    : Form("frmMain", BarSpec()),
      lblBackBar(*this, "lblBackBar", {0, 0, 2010, 300}),
      lblBarMemory(*this, "lblBarMemory", {0, 150, 1005, 150}),
      lblMemory(*this, "lblMemory", {0, 150, 1005, 150}),
      lblBarCPU(*this, "lblBarCPU", {0, 0, 1005, 150}),
      lblBarDrive(*this, "lblBarDrive", {1000, 0, 1005, 150}),
      lblBarBatt(*this, "lblBarBatt", {1000, 150, 1005, 150}),
      lblCPU(*this, "lblCPU", {0, 0, 1005, 150}),
      lblTime(*this, "lblTime", {2000, 0, 1485, 300}),
      lblDrive(*this, "lblDrive", {1000, 0, 1005, 150}),
      lblBatt(*this, "lblBatt", {1005, 150, 1005, 150}),
      txtCN(*this, "txtCN", {2040, 1200, 1095, 270}),
      txtUN(*this, "txtUN", {840, 1200, 1095, 270}),
      tmrCheck(*this, "tmrCheck", 500),
      tmrCPU(*this, "tmrCPU", 500),
      tmrMemory(*this, "tmrMemory", 500),
      tmrDrive(*this, "tmrDrive", 60000),
      tmrBatt(*this, "tmrBatt", 60000),
      tmrTime(*this, "tmrTime", 500),
      tmrToolTip(*this, "tmrToolTip", 0) {
    Framed(lblBackBar);
    lblBackBar.SetBackStyle(BackStyle::Opaque);
    lblBackBar.SetBackColor(ColorRef::System(SystemColor::Window));

    MeterBar(lblBarMemory, ColorRef::Rgb(192, 255, 192));
    MeterBar(lblBarCPU, ColorRef::Rgb(192, 255, 255));
    MeterBar(lblBarDrive, ColorRef::Rgb(255, 255, 0));
    MeterBar(lblBarBatt, ColorRef::Rgb(255, 128, 0));
    MeterText(lblMemory);
    MeterText(lblCPU);
    MeterText(lblDrive);
    MeterText(lblBatt);

    Framed(lblTime);
    lblTime.SetBackStyle(BackStyle::Opaque);
    lblTime.SetBackColor(ColorRef::System(SystemColor::Window));
    lblTime.SetAlignment(platform::TextAlign::Center);
    lblTime.SetFont(kClockFont);
    lblTime.SetShrinkToFit(true);  // a 12-hour format ("1:49:58 PM") is wider than the cell
    lblTime.SetCaption("00:00:00");

    tmrCheck.onTimer = [this] { tmrCheck_Timer(); };
    tmrCPU.onTimer = [this] { tmrCPU_Timer(); };
    tmrMemory.onTimer = [this] { tmrMemory_Timer(); };
    tmrDrive.onTimer = [this] { tmrDrive_Timer(); };
    tmrBatt.onTimer = [this] { tmrBatt_Timer(); };
    tmrTime.onTimer = [this] { tmrTime_Timer(); };
    tmrToolTip.onTimer = [this] { tmrToolTip_Timer(); };

    // Every meter cell and the clock take the mouse: the meter texts lie over their bars.
    for (forms::Label* l : {&lblTime, &lblCPU, &lblBarCPU, &lblMemory, &lblBarMemory, &lblDrive, &lblBatt}) {
        l->onMouseDown = [this](int b, int sh, forms::Twips x, forms::Twips y) { ShowBarMenu(b, sh, x, y); };
        l->onMouseMove = [this](int b, int sh, forms::Twips x, forms::Twips y) { DragBar(b, sh, x, y); };
    }
    lblTime.onDblClick = [this] { lblTime_DblClick(); };
}

void frmMain::Form_Load() {
    if (basMain::AnotherInstanceRunning()) {
        platform::Windows().ShowMessageBox("Vigilonは既に起動しています", "Vigilon", platform::MessageIcon::None);
        platform::Loop().ExitProcess(0);
    }
    core::LoadSettings();
    // The backend looks drive names and the window manager's name up in these, not in the file.
    platform::Readings().SetDriveMap(core::AppSettings.DriveMap);
    platform::Desktop().SetTitleButtonLayouts(core::AppSettings.TitleButtons);
    core::DeterminePlatformFamily();
    core::ApplyTransparency(hWnd());
    tmrCheck.SetInterval(core::AppSettings.Interval);
    basMain::DriveCheckEnabled = true;
    SetToolTipText();
    SetTopMost();
    tmrCheck_Timer();
    // The bar is whole now: the clock and the following keep running while a drive warning of the
    // first refresh is open.
    StartTimers();
    CallTime_Timer();
}

void frmMain::Form_CloseRequest() {
    Unload();
    basMain::EndIfNothingShown();
}

void frmMain::SetTopMost() {
    platform::Windows().SetTopMost(hWnd());
}

void frmMain::SetToolTipText() {
    SystemSnapshot::Take();
    txtCN.SetText(SharedState::strComName);
    txtUN.SetText(SharedState::strUserName);
}

WindowRequests::Frame frmMain::Frame() const {
    return {hWnd(), Left(), Top(), Width(), Height()};
}

void frmMain::CallCheck_Timer() {
    tmrCheck_Timer();
}

void frmMain::CallTime_Timer() {
    tmrTime_Timer();
    tmrCPU_Timer();
    tmrDrive_Timer();
    tmrMemory_Timer();
    tmrBatt_Timer();
}
