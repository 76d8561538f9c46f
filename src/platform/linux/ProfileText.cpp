// Parsing and rewriting of private-profile text, one line at a time, without touching any file.
#include "platform/linux/ProfileText.h"
#include "platform/linux/TextTrim.h"

#include <vector>

namespace platform::posix {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    return TrimAny(s, " \t\r");
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// One line of the file: [begin, contentEnd) is its text, [contentEnd, end) its line ending.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t nl = text.find('\n', pos);
        Line line;
        line.begin = pos;
        if (nl == std::string_view::npos) {
            line.contentEnd = line.end = text.size();
        } else {
            line.end = nl + 1;
            line.contentEnd = (nl > pos && text[nl - 1] == '\r') ? nl - 1 : nl;
        }
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

Parsed ParseLine(std::string_view content) {
    Parsed p;
    const std::string_view s = Trim(content);
    if (s.empty() || s.front() == ';')
        return p;
    if (s.front() == '[') {
        const std::size_t close = s.find(']');
        if (close != std::string_view::npos) {
            p.kind = Kind::Section;
            p.name = Trim(s.substr(1, close - 1));
        }
        return p;
    }
    const std::size_t eq = s.find('=');
    if (eq == std::string_view::npos)
        return p;
    p.kind = Kind::Key;
    p.name = Trim(s.substr(0, eq));
    p.value = Trim(s.substr(eq + 1));
    return p;
}

std::string_view Content(std::string_view text, const Line& line) {
    std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    if (line.begin == 0 && content.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        content.remove_prefix(kUtf8Bom.size());
    return content;
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

std::string_view NewlineOf(std::string_view text) {
    const std::size_t nl = text.find('\n');
    return (nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
}

// Expected length of the UTF-8 sequence that starts with lead, 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    for (const Line& line : SplitLines(text)) {
        const Parsed p = ParseLine(Content(text, line));
        if (p.kind == Kind::Section) {
            if (inSection)
                return std::nullopt;  // only the first section of that name counts
            inSection = SameName(p.name, section);
        } else if (p.kind == Kind::Key && inSection && SameName(p.name, key)) {
            return std::string(Unquote(p.value));
        }
    }
    return std::nullopt;
}

std::string SetProfileValue(std::string_view text,
                            std::string_view section,
                            std::string_view key,
                            std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const std::string_view nl = NewlineOf(text);

    bool found = false;
    std::size_t insertAt = 0;  // just after the header or the section's last key line
    for (const Line& line : SplitLines(text)) {
        const Parsed p = ParseLine(Content(text, line));
        if (p.kind == Kind::Section) {
            if (found)
                break;
            found = SameName(p.name, section);
            if (found)
                insertAt = line.end;
        } else if (found && p.kind == Kind::Key) {
            if (SameName(p.name, key)) {
                std::string out(text.substr(0, line.begin));
                out.append(p.name).append("=").append(value);
                out.append(text.substr(line.contentEnd));
                return out;
            }
            insertAt = line.end;
        }
    }

    std::string out;
    if (found) {
        out.append(text.substr(0, insertAt));
        if (insertAt > 0 && text[insertAt - 1] != '\n')
            out.append(nl);
        out.append(key).append("=").append(value).append(nl);
        out.append(text.substr(insertAt));
        return out;
    }
    out.append(text);
    if (!out.empty() && out.back() != '\n')
        out.append(nl);
    out.append("[").append(section).append("]").append(nl);
    out.append(key).append("=").append(value).append(nl);
    return out;
}

bool IsWritableEntry(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasAny = [](std::string_view s, std::string_view chars) {
        return s.find_first_of(chars) != std::string_view::npos;
    };
    const std::string_view breaks("\r\n\0", 3);
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || hasAny(section, breaks) || hasAny(section, "]"))
        return false;
    if (key.empty() || hasAny(key, breaks) || hasAny(key, "=") || key.front() == '[' || key.front() == ';') {
        return false;
    }
    return !hasAny(value, breaks);
}

std::string CutToBuffer(std::string_view value, std::size_t bufferBytes) {
    if (bufferBytes == 0)
        return {};
    if (value.size() <= bufferBytes - 1)
        return std::string(value);
    std::size_t n = bufferBytes - 1;
    // Walk back to the lead byte of the last sequence and drop it if its tail was cut off.
    std::size_t lead = n;
    while (lead > 0 && (static_cast<unsigned char>(value[lead - 1]) & 0xC0) == 0x80 && n - lead < 3)
        --lead;
    if (lead > 0) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(value[lead - 1]));
        if (length > 1 && (lead - 1) + length > n)
            n = lead - 1;
    }
    return std::string(value.substr(0, n));
}

std::string_view TrimDefault(std::string_view defaultValue) {
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return defaultValue;
}

std::int32_t LeadingInt(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && IsBlank(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) {
        negative = value[i] == '-';
        ++i;
    }
    std::uint32_t total = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        total = total * 10u + static_cast<std::uint32_t>(value[i] - '0');
    }
    if (negative)
        total = 0u - total;
    return static_cast<std::int32_t>(total);
}

}  // namespace platform::posix
