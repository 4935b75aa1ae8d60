#include "app/run_flow.h"

#include <memory>

#include "app/command_line.h"
#include "app/fixed_texts.h"
#include "stamp/request.h"
#include "locale/date_check.h"
#include "locale/locale_settings.h"
#include "locale/time_check.h"
#include "platform/platform.h"
#include "app/batch.h"
#include "app/request_outcome.h"
#include "support/clock_text.h"
#include "support/console_channel.h"
#include "support/text.h"

namespace kelpworth {
namespace {

// Start-up of the support units, in their fixed order. Returns the locale
// settings, read once here for the rest of the run.
std::shared_ptr<const TLocaleState> StartSupportUnits() {
    AttachConsoleChannel();
    return std::make_shared<const TLocaleState>(LoadLocaleTextSettings());
}

// The checks the command-line values must pass, in the user's settings.
TValueChecks ChecksIn(const std::shared_ptr<const TLocaleState>& settings) {
    return TValueChecks{
        [settings](const std::string& text) {
            return AcceptDateText(text, *settings, ThisYear);
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
    const std::shared_ptr<const TLocaleState> settings = StartSupportUnits();

    const platform::Handle output = LookUpStandardHandle(platform::StandardStream::Output);
    const platform::Handle input = LookUpStandardHandle(platform::StandardStream::Input);
    platform::ShowConsoleIcon();

    const std::string commandLine = platform::ReadRawCommandLine();
    if (!QuietRequested(commandLine)) {
        SetOutputTextAttribute(output, platform::BannerAttribute);
        WriteLine(BannerText);
        SetOutputTextAttribute(output, platform::NormalAttribute);
    }

    const TValueChecks checks = ChecksIn(settings);
    const TCommandLineRequest request = ReadCommandLine(commandLine, checks);
    const TDateTimeRecord& current = request.Record;

    int exitCode = 0;
    if (current.Mode != HelpMode && request.Batch) {
        exitCode = RunBatch(request, settings->Settings, checks, input);
    } else if (request.Stamp.Present) {
        exitCode = CarryOut(StampReadingOutcome(request, settings->Settings), TitleText);
    } else if (!current.DateStr.empty() || (request.Strict && request.Date.Present)) {
        // A strict request says what is wrong with an empty date, too.
        exitCode = CarryOut(StampRequestOutcome(request, settings->Settings), TitleText);
    } else if (current.Mode == HelpMode) {
        ShowHelpScreen();
        WaitForKeyDown(input);
    } else {
        ShowHelpScreen();
    }

    CloseConsoleChannel();
    return exitCode;
}

}  // namespace kelpworth
