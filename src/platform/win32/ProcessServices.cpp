// Message box, named mutex, version record and executable folder over kernel32 and user32.
#include "platform/win32/ProcessServices.h"

#include <set>
#include <vector>

#include "platform/win32/TextConversion.h"

namespace platform::win32 {

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version query expects the 148-byte ANSI record");

namespace {

UINT MessageBoxFlags(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return MB_OK | MB_ICONEXCLAMATION;
        case MessageIcon::Information:
            return MB_OK | MB_ICONINFORMATION;
        case MessageIcon::Critical:
            return MB_OK | MB_ICONERROR;
        case MessageIcon::None:
            break;
    }
    return MB_OK;
}

}  // namespace

void ShowOkMessageBox(HWND owner, std::string_view text, std::string_view caption, MessageIcon icon) {
    const std::wstring wideText = WideFromUtf8(text);
    const std::wstring wideCaption = WideFromUtf8(caption);
    ::MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), MessageBoxFlags(icon));
}

bool AcquireNamedMutex(std::string_view name) {
    // Names this process holds already: asking again (the bar is re-created at run time) passes.
    static std::set<std::wstring> held;
    const std::wstring wideName = WideFromUtf8(name);
    if (held.count(wideName) != 0)
        return true;
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, wideName.c_str());
    const DWORD error = ::GetLastError();
    if (!mutex)
        return true;
    if (error == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    // Deliberately never closed: the name stays taken until the process ends.
    held.insert(wideName);
    return true;
}

OsVersion QueryOsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ::GetVersionExA(&info);
    return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::wstring ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size())
            return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768)
            return std::wstring(buffer.data(), n);  // longer than any path
        buffer.resize(buffer.size() * 2);
    }
}

std::string FilePathBeside(std::wstring_view exePath, std::string_view fileName) {
    const std::size_t slash = exePath.find_last_of(L'\\');
    std::wstring_view folder = slash == std::wstring_view::npos ? std::wstring_view() : exePath.substr(0, slash);
    // A drive root keeps its separator ("C:\"), as the folder of a program is reported there.
    if (folder.size() == 2 && folder[1] == L':')
        folder = exePath.substr(0, slash + 1);
    return Utf8FromWide(folder) + "\\" + std::string(fileName);
}

}  // namespace platform::win32
