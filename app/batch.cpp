#include "app/batch.h"

#include <cstring>

#include "app/batch_input.h"
#include "support/console_channel.h"
#include "support/text.h"

namespace kelpworth {
namespace {

constexpr std::uint32_t InputChunkSize = 64 * 1024;
constexpr std::size_t OutputWriteOutSize = std::size_t{64} * 1024;

// The output of a batch, held until it is large or more input is awaited,
// then written out as the console channel writes: converted to the OEM code
// page, and a failed write stops the process with the run-time error.
struct TBatchOutput {
    std::string Pending;
};

void WriteOut(TBatchOutput& output) {
    if (output.Pending.empty()) return;
    TConsoleChannel& channel = ProcessChannel();
    const auto count = static_cast<std::uint32_t>(output.Pending.size());
    platform::ConvertAnsiToOem(output.Pending.data(), count);
    if (!platform::WriteBytes(channel.Handle, output.Pending.data(), count)) {
        PendingIoResult() = platform::LastErrorCode();
    }
    output.Pending.clear();
    CheckIo(BatchWriteFailureLocation);
}

void WriteLineOut(TBatchOutput& output, const TRequestOutcome& outcome) {
    AppendOneLine(output.Pending, outcome);
    output.Pending += '\n';
    if (output.Pending.size() >= OutputWriteOutSize) WriteOut(output);
}

// The line as the command line of a run of its own; `commandLine` is
// reused from line to line.
TRequestOutcome LineOutcome(std::string_view line, const TCommandLineRequest& global,
                            const TLocaleTextSettings& settings, const TValueChecks& checks,
                            std::string& commandLine) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // With /r on the real command line every line is a stamp to read back.
    commandLine.assign(global.Stamp.Present ? "kelpworth /r" : "kelpworth ");
    commandLine += line;
    TCommandLineRequest request = ReadCommandLine(commandLine, checks);
    request.Strict = request.Strict || global.Strict;
    request.Utc = request.Utc || global.Utc;
    request.EveryForm = request.EveryForm || global.EveryForm;
    request.Details = false;  // no dialog inside a batch

    if (request.Record.Mode != HelpMode) {
        if (request.Stamp.Present) return StampReadingOutcome(request, settings);
        if (!request.Record.DateStr.empty() || (request.Strict && request.Date.Present)) {
            return StampRequestOutcome(request, settings);
        }
    }
    // A help request, an empty line or a line without a request: no result.
    TRequestOutcome outcome;
    if (request.Strict) {
        outcome.Messages.push_back("no request: give /d and /t, /c or /r");
        outcome.ExitCode = RefusedExitCode;
    }
    return outcome;
}

}  // namespace

TRequestOutcome BatchLineOutcome(std::string_view line, const TCommandLineRequest& global,
                                 const TLocaleTextSettings& settings,
                                 const TValueChecks& checks) {
    std::string commandLine;
    return LineOutcome(line, global, settings, checks, commandLine);
}

int RunBatch(const TCommandLineRequest& global, const TLocaleTextSettings& settings,
             const TValueChecks& checks, platform::Handle input) {
    TBatchOutput output;
    TBatchInput inputText;  // UTF-16 and byte-order marks
    std::string line;
    std::string commandLine;
    char chunk[InputChunkSize];
    std::uint64_t lineNumber = 0;
    int exitCode = 0;

    const auto convert = [&](std::string_view text) {
        ++lineNumber;
        const TRequestOutcome outcome = LineOutcome(text, global, settings, checks, commandLine);
        for (const std::string& message : outcome.Messages) {
            // Before the output they concern: what precedes it goes out first.
            WriteOut(output);
            WriteErrorLine(MessageLine("line " + UnsignedDecimalText(lineNumber) + ": " + message));
        }
        if (outcome.ExitCode != 0) exitCode = outcome.ExitCode;
        WriteLineOut(output, outcome);
    };

    for (;;) {
        // Everything answered so far goes out before more input is awaited,
        // so that a terminal sees each answer.
        WriteOut(output);
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
    WriteOut(output);
    return exitCode;
}

}  // namespace kelpworth
