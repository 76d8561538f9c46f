// What the bar and the calendar read of the machine: processor, memory, drives, power and the clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Types.h"

namespace platform {

class ReadingsPort {
public:
    virtual ~ReadingsPort() = default;

    // Nothing when the counters cannot be read.
    virtual std::optional<CpuTimes> QueryCpuTimes() = 0;
    virtual MemoryStatus QueryMemoryStatus() = 0;
    // The drive named by one element of the Drive setting, exactly as the user wrote it. Answers
    // within about kDriveAnswerMs: a drive that does not (a dead network drive) fails with the
    // system's timeout description, and fails at once until its stalled query has come back.
    virtual DriveSpace QueryDriveSpace(std::string_view element) = 0;
    virtual PowerStatus QueryPowerStatus() = 0;
    // The folders drive names other than C stand for (drive name -> folder), from the settings file;
    // later QueryDriveSpace calls look names up here. Windows has drive letters and ignores it.
    virtual void SetDriveMap(std::vector<std::pair<std::string, std::string>> folders) = 0;
    virtual LocalTime Now() = 0;
    // The time of day in the user's time format, and the date in the user's short date format.
    virtual std::string FormatTime(const LocalTime& t) = 0;
    virtual std::string FormatShortDate(const LocalTime& t) = 0;
};

}  // namespace platform
