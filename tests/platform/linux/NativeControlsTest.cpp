// The native controls on FLTK under a real X server: what the widgets hold, the tab order as FLTK
// moves the focus, a form's key preview, and the balloon shown for a resting pointer.
#include "platform/linux/controls/NativeControls.h"

#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>

#include <string>
#include <vector>

#include "XServerFixture.h"
#include "platform/linux/controls/Balloons.h"

namespace {

struct Counting : platform::ControlListener {
    int changes = 0;
    void OnControlChanged() override { ++changes; }
};

struct Keys : xtest::Recorder {
    std::vector<int> downs;
    void OnKeyDown(int key, int) override { downs.push_back(key); }
};

class NativeControlsTest : public xtest::XServerTest {};

TEST(BalloonLines, SplitAtLineBreaks) {
    EXPECT_EQ(platform::x11::BalloonLines("━━\r\na\r\nb"), (std::vector<std::string>{"━━", "a", "b"}));
    EXPECT_EQ(platform::x11::BalloonLines("one"), (std::vector<std::string>{"one"}));
}

TEST_F(NativeControlsTest, WidgetsHoldWhatIsSetAndTabFollowsTheGivenOrder) {
    Keys form;
    platform::Platform& p = P();
    const auto w = p.Windows().CreateFormWindow({"Vigilon", 296, 364, platform::WindowFrame::Dialog}, form);
    Counting heard;
    platform::ControlSpec layout;
    layout.kind = platform::ControlKind::ListBox;
    layout.bounds = {8, 240, 81, 328};
    const auto list = p.Controls().CreateControl(w, layout, heard);
    for (const auto& [at, text] :
         std::vector<std::pair<int, std::string>>{{0, "12/31"}, {0, " 1/ 1"}, {1, "@ 2/11"}, {0, ""}})
        p.Controls().InsertControlItem(list, at, text);
    layout.kind = platform::ControlKind::TextBox;
    layout.maxLength = 5;
    layout.bounds = {88, 56, 137, 74};
    const auto first = p.Controls().CreateControl(w, layout, heard);
    layout.bounds = {192, 56, 241, 74};
    const auto second = p.Controls().CreateControl(w, layout, heard);
    p.Controls().SetControlText(second, "500");
    p.Controls().SetControlValue(list, 3);
    EXPECT_EQ(p.Controls().GetControlText(second), "500");
    EXPECT_EQ(p.Controls().GetControlValue(list), 3);
    EXPECT_EQ(heard.changes, 0);

    p.Controls().SetTabOrder(w, {first, second, list});
    ASSERT_TRUE(Show(w, form));
    p.Controls().FocusControl(first);
    Fl_Window* window = Fl::first_window();
    // Tab as FLTK receives it from the server: through the dispatch, to the focused control first.
    const auto tab = [window] {
        Fl::e_keysym = FL_Tab;
        Fl::e_state = 0;
        Fl::handle(FL_KEYDOWN, window);
    };
    tab();
    auto* input = dynamic_cast<Fl_Input*>(Fl::focus());
    ASSERT_NE(input, nullptr);
    EXPECT_STREQ(input->value(), "500");  // the second in the tab order
    EXPECT_EQ(input->maximum_size(), 5);
    tab();
    auto* browser = dynamic_cast<Fl_Hold_Browser*>(Fl::focus());
    ASSERT_NE(browser, nullptr);
    EXPECT_STREQ(browser->text(3), "@ 2/11");  // plain text, in the order inserted
    EXPECT_STREQ(browser->text(1), "");        // measured and drawn as an empty line, nothing read past it
    EXPECT_EQ(std::vector<int>(form.downs.begin(), form.downs.end()), (std::vector<int>{9, 9}));  // key preview
    p.Windows().DestroyWindow(w);
}

// Windows' rule: a plain letter is an access key only where the focused control takes no letters
// (a check box, a slider); a list or a drop-down list takes them, so the button needs Alt there.
TEST_F(NativeControlsTest, AccessKeysNeedAltWhileAListOrPickerHasTheFocus) {
    Keys form;
    platform::Platform& p = P();
    const auto w = p.Windows().CreateFormWindow({"Vigilon", 296, 364, platform::WindowFrame::Dialog}, form);
    struct Clicks : platform::ControlListener {
        int clicks = 0;
        void OnControlChanged() override {}
        void OnControlClicked() override { ++clicks; }
    } apply, others;
    platform::ControlSpec layout;
    layout.kind = platform::ControlKind::Button;
    layout.text = "適用(&A)";
    layout.bounds = {200, 336, 289, 359};
    p.Controls().CreateControl(w, layout, apply);
    layout.text.clear();
    const struct {
        platform::ControlKind kind;
        platform::PixelRect bounds;
    } focused[] = {{platform::ControlKind::ListBox, {8, 240, 81, 328}},
                   {platform::ControlKind::ComboBox, {16, 192, 57, 212}},
                   {platform::ControlKind::CheckBox, {24, 140, 233, 165}},
                   {platform::ControlKind::Slider, {130, 167, 283, 188}}};
    std::vector<platform::ControlHandle> controls;
    for (const auto& f : focused) {
        layout.kind = f.kind;
        layout.bounds = f.bounds;
        layout.minimum = 100;
        layout.maximum = 255;
        controls.push_back(p.Controls().CreateControl(w, layout, others));
        if (f.kind != platform::ControlKind::CheckBox && f.kind != platform::ControlKind::Slider)
            p.Controls().InsertControlItem(controls.back(), 0, "1");  // FLTK's choice takes no focus while empty
    }
    ASSERT_TRUE(Show(w, form));
    Fl_Window* window = Fl::first_window();
    static char typed[2];  // FLTK swaps its case in place for a second try as a shortcut
    const auto press = [window](int state) {
        typed[0] = 'a';
        Fl::e_keysym = 'a';
        Fl::e_state = state;
        Fl::e_text = typed;
        Fl::e_length = 1;
        Fl::handle(FL_KEYDOWN, window);
    };
    const bool takesLetters[] = {true, true, false, false};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        p.Controls().FocusControl(controls[i]);
        apply.clicks = 0;
        press(0);
        EXPECT_EQ(apply.clicks, takesLetters[i] ? 0 : 1) << "plain a, control " << i;
        press(FL_ALT);
        EXPECT_EQ(apply.clicks, takesLetters[i] ? 1 : 2) << "Alt+a, control " << i;
    }
    p.Windows().DestroyWindow(w);
}

}  // namespace
