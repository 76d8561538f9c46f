// Settings file primitives over the platform's private-profile functions.
#include "core/basINIFile.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/Platform.h"
#include "platform/PrivateProfile.h"

namespace basINIFile {

namespace {
constexpr std::size_t kBufferBytes = 1024;
std::string lastWriteError;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}
}  // namespace

std::string SettingsFilePath() {
    return platform::SettingsFile().SettingsFilePath(kFileName);
}

bool WriteINIString(std::string_view section, std::string_view key, std::string_view value) {
    lastWriteError.clear();
    return platform::profile::WriteString(SettingsFilePath(), section, key, value, &lastWriteError);
}

bool WriteINIStrings(std::string_view section, const platform::profile::Entries& entries) {
    lastWriteError.clear();
    return platform::profile::WriteStrings(SettingsFilePath(), section, entries, &lastWriteError);
}

std::string LastWriteError() {
    return lastWriteError;
}

std::string ReadINIString(std::string_view section, std::string_view key) {
    std::string text = platform::profile::ReadString(SettingsFilePath(), section, key, "", kBufferBytes);
    if (const auto nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

platform::profile::Entries ReadINISection(std::string_view section, std::size_t bufferBytes) {
    platform::profile::Entries entries = platform::profile::ReadSection(SettingsFilePath(), section, bufferBytes);
    for (auto& [key, value] : entries) {
        if (const auto nul = value.find('\0'); nul != std::string::npos)
            value.resize(nul);
    }
    return entries;
}

std::int32_t ReadINILong(std::string_view section, std::string_view key) {
    return ParseLong(ReadINIString(section, key)).value_or(0);
}

std::int16_t ReadINIInteger(std::string_view section, std::string_view key) {
    const std::int32_t v = platform::profile::ReadInt(SettingsFilePath(), section, key, 0);
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(v);
}

std::optional<std::int32_t> ParseLong(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars takes no sign and no leading blank, so only digits or a point may start the number.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    // The default rounding mode rounds half to even.
    const double rounded = std::nearbyint(negative ? -value : value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace basINIFile
