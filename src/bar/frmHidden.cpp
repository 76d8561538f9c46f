// frmHidden's menu and what its items do.
#include "bar/frmHidden.h"

#include "about/frmAbout.h"
#include "bar/frmMain.h"
#include "core/basMain.h"
#include "settings/frmSetting.h"

namespace {
forms::FormSpec HiddenSpec() {
    forms::FormSpec layout;
    layout.clientWidth = 15;
    layout.clientHeight = 15;
    return layout;
}
}  // namespace

frmHidden::frmHidden()
    : Form("frmHidden", HiddenSpec()),
      menuRightClick(*this, "menuRightClick", "右クリック"),
      menuIPReload(menuRightClick, "menuIPReload", "情報更新(&R)"),
      cep(menuRightClick, "cep", "-"),
      menuSetting(menuRightClick, "menuSetting", "設定(&S)"),
      menuVersion(menuRightClick, "menuVersion", "バージョン情報(&A)"),
      menuQuit(menuRightClick, "menuQuit", "終了(&Q)") {
    menuIPReload.onClick = &menuIPReload_Click;
    menuSetting.onClick = &menuSetting_Click;
    menuVersion.onClick = &menuVersion_Click;
    menuQuit.onClick = &menuQuit_Click;
}

void frmHidden::menuIPReload_Click() {
    frmMain::Get().SetToolTipText();
}

void frmHidden::menuSetting_Click() {
    frmSetting::InitSetting();
}

// Modeless and without an owner: the bar keeps working while it is open. Shown active, so its keys
// (Enter, Escape, Alt+S) work at once.
void frmHidden::menuVersion_Click() {
    platform::Windows().Activate(frmAbout::Get().hWnd());
}

void frmHidden::menuQuit_Click() {
    basMain::Shutdown();
}
