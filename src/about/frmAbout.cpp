// frmAbout's controls, its load, keys and buttons.
#include "about/frmAbout.h"

#include <string>

#include "core/Version.h"
#include "forms/Screen.h"

namespace {

constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeyS = 'S';

const platform::Font kLabelFont{"ＭＳ Ｐゴシック", 9.75, 400};

forms::FormSpec AboutSpec() {
    forms::FormSpec layout;
    // The product's name before the design caption "ﾊﾞｰｼﾞｮﾝ情報"; the window is hidden until loaded.
    layout.caption = std::string(vigilon::kProductName) + "のﾊﾞｰｼﾞｮﾝ情報";
    layout.clientWidth = 5730;
    layout.clientHeight = 1050;
    layout.frame = platform::WindowFrame::Dialog;
    return layout;
}

}  // namespace

frmAbout::frmAbout()
    : Form("frmAbout", AboutSpec()),
      picIcon(*this, "picIcon", {360, 120, 480, 480}),
      lblTitle(*this, "lblTitle", {1050, 120, 1845, 240}),
      Label1(*this, "Label1", {1080, 420, 3015, 255}),
      lblURL(*this, "lblURL", {360, 720, 3855, 255}),
      cmdOK(*this, "cmdOK", {4245, 120, 1384, 345}),
      cmdSysInfo(*this, "cmdSysInfo", {4260, 600, 1384, 345}) {
    lblTitle.SetCaption("ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ");
    lblTitle.SetFont(kLabelFont);
    lblTitle.SetForeColor(forms::ColorRef::Rgb(0, 0, 0));
    Label1.SetCaption("いろいろな情報の監視ツール");
    Label1.SetFont(kLabelFont);
    Label1.SetForeColor(forms::ColorRef::Rgb(0, 0, 0));
    lblURL.SetForeColor(forms::ColorRef::Rgb(0, 0, 255));
    cmdOK.SetCaption("OK");
    cmdSysInfo.SetCaption("ｼｽﾃﾑ情報(&S)...");

    cmdOK.onClick = &cmdOK_Click;
    cmdSysInfo.onClick = &cmdSysInfo_Click;
    // A click on the address: pressed and released on it with the left button.
    lblURL.onMouseDown = [this](int button, int, forms::Twips, forms::Twips) {
        urlPressed_ = (button & platform::kLeftButton) != 0;
    };
    lblURL.onMouseUp = [this](int button, int, forms::Twips x, forms::Twips y) {
        if (!urlPressed_ || (button & platform::kLeftButton))
            return;
        urlPressed_ = false;
        if (x >= 0 && y >= 0 && x < lblURL.Width() && y < lblURL.Height())
            lblURL_Click();
    };
}

void frmAbout::Form_Load() {
    lblTitle.SetCaption(std::string(vigilon::kProductName) + "  Ver." + std::to_string(vigilon::kVersionMajor) + "." +
                        std::to_string(vigilon::kVersionMinor) + "." + std::to_string(vigilon::kVersionPatch));
    // The whole path is in the tooltip, for when the label is too narrow for it.
    const std::string readme = platform::System().ReadmePath();
    // Without a README there is nothing to open: no text, no hand, and a click does nothing.
    lblURL.SetCaption(readme);
    lblURL.SetToolTipText(readme);
    if (!readme.empty())
        lblURL.SetMousePointer(platform::PointerShape::Hand);
    Move((forms::Screen::Width() - Width()) / 2, (forms::Screen::Height() - Height()) / 2);
}

// cmdOK is the default and the cancel button, and Alt+S presses cmdSysInfo.
void frmAbout::Form_KeyDown(int keyCode, int shift) {
    if (keyCode == kKeyReturn || keyCode == kKeyEscape) {
        cmdOK_Click();
    } else if (keyCode == kKeyS && (shift & platform::kAltMask)) {
        cmdSysInfo_Click();
    }
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::lblURL_Click() {
    if (!lblURL.Caption().empty())
        platform::System().OpenAddress(lblURL.Caption());
}

void frmAbout::StartSysInfo() {
    const std::optional<std::string> tool = platform::System().FindSystemInfoTool();
    if (tool && platform::System().StartProgram(*tool))
        return;
    platform::Windows().ShowMessageBox("現時点ではｼｽﾃﾑ情報を使用できません", vigilon::kProductName,
                                       platform::MessageIcon::None);
}
