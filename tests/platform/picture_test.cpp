#include "platform/picture.h"

#include <gtest/gtest.h>

#include <string>

namespace kelpworth::platform {
namespace {

std::string Date(const TSystemTime& time, const char* picture) {
    char buffer[261];
    RenderDatePicture(time, picture, buffer, sizeof buffer);
    return buffer;
}

std::string Time(const TSystemTime& time, const char* picture, std::uint32_t flags) {
    char buffer[261];
    RenderTimePicture(time, flags, picture, buffer, sizeof buffer);
    return buffer;
}

TEST(Picture, RendersTheProgramsThreePictures) {
    const TSystemTime morning{2017, 12, 1, 25, 9, 5, 3, 999};
    EXPECT_EQ(Date(morning, "dd.MM.yyyy"), "25.12.2017");
    EXPECT_EQ(Time(morning, "HH:mm:ss", TimeForce24HourFormat), "09:05:03");
    EXPECT_EQ(Time(morning, "HH", TimeForce24HourFormat), "09");

    const TSystemTime afternoon{1601, 1, 1, 2, 13, 5, 0, 0};
    EXPECT_EQ(Date(afternoon, "dd.MM.yyyy"), "02.01.1601");
    EXPECT_EQ(Time(afternoon, "HH:mm:ss", TimeForce24HourFormat), "13:05:00");
    // A 12-hour picture still shows the 24-hour clock when forced.
    EXPECT_EQ(Time(afternoon, "hh:mm", TimeForce24HourFormat), "13:05");
    EXPECT_EQ(Time(afternoon, "h:mm", 0), "1:05");
}

TEST(Picture, ReportsATextThatDoesNotFit) {
    const TSystemTime time{2017, 12, 1, 25, 9, 5, 3, 0};
    char small[5];
    EXPECT_EQ(RenderDatePicture(time, "dd.MM.yyyy", small, sizeof small), 0);
    EXPECT_STREQ(small, "");
    char exact[11];
    EXPECT_EQ(RenderDatePicture(time, "dd.MM.yyyy", exact, sizeof exact), 11);
}

// Where the system renders no date, its pictures are rendered here only
// when every field is a number.
TEST(Picture, TellsNumericPicturesFromPicturesWithNames) {
    for (const char* picture : {"dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd", "d.M.yy", "dd'd'MM"}) {
        EXPECT_TRUE(IsNumericDatePicture(picture)) << picture;
    }
    for (const char* picture : {"ddd dd.MM.yyyy", "dd MMM yyyy", "dd.MM.yyyy gg", "dd.MM.yyyyx"}) {
        EXPECT_FALSE(IsNumericDatePicture(picture)) << picture;
    }
    for (const char* picture : {"HH:mm:ss", "h:mm:ss 'Uhr'", "H.mm"}) {
        EXPECT_TRUE(IsNumericTimePicture(picture)) << picture;
    }
    EXPECT_FALSE(IsNumericTimePicture("h:mm:ss tt"));
}

TEST(Picture, PutsTheAmPmMarkerInAsText) {
    EXPECT_EQ(WithTimeMarker("h:mm:ss tt", "PM"), "h:mm:ss 'PM'");
    EXPECT_EQ(WithTimeMarker("t h:mm", "AM"), "'A' h:mm");
    EXPECT_EQ(WithTimeMarker("HH:mm 'tt' tt", "o'c"), "HH:mm 'tt' 'o''c'");
    const TSystemTime evening{1600, 12, 0, 31, 19, 3, 58, 0};
    EXPECT_EQ(Time(evening, WithTimeMarker("h:mm:ss tt", "PM").c_str(), 0), "7:03:58 PM");
    EXPECT_EQ(Date(evening, "M/d/yyyy"), "12/31/1600");
}

}  // namespace
}  // namespace kelpworth::platform
