// The one interface the program sees of the operating system. Exactly one backend
// (win32, linux or fake) implements it; CMake picks which one is linked.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// Native window identity: the HWND value on Windows, a backend-owned id elsewhere. 0 is "no window".
using WindowHandle = std::uintptr_t;
using TimerId = std::uint32_t;

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Color&) const = default;
};

enum class SystemColor { WindowText, Window, InfoBackground, ButtonFace, ButtonText, ButtonHighlight };

struct Font {
    std::string face;  // the Windows face name; backends substitute what they have
    double points = 8.25;
    int weight = 400;  // 400 regular, 700 bold
    bool operator==(const Font&) const = default;
};

enum class TextAlign { Left, Center, Right };

// Drawing surface handed to a window while it paints. Coordinates are client pixels.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRect(const PixelRect& r, Color c) = 0;
    // A one-pixel line along the inside of r.
    virtual void FrameRect(const PixelRect& r, Color c) = 0;
    // One line of text at the top of r, clipped to r.
    virtual void DrawText(const PixelRect& r, std::string_view utf8, const Font& font, Color c, TextAlign align) = 0;
    // How many pixels wide DrawText would make one line of this text in this font.
    virtual int TextWidth(std::string_view utf8, const Font& font) = 0;
    // The program's own icon (the one its windows carry) scaled to fill r, blended over what is
    // there where the icon is transparent.
    virtual void DrawProgramIcon(const PixelRect& r) = 0;

    // The part of the client area being painted, where the backend knows it is less than all of it:
    // nothing drawn outside it reaches the screen, so it need not be drawn.
    const std::optional<PixelRect>& PaintArea() const { return paintArea_; }
    void SetPaintArea(const PixelRect& r) { paintArea_ = r; }

private:
    std::optional<PixelRect> paintArea_;
};

// Mouse button bits and modifier bits, as a mouse event carries them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

struct MouseEvent {
    int button = 0;
    int shift = 0;
    int x = 0;  // client pixels
    int y = 0;
};

// What a native window tells its owner. Key codes are Windows virtual-key codes on every backend.
class WindowListener {
public:
    virtual ~WindowListener() = default;
    virtual void OnPaint(Canvas& canvas) = 0;
    virtual void OnMouseDown(const MouseEvent&) {}
    virtual void OnMouseMove(const MouseEvent&) {}
    virtual void OnMouseUp(const MouseEvent&) {}
    virtual void OnDoubleClick(const MouseEvent&) {}
    virtual void OnKeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void OnKeyUp(int /*keyCode*/, int /*shift*/) {}
    // The system asks the window to close (close box, Alt+F4, window manager).
    virtual void OnCloseRequest() {}
    // The platform's ScreenDpi has changed: the window's sizes and fonts are to be worked out anew.
    virtual void OnDpiChanged() {}
    // --- hover ---
    // The pointer came over the window's client area, and went off it again (a menu or a move loop
    // that takes the pointer over may count as going off it, with the pointer still there).
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}
};

enum class WindowFrame {
    None,        // no border, no caption
    ThinBorder,  // one-pixel border, no caption
    Dialog,      // caption with close box, fixed size
};

struct WindowSpec {
    std::string title;
    int clientWidth = 0;  // pixels
    int clientHeight = 0;
    WindowFrame frame = WindowFrame::None;
    Color background{255, 255, 255};
};

struct OsVersion {
    std::uint32_t platformId = 0;  // 1: the 95 family, 2: the NT family, 0: unknown or query failed
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Idle time and the system clock, both in 100-nanosecond units, and the number of processors
// whose idle time the idle counter adds up.
struct CpuTimes {
    std::uint64_t idleTime = 0;
    std::uint64_t systemTime = 0;
    std::uint32_t processors = 1;
};

struct MemoryStatus {
    std::uint64_t totalPhys = 0;  // bytes
    std::uint64_t availPhys = 0;
};

// The sizes of one drive, or the system's description of why they could not be read.
struct DriveSpace {
    bool ok = false;
    std::uint64_t available = 0;  // bytes available to this user
    std::uint64_t total = 0;
    std::string error;  // when !ok
};

// The power status record; all zero when it cannot be read.
struct PowerStatus {
    std::uint8_t acLineStatus = 0;        // 0 on battery, 1 on mains, 255 unknown
    std::uint8_t batteryLifePercent = 0;  // 0..100, 255 unknown
};

struct LocalTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 0;  // 0 = Sunday
};

enum class MessageIcon { None, Exclamation, Information, Critical };

// --- drive queries ---
// How long the user-interface thread waits for one drive's sizes before counting the drive as failed.
inline constexpr std::uint32_t kDriveAnswerMs = 1000;

// Pointer shapes a part of a window can ask for.
enum class PointerShape { Arrow, Hand };

// Window style bits, as Windows reports them for any window; the Linux backend derives the same
// bits from what the window manager allows.
inline constexpr std::uint32_t kStyleMaximizeBox = 0x10000;
inline constexpr std::uint32_t kStyleMinimizeBox = 0x20000;
inline constexpr std::uint32_t kStyleThickFrame = 0x40000;
inline constexpr std::uint32_t kExStyleToolWindow = 0x80;

// The system metrics the program reads, with their Windows indices.
enum class Metric : int {
    ScreenWidth = 0,          // SM_CXSCREEN
    ScreenHeight = 1,         // SM_CYSCREEN
    CaptionHeight = 4,        // SM_CYCAPTION
    BorderHeight = 6,         // SM_CYBORDER
    FixedFrameX = 7,          // SM_CXFIXEDFRAME
    FixedFrameY = 8,          // SM_CYFIXEDFRAME
    SizingFrameX = 32,        // SM_CXFRAME
    SizingFrameY = 33,        // SM_CYFRAME
    SmallCaptionHeight = 51,  // SM_CYSMCAPTION
};

// Show states of a window's placement record.
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kShowMinimized = 2;
inline constexpr std::int32_t kShowMaximized = 3;

// A window's placement record: its show state and the rectangle it has when shown normally.
struct WindowPlacement {
    std::int32_t showCmd = 0;
    PixelRect normalPosition;
};

// A window's title bar as the bar that rides on it needs to know it, in screen pixels.
struct CaptionGeometry {
    // The window's visible outer rectangle: its frame included, shadows and invisible borders not.
    PixelRect window;
    // The title bar drawn on the window. Zero width when it has none to ride on: one of ours, none
    // at all, a minimised window. For a header bar only its top edge is known (zero height).
    PixelRect titleBar;
    // How far in from window.right the title-bar buttons reach, where the system knows it; without
    // it the caption height is the measure (three buttons as wide as the caption is high).
    std::optional<int> buttons;
    // The system draws no title bar on this window: the window draws its own (a header bar) or has
    // none, and its own buttons and menus may lie anywhere along its top.
    bool headerBar = false;
    // The monitor that holds the window (the primary one for window 0), and the part of it that no
    // panel or taskbar covers.
    PixelRect monitor;
    PixelRect workArea;
};

// --- native controls -------------------------------------------------------------------------
// Controls the system draws and runs itself (edit fields, check boxes, sliders, lists, buttons),
// children of a form window. Their handles are the child HWND on Windows, a backend id elsewhere.
using ControlHandle = std::uintptr_t;

enum class ControlKind {
    TextBox,   // one line of editable text, at most maxLength characters (0: no limit)
    CheckBox,  // caption beside a box; value 0 unchecked, 1 checked
    Slider,    // horizontal; value between minimum and maximum
    ComboBox,  // drop-down list without typing; value the selected index, -1 none
    ListBox,   // value the selected index, -1 none; items in the order given
    Button,    // push button with a caption
};

struct ControlSpec {
    ControlKind kind = ControlKind::TextBox;
    PixelRect bounds;  // client pixels of the form window
    std::string text;  // caption of a check box or button, initial text of a text box
    Font font;
    int maxLength = 0;  // TextBox
    int minimum = 0;    // Slider
    int maximum = 0;
    int smallStep = 1;  // arrow keys
    int largeStep = 1;  // page keys and clicks beside the thumb
};

// What a native control reports. Changes the program makes itself through the Set... calls are not
// reported: only the user's edits, clicks and selections are.
class ControlListener {
public:
    virtual ~ControlListener() = default;
    // Text typed, check box toggled, slider moved, selection changed.
    virtual void OnControlChanged() = 0;
    // A push button was clicked.
    virtual void OnControlClicked() {}
};

// A balloon help tip of one control: information icon, bold title, text in textColor with its line
// breaks ("\r\n") kept, lines wrapped only beyond maxWidth pixels; shown while the pointer rests on
// the control, also when its window is not the active one.
struct BalloonTip {
    std::string title;
    std::string text;
    Color textColor;
    int maxWidth = 1000;
};

// --- system information: types ----------------------------------------------------------------
// The Windows version record: the plain query's fields, and the extended query's product type and
// suite mask where that query answered.
struct VersionRecord {
    bool ok = false;        // the plain query answered; nothing below is valid otherwise
    bool extended = false;  // the extended query answered too
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::string servicePack;  // UTF-8, cut at its first NUL
    std::uint8_t productType = 0;
    std::uint16_t suiteMask = 0;
};

// One network adapter, its fields as fixed as the system holds them: NUL-terminated text in the
// system code page (the addresses in dotted ASCII) and the hardware address bytes with their count.
struct AdapterRecord {
    std::array<char, 132> description{};
    std::uint32_t addressLength = 0;
    std::array<std::uint8_t, 8> address{};
    std::array<char, 16> ipAddress{};  // the first address of the adapter
    std::array<char, 16> ipMask{};
    std::array<char, 16> gateway{};  // the first gateway
};

// The adapter query: sizeQueryCode is the Windows error code the size query answered (111, buffer
// too small, when there are adapters to list); listed is set when the list itself was then read.
inline constexpr std::uint32_t kAdapterBufferOverflow = 111;
struct AdapterQuery {
    std::uint32_t sizeQueryCode = 0;
    bool listed = false;
    std::vector<AdapterRecord> adapters;  // in the system's order
};

class Platform {
public:
    virtual ~Platform() = default;

    // --- windows -------------------------------------------------------------------------
    // Creates a hidden top-level window. It has no taskbar button.
    virtual WindowHandle CreateFormWindow(const WindowSpec& layout, WindowListener& listener) = 0;
    virtual void DestroyWindow(WindowHandle w) = 0;
    virtual void SetVisible(WindowHandle w, bool visible) = 0;
    virtual bool IsVisible(WindowHandle w) = 0;
    // Outer rectangle in screen pixels; also for windows of other programs.
    virtual PixelRect GetWindowRect(WindowHandle w) = 0;
    // Moves the outer top-left corner to (left, top) screen pixels.
    virtual void MoveWindow(WindowHandle w, int left, int top) = 0;
    virtual void Invalidate(WindowHandle w, const PixelRect& r) = 0;
    // Top of the topmost band, without moving or sizing.
    virtual void SetTopMost(WindowHandle w) = 0;
    // Makes the window layered with the given alpha (255 is opaque).
    virtual void SetTranslucency(WindowHandle w, std::uint8_t alpha) = 0;
    // One tooltip region per (window, id); empty text removes it.
    virtual void SetToolTip(WindowHandle w, int id, const PixelRect& r, std::string_view text) = 0;
    virtual Color SystemColorValue(SystemColor c) = 0;
    // Shows the window and makes it the active window with the keyboard focus.
    virtual void Activate(WindowHandle w) = 0;

    // --- native controls ------------------------------------------------------------------
    // 0 when the control cannot be made. The listener must outlive the control.
    virtual ControlHandle CreateControl(WindowHandle form, const ControlSpec& layout, ControlListener& listener) = 0;
    virtual void DestroyControl(ControlHandle c) = 0;
    virtual void MoveControl(ControlHandle c, const PixelRect& bounds) = 0;
    virtual void ShowControl(ControlHandle c, bool visible) = 0;
    virtual void EnableControl(ControlHandle c, bool enabled) = 0;
    virtual void SetControlFont(ControlHandle c, const Font& font) = 0;
    // The text of a text box, the caption of the others.
    virtual void SetControlText(ControlHandle c, std::string_view text) = 0;
    virtual std::string GetControlText(ControlHandle c) = 0;
    // Check state, slider position, selected index (-1: none).
    virtual void SetControlValue(ControlHandle c, int value) = 0;
    virtual int GetControlValue(ControlHandle c) = 0;
    // Items of a combo box or list box, at a position (0 is the top).
    virtual void InsertControlItem(ControlHandle c, int index, std::string_view text) = 0;
    virtual void RemoveControlItem(ControlHandle c, int index) = 0;
    // Tab and Shift+Tab move through the form's controls in this order.
    virtual void SetTabOrder(WindowHandle form, const std::vector<ControlHandle>& order) = 0;
    virtual void FocusControl(ControlHandle c) = 0;
    // A balloon tip for the control; it goes away with the control's window.
    virtual void AddBalloonTip(WindowHandle form, ControlHandle c, const BalloonTip& tip) = 0;

    // --- other programs' windows ------------------------------------------------------------
    // The active window of the desktop (0 when there is none). For one of ours it is our own handle.
    virtual WindowHandle GetForegroundWindow() = 0;
    // Style and extended-style bits (the kStyle... values above); 0 for no window.
    virtual std::uint32_t GetWindowStyle(WindowHandle w) = 0;
    virtual std::uint32_t GetWindowExStyle(WindowHandle w) = 0;
    virtual WindowPlacement GetWindowPlacement(WindowHandle w) = 0;
    // A system metric as it applies to window w. Windows' metrics are the same for every window;
    // on Linux the frame and caption sizes come from the frame the window manager gave w.
    virtual int GetSystemMetric(Metric m, WindowHandle w) = 0;
    // The monitor window w fills as a full-screen window (a film, a game, a slide show), in screen
    // pixels; nothing when it is not full-screen, is one of ours, or is the desktop or the shell's.
    // The rule is FullScreenMonitorOf (FullScreen.h); the facts are the backend's.
    virtual std::optional<PixelRect> FullScreenMonitor(WindowHandle w) = 0;
    // The user's title-button layouts (window-manager name -> layout text), from the settings file;
    // they go before the backend's own table. Windows knows its buttons and ignores it.
    virtual void SetTitleButtonLayouts(std::vector<std::pair<std::string, std::string>> layouts) = 0;

    // --- mouse-driven modal loops -----------------------------------------------------------
    virtual void ReleaseCapture() = 0;
    // Lets the user move the window with the mouse as if its caption had been pressed; returns once
    // the button is released. Timers keep ticking meanwhile.
    virtual void DragMove(WindowHandle w) = 0;
    // A popup menu of these captions ("-" is a separator, "&" marks the access key) with its top
    // edge at `at`, centred on it horizontally, owned by `owner`. Returns the index of the chosen
    // caption, or -1 when the menu was dismissed. Timers keep ticking meanwhile.
    virtual int TrackPopupMenu(WindowHandle owner, const std::vector<std::string>& captions, PixelPoint at) = 0;

    // --- timers and the message loop ------------------------------------------------------
    // A repeating timer on the UI thread; interval in milliseconds, at least 1.
    virtual TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer(TimerId id) = 0;
    // Runs a task on the UI thread once the current handler has returned.
    virtual void Post(std::function<void()> task) = 0;
    // Runs the message loop until QuitLoop.
    virtual void RunLoop() = 0;
    virtual void QuitLoop() = 0;
    [[noreturn]] virtual void ExitProcess(int code) = 0;

    // --- modal ----------------------------------------------------------------------------
    // A message box with one OK button; returns when it is dismissed. Timers keep ticking meanwhile.
    virtual void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

    // --- process and system ---------------------------------------------------------------
    // True when no other process holds the lock of this name; the lock lives as long as the process,
    // and later calls by the process that holds it return true again.
    virtual bool AcquireSingleInstance(std::string_view name) = 0;
    // Where the settings file of this name lives (see the backend for the folder rule).
    virtual std::string SettingsFilePath(std::string_view fileName) = 0;
    // All zero when the query fails or the platform has no Windows version.
    virtual OsVersion GetOsVersion() = 0;

    // --- system readings ------------------------------------------------------------------
    // Nothing when the counters cannot be read.
    virtual std::optional<CpuTimes> QueryCpuTimes() = 0;
    virtual MemoryStatus QueryMemoryStatus() = 0;
    // The drive named by one element of the Drive setting, exactly as the user wrote it. Answers
    // within about kDriveAnswerMs: a drive that does not (a dead network drive) fails with the
    // system's timeout description, and fails at once until its stalled query has come back.
    virtual DriveSpace QueryDriveSpace(std::string_view element) = 0;
    virtual PowerStatus QueryPowerStatus() = 0;
    // The folders drive names other than C stand for (drive name -> folder), from the settings file;
    // later QueryDriveSpace calls look names up here. Windows has drive letters and ignores it.
    virtual void SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) = 0;

    // --- pointer and time -----------------------------------------------------------------
    // Screen pixels.
    virtual PixelPoint GetCursorPos() = 0;
    virtual LocalTime Now() = 0;
    // The time of day in the user's time format, and the date in the user's short date format.
    virtual std::string FormatTime(const LocalTime& t) = 0;
    virtual std::string FormatShortDate(const LocalTime& t) = 0;

    // --- monitors and title bars ----------------------------------------------------------------
    // The monitor that holds the larger part of window w, in screen pixels (the primary one for
    // window 0 or a window the system cannot place).
    virtual PixelRect GetMonitorRect(WindowHandle w) = 0;
    // Where window w's title bar is, how far its buttons reach, and the free part of its monitor:
    // see CaptionGeometry. Answers for any window, ours and none included.
    virtual CaptionGeometry GetCaptionGeometry(WindowHandle w) = 0;

    // --- about dialog: other programs, documents and the pointer's shape ----------------------
    // The full path of the platform's system-information tool; nothing when none is installed.
    virtual std::optional<std::string> FindSystemInfoTool() = 0;
    // Starts the program at this path in a normal window with the focus, not waiting for it;
    // false when it could not be started.
    virtual bool StartProgram(std::string_view path) = 0;
    // The README that comes with the program, where the installed or unpacked program keeps it;
    // empty when it is nowhere to be found.
    virtual std::string ReadmePath() = 0;
    // Opens a document or web address with the desktop's handler for it.
    virtual void OpenAddress(std::string_view address) = 0;
    // The pointer takes this shape over r in the window's client area, one area per (window, id);
    // Arrow removes the area.
    virtual void SetCursorArea(WindowHandle w, int id, const PixelRect& r, PointerShape shape) = 0;

    // --- system information and the popup ----------------------------------------------------
    // The computer's name (Windows: its NetBIOS name; Linux: the host name up to its first dot) and
    // the name of the user the program runs as, UTF-8; empty when the system does not answer.
    virtual std::string QueryComputerName() = 0;
    virtual std::string QueryUserName() = 0;
    // Not ok where the system has no Windows version record.
    virtual VersionRecord QueryVersionRecord() = 0;
    // How a system without a Windows version record names itself (Linux: the distribution and the
    // kernel release); empty on Windows.
    virtual std::string QuerySystemDescription() = 0;
    virtual AdapterQuery QueryAdapters() = 0;
    // Bytes in the system's code page (ANSI on Windows, UTF-8 on Linux) as UTF-8; invalid sequences
    // become U+FFFD.
    virtual std::string Utf8FromSystemCodePage(std::string_view bytes) = 0;
    // A value under HKEY_LOCAL_MACHINE, read in the 32-bit view of the registry (where the program's
    // home platform and the products it reads keep their keys), whatever the build. Nothing when the
    // key or value is missing or of another type; Linux has no registry.
    virtual std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) = 0;
    virtual std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) = 0;
    // Outer size in pixels; the top-left corner stays.
    virtual void ResizeWindow(WindowHandle w, int width, int height) = 0;
    // Clips the window to rectangle r (window pixels) with corners cut as ellipses of the given
    // size. Where the display cannot shape windows it stays rectangular.
    virtual void SetRoundedRegion(WindowHandle w, const PixelRect& r, int ellipseWidth, int ellipseHeight) = 0;
    // From now on the window never takes the keyboard focus: showing it, raising it and clicking it
    // leave the focus with the window that has it.
    virtual void SetNoActivate(WindowHandle w) = 0;

    // --- display scaling ------------------------------------------------------------------
    // Dots per inch of the display the program's windows are laid out and drawn for, 96 at the
    // normal size; always positive. Fonts in points are drawn at this resolution. When it changes
    // (a window was moved onto a monitor of another scale), every form window hears OnDpiChanged.
    virtual int ScreenDpi() = 0;
    // Gives the window a client area of this many pixels, its outer top-left corner staying put.
    virtual void ResizeClient(WindowHandle w, int clientWidth, int clientHeight) = 0;
    // --- follow tick: window facts read once a tick -----------------------------------------------
    // Between BeginWindowFacts and EndWindowFacts (one follow tick) the answers about other programs'
    // windows (the foreground window, styles, placement, rectangles, metrics, monitors, caption
    // geometry) are read at most once each; a backend that hears of changes may keep them from one
    // round to the next while nothing changes. Rounds may nest.
    virtual void BeginWindowFacts() {}
    virtual void EndWindowFacts() {}
};

// The backend chosen at build time.
std::unique_ptr<Platform> CreatePlatform();

// The process-wide platform, installed once by the entry point (or by a test).
Platform& Current();
void Install(Platform* p);

// One round of window facts for the life of the object.
class WindowFactsRound {
public:
    WindowFactsRound() { Current().BeginWindowFacts(); }
    ~WindowFactsRound() { Current().EndWindowFacts(); }
    WindowFactsRound(const WindowFactsRound&) = delete;
    WindowFactsRound& operator=(const WindowFactsRound&) = delete;
};

}  // namespace platform
