#include "support/clock_text.h"

#include <string>
#include <vector>

#include "common/test_support.h"

namespace kelpworth {
namespace {

using ClockText = testing::FakePlatformTest;

// The pictures alone decide the texts: the date renderer gets no flags and
// the time renderer is held to the 24-hour clock, whatever the user's
// settings would add.
TEST_F(ClockText, RendersWithTheFixedPicturesAndFlags) {
    fake().Clock = {2026, 4, 0, 3, 13, 5, 0, 0};
    const TClock& clock = SystemClock();
    EXPECT_EQ(CurrentDateText(clock), "03.04.2026");
    EXPECT_EQ(CurrentTimeText(clock), "13:05:00");
    EXPECT_EQ(CurrentTimeText(clock, HourPicture), "13");
    EXPECT_EQ(ThisYear(clock), 2026);
    EXPECT_EQ(fake().DateRenderFlags, std::vector<std::uint32_t>{0});
    EXPECT_EQ(fake().TimeRenderFlags,
              (std::vector<std::uint32_t>{platform::TimeForce24HourFormat,
                                          platform::TimeForce24HourFormat}));
    EXPECT_EQ(fake().ClockReads, 4);  // each text reads the clock anew
}

}  // namespace
}  // namespace kelpworth
