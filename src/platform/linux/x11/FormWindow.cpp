// Form windows on FLTK. Decorated (Dialog) windows are positioned by their outer frame: the manager
// is told so (NorthWest gravity), and their outer rectangle adds _NET_FRAME_EXTENTS to the client.
// Borderless windows (the bar, the calendar, the popup) are override-redirect: no manager frames,
// tiles, lists or focuses them; they keep themselves above and take the focus only when clicked.
#include "platform/linux/x11/FormWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Choice.H>

#include <algorithm>

#include "platform/linux/draw/FlDraw.h"
#include "platform/linux/draw/FltkCanvas.h"
#include "platform/linux/wm/WindowManager.h"
#include "platform/linux/x11/InputMapping.h"
#include "platform/linux/x11/WindowShape.h"

namespace platform::x11 {

namespace {

constexpr auto kDoubleClickTime = std::chrono::milliseconds(500);  // Windows' default

// A key that types a character (not Enter, Escape, Tab or another control character).
bool Printable(const char* text) {
    const auto c = static_cast<unsigned char>(text ? text[0] : 0);
    return c >= 0x20 && c != 0x7F;
}

}  // namespace

FormWindow::FormWindow(const WindowSpec& layout, WindowListener& listener)
    : Fl_Double_Window(layout.clientWidth + (layout.frame == WindowFrame::ThinBorder ? 2 : 0),
                       layout.clientHeight + (layout.frame == WindowFrame::ThinBorder ? 2 : 0)),
      listener_(&listener),
      frame_(layout.frame),
      background_(layout.background),
      inset_(layout.frame == WindowFrame::ThinBorder ? 1 : 0),
      tips_(*this, inset_) {
    end();
    copy_label(layout.title.c_str());
    xclass("Vigilon");
    if (frame_ == WindowFrame::Dialog) {
        border(1);
    } else {
        set_override();
    }
    callback(&FormWindow::OnWindowCallback, this);
}

template <class Call>
void FormWindow::Notify(Call call) {
    if (!listener_)
        return;
    ++depth_;
    call(*listener_);
    --depth_;
    // Unloaded by its own handler: FLTK may still look at the window until the event is over,
    // so it goes the deferred way.
    if (depth_ == 0 && deleteWhenIdle_) {
        deleteWhenIdle_ = false;
        Fl::delete_widget(this);
    }
}

void FormWindow::PointerCrossed(bool entered) {
    if (entered) {
        Notify([](WindowListener& l) { l.OnMouseEnter(); });
    } else {
        Notify([](WindowListener& l) { l.OnMouseLeave(); });
    }
}

FormWindow::~FormWindow() {
    KeepAbove(*this, false);
}

void FormWindow::Detach() {
    listener_ = nullptr;
    KeepAbove(*this, false);
    tips_.Clear();
    balloons_.reset();
    if (shown())
        Fl_Double_Window::hide();
}

void FormWindow::Show() {
    if (shown())
        return;
    MapOptions options;
    options.above = topMost_;
    options.alpha = alpha_;
    options.frameAtPosition = frame_ == WindowFrame::Dialog;
    options.dialogType = frame_ == WindowFrame::Dialog;
    ShowWithWmState(*this, options);
    if (override() && topMost_)
        KeepAbove(*this, true);
    if (shape_)
        ApplyRoundedShape(*this, shape_->rect, shape_->ellipseWidth, shape_->ellipseHeight);
}

void FormWindow::Hide() {
    if (!shown())
        return;
    tips_.PointerLeft();
    if (balloons_)
        balloons_->Dismiss();
    KeepAbove(*this, false);
    const PixelRect outer = OuterRect();
    Fl_Double_Window::hide();
    // The next show puts it back where it was, not where the manager would place a new window.
    position(outer.left, outer.top);
    force_position(1);
}

PixelRect FormWindow::OuterRect() {
    if (frame_ != WindowFrame::Dialog)
        return {x(), y(), x() + w(), y() + h()};
    if (shown()) {
        const ScreenPoint client = ClientOrigin(*this);
        if (const std::optional<FrameExtents> e = ReadFrameExtents(*this)) {
            NoteDecoratedExtents(*e);
            return {client.x - e->left, client.y - e->top, client.x + w() + e->right, client.y + h() + e->bottom};
        }
        // Not managed yet: the window still stands where the frame's corner was asked to be.
        const FrameExtents& k = DecoratedExtents();
        return {client.x, client.y, client.x + w() + k.left + k.right, client.y + h() + k.top + k.bottom};
    }
    const FrameExtents& k = DecoratedExtents();
    return {x(), y(), x() + w() + k.left + k.right, y() + h() + k.top + k.bottom};
}

void FormWindow::MoveOuter(int left, int top) {
    if (frame_ == WindowFrame::Dialog && shown()) {
        // FLTK's x() is the client's corner here; the manager reads the request as the frame's.
        RequestMove(*this, left, top);
        return;
    }
    position(left, top);
    force_position(1);
}

void FormWindow::ResizeOuter(int width, int height) {
    if (frame_ == WindowFrame::Dialog) {
        const FrameExtents& k = DecoratedExtents();
        width -= k.left + k.right;
        height -= k.top + k.bottom;
    }
    size(std::max(width, 1), std::max(height, 1));
}

void FormWindow::SetRoundedShape(const PixelRect& r, int ellipseWidth, int ellipseHeight) {
    shape_ = RoundedShape{r, ellipseWidth, ellipseHeight};
    if (shown())
        ApplyRoundedShape(*this, r, ellipseWidth, ellipseHeight);
}

void FormWindow::RefuseFocus() {
    refuseFocus_ = true;
    if (!shown()) {
        set_override();
    } else if (!override()) {
        RefuseInputFocus(*this);
    }
}

void FormWindow::ResizeClient(int clientWidth, int clientHeight) {
    size(clientWidth + 2 * inset_, clientHeight + 2 * inset_);
}

void FormWindow::DpiChanged() {
    Notify([](WindowListener& l) { l.OnDpiChanged(); });
}

void FormWindow::AdoptServerPosition() {
    if (!shown())
        return;
    const ScreenPoint client = ClientOrigin(*this);
    // The widget's own fields: position() would ask the server for a move.
    x(client.x);
    y(client.y);
}

void FormWindow::InvalidateClient(const PixelRect& r) {
    if (!shown() || r.Width() <= 0 || r.Height() <= 0)
        return;
    damage(FL_DAMAGE_ALL, r.left + inset_, r.top + inset_, r.Width(), r.Height());
}

void FormWindow::MakeTopMost() {
    topMost_ = true;
    if (!shown())
        return;
    if (override()) {
        KeepAbove(*this, true);
    } else {
        RequestAbove(*this);
    }
}

void FormWindow::SetAlpha(std::uint8_t alpha) {
    alpha_ = alpha;
    if (shown())
        SetOpacity(*this, alpha);
}

MouseEvent FormWindow::MouseFromEvent() const {
    MouseEvent e;
    e.button = ButtonBitsFromFltk(Fl::event_state());
    e.shift = ShiftBitsFromFltk(Fl::event_state());
    e.x = Fl::event_x() - inset_;
    e.y = Fl::event_y() - inset_;
    return e;
}

int FormWindow::handle(int event) {
    switch (event) {
        case FL_PUSH: {
            tips_.PointerPressed();
            if (balloons_)
                balloons_->Dismiss();
            // No manager gives an override-redirect window the focus: a click takes it, so keys
            // typed next (Enter for the calendar) come here, as they would to a clicked window.
            // A window that refuses the focus (the information popup) leaves it where it is.
            if (override() && !refuseFocus_)
                TakeInputFocus(*this);
            // A press on a native control is the control's own.
            for (int n = 0; n < children(); ++n) {
                Fl_Widget* c = child(n);
                if (c->visible() && Fl::event_inside(c))
                    return Fl_Double_Window::handle(event);
            }
            const MouseEvent e = MouseFromEvent();
            if (Fl::event_button() == FL_LEFT_MOUSE)
                leftPress_ = PixelPoint{Fl::event_x_root(), Fl::event_y_root()};
            const auto now = std::chrono::steady_clock::now();
            // Windows' rule: the second press of a pair is the double-click, a third starts afresh.
            const bool second = Fl::event_clicks() > 0 && now - lastPress_ <= kDoubleClickTime;
            lastPress_ = now;
            if (second) {
                Fl::event_is_click(0);
                Notify([&](WindowListener& l) { l.OnDoubleClick(e); });
            } else {
                Fl::event_clicks(0);
                Notify([&](WindowListener& l) { l.OnMouseDown(e); });
            }
            return 1;
        }
        case FL_RELEASE: {
            if (Fl::event_button() == FL_LEFT_MOUSE)
                leftPress_.reset();
            const MouseEvent e = MouseFromEvent();
            Notify([&](WindowListener& l) { l.OnMouseUp(e); });
            return 1;
        }
        case FL_ENTER:
        case FL_MOVE: {
            Fl_Double_Window::handle(event);  // keeps FLTK's below-mouse bookkeeping
            const MouseEvent e = MouseFromEvent();
            tips_.PointerAt(e.x, e.y);
            if (balloons_)
                balloons_->PointerAt(Fl::event_x(), Fl::event_y());
            PointerShapeAt(e.x, e.y);
            if (event == FL_MOVE)
                Notify([&](WindowListener& l) { l.OnMouseMove(e); });
            return 1;
        }
        case FL_DRAG: {
            const MouseEvent e = MouseFromEvent();
            Notify([&](WindowListener& l) { l.OnMouseMove(e); });
            return 1;
        }
        case FL_LEAVE:
            tips_.PointerLeft();
            if (balloons_)
                balloons_->PointerAt(-1, -1);
            Fl_Double_Window::handle(event);
            PointerShapeAt(-1, -1);
            return 1;
        case FL_KEYDOWN:
        case FL_KEYUP:
            return HandleKey(event);
        case FL_FOCUS:
        case FL_UNFOCUS:
            // With native controls the focus goes to one of them; otherwise the window takes it.
            if (children() > 0)
                return Fl_Double_Window::handle(event);
            return 1;
        default:
            return Fl_Double_Window::handle(event);
    }
}

bool FormWindow::FocusTakesLetters() const {
    Fl_Widget* focus = Fl::focus();
    return ControlHasFocus() && (dynamic_cast<Fl_Browser_*>(focus) || dynamic_cast<Fl_Choice*>(focus));
}

bool FormWindow::ControlHasFocus() const {
    const Fl_Widget* focus = Fl::focus();
    return focus && focus != this && focus->inside(this);
}

bool FormWindow::PreviewKey(int event) {
    const int key = VirtualKeyFromFltk(Fl::event_key());
    const int shift = ShiftBitsFromFltk(Fl::event_state());
    if (key != 0) {
        if (event == FL_KEYDOWN) {
            Notify([&](WindowListener& l) { l.OnKeyDown(key, shift); });
        } else {
            Notify([&](WindowListener& l) { l.OnKeyUp(key, shift); });
        }
    }
    return listener_ != nullptr;
}

int FormWindow::HandleKey(int event) {
    // A control's key came to the form in its preview already; what the control left over
    // moves the focus (Tab, arrows) as FLTK's groups do.
    if (ControlHasFocus()) {
        if (event != FL_KEYDOWN)
            return 1;
        // A list or a drop-down list takes typed letters itself on Windows: while one has the
        // focus, a letter without Alt is spent here and never reaches the buttons' access keys.
        if (!(Fl::event_state() & FL_ALT) && Printable(Fl::event_text()) && FocusTakesLetters())
            return 1;
        // A key nothing took goes on as a shortcut (the access keys of buttons).
        return Fl_Double_Window::handle(event);
    }
    // Every key is taken here, so FLTK never turns Escape into a close of the window.
    PreviewKey(event);
    return 1;
}

void FormWindow::SetCursorArea(int id, const PixelRect& r, PointerShape shape) {
    std::erase_if(cursorAreas_, [id](const CursorArea& a) { return a.id == id; });
    if (shape != PointerShape::Arrow)
        cursorAreas_.push_back(CursorArea{id, r, shape});
}

// Client coordinates; changes the X cursor only when the shape changes.
void FormWindow::PointerShapeAt(int x, int y) {
    PointerShape shape = PointerShape::Arrow;
    for (const CursorArea& a : cursorAreas_) {
        if (x >= a.rect.left && x < a.rect.right && y >= a.rect.top && y < a.rect.bottom)
            shape = a.shape;
    }
    if (shape == pointer_)
        return;
    pointer_ = shape;
    cursor(shape == PointerShape::Hand ? FL_CURSOR_HAND : FL_CURSOR_DEFAULT);
}

void FormWindow::draw() {
    // Only native controls asked to be redrawn: the rest of the back buffer is still right.
    if ((damage() & ~FL_DAMAGE_CHILD) == 0) {
        draw_children();
        return;
    }
    // FLTK has clipped to the damaged area; only that part is filled and painted.
    fl_color(background_.r, background_.g, background_.b);
    fl_rectf(0, 0, w(), h());
    if (inset_ > 0) {
        fl_color(0, 0, 0);
        fl_rect(0, 0, w(), h());
        fl_push_clip(inset_, inset_, w() - 2 * inset_, h() - 2 * inset_);
    }
    FltkCanvas canvas(inset_, inset_);
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    fl_clip_box(0, 0, w(), h(), x, y, width, height);
    canvas.SetPaintArea({x - inset_, y - inset_, x + width - inset_, y + height - inset_});
    Notify([&](WindowListener& l) { l.OnPaint(canvas); });
    if (inset_ > 0)
        fl_pop_clip();
    draw_children();
}

Balloons& FormWindow::BalloonTips() {
    if (!balloons_)
        balloons_ = std::make_unique<Balloons>();
    return *balloons_;
}

void FormWindow::OnWindowCallback(Fl_Widget* widget, void*) {
    // FLTK calls back for Escape as well; only the manager's close request reaches the listener.
    if (Fl::event() != FL_CLOSE)
        return;
    static_cast<FormWindow*>(widget)->Notify([](WindowListener& l) { l.OnCloseRequest(); });
}

}  // namespace platform::x11
