// The settings file on Linux: our own private-profile functions with the Windows rules (ProfileText)
// over a file that is replaced atomically on every write (AtomicFile). The file may sit on a mount that
// stops answering, so every look at it runs on a worker thread (TimedQueries) that the caller waits for
// at most kDriveAnswerMs; a file that does not answer reads as unreadable, and fails at once until the
// stalled look has come back. The parsed file is kept while it is unchanged, so the settings load parses
// it once per change.
#include "platform/PrivateProfile.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/Platform.h"
#include "platform/ProfileText.h"
#include "platform/linux/profile/AtomicFile.h"
#include "platform/linux/readings/TimedQueries.h"

namespace platform::profile {

namespace {

struct ParsedFile {
    std::string path;
    posix::FileIdentity identity;
    std::shared_ptr<const profile::ProfileIndex> index;
};

// What a look at the file found, filled in on the worker thread.
struct Look {
    ParsedFile file;  // index null: missing or unreadable
};

struct Saved {
    bool ok = false;
    std::string error;
};

std::mutex cacheMutex;  // held while waiting for the worker; the worker's tasks never take it
ParsedFile cache;
std::string cleanedFolderOf;  // the file whose folder was cleared of interrupted saves

posix::TimedQueries& FileLooks() {
    static posix::TimedQueries looks(std::chrono::milliseconds(kDriveAnswerMs), std::strerror(ETIMEDOUT));
    return looks;
}

// Runs task on the worker and waits for it within the limit; false when it did not answer in time.
template <typename Task>
bool Within(const std::string& path, Task task) {
    return FileLooks()
        .Run(path,
             [task = std::move(task)] {
                 task();
                 DriveSpace done;
                 done.ok = true;
                 return done;
             })
        .ok;
}

// Worker side: the file's parse, reusing known while the file is unchanged.
void LookAt(const ParsedFile& known, bool clean, Look& out) {
    out.file.path = known.path;
    if (clean)
        posix::RemoveInterruptedWrites(known.path);
    const std::optional<posix::FileIdentity> now = posix::IdentityOf(known.path);
    if (!now)
        return;
    if (known.index && known.identity == *now) {
        out.file = known;
        return;
    }
    posix::FileIdentity identity;
    const std::optional<std::string> bytes = posix::ReadWholeFile(known.path, &identity);
    if (!bytes)
        return;
    out.file.identity = identity;
    out.file.index = std::make_shared<const profile::ProfileIndex>(profile::DecodeProfileText(*bytes).text);
}

// The parsed file at path; null when it cannot be read in time (which reads as a missing file).
std::shared_ptr<const profile::ProfileIndex> Parsed(const std::string& path) {
    const std::lock_guard lock(cacheMutex);
    ParsedFile known = cache.path == path ? cache : ParsedFile{path, {}, nullptr};
    // The first look at a file also clears away what interrupted saves left beside it.
    const bool clean = cleanedFolderOf != path;
    auto look = std::make_shared<Look>();
    if (!Within(path, [known, clean, look] { LookAt(known, clean, *look); }))
        return nullptr;
    cleanedFolderOf = path;
    cache = look->file;
    return cache.index;
}

std::optional<std::string> Lookup(std::string_view path, std::string_view section, std::string_view key) {
    const std::shared_ptr<const profile::ProfileIndex> index = Parsed(std::string(path));
    if (!index)
        return std::nullopt;
    return index->Find(section, key);
}

std::string Cut(const std::optional<std::string>& value, std::string_view defaultValue, std::size_t bufferBytes) {
    return profile::CutToBuffer(value ? std::string_view(*value) : profile::TrimDefault(defaultValue), bufferBytes);
}

// Worker side: the whole save, from the checks to the rename.
Saved SaveNow(const std::string& file, std::string_view section, const Entries& entries) {
    Saved out;
    const auto refuse = [&out](int code) {
        out.error = std::strerror(code);
        return out;
    };
    // Named refusals first, so the user reads why; ReplaceFile refuses the same cases on its own.
    struct stat st {};
    const bool exists = ::stat(file.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return refuse(errno);
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return refuse(EISDIR);
        if (!S_ISREG(st.st_mode)) {
            out.error = "通常のファイルではありません (FIFO、デバイスなど)";
            return out;
        }
        if ((st.st_mode & 0222) == 0)
            return refuse(EACCES);
        if (static_cast<std::uint64_t>(st.st_size) > posix::kMaxReadBytes)
            return refuse(EFBIG);
    }
    profile::ProfileText text;
    if (exists) {
        // A file that exists but cannot be read must not be replaced.
        errno = 0;
        const std::optional<std::string> bytes = posix::ReadWholeFile(file);
        if (!bytes)
            return refuse(errno != 0 ? errno : EIO);
        text = profile::DecodeProfileText(*bytes);
    }
    for (const auto& [key, value] : entries)
        text.text = profile::SetProfileValue(text.text, section, key, value);
    errno = 0;
    if (!posix::ReplaceFile(file, profile::EncodeProfileText(text.text, text.encoding)))
        return refuse(errno != 0 ? errno : EIO);
    out.ok = true;
    return out;
}

}  // namespace

std::string ReadString(std::string_view path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view defaultValue,
                       std::size_t bufferBytes) {
    return Cut(Lookup(path, section, key), defaultValue, bufferBytes);
}

Entries ReadSection(std::string_view path, std::string_view section, std::size_t bufferBytes) {
    const std::shared_ptr<const profile::ProfileIndex> index = Parsed(std::string(path));
    if (!index)
        return {};
    Entries entries = index->Keys(section);
    for (auto& [key, value] : entries)
        value = profile::CutToBuffer(value, bufferBytes);
    return entries;
}

// As the Windows function does, an empty value reads as a missing one and gives the default.
std::int32_t ReadInt(std::string_view path, std::string_view section, std::string_view key, std::int32_t defaultValue) {
    const std::optional<std::string> value = Lookup(path, section, key);
    if (!value || value->empty())
        return defaultValue;
    return profile::LeadingInt(*value);
}

bool WriteString(std::string_view path,
                 std::string_view section,
                 std::string_view key,
                 std::string_view value,
                 std::string* error) {
    return WriteStrings(path, section, {{std::string(key), std::string(value)}}, error);
}

bool WriteStrings(std::string_view path, std::string_view section, const Entries& entries, std::string* error) {
    const auto fail = [error](std::string reason) {
        if (error)
            *error = std::move(reason);
        return false;
    };
    if (path.empty())
        return fail(std::strerror(EINVAL));
    for (const auto& [key, value] : entries) {
        if (!profile::IsWritableEntry(section, key, value))
            return fail(std::strerror(EINVAL));
    }
    const std::string file(path);
    const std::lock_guard lock(cacheMutex);
    if (cache.path == file)
        cache = {};
    auto saved = std::make_shared<Saved>();
    if (!Within(file,
                [file, section = std::string(section), entries, saved] { *saved = SaveNow(file, section, entries); })) {
        // The save goes on on its own; it leaves either the old file or the new one.
        return fail(std::strerror(ETIMEDOUT));
    }
    return saved->ok ? true : fail(saved->error);
}

}  // namespace platform::profile
