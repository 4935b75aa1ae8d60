#include "web/web_conversion.h"

#include "kelpworth/stamp.h"
#include "stamp/civil_calendar.h"
#include "stamp/exact_stamp.h"
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

// The console tool's stamp line, and why it is another count.
struct TConsoleStamp {
    std::uint64_t Stamp = 0;
    TStampLineDifference Difference = TStampLineDifference::None;
};

// The stamp line the console tool prints for the moment (whole seconds),
// where it is not the exact count of that second; nothing where the tool
// reads no such date.
std::optional<TConsoleStamp> ConsoleStampIfOther(const TStampMoment& local, std::uint64_t stamp) {
    TStampMoment inUtc = FieldsOfStamp(stamp);
    if (local.Year > ToolLastYear || inUtc.Year > ToolLastYear) return std::nullopt;
    inUtc.Units = 0;
    const std::uint64_t kept = StampOfFields(inUtc.Year, inUtc.Month, inUtc.Day, inUtc.Hour,
                                             inUtc.Minute, inUtc.Second, 0);
    const TExactStamp exact = ExactStampBeside(inUtc, kept);
    if (exact.Difference == TStampLineDifference::None) return std::nullopt;
    return TConsoleStamp{kept, exact.Difference};
}

// The console tool's command line for the moment and, where it prints
// another stamp line or drops the fraction, a note with that line and why.
void AddConsoleTool(TWebResult& result, const TStampMoment& local, std::uint64_t stamp,
                    const TZone& zone, bool utc) {
    const TStampMoment inUtc = FieldsOfStamp(stamp);
    if (local.Year > ToolLastYear || inUtc.Year > ToolLastYear) return;
    result.Command = (utc ? "" : "TZ=" + zone.Name + " ") + "LANG=de_DE.UTF-8 kelpworth /d" +
                     TwoDigits(local.Day) + "." + TwoDigits(local.Month) + "." +
                     UnsignedDecimalText(local.Year) + " /t" + TwoDigits(local.Hour) + ":" +
                     TwoDigits(local.Minute) + ":" + TwoDigits(local.Second) +
                     (utc ? "" : " /u");
    const std::string takesWholeSeconds =
        inUtc.Units != 0 ? ", which takes whole seconds," : "";
    const std::optional<TConsoleStamp> kept = ConsoleStampIfOther(local, stamp);
    if (!kept) {
        if (inUtc.Units != 0) {
            result.Notes.push_back("The console tool" + takesWholeSeconds + " prints " +
                                   StampText(stamp - inUtc.Units) + " for this input.");
        }
        return;
    }
    result.ConsoleStamp = StampText(kept->Stamp);
    const bool countedBackwards = kept->Difference == TStampLineDifference::TimeCountedBackwards;
    result.Notes.push_back(
        "The console tool" + takesWholeSeconds + " prints " + result.ConsoleStamp +
        " for this input, " + IsoForm(kept->Stamp, true) + ": its kept arithmetic " +
        (countedBackwards ? "counts the time of day backwards before 30.12.1899"
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

// A moment's count in the zone, before any text is made of it.
struct TMomentCount {
    std::uint64_t Stamp = 0;
    std::int64_t LocalSeconds = 0;
    TLocalTimeOffsets Offsets;  // Unique at offset 0 in UTC
    std::int32_t ShownOffset = 0;  // the zone's offset at the moment itself
    bool Utc = true;
};

// False, with the refusal, when the moment has no count in the zone.
bool CountOfMoment(const TStampMoment& moment, bool utc, const TZone& zone, TMomentCount& count,
                   TWebResult& refusal) {
    count.Utc = utc;
    // Local seconds from 1601 up to 2.1e12 (year 65535) whatever the range
    // of the stamp.
    count.LocalSeconds =
        DaysFrom1601({moment.Year, moment.Month, moment.Day}) * SecondsPerCivilDay +
        std::int64_t{moment.Hour} * 3600 + std::int64_t{moment.Minute} * 60 + moment.Second;
    count.Offsets.Kind = TLocalTimeKind::Unique;
    if (!utc) {
        count.Offsets = OffsetsOfLocalTime(count.LocalSeconds, zone.OffsetAt);
        if (count.Offsets.Kind == TLocalTimeKind::Unknown) {
            const std::optional<std::uint64_t> asIfUtc = StampOfMoment(moment);
            refusal = Refusal("zone", "the zone " + zone.Name + " gives no UTC offset for " +
                                          (asIfUtc ? IsoForm(*asIfUtc, false) : "this moment"));
            return false;
        }
    }
    const std::int64_t utcSeconds = count.LocalSeconds - count.Offsets.Offset;  // within a day
    if (utcSeconds < 0) {
        refusal = Refusal("date", "before the first stamp, 1601-01-01T00:00:00.0000000Z: the "
                                  "count begins there");
        return false;
    }
    if (static_cast<std::uint64_t>(utcSeconds) > LastStamp / UnitsPerSecond ||
        static_cast<std::uint64_t>(utcSeconds) * UnitsPerSecond + moment.Units > LastStamp) {
        refusal = Refusal("date", "after the last stamp, " + IsoForm(LastStamp, true) +
                                      ": above it the top bit is set");
        return false;
    }
    count.Stamp = static_cast<std::uint64_t>(utcSeconds) * UnitsPerSecond +
                  moment.Units;  // 0 .. LastStamp
    // A missing local time, read with the offset before the change, is
    // shown as the zone shows that moment: with the offset after it.
    count.ShownOffset = count.Offsets.Offset;
    if (!utc && !zone.OffsetAt(utcSeconds, count.ShownOffset)) {
        count.ShownOffset = count.Offsets.Offset;
    }
    return true;
}

// False, with the refusal, when the text is no valid file time or the
// zone has no offset for it.
bool CountOfStampText(std::string_view text, const TZone& zone, std::uint64_t& stamp,
                      std::int32_t& offset, TWebResult& refusal) {
    const TStampTextReading reading = ReadStampText(text);
    if (reading.Kind == TStampTextKind::NoForm) {
        refusal = Refusal("stamp", "no stamp: " + std::string(FormsRead));
        return false;
    }
    if (reading.Kind == TStampTextKind::TooLarge) {
        refusal = Refusal("stamp", "more than 64 bits: a stamp has 16 hexadecimal digits, 8 "
                                   "bytes, or a decimal value up to 9223372036854775807");
        return false;
    }
    stamp = reading.Stamp;
    if ((stamp & TopBit) != 0) {
        refusal = Refusal("stamp", StampText(stamp) +
                                       " is no valid file time: its top bit is set (the last "
                                       "is 0x7FFFFFFF-0xFFFFFFFF)");
        return false;
    }
    offset = 0;
    const auto seconds = static_cast<std::int64_t>(stamp / UnitsPerSecond);
    if (!zone.Utc && !zone.OffsetAt(seconds, offset)) {
        refusal = Refusal("zone", "the zone " + zone.Name + " gives no UTC offset for " +
                                      IsoForm(stamp, true));
        return false;
    }
    return true;
}

// The text without blanks and control characters around it.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

void AppendForms(std::string& out, std::uint64_t stamp) {
    out += StampText(stamp);
    out += '\t';
    out += UnsignedDecimalText(stamp);
    out += "\t0x";
    out += HexForm(stamp);
    out += '\t';
    out += MemoryBytesForm(stamp);
    out += '\t';
    out += RegistryForm(stamp);
}

}  // namespace

TWebResult ConvertMoment(std::string_view text, const TZone& zone) {
    const TMomentReading reading = ReadMomentText(Trimmed(text));
    if (reading.Failed != TMomentField::None) {
        return Refusal(reading.Failed == TMomentField::Date ? "date" : "time", reading.Problem);
    }
    TMomentCount count;
    TWebResult result;
    if (!CountOfMoment(reading.Moment, reading.Utc || zone.Utc, zone, count, result)) return result;
    if (count.Offsets.Kind != TLocalTimeKind::Unique) {
        result.Notes.push_back(
            ZoneNote(count.Offsets, count.LocalSeconds, reading.Moment.Units, zone.Name));
    }
    AddEveryForm(result, count.Stamp);
    AddValue(result, "iso", IsoForm(count.Stamp, true));
    AddValue(result, "local", LocalIsoForm(count.Stamp, count.ShownOffset));
    AddConsoleTool(result, reading.Moment, count.Stamp, zone, count.Utc);
    return result;
}

TWebResult ReadStamp(std::string_view text, const TZone& zone) {
    std::uint64_t stamp = 0;
    std::int32_t offset = 0;
    TWebResult result;
    if (!CountOfStampText(Trimmed(text), zone, stamp, offset, result)) return result;
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
    // The forms are written straight into `out`: a page converts 100,000
    // lines within a second.
    TWebResult refusal;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) {
            out += '\n';
            continue;
        }
        if (LooksLikeMoment(line)) {
            const TMomentReading reading = ReadMomentText(line);
            TMomentCount count;
            if (reading.Failed != TMomentField::None) {
                out += "error: " + reading.Problem + '\n';
            } else if (!CountOfMoment(reading.Moment, reading.Utc || zone.Utc, zone, count,
                                      refusal)) {
                out += "error: " + refusal.Error + '\n';
            } else {
                AppendForms(out, count.Stamp);
                out += '\t';
                out += IsoForm(count.Stamp, true);
                if (const std::optional<TConsoleStamp> kept =
                        ConsoleStampIfOther(reading.Moment, count.Stamp)) {
                    out += '\t';
                    out += StampText(kept->Stamp);
                }
                out += '\n';
            }
            continue;
        }
        std::uint64_t stamp = 0;
        std::int32_t offset = 0;
        if (!CountOfStampText(line, zone, stamp, offset, refusal)) {
            out += "error: " + refusal.Error + '\n';
            continue;
        }
        out += IsoForm(stamp, true);
        out += '\t';
        out += LocalIsoForm(stamp, offset);
        out += '\t';
        AppendForms(out, stamp);
        out += '\n';
    }
}

}  // namespace kelpworth::web
