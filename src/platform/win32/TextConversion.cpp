// UTF-8, UTF-16 and code-page conversions over MultiByteToWideChar and WideCharToMultiByte.
#include "platform/win32/TextConversion.h"

#include <climits>

namespace platform::win32 {

namespace {

// The conversion functions take int lengths; longer texts do not occur in this program, so they
// are cut rather than overflowing the length argument.
int ClampedLength(std::size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

}  // namespace

std::wstring WideFromMultiByte(std::string_view bytes, UINT codePage) {
    if (bytes.empty())
        return {};
    const int n = ClampedLength(bytes.size());
    const int wideCount = ::MultiByteToWideChar(codePage, 0, bytes.data(), n, nullptr, 0);
    if (wideCount <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wideCount), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), n, wide.data(), wideCount);
    return wide;
}

std::string MultiByteFromWide(std::wstring_view wide, UINT codePage) {
    if (wide.empty())
        return {};
    const int n = ClampedLength(wide.size());
    const int byteCount = ::WideCharToMultiByte(codePage, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    if (byteCount <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(byteCount), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), n, bytes.data(), byteCount, nullptr, nullptr);
    return bytes;
}

std::wstring WideFromUtf8(std::string_view utf8) {
    return WideFromMultiByte(utf8, CP_UTF8);
}

std::string Utf8FromWide(std::wstring_view wide) {
    return MultiByteFromWide(wide, CP_UTF8);
}

std::string MultiByteFromUtf8(std::string_view utf8, UINT codePage) {
    return MultiByteFromWide(WideFromUtf8(utf8), codePage);
}

std::string Utf8FromMultiByte(std::string_view bytes, UINT codePage) {
    return Utf8FromWide(WideFromMultiByte(bytes, codePage));
}

}  // namespace platform::win32
