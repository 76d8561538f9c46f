// Functions newer than Windows XP, looked up at run time so the program's import table names
// nothing the oldest system it runs on lacks.
#pragma once

#include <windows.h>

namespace platform::win32 {

// The library of this name from the system folder (never a copy beside the program), loaded on
// first use and kept for the life of the process; nullptr where the system has none.
HMODULE SystemLibrary(const wchar_t* name);

// An export of a system library, as the function type the caller gives; nullptr where the library
// or the export is missing.
template <class Fn>
Fn SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = SystemLibrary(library);
    if (!module)
        return nullptr;
    // The cast through void(*)() keeps the conversion from FARPROC free of warnings.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

}  // namespace platform::win32
