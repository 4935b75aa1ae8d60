// The TZ rule reader. Input: the text. A reference built from a regular
// expression of the form and the limits of its numbers accepts exactly what
// the reader accepts; and an accepted rule stays accepted with its standard
// name written in angle brackets.
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "platform/zone_rule_text.h"

namespace kelpworth::fuzz {
namespace {

// Longer texts only cost the regular expression's time.
constexpr std::size_t LongestChecked = 80;

// name: letters, or letters, digits, '+' '-' in angle brackets; time:
// sign, hours, minutes, seconds; date: Jn, n or Mm.w.d, then /time.
#define NAME "([A-Za-z]{3,}|<[A-Za-z0-9+-]{3,}>)"
#define TIME "[+-]?([0-9]{1,3})(?::([0-9]{1,2})(?::([0-9]{1,2}))?)?"
#define DATE "(?:J([0-9]{1,3})|([0-9]{1,3})|M([0-9]{1,2})\\.([0-9])\\.([0-9]))(?:/" TIME ")?"

const std::regex& RuleForm() {
    static const std::regex form("^" NAME TIME "(?:" NAME "(?:" TIME ")?(?:," DATE "," DATE
                                 ")?)?$");
    return form;
}

// The group numbers of the form above.
enum : std::size_t {
    StdHours = 2,
    DstHours = 6,
    StartDate = 9,   // J, n, M, w, d, then the time's three
    EndDate = 17,
};

int Number(const std::smatch& match, std::size_t group) {
    return match[group].matched ? std::stoi(match[group].str()) : -1;
}

bool TimeFits(const std::smatch& match, std::size_t hours, int mostHours) {
    if (!match[hours].matched) return true;
    return Number(match, hours) <= mostHours && Number(match, hours + 1) <= 59 &&
           Number(match, hours + 2) <= 59;
}

bool DateFits(const std::smatch& match, std::size_t at) {
    if (!match[at].matched && !match[at + 1].matched && !match[at + 2].matched) return true;
    const bool day = match[at].matched ? Number(match, at) >= 1 && Number(match, at) <= 365
                     : match[at + 1].matched
                         ? Number(match, at + 1) <= 365
                         : Number(match, at + 2) >= 1 && Number(match, at + 2) <= 12 &&
                               Number(match, at + 3) >= 1 && Number(match, at + 3) <= 5 &&
                               Number(match, at + 4) <= 6;
    return day && TimeFits(match, at + 5, 167);
}

bool ReferenceAccepts(const std::string& text) {
    std::smatch match;
    if (!std::regex_match(text, match, RuleForm())) return false;
    return TimeFits(match, StdHours, 24) && TimeFits(match, DstHours, 24) &&
           DateFits(match, StartDate) && DateFits(match, EndDate);
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    using namespace kelpworth::fuzz;

    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool accepted = platform::IsZoneRuleText(text);
    if (text.size() > LongestChecked) return 0;
    Require(accepted == ReferenceAccepts(text), "the reader agrees with the reference", text);

    // An unquoted standard name means the same in angle brackets.
    std::size_t letters = 0;
    while (letters < text.size() && ((text[letters] >= 'A' && text[letters] <= 'Z') ||
                                     (text[letters] >= 'a' && text[letters] <= 'z'))) {
        ++letters;
    }
    if (accepted && letters > 0) {
        const std::string quoted = "<" + text.substr(0, letters) + ">" + text.substr(letters);
        Require(platform::IsZoneRuleText(quoted), "a quoted name is still a name", quoted);
    }
    return 0;
}
