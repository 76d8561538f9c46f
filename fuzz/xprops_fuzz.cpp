// Other clients' window properties as the follow tick reads them: any items of any format become frame
// extents, work areas, allowed actions, states and window types, and from them styles, show states,
// outer rectangles and title bars, with no overflow and no extent outside the X range.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzInput.h"
#include "platform/linux/wm/ForeignMapping.h"
#include "platform/linux/wm/PropertyValues.h"

using namespace platform;
using namespace platform::x11;

namespace {

// The input's bytes as a property's items, as Xlib hands them over (longs, any bits set).
std::vector<long> Longs(std::string_view bytes) {
    std::vector<long> out(bytes.size() / sizeof(long));
    if (!out.empty())
        std::memcpy(out.data(), bytes.data(), out.size() * sizeof(long));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    const int format = data[0] % 3 == 0 ? 8 : (data[0] % 3 == 1 ? 16 : 32);
    const bool transient = (data[1] & 1) != 0;
    // Small atom numbers, so the items often name them; 0 stands for an atom the server lacks.
    KnownAtoms atoms;
    unsigned long* known[] = {&atoms.actionMinimize,     &atoms.actionMaximizeHorz,
                              &atoms.actionMaximizeVert, &atoms.actionResize,
                              &atoms.stateHidden,        &atoms.stateMaximizedVert,
                              &atoms.stateMaximizedHorz, &atoms.typeUtility,
                              &atoms.typeToolbar,        &atoms.typeDialog,
                              &atoms.typeNormal,         &atoms.stateFullscreen,
                              &atoms.typeDesktop,        &atoms.typeDock};
    for (std::size_t i = 0; i < std::size(known); ++i)
        *known[i] = (data[2] + i * data[3]) % 16;
    const PixelRect box{static_cast<std::int16_t>(data[4] << 8 | data[5]),
                        static_cast<std::int16_t>(data[6] << 8 | data[7]), 0, 0};
    const PixelRect boxed{box.left, box.top, box.left + 65535, box.top + 65535};

    const std::vector<long> raw = Longs(std::string_view(reinterpret_cast<const char*>(data + 8), size - 8));
    const std::vector<unsigned long> items = Items32(format, raw.size(), raw.empty() ? nullptr : raw.data());
    for (const unsigned long item : items) {
        if (item > 0xFFFFFFFFUL)
            std::abort();
    }
    if (format != 32 && !items.empty())
        std::abort();

    const std::optional<FrameExtents> extents = ExtentsFrom(items);
    if (extents) {
        for (const int e : {extents->left, extents->right, extents->top, extents->bottom}) {
            if (e < 0 || e > static_cast<int>(kMaxExtent))
                std::abort();
        }
    }
    const WmActions actions = ActionsFrom(items, atoms);
    const WmState state = StateFrom(items, atoms);
    const WindowKind kind = KindFrom(items, transient, atoms);
    if (kind == WindowKind::Dialog && (StyleFromActions(actions, kind) & (kStyleMinimizeBox | kStyleMaximizeBox)) != 0)
        std::abort();  // no minimise or maximise box on a dialog
    ShowCmdFromState(state);
    const PixelRect outer = OuterFromBox(boxed, extents);
    if (outer.Width() < boxed.Width() || outer.Height() < boxed.Height())
        std::abort();
    // The same items as _NET_WORKAREA and as the shadow of a header-bar window: the title bar found
    // lies inside the window, the work area inside the monitor.
    const PixelRect monitor{0, 0, 65535, 65535};
    const std::optional<PixelRect> workArea = WorkAreaFrom(items, data[1]);
    const PixelRect area = WorkAreaOn(monitor, workArea);
    if (area.left < monitor.left || area.top < monitor.top || area.right > monitor.right ||
        area.bottom > monitor.bottom)
        std::abort();
    for (const bool framed : {true, false}) {
        FrameFacts facts;
        facts.showCmd = ShowCmdFromState(state);
        facts.outer = outer;
        facts.frame = framed ? extents : std::nullopt;
        facts.gtk = framed ? std::nullopt : extents;
        facts.monitor = monitor;
        facts.workArea = area;
        const CaptionGeometry caption = CaptionFromFrame(facts);
        if (caption.titleBar.Width() < 0 || caption.titleBar.Height() < 0)
            std::abort();
    }
    return 0;
}
