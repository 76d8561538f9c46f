// The snapshot the bar takes and the popup that shows it: contents, size, place, shape and clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/SharedState.h"
#include "support/FakeFixture.h"
#include "sysinfo/AdapterRecords.h"
#include "sysinfo/SystemSnapshot.h"
#include "sysinfo/frmPopup.h"

namespace {

using testsupport::Adapter;
using testsupport::Listed;

constexpr const char* kEngineKey = "SOFTWARE\\Network Associates\\TVD\\Shared Components\\VirusScan Engine\\4.0.xx\\";

class Popup : public testsupport::FakeFixture {
protected:
    Popup() {
        fake.computerName = "BUILD-7";
        fake.userName = "hanako";
        fake.versionRecord = {true, true, 2, 5, 1, 2600, "Service Pack 2", 1, 0};
        fake.adapterQuery = Listed({Adapter("Intel(R) PRO/1000 MT", {0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF},
                                            "192.168.1.20", "255.255.255.0", "192.168.1.1")});
        fake.registryStrings[std::string(kEngineKey) + "szEngineVer"] = "4.4.00";
        fake.registryStrings[std::string(kEngineKey) + "szDatVersion"] = "4.0.4321";
    }
    // The bar at (left, top) pixels, then the popup opened beside it.
    frmPopup& Open(int left = 600, int top = 50) {
        frmMain::Get().Move(forms::ToTwips(left), forms::ToTwips(top));
        frmPopup& popup = frmPopup::Get();
        popup.Show();
        return popup;
    }
    platform::PixelRect Rect() { return fake.GetWindowRect(frmPopup::Get().hWnd()); }
    static std::vector<std::string> Captions(std::initializer_list<const forms::Label*> labels) {
        std::vector<std::string> texts;
        for (const forms::Label* l : labels)
            texts.push_back(l->Caption());
        return texts;
    }
    // n adapters eth0, eth1, ... in the bar's snapshot.
    void UseAdapters(int n) {
        std::vector<platform::AdapterRecord> list;
        for (int i = 0; i < n; ++i)
            list.push_back(Adapter("eth" + std::to_string(i), {static_cast<std::uint8_t>(i)}));
        fake.adapterQuery = Listed(list);
        frmMain::Get().SetToolTipText();
    }
};

// The popup shows the snapshot of the bar's start, and a new one only at its next opening.
TEST_F(Popup, ShowsTheLatestSnapshot) {
    frmPopup& p = Open();
    EXPECT_EQ(Captions({&p.lblTitle, &p.lblOSVersion, &p.lblComName, &p.lblUserName, &p.txtNetworkCard[0],
                        &p.lblMACAddr[0], &p.lblIPAddr[0], &p.lblNetmask[0], &p.lblGateway[0]}),
              (std::vector<std::string>{"コンピュータの情報", "Windows XP Professional Service Pack 2", "BUILD-7",
                                        "hanako", "Intel(R) PRO/1000 MT", "00-0C-29-AB-01-FF", "192.168.1.20",
                                        "255.255.255.0", "192.168.1.1"}));

    // A failed adapter query leaves one empty block (its message: AdapterQuery); the rest is taken.
    fake.computerName = "RENAMED";
    fake.adapterQuery = {232, false, {}};
    frmMain::Get().SetToolTipText();
    EXPECT_EQ(p.lblComName.Caption(), "BUILD-7");
    frmPopup::Unload();
    frmPopup& again = Open();
    EXPECT_EQ(Captions({&again.lblComName, &again.lblOSVersion, &again.txtNetworkCard[0]}),
              (std::vector<std::string>{"RENAMED", "Windows XP Professional Service Pack 2", ""}));
}

TEST_F(Popup, TheAntivirusRowsOrTheNetworkTitle) {
    for (const bool on : {false, true}) {
        frmPopup::Unload();
        core::AppSettings.McAfee = on;
        frmPopup& p = Open();
        EXPECT_EQ(p.lblNetworkTitle.Visible(), !on);
        for (forms::Label* l : {&p.lblEngineTitle, &p.lblEngine, &p.lblDatFileTitle, &p.lblDatFile, &p.linMcAfee})
            EXPECT_EQ(l->Visible(), on) << l->Name();
        // Read whatever the setting.
        EXPECT_EQ(Captions({&p.lblEngine, &p.lblDatFile}), (std::vector<std::string>{"4.4.00", "4.0.4321"}));
    }
}

TEST_F(Popup, DescriptionsAreCutAtFortyCharacters) {
    const std::string fortyOne = "ＡＢＣ" + std::string(37, 'x') + "Z";
    fake.adapterQuery = Listed({Adapter(fortyOne, {1, 2})});
    frmMain::Get().SetToolTipText();
    EXPECT_EQ(Open().txtNetworkCard[0].Caption(), "ＡＢＣ" + std::string(37, 'x'));
}

// An OS text wider than its line is drawn whole in a smaller font; one that fits keeps the design size.
TEST_F(Popup, TheOsLineShrinksToShowItsWholeText) {
    const struct {
        std::string text;
        bool shrinks;
    } cases[] = {{"Windows XP Service Pack 2", false},
                 {"Debian GNU/Linux 13 (trixie) 6.18.44-fc-v1272", true},
                 {"Fedora Linux 43 (Workstation Edition Prerelease) 6.18.44-200.fc43.x86_64+debug", true}};
    for (const auto& c : cases) {
        frmMain::Get();
        SharedState::strOSVersion = c.text;
        frmPopup& p = Open();
        const std::vector<platform::fake::DrawOp> ops = fake.Paint(p.hWnd());
        const auto os = std::find_if(ops.begin(), ops.end(), [&](const auto& op) { return op.text == c.text; });
        ASSERT_NE(os, ops.end()) << c.text;
        EXPECT_EQ(os->font.points < 9.75, c.shrinks) << c.text;
        EXPECT_LE(platform::fake::FakeTextWidth(c.text, os->font, 96), os->rect.Width()) << c.text;
        frmPopup::Unload();
    }
}

TEST_F(Popup, OneBlockPerAdapterGrowingWhileTheScreenHasRoom) {
    struct Case {
        int adapters;
        int barTop;
        int heightPx;
        std::size_t filled;  // blocks with a description
    } const cases[] = {
        {1, 50, 230, 1},  {2, 50, 319, 2}, {3, 50, 407, 3}, {4, 50, 496, 4},  // 7440 twips
        {8, 50, 673, 6},   // 768 - 70 pixels under the bar: room for six
        {8, 700, 673, 6},  // the room above the bar counts the same
        {5, 300, 407, 3},  // neither side has room for a fourth: the design's three
    };
    for (const Case& c : cases) {
        UseAdapters(c.adapters);
        frmPopup::Unload();
        frmPopup& p = Open(600, c.barTop);
        EXPECT_EQ(Rect().Height(), c.heightPx) << c.adapters << " at " << c.barTop;
        std::size_t filled = 0;
        for (const forms::Label& card : p.txtNetworkCard)
            filled += card.Caption().empty() ? 0 : 1;
        EXPECT_EQ(filled, c.filled) << c.adapters << " at " << c.barTop;
        EXPECT_EQ(p.txtNetworkCard[filled - 1].Caption(), "eth" + std::to_string(filled - 1));
        // Painting covers the grown window.
        EXPECT_EQ(fake.Paint(p.hWnd()).front().rect, (platform::PixelRect{0, 0, 344, c.heightPx}));
    }
}

// At 192 dpi on an 800-pixel screen three blocks would be 815 pixels high: the popup shows what fits
// in the work area (under a 32-pixel panel), above or below the bar, and lies inside it.
TEST_F(Popup, ATallPopupFitsInTheWorkArea) {
    frmMain::Unload();
    fake.RunPosted();
    fake.dpi = 192;
    fake.metrics[platform::Metric::ScreenWidth] = 1280;
    fake.metrics[platform::Metric::ScreenHeight] = 800;
    fake.monitors = {{0, 0, 1280, 800}};
    fake.workAreas = {{0, 32, 1280, 800}};
    UseAdapters(3);
    // Two blocks are 4780 twips; one block (3450 twips) where neither side has room for two.
    for (const auto& [barTop, height] : {std::pair{32, 637}, std::pair{400, 460}, std::pair{760, 637}}) {
        frmPopup::Unload();
        Open(800, barTop);
        EXPECT_EQ(std::tuple(Rect().Height(), Rect().top >= 32, Rect().bottom <= 800), std::tuple(height, true, true))
            << barTop;
    }
}

// Beside the bar on its monitor (the screen's 1024 x 768 unless told), one block or three; the popup
// never covers the bar where neither below nor above fits.
TEST_F(Popup, PlacedBesideTheBarAndNeverOverIt) {
    using Rect_ = platform::PixelRect;
    const std::vector<Rect_> screen = {}, short400 = {{0, 0, 1024, 400}}, small = {{0, 0, 500, 500}};
    const std::vector<Rect_> two = {{0, 0, 1024, 768}, {1024, 0, 2048, 600}};
    struct Case {
        const char* what;
        int adapters;
        std::vector<Rect_> monitors;
        int barLeft, barTop;
        Rect_ popup;
    } const cases[] = {
        {"under it, right edges aligned", 1, screen, 600, 50, {488, 70, 832, 300}},
        {"above it at the screen's bottom", 1, screen, 600, 600, {488, 370, 832, 600}},
        {"just room below", 1, screen, 600, 518, {488, 538, 832, 768}},
        {"left-aligned near the left edge", 1, screen, 50, 50, {50, 70, 394, 300}},
        {"right-aligned once the bar is far enough", 1, screen, 112, 50, {0, 70, 344, 300}},
        {"both", 1, screen, 0, 700, {0, 470, 344, 700}},
        // On a second monitor right of the first, its own edges count.
        {"second monitor: left-aligned near its left edge, above the bar", 1, two, 1074, 450, {1074, 220, 1418, 450}},
        {"fewer blocks, under the bar", 3, screen, 600, 370, {488, 390, 832, 709}},
        {"one block fits on neither side: left of the bar", 3, short400, 600, 190, {256, 170, 600, 400}},
        {"right of it near the left edge", 3, short400, 40, 190, {272, 170, 616, 400}},
        {"no room sideways: cut to whole blocks under it", 3, small, 134, 240, {22, 260, 366, 490}},
        {"cut to the room above when that is taller", 3, small, 134, 300, {22, 70, 366, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseAdapters(c.adapters);
        fake.monitors = c.monitors;
        frmPopup::Unload();
        Open(c.barLeft, c.barTop);
        const Rect_ bar = fake.GetWindowRect(frmMain::Get().hWnd());
        EXPECT_EQ(Rect(), c.popup);
        EXPECT_FALSE(Rect().left < bar.right && bar.left < Rect().right && Rect().top < bar.bottom &&
                     bar.top < Rect().bottom);
    }
}

TEST_F(Popup, RoundedTopmostNeverActivatedAndHandsKeyReleasesToTheBar) {
    const platform::fake::FakeWindow& w = fake.Window(Open().hWnd());
    ASSERT_TRUE(w.region);
    EXPECT_EQ(std::tie(w.region->rect, w.region->ellipseWidth, w.region->ellipseHeight),
              std::tuple(platform::PixelRect{0, 0, 344, 230}, 15, 15));
    EXPECT_EQ(std::tuple(w.noActivate, w.topMostCalls > 0, w.visible, fake.activations.empty()),
              std::tuple(true, true, true, true));
    const auto ops = fake.Paint(frmPopup::Get().hWnd());
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const platform::fake::DrawOp& op) {
        return op.kind == platform::fake::DrawOp::Icon && op.rect == platform::PixelRect{16, 6, 40, 30};
    })) << "the program's icon, 24 x 24";
    // Key releases go to the bar: Enter there opens the calendar.
    fake.Window(frmPopup::Get().hWnd()).listener->OnKeyUp(13, 0);
    EXPECT_TRUE(SharedState::bCalendar);
}

// A click is a left press and release on the same place; only the background, title and icon close.
TEST_F(Popup, WhichClicksClose) {
    struct Case {
        const char* what;
        int button, x, y, releaseX, releaseY;
        bool closes;
    } const cases[] = {
        // clang-format off
        {"background", 1, 330, 20, 330, 20, true}, {"title", 1, 60, 15, 60, 15, true},
        {"icon", 1, 25, 15, 25, 15, true}, {"OS value", 1, 100, 45, 100, 45, false},
        {"a caption", 1, 30, 45, 30, 45, false}, {"a line", 1, 100, 32, 100, 32, false},
        {"description", 1, 50, 148, 50, 148, false}, {"MAC value", 1, 200, 165, 200, 165, false},
        {"right button", 2, 330, 20, 330, 20, false}, {"released off the title", 1, 60, 15, 200, 100, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        platform::WindowListener& l = *fake.Window(Open().hWnd()).listener;
        l.OnMouseDown({c.button, 0, c.x, c.y});
        l.OnMouseUp({0, 0, c.releaseX, c.releaseY});
        EXPECT_EQ(!frmPopup::IsLoaded(), c.closes) << c.what;
        frmPopup::Unload();
    }
}

}  // namespace
