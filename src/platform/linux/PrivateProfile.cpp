// The settings file on Linux: our own private-profile functions with the Windows rules (ProfileText)
// over a UTF-8 file that is replaced atomically on every write (AtomicFile).
#include "platform/PrivateProfile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
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

bool WriteString(std::string_view path,
                 std::string_view section,
                 std::string_view key,
                 std::string_view value,
                 std::string* error) {
    const auto refuse = [error](int code) {
        if (error)
            *error = std::strerror(code);
        return false;
    };
    if (path.empty() || !posix::IsWritableEntry(section, key, value))
        return refuse(EINVAL);
    const std::string file(path);
    // A file without any write permission is read-only, as Windows' read-only attribute is even to
    // an administrator: it is not replaced, whoever runs the program.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return refuse(EISDIR);
        if (S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0)
            return refuse(EACCES);
    }
    std::optional<std::string> text = posix::ReadWholeFile(file);
    if (!text) {
        // Only a missing file starts empty; one that exists but cannot be read must not be replaced.
        const int readError = errno;
        std::error_code ec;
        if (std::filesystem::exists(file, ec) || ec)
            return refuse(readError != 0 ? readError : EIO);
        text.emplace();
    }
    errno = 0;
    if (posix::ReplaceFile(file, posix::SetProfileValue(*text, section, key, value)))
        return true;
    return refuse(errno != 0 ? errno : EIO);
}

}  // namespace platform::profile
