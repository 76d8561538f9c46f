// What the settings dialog accepts: the drive list's shape, the number spelling of the interval
// boxes, and the messages that refuse them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Every second character (the 2nd, 4th, ...) is a comma; the others are not looked at.
bool DriveListAccepted(std::string_view text);

// A decimal number with blanks around it allowed: optional sign, digits with an optional fraction,
// an optional exponent. Nothing for anything else, the empty text included.
std::optional<double> ReadNumber(std::string_view text);

// One interval box's rule: the words of its messages and its range, both ends included.
struct IntervalRule {
    std::string_view subject;  // "ＣＰＵ使用率をチェックする間隔は" ...
    int minimum;
    int maximum;
};

// Nothing when the text is a number within the rule's range; otherwise the message to show.
std::optional<std::string> RefuseInterval(std::string_view text, const IntervalRule& rule);

inline constexpr std::string_view kDriveListMessage = "ドライブはカンマ区切りで入力してください\r\n例）C,D,E";

}  // namespace settings
