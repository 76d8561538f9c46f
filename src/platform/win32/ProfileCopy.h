// Crash-safe saves of the settings file: the whole new file is written beside the old one, flushed,
// and put in its place with ReplaceFileW (or MoveFileExW), both asked to write through. A crash at any
// moment leaves the old file or the new one, never a cut one.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/PrivateProfile.h"

namespace platform::win32 {

enum class CopyResult {
    Written,
    Refused,        // nothing written: code (or notAFile) says why
    NoCopyPossible  // the folder takes no new file, or the system lacks the replace calls
};

struct CopyOutcome {
    CopyResult result = CopyResult::Refused;
    DWORD code = ERROR_SUCCESS;
    bool notAFile = false;  // the name leads to a pipe, a device or the like
};

// Sets every key of section in the file at path (UTF-8) in one replacement, with the profile
// functions' rules (the ANSI code page, or UTF-16 where the file starts with its mark). Only a regular
// file of at most 4 MiB without the read-only attribute is replaced.
CopyOutcome WriteProfileCopy(std::string_view path,
                             std::string_view section,
                             const platform::profile::Entries& entries);

// Removes the copies that saves killed halfway left beside the file at path (none is open any more).
void RemoveInterruptedCopies(std::string_view path);

}  // namespace platform::win32
