// Entries and selection of the list controls; the native list gets each insertion at its index.
#include "forms/ListControls.h"

#include <algorithm>

namespace forms {

std::string ListControl::List(int index) const {
    return index >= 0 && index < ListCount() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void ListControl::SetListIndex(int index) {
    if (index < 0 || index >= ListCount())
        index = -1;
    SetShown(listIndex_, index);
}

void ListControl::AddItem(std::string text) {
    auto at = items_.end();
    if (Sorted()) {
        // After the entries that compare equal, as a sorted system list places a repeated text.
        // std::string compares bytes as unsigned values.
        at = std::upper_bound(items_.begin(), items_.end(), text);
    }
    const int index = static_cast<int>(at - items_.begin());
    items_.insert(at, text);
    if (listIndex_ >= index)
        ++listIndex_;
    if (Native())
        Native()->InsertControlItem(hWnd(), index, text);
}

void ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount())
        return;
    items_.erase(items_.begin() + index);
    listIndex_ = -1;
    if (Native()) {
        Native()->RemoveControlItem(hWnd(), index);
        Native()->SetControlValue(hWnd(), -1);
    }
}

void ListControl::Clear() {
    while (!items_.empty())
        RemoveItem(ListCount() - 1);
}

void ListControl::Populated() {
    for (std::size_t i = 0; i < items_.size(); ++i)
        Native()->InsertControlItem(hWnd(), static_cast<int>(i), items_[i]);
    if (listIndex_ >= 0)
        PushToWidget(listIndex_);
}

void ListControl::UserChanged() {
    const int index = Native()->GetControlValue(hWnd());
    TakeUserChange(listIndex_, index >= 0 && index < ListCount() ? index : -1, onClick);
}

ComboBox::ComboBox(Form& owner, std::string name, Bounds bounds, int tabIndex)
    : ListControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::ComboBox) {}

ListBox::ListBox(Form& owner, std::string name, Bounds bounds, int tabIndex, bool sorted)
    : ListControl(owner, std::move(name), bounds, tabIndex, platform::ControlKind::ListBox), sorted_(sorted) {}

}  // namespace forms
