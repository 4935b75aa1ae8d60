// The whole run over the fake platform. Input: seven bytes of regional
// settings, nine of clock, eleven of UTC clock and time zone, then the raw
// command line up to its first byte 0. Whatever the line and the settings,
// the output is the banner (none with /q) followed by either the help
// screen filled from the clock or one stamp line (and its other forms with
// /x), and only an explicit help request waits for a key. A run ends with
// exit code 0, or, refused with /s, /u or /r, with exit code 2, lines on
// standard error and no stamp. A stamp read back (/r) gives its moment; a
// batch (/b) of the empty standard input gives nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/fixed_texts.h"
#include "app/run_flow.h"
#include "fake_locales.h"
#include "fuzz_bytes.h"
#include "platform/fake/fake_platform.h"
#include "support/console_channel.h"

namespace kelpworth::fuzz {
namespace {

constexpr std::uint64_t LastStamp = 0x24C85A5ED127A980;  // 31.12.9999 23:59:59
constexpr std::uint64_t UnitsPerSecond = 10'000'000;

bool IsLeapYear(unsigned year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

unsigned DaysInMonth(unsigned year, unsigned month) {
    static constexpr unsigned Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

// Valid clock readings of the years 1601 to 9999, the two ends among them.
platform::TSystemTime TakeClock(TFuzzBytes& bytes) {
    const std::uint8_t mode = TakeByte(bytes);
    const std::uint16_t year = TakeWord(bytes);
    std::uint8_t fields[6];
    for (std::uint8_t& field : fields) field = TakeByte(bytes);
    switch (mode % 4) {
        case 0: return {1601, 1, 1, 1, 0, 0, 0, 0};
        case 1: return {9999, 12, 5, 31, 23, 59, 59, 999};
        case 2: return {2017, 12, 1, 25, 9, 41, 7, 0};
        default: break;
    }
    platform::TSystemTime clock;
    clock.Year = static_cast<std::uint16_t>(1601 + year % 8399);
    clock.Month = static_cast<std::uint16_t>(1 + fields[0] % 12);
    clock.Day = static_cast<std::uint16_t>(1 + fields[1] % DaysInMonth(clock.Year, clock.Month));
    clock.Hour = static_cast<std::uint16_t>(fields[2] % 24);
    clock.Minute = static_cast<std::uint16_t>(fields[3] % 60);
    clock.Second = static_cast<std::uint16_t>(fields[4] % 60);
    clock.Milliseconds = static_cast<std::uint16_t>(fields[5] * 4 % 1000);
    return clock;
}

std::string Digits(unsigned value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*u", width, value);
    return text;
}

void ReplaceEvery(std::string& text, std::string_view pattern, const std::string& value) {
    for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at)) {
        text.replace(at, pattern.size(), value);
    }
}

std::string ExpectedHelp(const platform::TSystemTime& clock) {
    std::string help(HelpText);
    ReplaceEvery(help, "%d%",
                 Digits(clock.Day, 2) + "." + Digits(clock.Month, 2) + "." + Digits(clock.Year, 4));
    ReplaceEvery(help, "%t%",
                 Digits(clock.Hour, 2) + ":" + Digits(clock.Minute, 2) + ":" +
                     Digits(clock.Second, 2));
    ReplaceEvery(help, "%t1%", Digits(clock.Hour, 2));
    return help + "\n";
}

// Days from 1899-12-30 on the proleptic Gregorian calendar.
std::int64_t DaysFromZeroDay(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = year / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + 25569;
}

// Whole seconds the stamp of the clock's second stands for. Before the zero
// day the time of day counts away from it, back in time.
std::int64_t ClockSeconds(const platform::TSystemTime& clock) {
    const std::int64_t day = DaysFromZeroDay(clock.Year, clock.Month, clock.Day);
    const std::int64_t fromOrigin = (day - DaysFromZeroDay(1601, 1, 1)) * 86400;
    const std::int64_t time = clock.Hour * 3600 + clock.Minute * 60 + clock.Second;
    if (day >= 0) return fromOrigin + time;
    const std::int64_t seconds = fromOrigin - time;
    return seconds < 0 ? -seconds : seconds;
}

bool IsUpperHex(std::string_view text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

// "0x" + 8 + "-0x" + 8 uppercase hexadecimal digits and a line feed.
bool ReadStampLine(std::string_view line, std::uint64_t& stamp) {
    if (line.size() != 22 || line.substr(0, 2) != "0x" || line.substr(10, 3) != "-0x" ||
        line[21] != '\n' || !IsUpperHex(line.substr(2, 8)) || !IsUpperHex(line.substr(13, 8))) {
        return false;
    }
    const std::string digits = std::string(line.substr(2, 8)) + std::string(line.substr(13, 8));
    stamp = std::strtoull(digits.c_str(), nullptr, 16);
    return true;
}

// The UTC clock and a zone of one offset that may change once, on the
// clock's day at 01:00 UTC; or a zone without answers.
platform::TSystemTime TakeZone(TFuzzBytes& bytes) {
    const platform::TSystemTime universal = TakeClock(bytes);
    const std::uint8_t offset = TakeByte(bytes);
    const std::uint8_t change = TakeByte(bytes);
    auto& fake = fake::Fake();
    // Quarter hours from -14:00 to +14:00.
    fake.ZoneOffset = (offset % 113 - 56) * 900;
    fake.ZoneAnswers = (change & 0x80) == 0;
    if ((change & 0x40) != 0) {
        const std::int64_t day =
            DaysFromZeroDay(universal.Year, universal.Month, universal.Day) + 109'205;
        fake.ZoneChanges = {{day * 86'400 + 3600, ((change & 0x3F) % 57 - 28) * 1800}};
    }
    return universal;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
}

std::string HexDigits(std::uint64_t value, int digits) {
    std::string text;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        text.push_back("0123456789ABCDEF"[(value >> shift) & 0xF]);
    }
    return text;
}

std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

// The exact line: one second more than the stamp line, with that reason;
// on the days 02.01.1601 to 29.12.1899 another count, with that reason;
// before 1601 none.
void CheckExactLine(std::string_view exact, std::uint64_t stamp) {
    if (exact.substr(0, 13) == "exact: none (") {
        Require(exact.find(" lies before 01.01.1601, where stamps begin;") != std::string_view::npos,
                "no exact stamp before 1601", exact);
        return;
    }
    std::uint64_t exactStamp = 0;
    Require(exact.substr(0, 7) == "exact: " &&
                ReadStampLine(std::string(exact.substr(7, 21)) + "\n", exactStamp),
            "the exact stamp", exact);
    const std::uint64_t day = exactStamp / UnitsPerSecond / 86'400;
    if (exact.find("; the stamp above is one second short") != std::string_view::npos) {
        Require(exactStamp == stamp + UnitsPerSecond && (day == 0 || day >= 109'205),
                "one second short: the exact stamp is one second more", exact);
    } else {
        Require(exact.find("; the stamp above counts the time of day backwards") !=
                        std::string_view::npos &&
                    day >= 1 && day < 109'205 && exactStamp != stamp,
                "counted backwards: a day from 02.01.1601 to 29.12.1899", exact);
    }
}

// The lines of /x after the stamp line: each form of the same stamp.
void CheckEveryForm(std::string_view forms, std::uint64_t stamp, bool utc) {
    std::string bytes;
    std::string registry = "hex(b):";
    for (int index = 0; index < 8; ++index) {
        const std::string byte = HexDigits(stamp >> (8 * index), 2);
        bytes += (index > 0 ? " " : "") + byte;
        registry += (index > 0 ? "," : "") + Lowered(byte);
    }
    Require(NextLine(forms) == "decimal: " + std::to_string(stamp), "the decimal form", forms);
    Require(NextLine(forms) == "hex: " + HexDigits(stamp, 16), "the hexadecimal form", forms);
    Require(NextLine(forms) == "bytes: " + bytes, "the bytes in memory", forms);
    Require(NextLine(forms) == "reg: " + registry, "the registry form", forms);
    const std::string_view iso = NextLine(forms);
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, units = 0;
    char zone = 0;
    const std::string isoText(iso);
    const int read = std::sscanf(isoText.c_str(), "iso: %4u-%2u-%2uT%2u:%2u:%2u.%7u%c", &year,
                                 &month, &day, &hour, &minute, &second, &units, &zone);
    Require(read == (utc ? 8 : 7) && (!utc || zone == 'Z'), "the ISO 8601 form", iso);
    const std::int64_t seconds =
        (DaysFromZeroDay(year, month, day) + 109'205) * 86'400 + hour * 3600 + minute * 60 + second;
    Require(static_cast<std::uint64_t>(seconds) * UnitsPerSecond + units == stamp,
            "the ISO 8601 form is the stamp's moment", iso);
    if (!forms.empty()) CheckExactLine(NextLine(forms), stamp);
    Require(forms.empty(), "nothing after the forms", forms);
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    using namespace kelpworth::fuzz;

    fake::ResetFake();
    ResetConsoleChannel();

    TFuzzBytes bytes{data, size};
    InstallFakeLocale(bytes);
    const platform::TSystemTime clock = TakeClock(bytes);
    fake::Fake().Clock = clock;
    const platform::TSystemTime universal = TakeZone(bytes);
    fake::Fake().UniversalClock = universal;
    std::string_view line = RestOf(bytes);
    line = line.substr(0, line.find('\0'));  // a real command line is a C string
    fake::Fake().CommandLine = std::string(line);

    int exitCode = -1;
    try {
        exitCode = RunKelpworth();
    } catch (const fake::ProcessExit& exit) {
        Violated("the process stopped", std::to_string(exit.Code));
    }

    const std::string lowered = Lowered(line);
    const bool arguments = HasArguments(line);
    const auto has = [&](std::string_view name) { return arguments && Contains(lowered, name); };
    const bool helpRequest = has("/?") || has("/help");
    const bool quiet = has("/q");
    const bool strict = has("/s");
    const bool utc = has("/u");
    const bool batch = has("/b") && !helpRequest;
    const bool reading = has("/r") && !helpRequest && !batch;

    const std::string& output = fake::Fake().Output;
    const std::string& errors = fake::Fake().ErrorStream;
    const std::string banner = quiet ? "" : std::string(BannerText) + "\n";
    Require(output.compare(0, banner.size(), banner) == 0, "the banner comes first", output);
    if (quiet) Require(!Contains(output, BannerText), "/q never prints the banner", output);
    const std::string_view after = std::string_view(output).substr(banner.size());

    const bool waited = fake::Fake().InputReads > 0;
    Require(waited == helpRequest, "only an explicit help request waits for a key", line);

    if (batch) {
        // Standard input is empty here: nothing to convert.
        Require(exitCode == 0 && after.empty() && errors.empty(), "an empty batch", output);
        return 0;
    }
    if (exitCode != 0) {
        Require(exitCode == 2 && (strict || utc || reading),
                "exit code 2 only when /s, /u or /r refuses", std::to_string(exitCode));
        Require(after.empty(), "a refused request prints no stamp", output);
        Require(!errors.empty() && errors.back() == '\n' && errors.rfind("kelpworth: ", 0) == 0,
                "a refused request says why on standard error", errors);
        Require(fake::Fake().Dialogs.empty(), "a refused request shows no details", line);
        return 0;
    }
    if (!utc && !strict && !reading) Require(errors.empty(), "nothing on standard error", errors);
    if (reading) {
        // The moment a stamp stands for, to the 100 ns.
        const std::string_view first = after.substr(0, after.find('\n'));
        std::size_t year = 0;
        while (year < first.size() && first[year] >= '0' && first[year] <= '9') ++year;
        Require((year == 4 || year == 5) && first.size() == year + 23 + (utc ? 1 : 0) &&
                    first[year] == '-' && first[year + 6] == 'T' && (!utc || first.back() == 'Z'),
                "a stamp read back gives its moment", first);
        return 0;
    }

    const std::string help = ExpectedHelp(clock);
    std::uint64_t stamp = 0;
    if (after == help) {
        Require(!arguments || helpRequest || !(has("/c") || has("/t") || (strict && has("/d"))),
                "the help screen only without a clock or time request", line);
        return 0;
    }
    Require(!helpRequest, "a help request shows the help screen", line);
    Require(ReadStampLine(after.substr(0, 22), stamp), "one stamp line", output);
    Require(stamp <= LastStamp, "the stamp is at most that of 31.12.9999 23:59:59", after);
    Require(stamp % UnitsPerSecond == 0, "the stamp counts whole seconds", after);
    if (has("/x")) {
        CheckEveryForm(after.substr(22), stamp, utc);
    } else {
        Require(after.size() == 22, "one line only", after);
    }
    if (has("/c")) {
        const auto seconds = static_cast<std::int64_t>(stamp / UnitsPerSecond);
        const std::int64_t expected = ClockSeconds(utc ? universal : clock);
        Require(seconds == expected || seconds == expected - 1,
                "the stamp of /c is the clock's second", after);
    }
    return 0;
}
