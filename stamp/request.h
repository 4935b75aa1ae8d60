// The request record: what the command line asked for.
#pragma once

#include <string>

namespace kelpworth {

struct TDateTimeRecord {
    std::string DateStr;  // a date value of digits and '.', or the current date text
    std::string TimeStr;  // a time value of digits and ':', or the current time text
    std::string Mode;     // "help" when the user asked for help
};

inline constexpr const char* HelpMode = "help";

}  // namespace kelpworth
