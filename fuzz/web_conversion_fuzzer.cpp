// The web page's conversions (web/). Input: a byte choosing the zone (UTC,
// or one whose offset changes every few days by the next four bytes), then
// the text. What must hold: one result line per input line; a moment or a
// stamp is refused at a field with no value, or converted to a stamp
// within the file-time range; an accepted moment's ISO form reads back as
// the same stamp, and its halves form as the same moment.
#include <cstdint>
#include <string>

#include "fuzz_bytes.h"
#include "kelpworth/stamp.h"
#include "web/web_conversion.h"

namespace kelpworth::fuzz {
namespace {

const std::string* ValueOf(const web::TWebResult& result, std::string_view form) {
    for (const web::TFormValue& value : result.Values) {
        if (value.Form == form) return &value.Text;
    }
    return nullptr;
}

void CheckResult(const web::TWebResult& result, std::string_view text) {
    if (!result.Error.empty()) {
        Require(result.Values.empty() && !result.ErrorField.empty(), "a refusal with values", text);
        return;
    }
    Require(result.ErrorField.empty(), "a field without an error", text);
    Require(result.Values.size() == 7, "not every form", text);
    const std::string* decimal = ValueOf(result, "decimal");
    Require(decimal != nullptr && decimal->size() <= 19, "no decimal form within 63 bits", text);
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    fuzz::TFuzzBytes bytes{data, size};
    const std::uint8_t zoneChoice = fuzz::TakeByte(bytes);
    const std::int32_t first = static_cast<std::int32_t>(fuzz::TakeWord(bytes) % 50'000) - 25'000;
    const std::int32_t second = static_cast<std::int32_t>(fuzz::TakeWord(bytes) % 50'000) - 25'000;
    web::TZone zone;
    zone.Utc = zoneChoice % 2 == 0;
    zone.Name = zone.Utc ? "UTC" : "test";
    zone.OffsetAt = [first, second, zoneChoice](std::int64_t seconds, std::int32_t& offset) {
        if (zoneChoice % 7 == 1) return false;
        const std::int64_t period = std::int64_t{86'400} * (1 + zoneChoice % 5);
        offset = (seconds / period) % 2 == 0 ? first : second;
        return true;
    };
    const std::string_view text = fuzz::RestOf(bytes);

    std::string lines;
    web::ConvertLines(text, zone, lines);
    std::size_t inputLines = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || at + 1 == text.size()) ++inputLines;
    }
    std::size_t outputLines = 0;
    for (const char c : lines) outputLines += c == '\n' ? 1 : 0;
    fuzz::Require(outputLines == inputLines, "not one result line per input line", text);

    const web::TWebResult moment = web::ConvertMoment(text, zone);
    fuzz::CheckResult(moment, text);
    const web::TWebResult stamp = web::ReadStamp(text, zone);
    fuzz::CheckResult(stamp, text);
    for (const web::TWebResult* result : {&moment, &stamp}) {
        if (!result->Error.empty()) continue;
        const std::string& halves = *fuzz::ValueOf(*result, "halves");
        const std::string& iso = *fuzz::ValueOf(*result, "iso");
        const web::TWebResult again = web::ConvertMoment(iso, zone);
        fuzz::Require(again.Error.empty() && *fuzz::ValueOf(again, "halves") == halves,
                      "the ISO form reads back as another stamp", text);
        const web::TWebResult read = web::ReadStamp(halves, web::TZone{});  // UTC
        fuzz::Require(read.Error.empty() && *fuzz::ValueOf(read, "iso") == iso,
                      "the halves read back as another moment", text);
    }
    return 0;
}
