// The benchmark's reference: the least an FLTK program can do to show what the bar shows. A
// borderless 232 x 20 window whose one label is set to the time twice a second, nothing else.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

#include <ctime>

namespace {
Fl_Box* label = nullptr;
char text[16];

void Tick(void*) {
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%H:%M:%S", std::localtime(&now));
    label->label(text);
    label->redraw();
    Fl::repeat_timeout(0.5, Tick);
}
}  // namespace

int main() {
    Fl_Double_Window window(232, 20, "reference");
    window.xclass("VigilonReference");
    window.border(0);
    label = new Fl_Box(0, 0, 232, 20);
    window.end();
    window.show();
    Fl::add_timeout(0.5, Tick);
    return Fl::run();
}
