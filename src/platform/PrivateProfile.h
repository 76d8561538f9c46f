// Private-profile (INI) access with the Windows semantics. The win32 backend calls the system
// functions; the linux backend has its own implementation of the same rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::profile {

// The value of key in section, or defaultValue when the file, section or key is missing.
// At most bufferBytes - 1 bytes come back (the Windows buffer cut), in UTF-8.
std::string ReadString(std::string_view path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view defaultValue,
                       std::size_t bufferBytes);

// The leading, optionally signed decimal number of the value; what follows it is ignored.
// defaultValue when the key is missing; 0 when the value does not begin with a number.
std::int32_t ReadInt(std::string_view path, std::string_view section, std::string_view key, std::int32_t defaultValue);

// Creates the file, section or key as needed; false when the file could not be written, with the
// system's reason in *error when error is given.
bool WriteString(std::string_view path,
                 std::string_view section,
                 std::string_view key,
                 std::string_view value,
                 std::string* error = nullptr);

}  // namespace platform::profile
