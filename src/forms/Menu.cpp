// Menus: the items' order and the popup that runs the chosen one.
#include "forms/Menu.h"

#include "forms/Form.h"

namespace forms {

MenuItem::MenuItem(Menu& menu, std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {
    menu.Add(*this);
}

Menu::Menu(Form& owner, std::string name, std::string caption)
    : owner_(owner), name_(std::move(name)), caption_(std::move(caption)) {}

void Menu::Popup(platform::PixelPoint at) const {
    std::vector<std::string> captions;
    captions.reserve(items_.size());
    for (const MenuItem* item : items_)
        captions.push_back(item->Caption());
    const int chosen = platform::Windows().TrackPopupMenu(owner_.hWnd(), captions, at);
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= items_.size())
        return;
    // Copied first: the handler may unload the form that owns this menu.
    const std::function<void()> handler = items_[static_cast<std::size_t>(chosen)]->onClick;
    if (handler)
        handler();
}

}  // namespace forms
