// The file and system-call side of the bar's readings: reads /proc, sysfs and statvfs and hands the
// texts to the parsers of ProcReadings; the clock and its texts in the user's locale.
#include "platform/linux/readings/SystemReadings.h"

#include <dirent.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/ProfileText.h"
#include "platform/linux/profile/AtomicFile.h"
#include "platform/linux/readings/TimedQueries.h"

namespace platform::posix {

namespace {

constexpr std::uint64_t kUnitsPerSecond = 10'000'000;

bool HasUtf8Text(locale_t loc) {
    const char* codeset = ::nl_langinfo_l(CODESET, loc);
    return codeset && std::strcmp(codeset, "UTF-8") == 0;
}

// The user's conventions for the given categories when their text is UTF-8 (the program's text
// encoding), else the "C" ones; null only when no locale object can be made at all.
locale_t UserLocale(int categoryMask) {
    if (locale_t loc = ::newlocale(categoryMask | LC_CTYPE_MASK, "", nullptr)) {
        if (HasUtf8Text(loc))
            return loc;
        ::freelocale(loc);
    }
    return ::newlocale(categoryMask | LC_CTYPE_MASK, "C", nullptr);
}

locale_t CLocale() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

// The system's description of errnum, in the user's language where the C library has it.
std::string ErrorText(int errnum) {
    static const locale_t messages = UserLocale(LC_MESSAGES_MASK);
    return messages ? ::strerror_l(errnum, messages) : std::strerror(errnum);
}

std::string Strftime(const char* format, const LocalTime& t, locale_t loc) {
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_wday = t.dayOfWeek;
    tm.tm_isdst = -1;
    char buffer[128];
    const std::size_t n =
        loc ? ::strftime_l(buffer, sizeof buffer, format, &tm, loc) : std::strftime(buffer, sizeof buffer, format, &tm);
    return std::string(buffer, n);
}

// Columns as a terminal counts them, near enough: a character beyond ASCII takes two.
std::size_t Columns(std::string_view s) {
    std::size_t columns = 0;
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        columns += byte < 0x80 ? 1 : (byte & 0xC0) == 0xC0 ? 2 : 0;
    }
    return columns;
}

locale_t Utf8OrC(locale_t loc) {
    return loc && HasUtf8Text(loc) ? loc : CLocale();
}

locale_t UserTimeLocale() {
    static const locale_t time = UserLocale(LC_TIME_MASK);
    return time;
}

// A counter file of /proc kept open and read again from its start: the kernel writes the text anew
// for every read at offset 0, so a reading costs one read (and one more that finds the end) instead
// of opening, checking and closing the file each time. User-interface thread only.
class ProcFile {
public:
    explicit ProcFile(const char* path) : path_(path) {}
    ~ProcFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    ProcFile(const ProcFile&) = delete;
    ProcFile& operator=(const ProcFile&) = delete;

    // The whole text, valid until the next read; nothing when the file cannot be read.
    std::optional<std::string_view> Read() {
        if (fd_ < 0)
            fd_ = ::open(path_, O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            return std::nullopt;
        std::size_t size = 0;
        for (;;) {
            if (size == buffer_.size()) {
                if (size >= kMaxReadBytes)
                    return std::nullopt;
                buffer_.resize(std::max<std::size_t>(4096, size * 2));
            }
            const ssize_t n = ::pread(fd_, buffer_.data() + size, buffer_.size() - size, static_cast<off_t>(size));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                return std::string_view(buffer_.data(), size);
            size += static_cast<std::size_t>(n);
        }
    }

private:
    const char* path_;
    int fd_ = -1;
    std::string buffer_;
};

DriveSpace NoSuchDrive() {
    DriveSpace d;
    d.error = ErrorText(ENODEV);
    return d;
}

}  // namespace

std::optional<CpuTimes> QueryCpuTimes() {
    static ProcFile procStat("/proc/stat");
    const std::optional<std::string_view> text = procStat.Read();
    timespec now{};
    if (!text || ::clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return std::nullopt;
    const std::optional<ProcStat> stat = ParseProcStat(*text);
    static const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (!stat || ticksPerSecond <= 0)
        return std::nullopt;

    CpuTimes times;
    times.idleTime = JiffiesToHundredNs(stat->idleJiffies, static_cast<std::uint64_t>(ticksPerSecond));
    times.systemTime =
        static_cast<std::uint64_t>(now.tv_sec) * kUnitsPerSecond + static_cast<std::uint64_t>(now.tv_nsec) / 100;
    if (stat->cpuLines > 0) {
        times.processors = stat->cpuLines;
    } else if (const long online = ::sysconf(_SC_NPROCESSORS_ONLN); online > 0) {
        times.processors = static_cast<std::uint32_t>(online);
    }
    return times;
}

MemoryStatus QueryMemoryStatus() {
    static ProcFile meminfo("/proc/meminfo");
    const std::optional<std::string_view> text = meminfo.Read();
    if (!text)
        return {};
    return ParseMeminfo(*text).value_or(MemoryStatus{});
}

// The map is in memory: a look-up never waits for the settings file.
DriveSpace QueryDriveSpace(std::string_view element, const profile::Entries& driveMap) {
    const std::optional<std::string> folder =
        DriveFolder(element, [&driveMap](std::string_view key) { return profile::FindEntry(driveMap, key); });
    return folder ? QueryFolderSpaceWithin(*folder) : NoSuchDrive();
}

DriveSpace QueryFolderSpaceWithin(const std::string& folder) {
    // statvfs on a dead network mount blocks in the kernel until the mount comes back.
    static TimedQueries statvfsCalls(std::chrono::milliseconds(kDriveAnswerMs), ErrorText(ETIMEDOUT));
    return statvfsCalls.Run(folder, [folder] { return QueryFolderSpace(folder); });
}

DriveSpace QueryFolderSpace(const std::string& folder) {
    DriveSpace d;
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0) {
        d.error = ErrorText(errno);
        return d;
    }
    const std::uint64_t unit = fs.f_frsize ? fs.f_frsize : fs.f_bsize;
    d.ok = true;
    d.available = static_cast<std::uint64_t>(fs.f_bavail) * unit;
    d.total = static_cast<std::uint64_t>(fs.f_blocks) * unit;
    return d;
}

std::vector<SupplyFiles> ReadPowerSupplies(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] != '.')
                names.emplace_back(entry->d_name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());

    std::vector<SupplyFiles> supplies;
    supplies.reserve(names.size());
    for (const std::string& name : names) {
        const std::string base = folder + "/" + name + "/";
        SupplyFiles s;
        s.name = name;
        s.type = ReadWholeFile(base + "type");
        s.scope = ReadWholeFile(base + "scope");
        if (IsSystemSupply(s)) {
            s.online = ReadWholeFile(base + "online");
            s.present = ReadWholeFile(base + "present");
            s.status = ReadWholeFile(base + "status");
            s.capacity = ReadWholeFile(base + "capacity");
            s.energyNow = ReadWholeFile(base + "energy_now");
            s.energyFull = ReadWholeFile(base + "energy_full");
            s.chargeNow = ReadWholeFile(base + "charge_now");
            s.chargeFull = ReadWholeFile(base + "charge_full");
        }
        supplies.push_back(std::move(s));
    }
    return supplies;
}

PowerStatus QueryPowerStatus() {
    return ParsePowerSupplies(ReadPowerSupplies("/sys/class/power_supply"));
}

LocalTime QueryLocalTime() {
    timespec now{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return {};
    // localtime_r alone keeps the zone it first loaded; tzset notices a changed TZ or /etc/localtime.
    ::tzset();
    std::tm tm{};
    if (!::localtime_r(&now.tv_sec, &tm))
        return {};
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday};
}

std::string FormatTimeOfDay(const LocalTime& t) {
    return FormatTimeOfDay(t, UserTimeLocale());
}

std::string FormatShortDate(const LocalTime& t) {
    return FormatShortDate(t, UserTimeLocale());
}

std::string FormatTimeOfDay(const LocalTime& t, locale_t loc) {
    constexpr std::size_t kClockColumns = 11;  // "07:30:00 PM"
    std::string text = Strftime("%X", t, Utf8OrC(loc));
    if (text.empty() || Columns(text) > kClockColumns)
        text = Strftime("%H:%M:%S", t, CLocale());
    return text;
}

std::string FormatShortDate(const LocalTime& t, locale_t loc) {
    return Strftime("%x", t, Utf8OrC(loc));
}

}  // namespace platform::posix
