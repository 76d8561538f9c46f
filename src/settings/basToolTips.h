// The balloon help of the settings dialog: which control explains itself with which title and text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace basToolTips {

// One entry of the help table. The balloon shows RuleLen - 2 heavy rule characters and a line break
// in front of Text.
struct HelpEntry {
    std::string_view control;  // the control's name
    std::string_view Title;
    std::string_view Text;  // two lines are joined by "\r\n"
    std::int16_t RuleLen;
};

extern const std::array<HelpEntry, 15> kHelp;

// The last ruleLen characters of the rule text (53 "━" and "\r\n"), then the text.
std::string BalloonText(const HelpEntry& entry);

}  // namespace basToolTips
