// A form's drop-down menu and its items, shown as a popup menu where the program asks for it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace forms {

class Form;
class Menu;

class MenuItem {
public:
    // Items appear in the order they are made; the caption "-" makes a separator.
    MenuItem(Menu& menu, std::string name, std::string caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }

    std::function<void()> onClick;

private:
    std::string name_;
    std::string caption_;
};

class Menu {
public:
    Menu(Form& owner, std::string name, std::string caption);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    const std::vector<MenuItem*>& Items() const { return items_; }
    void Add(MenuItem& item) { items_.push_back(&item); }

    // Tracks the items as a popup menu whose top edge is at the screen point and whose middle is
    // above it, owned by the form's window. Returns once the menu has closed, after the chosen
    // item's click handler has run.
    void Popup(platform::PixelPoint at) const;

private:
    Form& owner_;
    std::string name_;
    std::string caption_;
    std::vector<MenuItem*> items_;
};

}  // namespace forms
