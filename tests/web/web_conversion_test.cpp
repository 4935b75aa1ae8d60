// The web page's conversions natively (and so under the sanitizers): a
// moment in a zone with published rules, a stamp read back, the console
// tool's note, lines. The WebAssembly build is compared with these same
// conversions by tests/web/web_differential.test.mjs.
#include "web/web_conversion.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "web/moment_reading.h"

namespace kelpworth::web {
namespace {

const std::string& Value(const TWebResult& result, std::string_view form) {
    static const std::string None;
    for (const TFormValue& value : result.Values) {
        if (value.Form == form) return value.Text;
    }
    return None;
}

std::string Joined(const std::vector<std::string>& notes) {
    std::string text;
    for (const std::string& note : notes) text += note + "\n";
    return text;
}

// Seconds from 1601-01-01 00:00 to a UTC hour, by the standard library's
// calendar.
std::int64_t At(int y, unsigned m, unsigned d, int hour) {
    using namespace std::chrono;
    const sys_days origin = year{1601} / January / 1;
    const sys_days day = year{y} / month{m} / d;
    return (day - origin).count() * std::int64_t{86'400} + hour * 3600;
}

// Europe/Berlin in 2024: +02:00 from 31.03 01:00 UTC to 27.10 01:00 UTC.
TZone Berlin2024() {
    TZone zone;
    zone.Utc = false;
    zone.Name = "Europe/Berlin";
    zone.OffsetAt = [](std::int64_t utc, std::int32_t& offset) {
        offset = utc >= At(2024, 3, 31, 1) && utc < At(2024, 10, 27, 1) ? 7200 : 3600;
        return true;
    };
    return zone;
}

TEST(WebConversion, MomentGivesTheExactStampAndTheConsoleToolsLine) {
    const TWebResult result = ConvertMoment(" 2017-12-25T10:20:30 ", TZone{});
    EXPECT_EQ(Value(result, "halves"), "0x01D37D69-0xFD626B00");
    EXPECT_EQ(Value(result, "hex"), "0x01D37D69FD626B00");
    EXPECT_EQ(Value(result, "iso"), "2017-12-25T10:20:30.0000000Z");
    EXPECT_EQ(Value(result, "local"), "2017-12-25T10:20:30.0000000+00:00");
    EXPECT_EQ(result.ConsoleStamp, "0x01D37D69-0xFCC9D480");
    EXPECT_NE(Joined(result.Notes).find("one second short"), std::string::npos);
    EXPECT_EQ(result.Command, "LANG=de_DE.UTF-8 kelpworth /d25.12.2017 /t10:20:30");
}

TEST(WebConversion, ReadsEveryPartOfAMomentAndRefusesAtTheField) {
    struct TCase {
        const char* Text;
        TMomentField Failed;
        const char* Problem;  // words of the message
    };
    const TCase cases[] = {
        {"2017-12-25", TMomentField::None, ""},
        {"2017-12-25T10:20", TMomentField::None, ""},
        {"2017-12-25 10:20:30.1234567Z", TMomentField::None, ""},
        {"2017-02-31", TMomentField::Date, "February 2017 has 28 days"},
        {"2016-02-30", TMomentField::Date, "February 2016 has 29 days"},
        {"1600-12-31", TMomentField::Date, "before the first stamp"},
        {"2017-1-05", TMomentField::Date, "year-month-day"},
        {"20171-12-25x", TMomentField::Date, "more than a date"},
        {"2017-12-25T24:00", TMomentField::Time, "hour is 00 to 23"},
        {"2017-12-25T10:61", TMomentField::Time, "minute is 00 to 59"},
        {"2017-12-25T10:20:60", TMomentField::Time, "second is 00 to 59"},
        {"2017-12-25T10:20:30.12345678", TMomentField::Time, "more than 7 decimal places"},
        {"2017-12-25T10:20:30.", TMomentField::Time, "no digits after the decimal point"},
        {"2017-12-25T10", TMomentField::Time, "no time of day"},
        {"2017-12-25T10:20:30 pm", TMomentField::Time, "more than a time of day"},
    };
    for (const TCase& c : cases) {
        const TMomentReading reading = ReadMomentText(c.Text);
        EXPECT_EQ(reading.Failed, c.Failed) << c.Text;
        EXPECT_NE(reading.Problem.find(c.Problem), std::string::npos) << c.Text << ": " << reading.Problem;
    }
    EXPECT_EQ(ReadMomentText("2017-12-25T10:20:30.1234567").Moment.Units, 1'234'567u);
    EXPECT_EQ(ReadMomentText("2017-12-25T10:20:30.5").Moment.Units, 5'000'000u);
}

TEST(WebConversion, RangeEndsOfTheStamp) {
    EXPECT_EQ(Value(ConvertMoment("1601-01-01", TZone{}), "halves"), "0x00000000-0x00000000");
    EXPECT_EQ(Value(ConvertMoment("30828-09-14T02:48:05.4775807", TZone{}), "halves"),
              "0x7FFFFFFF-0xFFFFFFFF");
    EXPECT_EQ(ConvertMoment("30828-09-14T02:48:05.4775808", TZone{}).ErrorField, "date");
    // In Berlin, 1601-01-01 00:30 local lies before the first stamp in UTC.
    const TWebResult early = ConvertMoment("1601-01-01T00:30", Berlin2024());
    EXPECT_EQ(early.ErrorField, "date");
    EXPECT_TRUE(early.Values.empty());
}

TEST(WebConversion, RepeatedAndMissingLocalTimesAsTheToolsU) {
    const TWebResult repeated = ConvertMoment("2024-10-27T02:30", Berlin2024());
    EXPECT_EQ(Value(repeated, "iso"), "2024-10-27T00:30:00.0000000Z");
    EXPECT_NE(Joined(repeated.Notes).find("occurs twice in Europe/Berlin"), std::string::npos);
    EXPECT_EQ(repeated.Command,
              "TZ=Europe/Berlin LANG=de_DE.UTF-8 kelpworth /d27.10.2024 /t02:30:00 /u");
    const TWebResult missing = ConvertMoment("2024-03-31T02:30", Berlin2024());
    EXPECT_EQ(Value(missing, "iso"), "2024-03-31T01:30:00.0000000Z");
    // Shown as the zone shows that moment, after the change.
    EXPECT_EQ(Value(missing, "local"), "2024-03-31T03:30:00.0000000+02:00");
    EXPECT_NE(Joined(missing.Notes).find("does not occur"), std::string::npos);
    // "Z" reads the moment in UTC whatever the zone.
    EXPECT_EQ(Value(ConvertMoment("2024-03-31T02:30Z", Berlin2024()), "iso"),
              "2024-03-31T02:30:00.0000000Z");
}

TEST(WebConversion, ReadsAStampBackWithItsNotesAndRefusals) {
    const TWebResult bytes = ReadStamp(" HEX(B):80,d4,c9,fc,69,7d,d3,01\t", Berlin2024());
    EXPECT_EQ(Value(bytes, "iso"), "2017-12-25T10:20:29.0000000Z");
    EXPECT_EQ(Value(bytes, "local"), "2017-12-25T11:20:29.0000000+01:00");
    EXPECT_NE(Joined(ReadStamp("0", TZone{}).Notes).find("not set"), std::string::npos);
    EXPECT_NE(Joined(ReadStamp("0x7FFFFFFF-0xFFFFFFFF", TZone{}).Notes).find("never"),
              std::string::npos);
    EXPECT_NE(ReadStamp("0x8000000000000000", TZone{}).Error.find("top bit"), std::string::npos);
    EXPECT_NE(ReadStamp("0x11D37D69FCC9D4800", TZone{}).Error.find("more than 64 bits"),
              std::string::npos);
    EXPECT_NE(ReadStamp("yesterday", TZone{}).Error.find("no stamp: give"), std::string::npos);
    TZone silent = Berlin2024();
    silent.OffsetAt = [](std::int64_t, std::int32_t&) { return false; };
    EXPECT_EQ(ReadStamp("0", silent).ErrorField, "zone");
    EXPECT_EQ(ConvertMoment("2017-12-25", silent).ErrorField, "zone");
}

TEST(WebConversion, LinesGiveOneResultLineEach) {
    std::string out;
    ConvertLines("2017-12-25T10:20:30\r\n\n0x01D37D69-0xFCC9D480\n2017-02-31\nno", TZone{}, out);
    EXPECT_EQ(out,
              "0x01D37D69-0xFD626B00\t131586708300000000\t0x01D37D69FD626B00\t"
              "00 6B 62 FD 69 7D D3 01\thex(b):00,6b,62,fd,69,7d,d3,01\t"
              "2017-12-25T10:20:30.0000000Z\t0x01D37D69-0xFCC9D480\n"
              "\n"
              "2017-12-25T10:20:29.0000000Z\t2017-12-25T10:20:29.0000000+00:00\t"
              "0x01D37D69-0xFCC9D480\t131586708290000000\t0x01D37D69FCC9D480\t"
              "80 D4 C9 FC 69 7D D3 01\thex(b):80,d4,c9,fc,69,7d,d3,01\n"
              "error: no such day: February 2017 has 28 days\n"
              "error: no stamp: give 0xHHHHHHHH-0xLLLLLLLL, 0x and up to 16 hexadecimal "
              "digits, decimal digits, or the 8 bytes in memory order (80,d4,c9,fc,69,7d,d3,01, "
              "with or without hex(b):)\n");
}

}  // namespace
}  // namespace kelpworth::web
