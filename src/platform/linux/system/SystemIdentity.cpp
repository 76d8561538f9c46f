// Host, user and distribution names.
#include "platform/linux/system/SystemIdentity.h"

#include "platform/linux/profile/AtomicFile.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace platform::posix {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 sequence at the start of s, or 0.
std::size_t ValidSequence(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (s.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t n = ValidSequence(bytes);
        if (n == 0) {
            out += kReplacement;
            bytes.remove_prefix(1);
        } else {
            out += bytes.substr(0, n);
            bytes.remove_prefix(n);
        }
    }
    return out;
}

std::string ComputerNameFromHost(std::string_view host) {
    return ValidUtf8(host.substr(0, host.find('.')));
}

std::string PrettyNameFromOsRelease(std::string_view text) {
    constexpr std::string_view kKey = "PRETTY_NAME=";
    std::string value;
    bool found = false;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        if (line.substr(0, kKey.size()) != kKey)
            continue;
        line.remove_prefix(kKey.size());
        // Shell-like: one pair of quotes around the value, backslash escapes inside.
        char quote = 0;
        if (line.size() >= 2 && (line.front() == '"' || line.front() == '\'') && line.back() == line.front()) {
            quote = line.front();
            line = line.substr(1, line.size() - 2);
        }
        value.clear();
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && quote != '\'' && i + 1 < line.size())
                ++i;
            value += line[i];
        }
        found = true;  // the last assignment wins, as when the file is sourced
    }
    return found && !value.empty() ? ValidUtf8(value) : std::string("Linux");
}

std::string QueryComputerName() {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return {};
    return ComputerNameFromHost(host);
}

std::string QueryUserName() {
    // getpwuid_r: the bar's start-up may run on any thread the tests choose.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_name)
        return ValidUtf8(result->pw_name);
    const char* user = std::getenv("USER");
    return user ? ValidUtf8(user) : std::string();
}

std::string QuerySystemDescription() {
    std::optional<std::string> text = ReadWholeFile("/etc/os-release");
    if (!text)
        text = ReadWholeFile("/usr/lib/os-release");
    std::string description = PrettyNameFromOsRelease(text.value_or(""));
    utsname names{};
    if (::uname(&names) == 0)
        description += " " + ValidUtf8(names.release);
    return description;
}

}  // namespace platform::posix
