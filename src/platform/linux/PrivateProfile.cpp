// The settings file on Linux: our own private-profile functions with the Windows rules (ProfileText)
// over a file that is replaced atomically on every write (AtomicFile). The parsed file is kept while
// it is unchanged, so the settings load and the drive map's look-ups parse it once per change.
#include "platform/PrivateProfile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>

#include "platform/linux/AtomicFile.h"
#include "platform/linux/ProfileText.h"

namespace platform::profile {

namespace {

struct ParsedFile {
    std::string path;
    posix::FileIdentity identity;
    std::shared_ptr<const posix::ProfileIndex> index;
};

std::mutex cacheMutex;
ParsedFile cache;

// The parsed file at path; null when it cannot be read (which reads as a missing file).
std::shared_ptr<const posix::ProfileIndex> Parsed(const std::string& path) {
    const std::lock_guard lock(cacheMutex);
    const std::optional<posix::FileIdentity> now = posix::IdentityOf(path);
    if (!now)
        return nullptr;
    if (cache.index && cache.path == path && cache.identity == *now)
        return cache.index;
    posix::FileIdentity identity;
    const std::optional<std::string> bytes = posix::ReadWholeFile(path, &identity);
    if (!bytes)
        return nullptr;
    cache = {path, identity, std::make_shared<const posix::ProfileIndex>(posix::DecodeProfileText(*bytes).text)};
    return cache.index;
}

void Forget(const std::string& path) {
    const std::lock_guard lock(cacheMutex);
    if (cache.path == path)
        cache = {};
}

std::optional<std::string> Lookup(std::string_view path, std::string_view section, std::string_view key) {
    const std::shared_ptr<const posix::ProfileIndex> index = Parsed(std::string(path));
    if (!index)
        return std::nullopt;
    return index->Find(section, key);
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
    Forget(file);
    // Named refusals first, so the user reads why; ReplaceFile refuses the same cases on its own.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return refuse(EISDIR);
        if (S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0)
            return refuse(EACCES);
    }
    posix::ProfileText text;
    if (const std::optional<std::string> bytes = posix::ReadWholeFile(file)) {
        text = posix::DecodeProfileText(*bytes);
    } else {
        // Only a missing file starts empty; one that exists but cannot be read must not be replaced.
        const int readError = errno;
        std::error_code ec;
        if (std::filesystem::exists(file, ec) || ec)
            return refuse(readError != 0 ? readError : EIO);
    }
    const std::string updated = posix::SetProfileValue(text.text, section, key, value);
    errno = 0;
    if (posix::ReplaceFile(file, posix::EncodeProfileText(updated, text.encoding)))
        return true;
    return refuse(errno != 0 ? errno : EIO);
}

}  // namespace platform::profile
