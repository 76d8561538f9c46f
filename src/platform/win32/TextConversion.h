// Text conversions at the Win32 boundary: the program's UTF-8 to and from the UTF-16 of the wide
// functions, and to and from a multi-byte code page (the ANSI code page of the profile functions).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform::win32 {

// Invalid UTF-8 sequences become U+FFFD; embedded NULs are kept.
std::wstring WideFromUtf8(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// Characters the code page lacks become its default character ('?').
std::string MultiByteFromWide(std::wstring_view wide, UINT codePage);
std::wstring WideFromMultiByte(std::string_view bytes, UINT codePage);
std::string MultiByteFromUtf8(std::string_view utf8, UINT codePage);
std::string Utf8FromMultiByte(std::string_view bytes, UINT codePage);

// The same with the system's ANSI code page (932 on Japanese Windows).
inline std::string AnsiFromUtf8(std::string_view utf8) {
    return MultiByteFromUtf8(utf8, CP_ACP);
}
inline std::string Utf8FromAnsi(std::string_view ansi) {
    return Utf8FromMultiByte(ansi, CP_ACP);
}

}  // namespace platform::win32
