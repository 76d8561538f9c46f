// The settings dialog: the drive list, the five check intervals, following, transparency and the
// two holiday lists. The wiring closes the bar while it is open and brings the bar back, with the
// settings file read again, when it ends in any way (onClosed), so what was saved takes effect then.
#pragma once

#include <string>

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/EditBox.h"
#include "forms/FormInstance.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/ListControls.h"
#include "forms/Slider.h"
#include "platform/PrivateProfile.h"

class frmSetting : public forms::Form, public forms::FormInstance<frmSetting> {
public:
    // Shows the dialog centred on the screen, filled from AppSettings, Apply disabled.
    void InitSetting();

    // Runs when the dialog ends (OK, Cancel, Escape, its close box, shutdown), once it is off the screen.
    void (*onClosed)() = nullptr;

    // Checks every field and, when all pass, writes them to the settings file and AppSettings.
    // False after a refused field or a failed write (its message has been shown); nothing is changed
    // in the dialog either way.
    bool CommitSetting();
    // Builds the balloon help of the input fields, pickers and holiday buttons.
    void SetBalloonTips();

    // Stored holiday entries to the padded form the lists show, and back (fixed dates "M/D",
    // nth weekdays "M-N-W").
    static std::string PadHoliday1(std::string s);
    static std::string UnpadHoliday1(std::string s);
    static std::string PadHoliday2(std::string s);
    static std::string UnpadHoliday2(std::string s);

    // Controls, in the order of the layout.
    forms::Label lblDrive;
    forms::EditBox txtCheckDrive;
    forms::Line Line1, Line2, Line3, Line4, Line5;
    forms::Label Label7;
    forms::Label Label2;
    forms::EditBox txtCPU;
    forms::Label Label3;
    forms::EditBox txtDrive;
    forms::Label Label4;
    forms::EditBox txtMemory;
    forms::Label Label5;
    forms::EditBox txtBatt;
    forms::Label Label6;
    forms::EditBox txtInterval;
    forms::CheckBox chkActiveWindow;
    forms::Label Label1;
    forms::Slider sldTrans;
    forms::ComboBox cmbMonth;
    forms::Label Label8;
    forms::ComboBox cmbDay;
    forms::Label Label9;
    forms::Label Label11;
    forms::ComboBox cmbSyu;
    forms::ComboBox cmbWeekday;
    forms::Label Label10;
    forms::Label Label12;
    forms::Label Label13;
    forms::ListBox lstHoliday1;
    forms::CommandButton btnAdd1;
    forms::CommandButton btnDel1;
    forms::ListBox lstHoliday2;
    forms::CommandButton btnAdd2;
    forms::CommandButton btnDel2;
    forms::CommandButton btnOK;
    forms::CommandButton btnCancel;
    forms::CommandButton btnApp;

private:
    friend class forms::FormInstance<frmSetting>;
    frmSetting();

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int KeyCode, int Shift) override;
    void Form_KeyUp(int KeyCode, int Shift) override;

    void FillFromSettings();
    // The text every key would be saved with, from the controls as they are now.
    platform::profile::Entries SavedTexts() const;
    void EnableApply();
    void btnOK_Click();
    void btnApp_Click();
    void btnCancel_Click();
    void btnAdd1_Click();
    void btnDel1_Click();
    void btnAdd2_Click();
    void btnDel2_Click();

    // The key whose press this window saw last: a release counts only after its own press, so the
    // release of the Enter that closed a message box does not run OK again.
    int pressedKey_ = 0;
    // The texts the controls held when they were filled or last saved: a save writes only the keys
    // whose text differs, so the file keeps every byte of what the user did not change.
    platform::profile::Entries unchanged_;
};
