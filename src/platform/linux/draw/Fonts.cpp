// Face substitution and the one-time registration of the IPA faces with FLTK.
#include "platform/linux/draw/Fonts.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>

#include <cmath>

namespace platform::x11 {

namespace {

// FLTK's Xft names start with a style letter: ' ' regular, 'B' bold. Without it a family name that
// starts with 'I' would be read as italic. The IPA faces have no bold of their own; emboldened, the
// proportional face's digits grow wider than the Windows face's, so two-digit numbers in the narrow
// calendar cells ran together. Bold text uses the fixed-pitch face, whose digits are half an em.
constexpr const char* kRegisteredNames[] = {" IPAPGothic", "BIPAGothic", " IPAGothic", "BIPAGothic"};
constexpr int kFaceCount = 4;

int g_dpi = 96;

}  // namespace

std::string_view SubstituteFace(std::string_view windowsFace) {
    if (windowsFace == "ＭＳ ゴシック" || windowsFace == "MS Gothic" || windowsFace == "IPAGothic")
        return "IPAGothic";
    return "IPAPGothic";
}

void SetFontDpi(int dpi) {
    if (dpi > 0)
        g_dpi = dpi;
}

int PixelsFromPoints(double points, int dpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

int PixelsFromPoints(double points) {
    return PixelsFromPoints(points, g_dpi);
}

int ScaledPixels(int pixelsAt96) {
    return static_cast<int>(std::lround(static_cast<double>(pixelsAt96) * g_dpi / 96.0));
}

int AscentPixels(int pixelSize) {
    return static_cast<int>(std::lround(pixelSize * 220.0 / 256.0));
}

int FltkFontFor(const Font& font) {
    static bool registered[kFaceCount] = {};
    const int index = (SubstituteFace(font.face) == "IPAGothic" ? 2 : 0) + (font.weight >= 700 ? 1 : 0);
    const int number = FL_FREE_FONT + index;
    if (!registered[index]) {
        Fl::set_font(static_cast<Fl_Font>(number), kRegisteredNames[index]);
        registered[index] = true;
    }
    return number;
}

}  // namespace platform::x11

// GCC says __SANITIZE_ADDRESS__; clang (the fuzz targets) says so through __has_feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VIGILON_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(VIGILON_ADDRESS_SANITIZER)
// FLTK opens each face and size once through Xft and keeps it for the life of the process; the
// fontconfig match data behind it is reported as leaked at exit. It is bounded and not ours. (Kept in
// this file because it is always linked: an archive member of its own would never be pulled in.)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
