#include "stamp/details.h"

#include <vector>

#include "kelpworth/stamp.h"
#include "stamp/stamp_conversion.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

using Details = testing::FakePlatformTest;

TEST_F(Details, ShowTheTextsFieldsAndStampInAPlainDialog) {
    fake().Windows["Kelpworth"] = 77;
    const TConversionResult result = ComputeStamp({"05.03.2017", "07:08:09", ""}, SystemClock());
    ShowDetails("Kelpworth", result.Used, result.Fields, StampText(result.Stamp));

    ASSERT_EQ(fake().Dialogs.size(), 1u);
    EXPECT_EQ(fake().Dialogs[0].first,
              "'DateStr=05.03.2017'\r\n"
              "'TimeStr=07:08:09'\r\n"
              "'Day=5'\r\n"
              "'Month=3'\r\n"
              "'Year=2017'\r\n"
              "'Hour=7'\r\n"
              "'Minute=8'\r\n"
              "'Second=9'\r\n"
              "'Hex=0x01D2957F-0x3E8D5280'");
    EXPECT_EQ(fake().Dialogs[0].second, "");  // empty caption
    EXPECT_EQ(fake().DialogStyles, std::vector<std::uint32_t>{0});  // one OK button, no icon
    EXPECT_EQ(fake().LastDialogOwner, 77);
}

TEST_F(Details, ShowTheClockTextThatReplacedARejectedDate) {
    fake().Clock = {2026, 4, 5, 3, 5, 6, 7, 0};
    const TConversionResult result = ComputeStamp({"32.01.2017", "10:20:30:40", ""}, SystemClock());
    ShowDetails("Kelpworth", result.Used, result.Fields, StampText(result.Stamp));
    ASSERT_EQ(fake().Dialogs.size(), 1u);
    const std::string& text = fake().Dialogs[0].first;
    EXPECT_EQ(text.substr(0, text.find("'Hour")),
              "'DateStr=03.04.2026'\r\n'TimeStr=10:20:30:40'\r\n'Day=3'\r\n'Month=4'\r\n"
              "'Year=2026'\r\n");
    EXPECT_EQ(fake().LastDialogOwner, 0);  // no window with the title: no owner
}

TEST_F(Details, NameTheOffsetOfAUtcStampLast) {
    const TConversionResult result = ComputeStamp({"05.03.2017", "07:08:09", ""}, SystemClock());
    for (const auto& [offset, line] :
         {std::pair{3600, "'Offset=+01:00'"}, std::pair{-18000, "'Offset=-05:00'"},
          std::pair{20700, "'Offset=+05:45'"}, std::pair{3208, "'Offset=+00:53:28'"}}) {
        const std::string text =
            DetailsText(result.Used, result.Fields, "0x01D2957F-0x3E8D5280", offset);
        EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), line);
        EXPECT_NE(text.find("'Hex=0x01D2957F-0x3E8D5280'\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace kelpworth
