// What the page and the Node package show for a moment or a stamp: the
// exact stamp in every form the tool's /x prints, the moment in UTC and in
// the chosen zone, the notes, and the tool's own command line with the
// stamp line it prints. Texts in, texts out, the zone as a lookup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stamp/zone_offsets.h"

namespace kelpworth::web {

// UTC, or a zone answered by a lookup (the browser's Intl on the page).
struct TZone {
    bool Utc = true;
    std::string Name = "UTC";  // as TZ= names it for the console tool
    TUtcOffsetLookup OffsetAt;
};

// One value of a result: its form's name ("halves", "iso", ...) and text.
struct TFormValue {
    std::string Form;
    std::string Text;
};

struct TWebResult {
    std::vector<TFormValue> Values;  // empty when refused
    std::vector<std::string> Notes;
    std::string Command;       // the console tool's command line, if it has one
    std::string ConsoleStamp;  // the stamp line it prints, where not the exact count
    std::string ErrorField;  // "date", "time", "zone" or "stamp"; empty when read
    std::string Error;
};

// A moment in the zone ("2017-12-25T10:20:30.1234567"; a trailing "Z"
// means UTC whatever the zone).
TWebResult ConvertMoment(std::string_view text, const TZone& zone);

// A stamp in any form the tool's /r reads, blanks around allowed.
TWebResult ReadStamp(std::string_view text, const TZone& zone);

// One result line per input line, the values tab-separated: for a moment
// halves, decimal, hex, bytes, reg, iso and the console tool's stamp line
// where it differs; for a stamp iso, local, halves, decimal, hex, bytes,
// reg; "error: ..." for a line refused; an empty line for an empty one.
// Appends to `out`.
void ConvertLines(std::string_view text, const TZone& zone, std::string& out);

// The result as lines "name<TAB>text" for the JavaScript side: each value
// under its form's name, then "note", "command", "console", "error-field"
// and "error" where there are any.
std::string ResultRecord(const TWebResult& result);

}  // namespace kelpworth::web
