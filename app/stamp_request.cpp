#include "app/stamp_request.h"

#include <optional>
#include <string>
#include <vector>

#include "app/strict_reading.h"
#include "platform/platform.h"
#include "stamp/calendar.h"
#include "stamp/details.h"
#include "stamp/stamp_conversion.h"
#include "stamp/stamp_forms.h"
#include "stamp/zone_offsets.h"
#include "support/clock_text.h"
#include "support/console_channel.h"
#include "support/text.h"

namespace kelpworth {
namespace {

constexpr std::string_view Prefix = "kelpworth: ";

std::string Padded(std::uint16_t value) {
    return value < 10 ? "0" + DecimalText(value) : DecimalText(value);
}

// "25.12.2017 10:20:30" with the locale's time separator.
std::string MomentText(const TStampFields& fields, char timeSep) {
    return Padded(fields.Day) + "." + Padded(fields.Month) + "." + DecimalText(fields.Year) + " " +
           Padded(fields.Hour) + timeSep + Padded(fields.Minute) + timeSep + Padded(fields.Second);
}

platform::TSystemTime SystemTimeOf(const TStampFields& fields) {
    platform::TSystemTime time;
    time.Year = fields.Year;
    time.Month = fields.Month;
    time.Day = fields.Day;
    time.Hour = fields.Hour;
    time.Minute = fields.Minute;
    time.Second = fields.Second;
    return time;
}

TStampFields FieldsOf(const platform::TSystemTime& time) {
    TStampFields fields;
    fields.Year = time.Year;
    fields.Month = time.Month;
    fields.Day = time.Day;
    fields.Hour = time.Hour;
    fields.Minute = time.Minute;
    fields.Second = time.Second;
    return fields;
}

// What a conversion to UTC gives: the UTC fields and the offset used, or
// the lines that refuse it.
struct TUtcOutcome {
    TStampFields Fields;
    std::int32_t Offset = 0;
    std::vector<std::string> Notes;   // on standard error; the stamp follows
    std::vector<std::string> Errors;  // on standard error, and no stamp
};

std::string UtcText(std::int64_t localSeconds, std::int32_t offset, std::uint16_t fourth,
                    char timeSep) {
    TStampFields utc;
    if (!FieldsOfSeconds(localSeconds - offset, fourth, utc)) return "outside the stamp's range";
    return MomentText(utc, timeSep) + " UTC";
}

// The local date and time of `local` in the system's zone, by the zone's
// rules for that date.
TUtcOutcome UtcOfLocal(const TStampFields& local, bool strict, char timeSep) {
    TUtcOutcome outcome;
    const std::int64_t seconds = SecondsOfFields(local);
    const TLocalTimeOffsets offsets = OffsetsOfLocalTime(seconds, platform::UtcOffsetAt);
    // The local date and time as the arithmetic takes them; before 1601 as
    // given.
    TStampFields read = local;
    FieldsOfSeconds(seconds, local.Fourth, read);
    const std::string moment = MomentText(read, timeSep);
    if (offsets.Kind == TLocalTimeKind::Unknown) {
        outcome.Errors.push_back(std::string(Prefix) + "/u: the time zone gives no UTC offset for " +
                                 moment);
        return outcome;
    }
    outcome.Offset = offsets.Offset;
    // "27.10.2024 00:30:00 UTC (UTC+02:00)"
    const std::string first = UtcText(seconds, offsets.Offset, 0, timeSep) + " (UTC" +
                              UtcOffsetText(offsets.Offset) + ")";
    const std::string other = UtcText(seconds, offsets.OtherOffset, 0, timeSep) + " (UTC" +
                              UtcOffsetText(offsets.OtherOffset) + ")";
    std::string note;
    if (offsets.Kind == TLocalTimeKind::Repeated) {
        note = moment + " occurs twice in this time zone (clocks were turned back): " +
               (strict ? "first " + first + ", then " + other
                       : "read as its first occurrence, " + first + "; the second is " + other);
    } else if (offsets.Kind == TLocalTimeKind::Missing) {
        note = moment + " does not occur in this time zone (clocks were turned forward): " +
               (strict ? "with the offset before the change it would be " + first +
                             ", with the offset after it " + other
                       : "read with the offset before the change, as " + first +
                             "; with the offset after it, it would be " + other);
    }
    if (!note.empty()) {
        if (strict) {
            outcome.Errors.push_back(std::string(Prefix) + "/u: " + note +
                                     "; a strict reading needs a local time that occurs once");
            return outcome;
        }
        outcome.Notes.push_back(std::string(Prefix) + "/u: " + note);
    }
    if (!FieldsOfSeconds(seconds - offsets.Offset, local.Fourth, outcome.Fields)) {
        outcome.Errors.push_back(std::string(Prefix) + "/u: " + moment + " at UTC" +
                                 UtcOffsetText(offsets.Offset) +
                                 " falls outside 01.01.1601 to 31.12.9999 in UTC, where the "
                                 "stamp has no count");
    }
    return outcome;
}

void WriteEveryForm(std::uint64_t stamp, const TStampFields& converted, bool utc) {
    WriteLine("decimal: " + DecimalForm(stamp));
    WriteLine("hex: " + HexForm(stamp));
    WriteLine("bytes: " + MemoryBytesForm(stamp));
    WriteLine("reg: " + RegistryForm(stamp));
    WriteLine("iso: " + IsoForm(stamp, utc));
    const std::uint64_t exact =
        ExactStampOfFields(converted.Year, converted.Month, converted.Day, converted.Hour,
                           converted.Minute, converted.Second, converted.Fourth);
    if (exact != stamp) {
        WriteLine("exact: " + StampText(exact) + " " + IsoForm(exact, utc) +
                  "; the stamp above is one second short by the tool's compatible arithmetic");
    }
}

}  // namespace

int CarryOutStampRequest(const TCommandLineRequest& request, const TLocaleTextSettings& settings,
                         std::string_view title) {
    if (request.Strict) {
        const TClockTexts clock{CurrentDateText(), CurrentTimeText()};
        const std::vector<std::string> problems = StrictReadingProblems(
            request, settings, clock, platform::DayMonthYearLocaleHint());
        for (const std::string& problem : problems) WriteErrorLine(problem);
        if (!problems.empty()) return RefusedExitCode;
    }

    TConversionResult result;
    TStampFields converted;
    std::optional<std::int32_t> offset;
    if (request.Utc && request.Current) {
        // The clock's own UTC reading: the current moment even in a repeated hour.
        converted = FieldsOf(platform::ReadUniversalTime());
        std::int32_t seconds = 0;
        const std::int64_t utcSeconds = SecondsOfFields(converted);
        if (platform::UtcOffsetAt(utcSeconds, seconds)) offset = seconds;
        TStampFields local = converted;
        FieldsOfSeconds(utcSeconds + offset.value_or(0), 0, local);
        result.Used = {DateText(SystemTimeOf(local), DatePicture),
                       TimeText(SystemTimeOf(local), TimePicture), ""};
        result.Fields = local;
    } else {
        result = ComputeStamp(request.Record);
        converted = result.Fields;
        if (request.Utc) {
            const TUtcOutcome utc = UtcOfLocal(result.Fields, request.Strict, settings.TimeSep);
            for (const std::string& line : utc.Notes) WriteErrorLine(line);
            for (const std::string& line : utc.Errors) WriteErrorLine(line);
            if (!utc.Errors.empty()) return RefusedExitCode;
            converted = utc.Fields;
            offset = utc.Offset;
        }
    }

    const std::uint64_t stamp =
        request.Utc ? StampOfFields(converted.Year, converted.Month, converted.Day,
                                    converted.Hour, converted.Minute, converted.Second,
                                    converted.Fourth)
                    : result.Stamp;
    const std::string stampText = StampText(stamp);
    WriteLine(stampText);
    if (request.EveryForm) WriteEveryForm(stamp, converted, request.Utc);
    if (request.Details) ShowDetails(title, result.Used, result.Fields, stampText, offset);
    return 0;
}

}  // namespace kelpworth
