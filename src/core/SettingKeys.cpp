// The table of the settings file's keys.
#include "core/SettingKeys.h"

#include <cstdlib>

#include "core/basINIFile.h"

namespace core {

namespace {

using basINIFile::kSection;

SettingKey Text(std::string_view name,
                std::string Settings::*field,
                std::string_view fallback,
                std::string_view former = {}) {
    return {kSection, name, KeyKind::Text, field, 0, fallback, former, 0, 0, 0};
}

SettingKey Interval(std::string_view name, std::int32_t Settings::*field, std::int32_t fallback, std::int32_t minimum) {
    constexpr std::int32_t kLongestInterval = 60000;  // a minute
    return {kSection, name, KeyKind::Interval, field, fallback, {}, {}, minimum, kLongestInterval, 0};
}

SettingKey Small(std::string_view name,
                 std::int16_t Settings::*field,
                 std::int32_t fallback,
                 std::int32_t minimum,
                 std::int32_t maximum) {
    return {kSection, name, KeyKind::Small, field, fallback, {}, {}, minimum, maximum, 0};
}

SettingKey Flag(std::string_view name, bool Settings::*field, KeyKind kind, bool fallback) {
    return {kSection, name, kind, field, fallback ? 1 : 0, {}, {}, 0, 1, 0};
}

SettingKey Whole(std::string_view section, platform::profile::Entries Settings::*field, std::size_t bufferBytes) {
    return {section, {}, KeyKind::Section, field, 0, {}, {}, 0, 0, bufferBytes};
}

// The field's name is the key's (or the section's): written once here.
#define KEY(field) #field, &Settings::field

const SettingKey kKeys[] = {
    Text(KEY(CalendarHoliday1), kDefaultHolidays1, kFormerDefaultHolidays1),
    Text(KEY(CalendarHoliday2), kDefaultHolidays2, kFormerDefaultHolidays2),
    Text(KEY(Drive), "C"),
    Interval(KEY(Interval), 500, 100),
    Interval(KEY(CPUInterval), 500, 100),
    Interval(KEY(MemoryInterval), 1000, 100),
    Interval(KEY(DriveInterval), 60000, 100),
    Interval(KEY(BattInterval), 0, 0),  // 0: no power check
    Small(KEY(Trans), 255, 100, 255),   // window alpha; the dialog offers no fainter bar than 100
    Small(KEY(ActiveWindow), 0, 0, 1),  // 1: stay put instead of following the active window
    Flag(KEY(McAfee), KeyKind::ExactTrue, false),
    Flag(KEY(HideOnFullScreen), KeyKind::NotZero, true),
    Whole(KEY(DriveMap), 4096),    // folders: up to PATH_MAX
    Whole(KEY(TitleButtons), 64),  // "normal[,maximized]" in pixels
};

#undef KEY

}  // namespace

std::span<const SettingKey> SettingKeys() {
    return kKeys;
}

const SettingKey& KeyOf(SettingField field) {
    for (const SettingKey& key : kKeys) {
        if (key.field == field)
            return key;
    }
    std::abort();  // a field without a row: the table above misses it
}

}  // namespace core
