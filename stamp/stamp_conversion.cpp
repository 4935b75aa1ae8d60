#include "stamp/stamp_conversion.h"

#include "kelpworth/stamp.h"
#include "stamp/calendar.h"
#include "support/clock_text.h"
#include "support/number_reader.h"

namespace kelpworth {
namespace {

// The clock texts always pass the checks, so one date and one time retry
// are all a real clock needs. The bound only guards against a clock that
// could render a failing text; the conversion then goes on with the fields
// as read.
constexpr int MaxRetries = 4;

struct TDigitGroup {
    std::uint16_t Value = 0;  // low 16 bits of the number read
    std::size_t Digits = 0;
};

// Reads the digit group that starts at `position` (0-based) and moves past
// it; an empty group reads as 0.
TDigitGroup ReadDigitGroup(std::string_view text, std::size_t& position) {
    const std::size_t first = position;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') ++position;
    const std::string_view digits = text.substr(first, position - first);
    return {static_cast<std::uint16_t>(ReadDecimal(digits)), digits.size()};
}

// Walks the groups of `text`; any single non-digit character separates
// them. `accept(groupIndex, group)` stores a group and says whether it
// passes.
template <typename Accept>
TFailedGroup SplitGroups(std::string_view text, Accept accept) {
    std::size_t position = 0;
    for (int group = 1; position < text.size(); ++group) {
        const TDigitGroup digits = ReadDigitGroup(text, position);
        if (!accept(group, digits)) return group;
        ++position;  // the separator, whatever it is
    }
    return NoFailedGroup;
}

}  // namespace

TFailedGroup SplitDateText(std::string_view text, TStampMoment& fields) {
    return SplitGroups(text, [&](int group, const TDigitGroup& digits) {
        switch (group) {
            case 1:
                fields.Day = digits.Value;
                return fields.Day >= 1 && fields.Day <= 31;
            case 2:
                fields.Month = digits.Value;
                return fields.Month >= 1 && fields.Month <= 12;
            case 3:
                fields.Year = digits.Value;
                return digits.Digits == 4;
            default:
                return true;
        }
    });
}

TFailedGroup SplitTimeText(std::string_view text, TStampMoment& fields) {
    return SplitGroups(text, [&](int group, const TDigitGroup& digits) {
        switch (group) {
            case 1:
                fields.Hour = digits.Value;
                return fields.Hour <= 24;
            case 2:
                fields.Minute = digits.Value;
                return fields.Minute <= 59;
            case 3:
                fields.Second = digits.Value;
                return fields.Second <= 59;
            case 4:
                fields.Units = digits.Value * UnitsPerMillisecond;
                return digits.Value <= 99;
            default:
                return true;
        }
    });
}

TConversionResult ComputeStamp(TDateTimeRecord record, const TClock& clock) {
    TStampMoment fields = NoFieldsRead;
    for (int retries = 0;; ++retries) {
        const bool mayRetry = retries < MaxRetries;
        fields = NoFieldsRead;
        if (record.DateStr.empty() && mayRetry) {
            record.DateStr = CurrentDateText(clock);
            continue;
        }
        const bool dateSplit = SplitDateText(record.DateStr, fields) == NoFailedGroup;
        if ((!dateSplit || fields.Year == 0 || fields.Month == 0 || fields.Day == 0) && mayRetry) {
            record.DateStr = CurrentDateText(clock);
            continue;
        }
        if (record.TimeStr.empty() && mayRetry) {
            record.TimeStr = CurrentTimeText(clock);
            continue;
        }
        if (SplitTimeText(record.TimeStr, fields) != NoFailedGroup && mayRetry) {
            record.TimeStr = CurrentTimeText(clock);
            continue;
        }
        break;
    }

    const std::uint64_t stamp = StampOfFields(fields.Year, fields.Month, fields.Day, fields.Hour,
                                              fields.Minute, fields.Second,
                                              fields.Units / UnitsPerMillisecond);
    TConversionResult result;
    result.Used = record;
    result.Fields = fields;
    result.Stamp = stamp;
    return result;
}

}  // namespace kelpworth
