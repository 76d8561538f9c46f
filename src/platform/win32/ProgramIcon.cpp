// LoadImage of the icon resource per size, kept in a small cache; WM_SETICON for form windows.
#include "platform/win32/ProgramIcon.h"

#include <vector>

namespace platform::win32 {

namespace {

struct CachedIcon {
    int width;
    int height;
    HICON icon;
};

class IconCache {
public:
    IconCache() = default;
    IconCache(const IconCache&) = delete;
    IconCache& operator=(const IconCache&) = delete;
    ~IconCache() {
        for (const CachedIcon& c : icons_) {
            if (c.icon)
                ::DestroyIcon(c.icon);
        }
    }

    HICON Get(int width, int height) {
        for (const CachedIcon& c : icons_) {
            if (c.width == width && c.height == height)
                return c.icon;
        }
        // A miss is remembered too, so a module without the resource is not searched at every paint.
        HANDLE loaded = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                                     width, height, LR_DEFAULTCOLOR);
        icons_.push_back(CachedIcon{width, height, static_cast<HICON>(loaded)});
        return icons_.back().icon;
    }

private:
    std::vector<CachedIcon> icons_;
};

}  // namespace

HICON ProgramIcon(int width, int height) {
    static IconCache cache;
    if (width <= 0 || height <= 0)
        return nullptr;
    return cache.Get(width, height);
}

void SetWindowIcons(HWND hwnd) {
    HICON small = ProgramIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    HICON big = ProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    if (small)
        ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    if (big)
        ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
}

}  // namespace platform::win32
