// The program's native controls on FLTK: Fl_Input, Fl_Check_Button, a horizontal Fl_Slider,
// Fl_Choice, Fl_Hold_Browser and Fl_Button, children of a form window.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

class Fl_Widget;
class Fl_Group;

namespace platform::x11 {

class LinuxControl {
public:
    // The widget is added to the window and deleted with this object.
    LinuxControl(Fl_Group& window, int inset, const ControlSpec& layout, ControlListener& listener);
    ~LinuxControl();
    LinuxControl(const LinuxControl&) = delete;
    LinuxControl& operator=(const LinuxControl&) = delete;

    Fl_Widget& Widget() const { return *widget_; }
    ControlKind Kind() const { return kind_; }

    void Move(const PixelRect& bounds);
    void SetFont(const Font& font);
    void SetText(std::string_view text);
    std::string Text() const;
    void SetValue(int value);
    int Value() const;
    void InsertItem(int index, std::string_view text);
    void RemoveItem(int index);

private:
    static void OnCallback(Fl_Widget* widget, void* data);

    ControlKind kind_;
    ControlListener* listener_;
    Fl_Widget* widget_ = nullptr;
    int inset_;
    std::string label_;  // FLTK keeps a pointer to the caption
};

// FLTK reads '/', '\\', '&' and '_' in menu texts as markup; escaped, the text shows as it is.
std::string EscapedMenuText(std::string_view text);

}  // namespace platform::x11
