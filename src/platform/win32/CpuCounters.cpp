// The CPU meter's counters: the processor count, the system clock and the summed idle time of all
// processors, read with ntdll's NtQuerySystemInformation (the NT family only).
#include <cstddef>
#include <cstdint>

#include "platform/win32/SystemReadings.h"

namespace platform::win32 {

namespace {

using NtQuerySystemInformationFn = LONG(NTAPI*)(ULONG infoClass, PVOID buffer, ULONG length, PULONG returnLength);

constexpr ULONG kSystemBasicInformation = 0;
constexpr ULONG kSystemPerformanceInformation = 2;
constexpr ULONG kSystemTimeOfDayInformation = 3;

// Class 0 wants exactly its own size, which follows the pointer width: 44 bytes in a 32-bit
// process (a 32-bit process on 64-bit Windows included: WOW64 converts the record), 64 bytes in a
// 64-bit one. Windows and Wine both refuse any other length.
struct BasicInformation {
    std::uint8_t reserved1[24];
    void* reserved2[4];
    std::int8_t numberOfProcessors;
};
static_assert(sizeof(void*) != 4 ||
              (sizeof(BasicInformation) == 44 && offsetof(BasicInformation, numberOfProcessors) == 40));
static_assert(sizeof(void*) != 8 ||
              (sizeof(BasicInformation) == 64 && offsetof(BasicInformation, numberOfProcessors) == 56));

// Class 3 is 48 bytes on Windows 2000 and later and in Wine; both accept any length up to the
// record's size (older, shorter forms stay valid) and refuse a longer one.
struct TimeOfDayInformation {
    std::int64_t bootTime;
    std::int64_t currentTime;  // 100 ns since 1601, UTC
    std::uint8_t reserved[32];
};
static_assert(sizeof(TimeOfDayInformation) == 48 && offsetof(TimeOfDayInformation, currentTime) == 8);

// Class 2 has grown: 312 bytes up to XP/2003 (the size the SDK still documents), larger since
// (a 32-bit process on 64-bit Windows 7 / 2008 is refused 312 and needs 328; Windows 10 has 344,
// Windows 11 24H2 376). Every version refuses a length below its minimum but accepts a longer
// buffer and fills what it knows; Wine wants at least 312. 512 bytes covers every known form.
struct PerformanceInformation {
    std::int64_t idleProcessTime;  // 100 ns, summed over all processors
    std::uint8_t reserved[504];
};
static_assert(sizeof(PerformanceInformation) == 512 && offsetof(PerformanceInformation, idleProcessTime) == 0);

NtQuerySystemInformationFn ResolveNtQuerySystemInformation() {
    // ntdll is mapped into every process of the NT family; the 95 family has no such export.
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    if (!ntdll)
        return nullptr;
    const FARPROC proc = ::GetProcAddress(ntdll, "NtQuerySystemInformation");
    // Through the generic function pointer type, which -Wcast-function-type accepts.
    return reinterpret_cast<NtQuerySystemInformationFn>(reinterpret_cast<void (*)()>(proc));
}

NtQuerySystemInformationFn NtQuerySystemInformation() {
    static const NtQuerySystemInformationFn fn = ResolveNtQuerySystemInformation();
    return fn;
}

// Zero-fills the record and asks for exactly its size; true on STATUS_SUCCESS.
template <typename Record>
bool QueryRecord(NtQuerySystemInformationFn query, ULONG infoClass, Record& record) {
    record = Record{};
    return query(infoClass, &record, static_cast<ULONG>(sizeof record), nullptr) == 0;
}

}  // namespace

std::optional<CpuTimes> QueryCpuTimes() {
    const NtQuerySystemInformationFn query = NtQuerySystemInformation();
    if (!query)
        return std::nullopt;
    BasicInformation basic;
    if (!QueryRecord(query, kSystemBasicInformation, basic))
        return std::nullopt;
    TimeOfDayInformation timeOfDay;
    if (!QueryRecord(query, kSystemTimeOfDayInformation, timeOfDay))
        return std::nullopt;
    PerformanceInformation performance;
    if (!QueryRecord(query, kSystemPerformanceInformation, performance))
        return std::nullopt;

    CpuTimes times;
    times.idleTime = static_cast<std::uint64_t>(performance.idleProcessTime);
    times.systemTime = static_cast<std::uint64_t>(timeOfDay.currentTime);
    // The count is an unsigned byte in practice; a zero would divide the usage by zero.
    const auto processors = static_cast<std::uint8_t>(basic.numberOfProcessors);
    times.processors = processors == 0 ? 1u : processors;
    return times;
}

}  // namespace platform::win32
