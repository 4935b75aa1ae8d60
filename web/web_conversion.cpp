#include "web/web_conversion.h"

#include "kelpworth/stamp.h"
#include "stamp/civil_calendar.h"
#include "stamp/stamp_forms.h"
#include "stamp/stamp_reading.h"
#include "support/text.h"
#include "web/moment_reading.h"

namespace kelpworth::web {
namespace {

constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;
constexpr std::string_view FormsRead =
    "give 0xHHHHHHHH-0xLLLLLLLL, 0x and up to 16 hexadecimal digits, decimal digits, or "
    "the 8 bytes in memory order (80,d4,c9,fc,69,7d,d3,01, with or without hex(b):)";
// The console tool reads years of four digits.
constexpr std::uint16_t ToolLastYear = 9999;

TWebResult Refusal(std::string field, std::string error) {
    TWebResult result;
    result.ErrorField = std::move(field);
    result.Error = std::move(error);
    return result;
}

void AddValue(TWebResult& result, std::string form, std::string text) {
    result.Values.push_back(TFormValue{std::move(form), std::move(text)});
}

std::string TwoDigits(std::uint16_t value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string OffsetName(std::int32_t offset) { return "UTC" + UtcOffsetText(offset); }

// "2024-10-27T00:30:00.0000000Z (UTC+02:00)", the UTC moment of local
// seconds at an offset; a moment outside the stamp's range is named so.
std::string UtcMomentAt(std::int64_t localSeconds, std::uint32_t units, std::int32_t offset) {
    const std::int64_t seconds = localSeconds - offset;  // about -1e5 .. 9.3e11
    const bool inRange = seconds >= 0 &&
                         static_cast<std::uint64_t>(seconds) <= LastStamp / UnitsPerSecond;
    const std::string moment =
        inRange ? IsoForm(static_cast<std::uint64_t>(seconds) * UnitsPerSecond + units, true)
                : "outside the stamp's range";
    return moment + " (" + OffsetName(offset) + ")";
}

// The note on a local time that occurs twice or never, in the words of
// the tool's /u.
std::string ZoneNote(const TLocalTimeOffsets& offsets, std::int64_t localSeconds,
                     std::uint32_t units, const std::string& zoneName) {
    const std::string local =
        IsoForm(static_cast<std::uint64_t>(localSeconds) * UnitsPerSecond + units, false);
    const std::string first = UtcMomentAt(localSeconds, units, offsets.Offset);
    const std::string other = UtcMomentAt(localSeconds, units, offsets.OtherOffset);
    if (offsets.Kind == TLocalTimeKind::Repeated) {
        return local + " occurs twice in " + zoneName +
               " (clocks were turned back): read as its first occurrence, " + first +
               ", as the console tool's /u does; the second is " + other;
    }
    return local + " does not occur in " + zoneName +
           " (clocks were turned forward): read with the offset before the change, as " +
           first + ", as the console tool's /u does; with the offset after it, it would be " +
           other;
}

// The console tool's command line for the moment and the stamp line it
// prints, with why that line is not the exact stamp; nothing where the
// tool reads no such date.
void AddConsoleTool(TWebResult& result, const TStampMoment& local, std::uint64_t stamp,
                    const TZone& zone, bool utc) {
    const TStampMoment inUtc = FieldsOfStamp(stamp);
    if (local.Year > ToolLastYear || inUtc.Year > ToolLastYear) return;
    result.Command = (utc ? "" : "TZ=" + zone.Name + " ") + "LANG=de_DE.UTF-8 kelpworth /d" +
                     TwoDigits(local.Day) + "." + TwoDigits(local.Month) + "." +
                     UnsignedDecimalText(local.Year) + " /t" + TwoDigits(local.Hour) + ":" +
                     TwoDigits(local.Minute) + ":" + TwoDigits(local.Second) +
                     (utc ? "" : " /u");
    const std::uint64_t kept = StampOfFields(inUtc.Year, inUtc.Month, inUtc.Day, inUtc.Hour,
                                             inUtc.Minute, inUtc.Second, 0);
    const std::uint64_t wholeSecond = stamp - inUtc.Units;
    const std::string takesWholeSeconds =
        inUtc.Units != 0 ? ", which takes whole seconds," : "";
    if (kept == wholeSecond) {
        if (inUtc.Units != 0) {
            result.Notes.push_back("The console tool" + takesWholeSeconds + " prints " +
                                   StampText(kept) + " for this input.");
        }
        return;
    }
    // Days 02.01.1601 to 29.12.1899 lie before the arithmetic's day 0.
    result.ConsoleStamp = StampText(kept);
    const bool beforeDayZero =
        (inUtc.Year > 1601 || inUtc.Month > 1 || inUtc.Day > 1) &&
        (inUtc.Year < 1899 || (inUtc.Year == 1899 && (inUtc.Month < 12 || inUtc.Day < 30)));
    result.Notes.push_back(
        "The console tool" + takesWholeSeconds + " prints " + StampText(kept) +
        " for this input, " + IsoForm(kept, true) + ": its kept arithmetic " +
        (beforeDayZero ? "counts the time of day backwards before 30.12.1899"
                       : "comes out one second short") +
        ". The stamp above is the exact count.");
}

void AddEveryForm(TWebResult& result, std::uint64_t stamp) {
    AddValue(result, "halves", StampText(stamp));
    AddValue(result, "hex", "0x" + HexForm(stamp));
    AddValue(result, "decimal", UnsignedDecimalText(stamp));
    AddValue(result, "bytes", MemoryBytesForm(stamp));
    AddValue(result, "reg", RegistryForm(stamp));
}

const std::string* ValueOf(const TWebResult& result, std::string_view form) {
    for (const TFormValue& value : result.Values) {
        if (value.Form == form) return &value.Text;
    }
    return nullptr;
}

void AppendColumns(const TWebResult& result, std::initializer_list<std::string_view> forms,
                   std::string& out) {
    bool first = true;
    for (const std::string_view form : forms) {
        if (!first) out += '\t';
        first = false;
        if (const std::string* text = ValueOf(result, form)) out += *text;
    }
}

}  // namespace

TWebResult ConvertMoment(std::string_view text, const TZone& zone) {
    const TMomentReading reading = ReadMomentText(text);
    if (reading.Failed != TMomentField::None) {
        return Refusal(reading.Failed == TMomentField::Date ? "date" : "time", reading.Problem);
    }
    const TStampMoment& moment = reading.Moment;
    const bool utc = reading.Utc || zone.Utc;
    const std::optional<std::uint64_t> asIfUtc = StampOfMoment(moment);
    // Local seconds from 1601 up to 2.1e12 (year 65535) whatever the range
    // of the stamp.
    const std::int64_t localSeconds =
        DaysFrom1601({moment.Year, moment.Month, moment.Day}) * SecondsPerCivilDay +
        moment.Hour * 3600 + moment.Minute * 60 + moment.Second;

    TWebResult result;
    TLocalTimeOffsets offsets;
    offsets.Kind = TLocalTimeKind::Unique;
    if (!utc) {
        offsets = OffsetsOfLocalTime(localSeconds, zone.OffsetAt);
        if (offsets.Kind == TLocalTimeKind::Unknown) {
            return Refusal("zone", "the zone " + zone.Name + " gives no UTC offset for " +
                                       (asIfUtc ? IsoForm(*asIfUtc, false) : "this moment"));
        }
        if (offsets.Kind != TLocalTimeKind::Unique) {
            result.Notes.push_back(ZoneNote(offsets, localSeconds, moment.Units, zone.Name));
        }
    }
    const std::int64_t utcSeconds = localSeconds - offsets.Offset;  // offsets within a day
    if (utcSeconds < 0) {
        return Refusal("date", "before the first stamp, 1601-01-01T00:00:00.0000000Z: the "
                               "count begins there");
    }
    if (static_cast<std::uint64_t>(utcSeconds) > LastStamp / UnitsPerSecond ||
        static_cast<std::uint64_t>(utcSeconds) * UnitsPerSecond + moment.Units > LastStamp) {
        return Refusal("date", "after the last stamp, " + IsoForm(LastStamp, true) +
                                   ": above it the top bit is set");
    }
    const std::uint64_t stamp = static_cast<std::uint64_t>(utcSeconds) * UnitsPerSecond +
                                moment.Units;  // 0 .. LastStamp
    AddEveryForm(result, stamp);
    AddValue(result, "iso", IsoForm(stamp, true));
    // The moment as the zone shows it: a missing local time read with the
    // offset before the change is shown with the offset after it.
    std::int32_t shownOffset = offsets.Offset;
    if (!utc && !zone.OffsetAt(utcSeconds, shownOffset)) shownOffset = offsets.Offset;
    AddValue(result, "local", LocalIsoForm(stamp, shownOffset));
    AddConsoleTool(result, moment, stamp, zone, utc);
    return result;
}

TWebResult ReadStamp(std::string_view text, const TZone& zone) {
    const std::string trimmed = TrimText(text);
    const TStampTextReading reading = ReadStampText(trimmed);
    if (reading.Kind == TStampTextKind::NoForm) {
        return Refusal("stamp", "no stamp: " + std::string(FormsRead));
    }
    if (reading.Kind == TStampTextKind::TooLarge) {
        return Refusal("stamp", "more than 64 bits: a stamp has 16 hexadecimal digits, 8 bytes, "
                                "or a decimal value up to 9223372036854775807");
    }
    const std::uint64_t stamp = reading.Stamp;
    if ((stamp & TopBit) != 0) {
        return Refusal("stamp", StampText(stamp) +
                                    " is no valid file time: its top bit is set (the last is "
                                    "0x7FFFFFFF-0xFFFFFFFF)");
    }
    std::int32_t offset = 0;
    const auto seconds = static_cast<std::int64_t>(stamp / UnitsPerSecond);
    if (!zone.Utc && !zone.OffsetAt(seconds, offset)) {
        return Refusal("zone", "the zone " + zone.Name + " gives no UTC offset for " +
                                   IsoForm(stamp, true));
    }
    TWebResult result;
    if (stamp == 0) result.Notes.emplace_back("0 often stands for \"not set\".");
    if (stamp == LastStamp) {
        result.Notes.emplace_back(
            "0x7FFFFFFF-0xFFFFFFFF often stands for \"never\" (directories, account expiry).");
    }
    AddValue(result, "iso", IsoForm(stamp, true));
    AddValue(result, "local", LocalIsoForm(stamp, offset));
    AddEveryForm(result, stamp);
    return result;
}

std::string ResultRecord(const TWebResult& result) {
    std::string record;
    const auto add = [&record](std::string_view name, std::string_view text) {
        if (text.empty()) return;
        record.append(name).append(1, '\t').append(text).append(1, '\n');
    };
    for (const TFormValue& value : result.Values) add(value.Form, value.Text);
    for (const std::string& note : result.Notes) add("note", note);
    add("command", result.Command);
    add("console", result.ConsoleStamp);
    add("error-field", result.ErrorField);
    add("error", result.Error);
    return record;
}

void ConvertLines(std::string_view text, const TZone& zone, std::string& out) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string trimmed = TrimText(line);
        if (!trimmed.empty()) {
            const bool moment = LooksLikeMoment(trimmed);
            const TWebResult result =
                moment ? ConvertMoment(trimmed, zone) : ReadStamp(trimmed, zone);
            if (!result.Error.empty()) {
                out += "error: " + result.Error;
            } else if (moment) {
                AppendColumns(result, {"halves", "decimal", "hex", "bytes", "reg", "iso"}, out);
                if (!result.ConsoleStamp.empty()) out += '\t' + result.ConsoleStamp;
            } else {
                AppendColumns(result, {"iso", "local", "halves", "decimal", "hex", "bytes", "reg"},
                              out);
            }
        }
        out += '\n';
    }
}

}  // namespace kelpworth::web
