// Names, version record, adapters and registry values on Windows.
#include "platform/win32/SystemInformation.h"

#include <iphlpapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/TextConversion.h"

namespace platform::win32 {

namespace {

#if !defined(_WIN64)
// The record of the IP Helper library's ANSI interface, as 32-bit programs have always read it.
static_assert(sizeof(IP_ADAPTER_INFO) == 640);
#endif

template <std::size_t N, std::size_t M>
void CopyField(std::array<char, N>& to, const char (&from)[M]) {
    static_assert(N == M);
    std::memcpy(to.data(), from, N);
}

AdapterRecord RecordOf(const IP_ADAPTER_INFO& a) {
    AdapterRecord r;
    CopyField(r.description, a.Description);
    r.addressLength = a.AddressLength;
    static_assert(sizeof a.Address == 8);
    std::memcpy(r.address.data(), a.Address, sizeof a.Address);
    CopyField(r.ipAddress, a.IpAddressList.IpAddress.String);
    CopyField(r.ipMask, a.IpAddressList.IpMask.String);
    CopyField(r.gateway, a.GatewayList.IpAddress.String);
    return r;
}

// Text before the first NUL of a buffer the system filled, from the ANSI code page.
std::string AnsiBufferText(const char* data, std::size_t size) {
    const std::string_view bytes(data, size);
    return Utf8FromAnsi(bytes.substr(0, bytes.find('\0')));
}

class RegistryKey {
public:
    explicit RegistryKey(std::string_view path) {
        REGSAM access = KEY_QUERY_VALUE;
#if defined(_WIN64)
        // The products whose values are read are 32-bit; 32-bit builds see that view already.
        access |= KEY_WOW64_32KEY;
#endif
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, AnsiFromUtf8(path).c_str(), 0, access, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~RegistryKey() {
        if (key_)
            ::RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // The value's type and bytes; nothing when it cannot be read.
    std::optional<std::pair<DWORD, std::vector<char>>> Query(std::string_view name) const {
        if (!key_)
            return std::nullopt;
        const std::string ansiName = AnsiFromUtf8(name);
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = 0;
            DWORD size = 0;
            if (::RegQueryValueExA(key_, ansiName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                return std::nullopt;
            std::vector<char> data(size + 1, '\0');
            DWORD got = size;
            const LONG rc =
                ::RegQueryValueExA(key_, ansiName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
            if (rc == ERROR_MORE_DATA)
                continue;  // the value grew between the two calls
            if (rc != ERROR_SUCCESS)
                return std::nullopt;
            data.resize(got);
            return std::make_pair(type, std::move(data));
        }
        return std::nullopt;
    }

private:
    HKEY key_ = nullptr;
};

// RtlGetVersion answers the system's true version whatever compatibility the program declares; it
// is in every ntdll from Windows 2000 on, looked up at run time like the program's other newer calls.
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);

bool TrueVersion(OSVERSIONINFOEXW& info) {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    if (!ntdll)
        return false;
    const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void (*)()>(::GetProcAddress(ntdll, "RtlGetVersion")));
    info = OSVERSIONINFOEXW{};
    info.dwOSVersionInfoSize = sizeof info;
    return rtlGetVersion && rtlGetVersion(&info) == 0;  // STATUS_SUCCESS
}

// Text before the first NUL of a wide buffer the system filled.
template <std::size_t N>
std::string WideBufferText(const wchar_t (&data)[N]) {
    const std::wstring_view text(data, N);
    return Utf8FromWide(text.substr(0, text.find(L'\0')));
}

}  // namespace

std::string QueryComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!::GetComputerNameA(name, &size))
        return {};
    return AnsiBufferText(name, sizeof name);
}

std::string QueryUserName() {
    char name[257] = {};  // UNLEN + 1
    DWORD size = sizeof name;
    if (!::GetUserNameA(name, &size))
        return {};
    return AnsiBufferText(name, sizeof name);
}

VersionRecord QueryVersionRecord() {
    VersionRecord v;
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof extended;
    v.extended = ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)) != FALSE;
    OSVERSIONINFOA plain{};
    plain.dwOSVersionInfoSize = sizeof plain;
    if (!::GetVersionExA(&plain))
        return {};
    v.ok = true;
    v.platformId = plain.dwPlatformId;
    v.major = plain.dwMajorVersion;
    v.minor = plain.dwMinorVersion;
    v.build = plain.dwBuildNumber;
    v.servicePack = AnsiBufferText(plain.szCSDVersion, sizeof plain.szCSDVersion);
    if (v.extended) {
        v.productType = extended.wProductType;
        v.suiteMask = extended.wSuiteMask;
    }
    // From Vista on GetVersionEx answers what the manifest declares (6.2 without a declaration of
    // 8.1 or 10); the NT family's true version, build and edition come from ntdll.
    OSVERSIONINFOEXW truth;
    if (v.platformId == VER_PLATFORM_WIN32_NT && v.major >= 6 && TrueVersion(truth)) {
        v.extended = true;
        v.major = truth.dwMajorVersion;
        v.minor = truth.dwMinorVersion;
        v.build = truth.dwBuildNumber;
        v.servicePack = WideBufferText(truth.szCSDVersion);
        v.productType = truth.wProductType;
        v.suiteMask = truth.wSuiteMask;
    }
    return v;
}

AdapterQuery QueryAdapters() {
    AdapterQuery query;
    BYTE probe = 0;
    ULONG size = 0;
    query.sizeQueryCode = ::GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(&probe), &size);
    if (query.sizeQueryCode != ERROR_BUFFER_OVERFLOW)
        return query;
    std::vector<IP_ADAPTER_INFO> copies;
    {
        // Whole records, so every record in the buffer is aligned; one byte more than asked for.
        std::vector<IP_ADAPTER_INFO> buffer(size / sizeof(IP_ADAPTER_INFO) + 1);
        if (::GetAdaptersInfo(buffer.data(), &size) != NO_ERROR)
            return query;
        const auto* begin = reinterpret_cast<const BYTE*>(buffer.data());
        const auto* end = begin + buffer.size() * sizeof(IP_ADAPTER_INFO);
        for (const IP_ADAPTER_INFO* a = buffer.data(); a; a = a->Next) {
            // A link outside the buffer would be the system's error; the list ends there.
            const auto* at = reinterpret_cast<const BYTE*>(a);
            if (at < begin || at + sizeof(IP_ADAPTER_INFO) > end || copies.size() >= buffer.size())
                break;
            copies.push_back(*a);
        }
    }
    query.listed = true;
    for (const IP_ADAPTER_INFO& a : copies)
        query.adapters.push_back(RecordOf(a));
    return query;
}

std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view value) {
    const auto read = RegistryKey(key).Query(value);
    if (!read || (read->first != REG_SZ && read->first != REG_EXPAND_SZ && read->first != REG_MULTI_SZ))
        return std::nullopt;
    return AnsiBufferText(read->second.data(), read->second.size());
}

std::optional<std::uint32_t> ReadRegistryDword(std::string_view key, std::string_view value) {
    const auto read = RegistryKey(key).Query(value);
    if (!read || read->first != REG_DWORD || read->second.size() != sizeof(DWORD))
        return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, read->second.data(), sizeof number);
    return number;
}

}  // namespace platform::win32
