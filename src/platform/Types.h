// The values that pass between the program and the platform ports: rectangles, colours, fonts, the
// drawing surface, what a window and a control tell their owner, and the records the readings and
// system queries fill in.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

}  // namespace platform
