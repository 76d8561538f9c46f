// The settings dialog through the fake platform: opening and closing around the bar, the Apply
// button's state, the checks and what is saved, the holiday editors, the keys and the balloons.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/AppSettings.h"
#include "core/SharedState.h"
#include "core/WindowRequests.h"
#include "core/basINIFile.h"
#include "core/basMain.h"
#include "settings/frmSetting.h"
#include "support/FakeFixture.h"

namespace {

class Settings : public testsupport::FakeFixture {
protected:
    // A bar started afresh (reading the file) at 300, 200 px; the dialog is opened from it.
    frmSetting& Open() {
        frmMain::Unload();
        frmMain::Get().Move(4500, 3000);
        WindowRequests::OpenSettings();
        return frmSetting::Get();
    }
    static frmSetting& Dlg() { return frmSetting::Get(); }
    void Type(forms::NativeControl& c, const std::string& text) { fake.Type(c.hWnd(), text); }
    void Click(forms::NativeControl& c) { fake.Click(c.hWnd()); }
    std::string SettingsFile() const {
        std::ifstream in(dir / "Vigilon.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> Shown(const forms::ListBox& list) const { return fake.controls.at(list.hWnd()).items; }
    bool ApplyEnabled() const { return fake.controls.at(Dlg().btnApp.hWnd()).enabled; }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : fake.messageBoxes)
            texts.push_back(box.text);
        return texts;
    }
};

TEST_F(Settings, OpeningClosesTheBarAndFillsTheFieldsFromTheFile) {
    WriteSettings(
        "[Setting]\nDrive=C,D\nCPUInterval=750\nBattInterval=0\nTrans=180\nActiveWindow=1\n"
        "CalendarHoliday1=12/31,1/1,,01/01\n");
    SharedState::bCalendar = true;
    frmSetting& f = Open();
    EXPECT_FALSE(frmMain::IsLoaded());
    EXPECT_FALSE(frmCalendar::IsLoaded());
    EXPECT_FALSE(SharedState::bCalendar);
    EXPECT_EQ(std::pair(SharedState::BarLeft, SharedState::BarTop), std::pair(4500, 3000));

    const platform::fake::FakeWindow& w = fake.Window(f.hWnd());
    const platform::WindowSpec& l = w.layout;
    EXPECT_EQ(std::tie(l.title, l.frame, l.clientWidth, l.clientHeight, w.visible),
              std::tuple("Vigilonの設定", platform::WindowFrame::Dialog, 296, 364, true));
    // Centred on the screen.
    EXPECT_EQ(std::pair(w.rect.left, w.rect.top), std::pair((1024 - w.rect.Width()) / 2, (768 - w.rect.Height()) / 2));

    EXPECT_EQ((std::vector<std::string>{f.txtCheckDrive.Text(), f.txtCPU.Text(), f.txtInterval.Text(),
                                        f.txtMemory.Text(), f.txtDrive.Text(), f.txtBatt.Text(),
                                        fake.controls.at(f.txtCPU.hWnd()).text}),  // the native field too
              (std::vector<std::string>{"C,D", "750", "500", "1000", "60000", "0", "750"}));
    EXPECT_EQ(std::pair(f.sldTrans.Value(), f.chkActiveWindow.Value()), std::pair(180, 1));
    // An empty piece sorts first; "01/01" stays as stored; the default nth-weekday list is empty.
    EXPECT_EQ(Shown(f.lstHoliday1), (std::vector<std::string>{"", " 1/ 1", "01/01", "12/31"}));
    EXPECT_EQ(Shown(f.lstHoliday2), (std::vector<std::string>{}));
    EXPECT_FALSE(ApplyEnabled());

    EXPECT_EQ(std::vector<int>({f.cmbMonth.ListCount(), f.cmbDay.ListCount(), f.cmbSyu.ListCount(),
                                f.txtCPU.MaxLength(), fake.controls.at(f.txtCPU.hWnd()).layout.maxLength}),
              std::vector<int>({12, 31, 4, 5, 5}));
    EXPECT_EQ(f.cmbWeekday.List(f.cmbWeekday.ListIndex()), "月");
    const platform::ControlSpec& slider = fake.controls.at(f.sldTrans.hWnd()).layout;
    EXPECT_EQ(std::vector<int>({slider.minimum, slider.maximum, slider.smallStep, slider.largeStep}),
              std::vector<int>({100, 255, 1, 5}));
    const std::vector<platform::ControlHandle> tabs = {
        f.txtCheckDrive.hWnd(),  f.txtCPU.hWnd(),    f.txtDrive.hWnd(), f.txtMemory.hWnd(),   f.txtBatt.hWnd(),
        f.txtInterval.hWnd(),    f.sldTrans.hWnd(),  f.cmbMonth.hWnd(), f.cmbDay.hWnd(),      f.cmbSyu.hWnd(),
        f.cmbWeekday.hWnd(),     f.btnAdd1.hWnd(),   f.btnDel1.hWnd(),  f.btnAdd2.hWnd(),     f.btnDel2.hWnd(),
        f.btnOK.hWnd(),          f.btnCancel.hWnd(), f.btnApp.hWnd(),   f.lstHoliday1.hWnd(), f.lstHoliday2.hWnd(),
        f.chkActiveWindow.hWnd()};
    EXPECT_EQ(fake.tabOrders.at(f.hWnd()), tabs);
}

TEST_F(Settings, StoredValuesOutsideTheControlsShowAtTheirNearestState) {
    const struct {
        const char* file;
        int slider, check;
    } cases[] = {{"Trans=70\nActiveWindow=2\n", 100, 0}, {"Trans=300\nActiveWindow=-1\n", 255, 0}};
    for (const auto& c : cases) {
        WriteSettings(std::string("[Setting]\n") + c.file);
        frmSetting& f = Open();
        EXPECT_EQ(f.sldTrans.Value(), c.slider) << c.file;
        EXPECT_EQ(f.chkActiveWindow.Value(), c.check) << c.file;
        frmSetting::Unload();
    }
}

TEST_F(Settings, EditsEnableApplyButPickersDoNot) {
    frmSetting& f = Open();
    for (forms::ComboBox* picker : {&f.cmbMonth, &f.cmbDay, &f.cmbSyu, &f.cmbWeekday})
        fake.Pick(picker->hWnd(), 2);
    EXPECT_EQ(std::pair(ApplyEnabled(), f.cmbDay.ListIndex()), std::pair(false, 2));

    const std::vector<std::function<void()>> edits = {
        [&] { Type(f.txtCPU, "500"); },  // typed back to the old value: still an edit
        [&] { Type(f.txtCPU, "5000"); },
        [&] { fake.Pick(f.sldTrans.hWnd(), 200); },
        [&] { Click(f.chkActiveWindow); },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        f.btnApp.SetEnabled(false);
        edits[i]();
        EXPECT_EQ(ApplyEnabled(), i != 0) << "edit " << i;  // the same text is no change
    }
}

TEST_F(Settings, RefusesTheFirstBadFieldWithItsMessageAndWritesNothing) {
    const std::string range = "の間で入力してください";
    const struct {
        const char* drives;
        const char* interval;
        const char* cpu;
        const char* batt;
        std::string message;  // "" when accepted
    } cases[] = {
        {"", "500", "500", "0", ""},
        {"C", "100", "60000", "60000", ""},
        {"C,D,E,", "500", "500", "0", ""},
        {"1,2", " 500 ", "1e3", "+0", ""},
        {"CD", "500", "500", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},
        {"C;D", "500", "500", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},
        {"C,DE", "500", "500", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},
        {"C,,D", "500", "500", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},
        {"C，D", "500", "500", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},
        {"Ｃ,D", "500", "500", "0", ""},  // positions count characters, not bytes
        {"é,D,", "500", "500", "0", ""},
        {"C,é", "500", "500", "0", ""},
        {"éD", "500", "500", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},
        {"CD", "500", "", "0", "ドライブはカンマ区切りで入力してください\r\n例）C,D,E"},  // only the first
        {"C", "99", "500", "0", "アクティブウィンドウをチェックする間隔は100～60000" + range},
        {"C", "60001", "500", "0", "アクティブウィンドウをチェックする間隔は100～60000" + range},
        {"C", "500", "", "0", "ＣＰＵ使用率をチェックする間隔は数字で入力してください"},
        {"C", "500", "abc", "0", "ＣＰＵ使用率をチェックする間隔は数字で入力してください"},
        {"C", "500", "1.2.3", "0", "ＣＰＵ使用率をチェックする間隔は数字で入力してください"},
        {"C", "500", "500", "-1", "電源状態をチェックする間隔は0～60000" + range},
    };
    for (const auto& c : cases) {
        frmSetting& f = Open();
        std::filesystem::remove(dir / "Vigilon.ini");
        fake.messageBoxes.clear();
        f.txtCheckDrive.SetText(c.drives);
        f.txtInterval.SetText(c.interval);
        f.txtCPU.SetText(c.cpu);
        f.txtBatt.SetText(c.batt);
        const bool saved = f.CommitSetting();
        EXPECT_EQ(saved, c.message.empty()) << c.drives << " " << c.interval << " " << c.cpu << " " << c.batt;
        EXPECT_EQ(Messages(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(std::filesystem::exists(dir / "Vigilon.ini"), saved);
        for (const auto& box : fake.messageBoxes)
            EXPECT_EQ(std::tie(box.icon, box.caption), std::tuple(platform::MessageIcon::Exclamation, "Vigilon"));
        frmSetting::Unload();
    }
}

TEST_F(Settings, SavesTextsAsTypedNumbersRoundedHalfToEvenAndListsInShownOrder) {
    WriteSettings("[Setting]\nCalendarHoliday1=12/31,1/1\nCalendarHoliday2=10-2-2,1-2-2\nMcAfee=TRUE\n");
    frmSetting& f = Open();
    Type(f.txtCheckDrive, "C,D");
    Type(f.txtInterval, "150.5");
    Type(f.txtCPU, "100.5");
    Type(f.txtMemory, "101.5");
    Type(f.txtDrive, "6e4");
    fake.Pick(f.sldTrans.hWnd(), 200);
    Click(f.chkActiveWindow);
    f.lstHoliday1.AddItem(" 2/11");
    ASSERT_TRUE(f.CommitSetting());
    // Only what changed is written; the untouched list and power interval keep their lines.
    EXPECT_EQ(SettingsFile(),
              "[Setting]\nCalendarHoliday1=1/1,2/11,12/31\nCalendarHoliday2=10-2-2,1-2-2\nMcAfee=TRUE\nDrive=C,D\n"
              "Interval=150.5\nCPUInterval=100.5\nMemoryInterval=101.5\nDriveInterval=6e4\n"
              "Trans=200\nActiveWindow=1\n");
    const core::Settings& s = core::AppSettings;
    EXPECT_EQ(std::vector<int>({s.Interval, s.CPUInterval, s.MemoryInterval, s.DriveInterval, s.Trans}),
              std::vector<int>({150, 100, 102, 60000, 200}));
    EXPECT_EQ(std::tie(s.CalendarHoliday1, s.CalendarHoliday2, s.ActiveWindow),
              std::tuple("1/1,2/11,12/31", "1-2-2,10-2-2", 1));

    // Both lists emptied: both keys are written empty. OK after Apply writes again and closes.
    for (forms::ListBox* list : {&f.lstHoliday1, &f.lstHoliday2})
        list->Clear();
    Click(f.btnApp);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_NE(SettingsFile().find("CalendarHoliday1=\nCalendarHoliday2=\n"), std::string::npos);
    Click(f.btnOK);
    EXPECT_FALSE(frmSetting::IsLoaded());
}

// Values longer than the dialog reads (1023 bytes), comments and other sections keep every byte: a
// save rewrites only the keys whose text the user changed, and a save with no change writes nothing.
TEST_F(Settings, ASaveRewritesOnlyTheKeysItChanges) {
    std::string drives;
    for (int i = 0; i < 500000; ++i)
        drives += "C,";
    const std::string before = "; mine\n[Setting]\nDrive = " + drives + "\n  Trans=0200  \n[DriveMap]\nD=/srv\n";
    WriteSettings(before);
    frmSetting& f = Open();
    EXPECT_EQ(f.txtCheckDrive.Text().size(), 1023u);
    Type(f.txtCPU, "750");
    Click(f.btnApp);
    std::string after = before;
    after.insert(after.find("[DriveMap]"), "CPUInterval=750\n");
    EXPECT_EQ(SettingsFile(), after);
    std::filesystem::remove(dir / "Vigilon.ini");
    Click(f.btnOK);
    EXPECT_FALSE(std::filesystem::exists(dir / "Vigilon.ini")) << "nothing changed since Apply";
}

// Lists saved from the former defaults open as today's defaults; a save that changes nothing leaves
// their text as it is, which goes on reading as today's defaults.
TEST_F(Settings, FormerDefaultHolidayListsOpenAsTodaysDefaults) {
    const std::string former = std::string("[Setting]\nCalendarHoliday1=") + core::kFormerDefaultHolidays1 +
                               "\nCalendarHoliday2=" + core::kFormerDefaultHolidays2 + "\n";
    WriteSettings(former);
    frmSetting& f = Open();
    EXPECT_EQ(Shown(f.lstHoliday1), (std::vector<std::string>{"12/29", "12/30", "12/31"}));
    EXPECT_EQ(Shown(f.lstHoliday2), (std::vector<std::string>{}));
    ASSERT_TRUE(f.CommitSetting());
    EXPECT_EQ(std::tie(core::AppSettings.CalendarHoliday1, core::AppSettings.CalendarHoliday2),
              std::tie(core::kDefaultHolidays1, core::kDefaultHolidays2));
    EXPECT_EQ(SettingsFile(), former);
}

TEST_F(Settings, PadAndUnpadConvertBetweenStoredAndShownForms) {
    const struct {
        std::string stored, shown;
    } dates[] = {{"1/1", " 1/ 1"},   {"2/11", " 2/11"}, {"12/3", "12/ 3"}, {"12/31", "12/31"},
                 {"01/01", "01/01"}, {"", ""},          {"2/30", " 2/30"}};
    for (const auto& d : dates) {
        EXPECT_EQ(frmSetting::PadHoliday1(d.stored), d.shown) << d.stored;
        EXPECT_EQ(frmSetting::UnpadHoliday1(d.shown), d.stored) << d.shown;
    }
    EXPECT_EQ(std::tuple(frmSetting::PadHoliday2("7-3-2"), frmSetting::PadHoliday2("10-2-2"),
                         frmSetting::UnpadHoliday2(" 1-5-2")),
              std::tuple(" 7-3-2", "10-2-2", "1-5-2"));
}

TEST_F(Settings, HolidayButtonsAddOnceDeleteTheSelectionAndKeepOrder) {
    WriteSettings("[Setting]\nCalendarHoliday1=2/11,11/23,12/29\nCalendarHoliday2=7-3-2,1-2-2\n");
    frmSetting& f = Open();
    f.cmbMonth.SetListIndex(1);  // month 2, day 11: listed already
    f.cmbDay.SetListIndex(10);
    Click(f.btnAdd1);
    EXPECT_FALSE(ApplyEnabled());
    f.cmbMonth.SetListIndex(11);  // 12/1 goes between 11/23 and 12/29
    f.cmbDay.SetListIndex(0);
    Click(f.btnAdd1);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(Shown(f.lstHoliday1), (std::vector<std::string>{" 2/11", "11/23", "12/ 1", "12/29"}));
    f.cmbMonth.SetListIndex(6);  // 7, 3rd week, Monday: listed already
    f.cmbSyu.SetListIndex(2);
    Click(f.btnAdd2);
    EXPECT_EQ(f.lstHoliday2.ListCount(), 2);
    f.cmbWeekday.SetListIndex(6);
    Click(f.btnAdd2);
    EXPECT_EQ(f.lstHoliday2.List(2), " 7-3-7");

    fake.Pick(f.lstHoliday1.hWnd(), 0);
    f.btnApp.SetEnabled(false);
    Click(f.btnDel1);
    Click(f.btnDel1);  // nothing selected any more
    EXPECT_EQ(Shown(f.lstHoliday1), (std::vector<std::string>{"11/23", "12/ 1", "12/29"}));
    EXPECT_EQ(f.lstHoliday1.ListIndex(), -1);
    EXPECT_TRUE(ApplyEnabled());
    ASSERT_TRUE(f.CommitSetting());
    EXPECT_EQ(std::tie(core::AppSettings.CalendarHoliday1, core::AppSettings.CalendarHoliday2),
              std::tuple("11/23,12/1,12/29", "1-2-2,7-3-2,7-3-7"));
}

TEST_F(Settings, EveryWayOfClosingBringsTheBarBackWithTheFileReadAgain) {
    const std::vector<std::function<void(frmSetting&)>> closes = {
        [&](frmSetting& f) { Click(f.btnCancel); }, [&](frmSetting& f) { fake.PressKey(f.hWnd(), 27); },
        [&](frmSetting& f) { fake.Window(f.hWnd()).listener->OnCloseRequest(); },
        [&](frmSetting& f) { fake.PressKey(f.hWnd(), 13); },  // Enter is OK
    };
    fake.version = {2, 5, 1};  // XP: translucency
    for (std::size_t i = 0; i < closes.size(); ++i) {
        WriteSettings("[Setting]\nCPUInterval=500\n");
        frmSetting& f = Open();
        // Edited by hand meanwhile.
        WriteSettings("[Setting]\nCPUInterval=750\nTrans=200\n[DriveMap]\nD=/srv\n[TitleButtons]\nOpenbox=60\n");
        closes[i](f);
        ASSERT_FALSE(frmSetting::IsLoaded()) << i;
        ASSERT_TRUE(frmMain::IsLoaded()) << i;
        const platform::fake::FakeWindow& bar = fake.Window(frmMain::Get().hWnd());
        EXPECT_EQ(std::tie(bar.rect.left, bar.rect.top, bar.visible), std::tuple(300, 200, true)) << i;
        // OK with nothing changed in the dialog writes nothing: the hand edits stay in force too.
        const std::optional<std::uint8_t> alpha(200);
        EXPECT_EQ(bar.alpha, alpha) << i;
        EXPECT_EQ(core::AppSettings.CPUInterval, 750) << i;
        // The sections the backend looks names up in reach it with the rest.
        EXPECT_EQ(fake.driveMap, (platform::profile::Entries{{"D", "/srv"}})) << i;
        EXPECT_EQ(fake.titleButtonLayouts, (platform::profile::Entries{{"Openbox", "60"}})) << i;
        ASSERT_TRUE(frmCalendar::IsLoaded());
        EXPECT_FALSE(frmCalendar::Get().Visible());
        EXPECT_EQ(fake.Window(frmCalendar::Get().hWnd()).alpha, alpha) << i;
        EXPECT_TRUE(fake.messageBoxes.empty());  // the same process took its own lock again
    }
}

// The re-created bar may warn of a missing drive while it starts: the dialog is gone from the
// screen by then, not left drawn under the warning.
TEST_F(Settings, TheDialogIsHiddenBeforeTheReturningBarWarns) {
    WriteSettings("[Setting]\nDrive=C,D\n");  // no drive D here
    frmSetting& f = Open();
    fake.messageBoxes.clear();
    const platform::WindowHandle dialog = f.hWnd();
    std::vector<bool> dialogShown;
    fake.duringMessageBox = [&](const platform::fake::RecordedMessageBox&) {
        dialogShown.push_back(fake.windows.count(dialog) > 0 && fake.Window(dialog).visible);
    };
    Click(f.btnCancel);
    EXPECT_FALSE(dialogShown.empty());
    EXPECT_EQ(dialogShown, std::vector<bool>(dialogShown.size(), false));
}

// A folder where the file should be refuses every write, for every user and under Wine too (which
// lets root write a read-only file); the smoke tests make a real file read-only.
TEST_F(Settings, AFailedWriteIsShownWithTheFileAndTheDialogStaysAsItWas) {
    frmSetting& f = Open();
    std::filesystem::create_directory(dir / "Vigilon.ini");
    Type(f.txtCPU, "750");
    Click(f.btnOK);
    ASSERT_TRUE(frmSetting::IsLoaded());
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    // The file, then the system's reason on the line after it.
    const std::string& text = fake.messageBoxes[0].text;
    const std::size_t at = text.find(basINIFile::SettingsFilePath() + "\r\n");
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_GT(text.size(), at + basINIFile::SettingsFilePath().size() + 2) << text;
#ifndef _WIN32  // the platform's reason whole; each reason of its own: ProfileFileTest
    EXPECT_EQ(text.substr(at + basINIFile::SettingsFilePath().size() + 2), std::strerror(EISDIR));
#endif
    EXPECT_EQ(text.rfind("設定を保存できませんでした。\r\n", 0), 0u) << text;
    EXPECT_EQ(fake.messageBoxes[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(std::pair(f.txtCPU.Text(), ApplyEnabled()), std::pair(std::string("750"), true));
    EXPECT_FALSE(f.CommitSetting());
}

TEST_F(Settings, BalloonsExplainTheFieldsAndQuittingLeavesNoWindow) {
    frmSetting& f = Open();
    int balloons = 0;
    for (const auto& [handle, control] : fake.controls)
        balloons += control.balloon ? 1 : 0;
    EXPECT_EQ(balloons, 15);
    const platform::BalloonTip& drive = *fake.controls.at(f.txtDrive.hWnd()).balloon;
    EXPECT_EQ(drive.title, "ハードディスクの空き容量");
    std::string rule;
    for (int i = 0; i < 24; ++i)
        rule += "━";
    EXPECT_EQ(drive.text, rule +
                              "\r\nハードディスクの空き容量をチェックする間隔を入力して下さい\r\n60000ms(１分)"
                              "位がちょうどいいと思います");
    EXPECT_EQ(drive.textColor, (platform::Color{94, 0, 0}));
    const platform::BalloonTip& add1 = *fake.controls.at(f.btnAdd1.hWnd()).balloon;
    const platform::BalloonTip& add2 = *fake.controls.at(f.btnAdd2.hWnd()).balloon;
    EXPECT_EQ(add1.title + add1.text, add2.title + add2.text);
    for (const platform::ControlHandle none : {f.lstHoliday1.hWnd(), f.btnOK.hWnd(), f.chkActiveWindow.hWnd()})
        EXPECT_FALSE(fake.controls.at(none).balloon);

    // Quitting with the dialog open leaves no window.
    basMain::Shutdown();
    EXPECT_EQ(std::vector<bool>({frmSetting::IsLoaded(), frmMain::IsLoaded(), frmCalendar::IsLoaded(),
                                 !fake.windows.empty(), !fake.controls.empty()}),
              std::vector<bool>(5, false));
}

}  // namespace
