// Checks of the settings dialog's fields.
#include "settings/InputRules.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace settings {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Skips a run of digits; true when there was at least one.
bool Digits(std::string_view s, std::size_t& at) {
    const std::size_t start = at;
    while (at < s.size() && IsDigit(s[at]))
        ++at;
    return at > start;
}

}  // namespace

// Positions count characters: a UTF-8 sequence is one, and so is each byte that starts none.
bool DriveListAccepted(std::string_view text) {
    bool even = false;
    for (std::size_t i = 0; i < text.size(); even = !even) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        std::size_t end = i + 1;
        while (end < text.size() && end < i + length && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        if (even && text[i] != ',')
            return false;
        i = end;
    }
    return true;
}

std::optional<double> ReadNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    // The shape first, so that from_chars below sees only what the rule allows (no "inf", no hex).
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::size_t numberStart = at;
    bool digits = Digits(text, at);
    if (at < text.size() && text[at] == '.') {
        ++at;
        digits = Digits(text, at) || digits;
    }
    if (!digits)
        return std::nullopt;
    bool tiny = false;  // a negative exponent: out of range means too close to 0
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            tiny = text[at++] == '-';
        if (!Digits(text, at))
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    // from_chars takes no leading '+'; the sign was read above.
    double value = 0;
    const std::string_view number = text.substr(numberStart);
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    else if (ec != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::string> RefuseInterval(std::string_view text, const IntervalRule& rule) {
    const std::optional<double> value = ReadNumber(text);
    if (!value)
        return std::string(rule.subject) + "数字で入力してください";
    if (*value < rule.minimum || *value > rule.maximum) {
        return std::string(rule.subject) + std::to_string(rule.minimum) + "～" + std::to_string(rule.maximum) +
               "の間で入力してください";
    }
    return std::nullopt;
}

}  // namespace settings
