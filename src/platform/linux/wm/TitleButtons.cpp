// The table was measured on screenshots of each manager's default theme (Debian 12 packages): the
// distance from the frame's right edge to the leftmost button's drawn edge, or for themes that draw
// bare glyphs, to the edge of the glyph's button cell.
#include "platform/linux/wm/TitleButtons.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/TextTrim.h"

namespace platform::x11 {

namespace {

struct Entry {
    std::string_view key;
    TitleButtons buttons;
};

// Managers that publish no window actions (i3, awesome) need no entry: the bar never rides on their
// windows. Keys are whole names or first words (see ManagerKeys).
constexpr Entry kKnown[] = {
    {"Openbox", {49, 48}},           // minimise, maximise, close
    {"Xfwm4", {97, 92}},             // shade, minimise, maximise, close; no border when maximised
    {"Fluxbox", {52, 51}},           // minimise, maximise, close
    {"IceWM", {111, 110}},           // fullscreen, roll-up, minimise, maximise, close
    {"JWM", {77, 79}},               // minimise, maximise, close
    {"Metacity", {36, 36}},          // close only
    {"Metacity (Marco)", {60, 57}},  // minimise, maximise, close
    {"KWin", {101, 101}},            // Breeze: minimise, maximise, close, to the hover circle's edge
    {"Mutter", {33, 33}},            // close only, to the hover circle's edge
    {"GNOME Shell", {33, 33}},       // Mutter's frames
};

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<int> Pixels(std::string_view text) {
    text = TrimAny(text, " \t");
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 1000)
        return std::nullopt;
    return value;
}

}  // namespace

std::vector<std::string> ManagerKeys(std::string_view managerName) {
    managerName = TrimAny(managerName, " \t");
    if (managerName.empty())
        return {};
    std::vector<std::string> keys{std::string(managerName)};
    const std::size_t blank = managerName.find_first_of(" \t");
    if (blank != std::string_view::npos)
        keys.emplace_back(managerName.substr(0, blank));
    return keys;
}

std::optional<TitleButtons> ParseTitleButtons(std::string_view value) {
    const std::size_t comma = value.find(',');
    const std::optional<int> normal = Pixels(value.substr(0, comma));
    if (!normal)
        return std::nullopt;
    if (comma == std::string_view::npos)
        return TitleButtons{*normal, *normal};
    const std::optional<int> maximized = Pixels(value.substr(comma + 1));
    return TitleButtons{*normal, maximized.value_or(*normal)};
}

std::optional<TitleButtons> TitleButtonsFor(std::string_view managerName,
                                            const std::function<std::string(std::string_view key)>& setting) {
    for (const std::string& key : ManagerKeys(managerName)) {
        if (const std::optional<TitleButtons> own = ParseTitleButtons(setting(key)))
            return own;
        for (const Entry& e : kKnown) {
            if (SameKey(e.key, key))
                return e.buttons;
        }
    }
    return std::nullopt;
}

}  // namespace platform::x11
