// The settings file writer on a real file, against a model of the file: every key a save sets reads
// back as set, a refused save leaves every byte, and the lines of keys no save touched stay as they were,
// in their order.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "platform/PrivateProfile.h"
#include "platform/ProfileText.h"
#include "platform/linux/profile/AtomicFile.h"

using namespace platform;

namespace {

std::string Folder() {
    // tmpfs where there is one: each save syncs the file.
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string folder = std::string(base) + "/vigilon-fuzz-" + std::to_string(::getpid());
    std::filesystem::create_directories(folder);
    return folder;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// What the reader makes of a value that was written: blanks trimmed, quotes around the whole dropped.
std::string AsRead(std::string_view v) {
    v = Trim(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t nl = text.find('\n', pos);
        const std::size_t end = nl == std::string::npos ? text.size() : nl + 1;
        out.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

// The key of a key line (lower case, trimmed), or nothing for other lines.
std::optional<std::string> KeyOf(std::string line) {
    const std::string_view s = Trim(line);
    if (s.empty() || s.front() == ';' || s.front() == '[')
        return std::nullopt;
    const std::size_t eq = s.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Lower(Trim(s.substr(0, eq)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = Folder() + "/Vigilon.ini";
    fuzz::Fields fields(data, size);
    // Up to three saves of up to three keys each, then the file's first contents.
    struct Save {
        std::string section;
        profile::Entries entries;
    };
    std::vector<Save> saves;
    for (int s = 0; s < 3; ++s) {
        Save save{std::string(fields.Next()), {}};
        const std::string_view count = fields.Next();
        const int n = count.empty() ? 1 : static_cast<unsigned char>(count[0]) % 4;
        for (int k = 0; k < n; ++k) {
            std::string key(fields.Next());
            save.entries.emplace_back(key, std::string(fields.Next()));
        }
        saves.push_back(std::move(save));
    }
    const std::string original(fields.Rest());
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << original;
    }
    const bool utf16 = profile::DecodeProfileText(original).encoding != profile::ProfileEncoding::Bytes;

    std::map<std::pair<std::string, std::string>, std::string> model;  // what each written key holds
    std::vector<std::string> touched;                                  // keys any save set, lower case
    std::string before = original;
    for (const Save& save : saves) {
        bool writable = true;  // no keys at all: the file is written as it was
        for (const auto& [key, value] : save.entries)
            writable = writable && profile::IsWritableEntry(save.section, key, value);
        std::string error;
        const bool written = profile::WriteStrings(path, save.section, save.entries, &error);
        const std::string after = posix::ReadWholeFile(path).value_or("<unreadable>");
        if (written != writable)
            std::abort();
        if (!written) {
            if (after != before)
                std::abort();  // a refused save changed the file
            continue;
        }
        for (const auto& [key, value] : save.entries) {
            model[{Lower(Trim(save.section)), Lower(Trim(key))}] = AsRead(value);
            touched.push_back(Lower(Trim(key)));
        }
        before = after;
    }
    // Every key set reads back as the model says. A UTF-16 file keeps valid UTF-8 only (other bytes are
    // the encoder's to replace), so there only keys with ASCII names are looked for, and only found.
    const auto ascii = [](const std::string& s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    for (const auto& [name, value] : model) {
        if (utf16 && !(ascii(name.first) && ascii(name.second)))
            continue;
        const std::string read =
            profile::ReadString(path, name.first, name.second, "\n", 1 << 20);  // no value holds a line break
        if (read == "\n" || (!utf16 && read != value))
            std::abort();
    }
    // The untouched lines of a byte file are all still there, in their order.
    if (!utf16) {
        const std::vector<std::string> now = Lines(before);
        std::size_t at = 0;
        for (const std::string& line : Lines(original)) {
            const std::optional<std::string> key = KeyOf(line);
            if (key && std::find(touched.begin(), touched.end(), *key) != touched.end())
                continue;
            // The last line may have gained a line break.
            while (at < now.size() && now[at] != line && now[at] != line + "\n" && now[at] != line + "\r\n")
                ++at;
            if (at == now.size())
                std::abort();
            ++at;
        }
    }
    return 0;
}
