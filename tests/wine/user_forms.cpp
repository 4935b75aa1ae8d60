// Prints the Win32 layer's short form of one date and time, for the Wine
// tests (run_wine_tests.sh): kelpworth_user_forms.exe YEAR MONTH DAY HOUR
// MINUTE SECOND. The dates the system renders none of (before 1601) reach
// it only through the user's forms, so they are tried here directly.
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fputs("usage: kelpworth_user_forms YEAR MONTH DAY HOUR MINUTE SECOND\n", stderr);
        return 1;
    }
    kelpworth::platform::TSystemTime time;
    std::uint16_t* fields[] = {&time.Year, &time.Month, &time.Day,
                               &time.Hour, &time.Minute, &time.Second};
    for (int i = 0; i < 6; ++i) {
        *fields[i] = static_cast<std::uint16_t>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    const std::string text = kelpworth::platform::UserDateTimeText(time);
    std::fputs(text.c_str(), stdout);  // no line end: the C library would make it CR LF
    return text.empty() ? 2 : 0;
}
