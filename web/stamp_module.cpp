// The entry points of the WebAssembly module: one input buffer the
// JavaScript side fills with UTF-8 text, one output text it reads back.
// The zone's offsets come from JavaScript (the host's Intl): the decision
// on a repeated or missing local time stays the library's.
#include <emscripten.h>

#include <cmath>
#include <string>

#include "web/web_conversion.h"

namespace {

// NaN when the zone has no answer for that moment.
EM_JS(double, HostOffsetAt, (double utcSeconds), {
    return Module["offsetAt"](utcSeconds);
});

std::string Input;
std::string Output;
kelpworth::web::TZone Zone;

bool OffsetFromHost(std::int64_t utcSeconds, std::int32_t& offset) {
    // Seconds from 1601 stay below 2^53: exact as a double.
    const double answer = HostOffsetAt(static_cast<double>(utcSeconds));
    if (!std::isfinite(answer) || std::fabs(answer) >= 86'400) return false;
    offset = static_cast<std::int32_t>(answer);
    return true;
}

}  // namespace

extern "C" {

// Room for `size` bytes of input; the text the next call reads.
EMSCRIPTEN_KEEPALIVE char* KelpworthInput(std::uint32_t size) {
    Input.resize(size);
    return Input.data();
}

EMSCRIPTEN_KEEPALIVE const char* KelpworthOutput() { return Output.data(); }
EMSCRIPTEN_KEEPALIVE std::uint32_t KelpworthOutputSize() {
    return static_cast<std::uint32_t>(Output.size());
}

// The input names the zone: empty or "UTC" for UTC, otherwise the name the
// host's offsetAt answers for.
EMSCRIPTEN_KEEPALIVE void KelpworthSetZone() {
    Zone.Utc = Input.empty() || Input == "UTC";
    Zone.Name = Zone.Utc ? "UTC" : Input;
    Zone.OffsetAt = OffsetFromHost;
}

EMSCRIPTEN_KEEPALIVE void KelpworthMoment() {
    Output = kelpworth::web::ResultRecord(kelpworth::web::ConvertMoment(Input, Zone));
}

EMSCRIPTEN_KEEPALIVE void KelpworthReading() {
    Output = kelpworth::web::ResultRecord(kelpworth::web::ReadStamp(Input, Zone));
}

EMSCRIPTEN_KEEPALIVE void KelpworthLines() {
    Output.clear();
    kelpworth::web::ConvertLines(Input, Zone, Output);
}

}  // extern "C"
