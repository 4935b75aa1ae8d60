// A batch over random standard input, through the whole run over the fake
// platform. Input: one byte of switches for the real command line, then
// the bytes of standard input. Whatever the bytes: one output line for
// every input line (UTF-16 lines after a UTF-16 byte-order mark), each
// empty or beginning with a stamp or a moment; no crash; the output held
// in memory stays small.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/fixed_texts.h"
#include "app/run_flow.h"
#include "fake_locales.h"
#include "fuzz_bytes.h"
#include "platform/fake/fake_platform.h"
#include "support/console_channel.h"

namespace kelpworth::fuzz {
namespace {

// Input lines: line feeds, and a last line without one. Input with a
// UTF-16 mark counts its code units after it (an odd byte at the end is a
// character too); a UTF-8 mark is no part of the first line.
std::size_t LinesOf(std::string_view input) {
    std::size_t lines = 0;
    const std::string_view head = input.substr(0, 2);
    if (head == "\xFF\xFE" || head == "\xFE\xFF") {
        const std::string_view lineFeed = head[0] == '\xFF' ? std::string_view("\n\0", 2)
                                                            : std::string_view("\0\n", 2);
        input.remove_prefix(2);
        for (std::size_t at = 0; at + 1 < input.size(); at += 2) {
            lines += input.substr(at, 2) == lineFeed ? 1 : 0;
        }
        const bool endsInALineFeed = input.size() % 2 == 0 && input.size() >= 2 &&
                                     input.substr(input.size() - 2) == lineFeed;
        if (!input.empty() && !endsInALineFeed) ++lines;
        return lines;
    }
    if (input.substr(0, 3) == "\xEF\xBB\xBF") input.remove_prefix(3);
    for (const char c : input) lines += c == '\n' ? 1 : 0;
    if (!input.empty() && input.back() != '\n') ++lines;
    return lines;
}

bool StartsAResult(std::string_view line) {
    if (line.empty()) return true;
    if (line.size() >= 21 && line.substr(0, 2) == "0x" && line.substr(10, 3) == "-0x") return true;
    // a moment: four or five digits of a year, then '-'
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    return (digits == 4 || digits == 5) && digits < line.size() && line[digits] == '-';
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    using namespace kelpworth::fuzz;

    fake::ResetFake();
    ResetConsoleChannel();
    TFuzzBytes bytes{data, size};
    InstallFakeLocale(bytes);
    const std::uint8_t switches = TakeByte(bytes);
    std::string commandLine = "kelpworth /b";
    if ((switches & 1) != 0) commandLine += " /q";
    if ((switches & 2) != 0) commandLine += " /s";
    if ((switches & 4) != 0) commandLine += " /u";
    if ((switches & 8) != 0) commandLine += " /x";
    auto& fake = fake::Fake();
    fake.CommandLine = commandLine;
    fake.ZoneOffset = (switches >> 4) * 3600 - 7 * 3600;
    const std::string_view input = RestOf(bytes);
    fake.InputBytes = std::string(input);
    fake.InputChunk = 1 + (switches >> 4) * 97;

    int exitCode = -1;
    try {
        exitCode = RunKelpworth();
    } catch (const fake::ProcessExit& exit) {
        Violated("the process stopped", std::to_string(exit.Code));
    }
    Require(exitCode == 0 || exitCode == 2, "exit code 0 or 2", std::to_string(exitCode));

    std::string_view output = fake.Output;
    const std::string banner = std::string(BannerText) + "\n";
    if ((switches & 1) == 0) {
        Require(output.substr(0, banner.size()) == banner, "the banner first", output);
        output.remove_prefix(banner.size());
    }
    std::size_t lines = 0;
    while (!output.empty()) {
        const std::size_t end = output.find('\n');
        Require(end != std::string_view::npos, "every output line ends", output);
        Require(StartsAResult(output.substr(0, end)), "a result or nothing", output.substr(0, end));
        output.remove_prefix(end + 1);
        ++lines;
    }
    Require(lines == LinesOf(input), "one output line for every input line",
            std::to_string(lines) + " for " + std::to_string(LinesOf(input)));
    Require(fake.InputReads == 0 && fake.Dialogs.empty(), "no key wait and no dialog");
    // Output is held until 64 KiB or the next read: a write is never much
    // larger, whatever the input.
    for (const std::uint32_t written : fake.WriteSizes) {
        Require(written <= 64 * 1024 + 512, "output is written out as it goes",
                std::to_string(written));
    }
    return 0;
}
