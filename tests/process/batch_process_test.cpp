// Stamps read back (/r) and batches (/b) on the real executable, with the
// clock fixed: a batch line gives what the same request prints on its own.
#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/batch_line.h"
#include "common/expected_output.h"
#include "run_process.h"

namespace kelpworth::testing {
namespace {

const std::string& Now = expected::StampLineAt0941;
const std::string Read102029 = "2017-12-25T10:20:29.0000000\n25.12.2017 10:20:29\n";

class BatchesProcess : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = WhyFixedRunsCannotBeMade(); !why.empty()) GTEST_SKIP() << why;
    }
    static TProcessResult Run(std::vector<std::string> arguments, const std::string& input = {},
                              InputSource source = InputSource::TextPipe) {
        TProcessOptions options;
        options.Arguments = std::move(arguments);
        options.Environment = {"LANG=de_DE.UTF-8"};
        options.FixedClock = expected::FixedClock;
        options.Input = source;
        options.InputText = input;
        options.TimeLimitSeconds = 60;
        return RunProcess(options);
    }
};

TEST_F(BatchesProcess, TwoRequestsFromAPipe) {
    const TProcessResult result = Run({"/q", "/b"}, "/d25.12.2017 /t10:20:30\n/c\n");
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output, "0x01D37D69-0xFCC9D480\n" + Now);
    EXPECT_EQ(result.Error, "");
}

TEST_F(BatchesProcess, AStampReadBackInItsForms) {
    for (const char* value : {"/r0x01D37D69-0xFCC9D480", "/r80,d4,c9,fc,69,7d,d3,01",
                              "/rHEX(B):80,D4,C9,FC,69,7D,D3,01", "/r131586708290000000",
                              "/r0x1d37d69fcc9d480"}) {
        const TProcessResult result = Run({"/q", value});
        EXPECT_EQ(result.ExitCode, 0) << value;
        EXPECT_EQ(result.Output, Read102029) << value;
    }
    const TProcessResult refused = Run({"/q", "/r0x8000000000000000"});
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_EQ(refused.Output, "");
}

// What a run of its own prints, as a batch line; the help screen and a
// refusal give an empty line.
std::string AsBatchLine(const TProcessResult& alone) {
    if (alone.ExitCode != 0 || alone.Output.rfind("This utility", 0) == 0) return "";
    return BatchLineOf(alone.Output);
}

// The command lines of the run-flow fuzz corpus whose arguments a shell
// passes through unchanged (no quotes, tabs or doubled blanks), the program
// name taken away.
std::vector<std::string> CorpusLines() {
    std::vector<std::string> lines;
    DIR* folder = ::opendir(KELPWORTH_RUN_FLOW_CORPUS);
    if (folder == nullptr) return lines;
    while (const dirent* entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream file(std::string(KELPWORTH_RUN_FLOW_CORPUS) + "/" + entry->d_name,
                           std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (bytes.size() < 27) continue;
        std::string line = bytes.substr(27);  // settings, clock and zone come first
        line = line.substr(0, line.find('\0'));
        if (line.rfind("kelpworth ", 0) != 0) continue;
        line.erase(0, 10);
        bool plain = !line.empty() && line.back() != ' ' && line.find("  ") == std::string::npos;
        for (const char c : line) plain = plain && c > ' ' - 1 && c < 127 && c != '"';
        std::string lowered = line;
        for (char& c : lowered) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (plain && lowered.find("/b") == std::string::npos && line[0] != ' ') {
            lines.push_back(line);
        }
    }
    ::closedir(folder);
    return lines;
}

std::vector<std::string> Arguments(const std::string& line) {
    std::vector<std::string> arguments;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t end = line.find(' ', at);
        arguments.push_back(line.substr(at, end - at));
        at = end == std::string::npos ? line.size() + 1 : end + 1;
    }
    return arguments;
}

// The equivalence that defines a batch, over the fuzz corpus's lines.
TEST_F(BatchesProcess, EachLineGivesWhatItsOwnRunPrints) {
    const std::vector<std::string> lines = CorpusLines();
    ASSERT_GE(lines.size(), 20u);
    for (const std::vector<std::string>& switches :
         {std::vector<std::string>{}, std::vector<std::string>{"/x", "/u"}}) {
        std::string input;
        std::string expected;
        for (const std::string& line : lines) {
            std::vector<std::string> arguments = {"/q"};
            arguments.insert(arguments.end(), switches.begin(), switches.end());
            for (const std::string& argument : Arguments(line)) arguments.push_back(argument);
            input += line + "\n";
            expected += AsBatchLine(Run(arguments)) + "\n";
        }
        std::vector<std::string> batch = {"/q", "/b"};
        batch.insert(batch.end(), switches.begin(), switches.end());
        const TProcessResult result = Run(batch, input);
        EXPECT_EQ(result.Output, expected) << switches.size();
    }
}

// Argument lists as a shell delivers them when the user quoted a value with
// blanks: the same words typed without the quotes give the same output.
TEST_F(BatchesProcess, AnArgumentWithBlanksReadsAsItsWords) {
    struct Case {
        std::vector<std::string> Quoted;
        std::vector<std::string> Typed;
    };
    const Case cases[] = {
        {{"/q", "/d25.12.2017 /t10:20:30"}, {"/q", "/d25.12.2017", "/t10:20:30"}},
        {{"/q", "/d25.12.2017", "/t 10:20:30"}, {"/q", "/d25.12.2017", "/t", "10:20:30"}},
        {{"/q", "/r 0x01D37D69-0xFCC9D480"}, {"/q", "/r", "0x01D37D69-0xFCC9D480"}},
        {{"/q", "/x", "/d "}, {"/q", "/x", "/d"}},
        {{"/q", "/x /d25.12.2017", "/t10:20:30 "}, {"/q", "/x", "/d25.12.2017", "/t10:20:30"}},
    };
    for (const Case& c : cases) {
        const TProcessResult quoted = Run(c.Quoted);
        const TProcessResult typed = Run(c.Typed);
        const std::string name = c.Quoted.back();
        EXPECT_EQ(quoted.ExitCode, 0) << name;
        EXPECT_EQ(quoted.Output, typed.Output) << name;
        EXPECT_EQ(quoted.Error, typed.Error) << name;
    }
    EXPECT_EQ(Run({"/q", "/d25.12.2017 /t10:20:30"}).Output, "0x01D37D69-0xFCC9D480\n");
    EXPECT_EQ(Run({"/q", "/r 0x01D37D69-0xFCC9D480"}).Output, Read102029);
}

// The words of a batch line as a shell splits them: at runs of blanks and
// tabs, with none at the ends.
std::vector<std::string> ShellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : line + " ") {
        if (c != ' ' && c != '\t') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// Lines with tabs, blanks at the end and switches with an empty value give
// what their words give typed on a command line.
TEST_F(BatchesProcess, ALineGivesWhatItsWordsGiveTyped) {
    const std::vector<std::string> lines = {
        "/d25.12.2017\t/t10:20:30", "/x /d ", "/x /d", "/d /t10:20:30", "/t ", "/r ",
        "\t/r\t0x01D37D69-0xFCC9D480\t", "/d25.12.2017 /t ", "/x /d09.05.1810 /t08:03:37",
    };
    std::string input;
    std::string expected;
    for (const std::string& line : lines) {
        std::vector<std::string> arguments = {"/q"};
        for (const std::string& word : ShellWords(line)) arguments.push_back(word);
        input += line + "\n";
        expected += AsBatchLine(Run(arguments)) + "\n";
    }
    const TProcessResult result = Run({"/q", "/b"}, input);
    EXPECT_EQ(result.Output, expected);
    EXPECT_NE(result.Output.find("\t0x00EAB526-0xA7451280\n"), std::string::npos);
}

TEST_F(BatchesProcess, LongLinesManyLinesFromAFile) {
    std::string input;
    for (int line = 0; line < 100'000; ++line) input += "/d25.12.2017 /t10:20:30\r\n";
    input += "/c " + std::string(1 << 20, 'x') + "\n";  // 1 MiB: /c wins, the rest is ignored
    input += "/d01.01.1601 /t00:00:00";                  // no line end
    for (const InputSource source : {InputSource::TextFile, InputSource::TextPipe}) {
        const TProcessResult result = Run({"/q", "/b"}, input, source);
        EXPECT_EQ(result.ExitCode, 0);
        EXPECT_FALSE(result.TimedOut);
        std::string expected;
        for (int line = 0; line < 100'000; ++line) expected += "0x01D37D69-0xFCC9D480\n";
        expected += Now + "0x00000000-0x00000000\n";
        EXPECT_TRUE(result.Output == expected) << result.Output.size() << " bytes";
    }
}

TEST_F(BatchesProcess, TheBannerOnceAtTheTop) {
    const TProcessResult result = Run({"/b"}, "/c\n/c\n");
    EXPECT_EQ(result.Output, expected::Banner + Now + Now);
}

}  // namespace
}  // namespace kelpworth::testing
