// FLTK images of the compiled-in ARGB icon: the window icons and a cache of drawn sizes.
#include "platform/linux/draw/ProgramIcon.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <memory>
#include <utility>
#include <vector>

#include "platform/linux/draw/ProgramIconPixels.h"

namespace platform::x11 {

namespace {

// An FLTK image that keeps its own copy of the pixels, as RGBA bytes.
class OwnedRgba {
public:
    explicit OwnedRgba(const IconPixels& icon) : bytes_(static_cast<std::size_t>(icon.size) * icon.size * 4) {
        for (int i = 0; i < icon.size * icon.size; ++i) {
            const std::uint32_t p = icon.argb[i];
            unsigned char* out = &bytes_[static_cast<std::size_t>(i) * 4];
            out[0] = static_cast<unsigned char>(p >> 16);
            out[1] = static_cast<unsigned char>(p >> 8);
            out[2] = static_cast<unsigned char>(p);
            out[3] = static_cast<unsigned char>(p >> 24);
        }
        image_ = std::make_unique<Fl_RGB_Image>(bytes_.data(), icon.size, icon.size, 4);
    }
    Fl_RGB_Image& Image() const { return *image_; }

private:
    std::vector<unsigned char> bytes_;
    std::unique_ptr<Fl_RGB_Image> image_;
};

const IconPixels& NearestNotSmaller(int width, int height) {
    const std::span<const IconPixels> sizes = ProgramIconSizes();
    const int wanted = width > height ? width : height;
    for (const IconPixels& icon : sizes) {
        if (icon.size >= wanted)
            return icon;
    }
    return sizes.back();
}

struct Drawn {
    int width;
    int height;
    std::unique_ptr<OwnedRgba> exact;      // the compiled-in pixels, when the size is one of them
    std::unique_ptr<Fl_RGB_Image> scaled;  // otherwise a scaled copy
    Fl_RGB_Image& Image() const { return exact ? exact->Image() : *scaled; }
};

}  // namespace

void InstallWindowIcons() {
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    std::vector<std::unique_ptr<OwnedRgba>> owned;
    std::vector<const Fl_RGB_Image*> images;
    for (const IconPixels& icon : ProgramIconSizes()) {
        owned.push_back(std::make_unique<OwnedRgba>(icon));
        images.push_back(&owned.back()->Image());
    }
    // FLTK keeps copies of its own.
    Fl_Window::default_icons(images.data(), static_cast<int>(images.size()));
}

Fl_RGB_Image& ProgramIconImage(int width, int height) {
    // Reachable until exit, never destroyed: an image may hold X resources that must not be freed
    // after the display has closed.
    static auto* cache = new std::vector<Drawn>();
    for (const Drawn& d : *cache) {
        if (d.width == width && d.height == height)
            return d.Image();
    }
    const IconPixels& source = NearestNotSmaller(width, height);
    Drawn d{width, height, std::make_unique<OwnedRgba>(source), nullptr};
    if (source.size != width || source.size != height) {
        const Fl_RGB_Scaling before = Fl_Image::RGB_scaling();
        Fl_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
        d.scaled.reset(static_cast<Fl_RGB_Image*>(d.exact->Image().copy(width, height)));
        Fl_Image::RGB_scaling(before);
        d.exact.reset();
    }
    cache->push_back(std::move(d));
    return cache->back().Image();
}

}  // namespace platform::x11
