// The TZ rule form of a time zone ("CET-1CEST,M3.5.0,M10.5.0/3"), which a
// POSIX C library reads when TZ names no zone file: a zone that is neither
// falls back to UTC without a word, so the tool checks the form itself.
#pragma once

#include <string_view>

namespace kelpworth::platform {

// True when `text` is a whole TZ rule: std offset [dst [offset]
// [,start[/time],end[/time]]]. A name is three or more letters, or three or
// more letters, digits, '+' and '-' inside '<' '>'. An offset is
// [+-]hh[:mm[:ss]] up to 24 hours; a change's time may reach 167 hours
// either way. A date is Jn (1 to 365), n (0 to 365) or Mm.w.d (month 1 to
// 12, week 1 to 5, weekday 0 to 6).
bool IsZoneRuleText(std::string_view text);

}  // namespace kelpworth::platform
