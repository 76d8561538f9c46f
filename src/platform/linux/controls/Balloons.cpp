// The balloon window and its timing: it shows after the pointer rested half a second on a control
// (FLTK's tooltip delay, which is Windows' too) and goes after five seconds, as Windows' tips do.
#include "platform/linux/controls/Balloons.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/linux/draw/Fonts.h"

namespace platform::x11 {

namespace {

constexpr double kShowDelay = 0.5;
constexpr double kShowTime = 5.0;
constexpr int kPad = 8;
constexpr int kIcon = 16;
constexpr int kStem = 12;  // height of the pointed stem above the body

const Font kTitleFont{"ＭＳ Ｐゴシック", 9.0, 700};

}  // namespace

std::vector<std::string> BalloonLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t nl = text.find('\n', start);
        std::string_view line = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (nl == std::string_view::npos)
            break;
        start = nl + 1;
    }
    return lines;
}

// An override-redirect window that never takes the focus, drawn as a rounded body with a stem.
class BalloonWindow : public Fl_Menu_Window {
public:
    BalloonWindow() : Fl_Menu_Window(1, 1) {
        set_tooltip_window();
        clear_border();
        end();
    }

    void SetTip(const BalloonTip& tip) {
        title_ = tip.title;
        lines_ = BalloonLines(tip.text);
        color_ = tip.textColor;
        fl_font(Bold(), Size());
        int width = kIcon + 6 + static_cast<int>(fl_width(title_.c_str()));
        fl_font(Regular(), Size());
        for (const std::string& line : lines_)
            width = std::max(width, static_cast<int>(fl_width(line.c_str())));
        width = std::min(width, tip.maxWidth);
        const int lineH = fl_height();
        bodyW_ = width + 2 * kPad;
        bodyH_ = std::max(kIcon, lineH) + 4 + static_cast<int>(lines_.size()) * lineH + 2 * kPad;
    }

    // Places the stem's point at the screen point, the body below it, kept on the screen.
    void PlaceAt(int px, int py) {
        int sx = 0, sy = 0, sw = 0, sh = 0;
        Fl::screen_xywh(sx, sy, sw, sh, px, py);
        int left = std::clamp(px - 2 * kStem, sx, std::max(sx, sx + sw - bodyW_));
        stemX_ = std::clamp(px - left, kStem, std::max(kStem, bodyW_ - 2 * kStem));
        resize(left, std::min(py, sy + sh - bodyH_ - kStem), bodyW_, bodyH_ + kStem);
    }

    void draw() override {
        const Fl_Color back = fl_rgb_color(255, 255, 225);
        fl_color(back);
        fl_rectf(0, 0, w(), h());
        // Body and stem, outlined in black.
        fl_color(back);
        fl_polygon(stemX_, 0, stemX_, kStem + 1, stemX_ + kStem, kStem + 1);
        fl_color(FL_BLACK);
        fl_rect(0, kStem, w(), h() - kStem);
        fl_line(stemX_, 0, stemX_, kStem);
        fl_line(stemX_, 0, stemX_ + kStem, kStem);
        fl_color(back);
        fl_line(stemX_ + 1, kStem, stemX_ + kStem - 1, kStem);
        // The information icon: a blue disc with a white "i".
        const int top = kStem + kPad;
        fl_color(fl_rgb_color(30, 100, 210));
        fl_pie(kPad, top, kIcon, kIcon, 0, 360);
        fl_color(FL_WHITE);
        fl_font(Bold(), Size());
        fl_draw("i", kPad, top, kIcon, kIcon, FL_ALIGN_CENTER, nullptr, 0);
        // Title in bold black, then the lines in the tip's colour.
        fl_color(FL_BLACK);
        fl_draw(title_.c_str(), kPad + kIcon + 6, top, w(), kIcon, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
        fl_font(Regular(), Size());
        fl_color(fl_rgb_color(color_.r, color_.g, color_.b));
        const int lineH = fl_height();
        int y = top + std::max(kIcon, lineH) + 4;
        for (const std::string& line : lines_) {
            fl_draw(line.c_str(), kPad, y + lineH - fl_descent());
            y += lineH;
        }
    }

private:
    static Fl_Font Regular() { return static_cast<Fl_Font>(FltkFontFor(kUiFont)); }
    static Fl_Font Bold() { return static_cast<Fl_Font>(FltkFontFor(kTitleFont)); }
    static Fl_Fontsize Size() { return static_cast<Fl_Fontsize>(PixelsFromPoints(kUiFont.points)); }

    std::string title_;
    std::vector<std::string> lines_;
    Color color_;
    int bodyW_ = 1;
    int bodyH_ = 1;
    int stemX_ = kStem;
};

Balloons::Balloons() = default;

Balloons::~Balloons() {
    Fl::remove_timeout(&Balloons::OnDelay, this);
    Fl::remove_timeout(&Balloons::OnTimeout, this);
}

void Balloons::Add(Fl_Widget& widget, const BalloonTip& tip) {
    Dismiss();
    hovered_ = nullptr;  // the entries may move
    entries_.push_back({&widget, tip});
}

void Balloons::Remove(const Fl_Widget& widget) {
    Dismiss();
    hovered_ = nullptr;
    spent_ = false;
    std::erase_if(entries_, [&](const Entry& e) { return e.widget == &widget; });
}

void Balloons::PointerAt(int x, int y) {
    const Entry* under = nullptr;
    for (const Entry& e : entries_) {
        const Fl_Widget& w = *e.widget;
        if (w.visible() && x >= w.x() && x < w.x() + w.w() && y >= w.y() && y < w.y() + w.h()) {
            under = &e;
            break;
        }
    }
    if (under == hovered_)
        return;
    Dismiss();
    hovered_ = under;
    spent_ = false;
    if (hovered_)
        Fl::add_timeout(kShowDelay, &Balloons::OnDelay, this);
}

void Balloons::Dismiss() {
    Fl::remove_timeout(&Balloons::OnDelay, this);
    Fl::remove_timeout(&Balloons::OnTimeout, this);
    if (window_ && window_->shown())
        window_->hide();
    if (hovered_)
        spent_ = true;
    shown_ = nullptr;
}

const BalloonTip* Balloons::Shown() const {
    return shown_ ? &shown_->tip : nullptr;
}

void Balloons::OnDelay(void* data) {
    static_cast<Balloons*>(data)->Show();
}

void Balloons::OnTimeout(void* data) {
    static_cast<Balloons*>(data)->Dismiss();
}

void Balloons::Show() {
    if (!hovered_ || spent_)
        return;
    if (!window_)
        window_ = std::make_unique<BalloonWindow>();
    window_->SetTip(hovered_->tip);
    int px = 0, py = 0;
    Fl::get_mouse(px, py);
    window_->PlaceAt(px, py + 16);  // below the pointer's arrow
    window_->show();
    window_->redraw();
    shown_ = hovered_;
    Fl::add_timeout(kShowTime, &Balloons::OnTimeout, this);
}

}  // namespace platform::x11
