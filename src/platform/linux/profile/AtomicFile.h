// Bounded whole-file reads and crash-safe whole-file replacement for the settings file.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The largest file a whole-file read takes; a settings file is a few hundred bytes.
inline constexpr std::size_t kMaxReadBytes = 4 * 1024 * 1024;

// What tells one version of a file from the next without reading it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at path (links followed); nullopt for anything else.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// The bytes of the regular file at path, or nullopt when it is missing, not a regular file (a folder,
// a FIFO, a device), unreadable or larger than maxBytes. Never blocks on what it opens. identity, when
// given, receives the identity of the file that was read.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         FileIdentity* identity = nullptr,
                                         std::size_t maxBytes = kMaxReadBytes);

// Replaces the contents of a regular file (or creates it): writes a temporary file in the same folder,
// syncs it and renames it over the old one, so a crash leaves either the old or the new file. Missing
// parent folders are created. A symbolic link stays a link: the file it leads to is written (created
// when the link dangles). When the folder refuses new files but the file itself is writable, the file
// is rewritten in place, with its new size reserved first. False, with the old file whole, when
// nothing was written: the path leads to something other than a regular file, the file has no write
// permission (a read-only file is refused even for root, as Windows refuses it), the disk is full or
// the file-size limit is too small. No temporary file is left behind.
// errno tells why when the answer is false.
bool ReplaceFile(const std::string& path, std::string_view contents);

// Removes the temporary files that saves of path killed halfway left beside it: ours, named as
// ReplaceFile names them, and held by no save still running.
void RemoveInterruptedWrites(const std::string& path);

}  // namespace platform::posix
