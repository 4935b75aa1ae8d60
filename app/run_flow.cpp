#include "app/run_flow.h"

#include <memory>

#include "app/command_line.h"
#include "app/fixed_texts.h"
#include "stamp/request.h"
#include "locale/date_check.h"
#include "locale/locale_settings.h"
#include "locale/time_check.h"
#include "platform/platform.h"
#include "stamp/stamp_conversion.h"
#include "support/clock_text.h"
#include "support/console_channel.h"
#include "support/text.h"

namespace kelpworth {
namespace {

// Start-up of the support units, in their fixed order. Returns the checks
// the command-line values must pass.
TValueChecks StartSupportUnits() {
    AttachConsoleChannel();
    // The locale settings are read once here and shared by both checks for
    // the rest of the run.
    const auto settings = std::make_shared<const TLocaleState>(LoadLocaleTextSettings());
    return TValueChecks{
        [settings](const std::string& text) {
            return AcceptDateText(text, *settings, ThisYear());
        },
        [settings](const std::string& text) { return AcceptTimeText(text, *settings); }};
}

void ShowHelpScreen() { WriteLine(FilledHelpText()); }

}  // namespace

std::string FilledHelpText() {
    std::string text = ReplaceAll(HelpText, "%d%", CurrentDateText(DatePicture));
    text = ReplaceAll(text, "%t%", CurrentTimeText(TimePicture));
    return ReplaceAll(text, "%t1%", CurrentTimeText(HourPicture));
}

int RunKelpworth() {
    const TValueChecks checks = StartSupportUnits();

    const platform::Handle output = LookUpStandardHandle(platform::StandardStream::Output);
    const platform::Handle input = LookUpStandardHandle(platform::StandardStream::Input);
    platform::ShowConsoleIcon();

    SetOutputTextAttribute(output, platform::BannerAttribute);
    WriteLine(BannerText);
    SetOutputTextAttribute(output, platform::NormalAttribute);

    const TCommandLineRequest request =
        ReadCommandLine(platform::ReadRawCommandLine(), checks);
    const TDateTimeRecord& current = request.Record;

    if (!current.DateStr.empty()) {
        ConvertRequest(current, request.Details, TitleText);
    } else if (current.Mode == HelpMode) {
        ShowHelpScreen();
        WaitForKeyDown(input);
    } else {
        ShowHelpScreen();
    }

    CloseConsoleChannel();
    return 0;
}

}  // namespace kelpworth
