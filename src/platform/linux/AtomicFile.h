// Whole-file reads and crash-safe whole-file replacement for the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The file's bytes, or nullopt when it cannot be read (missing, a folder, no permission).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's contents: writes a temporary file in the same folder, syncs it and renames it
// over the old one, so a crash leaves either the old or the new file. Missing parent folders are
// created. When the folder refuses new files but the file itself is writable, the file is rewritten
// in place instead. A symbolic link is followed, so the link stays. False when nothing was written
// (no temporary file is left behind).
bool ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace platform::posix
