// The native list, drop-down list and edit widgets (FLTK's, through the Linux controls) fed with the
// entries a hostile settings file gives: the holiday lists and the drive list split at their commas.
// A list shows each entry as it is, at the place it was put, and nothing else; a drop-down list gets
// exactly one plain item per entry (no submenu, no divider); an edit field holds the text it was given.
// The widgets are made but never shown, so no display is needed.
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Menu_Item.H>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "platform/linux/NativeControls.h"
#include "platform/linux/ProfileText.h"

using namespace platform;

namespace {

struct Quiet : ControlListener {
    void OnControlChanged() override {}
};

std::vector<std::string> Split(std::string_view list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        out.emplace_back(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return out;
        start = comma + 1;
    }
}

ControlSpec Spec(ControlKind kind, int maxLength = 0) {
    ControlSpec spec;
    spec.kind = kind;
    spec.bounds = {0, 0, 120, 80};
    spec.font = Font{"ＭＳ Ｐゴシック", 9.0, 400};
    spec.maxLength = maxLength;
    return spec;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Fields fields(data, size);
    const std::string_view removals = fields.Next();
    const std::string_view typed = fields.Next();
    const posix::ProfileIndex file(posix::DecodeProfileText(fields.Rest()).text);
    std::vector<std::string> entries;
    for (const char* key : {"CalendarHoliday1", "CalendarHoliday2", "Drive"}) {
        const std::optional<std::string> value = file.Find("Setting", key);
        const std::string cut = posix::CutToBuffer(value.value_or(""), 1024);
        for (std::string& e : Split(cut))
            entries.push_back(std::move(e));
    }
    if (entries.size() > 200)
        entries.resize(200);

    Fl_Group window(0, 0, 400, 400);
    window.end();
    Quiet quiet;
    {
        x11::LinuxControl list(window, 0, Spec(ControlKind::ListBox), quiet);
        x11::LinuxControl choice(window, 0, Spec(ControlKind::ComboBox), quiet);
        x11::LinuxControl edit(window, 0, Spec(ControlKind::TextBox, 5), quiet);
        auto& browser = static_cast<Fl_Hold_Browser&>(list.Widget());
        auto& menu = static_cast<Fl_Choice&>(choice.Widget());

        // The list sorted by bytes, as the forms runtime places entries.
        std::vector<std::string> model;
        for (const std::string& e : entries) {
            const auto at = std::upper_bound(model.begin(), model.end(), e);
            const int index = static_cast<int>(at - model.begin());
            model.insert(at, e);
            list.InsertItem(index, e);
            const int before = menu.size();
            choice.InsertItem(index, e);
            if (menu.size() != before + 1)
                std::abort();  // one entry, one item
        }
        for (const char r : removals) {
            if (model.empty())
                break;
            const int index = static_cast<unsigned char>(r) % static_cast<int>(model.size());
            model.erase(model.begin() + index);
            list.RemoveItem(index);
            choice.RemoveItem(index);
        }
        if (browser.size() != static_cast<int>(model.size()) || menu.size() != static_cast<int>(model.size()) + 1)
            std::abort();
        for (std::size_t i = 0; i < model.size(); ++i) {
            // An entry's text up to a NUL byte, which a C string ends at.
            const std::string expected = model[i].substr(0, model[i].find('\0'));
            const char* shown = browser.text(static_cast<int>(i) + 1);
            if (!shown || expected != shown)
                std::abort();
            const Fl_Menu_Item& item = menu.menu()[i];
            if ((item.flags & (FL_SUBMENU | FL_SUBMENU_POINTER | FL_MENU_DIVIDER)) != 0)
                std::abort();
        }
        // Edit fields take any text, NUL bytes included, and give it back whole.
        edit.SetText(typed);
        if (edit.Text() != typed)
            std::abort();
        for (const std::string& e : entries) {
            edit.SetText(e);
            if (edit.Text() != e)
                std::abort();
        }
    }
    return 0;
}
