// A scripted platform for tests: windows are records, timers run on a virtual clock that only
// moves when a test advances it, and modal calls return at once after recording themselves. One
// object serves every port, so a test scripts and inspects the whole machine in one place.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/CaptionComposed.h"
#include "platform/Platform.h"

namespace platform::fake {

struct FakeWindow {
    WindowSpec layout;
    WindowListener* listener = nullptr;
    bool visible = false;
    PixelRect rect;  // outer, screen pixels
    int topMostCalls = 0;
    std::optional<std::uint8_t> alpha;  // set once the window is translucent
    int invalidations = 0;
    std::map<int, std::pair<PixelRect, std::string>> toolTips;
    std::map<int, std::pair<PixelRect, PointerShape>> cursorAreas;
    struct Region {
        PixelRect rect;
        int ellipseWidth = 0;
        int ellipseHeight = 0;
    };
    std::optional<Region> region;  // set once the window is shaped
    bool noActivate = false;
    bool pointerOver = false;  // told of the pointer's enter and not of its leave since
};

// A native control, as the program made and set it.
struct FakeControl {
    WindowHandle form = 0;
    ControlSpec layout;
    ControlListener* listener = nullptr;
    std::string text;
    int value = 0;
    std::vector<std::string> items;
    bool enabled = true;
    bool visible = true;
    std::optional<BalloonTip> balloon;
};

// A window of another program, as the test scripts it.
struct ForeignWindow {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    WindowPlacement placement;
    PixelRect rect;           // outer, screen pixels
    bool fullScreen = false;  // the system calls it full-screen
    bool framed = true;       // it has a title bar
    bool desktop = false;     // the desktop or one of the shell's windows
};

struct RecordedMenu {
    WindowHandle owner = 0;
    std::vector<std::string> captions;
    PixelPoint at;
};

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
};

// What ExitProcess throws, so a test can watch the process end.
struct ProcessExited {
    int code = 0;
};

// How wide the fake's canvas measures a line of text: every character 0.6 of the font's pixel height.
int FakeTextWidth(std::string_view utf8, const Font& font, int dpi);

// One drawing call made while painting.
struct DrawOp {
    enum Kind { Fill, Frame, Text, Icon } kind = Fill;
    PixelRect rect;
    Color color;
    std::string text;
    Font font;
    TextAlign align = TextAlign::Left;
};

class FakePlatform : public Platform,
                     public WindowPort,
                     public ControlPort,
                     public DesktopPort,
                     public LoopPort,
                     public ReadingsPort,
                     public SystemPort,
                     public SettingsFilePort {
public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // --- the scripted machine ---
    OsVersion version;
    std::string settingsDir = ".";
    std::map<SystemColor, Color> systemColors;
    std::optional<CpuTimes> cpuTimes = CpuTimes{};  // nothing: the query fails
    MemoryStatus memory;
    std::map<std::string, DriveSpace> drives;  // by element; others fail with missingDriveError
    std::string missingDriveError = "no such drive";
    PowerStatus power;
    PixelPoint cursor;
    LocalTime localTime{2003, 10, 1, 12, 0, 0, 3};
    bool twelveHourClock = false;  // the user's time format: "1:49:58 PM" rather than "13:49:58"
    // Runs while a message box is "open", e.g. to let timers tick inside it.
    std::function<void(const RecordedMessageBox&)> duringMessageBox;
    std::map<WindowHandle, ForeignWindow> foreign;  // other programs' windows
    WindowHandle foreground = 0;
    // Classic Windows metrics on a 1024 x 768 screen; a test may change any of them.
    std::map<Metric, int> metrics;
    // Monitors, primary first; none stands for one covering the screen of the metrics.
    std::vector<PixelRect> monitors;
    // The part of each monitor (same order) free of panels; a monitor without one is free throughout.
    std::vector<PixelRect> workAreas;
    // Title-bar button widths the system knows, per window; others are left to the reckoning.
    std::map<WindowHandle, int> captionButtons;
    // Title bars answered as scripted (window, title bar, buttons, header bar) instead of reckoned
    // from the metrics; the monitor and work area are filled in as for any window.
    std::map<WindowHandle, CaptionGeometry> titleBars;
    // What the desktop window manager of Windows Vista and later answers about a window, per window;
    // answers it can use take the place of the reckoning from the metrics, as on Windows.
    std::map<WindowHandle, CompositorAnswers> compositor;
    int menuChoice = -1;                        // what the next popup menu returns
    std::function<void()> duringMenu;           // runs while the menu is "open"
    std::function<void()> duringDrag;           // runs while the move loop is "running"
    std::optional<std::string> systemInfoTool;  // nothing: no tool installed
    bool programsStart = true;                  // false: every StartProgram fails
    std::string readmePath = "/usr/share/doc/vigilon/README.md";
    // System information: names, version record, adapters, and registry values by "key\\value".
    std::string computerName = "MACHINE";
    std::string userName = "user";
    VersionRecord versionRecord;
    std::string systemDescription;
    AdapterQuery adapterQuery{kAdapterBufferOverflow, true, {AdapterRecord{}}};
    std::map<std::string, std::string> registryStrings;
    std::map<std::string, std::uint32_t> registryDwords;
    int dpi = 96;  // see ChangeDpi to change it under running windows

    // --- what the program did ---
    std::map<WindowHandle, FakeWindow> windows;     // live windows only
    std::vector<WindowHandle> destroyed;            // in the order they went
    std::map<ControlHandle, FakeControl> controls;  // live controls only
    std::map<WindowHandle, std::vector<ControlHandle>> tabOrders;
    ControlHandle focus = 0;
    std::vector<RecordedMessageBox> messageBoxes;
    int quitRequests = 0;
    std::vector<RecordedMenu> menus;
    std::vector<WindowHandle> drags;
    std::vector<WindowHandle> activations;
    int captureReleases = 0;
    std::vector<std::string> driveQueries;
    // What SetDriveMap and SetTitleButtonLayouts were given last.
    std::vector<std::pair<std::string, std::string>> driveMap;
    std::vector<std::pair<std::string, std::string>> titleButtonLayouts;
    // The readings asked for, in order: "cpu", "memory", "drive", "power", "cursor", "time".
    std::vector<std::string> calls;
    std::vector<std::string> startedPrograms;  // every StartProgram, whether it started or not
    std::vector<std::string> openedAddresses;
    int windowFactRounds = 0;  // follow-tick rounds begun, and still open
    int openWindowFactRounds = 0;

    // --- driving it ---
    // The pointer moves to `at` (screen pixels): a window it comes over hears its enter, one it goes
    // off its leave, as also when a window moves, shows or hides under a pointer that stays.
    void PointTo(PixelPoint at);
    FakeControl& Control(ControlHandle c);
    // The user types a text, picks an entry or moves a slider (value), clicks a button or a check box.
    void Type(ControlHandle c, std::string_view text);
    void Pick(ControlHandle c, int value);
    void Click(ControlHandle c);
    // A key pressed and released in the window, whatever control has the focus.
    void PressKey(WindowHandle w, int keyCode);
    std::uint64_t NowMs() const { return now_; }
    // Moves the virtual clock, firing due timers in time order (posted tasks run after each tick).
    void Advance(std::uint64_t ms);
    void RunPosted();
    FakeWindow& Window(WindowHandle w);
    // Paints the window (only `area` of it, as when part of it was invalidated) and returns the
    // drawing calls.
    std::vector<DrawOp> Paint(WindowHandle w, std::optional<PixelRect> area = std::nullopt);
    std::size_t RunningTimers() const { return timers_.size(); }
    // The interval of every running timer, for checks on what is scheduled.
    std::vector<std::uint32_t> TimerIntervals() const;
    // The display's resolution changes under the program: every window hears of it.
    void ChangeDpi(int newDpi);

    // --- Platform: every port is this object ---
    WindowPort& Windows() override { return *this; }
    ControlPort& Controls() override { return *this; }
    DesktopPort& Desktop() override { return *this; }
    LoopPort& Loop() override { return *this; }
    ReadingsPort& Readings() override { return *this; }
    SystemPort& System() override { return *this; }
    SettingsFilePort& SettingsFile() override { return *this; }

    // --- WindowPort ---
    WindowHandle CreateFormWindow(const WindowSpec& layout, WindowListener& listener) override;
    void DestroyWindow(WindowHandle w) override;
    void SetVisible(WindowHandle w, bool visible) override;
    bool IsVisible(WindowHandle w) override;
    void MoveWindow(WindowHandle w, int left, int top) override;
    void Invalidate(WindowHandle w, const PixelRect& r) override;
    void SetTopMost(WindowHandle w) override;
    void SetTranslucency(WindowHandle w, std::uint8_t alpha) override;
    void SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) override;
    Color SystemColorValue(SystemColor c) override;
    void Activate(WindowHandle w) override;
    void ReleaseCapture() override;
    void DragMove(WindowHandle w) override;
    int TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) override;
    void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) override;
    void ResizeWindow(WindowHandle w, int width, int height) override;
    void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) override;
    void SetNoActivate(WindowHandle w) override;
    int ScreenDpi() override;
    void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) override;

    // --- ControlPort ---
    ControlHandle CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) override;
    void DestroyControl(ControlHandle c) override;
    void MoveControl(ControlHandle c, const PixelRect& bounds) override;
    void ShowControl(ControlHandle c, bool visible) override;
    void EnableControl(ControlHandle c, bool enabled) override;
    void SetControlFont(ControlHandle c, const Font& font) override;
    void SetControlText(ControlHandle c, std::string_view text) override;
    std::string GetControlText(ControlHandle c) override;
    void SetControlValue(ControlHandle c, int value) override;
    int GetControlValue(ControlHandle c) override;
    void InsertControlItem(ControlHandle c, int index, std::string_view text) override;
    void RemoveControlItem(ControlHandle c, int index) override;
    void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) override;
    void FocusControl(ControlHandle c) override;
    void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) override;

    // --- DesktopPort ---
    PixelRect GetWindowRect(WindowHandle w) override;
    WindowHandle GetForegroundWindow() override;
    std::uint32_t GetWindowStyle(WindowHandle w) override;
    std::uint32_t GetWindowExStyle(WindowHandle w) override;
    WindowPlacement GetWindowPlacement(WindowHandle w) override;
    int GetSystemMetric(Metric m, WindowHandle w) override;
    std::optional<PixelRect> FullScreenMonitor(WindowHandle w) override;
    void SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) override;
    PixelPoint GetCursorPos() override;
    PixelRect GetMonitorRect(WindowHandle w) override;
    CaptionGeometry GetCaptionGeometry(WindowHandle w) override;
    void BeginWindowFacts() override;
    void EndWindowFacts() override;

    // --- LoopPort ---
    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    void Post(std::function<void()> task) override;
    void RunLoop() override;
    void QuitLoop() override;
    [[noreturn]] void ExitProcess(int code) override;

    // --- ReadingsPort ---
    std::optional<CpuTimes> QueryCpuTimes() override;
    MemoryStatus QueryMemoryStatus() override;
    DriveSpace QueryDriveSpace(std::string_view element) override;
    PowerStatus QueryPowerStatus() override;
    void SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) override;
    LocalTime Now() override;
    std::string FormatTime(const LocalTime& t) override;
    std::string FormatShortDate(const LocalTime& t) override;

    // --- SystemPort ---
    bool AcquireSingleInstance(std::string_view name) override;
    OsVersion GetOsVersion() override;
    std::optional<std::string> FindSystemInfoTool() override;
    bool StartProgram(std::string_view path) override;
    std::string ReadmePath() override;
    void OpenAddress(std::string_view address) override;
    std::string QueryComputerName() override;
    std::string QueryUserName() override;
    VersionRecord QueryVersionRecord() override;
    std::string QuerySystemDescription() override;
    AdapterQuery QueryAdapters() override;
    std::string Utf8FromSystemCodePage(std::string_view bytes) override;
    std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) override;
    std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) override;

    // --- SettingsFilePort ---
    std::string SettingsFilePath(std::string_view fileName) override;

private:
    // Tells window w of the pointer's enter or leave when its being under the pointer changed.
    void CrossPointer(WindowHandle w);
    struct FakeTimer {
        std::uint32_t interval;
        std::uint64_t due;
        std::function<void()> tick;
    };
    std::uint64_t now_ = 0;
    WindowHandle nextWindow_ = 0x100;
    TimerId nextTimer_ = 1;
    std::map<TimerId, FakeTimer> timers_;
    std::vector<std::function<void()>> posted_;
};

}  // namespace platform::fake
