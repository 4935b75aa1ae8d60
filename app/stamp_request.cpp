#include "app/stamp_request.h"

#include <optional>
#include <string>
#include <vector>

#include "app/strict_reading.h"
#include "kelpworth/stamp.h"
#include "stamp/exact_stamp.h"
#include "stamp/stamp_conversion.h"
#include "stamp/stamp_forms.h"
#include "stamp/system_time.h"
#include "stamp/zone_decision.h"
#include "support/clock_text.h"

namespace kelpworth {
namespace {

// The exact count of the fields, where the stamp line is not it, with the
// reason.
void AddExactLine(std::vector<TResultLine>& lines, const TExactStamp& exact,
                  const TStampMoment& fields, bool utc) {
    switch (exact.Difference) {
        case TStampLineDifference::None:
            return;
        case TStampLineDifference::OneSecondShort:
            AddLine(lines, "exact", StampText(*exact.Stamp),
                    IsoForm(*exact.Stamp, utc) +
                        "; the stamp above is one second short by the tool's compatible "
                        "arithmetic");
            return;
        case TStampLineDifference::TimeCountedBackwards:
            AddLine(lines, "exact", StampText(*exact.Stamp),
                    IsoForm(*exact.Stamp, utc) +
                        "; the stamp above counts the time of day backwards from midnight, as "
                        "the tool's compatible arithmetic does on the days 02.01.1601 to "
                        "29.12.1899");
            return;
        case TStampLineDifference::BeforeTheScale:
            AddLine(lines, "exact", "none",
                    "(" + MomentText(fields, ':') +
                        " lies before 01.01.1601, where stamps begin; the stamp above is its "
                        "distance from that day)");
            return;
    }
}

}  // namespace

TRequestOutcome StampRequestOutcome(const TCommandLineRequest& request,
                                    const TLocaleTextSettings& settings,
                                    const TSystemAnswers& system) {
    const TClock& clock = system.Clock;
    if (request.Strict) {
        const TClockTexts clockTexts{CurrentDateText(clock), CurrentTimeText(clock)};
        std::vector<std::string> problems = StrictReadingProblems(
            request, settings, clockTexts, system.DayMonthYearLocaleHint());
        if (!problems.empty()) return Refused(std::move(problems));
    }

    TRequestOutcome outcome;
    TConversionResult result;
    TStampMoment converted;  // the fields the stamp is of
    std::optional<std::int32_t> offset;
    if (request.Utc && request.Current) {
        // The clock's own UTC reading: the current moment even in a repeated hour.
        converted = WholeSecondOf(clock.Universal());
        const std::int64_t utcSeconds = SecondsOfFields(converted);
        std::int32_t seconds = 0;
        if (system.UtcOffsetAt(utcSeconds, seconds)) offset = seconds;
        TStampMoment local = converted;
        FieldsOfSeconds(utcSeconds + offset.value_or(0), 0, local);
        result.Used = {DateText(SystemTimeOf(local), DatePicture),
                       TimeText(SystemTimeOf(local), TimePicture), ""};
        result.Fields = local;
    } else {
        result = ComputeStamp(request.Record, clock);
        converted = result.Fields;
        if (request.Utc) {
            TUtcFields utc =
                UtcOfLocal(result.Fields, request.Strict, settings.TimeSep,
                                        system.UtcOffsetAt, system.ZoneNotes);
            if (utc.Refused) return Refused(std::move(utc.Notes));
            outcome.Messages = std::move(utc.Notes);
            converted = utc.Fields;
            offset = utc.Offset;
        }
    }

    const std::uint64_t stamp =
        request.Utc ? StampOfFields(converted.Year, converted.Month, converted.Day,
                                    converted.Hour, converted.Minute, converted.Second,
                                    converted.Units / UnitsPerMillisecond)
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
        AddExactLine(outcome.Lines, ExactStampBeside(converted, stamp), converted, request.Utc);
    }
    return outcome;
}

}  // namespace kelpworth
