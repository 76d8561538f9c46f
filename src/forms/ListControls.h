// The two list controls: a drop-down list the user picks from (no typing) and a list box that can
// keep its entries sorted. Both number their entries from 0; ListIndex -1 means nothing selected.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/NativeControl.h"

namespace forms {

class ListControl : public NativeControl {
public:
    using NativeControl::NativeControl;

    int ListCount() const { return static_cast<int>(items_.size()); }
    // The entry at index, "" outside the list.
    std::string List(int index) const;
    int ListIndex() const { return listIndex_; }
    // An index outside the list selects nothing.
    void SetListIndex(int index);
    // Adds at the end, or at its sorted place in a sorted list box.
    void AddItem(std::string text);
    // Removes the entry at index (nothing outside the list); the selection is cleared.
    void RemoveItem(int index);
    void Clear();

    // The user selected another entry.
    std::function<void()> onClick;

protected:
    virtual bool Sorted() const { return false; }

private:
    void Populated() override;
    void UserChanged() override;

    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ComboBox : public ListControl {
public:
    ComboBox(Form& owner, std::string name, Bounds bounds, int tabIndex);
};

class ListBox : public ListControl {
public:
    // sorted: entries are kept in ascending byte order of their texts, so a space sorts before every
    // digit and the order is the same on every system.
    ListBox(Form& owner, std::string name, Bounds bounds, int tabIndex, bool sorted);

private:
    bool Sorted() const override { return sorted_; }
    bool sorted_;
};

}  // namespace forms
