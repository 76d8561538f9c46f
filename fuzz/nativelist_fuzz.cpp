// The holiday list as the settings dialog fills it: a settings file's CalendarHoliday1 value, read
// as the program reads it, split at every comma into entries of the native list box, which measures
// and draws each of them on a real X display (DISPLAY must name one). Every entry must come back as
// it went in, up to its first NUL.
#include <FL/Fl.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ProfileText.h"
#include "platform/linux/controls/NativeControls.h"

namespace {

// As many entries as the list shows at once, so that every one of them is measured and drawn.
constexpr std::size_t kEntries = 40;

struct Quiet : platform::ControlListener {
    void OnControlChanged() override {}
};

Fl_Window* g_window = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!std::getenv("DISPLAY")) {
        std::fputs("nativelist_fuzz needs an X display\n", stderr);
        std::exit(1);
    }
    Fl::w();  // opens the display
    g_window = new Fl_Window(160, 720);
    g_window->end();
    g_window->show();
    Fl::flush();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace platform::profile;
    const ProfileText file = DecodeProfileText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string value =
        CutToBuffer(FindProfileValue(file.text, "Setting", "CalendarHoliday1").value_or(file.text), 1024);

    std::vector<std::string> entries;
    for (std::size_t start = 0; entries.size() < kEntries;) {
        const std::size_t comma = value.find(',', start);
        entries.push_back(value.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }

    std::vector<std::string> shown;
    {
        Quiet quiet;
        platform::ControlSpec layout;
        layout.kind = platform::ControlKind::ListBox;
        layout.bounds = {0, 0, 150, 710};
        platform::x11::LinuxControl list(*g_window, 0, layout, quiet);
        for (std::size_t i = 0; i < entries.size(); ++i)
            list.InsertItem(static_cast<int>(i % 2 == 0 ? 0 : i / 2), entries[i]);
        list.SetValue(0);
        g_window->redraw();
        Fl::flush();
        auto& browser = static_cast<Fl_Hold_Browser&>(list.Widget());
        for (int line = 1; line <= browser.size(); ++line)
            shown.emplace_back(browser.text(line));
    }
    Fl::check();  // the list's widget is deleted here
    std::sort(shown.begin(), shown.end());
    for (std::string& e : entries)
        e = e.substr(0, e.find('\0'));
    std::sort(entries.begin(), entries.end());
    if (shown != entries)
        std::abort();
    return 0;
}
