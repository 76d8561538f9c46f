// Private-profile (INI) access with the Windows semantics. The win32 backend calls the system
// functions; the linux backend has its own implementation of the same rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

using Entries = std::vector<std::pair<std::string, std::string>>;

// Every key of section, in the file's order and spelling, with its value as ReadString gives it (at
// most bufferBytes - 1 bytes); a key that is there twice counts once, with the value ReadString finds.
// Empty when the file or section is missing.
Entries ReadSection(std::string_view path, std::string_view section, std::size_t bufferBytes);

// Creates the file, section or key as needed; false when the file could not be written, with the
// system's reason in *error when error is given.
bool WriteString(std::string_view path,
                 std::string_view section,
                 std::string_view key,
                 std::string_view value,
                 std::string* error = nullptr);

// Sets every key of section to its value in one rewrite of the file: either all of them are written or
// none is (and the old file stays whole). Lines of other keys keep every byte. False, with the reason in
// *error, when nothing was written.
bool WriteStrings(std::string_view path,
                  std::string_view section,
                  const Entries& entries,
                  std::string* error = nullptr);

}  // namespace platform::profile
