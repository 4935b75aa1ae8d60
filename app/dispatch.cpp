#include "app/dispatch.h"

#include "app/read_back.h"
#include "app/stamp_request.h"

namespace kelpworth {

TRequestOutcome OutcomeOf(const TCommandLineRequest& request, const TLocaleTextSettings& settings,
                          const TSystemAnswers& system) {
    switch (request.Kind) {
        case TRequestKind::ReadBack:
            return StampReadingOutcome(request, system);
        case TRequestKind::Stamp:
            return StampRequestOutcome(request, settings, system);
        case TRequestKind::None:
        case TRequestKind::Help:
        case TRequestKind::Batch:
            break;
    }
    if (!request.Strict) return {};
    return Refused({"no request: give /d and /t, /c or /r"});
}

}  // namespace kelpworth
