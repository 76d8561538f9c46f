// One FLTK window per form window: frame styles, painting through FltkCanvas, input and close
// requests to the WindowListener, tooltip regions, and the window-manager state it keeps.
#pragma once

#include <FL/Fl_Double_Window.H>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/linux/controls/Balloons.h"
#include "platform/linux/controls/ToolTips.h"

namespace platform::x11 {

// FLTK's event dispatch with the key preview of form windows (installed by the platform).
int DispatchWithKeyPreview(int event, Fl_Window* window);

class FormWindow : public Fl_Double_Window {
public:
    FormWindow(const WindowSpec& layout, WindowListener& listener);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Stops all calls to the listener and hides the window; the platform deletes it later.
    void Detach();
    bool Detached() const { return listener_ == nullptr; }
    // True while a listener call of this window is running (it must not be deleted then).
    bool Dispatching() const { return depth_ > 0; }
    // Deletion wanted while dispatching: done once the outermost listener call returns.
    void DeleteWhenIdle() { deleteWhenIdle_ = true; }

    void Show();
    void Hide();
    PixelRect OuterRect();
    void MoveOuter(int left, int top);
    void ResizeOuter(int width, int height);
    // Rounded corners, applied now when shown and again at every show.
    void SetRoundedShape(const PixelRect& r, int ellipseWidth, int ellipseHeight);
    // Never takes the keyboard focus. Before the first show this makes the window one no manager
    // handles (and so never focuses).
    void RefuseFocus();
    bool RefusesFocus() const { return refuseFocus_; }
    void ResizeClient(int clientWidth, int clientHeight);
    // Tells the listener that the platform's DPI changed.
    void DpiChanged();
    // Takes the position the server reports for the window as its own, without moving it: after the
    // manager moved it, before FLTK has read the manager's notice of the move.
    void AdoptServerPosition();
    void InvalidateClient(const PixelRect& r);
    // Above other windows: the manager's above state for a decorated window; a borderless one
    // raises itself whenever another window is raised over it.
    void MakeTopMost();
    // True for our borderless (override-redirect) windows, which no manager handles.
    bool Unmanaged() const { return override() != 0; }
    void SetAlpha(std::uint8_t alpha);
    void SetToolTip(int id, const PixelRect& r, std::string_view text) { tips_.Set(id, r, text); }
    int Inset() const { return inset_; }
    Balloons& BalloonTips();
    // A key event for a native control of this window: the form sees it first (key preview).
    // False when the window was closed by it, so the event must go no further.
    bool PreviewKey(int event);
    // The pointer's shape over r; Arrow removes the area of this id.
    void SetCursorArea(int id, const PixelRect& r, PointerShape shape);

    // The pointer came over the window (entered) or went off it.
    void PointerCrossed(bool entered);
    // Where the left button held now was pressed on the window (root coordinates), if it was.
    const std::optional<PixelPoint>& LeftPress() const { return leftPress_; }

    int handle(int event) override;
    void draw() override;

private:
    static void OnWindowCallback(Fl_Widget* widget, void* data);
    MouseEvent MouseFromEvent() const;
    // True when one of the native controls has the keyboard focus.
    bool ControlHasFocus() const;
    bool FocusTakesLetters() const;
    int HandleKey(int event);
    void PointerShapeAt(int x, int y);
    template <class Call>
    void Notify(Call call);

    WindowListener* listener_;
    WindowFrame frame_;
    Color background_;
    int inset_;  // the drawn one-pixel frame of ThinBorder windows
    bool topMost_ = false;
    std::optional<std::uint8_t> alpha_;
    struct RoundedShape {
        PixelRect rect;
        int ellipseWidth;
        int ellipseHeight;
    };
    std::optional<RoundedShape> shape_;
    bool refuseFocus_ = false;
    int depth_ = 0;
    bool deleteWhenIdle_ = false;
    std::chrono::steady_clock::time_point lastPress_{};
    std::optional<PixelPoint> leftPress_;
    WindowToolTips tips_;
    std::unique_ptr<Balloons> balloons_;
    struct CursorArea {
        int id;
        PixelRect rect;
        PointerShape shape;
    };
    std::vector<CursorArea> cursorAreas_;
    PointerShape pointer_ = PointerShape::Arrow;
};

}  // namespace platform::x11
