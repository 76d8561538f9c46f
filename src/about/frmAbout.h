// The about dialog: the program's name and version, what it is, where its README is, and a button
// that starts the platform's system-information tool. Opened modeless from the bar's menu.
#pragma once

#include "forms/DrawnButton.h"
#include "forms/FormInstance.h"
#include "forms/Image.h"
#include "forms/Label.h"

class frmAbout : public forms::Form, public forms::FormInstance<frmAbout> {
public:
    forms::Image picIcon;
    forms::Label lblTitle;
    forms::Label Label1;
    forms::Label lblURL;
    forms::DrawnButton cmdOK;
    forms::DrawnButton cmdSysInfo;

    // Starts the system-information tool, or tells the user it cannot be used.
    static void StartSysInfo();

private:
    friend class forms::FormInstance<frmAbout>;
    frmAbout();

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    static void cmdOK_Click();
    static void cmdSysInfo_Click();
    void lblURL_Click();

    bool urlPressed_ = false;
};
