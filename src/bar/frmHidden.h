// The invisible window that owns the bar's right-click menu and carries out its items; never shown.
#pragma once

#include "forms/FormInstance.h"
#include "forms/Menu.h"

class frmHidden : public forms::Form, public forms::FormInstance<frmHidden> {
public:
    forms::Menu menuRightClick;
    forms::MenuItem menuIPReload;
    forms::MenuItem cep;
    forms::MenuItem menuSetting;
    forms::MenuItem menuVersion;
    forms::MenuItem menuQuit;

private:
    friend class forms::FormInstance<frmHidden>;
    frmHidden();

    static void menuIPReload_Click();
    static void menuSetting_Click();
    static void menuVersion_Click();
    static void menuQuit_Click();
};
