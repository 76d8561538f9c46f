// Loading the settings record by the rules of the key table.
#include "core/AppSettings.h"

#include <algorithm>
#include <optional>

#include "core/SettingKeys.h"
#include "core/basINIFile.h"
#include "forms/Timer.h"

namespace core {

Settings AppSettings;

namespace {

std::string TextOf(const SettingKey& key) {
    std::string text = basINIFile::ReadINIString(key.section, key.name);
    if (text.empty() || text == key.former)
        return std::string(key.text);
    return text;
}

// A hand-edited interval that no timer can take is brought in: a negative one counts as missing,
// one above the timer's longest interval becomes that.
std::int32_t IntervalOf(const SettingKey& key) {
    const std::int32_t value = basINIFile::ReadINILong(key.section, key.name);
    if (value <= 0)
        return key.number;
    return std::min(value, forms::Timer::kMaxInterval);
}

std::int16_t SmallOf(const SettingKey& key) {
    const std::int16_t value = basINIFile::ReadINIInteger(key.section, key.name);
    return value == 0 ? static_cast<std::int16_t>(key.number) : value;
}

void Load(const SettingKey& key, Settings& s) {
    switch (key.kind) {
        case KeyKind::Text:
            s.*std::get<std::string Settings::*>(key.field) = TextOf(key);
            break;
        case KeyKind::Interval:
            s.*std::get<std::int32_t Settings::*>(key.field) = IntervalOf(key);
            break;
        case KeyKind::Small:
            s.*std::get<std::int16_t Settings::*>(key.field) = SmallOf(key);
            break;
        case KeyKind::ExactTrue: {
            const std::string text = basINIFile::ReadINIString(key.section, key.name);
            bool& flag = s.*std::get<bool Settings::*>(key.field);
            if (text.empty())
                flag = key.number != 0;
            else if (text == "TRUE")
                flag = true;
            break;
        }
        case KeyKind::NotZero: {
            // Missing, empty or not a number: the default.
            const std::optional<std::int32_t> value =
                basINIFile::ParseLong(basINIFile::ReadINIString(key.section, key.name));
            s.*std::get<bool Settings::*>(key.field) = value ? *value != 0 : key.number != 0;
            break;
        }
        case KeyKind::Section:
            s.*std::get<platform::profile::Entries Settings::*>(key.field) =
                basINIFile::ReadINISection(key.section, key.bufferBytes);
            break;
    }
}

}  // namespace

void LoadSettings() {
    for (const SettingKey& key : SettingKeys())
        Load(key, AppSettings);
}

}  // namespace core
