#include "kelpworth/stamp.h"

#include "stamp/civil_calendar.h"
#include "support/text.h"

namespace kelpworth {

std::string StampText(std::uint64_t stamp) {
    const std::string digits = HexText(stamp, 16);
    return "0x" + digits.substr(0, 8) + "-0x" + digits.substr(8, 8);
}

TStampMoment FieldsOfStamp(std::uint64_t stamp) {
    const TCivilMoment civil = CivilMomentOf(static_cast<std::int64_t>(stamp / UnitsPerSecond));
    const TCivilDate& date = civil.Date;
    const auto secondOfDay = static_cast<std::uint32_t>(civil.SecondOfDay);
    TStampMoment moment;
    moment.Year = static_cast<std::uint16_t>(date.Year);
    moment.Month = date.Month;
    moment.Day = date.Day;
    moment.Hour = static_cast<std::uint16_t>(secondOfDay / 3600);
    moment.Minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
    moment.Second = static_cast<std::uint16_t>(secondOfDay % 60);
    moment.Units = static_cast<std::uint32_t>(stamp % UnitsPerSecond);
    return moment;
}

}  // namespace kelpworth
