// The settings file through the system's private-profile functions (ANSI forms): the file is in the
// ANSI code page, as those functions write it; names and values are converted at this boundary.
// Saves do not use the profile write, which rewrites the file in place (a crash halfway loses it):
// ProfileCopy writes a complete new file beside it and puts it in the old one's place.
#include "platform/PrivateProfile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/ProfileCopy.h"
#include "platform/win32/TextConversion.h"

namespace platform::profile {

namespace {

using win32::AnsiFromUtf8;
using win32::Utf8FromAnsi;

// An ANSI form of the path. A folder name the ANSI code page cannot spell is replaced by its
// short (8.3) name, which is plain ASCII, when the volume keeps short names.
std::string AnsiPath(std::string_view utf8Path) {
    const std::wstring wide = win32::WideFromUtf8(utf8Path);
    BOOL lossy = FALSE;
    const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (n > 0 && !lossy)
        return AnsiFromUtf8(utf8Path);

    const std::size_t slash = wide.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        const std::wstring folder = wide.substr(0, slash);
        const DWORD shortCount = ::GetShortPathNameW(folder.c_str(), nullptr, 0);
        if (shortCount > 0) {
            std::vector<wchar_t> shortFolder(shortCount);
            if (::GetShortPathNameW(folder.c_str(), shortFolder.data(), shortCount) > 0) {
                return win32::MultiByteFromWide(std::wstring(shortFolder.data()) + wide.substr(slash), CP_ACP);
            }
        }
    }
    return AnsiFromUtf8(utf8Path);
}

// The system's description of an error code, in the user's language, without the trailing line break.
std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n > 0 && text ? std::wstring(text, n) : std::wstring();
    if (text)
        ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    if (message.empty())
        message = L"error " + std::to_wstring(code);
    return win32::Utf8FromWide(message);
}

// The profile write, one key after the other: where no copy can be made beside the file.
bool WriteInPlace(std::string_view path, std::string_view section, const Entries& entries, std::string* error) {
    const std::string ansiPath = AnsiPath(path);
    for (const auto& [key, value] : entries) {
        if (::WritePrivateProfileStringA(AnsiFromUtf8(section).c_str(), AnsiFromUtf8(key).c_str(),
                                         AnsiFromUtf8(value).c_str(), ansiPath.c_str()) == FALSE) {
            if (error)
                *error = SystemMessage(::GetLastError());
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ReadString(std::string_view path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view defaultValue,
                       std::size_t bufferBytes) {
    // The first read of a file at start-up also clears away what interrupted saves left beside it.
    static std::string cleaned;
    if (cleaned != path) {
        cleaned = std::string(path);
        win32::RemoveInterruptedCopies(path);
    }
    if (bufferBytes == 0)
        return {};
    const DWORD size = bufferBytes > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(bufferBytes);
    std::vector<char> buffer(size, '\0');
    const DWORD n =
        ::GetPrivateProfileStringA(AnsiFromUtf8(section).c_str(), AnsiFromUtf8(key).c_str(),
                                   AnsiFromUtf8(defaultValue).c_str(), buffer.data(), size, AnsiPath(path).c_str());
    // The text ends at its first NUL, whatever length the function reports.
    const std::size_t length = ::strnlen(buffer.data(), n < size ? n : size);
    return Utf8FromAnsi(std::string_view(buffer.data(), length));
}

std::int32_t ReadInt(std::string_view path, std::string_view section, std::string_view key, std::int32_t defaultValue) {
    const UINT value = ::GetPrivateProfileIntA(AnsiFromUtf8(section).c_str(), AnsiFromUtf8(key).c_str(), defaultValue,
                                               AnsiPath(path).c_str());
    return static_cast<std::int32_t>(value);
}

// The key names come from the profile read without a key, which lists them NUL-separated; each value
// is then read by its name, so it follows ReadString's rules exactly.
Entries ReadSection(std::string_view path, std::string_view section, std::size_t bufferBytes) {
    const std::string ansiSection = AnsiFromUtf8(section);
    const std::string ansiPath = AnsiPath(path);
    std::vector<char> names(1024);
    for (;;) {
        const DWORD size = static_cast<DWORD>(names.size());
        const DWORD n =
            ::GetPrivateProfileStringA(ansiSection.c_str(), nullptr, "", names.data(), size, ansiPath.c_str());
        // A list that did not fit comes back cut, with a length of size - 2.
        if (n + 2 < size || names.size() >= (1u << 24))
            break;
        names.assign(names.size() * 2, '\0');
    }
    Entries entries;
    const char* const end = names.data() + names.size();
    for (const char* name = names.data(); name < end && *name != '\0'; name += std::strlen(name) + 1) {
        const std::string key = Utf8FromAnsi(name);
        const bool seen = std::any_of(entries.begin(), entries.end(), [&key](const auto& entry) {
            return ::lstrcmpiA(AnsiFromUtf8(entry.first).c_str(), AnsiFromUtf8(key).c_str()) == 0;
        });
        if (!seen)
            entries.emplace_back(key, ReadString(path, section, key, "", bufferBytes));
    }
    return entries;
}

bool WriteString(std::string_view path,
                 std::string_view section,
                 std::string_view key,
                 std::string_view value,
                 std::string* error) {
    return WriteStrings(path, section, {{std::string(key), std::string(value)}}, error);
}

bool WriteStrings(std::string_view path, std::string_view section, const Entries& entries, std::string* error) {
    const win32::CopyOutcome outcome = win32::WriteProfileCopy(path, section, entries);
    if (outcome.result == win32::CopyResult::Written)
        return true;
    if (outcome.result == win32::CopyResult::NoCopyPossible)
        return WriteInPlace(path, section, entries, error);
    if (error)
        *error = outcome.notAFile ? std::string("通常のファイルではありません (パイプ、デバイスなど)")
                                  : SystemMessage(outcome.code);
    return false;
}

}  // namespace platform::profile
