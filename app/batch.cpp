#include "app/batch.h"

#include "app/batch_input.h"
#include "app/dispatch.h"
#include "app/result_writer.h"
#include "support/console_channel.h"
#include "support/text.h"

namespace kelpworth {
namespace {

constexpr std::uint32_t InputChunkSize = 64 * 1024;
constexpr std::size_t OutputHeldUpTo = std::size_t{64} * 1024;

// The line as the command line of a run of its own; `commandLine` is
// reused from line to line.
TRequestOutcome LineOutcome(std::string_view line, const TCommandLineRequest& global,
                            const TLocaleTextSettings& settings, const TValueChecks& checks,
                            const TSystemAnswers& system, std::string& commandLine) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A line is read as its words typed on a command line, where the shell
    // drops the blanks at the end; tabs separate like blanks (tab-separated
    // files are common, and /b /x writes them).
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty()) return {};  // an empty output line, even under /s
    // With /r on the real command line every line is a stamp to read back.
    commandLine.assign(global.Stamp.Present ? "kelpworth /r" : "kelpworth ");
    const std::size_t lineStart = commandLine.size();
    commandLine.resize(lineStart + line.size());
    // Copied lower-cased, its tabs as blanks, in one pass.
    char* out = commandLine.data() + lineStart;
    for (const char c : line) {
        *out++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c == '\t' ? ' ' : c;
    }
    TCommandLineRequest request = ReadLowerCaseCommandLine(commandLine, checks, system.Clock);
    InheritScriptSwitches(request, global);
    return OutcomeOf(request, settings, system);
}

}  // namespace

int RunBatch(const TCommandLineRequest& global, const TLocaleTextSettings& settings,
             const TValueChecks& checks, const TSystemAnswers& system,
             platform::Handle input) {
    TResultWriter output(TResultShape::OneLine, OutputHeldUpTo, BatchWriteFailureLocation);
    TBatchInput inputText;  // UTF-16 and byte-order marks
    std::string line;
    std::string commandLine;
    char chunk[InputChunkSize];
    std::uint64_t lineNumber = 0;
    int exitCode = 0;

    const auto convert = [&](std::string_view text) {
        ++lineNumber;
        const TRequestOutcome outcome =
            LineOutcome(text, global, settings, checks, system, commandLine);
        if (outcome.ExitCode != 0) exitCode = outcome.ExitCode;
        output.Write(outcome, outcome.Messages.empty()
                                  ? std::string()
                                  : "line " + UnsignedDecimalText(lineNumber) + ": ");
    };

    for (;;) {
        // Everything answered so far goes out before more input is awaited,
        // so that a terminal sees each answer.
        output.Flush();
        std::uint32_t count = 0;
        if (!platform::ReadInputBytes(input, chunk, InputChunkSize, count)) {
            WriteErrorLine(MessageLine("standard input could not be read (error " +
                                       UnsignedDecimalText(platform::LastErrorCode()) + ")"));
            exitCode = RefusedExitCode;
            break;
        }
        if (count == 0) break;
        std::string_view rest = inputText.TextOf({chunk, count});
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            if (end == std::string_view::npos) {
                line.append(rest);
                break;
            }
            if (line.empty()) {
                convert(rest.substr(0, end));
            } else {
                line.append(rest.substr(0, end));
                convert(line);
                line.clear();
            }
            rest.remove_prefix(end + 1);
        }
    }
    line += inputText.RestAtEnd();  // what an unfinished mark or code unit left
    if (!line.empty()) convert(line);  // the last line without a line end
    output.Flush();
    return exitCode;
}

}  // namespace kelpworth
