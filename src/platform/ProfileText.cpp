// Parsing and rewriting of private-profile text, one line at a time, without touching any file.
#include "platform/ProfileText.h"
#include "platform/TextTrim.h"

#include <utility>
#include <vector>

namespace platform::profile {

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

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = AsciiLower(c);
    return out;
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
    return ProfileIndex(text).Find(section, key);
}

ProfileIndex::ProfileIndex(std::string_view text) {
    Section* keys = nullptr;  // the section being read, if it counts
    for (const Line& line : SplitLines(text)) {
        const Parsed p = ParseLine(Content(text, line));
        if (p.kind == Kind::Section) {
            const auto [it, isNew] = sections_.try_emplace(Lower(p.name));
            keys = isNew ? &it->second : nullptr;
        } else if (p.kind == Kind::Key && keys) {
            if (keys->at.try_emplace(Lower(p.name), keys->keys.size()).second)
                keys->keys.emplace_back(p.name, Unquote(p.value));
        }
    }
}

std::optional<std::string> ProfileIndex::Find(std::string_view section, std::string_view key) const {
    const auto s = sections_.find(Lower(Trim(section)));
    if (s == sections_.end())
        return std::nullopt;
    const auto k = s->second.at.find(Lower(Trim(key)));
    if (k == s->second.at.end())
        return std::nullopt;
    return s->second.keys[k->second].second;
}

profile::Entries ProfileIndex::Keys(std::string_view section) const {
    const auto s = sections_.find(Lower(Trim(section)));
    if (s == sections_.end())
        return {};
    profile::Entries keys;
    for (const auto& entry : s->second.keys) {
        if (!entry.first.empty())
            keys.push_back(entry);
    }
    return keys;
}

std::optional<std::string> FindEntry(const profile::Entries& entries, std::string_view key) {
    key = Trim(key);
    for (const auto& [name, value] : entries) {
        if (SameName(name, key))
            return value;
    }
    return std::nullopt;
}

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUtf16(std::string& out, std::uint32_t unit, ProfileEncoding encoding) {
    const char hi = static_cast<char>(unit >> 8);
    const char lo = static_cast<char>(unit & 0xFF);
    if (encoding == ProfileEncoding::Utf16LE) {
        out.push_back(lo);
        out.push_back(hi);
    } else {
        out.push_back(hi);
        out.push_back(lo);
    }
}

// The code point at the front of s and the bytes it takes; U+FFFD and one byte for anything invalid.
std::pair<std::uint32_t, std::size_t> NextCodePoint(std::string_view s) {
    constexpr std::pair<std::uint32_t, std::size_t> kInvalid{0xFFFD, 1};
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > s.size())
        return kInvalid;
    if (length == 1)
        return {lead, 1};
    std::uint32_t cp = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80)
            return kInvalid;
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kInvalid;
    return {cp, length};
}

}  // namespace

ProfileText DecodeProfileText(std::string_view bytes) {
    ProfileText out;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        out.encoding = ProfileEncoding::Utf16LE;
    else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
             static_cast<unsigned char>(bytes[1]) == 0xFF)
        out.encoding = ProfileEncoding::Utf16BE;
    if (out.encoding == ProfileEncoding::Bytes) {
        out.text = bytes;
        return out;
    }
    const bool little = out.encoding == ProfileEncoding::Utf16LE;
    const auto unitAt = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return little ? (static_cast<std::uint32_t>(b) << 8) | a : (static_cast<std::uint32_t>(a) << 8) | b;
    };
    out.text.reserve(bytes.size());
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out.text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out.text, (unit >= 0xD800 && unit <= 0xDFFF) ? 0xFFFD : unit);
    }
    return out;
}

std::string EncodeProfileText(std::string_view utf8, ProfileEncoding encoding) {
    if (encoding == ProfileEncoding::Bytes)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size() * 2 + 2);
    AppendUtf16(out, 0xFEFF, encoding);
    while (!utf8.empty()) {
        const auto [cp, length] = NextCodePoint(utf8);
        utf8.remove_prefix(length);
        if (cp >= 0x10000) {
            AppendUtf16(out, 0xD800 + ((cp - 0x10000) >> 10), encoding);
            AppendUtf16(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), encoding);
        } else {
            AppendUtf16(out, cp, encoding);
        }
    }
    return out;
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

}  // namespace platform::profile
