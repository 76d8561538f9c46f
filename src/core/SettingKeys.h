// The keys of the settings file, each once: its section and name, how its text reads, its default and
// the range the settings dialog accepts. Loading, the bringing in of hand-edited values and the
// dialog's checks all go by this table. A key is named by its field of Settings, which has the key's
// name; a whole section by its field, which has the section's name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/AppSettings.h"

namespace core {

enum class KeyKind {
    // Text; empty, or exactly the former default, reads as the default.
    Text,
    // Milliseconds, the whole text one number (basINIFile::ReadINILong); 0, not a number or negative
    // reads as the default, more than a timer takes as the timer's longest interval.
    Interval,
    // The text's leading number (basINIFile::ReadINIInteger); 0, no number or beyond 16 bits reads as
    // the default. Other values are kept as they are: their users bring them into their own range.
    Small,
    // On for exactly "TRUE", off when empty; any other text keeps what the record had.
    ExactTrue,
    // On unless the whole text is the number 0.
    NotZero,
    // Every key of the section with its value, in the file's order.
    Section,
};

using SettingField = std::variant<std::string Settings::*,
                                  std::int32_t Settings::*,
                                  std::int16_t Settings::*,
                                  bool Settings::*,
                                  platform::profile::Entries Settings::*>;

struct SettingKey {
    std::string_view section;
    std::string_view name;  // empty for a whole section
    KeyKind kind;
    SettingField field;
    std::int32_t number = 0;   // the default of Interval and Small keys, and of flags (1: on)
    std::string_view text;     // the default of Text keys
    std::string_view former;   // Text: a default of earlier versions, which reads as today's
    std::int32_t minimum = 0;  // what the settings dialog accepts, both ends included
    std::int32_t maximum = 0;
    std::size_t bufferBytes = 0;  // Section: each value is cut to this less one byte
};

// Every key, in the order the settings dialog writes the ones it shows.
std::span<const SettingKey> SettingKeys();

// The row of a field of Settings; every field has one.
const SettingKey& KeyOf(SettingField field);

}  // namespace core
