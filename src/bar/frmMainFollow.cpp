// The follow tick: the bar rides on the right end of the active window's caption bar, and keeps out
// of the way of a full-screen window on its monitor.
#include "bar/basProcedure.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/AppSettings.h"
#include "forms/Screen.h"

#include <optional>

namespace {

bool HasCaptionButtons(std::uint32_t style) {
    return (style & (platform::kStyleMaximizeBox | platform::kStyleMinimizeBox)) != 0;
}

}  // namespace

void frmMain::tmrCheck_Timer() {
    if (core::AppSettings.ActiveWindow == 1) {
        tmrCheck.SetInterval(0);
        tmrCheck.SetEnabled(false);
    } else {
        tmrCheck.SetInterval(core::AppSettings.Interval);
        tmrCheck.SetEnabled(true);
    }

    platform::Platform& p = platform::Current();
    // Each fact of the foreground window is read once this tick, and not at all when nothing changed
    // since the last one; with following off there is no next tick to keep them for.
    std::optional<platform::WindowFactsRound> round;
    if (core::AppSettings.ActiveWindow != 1)
        round.emplace();
    const platform::WindowHandle active = p.GetForegroundWindow();
    const std::uint32_t style = p.GetWindowStyle(active);
    frmCalendar& calendar = frmCalendar::Get();
    if (active != hWnd() && active != calendar.hWnd()) {
        calendar.Hide();
        bCalendar = false;
    }
    // A full-screen window (a film, a game, a slide show) on the bar's monitor hides the bar until it
    // leaves full-screen or the foreground; one on another monitor leaves the bar where it is. Only
    // while following: a bar placed once would have no tick to bring it back.
    const bool stepsAside = core::AppSettings.HideOnFullScreen && tmrCheck.Enabled();
    const std::optional<platform::PixelRect> fullScreen = stepsAside ? p.FullScreenMonitor(active) : std::nullopt;
    if (fullScreen && *fullScreen == p.GetMonitorRect(hWnd())) {
        StepAside();
        return;
    }
    if (!fullScreen && HasCaptionButtons(style))
        RideOn(active);

    Show();
    if (bCalendar)
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

// Bottom edge on the bottom of the caption bar, right edge left of the caption buttons: three as wide
// as the caption is high, unless the system knows their width. A caption bar not more than twice the
// bar's width leaves the bar where it is, and so does a minimised window. Top and left move
// separately, top first, and neither is kept on the screen.
void frmMain::RideOn(platform::WindowHandle window) {
    platform::Platform& p = platform::Current();
    platform::PixelRect normal{};
    const std::int32_t state = basProcedure::GetPlacementState(window, normal);
    if (state != platform::kShowNormal && state != platform::kShowMaximized)
        return;
    platform::PixelRect caption;
    basProcedure::GetCaptionRect(window, caption);
    using forms::ToTwips;
    if (2 * Width() >= ToTwips(caption.Width()))
        return;
    const int captionHeight = caption.Height();
    const std::optional<int> buttons = p.GetCaptionButtonsWidth(window);
    if (state == platform::kShowNormal) {
        const forms::Twips reserve = ToTwips(buttons ? *buttons : 3 * captionHeight);
        SetTop(ToTwips(normal.top + caption.bottom) - Height());
        SetLeft(ToTwips(normal.right) - Width() - reserve - 50);
    } else {
        // A maximised window's frame lies off its monitor; the caption bar starts at the monitor's top,
        // and the buttons end at its right edge.
        const platform::PixelRect monitor = p.GetMonitorRect(window);
        SetTop(ToTwips(monitor.top + captionHeight) - Height());
        if (buttons) {
            SetLeft(ToTwips(monitor.right - *buttons) - Width() - 50);
        } else {
            SetLeft(ToTwips(monitor.right) - 4600);
        }
    }
}
