// Meanings of EWMH property values, without any X call.
#include "platform/linux/wm/PropertyValues.h"

#include <algorithm>

namespace platform::x11 {

namespace {

bool Contains(const std::vector<unsigned long>& items, unsigned long atom) {
    return atom != 0 && std::find(items.begin(), items.end(), atom) != items.end();
}

}  // namespace

std::vector<unsigned long> Items32(int format, unsigned long count, const long* data) {
    std::vector<unsigned long> items;
    if (!data || format != 32)
        return items;
    items.reserve(count);
    for (unsigned long i = 0; i < count; ++i)
        items.push_back(static_cast<unsigned long>(data[i]) & 0xFFFFFFFFUL);
    return items;
}

WmActions ActionsFrom(const std::vector<unsigned long>& items, const KnownAtoms& atoms) {
    return {Contains(items, atoms.actionMinimize), Contains(items, atoms.actionMaximizeHorz),
            Contains(items, atoms.actionMaximizeVert), Contains(items, atoms.actionResize)};
}

WmState StateFrom(const std::vector<unsigned long>& items, const KnownAtoms& atoms) {
    return {Contains(items, atoms.stateHidden), Contains(items, atoms.stateMaximizedVert),
            Contains(items, atoms.stateMaximizedHorz), Contains(items, atoms.stateFullscreen)};
}

WindowKind KindFrom(const std::vector<unsigned long>& types, bool transient, const KnownAtoms& atoms) {
    if (types.empty())
        return transient ? WindowKind::Dialog : WindowKind::Normal;
    for (const unsigned long type : types) {
        if (type == 0)
            continue;
        if (type == atoms.typeUtility || type == atoms.typeToolbar)
            return WindowKind::Tool;
        if (type == atoms.typeDialog)
            return WindowKind::Dialog;
        if (type == atoms.typeDesktop || type == atoms.typeDock)
            return WindowKind::Desktop;
        if (type == atoms.typeNormal)
            return WindowKind::Normal;
    }
    return WindowKind::Normal;
}

std::optional<FrameExtents> ExtentsFrom(const std::vector<unsigned long>& items) {
    if (items.size() != 4)
        return std::nullopt;
    // A frame wider than the largest X window is no frame: such a window is taken as unframed, and
    // every later sum stays far inside int.
    if (std::any_of(items.begin(), items.end(), [](unsigned long e) { return e > kMaxExtent; }))
        return std::nullopt;
    return FrameExtents{static_cast<int>(items[0]), static_cast<int>(items[1]), static_cast<int>(items[2]),
                        static_cast<int>(items[3])};
}

std::optional<PixelRect> WorkAreaFrom(const std::vector<unsigned long>& areas, unsigned long desktop) {
    if (areas.size() < 4)
        return std::nullopt;
    const std::size_t at = desktop < areas.size() / 4 ? 4 * desktop : 0;
    const unsigned long x = areas[at], y = areas[at + 1], width = areas[at + 2], height = areas[at + 3];
    if (x > kMaxExtent || y > kMaxExtent || width == 0 || height == 0 || width > 65535 || height > 65535)
        return std::nullopt;
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    return PixelRect{left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
}

PixelRect OuterFromBox(const PixelRect& box, const std::optional<FrameExtents>& extents) {
    const FrameExtents e = extents.value_or(FrameExtents{});
    return {box.left - e.left, box.top - e.top, box.right + e.right, box.bottom + e.bottom};
}

}  // namespace platform::x11
