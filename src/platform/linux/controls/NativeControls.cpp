// Native controls on FLTK widgets; FLTK's setters call no callbacks, so only the user's changes
// reach the listener.
#include "platform/linux/controls/NativeControls.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "platform/linux/draw/Fonts.h"

namespace platform::x11 {

namespace {

// A slider whose page keys move it by the large step, as the Windows trackbar's do.
class PagedSlider : public Fl_Slider {
public:
    PagedSlider(int x, int y, int w, int h, int largeStep) : Fl_Slider(x, y, w, h), largeStep_(largeStep) {}
    int handle(int event) override {
        if (event == FL_KEYBOARD && (Fl::event_key() == FL_Page_Up || Fl::event_key() == FL_Page_Down)) {
            const double step = Fl::event_key() == FL_Page_Down ? largeStep_ : -largeStep_;
            if (value(clamp(value() + step)))
                do_callback();
            return 1;
        }
        return Fl_Slider::handle(event);
    }

private:
    int largeStep_;
};

// A list of plain texts: FLTK's own browser reads '@' codes at the start of an entry, and with
// them switched off it reads past the end of an empty one. Every entry here is measured and drawn
// as it is, an empty one as an empty line of the list's text height.
class PlainList : public Fl_Hold_Browser {
public:
    using Fl_Hold_Browser::Fl_Hold_Browser;

protected:
    int item_height(void*) const override {
        fl_font(textfont(), textsize());
        return std::max(2, fl_height());
    }
    int item_width(void* item) const override {
        fl_font(textfont(), textsize());
        return static_cast<int>(fl_width(item_text(item))) + 6;
    }
    void item_draw(void* item, int x, int y, int w, int h) const override {
        Fl_Color color = textcolor();
        if (item_selected(item))
            color = fl_contrast(color, selection_color());
        if (!active_r())
            color = fl_inactive(color);
        fl_font(textfont(), textsize());
        fl_color(color);
        fl_draw(item_text(item), x + 3, y, w - 6, h, FL_ALIGN_LEFT, nullptr, 0);
    }
};

Fl_Font FontOf(const Font& font) {
    return static_cast<Fl_Font>(FltkFontFor(font));
}
Fl_Fontsize SizeOf(const Font& font) {
    return static_cast<Fl_Fontsize>(PixelsFromPoints(font.points));
}

}  // namespace

std::string EscapedMenuText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '/' || c == '\\' || c == '_')
            out.push_back('\\');
        if (c == '&')
            out.push_back('&');
        out.push_back(c);
    }
    return out;
}

LinuxControl::LinuxControl(Fl_Group& window, int inset, const ControlSpec& layout, ControlListener& listener)
    : kind_(layout.kind), listener_(&listener), inset_(inset), label_(layout.text) {
    const PixelRect& b = layout.bounds;
    const int x = b.left + inset_;
    const int y = b.top + inset_;
    const int w = std::max(1, b.Width());
    const int h = std::max(1, b.Height());
    window.begin();
    switch (kind_) {
        case ControlKind::TextBox: {
            auto* input = new Fl_Input(x, y, w, h);
            if (layout.maxLength > 0)
                input->maximum_size(layout.maxLength);
            input->value(layout.text.c_str());
            input->when(FL_WHEN_CHANGED);
            widget_ = input;
            break;
        }
        case ControlKind::CheckBox:
            widget_ = new Fl_Check_Button(x, y, w, h, label_.c_str());
            widget_->when(FL_WHEN_CHANGED);
            break;
        case ControlKind::Slider: {
            auto* slider = new PagedSlider(x, y, w, h, layout.largeStep);
            slider->type(FL_HOR_NICE_SLIDER);
            slider->bounds(layout.minimum, layout.maximum);
            slider->step(layout.smallStep > 0 ? layout.smallStep : 1);
            slider->value(layout.minimum);
            slider->when(FL_WHEN_CHANGED);
            widget_ = slider;
            break;
        }
        case ControlKind::ComboBox:
            widget_ = new Fl_Choice(x, y, w, h);
            break;
        case ControlKind::ListBox: {
            auto* list = new PlainList(x, y, w, h);
            list->when(FL_WHEN_CHANGED);
            widget_ = list;
            break;
        }
        case ControlKind::Button:
            widget_ = new Fl_Button(x, y, w, h, label_.c_str());
            break;
    }
    window.end();
    widget_->callback(&LinuxControl::OnCallback, this);
    SetFont(layout.font);
}

LinuxControl::~LinuxControl() {
    if (Fl_Group* parent = widget_->parent())
        parent->remove(widget_);
    widget_->callback(static_cast<Fl_Callback*>(nullptr), nullptr);
    // The widget may be running its own callback (a button that closes its window): deleted later.
    Fl::delete_widget(widget_);
}

void LinuxControl::OnCallback(Fl_Widget*, void* data) {
    auto* self = static_cast<LinuxControl*>(data);
    if (self->kind_ == ControlKind::Button) {
        self->listener_->OnControlClicked();
    } else {
        self->listener_->OnControlChanged();
    }
}

void LinuxControl::Move(const PixelRect& b) {
    widget_->resize(b.left + inset_, b.top + inset_, std::max(1, b.Width()), std::max(1, b.Height()));
    if (widget_->window())
        widget_->window()->redraw();
}

void LinuxControl::SetFont(const Font& font) {
    widget_->labelfont(FontOf(font));
    widget_->labelsize(SizeOf(font));
    if (auto* input = dynamic_cast<Fl_Input*>(widget_)) {
        input->textfont(FontOf(font));
        input->textsize(SizeOf(font));
    } else if (auto* choice = dynamic_cast<Fl_Choice*>(widget_)) {
        choice->textfont(FontOf(font));
        choice->textsize(SizeOf(font));
    } else if (auto* list = dynamic_cast<Fl_Hold_Browser*>(widget_)) {
        list->textfont(FontOf(font));
        list->textsize(SizeOf(font));
    }
    widget_->redraw();
}

void LinuxControl::SetText(std::string_view text) {
    if (auto* input = dynamic_cast<Fl_Input*>(widget_)) {
        input->value(text.data(), static_cast<int>(text.size()));
        return;
    }
    label_.assign(text.data(), text.size());
    widget_->label(label_.c_str());
    widget_->redraw();
}

std::string LinuxControl::Text() const {
    if (auto* input = dynamic_cast<Fl_Input*>(widget_))
        return std::string(input->value(), static_cast<std::size_t>(input->size()));
    return label_;
}

void LinuxControl::SetValue(int value) {
    switch (kind_) {
        case ControlKind::CheckBox:
            static_cast<Fl_Check_Button*>(widget_)->value(value == 1 ? 1 : 0);
            break;
        case ControlKind::Slider:
            static_cast<Fl_Slider*>(widget_)->value(value);
            break;
        case ControlKind::ComboBox: {
            auto* choice = static_cast<Fl_Choice*>(widget_);
            if (value >= 0 && value < choice->size() - 1) {
                choice->value(value);
            } else {
                choice->value(static_cast<const Fl_Menu_Item*>(nullptr));
            }
            choice->redraw();
            break;
        }
        case ControlKind::ListBox: {
            auto* list = static_cast<Fl_Hold_Browser*>(widget_);
            list->value(value >= 0 && value < list->size() ? value + 1 : 0);
            break;
        }
        case ControlKind::TextBox:
        case ControlKind::Button:
            break;
    }
}

int LinuxControl::Value() const {
    switch (kind_) {
        case ControlKind::CheckBox:
            return static_cast<Fl_Check_Button*>(widget_)->value() ? 1 : 0;
        case ControlKind::Slider:
            return static_cast<int>(std::lround(static_cast<Fl_Slider*>(widget_)->value()));
        case ControlKind::ComboBox:
            return static_cast<Fl_Choice*>(widget_)->value();
        case ControlKind::ListBox:
            return static_cast<Fl_Hold_Browser*>(widget_)->value() - 1;
        case ControlKind::TextBox:
        case ControlKind::Button:
            break;
    }
    return 0;
}

void LinuxControl::InsertItem(int index, std::string_view text) {
    const std::string item(text);
    if (kind_ == ControlKind::ComboBox) {
        auto* choice = static_cast<Fl_Choice*>(widget_);
        const int selected = choice->value();
        choice->insert(index, EscapedMenuText(item).c_str(), 0, nullptr, nullptr, 0);
        if (selected >= index)
            choice->value(selected + 1);
    } else if (kind_ == ControlKind::ListBox) {
        auto* list = static_cast<Fl_Hold_Browser*>(widget_);
        list->insert(index + 1, item.c_str());
    }
}

void LinuxControl::RemoveItem(int index) {
    if (kind_ == ControlKind::ComboBox) {
        static_cast<Fl_Choice*>(widget_)->remove(index);
    } else if (kind_ == ControlKind::ListBox) {
        static_cast<Fl_Hold_Browser*>(widget_)->remove(index + 1);
    }
    widget_->redraw();
}

}  // namespace platform::x11
