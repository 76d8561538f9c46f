// The form's window, painting, input routing and lifetime.
#include "forms/Form.h"

#include <algorithm>

#include "forms/Label.h"
#include "forms/NativeControl.h"
#include "forms/Timer.h"

namespace forms {

Form::Form(std::string name, FormSpec layout) : name_(std::move(name)), layout_(std::move(layout)) {}

Form::~Form() {
    Destroy();
}

void Form::Load(Unloader unloader) {
    unloader_ = unloader;
    platform::WindowSpec ws;
    ws.title = layout_.caption;
    ws.clientWidth = ToPixels(layout_.clientWidth);
    ws.clientHeight = ToPixels(layout_.clientHeight);
    ws.frame = layout_.frame;
    ws.background = layout_.backColor.Resolve();
    hwnd_ = platform::Windows().CreateFormWindow(ws, *this);
    timersStarted_ = false;
    if (hwnd_ != 0)
        CreateNativeControls();
    Form_Load();
    // Timers start once loading is over (or when the form said so), so none ticks into a half-made form.
    StartTimers();
}

void Form::StartTimers() {
    if (hwnd_ == 0 || timersStarted_)
        return;
    timersStarted_ = true;
    for (Timer* t : timers_)
        t->Start();
}

void Form::CreateNativeControls() {
    std::vector<Control*> tabOrder;
    for (Control* c : controls_) {
        c->WindowCreated(hwnd_);
        if (c->TabOrder() >= 0)
            tabOrder.push_back(c);
    }
    if (tabOrder.empty())
        return;
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
    std::vector<platform::ControlHandle> handles;
    for (Control* c : tabOrder) {
        if (const auto* n = dynamic_cast<NativeControl*>(c); n && n->hWnd() != 0)
            handles.push_back(n->hWnd());
    }
    platform::Controls().SetTabOrder(hwnd_, handles);
}

void Form::CenterOnScreen() {
    const platform::PixelRect outer = OuterRect();
    const int screenW = platform::Desktop().GetSystemMetric(platform::Metric::ScreenWidth, hwnd_);
    const int screenH = platform::Desktop().GetSystemMetric(platform::Metric::ScreenHeight, hwnd_);
    platform::Windows().MoveWindow(hwnd_, (screenW - outer.Width()) / 2, (screenH - outer.Height()) / 2);
}

void Form::Destroy() {
    if (hwnd_ == 0)
        return;
    for (Timer* t : timers_)
        t->Stop();
    timersStarted_ = false;
    Form_Unload();
    for (Control* c : controls_)
        c->WindowDestroying();
    platform::Windows().DestroyWindow(hwnd_);
    hwnd_ = 0;
    pressed_ = nullptr;
}

platform::PixelRect Form::OuterRect() const {
    return platform::Desktop().GetWindowRect(hwnd_);
}

Twips Form::Left() const {
    return ToTwips(OuterRect().left);
}
Twips Form::Top() const {
    return ToTwips(OuterRect().top);
}
Twips Form::Width() const {
    return ToTwips(OuterRect().Width());
}
Twips Form::Height() const {
    return ToTwips(OuterRect().Height());
}

void Form::Resize(Twips width, Twips height) {
    const platform::PixelRect outer = OuterRect();
    const int widthPx = ToPixels(width);
    const int heightPx = ToPixels(height);
    platform::Windows().ResizeWindow(hwnd_, widthPx, heightPx);
    layout_.clientWidth += ToTwips(widthPx - outer.Width());
    layout_.clientHeight += ToTwips(heightPx - outer.Height());
}

void Form::SetHeight(Twips height) {
    Resize(Width(), height);
}

void Form::SetLeft(Twips left) {
    platform::Windows().MoveWindow(hwnd_, ToPixels(left), OuterRect().top);
}
void Form::SetTop(Twips top) {
    platform::Windows().MoveWindow(hwnd_, OuterRect().left, ToPixels(top));
}
void Form::Move(Twips left, Twips top) {
    platform::Windows().MoveWindow(hwnd_, ToPixels(left), ToPixels(top));
}

void Form::Show() {
    platform::Windows().SetVisible(hwnd_, true);
}
void Form::Hide() {
    platform::Windows().SetVisible(hwnd_, false);
    if (pointerOver_)
        OnMouseLeave();  // a hidden window has nothing under the pointer
}
bool Form::Visible() const {
    return platform::Windows().IsVisible(hwnd_);
}

void Form::ReleaseCapture() {
    pressed_ = nullptr;
    platform::Windows().ReleaseCapture();
}

void Form::AddControl(Control& c) {
    controls_.push_back(&c);
}
void Form::AddTimer(Timer& t) {
    timers_.push_back(&t);
}

void Form::InvalidatePixels(const platform::PixelRect& r) {
    if (hwnd_ != 0 && r.right > r.left && r.bottom > r.top)
        platform::Windows().Invalidate(hwnd_, r);
}

int Form::ToolId(const Label& label) const {
    const auto it = std::find(controls_.begin(), controls_.end(), &label);
    return static_cast<int>(it - controls_.begin());
}

void Form::UpdateToolTip(const Label& label) {
    if (hwnd_ == 0)
        return;
    const std::string_view text = label.Visible() ? std::string_view(label.ToolTipText()) : std::string_view();
    platform::Windows().SetToolTip(hwnd_, ToolId(label), label.PixelBounds(), text);
}

void Form::UpdateCursorArea(const Label& label) {
    if (hwnd_ == 0)
        return;
    const platform::PointerShape shape = label.Visible() ? label.MousePointer() : platform::PointerShape::Arrow;
    platform::Windows().SetCursorArea(hwnd_, ToolId(label), label.PixelBounds(), shape);
}

platform::PixelRect Form::ClientRect() const {
    return {0, 0, ToPixels(layout_.clientWidth), ToPixels(layout_.clientHeight)};
}

// The same twips make other pixels now: the window takes its new size and every control works out
// its pixels again (tooltip regions, native widgets) before all of it is repainted.
void Form::OnDpiChanged() {
    if (hwnd_ == 0)
        return;
    const platform::PixelRect client = ClientRect();
    platform::Windows().ResizeClient(hwnd_, client.right, client.bottom);
    for (Control* c : controls_)
        c->Relayout();
    InvalidatePixels(client);
    Form_Resize();
}

namespace {
bool Overlap(const platform::PixelRect& a, const platform::PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
}  // namespace

// Only what lies over the part being painted is drawn: a clock that changes repaints the clock.
void Form::OnPaint(platform::Canvas& canvas) {
    const platform::PixelRect client = ClientRect();
    platform::PixelRect area = client;
    if (const std::optional<platform::PixelRect>& painted = canvas.PaintArea()) {
        area = {std::max(client.left, painted->left), std::max(client.top, painted->top),
                std::min(client.right, painted->right), std::min(client.bottom, painted->bottom)};
        if (area.Width() <= 0 || area.Height() <= 0)
            return;
    }
    canvas.FillRect(area, layout_.backColor.Resolve());
    for (const Control* c : controls_) {
        if (c->Visible() && Overlap(c->PixelBounds(), area))
            c->Paint(canvas);
    }
}

Control* Form::HitTest(int xPx, int yPx) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if ((*it)->Visible() && (*it)->Contains(xPx, yPx))
            return *it;
    }
    return nullptr;
}

namespace {
Twips RelX(const Control& c, int xPx) {
    return ToTwips(xPx) - c.Left();
}
Twips RelY(const Control& c, int yPx) {
    return ToTwips(yPx) - c.Top();
}
}  // namespace

void Form::OnMouseDown(const platform::MouseEvent& e) {
    Control* c = pressed_ ? pressed_ : HitTest(e.x, e.y);
    if (!pressed_)
        backgroundPressed_ = !c && e.button == platform::kLeftButton;
    pressed_ = c;
    if (c)
        c->MouseDown(e.button, e.shift, RelX(*c, e.x), RelY(*c, e.y));
}

void Form::OnMouseMove(const platform::MouseEvent& e) {
    Control* c = pressed_ ? pressed_ : HitTest(e.x, e.y);
    if (c)
        c->MouseMove(e.button, e.shift, RelX(*c, e.x), RelY(*c, e.y));
}

void Form::OnMouseUp(const platform::MouseEvent& e) {
    Control* c = pressed_ ? pressed_ : HitTest(e.x, e.y);
    if (e.button == 0)
        pressed_ = nullptr;  // the last button went up
    if (c)
        c->MouseUp(e.button, e.shift, RelX(*c, e.x), RelY(*c, e.y));
    if (e.button == 0 && backgroundPressed_) {
        backgroundPressed_ = false;
        const bool onClient =
            e.x >= 0 && e.y >= 0 && e.x < ToPixels(layout_.clientWidth) && e.y < ToPixels(layout_.clientHeight);
        if (!c && onClient)
            Form_Click();
    }
}

// The second press of a double-click is a press too: its release goes to the same control.
void Form::OnDoubleClick(const platform::MouseEvent& e) {
    Control* c = pressed_ ? pressed_ : HitTest(e.x, e.y);
    pressed_ = c;
    if (c)
        c->DoubleClick();
}

void Form::OnMouseEnter() {
    pointerOver_ = true;
}
void Form::OnMouseLeave() {
    pointerOver_ = false;
    Form_MouseLeave();
}

void Form::OnKeyDown(int keyCode, int shift) {
    Form_KeyDown(keyCode, shift);
}
void Form::OnKeyUp(int keyCode, int shift) {
    Form_KeyUp(keyCode, shift);
}
void Form::OnCloseRequest() {
    Form_CloseRequest();
}

void Form::Form_CloseRequest() {
    if (unloader_)
        unloader_();
}

}  // namespace forms
