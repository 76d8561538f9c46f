// The settings file parser: decoding, look-ups, whole-section lists, rewriting and the integer and buffer rules, on any
// bytes.
#include <cstdlib>

#include "FuzzInput.h"
#include "platform/ProfileText.h"

using namespace platform::profile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Fields fields(data, size);
    const std::string_view section = fields.Next();
    const std::string_view key = fields.Next();
    const std::string_view value = fields.Next();
    const ProfileText file = DecodeProfileText(fields.Rest());

    const ProfileIndex index(file.text);
    const std::optional<std::string> found = FindProfileValue(file.text, section, key);
    if (found != index.Find(section, key))
        std::abort();
    // The whole-section list names each key once, with the value a look-up by that name finds.
    const platform::profile::Entries keys = index.Keys(section);
    for (const auto& [name, keyValue] : keys) {
        if (index.Find(section, name) != keyValue || FindEntry(keys, name) != keyValue)
            std::abort();
    }
    if (found) {
        LeadingInt(*found);
        if (CutToBuffer(*found, 1024).size() > 1023)
            std::abort();
    }
    if (IsWritableEntry(section, key, value)) {
        // What was written reads back (quotes around the whole value are the reader's to drop).
        const std::string updated = SetProfileValue(file.text, section, key, value);
        const std::optional<std::string> back = FindProfileValue(updated, section, key);
        if (!back)
            std::abort();
        const ProfileText again = DecodeProfileText(EncodeProfileText(updated, file.encoding));
        if (file.encoding != ProfileEncoding::Bytes && again.encoding != file.encoding)
            std::abort();
    }
    return 0;
}
