// System libraries loaded by full path from the system folder.
#include "platform/win32/SystemLibrary.h"

#include <string>

namespace platform::win32 {

HMODULE SystemLibrary(const wchar_t* name) {
    // A library already in the process is used as it is; otherwise loaded by its full path, so a
    // planted copy in the program's folder or the current one is never picked up.
    if (HMODULE loaded = ::GetModuleHandleW(name))
        return loaded;
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return ::LoadLibraryW(path.c_str());
}

}  // namespace platform::win32
