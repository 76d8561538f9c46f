// Private-profile (INI) rules of Windows as pure functions over the file's text, so the reading and
// rewriting can be tested without files; PrivateProfile.cpp adds the file I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/PrivateProfile.h"

namespace platform::profile {

// How the file's bytes encode its text. Windows reads a file that starts with a UTF-16 byte-order
// mark as UTF-16 and keeps that encoding when it writes; anything else is taken as bytes (UTF-8 here).
enum class ProfileEncoding { Bytes, Utf16LE, Utf16BE };

struct ProfileText {
    std::string text;  // UTF-8, without the UTF-16 mark
    ProfileEncoding encoding = ProfileEncoding::Bytes;
};

// The file's text; unpaired UTF-16 halves become U+FFFD and an odd last byte is dropped.
ProfileText DecodeProfileText(std::string_view bytes);
// The bytes to store for text in that encoding (with the mark for UTF-16); invalid UTF-8 bytes
// become U+FFFD there.
std::string EncodeProfileText(std::string_view utf8, ProfileEncoding encoding);

// Every section's keys as FindProfileValue finds them, parsed once, for repeated look-ups in one
// unchanged file.
class ProfileIndex {
public:
    explicit ProfileIndex(std::string_view text);
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Every named key of the section as Find finds it, in the file's order and spelling.
    profile::Entries Keys(std::string_view section) const;

private:
    struct Section {
        std::unordered_map<std::string, std::size_t> at;  // by the name in ASCII lower case
        profile::Entries keys;                            // the first line of each name
    };
    // Names in ASCII lower case; the first section of a name and the first key in it win.
    std::unordered_map<std::string, Section> sections_;
};

// The value of key among entries read from one section, names compared as the file compares them
// (ASCII case-insensitively, without surrounding blanks); nullopt when it is not there.
std::optional<std::string> FindEntry(const profile::Entries& entries, std::string_view key);

// The value of key in the first section named section (names compare ASCII case-insensitively and
// without surrounding blanks); the first matching key line wins. Blanks around the value are trimmed
// and a value wholly enclosed in matching single or double quotes loses them. nullopt when missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The text with key set to value: an existing key line is rewritten as "key=value" (keeping the file's
// spelling of the key and the line's ending), a new key goes after the last key line of its section,
// a missing section is appended with the key. Every other byte is kept. New lines use the file's
// ending (CRLF when its first line ends in CRLF, else LF).
std::string SetProfileValue(std::string_view text,
                            std::string_view section,
                            std::string_view key,
                            std::string_view value);

// True when section, key and value can be written without breaking the file's line structure.
bool IsWritableEntry(std::string_view section, std::string_view key, std::string_view value);

// What a buffer of bufferBytes receives: at most bufferBytes - 1 bytes; a cut never leaves half of a
// UTF-8 sequence at the end.
std::string CutToBuffer(std::string_view value, std::size_t bufferBytes);

// The default string as the Windows read gives it back: trailing spaces removed.
std::string_view TrimDefault(std::string_view defaultValue);

// The leading, optionally signed decimal number of value after leading blanks; what follows is ignored
// and no digits give 0. Like the Windows conversion, digits accumulate modulo 2^32 and the sign is
// applied to that, so "4294967297" gives 1 and "2147483648" gives -2147483648.
std::int32_t LeadingInt(std::string_view value);

}  // namespace platform::profile
