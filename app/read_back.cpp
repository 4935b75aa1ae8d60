#include "app/read_back.h"

#include <string>

#include "kelpworth/stamp.h"
#include "stamp/civil_calendar.h"
#include "stamp/stamp_forms.h"
#include "stamp/stamp_reading.h"
#include "stamp/zone_decision.h"
#include "stamp/zone_offsets.h"

namespace kelpworth {
namespace {

constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;

// The user's short forms of a moment's whole second; the tool's own when
// the platform renders none.
std::string UserForms(const TStampMoment& moment, const TSystemAnswers& system) {
    std::string text = system.UserForms(moment);
    return text.empty() ? MomentText(moment, ':') : text;
}

}  // namespace

TRequestOutcome StampReadingOutcome(const TCommandLineRequest& request,
                                    const TSystemAnswers& system) {
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
    if (stamp == LastStamp) {
        outcome.Messages.push_back(
            "/r: the stamp 0x7FFFFFFF-0xFFFFFFFF often stands for \"never\" (directories, "
            "account expiry)");
    }
    AddLine(outcome.Lines, "", IsoForm(stamp, request.Utc));
    TStampMoment shown = FieldsOfStamp(stamp);
    if (request.Utc) {
        TZoneNotes zone = system.ZoneNotes(shown.Year, request.Strict);
        if (zone.Refused) return Refused(std::move(zone.Notes));
        outcome.Messages.insert(outcome.Messages.end(), zone.Notes.begin(), zone.Notes.end());
        std::int32_t offset = 0;
        const auto seconds = static_cast<std::int64_t>(stamp / UnitsPerSecond);
        if (!system.UtcOffsetAt(seconds, offset)) {
            return Refused({"/u: the time zone gives no UTC offset for " +
                            IsoForm(stamp, true)});
        }
        AddLine(outcome.Lines, "", LocalIsoForm(stamp, offset));
        shown = MomentOfSeconds(seconds + offset);  // before 1601 west of Greenwich
    }
    AddLine(outcome.Lines, "", UserForms(shown, system));
    if (request.EveryForm) {
        AddLine(outcome.Lines, "stamp", StampText(stamp));
        AddEveryForm(outcome.Lines, stamp);
    }
    return outcome;
}

}  // namespace kelpworth
