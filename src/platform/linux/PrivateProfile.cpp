// The settings file on Linux: our own private-profile functions with the Windows rules (ProfileText)
// over a UTF-8 file that is replaced atomically on every write (AtomicFile).
#include "platform/PrivateProfile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/linux/AtomicFile.h"
#include "platform/linux/ProfileText.h"

namespace platform::profile {

namespace {

std::optional<std::string> Lookup(std::string_view path, std::string_view section, std::string_view key) {
    const std::optional<std::string> text = posix::ReadWholeFile(std::string(path));
    if (!text)
        return std::nullopt;
    return posix::FindProfileValue(*text, section, key);
}

}  // namespace

std::string ReadString(std::string_view path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view defaultValue,
                       std::size_t bufferBytes) {
    const std::optional<std::string> value = Lookup(path, section, key);
    return posix::CutToBuffer(value ? std::string_view(*value) : posix::TrimDefault(defaultValue), bufferBytes);
}

// As the Windows function does, an empty value reads as a missing one and gives the default.
std::int32_t ReadInt(std::string_view path, std::string_view section, std::string_view key, std::int32_t defaultValue) {
    const std::optional<std::string> value = Lookup(path, section, key);
    if (!value || value->empty())
        return defaultValue;
    return posix::LeadingInt(*value);
}

bool WriteString(std::string_view path, std::string_view section, std::string_view key, std::string_view value) {
    if (path.empty() || !posix::IsWritableEntry(section, key, value))
        return false;
    const std::string file(path);
    std::optional<std::string> text = posix::ReadWholeFile(file);
    if (!text) {
        // Only a missing file starts empty; one that exists but cannot be read must not be replaced.
        std::error_code ec;
        if (std::filesystem::exists(file, ec) || ec)
            return false;
        text.emplace();
    }
    return posix::ReplaceFile(file, posix::SetProfileValue(*text, section, key, value));
}

}  // namespace platform::profile
