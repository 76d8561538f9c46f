// Message box laid out like Windows': optional icon badge at the top left, the text beside it, the
// OK button centred below; sized to the text, centred on the screen, above other windows.
#include "platform/linux/controls/MessageBox.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Widget.H>

#include <algorithm>
#include <string>

#include "platform/linux/draw/FlDraw.h"
#include "platform/linux/draw/Fonts.h"
#include "platform/linux/draw/TextWrap.h"
#include "platform/linux/wm/WindowManager.h"

namespace platform::x11 {

namespace {

// Sizes at 96 dpi; the box grows with the display's resolution as its font does.
constexpr int kMargin96 = 12;
constexpr int kIconSize96 = 32;
constexpr int kButtonWidth96 = 75;
constexpr int kButtonHeight96 = 23;
constexpr int kMinWidth96 = 160;

// The text, drawn without FLTK's '@' symbols or '&' underlines.
class TextBlock : public Fl_Widget {
public:
    TextBlock(int x, int y, int w, int h, const std::string& text, Fl_Font font, Fl_Fontsize size)
        : Fl_Widget(x, y, w, h), text_(text), font_(font), size_(size) {}
    void draw() override {
        fl_font(font_, size_);
        fl_color(FL_BLACK);
        fl_draw(text_.c_str(), x(), y(), w(), h(), FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
    }

private:
    const std::string& text_;
    Fl_Font font_;
    Fl_Fontsize size_;
};

// A round badge with "!", "i" or "x", in the colours of the Windows icons.
class IconBadge : public Fl_Widget {
public:
    IconBadge(int x, int y, int size, MessageIcon icon) : Fl_Widget(x, y, size, size), icon_(icon) {}
    void draw() override {
        Fl_Color fill = fl_rgb_color(245, 190, 0);
        Fl_Color mark = FL_BLACK;
        const char* glyph = "!";
        if (icon_ == MessageIcon::Information) {
            fill = fl_rgb_color(30, 100, 210);
            mark = FL_WHITE;
            glyph = "i";
        } else if (icon_ == MessageIcon::Critical) {
            fill = fl_rgb_color(205, 30, 30);
            mark = FL_WHITE;
            glyph = "x";
        }
        fl_color(fill);
        fl_pie(x(), y(), w(), h(), 0, 360);
        fl_color(mark);
        fl_font(static_cast<Fl_Font>(FltkFontFor({"", 16.0, 700})), ScaledPixels(22));
        fl_draw(glyph, x(), y(), w(), h(), FL_ALIGN_CENTER, nullptr, 0);
    }

private:
    MessageIcon icon_;
};

class MessageWindow : public Fl_Double_Window {
public:
    MessageWindow(int w, int h, const char* title) : Fl_Double_Window(w, h, title) {
        callback([](Fl_Widget*, void* flag) { *static_cast<bool*>(flag) = true; }, &done);
    }
    int handle(int event) override {
        if (event == FL_KEYDOWN) {
            const int key = Fl::event_key();
            if (key == FL_Enter || key == FL_KP_Enter || key == FL_Escape) {
                done = true;
                return 1;
            }
        }
        return Fl_Double_Window::handle(event);
    }
    bool done = false;
};

std::string WithoutCarriageReturns(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

void ShowMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    OpenDisplay();
    const std::string title(caption);
    const auto font = static_cast<Fl_Font>(FltkFontFor(kUiFont));
    const auto size = static_cast<Fl_Fontsize>(PixelsFromPoints(kUiFont.points));
    const int margin = ScaledPixels(kMargin96);
    const int iconSize = ScaledPixels(kIconSize96);
    const int buttonWidth = ScaledPixels(kButtonWidth96);
    const int buttonHeight = ScaledPixels(kButtonHeight96);

    int sx = 0, sy = 0, sw = 0, sh = 0;
    Fl::screen_xywh(sx, sy, sw, sh);
    fl_font(font, size);
    // Longer lines wrap, as Windows wraps them at about five eighths of the screen.
    const int maxTextW = std::max(200, sw * 5 / 8);
    const std::string body = WrapToWidth(WithoutCarriageReturns(text), maxTextW, [](std::string_view s) {
        return static_cast<int>(fl_width(s.data(), static_cast<int>(s.size())) + 0.5);
    });
    int textW = 0;
    int textH = 0;
    fl_measure(body.c_str(), textW, textH, 0);

    const bool hasIcon = icon != MessageIcon::None;
    const int textX = margin + (hasIcon ? iconSize + margin : 0);
    const int contentH = std::max(textH, hasIcon ? iconSize : 0);
    const int textY = margin + (contentH - textH) / 2;
    const int buttonY = margin + contentH + margin;
    const int width = std::max({textX + textW + margin, buttonWidth + 2 * margin, ScaledPixels(kMinWidth96)});
    const int height = buttonY + buttonHeight + margin;

    MessageWindow window(width, height, title.c_str());
    window.color(fl_rgb_color(240, 240, 240));
    if (hasIcon)
        new IconBadge(margin, margin, iconSize, icon);
    new TextBlock(textX, textY, textW, textH, body, font, size);
    auto* ok = new Fl_Button((width - buttonWidth) / 2, buttonY, buttonWidth, buttonHeight, "OK");
    ok->labelfont(font);
    ok->labelsize(size);
    ok->callback([](Fl_Widget*, void* flag) { *static_cast<bool*>(flag) = true; }, &window.done);
    window.end();
    window.xclass("Vigilon");
    window.set_modal();
    // Centred by its outer frame, as Windows centres a message box.
    const FrameExtents& frame = DecoratedExtents();
    const int outerW = width + frame.left + frame.right;
    const int outerH = height + frame.top + frame.bottom;
    window.position(sx + (sw - outerW) / 2, sy + (sh - outerH) / 2);

    MapOptions options;
    options.skipTaskbar = false;
    options.above = true;
    options.frameAtPosition = true;
    ShowWithWmState(window, options);
    ok->take_focus();
    // Fl::wait runs FLTK's timeouts too, so the program's timers keep ticking under the box.
    while (!window.done && window.shown())
        Fl::wait(1e20);
    window.hide();
    FlushDisplay();
}

}  // namespace platform::x11
