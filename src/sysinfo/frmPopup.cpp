// The popup's controls, its filling from the snapshot, its size and place beside the bar, and its shape.
#include "sysinfo/frmPopup.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/AppSettings.h"
#include "core/SharedState.h"
#include "core/WindowRequests.h"
#include "forms/Screen.h"
#include "sysinfo/SystemSnapshot.h"
#include "sysinfo/basAdpterInfo.h"
#include "sysinfo/basRgn.h"

using forms::BackStyle;
using forms::ColorRef;
using forms::Twips;
using platform::SystemColor;

namespace {

constexpr Twips kWidth = 5160;
constexpr std::size_t kDescriptionChars = 40;

const ColorRef kWhite = ColorRef::Rgb(255, 255, 255);
const platform::Font kCaptionFont{"ＭＳ ゴシック", 9.75, 700};
const platform::Font kValueFont{"ＭＳ ゴシック", 9.75, 400};
const platform::Font kBlockCaptionFont{"ＭＳ ゴシック", 9.0, 700};
const platform::Font kBlockValueFont{"ＭＳ ゴシック", 9.0, 400};
const platform::Font kTitleFont{"ＭＳ ゴシック", 11.25, 700};
const platform::Font kNetworkTitleFont{"ＭＳ Ｐゴシック", 11.25, 700};

forms::FormSpec PopupSpec() {
    forms::FormSpec layout;
    layout.clientWidth = kWidth;
    layout.clientHeight = 6150;
    layout.frame = platform::WindowFrame::None;
    layout.backColor = ColorRef::System(SystemColor::ButtonText);
    return layout;
}

void Text(forms::Label& l, const platform::Font& font, std::string caption = {}) {
    l.SetForeColor(kWhite);
    l.SetFont(font);
    l.SetCaption(std::move(caption));
}

// A one-pixel white line from (x1, y) to (x2, y).
void Rule(forms::Label& l) {
    l.SetBackStyle(BackStyle::Opaque);
    l.SetBackColor(kWhite);
}

// The first `count` characters of UTF-8 text.
std::string LeftChars(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == count)
            return text.substr(0, i);
    }
    return text;
}

}  // namespace

frmPopup::frmPopup()
    : Form("frmPopup", PopupSpec()),
      Image1(*this, "Image1", {240, 90, 360, 360}),
      // The two titles are wide enough for their text in either Gothic face.
      lblTitle(*this, "lblTitle", {720, 165, 2700, 225}),
      Line1(*this, "Line1", {120, 480, 4920, 15}),
      Label1(*this, "Label1", {240, 600, 495, 255}),
      lblOSVersion(*this, "lblOSVersion", {720, 600, 4215, 255}),
      Line2(*this, "Line2", {120, 840, 4920, 15}),
      Label3(*this, "Label3", {240, 960, 1215, 255}),
      lblComName(*this, "lblComName", {1320, 960, 3735, 255}),
      Label4(*this, "Label4", {240, 1200, 1215, 255}),
      lblUserName(*this, "lblUserName", {1320, 1200, 3735, 255}),
      Line3(*this, "Line3", {120, 1440, 4920, 15}),
      lblEngineTitle(*this, "lblEngineTitle", {240, 1560, 2415, 255}),
      lblEngine(*this, "lblEngine", {2520, 1560, 2535, 255}),
      lblDatFileTitle(*this, "lblDatFileTitle", {240, 1800, 2535, 255}),
      lblDatFile(*this, "lblDatFile", {2520, 1800, 2535, 255}),
      linMcAfee(*this, "linMcAfee", {120, 2040, 4920, 15}),
      lblNetworkTitle(*this, "lblNetworkTitle", {240, 1680, 3000, 375}) {
    lblTitle.SetForeColor(ColorRef::System(SystemColor::ButtonHighlight));
    lblTitle.SetFont(kTitleFont);
    Text(Label1, kCaptionFont, "OS：");
    Text(lblOSVersion, kValueFont);
    lblOSVersion.SetShrinkToFit(true);  // a long distribution name or kernel release stays whole
    Text(Label3, kCaptionFont, "マシン名：");
    Text(lblComName, kValueFont);
    Text(Label4, kCaptionFont, "ユーザ名：");
    Text(lblUserName, kValueFont);
    Text(lblEngineTitle, kCaptionFont, "Mcafee エンジン   ：");
    Text(lblEngine, kValueFont);
    Text(lblDatFileTitle, kCaptionFont, "McAfee Datファイル：");
    Text(lblDatFile, kValueFont);
    Text(lblNetworkTitle, kNetworkTitleFont, "ネットワークカードの情報");
    for (forms::Label* l : {&Line1, &Line2, &Line3, &linMcAfee})
        Rule(*l);
    linMcAfee.SetVisible(false);
    for (int k = 0; k < kDesignBlocks; ++k)
        AddAdapterBlock();
    Image1.onClick = [] { Unload(); };
    lblTitle.onClick = [] { Unload(); };
}

void frmPopup::AddAdapterBlock() {
    const Twips dy = kBlockStep * static_cast<Twips>(txtNetworkCard.size());
    const std::string k = "(" + std::to_string(txtNetworkCard.size()) + ")";
    forms::Label& card =
        txtNetworkCard.emplace_back(*this, "txtNetworkCard" + k, forms::Bounds{240, 2115 + dy, 4695, 270});
    card.SetBackStyle(BackStyle::Opaque);
    card.SetBackColor(ColorRef::Rgb(0, 0, 0));
    Text(card, kCaptionFont);
    Text(Label9.emplace_back(*this, "Label9" + k, forms::Bounds{240, 2400 + dy, 1695, 255}), kBlockCaptionFont,
         " MACアドレス：");
    Text(lblMACAddr.emplace_back(*this, "lblMACAddr" + k, forms::Bounds{1920, 2400 + dy, 3015, 255}), kBlockValueFont);
    Text(Label6.emplace_back(*this, "Label6" + k, forms::Bounds{240, 2640 + dy, 1695, 255}), kBlockCaptionFont,
         "  IPアドレス：");
    Text(lblIPAddr.emplace_back(*this, "lblIPAddr" + k, forms::Bounds{1920, 2640 + dy, 3015, 255}), kBlockValueFont);
    Text(Label8.emplace_back(*this, "Label8" + k, forms::Bounds{360, 2880 + dy, 1575, 255}), kBlockCaptionFont,
         "ネットマスク：");
    Text(lblNetmask.emplace_back(*this, "lblNetmask" + k, forms::Bounds{1920, 2880 + dy, 3015, 255}), kBlockValueFont);
    Text(Label12.emplace_back(*this, "Label12" + k, forms::Bounds{360, 3120 + dy, 1575, 255}), kBlockCaptionFont,
         "ゲートウェイ：");
    Text(lblGateway.emplace_back(*this, "lblGateway" + k, forms::Bounds{1920, 3120 + dy, 3015, 255}), kBlockValueFont);
    Rule(Line5.emplace_back(*this, "Line5" + k, forms::Bounds{240, 3360 + dy, 4680, 15}));
}

void frmPopup::Form_Load() {
    const bool antivirus = core::AppSettings.McAfee;
    for (forms::Label* l : {&lblEngineTitle, &lblDatFileTitle, &lblEngine, &lblDatFile, &linMcAfee})
        l->SetVisible(antivirus);
    lblNetworkTitle.SetVisible(!antivirus);

    lblOSVersion.SetCaption(SharedState::strOSVersion);
    lblComName.SetCaption(SharedState::strComName);
    lblUserName.SetCaption(SharedState::strUserName);
    lblEngine.SetCaption(SystemSnapshot::strEngineVer);
    lblDatFile.SetCaption(SystemSnapshot::strDatVersion);

    // Before the first snapshot the list is empty; the window still has its one (empty) block.
    const std::size_t adapters = std::max<std::size_t>(basAdpterInfo::AdapterList.size(), 1);
    const std::size_t blocks = BlocksShown(adapters);
    while (txtNetworkCard.size() < blocks)
        AddAdapterBlock();
    for (std::size_t k = 0; k < std::min(blocks, basAdpterInfo::AdapterList.size()); ++k)
        FillAdapterBlock(k);
    SetHeight(kOneBlockHeight + kBlockStep * static_cast<Twips>(blocks - 1));

    lblTitle.SetCaption("コンピュータの情報");
    PlaceBesideBar();
    basRgn::RoundCorners(hWnd(), forms::ToPixels(ScaleWidth()), forms::ToPixels(ScaleHeight()));
    platform::Windows().SetNoActivate(hWnd());
    platform::Windows().SetTopMost(hWnd());
}

void frmPopup::FillAdapterBlock(std::size_t k) {
    using basAdpterInfo::FixedBytesToText;
    const basAdpterInfo::AdapterInfo& a = basAdpterInfo::AdapterList[k];
    txtNetworkCard[k].SetCaption(LeftChars(FixedBytesToText(a.description), kDescriptionChars));
    lblMACAddr[k].SetCaption(basAdpterInfo::FormatMacAddress(a.address, a.addressLength));
    lblIPAddr[k].SetCaption(FixedBytesToText(a.ipAddress));
    lblNetmask[k].SetCaption(FixedBytesToText(a.ipMask));
    lblGateway[k].SetCaption(FixedBytesToText(a.gateway));
}

// One block per adapter (the design has three, more are added) while the popup still fits in the
// work area of the bar's monitor, above or below the bar; the adapters after that are left out.
// At least one block is shown.
std::size_t frmPopup::BlocksShown(std::size_t adapters) const {
    const std::optional<WindowRequests::Frame> bar = WindowRequests::BarFrame();
    if (!bar)
        return std::min<std::size_t>(adapters, kDesignBlocks);
    const forms::Screen::Area area = forms::Screen::WorkAreaOf(bar->window);
    const Twips room = std::max(area.bottom - (bar->top + bar->height), bar->top - area.top);
    std::size_t blocks = 1;
    while (blocks < adapters && kOneBlockHeight + kBlockStep * static_cast<Twips>(blocks) <= room)
        ++blocks;
    return blocks;
}

// Under the bar with the right edges aligned; above it when the work area of the bar's monitor ends
// below; left-aligned with it when the popup would start left of that work area. Where neither
// below nor above has room, beside the bar (left of it, else right of it); where that has no room
// either, cut to the taller of the two rooms. It stays inside the work area (on no panel) and
// never covers the bar.
void frmPopup::PlaceBesideBar() {
    const std::optional<WindowRequests::Frame> frame = WindowRequests::BarFrame();
    if (!frame)
        return;
    const WindowRequests::Frame& bar = *frame;
    const forms::Screen::Area area = forms::Screen::WorkAreaOf(bar.window);
    const Twips barBottom = bar.top + bar.height;
    const Twips below = area.bottom - barBottom;
    const Twips above = bar.top - area.top;
    Twips left = bar.left + bar.width - Width();
    if (Width() - bar.width > bar.left - area.left)
        left = bar.left;
    left = forms::Screen::Inside(left, Width(), area.left, area.right);
    if (below >= Height()) {
        Move(left, barBottom);
        return;
    }
    if (above >= Height()) {
        Move(left, bar.top - Height());
        return;
    }
    const Twips barRight = bar.left + bar.width;
    const bool fitsLeft = bar.left - area.left >= Width();
    if ((fitsLeft || area.right - barRight >= Width()) && area.bottom - area.top >= Height()) {
        const Twips top = std::clamp(bar.top, area.top, area.bottom - Height());
        Move(fitsLeft ? bar.left - Width() : barRight, top);
        return;
    }
    const Twips room = std::max<Twips>(std::max(below, above), 0);
    Twips height = room;
    for (Twips blocks = static_cast<Twips>(txtNetworkCard.size()); blocks > 0; --blocks) {
        if (kOneBlockHeight + kBlockStep * (blocks - 1) <= room) {
            height = kOneBlockHeight + kBlockStep * (blocks - 1);
            break;
        }
    }
    SetHeight(height);
    Move(left, below >= above ? barBottom : bar.top - height);
}

void frmPopup::Form_Click() {
    Unload();
}

void frmPopup::Form_KeyUp(int KeyCode, int Shift) {
    WindowRequests::BarKeyUp(KeyCode, Shift);
}
