// The bar's readings of the system on Windows: CPU idle time and clock, memory, drive sizes, power,
// cursor position, local time and the user's time and date formats.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace platform::win32 {

// NtQuerySystemInformation classes 0, 3 and 2 (see CpuCounters.cpp for the buffer sizes). Nothing
// when ntdll has no such function (the 95 family) or any of the three queries fails.
std::optional<CpuTimes> QueryCpuTimes();

// Physical memory in bytes; all zero when the query fails.
MemoryStatus QueryMemoryStatus();

// One element of the user's comma-separated drive list, exactly as written: only a single ASCII
// letter names a drive ("C" reads "C:\"); anything else fails as ERROR_INVALID_DRIVE does.
// A removable drive without a medium fails without the system's "insert a disk" dialog, and a drive
// that does not answer within kDriveAnswerMs (a disconnected network drive) fails as ERROR_TIMEOUT.
DriveSpace QueryDriveSpace(std::string_view element);

// The sizes of the drive of this letter, straight from the system (this may block for long).
DriveSpace QueryDriveNow(wchar_t letter);
using DriveQuery = DriveSpace (*)(wchar_t letter);
// query(letter) on a thread of its own, waited for at most limitMs; when it does not answer in time,
// a failure as ERROR_TIMEOUT. While that thread has not ended, the same query for the same letter
// fails at once, without another thread that would hang the same way. Call from one thread only.
DriveSpace QueryDriveWithin(wchar_t letter, DWORD limitMs, DriveQuery query);

// The system's text for an error code in the user's language, UTF-8, without the trailing line
// break; "エラー <code>" when the system has no text for it.
std::string SystemErrorText(DWORD code);

// AC line status and battery percentage; zero when the query fails.
PowerStatus QueryPowerStatus();

// Screen pixels; (0, 0) when the position cannot be read (for example on a locked desktop).
PixelPoint QueryCursorPos();

LocalTime QueryLocalTime();

// The time and the short date in the user's formats, UTF-8; empty when the system refuses the
// value (an hour of 25, a 30th of February).
std::string FormatTimeOfDay(const LocalTime& t);
std::string FormatShortDate(const LocalTime& t);

}  // namespace platform::win32
