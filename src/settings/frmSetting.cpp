// The settings dialog's layout, the Apply button's state, OK, Apply, Cancel and the keys, and the
// close that brings the bar back.
#include "settings/frmSetting.h"

#include "core/AppSettings.h"
#include "core/SettingKeys.h"

using forms::ColorRef;

namespace {

const platform::Font kLabelFont{"ＭＳ Ｐゴシック", 9.0, 400};
const platform::Font kPickerLabelFont{"ＭＳ Ｐゴシック", 12.0, 400};

forms::FormSpec SettingSpec() {
    forms::FormSpec layout;
    layout.caption = "Vigilonの設定";
    layout.clientWidth = 4440;
    layout.clientHeight = 5460;
    layout.frame = platform::WindowFrame::Dialog;
    return layout;
}

void Caption(forms::Label& l, std::string text, const platform::Font& font = kLabelFont) {
    l.SetFont(font);
    l.SetCaption(std::move(text));
}

void FillNumbers(forms::ComboBox& c, int last) {
    for (int i = 1; i <= last; ++i)
        c.AddItem(std::to_string(i));
    c.SetListIndex(0);
}

}  // namespace

frmSetting::frmSetting()
    : Form("frmSetting", SettingSpec()),
      lblDrive(*this, "lblDrive", {360, 140, 1575, 255}),
      txtCheckDrive(*this, "txtCheckDrive", {2040, 120, 1935, 270}, 1),
      Line1(*this, "Line1", 360, 600, 480, 600),
      Line2(*this, "Line2", 1080, 600, 3960, 600),
      Line3(*this, "Line3", 3960, 600, 3960, 2040),
      Line4(*this, "Line4", 360, 2040, 3960, 2040),
      Line5(*this, "Line5", 360, 600, 360, 2040),
      Label7(*this, "Label7", {480, 480, 1575, 255}),
      Label2(*this, "Label2", {600, 840, 495, 255}),
      txtCPU(*this, "txtCPU", {1320, 840, 735, 270}, 2, 5),
      Label3(*this, "Label3", {2040, 840, 735, 255}),
      txtDrive(*this, "txtDrive", {2880, 840, 735, 270}, 3, 5),
      Label4(*this, "Label4", {600, 1200, 615, 255}),
      txtMemory(*this, "txtMemory", {1320, 1200, 735, 270}, 4, 5),
      Label5(*this, "Label5", {2280, 1200, 495, 255}),
      txtBatt(*this, "txtBatt", {2880, 1200, 735, 270}, 5, 5),
      Label6(*this, "Label6", {840, 1590, 1575, 255}),
      txtInterval(*this, "txtInterval", {2640, 1560, 855, 270}, 6, 5),
      chkActiveWindow(*this, "chkActiveWindow", {360, 2100, 3135, 375}, 21),
      Label1(*this, "Label1", {360, 2500, 1815, 255}),
      sldTrans(*this,
               "sldTrans",
               {1950, 2505, 2295, 315},
               7,
               core::KeyOf(&core::Settings::Trans).minimum,
               core::KeyOf(&core::Settings::Trans).maximum,
               1,
               5),
      cmbMonth(*this, "cmbMonth", {240, 2880, 615, 300}, 8),
      Label8(*this, "Label8", {840, 2925, 255, 255}),
      cmbDay(*this, "cmbDay", {1080, 2880, 615, 300}, 9),
      Label9(*this, "Label9", {1680, 2925, 255, 255}),
      Label11(*this, "Label11", {2160, 2925, 255, 255}),
      cmbSyu(*this, "cmbSyu", {2400, 2880, 615, 300}, 10),
      cmbWeekday(*this, "cmbWeekday", {3120, 2880, 615, 300}, 11),
      Label10(*this, "Label10", {3720, 2925, 495, 255}),
      Label12(*this, "Label12", {120, 3360, 1815, 255}),
      Label13(*this, "Label13", {2280, 3360, 2175, 255}),
      lstHoliday1(*this, "lstHoliday1", {120, 3600, 1095, 1320}, 19, true),
      btnAdd1(*this, "btnAdd1", {1320, 3840, 855, 375}, 12),
      btnDel1(*this, "btnDel1", {1320, 4320, 855, 375}, 13),
      lstHoliday2(*this, "lstHoliday2", {2280, 3600, 1095, 1320}, 20, true),
      btnAdd2(*this, "btnAdd2", {3480, 3840, 855, 375}, 14),
      btnDel2(*this, "btnDel2", {3480, 4320, 855, 375}, 15),
      btnOK(*this, "btnOK", {120, 5040, 1335, 350}, 16),
      btnCancel(*this, "btnCancel", {1560, 5040, 1335, 350}, 17),
      btnApp(*this, "btnApp", {3000, 5040, 1335, 350}, 18) {
    Caption(lblDrive, "チェックするドライブ");
    Caption(Label7, "チェックの間隔(ms)");
    // The frame's caption sits in the gap of its top edge and covers the line behind its text.
    Label7.SetBackStyle(forms::BackStyle::Opaque);
    Label7.SetBackColor(ColorRef::System(platform::SystemColor::ButtonFace));
    Caption(Label2, "CPU");
    Caption(Label3, "ドライブ");
    Caption(Label4, "メモリ");
    Caption(Label5, "電源");
    Caption(Label6, "アクティブウィンドウ");
    Caption(Label1, "ウィンドウの透明度");
    Caption(Label8, "月", kPickerLabelFont);
    Caption(Label9, "日", kPickerLabelFont);
    Caption(Label11, "第", kPickerLabelFont);
    Caption(Label10, "曜日", kPickerLabelFont);
    Caption(Label12, "祝日、休日");
    Caption(Label13, "○月第○週○曜日の休日");
    chkActiveWindow.SetCaption("アクティブウィンドウを追いかけない");
    btnAdd1.SetCaption("追加");
    btnDel1.SetCaption("削除");
    btnAdd2.SetCaption("追加");
    btnDel2.SetCaption("削除");
    btnOK.SetCaption("OK");
    btnCancel.SetCaption("ｷｬﾝｾﾙ");
    btnApp.SetCaption("適用(&A)");
    btnApp.SetEnabled(false);

    for (forms::EditBox* t : {&txtCheckDrive, &txtInterval, &txtCPU, &txtMemory, &txtDrive, &txtBatt})
        t->onChange = [this] { EnableApply(); };
    sldTrans.onChange = [this] { EnableApply(); };
    chkActiveWindow.onClick = [this] { EnableApply(); };
    btnOK.onClick = [this] { btnOK_Click(); };
    btnApp.onClick = [this] { btnApp_Click(); };
    btnCancel.onClick = [this] { btnCancel_Click(); };
    btnAdd1.onClick = [this] { btnAdd1_Click(); };
    btnDel1.onClick = [this] { btnDel1_Click(); };
    btnAdd2.onClick = [this] { btnAdd2_Click(); };
    btnDel2.onClick = [this] { btnDel2_Click(); };
}

void frmSetting::InitSetting() {
    CenterOnScreen();
    Show();
    FillFromSettings();
    btnApp.SetEnabled(false);
}

void frmSetting::Form_Load() {
    SetBalloonTips();
    FillNumbers(cmbMonth, 12);
    FillNumbers(cmbDay, 31);
    FillNumbers(cmbSyu, 4);
    for (const char* day : {"日", "月", "火", "水", "木", "金", "土"})
        cmbWeekday.AddItem(day);
    cmbWeekday.SetListIndex(1);
}

void frmSetting::EnableApply() {
    btnApp.SetEnabled(true);
}

void frmSetting::btnOK_Click() {
    if (CommitSetting())
        Unload();
}

void frmSetting::btnApp_Click() {
    if (CommitSetting())
        btnApp.SetEnabled(false);
}

void frmSetting::btnCancel_Click() {
    Unload();
}

void frmSetting::Form_KeyDown(int KeyCode, int) {
    pressedKey_ = KeyCode;
}

void frmSetting::Form_KeyUp(int KeyCode, int) {
    const bool ownPress = pressedKey_ == KeyCode;
    pressedKey_ = 0;
    if (!ownPress)
        return;
    if (KeyCode == 13) {
        btnOK_Click();
    } else if (KeyCode == 27) {
        Unload();
    }
}

// Off the screen first: what runs when it ends (the bar's start-up) may show a warning, which must
// not stand over a dialog that is already closing.
void frmSetting::Form_Unload() {
    Hide();
    if (onClosed)
        onClosed();
}
