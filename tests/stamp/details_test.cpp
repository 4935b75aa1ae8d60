#include "stamp/details.h"

#include "stamp/stamp_conversion.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

using Details = testing::FakePlatformTest;

TEST_F(Details, ShowTheTextsFieldsAndStampAfterTheStampLine) {
    AttachConsoleChannel();
    fake().Windows["Kelpworth"] = 77;
    ConvertRequest({"05.03.2017", "07:08:09", ""}, true, "Kelpworth");

    const std::string stampText = "0x01D2957F-0x3E8D5280";
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
              "'Hex=" + stampText + "'");
    EXPECT_EQ(fake().Dialogs[0].second, "");  // empty caption
    EXPECT_EQ(fake().DialogStyles, std::vector<std::uint32_t>{0});  // one OK button, no icon
    EXPECT_EQ(fake().LastDialogOwner, 77);
    EXPECT_EQ(fake().Output, stampText + "\n");
}

TEST_F(Details, ShowTheClockTextThatReplacedARejectedDate) {
    AttachConsoleChannel();
    fake().Clock = {2026, 4, 5, 3, 5, 6, 7, 0};
    ConvertRequest({"32.01.2017", "10:20:30:40", ""}, true, "Kelpworth");
    ASSERT_EQ(fake().Dialogs.size(), 1u);
    const std::string& text = fake().Dialogs[0].first;
    EXPECT_EQ(text.substr(0, text.find("'Hour")),
              "'DateStr=03.04.2026'\r\n'TimeStr=10:20:30:40'\r\n'Day=3'\r\n'Month=4'\r\n"
              "'Year=2026'\r\n");
    EXPECT_EQ(fake().LastDialogOwner, 0);  // no window with the title: no owner
}

}  // namespace
}  // namespace kelpworth
