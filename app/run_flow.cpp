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
#include "app/dispatch.h"
#include "app/result_writer.h"
#include "stamp/details.h"
#include "stamp/system_time.h"
#include "stamp/zone_notes.h"
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

// The checks the command-line values must pass, in the user's settings;
// the year is read from the clock only where a date needs it.
TValueChecks ChecksIn(const std::shared_ptr<const TLocaleState>& settings, const TClock& clock) {
    return TValueChecks{
        [settings, &clock](const std::string& text) {
            return AcceptDateText(text, *settings, [&clock] { return ThisYear(clock); });
        },
        [settings](const std::string& text) { return AcceptTimeText(text, *settings); }};
}

// The platform's answers to what a request's steps ask.
TSystemAnswers PlatformAnswers(const TClock& clock) {
    return TSystemAnswers{
        clock, platform::UtcOffsetAt, PlatformZoneNotes,
        [](const TStampMoment& moment) { return platform::UserDateTimeText(SystemTimeOf(moment)); },
        [] { return platform::DayMonthYearLocaleHint(); }};
}

void ShowHelpScreen(const TClock& clock) { WriteLine(FilledHelpText(clock)); }

// A run of its own writes a request's result lines at once, then shows the
// details it asked for.
int WriteOutcome(const TRequestOutcome& outcome) {
    TResultWriter writer(TResultShape::Lines, 0, WriteLineFailureLocation);
    writer.Write(outcome);
    if (outcome.Details) {
        const TDetails& details = *outcome.Details;
        ShowDetails(TitleText, details.Used, details.Fields, details.StampText, details.UtcOffset);
    }
    return outcome.ExitCode;
}

}  // namespace

std::string FilledHelpText(const TClock& clock) {
    std::string text = ReplaceAll(HelpText, "%d%", CurrentDateText(clock, DatePicture));
    text = ReplaceAll(text, "%t%", CurrentTimeText(clock, TimePicture));
    return ReplaceAll(text, "%t1%", CurrentTimeText(clock, HourPicture));
}

int RunKelpworth() {
    const std::shared_ptr<const TLocaleState> settings = StartSupportUnits();
    const TClock& clock = SystemClock();

    const platform::Handle input = StandardInput();
    platform::ShowConsoleIcon();

    // The banner goes out before the values are read and checked, so /q is
    // looked for on its own first; the line is then read once, in full.
    const std::string commandLine = platform::ReadRawCommandLine();
    if (!QuietRequested(commandLine)) WriteBanner(BannerText);

    const TValueChecks checks = ChecksIn(settings, clock);
    const TCommandLineRequest request = ReadCommandLine(commandLine, checks, clock);
    const TSystemAnswers system = PlatformAnswers(clock);

    int exitCode = 0;
    switch (request.Kind) {
        case TRequestKind::Batch:
            exitCode = RunBatch(request, settings->Settings, checks, system, input);
            break;
        case TRequestKind::ReadBack:
        case TRequestKind::Stamp:
            exitCode = WriteOutcome(OutcomeOf(request, settings->Settings, system));
            break;
        case TRequestKind::Help:
            ShowHelpScreen(clock);
            WaitForKeyDown(input);
            break;
        case TRequestKind::None:
            ShowHelpScreen(clock);
            break;
    }

    CloseConsoleChannel();
    return exitCode;
}

}  // namespace kelpworth
