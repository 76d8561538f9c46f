// Registry reads with advapi32 and program starts with CreateProcess.
#include "platform/win32/SysInfoTool.h"

#include <vector>

namespace platform::win32 {

namespace {

constexpr DWORD kValueChars = 1024;

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring HexDigits(DWORD value) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

// A path stored with quotes round it names the same file.
std::wstring Unquoted(std::wstring path) {
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        return path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

bool GetKeyValue(HKEY KeyRoot, const std::wstring& KeyName, const std::wstring& SubKeyRef, std::wstring& KeyVal) {
    HKEY key = nullptr;
    // Reading needs no more than KEY_READ; asking for write rights fails for ordinary users on
    // HKEY_LOCAL_MACHINE.
    if (::RegOpenKeyExW(KeyRoot, KeyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::vector<wchar_t> buffer(kValueChars, L'\0');
    DWORD type = 0;
    DWORD bytes = kValueChars * sizeof(wchar_t);
    const LONG status =
        ::RegQueryValueExW(key, SubKeyRef.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    if (type == REG_SZ) {
        std::wstring text(buffer.data(), bytes / sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0')
            text.pop_back();
        KeyVal = text;
    } else if (type == REG_DWORD && bytes >= sizeof(DWORD)) {
        DWORD value = 0;
        ::CopyMemory(&value, buffer.data(), sizeof value);
        KeyVal = L"&h" + HexDigits(value);
    }
    return true;
}

std::optional<std::wstring> FindSysInfoTool(HKEY root) {
    std::wstring value;
    if (GetKeyValue(root, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", value))
        return Unquoted(value);
    if (GetKeyValue(root, L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", value)) {
        const std::wstring candidate = Unquoted(value) + L"\\MSINFO32.EXE";
        if (FileExists(candidate))
            return candidate;
    }
    return std::nullopt;
}

bool RunCommandLine(const wchar_t* application, std::wstring commandLine, int showCommand) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(application, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool StartProgramAt(std::wstring_view path, int showCommand) {
    if (path.empty())
        return false;
    const std::wstring application(path);
    // The program's own name, quoted, as its first argument: paths often hold blanks.
    return RunCommandLine(application.c_str(), L"\"" + application + L"\"", showCommand);
}

std::wstring ReadmeBeside(std::wstring_view exePath) {
    const std::size_t slash = exePath.find_last_of(L'\\');
    const std::wstring folder(slash == std::wstring_view::npos ? std::wstring_view() : exePath.substr(0, slash));
    const std::wstring beside = folder + L"\\README.txt";
    if (FileExists(beside))
        return beside;
    const std::size_t up = folder.find_last_of(L'\\');
    if (up != std::wstring::npos) {
        const std::wstring above = folder.substr(0, up) + L"\\README.txt";
        if (FileExists(above))
            return above;
    }
    return {};
}

}  // namespace platform::win32
