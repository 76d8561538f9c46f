// The settings file's new contents made with the profile rules of ProfileText, written to a copy
// named "<file>.<8 hex digits>.new" beside it and moved over it.
#include "platform/win32/ProfileCopy.h"

#include <cstdint>
#include <string>

#include "platform/ProfileText.h"
#include "platform/win32/TextConversion.h"

namespace platform::win32 {

namespace {

constexpr std::uint64_t kMaxFileBytes = 4 * 1024 * 1024;

using ReplaceFileFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID);
using MoveFileExFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);

// Looked up at run time: Windows 95, 98 and ME have neither.
template <typename Fn>
Fn Kernel32(const char* name) {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(kernel, name))) : nullptr;
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return h_; }
    void Reset(HANDLE h) {
        if (h_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(h_);
        h_ = h;
    }
    bool Close() {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(h) != FALSE;
    }

private:
    HANDLE h_;
};

CopyOutcome Refused(DWORD code) {
    CopyOutcome out;
    out.code = code;
    return out;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The old file's bytes; false with out filled when it must not be replaced. A missing file is empty.
bool ReadOld(const std::wstring& path, std::string& bytes, bool& exists, CopyOutcome& out) {
    exists = false;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_NOT_FOUND)
            return true;
        out = Refused(code);
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        out = Refused(ERROR_ACCESS_DENIED);  // as the profile write refuses them
        return false;
    }
    const Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        out = Refused(::GetLastError());
        return false;
    }
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        out = Refused(ERROR_INVALID_PARAMETER);
        out.notAFile = true;
        return false;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) {
        out = Refused(::GetLastError());
        return false;
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > kMaxFileBytes) {
        out = Refused(ERROR_FILE_TOO_LARGE);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!::ReadFile(file.Get(), &bytes[got], static_cast<DWORD>(bytes.size() - got), &n, nullptr)) {
            out = Refused(::GetLastError());
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    exists = true;
    return true;
}

// The file's new bytes: the entries set with the profile rules in the file's own encoding.
std::string NewContents(const std::string& old, std::string_view section, const platform::profile::Entries& entries) {
    profile::ProfileText text = profile::DecodeProfileText(old);
    // UTF-16 files decode to UTF-8; others are ANSI bytes, so the names and values go in as ANSI.
    const bool ansi = text.encoding == profile::ProfileEncoding::Bytes;
    const auto in = [ansi](std::string_view utf8) { return ansi ? AnsiFromUtf8(utf8) : std::string(utf8); };
    for (const auto& [key, value] : entries)
        text.text = profile::SetProfileValue(text.text, in(section), in(key), in(value));
    return profile::EncodeProfileText(text.text, text.encoding);
}

bool IsCopyName(std::wstring_view name, std::wstring_view file) {
    // "<file>.XXXXXXXX.new"
    if (name.size() != file.size() + 13 || name.substr(0, file.size()) != file || name[file.size()] != L'.')
        return false;
    if (name.substr(file.size() + 9) != L".new")
        return false;
    for (const wchar_t c : name.substr(file.size() + 1, 8)) {
        if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f')))
            return false;
    }
    return true;
}

}  // namespace

CopyOutcome WriteProfileCopy(std::string_view path,
                             std::string_view section,
                             const platform::profile::Entries& entries) {
    for (const auto& [key, value] : entries) {
        if (!profile::IsWritableEntry(section, key, value))
            return Refused(ERROR_INVALID_PARAMETER);
    }
    const auto replaceFile = Kernel32<ReplaceFileFn>("ReplaceFileW");
    const auto moveFileEx = Kernel32<MoveFileExFn>("MoveFileExW");
    if (!moveFileEx) {
        CopyOutcome out;
        out.result = CopyResult::NoCopyPossible;
        return out;
    }
    const std::wstring target = WideFromUtf8(path);
    std::string old;
    bool exists = false;
    CopyOutcome out;
    if (!ReadOld(target, old, exists, out))
        return out;
    const std::string contents = NewContents(old, section, entries);

    // A new name no other save uses; opened without sharing, so a clean-up cannot take it meanwhile.
    std::wstring copy;
    Handle file(INVALID_HANDLE_VALUE);
    for (int attempt = 0; attempt < 16 && file.Get() == INVALID_HANDLE_VALUE; ++attempt) {
        wchar_t tag[9];
        const DWORD seed =
            ::GetTickCount() ^ (::GetCurrentProcessId() << 16) ^ static_cast<DWORD>(attempt * 0x9E3779B9u);
        ::wsprintfW(tag, L"%08x", seed);
        copy = target + L"." + tag + L".new";
        file.Reset(::CreateFileW(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Get() == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file.Get() == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_ACCESS_DENIED && exists) {
            out.result = CopyResult::NoCopyPossible;  // the folder takes no new file; the file may be writable
            return out;
        }
        return Refused(code);
    }
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < contents.size()) {
        DWORD n = 0;
        ok = ::WriteFile(file.Get(), contents.data() + done, static_cast<DWORD>(contents.size() - done), &n, nullptr) !=
             FALSE;
        done += n;
    }
    ok = ok && ::FlushFileBuffers(file.Get()) != FALSE;
    DWORD code = ok ? ERROR_SUCCESS : ::GetLastError();
    ok = file.Close() && ok;
    // ReplaceFileW keeps the old file's attributes and security; where it fails, a plain move.
    if (ok) {
        const bool replaced =
            exists && replaceFile &&
            replaceFile(target.c_str(), copy.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr) != FALSE;
        ok = replaced ||
             moveFileEx(copy.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    }
    if (ok) {
        out.result = CopyResult::Written;
        return out;
    }
    if (code == ERROR_SUCCESS)
        code = ::GetLastError();
    ::DeleteFileW(copy.c_str());
    return Refused(code);
}

void RemoveInterruptedCopies(std::string_view path) {
    const std::wstring target = WideFromUtf8(path);
    const std::wstring folder = FolderOf(target);
    const std::wstring name = NameOf(target);
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\" + name + L".*.new").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // A save in progress holds its copy without sharing, so deleting it fails.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsCopyName(found.cFileName, name))
            ::DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace platform::win32
