// The program's fixed texts. Line breaks inside them are CR LF pairs that
// the texts carry themselves.
#pragma once

#include <string_view>

namespace kelpworth {

inline constexpr std::string_view TitleText = "Kelpworth";

inline constexpr std::string_view BannerText =
    "\r\n"
    "Kelpworth v1.5.1\r\n"
    "Written by the Kelpworth authors\r\n"
    "\r\n";

// "%d%", "%t%" and "%t1%" are filled with the current date, time and hour.
inline constexpr std::string_view HelpText =
    "This utility converts a date and time in hexadecimal format.\r\n"
    "\r\n"
    "It supports a command line:\r\n"
    "/D - date in the form dd.mm.yyyy, if not specified, the current date is taken;\r\n"
    "/T - time in the form hh:mm:ss,if not specified,will be taken the current time;\r\n"
    "/C - the current date and time will be taken;\r\n"
    "\r\n"
    "Example of use:\r\n"
    "\r\n"
    "    Kelpworth.exe /d%d% /t%t%\r\n"
    "\r\n"
    "so if you specify:\r\n"
    "    Kelpworth.exe /t%t1%\r\n"
    "- date will be taken by the current, and while %t1%:00:00\r\n"
    "    Kelpworth.exe /c\r\n"
    "- the current date and time will be taken.";

}  // namespace kelpworth
