#include "platform/zone_rule_text.h"

#include <cstddef>
#include <cstdint>

namespace kelpworth::platform {
namespace {

constexpr std::size_t ShortestName = 3;
constexpr std::int32_t MostOffsetHours = 24;
constexpr std::int32_t MostChangeHours = 167;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A left-to-right reading of the text; each step consumes what it accepts
// and leaves the position alone when it accepts nothing.
class TRuleCursor {
public:
    explicit TRuleCursor(std::string_view text) : Text(text) {}

    bool AtEnd() const { return At == Text.size(); }

    bool Take(char c) {
        if (At >= Text.size() || Text[At] != c) return false;
        ++At;
        return true;
    }

    bool Name() {
        if (Take('<')) {
            const std::size_t start = At;
            while (At < Text.size() &&
                   (IsLetter(Text[At]) || IsDigit(Text[At]) || Text[At] == '+' ||
                    Text[At] == '-')) {
                ++At;
            }
            return At - start >= ShortestName && Take('>');
        }
        const std::size_t start = At;
        while (At < Text.size() && IsLetter(Text[At])) ++At;
        if (At - start >= ShortestName) return true;
        At = start;
        return false;
    }

    // [+-]hh[:mm[:ss]], hours up to `mostHours`.
    bool SignedTime(std::int32_t mostHours) {
        if (!Take('+')) Take('-');
        std::int32_t hours = 0;
        if (!Number(3, hours) || hours > mostHours) return false;
        std::int32_t part = 0;
        for (int colon = 0; colon < 2 && Take(':'); ++colon) {
            if (!Number(2, part) || part > 59) return false;
        }
        return true;
    }

    bool Offset() { return SignedTime(MostOffsetHours); }

    bool StartsOffset() const {
        return At < Text.size() && (IsDigit(Text[At]) || Text[At] == '+' || Text[At] == '-');
    }

    // date[/time]
    bool Change() {
        std::int32_t value = 0;
        if (Take('J')) {
            if (!Number(3, value) || value < 1 || value > 365) return false;
        } else if (Take('M')) {
            std::int32_t week = 0;
            std::int32_t weekday = 0;
            if (!Number(2, value) || value < 1 || value > 12 || !Take('.') ||
                !Number(1, week) || week < 1 || week > 5 || !Take('.') ||
                !Number(1, weekday) || weekday > 6) {
                return false;
            }
        } else if (!Number(3, value) || value > 365) {
            return false;
        }
        return !Take('/') || SignedTime(MostChangeHours);
    }

private:
    // One to `mostDigits` decimal digits.
    bool Number(std::size_t mostDigits, std::int32_t& value) {
        const std::size_t start = At;
        value = 0;
        while (At < Text.size() && IsDigit(Text[At]) && At - start < mostDigits) {
            value = value * 10 + (Text[At] - '0');  // at most 999
            ++At;
        }
        return At > start && !(At < Text.size() && IsDigit(Text[At]));
    }

    std::string_view Text;
    std::size_t At = 0;
};

}  // namespace

bool IsZoneRuleText(std::string_view text) {
    TRuleCursor cursor(text);
    if (!cursor.Name() || !cursor.Offset()) return false;
    if (cursor.AtEnd()) return true;
    if (!cursor.Name()) return false;
    if (cursor.StartsOffset() && !cursor.Offset()) return false;
    if (cursor.AtEnd()) return true;
    return cursor.Take(',') && cursor.Change() && cursor.Take(',') && cursor.Change() &&
           cursor.AtEnd();
}

}  // namespace kelpworth::platform
