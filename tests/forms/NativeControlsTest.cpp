// The native controls' own bookkeeping through the fake platform: sorted lists, the selection as
// entries come and go, and which changes fire the handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/CheckBox.h"
#include "forms/EditBox.h"
#include "forms/FormInstance.h"
#include "forms/ListControls.h"
#include "forms/Slider.h"
#include "support/FakeFixture.h"

namespace {

class frmControls : public forms::Form, public forms::FormInstance<frmControls> {
public:
    forms::ListBox lst{*this, "lst", {0, 0, 1000, 1000}, 1, true};
    forms::EditBox txt{*this, "txt", {0, 1000, 1000, 270}, 2, 5};
    forms::Slider sld{*this, "sld", {0, 1300, 1000, 300}, 3, 100, 255, 1, 5};
    forms::CheckBox chk{*this, "chk", {0, 1600, 1000, 300}, 4};

private:
    friend class forms::FormInstance<frmControls>;
    frmControls() : Form("frmControls", {"", 1500, 2000}) {}
};

class NativeControls : public testsupport::FakeFixture {};

TEST_F(NativeControls, SortedListsPlaceEntriesByBytesAndKeepTheSelectionOnItsEntry) {
    frmControls& f = frmControls::Get();
    for (const char* s : {"12/31", " 1/ 1", "01/01", "", "ｱ", " 1/ 1"})
        f.lst.AddItem(s);
    const std::vector<std::string> sorted{"", " 1/ 1", " 1/ 1", "01/01", "12/31", "ｱ"};
    EXPECT_EQ(fake.controls.at(f.lst.hWnd()).items, sorted);  // a space before digits, UTF-8 last
    f.lst.SetListIndex(4);
    f.lst.AddItem("10/10");  // goes before the selected "12/31"
    EXPECT_EQ(f.lst.List(f.lst.ListIndex()), "12/31");
    f.lst.SetListIndex(99);
    EXPECT_EQ(f.lst.ListIndex(), -1);
    f.lst.RemoveItem(99);
    EXPECT_EQ(f.lst.ListCount(), 7);
}

TEST_F(NativeControls, ProgramChangesFireHandlersOnlyWhenTheValueChanges) {
    frmControls& f = frmControls::Get();
    int changes = 0;
    f.txt.onChange = f.sld.onChange = f.chk.onClick = [&] { ++changes; };
    f.txt.SetText("500");
    f.txt.SetText("500");
    f.sld.SetValue(100);  // the slider starts at its minimum
    f.sld.SetValue(999);
    f.chk.SetValue(2);  // anything but 1 unchecks: no change
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(f.sld.Value(), 255);
    EXPECT_EQ(fake.controls.at(f.sld.hWnd()).value, 255);
    f.txt.SetEnabled(false);
    EXPECT_FALSE(fake.controls.at(f.txt.hWnd()).enabled);
}

}  // namespace
