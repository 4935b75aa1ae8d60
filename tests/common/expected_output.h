// What the tool writes, spelled out independently of the code that writes
// it, for the in-process tests and the tests of the real executable.
#pragma once

#include <string>

namespace kelpworth::expected {

// The clock the tests fix: 25.12.2017 09:41:07, a Monday; as faketime
// takes it, and field by field (year, month, day, hour, minute, second).
inline constexpr const char* FixedClock = "2017-12-25 09:41:07";
inline constexpr unsigned short FixedClockFields[6] = {2017, 12, 25, 9, 41, 7};

// The stamp line of that moment.
inline const std::string StampLineAt0941 = "0x01D37D64-0x7CED3B80\n";

// The banner line and the single line feed that ends every write.
inline const std::string Banner =
    "\r\nKelpworth v1.5.1\r\nWritten by the Kelpworth authors\r\n\r\n\n";

// The help screen as the clock 25.12.2017 09:41:07 fills it in.
inline const std::string HelpAt0941 =
    "This utility converts a date and time in hexadecimal format.\r\n"
    "\r\n"
    "It supports a command line:\r\n"
    "/D - date in the form dd.mm.yyyy, if not specified, the current date is taken;\r\n"
    "/T - time in the form hh:mm:ss,if not specified,will be taken the current time;\r\n"
    "/C - the current date and time will be taken;\r\n"
    "\r\n"
    "Example of use:\r\n"
    "\r\n"
    "    Kelpworth.exe /d25.12.2017 /t09:41:07\r\n"
    "\r\n"
    "so if you specify:\r\n"
    "    Kelpworth.exe /t09\r\n"
    "- date will be taken by the current, and while 09:00:00\r\n"
    "    Kelpworth.exe /c\r\n"
    "- the current date and time will be taken.\n";

}  // namespace kelpworth::expected
