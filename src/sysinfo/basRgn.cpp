// Rounded window shapes through the platform's regions.
#include "sysinfo/basRgn.h"

namespace basRgn {

void RoundCorners(platform::WindowHandle w, int widthPx, int heightPx) {
    platform::Windows().SetRoundedRegion(w, {0, 0, widthPx, heightPx}, kCornerEllipse, kCornerEllipse);
}

}  // namespace basRgn
