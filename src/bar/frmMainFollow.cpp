// The follow tick: the bar rides on the right end of the active window's caption bar, and keeps out
// of the way of a full-screen window on its monitor.
#include "bar/basProcedure.h"
#include "bar/frmMain.h"
#include "core/AppSettings.h"
#include "core/SharedState.h"
#include "forms/Screen.h"

#include <algorithm>
#include <optional>

namespace {

bool HasCaptionButtons(std::uint32_t style) {
    return (style & (platform::kStyleMaximizeBox | platform::kStyleMinimizeBox)) != 0;
}

}  // namespace

void frmMain::tmrCheck_Timer() {
    if (core::AppSettings.ActiveWindow == kStayPut) {
        tmrCheck.SetInterval(0);
        tmrCheck.SetEnabled(false);
    } else {
        tmrCheck.SetInterval(core::AppSettings.Interval);
        tmrCheck.SetEnabled(true);
    }

    // Each fact of the foreground window is read once this tick, and not at all when nothing changed
    // since the last one; with following off there is no next tick to keep them for.
    std::optional<platform::WindowFactsRound> round;
    if (core::AppSettings.ActiveWindow != kStayPut)
        round.emplace();
    const platform::WindowHandle active = platform::Desktop().GetForegroundWindow();
    const std::uint32_t style = platform::Desktop().GetWindowStyle(active);
    const platform::WindowHandle calendar = WindowRequests::CalendarWindow();
    if (active != hWnd() && active != calendar)
        WindowRequests::DismissCalendar();
    // A full-screen window (a film, a game, a slide show) on the bar's monitor hides the bar until it
    // leaves full-screen or the foreground; one on another monitor leaves the bar where it is. Only
    // while following: a bar placed once would have no tick to bring it back.
    const bool stepsAside = core::AppSettings.HideOnFullScreen && tmrCheck.Enabled();
    const std::optional<platform::PixelRect> fullScreen =
        stepsAside ? platform::Desktop().FullScreenMonitor(active) : std::nullopt;
    if (fullScreen && *fullScreen == platform::Desktop().GetMonitorRect(hWnd())) {
        StepAside();
        return;
    }
    // A bar that rides nothing keeps out of panels (the start-up place, a native Wayland window in
    // front); one the user just dropped is left where it is.
    const bool ours = active == hWnd() || active == calendar;
    const bool rides = !fullScreen && HasCaptionButtons(style) && RideOn(active);
    if (!rides && !ours)
        KeepInWorkArea();

    Show();
    if (SharedState::bCalendar)
        PlaceCalendar();
}

// Hidden with its popup (the calendar went when the full-screen window became the active one); the
// follow tick keeps running and shows the bar again.
void frmMain::StepAside() {
    if (!Visible())
        return;
    CancelPopup();
    bPopupArmed_ = false;
    Hide();
}

namespace {

// Twips between the bar's right edge and the caption buttons.
constexpr forms::Twips kButtonGap = 50;
// Twips from a maximised window's monitor's right edge to the bar's left edge.
constexpr forms::Twips kMaximizedOffset = 4600;
// Where the system does not say how far the caption buttons reach: this many, each as wide as the
// caption is high.
constexpr int kAssumedButtons = 3;
// A caption bar not more than this many bar widths long has no room for the bar.
constexpr int kCaptionWidthsForRoom = 2;

struct Spot {
    forms::Twips left = 0;
    forms::Twips top = 0;
};

// On a title bar the system draws: bottom edge on the title bar's bottom (top on its top when the
// bar is the taller, so it never sticks out above the window), right edge left of the buttons, three
// as wide as the caption is high unless the system knows how far they reach. A maximised window's
// bar starts kMaximizedOffset from its monitor's right edge, further left only where the buttons reach
// further. A window that draws its own title bar (a header bar) has buttons and menus of its own
// that nothing tells of: the bar sits on its top edge, outside it, right edges aligned, and stays
// where it is when there is no room above. A caption bar not more than twice the bar's width leaves
// the bar where it is. The bar stays inside the work area of the window's monitor.
std::optional<Spot> SpotOn(const platform::CaptionGeometry& caption,
                           bool maximized,
                           forms::Twips width,
                           forms::Twips height) {
    using forms::ToTwips;
    if (kCaptionWidthsForRoom * width >= ToTwips(caption.titleBar.Width()))
        return std::nullopt;
    const platform::PixelRect& window = caption.window;
    const forms::Screen::Area area = forms::Screen::AreaOf(caption.workArea);
    Spot spot;
    if (caption.headerBar) {
        spot.top = ToTwips(window.top) - height;
        spot.left = ToTwips(window.right) - width;
        if (spot.top < area.top)
            return std::nullopt;
    } else {
        spot.top = ToTwips(caption.titleBar.bottom) - height;
        if (spot.top < ToTwips(window.top))
            spot.top = ToTwips(caption.titleBar.top);
        const std::optional<int> buttons = caption.buttons;
        if (!maximized) {
            const forms::Twips reserve = ToTwips(buttons ? *buttons : kAssumedButtons * caption.titleBar.Height());
            spot.left = ToTwips(window.right) - width - reserve - kButtonGap;
        } else {
            spot.left = ToTwips(caption.monitor.right) - kMaximizedOffset;
            if (buttons)
                spot.left = std::min(spot.left, ToTwips(window.right) - ToTwips(*buttons) - width - kButtonGap);
        }
    }
    spot.left = forms::Screen::Inside(spot.left, width, area.left, area.right);
    spot.top = forms::Screen::Inside(spot.top, height, area.top, area.bottom);
    return spot;
}

}  // namespace

// At a new display resolution the bar has a new size: once every window has taken its own, one
// follow tick places it again, and the calendar with it. A bar that rides nothing (dropped by a
// drag, or no window in the foreground) is kept inside its monitor's work area.
void frmMain::Form_Resize() {
    platform::Loop().Post([] {
        if (!IsLoaded())
            return;
        frmMain& bar = Get();
        bar.CallCheck_Timer();
        bar.KeepInWorkArea();
        if (SharedState::bCalendar)
            bar.PlaceCalendar();
    });
}

void frmMain::KeepInWorkArea() {
    const forms::Screen::Area area = forms::Screen::WorkAreaOf(hWnd());
    const forms::Twips left = forms::Screen::Inside(Left(), Width(), area.left, area.right);
    const forms::Twips top = forms::Screen::Inside(Top(), Height(), area.top, area.bottom);
    if (left != Left() || top != Top())
        Move(left, top);
}

// A minimised window leaves the bar where it is. Top and left move separately, top first. False when
// the bar stays.
bool frmMain::RideOn(platform::WindowHandle window) {
    platform::PixelRect normal{};
    const std::int32_t state = basProcedure::GetPlacementState(window, normal);
    if (state != platform::kShowNormal && state != platform::kShowMaximized)
        return false;
    const platform::CaptionGeometry caption = platform::Desktop().GetCaptionGeometry(window);
    const std::optional<Spot> spot = SpotOn(caption, state == platform::kShowMaximized, Width(), Height());
    if (!spot)
        return false;
    SetTop(spot->top);
    SetLeft(spot->left);
    return true;
}
