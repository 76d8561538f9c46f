// Memory, drive, power, cursor and clock readings over kernel32 and user32, and the user's time and
// date formats.
#include "platform/win32/SystemReadings.h"

#include <process.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/TextConversion.h"

namespace platform::win32 {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

DriveSpace DriveFailure(DWORD code) {
    DriveSpace space;
    space.error = SystemErrorText(code);
    return space;
}

SYSTEMTIME ToSystemTime(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

bool InWordRange(const LocalTime& t) {
    for (const int v : {t.year, t.month, t.day, t.hour, t.minute, t.second, t.dayOfWeek}) {
        if (v < 0 || v > 0xFFFF)
            return false;
    }
    return true;
}

// The Get*FormatW convention: a zero-sized call reports the length with its NUL, a second call
// fills it. Empty when either call fails.
template <typename Format>
std::string FormatLocaleText(Format format) {
    const int needed = format(nullptr, 0);
    if (needed <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(needed));
    const int written = format(buffer.data(), needed);
    if (written <= 0)
        return {};
    return Utf8FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(written - 1)));
}

}  // namespace

MemoryStatus QueryMemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status))
        return {};
    return MemoryStatus{status.ullTotalPhys, status.ullAvailPhys};
}

std::string SystemErrorText(DWORD code) {
    wchar_t* text = nullptr;
    // Language 0: neutral, then the thread's, the user's and the system's language, then English.
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                         nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring_view message(text ? text : L"", text ? length : 0);
    const std::size_t end = message.find_last_not_of(L"\r\n \t");
    message = end == std::wstring_view::npos ? std::wstring_view() : message.substr(0, end + 1);
    std::string utf8 = Utf8FromWide(message);
    if (text)
        ::LocalFree(text);
    if (utf8.empty())
        utf8 = "エラー " + std::to_string(code);
    return utf8;
}

DriveSpace QueryDriveNow(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    // An empty floppy or card reader would otherwise stop the bar with the system's
    // "insert a disk" box. The old mode is read by setting one (GetErrorMode is Vista and later).
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    ::SetErrorMode(oldMode | SEM_FAILCRITICALERRORS);
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    const BOOL ok = ::GetDiskFreeSpaceExW(root, &available, &total, nullptr);
    const DWORD error = ok ? ERROR_SUCCESS : ::GetLastError();
    ::SetErrorMode(oldMode);

    if (!ok)
        return DriveFailure(error);
    DriveSpace space;
    space.ok = true;
    space.available = available.QuadPart;
    space.total = total.QuadPart;
    return space;
}

DriveSpace QueryDriveSpace(std::string_view element) {
    // Taken as written: " C" or "CD" is no drive, and neither reaches the file system.
    if (element.size() != 1 || !IsAsciiLetter(element[0]))
        return DriveFailure(ERROR_INVALID_DRIVE);
    // A disconnected network drive can keep the query waiting for a minute.
    return QueryDriveWithin(static_cast<wchar_t>(element[0]), kDriveAnswerMs, QueryDriveNow);
}

namespace {

struct DriveCall {
    DriveQuery query;
    wchar_t letter;
    DriveSpace result;  // written by the thread before it ends
};

unsigned __stdcall RunDriveCall(void* p) {
    auto* call = static_cast<DriveCall*>(p);
    call->result = call->query(call->letter);
    return 0;
}

// Queries that did not answer in time, until their threads end. The user-interface thread's own.
struct Stalled {
    HANDLE thread;
    DriveCall* call;
};
std::map<std::pair<DriveQuery, wchar_t>, Stalled>& StalledCalls() {
    static std::map<std::pair<DriveQuery, wchar_t>, Stalled> calls;
    return calls;
}

}  // namespace

DriveSpace QueryDriveWithin(wchar_t letter, DWORD limitMs, DriveQuery query) {
    auto& stalled = StalledCalls();
    const auto key = std::make_pair(query, letter);
    if (const auto it = stalled.find(key); it != stalled.end()) {
        if (::WaitForSingleObject(it->second.thread, 0) != WAIT_OBJECT_0)
            return DriveFailure(ERROR_TIMEOUT);
        ::CloseHandle(it->second.thread);
        delete it->second.call;
        stalled.erase(it);
    }
    auto call = std::make_unique<DriveCall>(DriveCall{query, letter, {}});
    const auto thread = reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, RunDriveCall, call.get(), 0, nullptr));
    if (!thread)
        return query(letter);  // no thread to be had: ask on this one
    if (::WaitForSingleObject(thread, limitMs) == WAIT_OBJECT_0) {
        ::CloseHandle(thread);
        return call->result;
    }
    // The thread still uses the call: both stay until it ends.
    stalled.emplace(key, Stalled{thread, call.release()});
    return DriveFailure(ERROR_TIMEOUT);
}

PowerStatus QueryPowerStatus() {
    SYSTEM_POWER_STATUS status{};
    if (!::GetSystemPowerStatus(&status))
        return {};
    return PowerStatus{status.ACLineStatus, status.BatteryLifePercent};
}

PixelPoint QueryCursorPos() {
    POINT p{};
    if (!::GetCursorPos(&p))
        return {};
    return PixelPoint{static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

LocalTime QueryLocalTime() {
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

std::string FormatTimeOfDay(const LocalTime& t) {
    if (!InWordRange(t))
        return {};
    const SYSTEMTIME st = ToSystemTime(t);
    return FormatLocaleText(
        [&st](wchar_t* out, int size) { return ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, out, size); });
}

std::string FormatShortDate(const LocalTime& t) {
    if (!InWordRange(t))
        return {};
    const SYSTEMTIME st = ToSystemTime(t);
    return FormatLocaleText([&st](wchar_t* out, int size) {
        return ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, out, size);
    });
}

}  // namespace platform::win32
