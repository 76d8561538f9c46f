// The settings file and its primitives: string, number and whole-section reads, string writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PrivateProfile.h"

namespace basINIFile {

inline constexpr std::string_view kFileName = "Vigilon.ini";
inline constexpr std::string_view kSection = "Setting";

// Built anew on every call: the platform decides the folder (Windows: beside the executable).
std::string SettingsFilePath();

// Creates the file, section or key as needed. True when the value reached the file; after a false,
// LastWriteError holds the system's reason.
bool WriteINIString(std::string_view section, std::string_view key, std::string_view value);
// Every key of section in one rewrite of the file: all reach it or none does (LastWriteError then).
bool WriteINIStrings(std::string_view section, const platform::profile::Entries& entries);
std::string LastWriteError();
// "" for a missing or empty key; values longer than 1023 bytes are cut.
std::string ReadINIString(std::string_view section, std::string_view key);
// The whole value as a number, rounded half to even; 0 when missing, not a number or out of range.
std::int32_t ReadINILong(std::string_view section, std::string_view key);
// Every key of the section with its value as ReadINIString gives it, values cut to bufferBytes - 1
// bytes; empty when the section is missing.
platform::profile::Entries ReadINISection(std::string_view section, std::size_t bufferBytes);
// The value's leading decimal number; 0 when there is none or it does not fit 16 bits.
std::int16_t ReadINIInteger(std::string_view section, std::string_view key);

// Text to a 32-bit integer: blanks around the number allowed, a fraction rounded half to even,
// an exponent allowed; nothing when anything else follows or the result leaves the 32-bit range.
std::optional<std::int32_t> ParseLong(std::string_view text);

}  // namespace basINIFile
