// The about dialog on the fake platform: what it shows, its keys and buttons, the system-information
// tool's outcomes and the address.
#include "about/frmAbout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bar/frmMain.h"
#include "support/FakeFixture.h"

namespace {

using platform::PixelRect;
using platform::fake::DrawOp;

constexpr int kReturn = 13, kEscape = 27, kAlt = 4;
const char* const kNoSysInfo = "現時点ではｼｽﾃﾑ情報を使用できません";

class AboutTest : public testsupport::FakeFixture {
protected:
    // Opened as the user opens it: the bar's menu, fourth item.
    frmAbout& Open() {
        fake.menuChoice = 3;
        fake.Window(frmMain::Get().hWnd()).listener->OnMouseDown({2, 0, 180, 5});
        return frmAbout::Get();
    }
    platform::WindowListener& Events() { return *fake.Window(frmAbout::Get().hWnd()).listener; }
    void Click(int x, int y, int upX, int upY) {
        Events().OnMouseDown({1, 0, x, y});
        Events().OnMouseUp({0, 0, upX, upY});
    }
};

TEST_F(AboutTest, OpensModelessCentredWithTitleVersionIconAndAddress) {
    frmAbout& f = Open();
    EXPECT_TRUE(frmMain::IsLoaded());
    const platform::fake::FakeWindow& w = fake.Window(f.hWnd());
    EXPECT_EQ(fake.foreground, f.hWnd());  // shown active, so its keys work at once
    EXPECT_EQ(std::tie(w.layout.title, w.layout.frame, w.layout.clientWidth, w.layout.clientHeight, w.visible),
              std::tuple("Vigilonのﾊﾞｰｼﾞｮﾝ情報", platform::WindowFrame::Dialog, 382, 70, true));
    // Centred on the 1024 x 768 screen with its frame (384 x 91 outer on the fake).
    EXPECT_EQ(w.rect, (PixelRect{320, 339, 704, 430}));
    EXPECT_EQ(std::tuple(f.lblTitle.Caption(), f.lblURL.Caption(), f.lblURL.ToolTipText(), f.lblURL.ForeColor()),
              std::tuple("Vigilon  Ver.0.3.0", fake.readmePath, fake.readmePath, forms::ColorRef::Rgb(0, 0, 255)));
    ASSERT_EQ(w.cursorAreas.size(), 1u);
    EXPECT_EQ(w.cursorAreas.begin()->second, std::make_pair(f.lblURL.PixelBounds(), platform::PointerShape::Hand));

    const std::vector<DrawOp> ops = fake.Paint(f.hWnd());
    const auto drawn = [&](DrawOp::Kind kind, const std::string& text) {
        return std::find_if(ops.begin(), ops.end(),
                            [&](const DrawOp& op) { return op.kind == kind && op.text == text; }) != ops.end();
    };
    // The access key's "&" is not drawn.
    EXPECT_TRUE(drawn(DrawOp::Icon, "") && drawn(DrawOp::Text, "Vigilon  Ver.0.3.0") &&
                drawn(DrawOp::Text, "ｼｽﾃﾑ情報(S)..."));
    const auto icon = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.kind == DrawOp::Icon; });
    EXPECT_EQ(icon->rect, (PixelRect{24, 8, 56, 40}));
}

TEST_F(AboutTest, ReturnAndEscapeCloseAltSStartsTheToolOtherKeysDoNothing) {
    const struct {
        int key, shift;
        bool closes, starts;
    } cases[] = {
        {kReturn, 0, true, false}, {kEscape, 0, true, false}, {'S', kAlt, false, true},
        {'S', 0, false, false},    {'A', kAlt, false, false},
    };
    fake.systemInfoTool = "/usr/bin/hardinfo";
    for (const auto& c : cases) {
        fake.startedPrograms.clear();
        Open();
        Events().OnKeyDown(c.key, c.shift);
        EXPECT_EQ(frmAbout::IsLoaded(), !c.closes) << c.key;
        EXPECT_EQ(fake.startedPrograms.size(), c.starts ? 1u : 0u) << c.key;
        frmAbout::Unload();
    }
    EXPECT_TRUE(frmMain::IsLoaded());
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(AboutTest, SystemInformationStartsTheToolOrSaysItCannot) {
    const struct {
        const char* what;
        std::optional<std::string> tool;
        bool starts;
        bool message;
    } cases[] = {
        {"found and started", "/usr/bin/hardinfo2", true, false},
        {"found, cannot start", "/usr/bin/hardinfo2", false, true},
        {"none installed", std::nullopt, true, true},
    };
    for (const auto& c : cases) {
        fake.systemInfoTool = c.tool;
        fake.programsStart = c.starts;
        fake.startedPrograms.clear();
        fake.messageBoxes.clear();
        frmAbout& f = Open();
        Click(300, 45, 300, 45);  // cmdSysInfo
        EXPECT_EQ(fake.startedPrograms, c.tool ? std::vector<std::string>{*c.tool} : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(Boxes(), (c.message ? std::vector<Box>{{kNoSysInfo, "Vigilon", platform::MessageIcon::None}}
                                      : std::vector<Box>{}))
            << c.what;
        EXPECT_EQ(std::pair(frmAbout::IsLoaded(), f.Visible()), std::pair(true, true)) << c.what;  // stays open
    }
}

TEST_F(AboutTest, AddressOpensOnAClickOnItAndOkCloses) {
    Open();
    Click(30, 52, 30, 68);  // pressed on the address, released below it: no click
    EXPECT_TRUE(fake.openedAddresses.empty());
    Click(30, 52, 35, 53);
    EXPECT_EQ(fake.openedAddresses, std::vector<std::string>{fake.readmePath});
    Click(300, 15, 300, 15);  // cmdOK
    EXPECT_FALSE(frmAbout::IsLoaded());
    EXPECT_TRUE(frmMain::IsLoaded());
}

TEST_F(AboutTest, WithoutAReadmeThereIsNoLinkToClick) {
    fake.readmePath.clear();
    frmAbout& f = Open();
    EXPECT_EQ(f.lblURL.Caption(), "");
    EXPECT_TRUE(fake.Window(f.hWnd()).cursorAreas.empty());  // no hand over an empty label
    Click(30, 52, 35, 53);
    EXPECT_TRUE(fake.openedAddresses.empty());
}

}  // namespace
