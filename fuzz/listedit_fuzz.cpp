// The native list, drop-down list and edit widgets (FLTK's, through the Linux controls) fed with the
// entries a hostile settings file gives: the holiday lists and the drive list split at their commas.
// A list shows each entry as it is, at the place it was put, and nothing else; an edit field holds the
// text it was given. (Drop-down lists hold fixed picks only, never the file's entries: FLTK merges menu
// items of the same label, so they are left out here.)
// The widgets are made but never shown; a list measures its entries, so it needs a display: without
// DISPLAY the target starts a virtual one of its own (Xvfb), which ends with the target.
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <sanitizer/lsan_interface.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "platform/ProfileText.h"
#include "platform/linux/controls/NativeControls.h"

using namespace platform;

void fl_open_display();  // FLTK's, declared in FL/x.H, whose X macros clash with our names

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

ControlSpec Described(ControlKind kind, int maxLength = 0) {
    ControlSpec made;
    made.kind = kind;
    made.bounds = {0, 0, 120, 80};
    made.font = Font{"ＭＳ Ｐゴシック", 9.0, 400};
    made.maxLength = maxLength;
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        int report[2];
        if (::pipe(report) != 0)
            return 0;
        if (::fork() == 0) {
            ::close(report[0]);
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // the server ends with the target
            const std::string fd = std::to_string(report[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "640x480x24",
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(report[1]);
        // The whole line: the server dies of SIGPIPE if its line ending finds the pipe closed.
        char number[16] = {};
        std::size_t n = 0;
        while (n < sizeof number - 1 && std::strchr(number, '\n') == nullptr) {
            const ssize_t got = ::read(report[0], number + n, sizeof number - 1 - n);
            if (got <= 0)
                break;
            n += static_cast<std::size_t>(got);
        }
        ::close(report[0]);
        if (n == 0) {
            std::fprintf(stderr, "listedit_fuzz: no display and no Xvfb\n");
            std::exit(1);
        }
        const std::string display_number(number, std::strcspn(number, "\n"));
        ::setenv("DISPLAY", (":" + display_number).c_str(), 1);
        // The number may come before the server takes connections.
        const std::string socket_path = "/tmp/.X11-unix/X" + display_number;
        for (int tries = 0; tries < 600; ++tries) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, socket_path.c_str(), sizeof address.sun_path - 1);
            const bool up = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            ::close(fd);
            if (up)
                break;
            ::usleep(50000);
        }
    }
    fl_open_display();
    // The first text measured loads the font; fontconfig keeps some of what it allocates for that out
    // of reach for good, which is no finding of ours.
    __lsan_disable();
    {
        Fl_Group window(0, 0, 400, 400);
        window.end();
        Quiet quiet;
        x11::LinuxControl list(window, 0, Described(ControlKind::ListBox), quiet);
        list.InsertItem(0, "1/1");
        static_cast<Fl_Hold_Browser&>(list.Widget()).text(1);
    }
    __lsan_enable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Fields fields(data, size);
    const std::string_view removals = fields.Next();
    const std::string_view typed = fields.Next();
    const profile::ProfileIndex file(profile::DecodeProfileText(fields.Rest()).text);
    std::vector<std::string> entries;
    for (const char* key : {"CalendarHoliday1", "CalendarHoliday2", "Drive"}) {
        const std::optional<std::string> value = file.Find("Setting", key);
        const std::string cut = profile::CutToBuffer(value.value_or(""), 1024);
        for (std::string& e : Split(cut))
            entries.push_back(std::move(e));
    }
    if (entries.size() > 200)
        entries.resize(200);

    Fl_Group window(0, 0, 400, 400);
    window.end();
    Quiet quiet;
    {
        x11::LinuxControl list(window, 0, Described(ControlKind::ListBox), quiet);
        x11::LinuxControl edit(window, 0, Described(ControlKind::TextBox, 5), quiet);
        auto& browser = static_cast<Fl_Hold_Browser&>(list.Widget());

        // The list sorted by bytes, as the forms runtime places entries.
        std::vector<std::string> model;
        for (const std::string& e : entries) {
            const auto at = std::upper_bound(model.begin(), model.end(), e);
            const int index = static_cast<int>(at - model.begin());
            model.insert(at, e);
            list.InsertItem(index, e);
        }
        for (const char r : removals) {
            if (model.empty())
                break;
            const int index = static_cast<unsigned char>(r) % static_cast<int>(model.size());
            model.erase(model.begin() + index);
            list.RemoveItem(index);
        }
        if (browser.size() != static_cast<int>(model.size()))
            std::abort();
        for (std::size_t i = 0; i < model.size(); ++i) {
            // An entry's text up to a NUL byte, which a C string ends at.
            const std::string expected = model[i].substr(0, model[i].find('\0'));
            const char* shown = browser.text(static_cast<int>(i) + 1);
            if (!shown || expected != shown)
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
