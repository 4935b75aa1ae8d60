#include "app/request_outcome.h"

#include <string>
#include <vector>

#include "app/strict_reading.h"
#include "app/zone_notes.h"
#include "kelpworth/stamp.h"
#include "platform/platform.h"
#include "stamp/calendar.h"
#include "stamp/civil_calendar.h"
#include "stamp/details.h"
#include "stamp/stamp_conversion.h"
#include "stamp/stamp_forms.h"
#include "stamp/stamp_reading.h"
#include "stamp/zone_offsets.h"
#include "support/clock_text.h"
#include "support/console_channel.h"
#include "support/text.h"

namespace kelpworth {
namespace {

constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;
constexpr std::uint64_t Never = TopBit - 1;  // 0x7FFFFFFFFFFFFFFF

std::string TwoDigits(std::uint16_t value) {
    return value < 10 ? "0" + DecimalText(value) : DecimalText(value);
}

// "25.12.2017 10:20:30" with the locale's time separator.
std::string MomentText(const TStampFields& fields, char timeSep) {
    return TwoDigits(fields.Day) + "." + TwoDigits(fields.Month) + "." +
           DecimalText(fields.Year) + " " + TwoDigits(fields.Hour) + timeSep +
           TwoDigits(fields.Minute) + timeSep + TwoDigits(fields.Second);
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

TRequestOutcome Refused(std::vector<std::string> messages) {
    TRequestOutcome outcome;
    outcome.Messages = std::move(messages);
    outcome.ExitCode = RefusedExitCode;
    return outcome;
}

// What a conversion to UTC gives: the UTC fields and the offset used, or
// the messages that refuse it.
struct TUtcFields {
    TStampFields Fields;
    std::int32_t Offset = 0;
    std::vector<std::string> Notes;  // the stamp follows them
    bool Refused = false;            // the notes refuse it
};

std::string UtcText(std::int64_t localSeconds, std::int32_t offset, char timeSep) {
    TStampFields utc;
    if (!FieldsOfSeconds(localSeconds - offset, 0, utc)) return "outside the stamp's range";
    return MomentText(utc, timeSep) + " UTC";
}

// The UTC date and time of the local `local` in the system's zone, by the
// zone's rules for that date.
TUtcFields UtcOfLocal(const TStampFields& local, bool strict, char timeSep) {
    TUtcFields utc;
    const std::int64_t seconds = SecondsOfFields(local);
    const TLocalTimeOffsets offsets = OffsetsOfLocalTime(seconds, platform::UtcOffsetAt);
    // The local date and time as the arithmetic takes them; before 1601 as
    // given.
    TStampFields read = local;
    FieldsOfSeconds(seconds, local.Fourth, read);
    const std::string moment = MomentText(read, timeSep);
    TZoneNotes zone = PlatformZoneNotes(read.Year, strict);
    utc.Notes = std::move(zone.Notes);
    utc.Refused = zone.Refused;
    if (utc.Refused) return utc;
    if (offsets.Kind == TLocalTimeKind::Unknown) {
        utc.Notes.push_back("/u: the time zone gives no UTC offset for " + moment);
        utc.Refused = true;
        return utc;
    }
    utc.Offset = offsets.Offset;
    // "27.10.2024 00:30:00 UTC (UTC+02:00)"
    const std::string first = UtcText(seconds, offsets.Offset, timeSep) + " (UTC" +
                              UtcOffsetText(offsets.Offset) + ")";
    const std::string other = UtcText(seconds, offsets.OtherOffset, timeSep) + " (UTC" +
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
        utc.Notes.push_back("/u: " + note +
                            (strict ? "; a strict reading needs a local time that occurs once"
                                    : ""));
        utc.Refused = strict;
        if (strict) return utc;
    }
    if (!FieldsOfSeconds(seconds - offsets.Offset, local.Fourth, utc.Fields)) {
        utc.Notes.push_back("/u: " + moment + " at UTC" + UtcOffsetText(offsets.Offset) +
                            " falls outside 01.01.1601 to 31.12.9999 in UTC, where the stamp "
                            "has no count");
        utc.Refused = true;
    }
    return utc;
}

void AddLine(std::vector<TResultLine>& lines, std::string label, std::string value,
             std::string comment = {}) {
    lines.push_back(TResultLine{std::move(label), std::move(value), std::move(comment)});
}

void AddEveryForm(std::vector<TResultLine>& lines, std::uint64_t stamp) {
    AddLine(lines, "decimal", UnsignedDecimalText(stamp));
    AddLine(lines, "hex", HexForm(stamp));
    AddLine(lines, "bytes", MemoryBytesForm(stamp));
    AddLine(lines, "reg", RegistryForm(stamp));
}

// The user's short forms of a moment's whole second; the tool's own when
// the platform renders none.
std::string UserForms(const TStampMoment& moment) {
    TStampFields fields;
    fields.Year = moment.Year;
    fields.Month = moment.Month;
    fields.Day = moment.Day;
    fields.Hour = moment.Hour;
    fields.Minute = moment.Minute;
    fields.Second = moment.Second;
    platform::TSystemTime time = SystemTimeOf(fields);
    const std::int64_t days = DaysFrom1601({moment.Year, moment.Month, moment.Day});
    time.DayOfWeek = static_cast<std::uint16_t>((days % 7 + 8) % 7);  // 1601-01-01: a Monday
    std::string text = platform::UserDateTimeText(time);
    return text.empty() ? MomentText(fields, ':') : text;
}

}  // namespace

TRequestOutcome StampRequestOutcome(const TCommandLineRequest& request,
                                    const TLocaleTextSettings& settings) {
    if (request.Strict) {
        const TClockTexts clock{CurrentDateText(), CurrentTimeText()};
        std::vector<std::string> problems = StrictReadingProblems(
            request, settings, clock, platform::DayMonthYearLocaleHint());
        if (!problems.empty()) return Refused(std::move(problems));
    }

    TRequestOutcome outcome;
    TConversionResult result;
    TStampFields converted;  // the fields the stamp is of
    std::optional<std::int32_t> offset;
    if (request.Utc && request.Current) {
        // The clock's own UTC reading: the current moment even in a repeated hour.
        converted = FieldsOf(platform::ReadUniversalTime());
        const std::int64_t utcSeconds = SecondsOfFields(converted);
        std::int32_t seconds = 0;
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
            TUtcFields utc = UtcOfLocal(result.Fields, request.Strict, settings.TimeSep);
            if (utc.Refused) return Refused(std::move(utc.Notes));
            outcome.Messages = std::move(utc.Notes);
            converted = utc.Fields;
            offset = utc.Offset;
        }
    }

    const std::uint64_t stamp =
        request.Utc ? StampOfFields(converted.Year, converted.Month, converted.Day,
                                    converted.Hour, converted.Minute, converted.Second,
                                    converted.Fourth)
                    : result.Stamp;
    outcome.Lines.reserve(request.EveryForm ? 7 : 1);
    std::string stampText = StampText(stamp);
    if (request.Details) {
        outcome.Details = TDetails{result.Used, result.Fields, stampText, offset};
    }
    AddLine(outcome.Lines, "", std::move(stampText));
    if (request.EveryForm) {
        AddEveryForm(outcome.Lines, stamp);
        AddLine(outcome.Lines, "iso", IsoForm(stamp, request.Utc));
        const std::uint64_t exact =
            ExactStampOfFields(converted.Year, converted.Month, converted.Day, converted.Hour,
                               converted.Minute, converted.Second, converted.Fourth);
        if (exact != stamp) {
            AddLine(outcome.Lines, "exact", StampText(exact),
                    IsoForm(exact, request.Utc) +
                        "; the stamp above is one second short by the tool's compatible "
                        "arithmetic");
        }
    }
    return outcome;
}

TRequestOutcome StampReadingOutcome(const TCommandLineRequest& request,
                                    const TLocaleTextSettings&) {
    const TGivenValue& given = request.Stamp;
    if (!given.Text || given.Text->empty()) {
        return Refused({std::string("/r has ") + (given.Text ? "an empty value" : "no value")});
    }
    const std::string quoted = "/r \"" + *given.Text + "\": ";
    const TStampTextReading reading = ReadStampText(*given.Text);
    if (reading.Kind == TStampTextKind::NoForm) {
        return Refused({quoted +
                        "no stamp; give 0xHHHHHHHH-0xLLLLLLLL, 0x and up to 16 hexadecimal "
                        "digits, decimal digits, or the 8 bytes of a registry file "
                        "(hex(b):80,d4,c9,fc,69,7d,d3,01)"});
    }
    if (reading.Kind == TStampTextKind::TooLarge) return Refused({quoted + "more than 64 bits"});
    const std::uint64_t stamp = reading.Stamp;
    if ((stamp & TopBit) != 0) {
        return Refused({quoted + StampText(stamp) +
                        " is no valid file time: its top bit is set"});
    }

    TRequestOutcome outcome;
    outcome.Lines.reserve(request.EveryForm ? 8 : 3);
    if (stamp == 0) outcome.Messages.push_back("/r: the stamp 0 often stands for \"not set\"");
    if (stamp == Never) {
        outcome.Messages.push_back(
            "/r: the stamp 0x7FFFFFFF-0xFFFFFFFF often stands for \"never\" (directories, "
            "account expiry)");
    }
    AddLine(outcome.Lines, "", IsoForm(stamp, request.Utc));
    TStampMoment shown = FieldsOfStamp(stamp);
    if (request.Utc) {
        TZoneNotes zone = PlatformZoneNotes(shown.Year, request.Strict);
        if (zone.Refused) return Refused(std::move(zone.Notes));
        outcome.Messages.insert(outcome.Messages.end(), zone.Notes.begin(), zone.Notes.end());
        std::int32_t offset = 0;
        const auto seconds = static_cast<std::int64_t>(stamp / UnitsPerSecond);
        if (!platform::UtcOffsetAt(seconds, offset)) {
            return Refused({"/u: the time zone gives no UTC offset for " +
                            IsoForm(stamp, true)});
        }
        AddLine(outcome.Lines, "", LocalIsoForm(stamp, offset));
        const std::int64_t local = seconds + offset;
        if (local >= 0) shown = FieldsOfStamp(static_cast<std::uint64_t>(local) * UnitsPerSecond);
    }
    AddLine(outcome.Lines, "", UserForms(shown));
    if (request.EveryForm) {
        AddLine(outcome.Lines, "stamp", StampText(stamp));
        AddEveryForm(outcome.Lines, stamp);
    }
    return outcome;
}

std::string MessageLine(std::string_view message) {
    return "kelpworth: " + std::string(message);
}

int CarryOut(const TRequestOutcome& outcome, std::string_view title) {
    for (const std::string& message : outcome.Messages) WriteErrorLine(MessageLine(message));
    for (const TResultLine& line : outcome.Lines) {
        std::string text = line.Label.empty() ? line.Value : line.Label + ": " + line.Value;
        if (!line.Comment.empty()) text += " " + line.Comment;
        WriteLine(text);
    }
    if (outcome.Details) {
        const TDetails& details = *outcome.Details;
        ShowDetails(title, details.Used, details.Fields, details.StampText, details.UtcOffset);
    }
    return outcome.ExitCode;
}

void AppendOneLine(std::string& line, const TRequestOutcome& outcome) {
    bool first = true;
    for (const TResultLine& result : outcome.Lines) {
        if (!first) line += '\t';
        line += result.Value;
        first = false;
    }
}

}  // namespace kelpworth
