#include "stamp/system_time.h"

#include "stamp/civil_calendar.h"

namespace kelpworth {

platform::TSystemTime SystemTimeOf(const TStampMoment& moment) {
    platform::TSystemTime time;
    time.Year = moment.Year;
    time.Month = moment.Month;
    time.Day = moment.Day;
    time.Hour = moment.Hour;
    time.Minute = moment.Minute;
    time.Second = moment.Second;
    const std::int64_t days = DaysFrom1601({moment.Year, moment.Month, moment.Day});
    time.DayOfWeek = static_cast<std::uint16_t>((days % 7 + 8) % 7);  // 1601-01-01: a Monday
    return time;
}

TStampMoment WholeSecondOf(const platform::TSystemTime& time) {
    return TStampMoment{time.Year, time.Month, time.Day, time.Hour, time.Minute, time.Second, 0};
}

}  // namespace kelpworth
