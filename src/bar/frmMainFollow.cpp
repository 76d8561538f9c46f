// The follow tick: the bar rides on the right end of the active window's caption bar.
#include "bar/basProcedure.h"
#include "bar/frmMain.h"
#include "calendar/frmCalendar.h"
#include "core/AppSettings.h"
#include "forms/Screen.h"

#include <algorithm>
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
    if (HasCaptionButtons(style))
        RideOn(active);

    Show();
    if (bCalendar)
        PlaceCalendar();
}

// Bottom edge on the bottom of the caption bar, right edge left of the caption buttons: three as wide
// as the caption is high, unless the system knows how far they reach. A caption bar not more than
// twice the bar's width leaves the bar where it is, and so does a minimised window. Top and left move
// separately, top first, and neither is kept on the screen.
void frmMain::RideOn(platform::WindowHandle window) {
    platform::Platform& p = platform::Current();
    platform::PixelRect normal{};
    const std::int32_t state = basProcedure::GetPlacementState(window, normal);
    if (state != platform::kShowNormal && state != platform::kShowMaximized)
        return;
    const platform::CaptionGeometry caption = p.GetCaptionGeometry(window);
    using forms::ToTwips;
    if (2 * Width() >= ToTwips(caption.titleBar.Width()))
        return;
    const int captionHeight = caption.titleBar.Height();
    const std::optional<int> buttons = caption.buttons;
    SetTop(ToTwips(caption.titleBar.bottom) - Height());
    if (state == platform::kShowNormal) {
        if (buttons) {
            SetLeft(ToTwips(caption.window.right - *buttons) - Width() - 50);
        } else {
            SetLeft(ToTwips(caption.window.right) - Width() - ToTwips(3 * captionHeight) - 50);
        }
    } else {
        // The buttons end where the window does: at its monitor's right edge, or short of it (a
        // taskbar on the right). Where they are not known, a fixed distance from that edge.
        if (buttons) {
            const int right = std::min(caption.monitor.right, caption.window.right);
            SetLeft(ToTwips(right - *buttons) - Width() - 50);
        } else {
            SetLeft(ToTwips(caption.monitor.right) - 4600);
        }
    }
}
