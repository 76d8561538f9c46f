// The holiday test over any rule lists and any date, the way the calendar calls it.
#include <cstring>

#include "FuzzInput.h"
#include "calendar/basHoliday.h"
#include "core/AppSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    std::int16_t date[4];
    std::memcpy(date, data, sizeof date);
    fuzz::Fields fields(data + 8, size - 8);
    core::AppSettings.CalendarHoliday1 = fields.Next();
    core::AppSettings.CalendarHoliday2 = fields.Next();
    basHoliday::HolidayName(date[0], date[1], date[2], date[3]);
    // A whole month of the given year, as the calendar fills its grid.
    for (std::int16_t day = 1; day <= 31; ++day)
        basHoliday::HolidayName(date[0], static_cast<std::int16_t>((date[1] & 15) % 13), day, 31);
    return 0;
}
