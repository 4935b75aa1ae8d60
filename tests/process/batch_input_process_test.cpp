// Batch files saved as UTF-16 (Notepad's "Unicode", the `>` of Windows
// PowerShell 5.1) or with a UTF-8 byte-order mark, on the real executable:
// they give what the same lines give as plain bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/expected_output.h"
#include "run_process.h"

namespace kelpworth::testing {
namespace {

const std::string Lines =
    "/d25.12.2017 /t10:20:30\r\n"
    "/r0x01D37D69-0xFCC9D480\r\n"
    "/x /d01.01.2017 /t00:00:03\r\n"
    "/d32.01.2017 /t10:20:30\r\n"  // refused under /s: a message that names line 4
    "/c";                          // no line end

const std::string LittleEndianMark = "\xFF\xFE";
const std::string BigEndianMark = "\xFE\xFF";

// Each byte of a text as one UTF-16 code unit (Latin-1 to Unicode).
std::string Utf16(std::string_view text, bool bigEndian) {
    std::string bytes;
    for (const char c : text) {
        if (bigEndian) bytes += '\0';
        bytes += c;
        if (!bigEndian) bytes += '\0';
    }
    return bytes;
}

class UnicodeBatchFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = WhyFixedRunsCannotBeMade(); !why.empty()) GTEST_SKIP() << why;
    }
    static TProcessResult Run(const std::string& input, InputSource source,
                              const std::string& locale = "de_DE.UTF-8") {
        TProcessOptions options;
        options.Arguments = {"/q", "/s", "/b"};
        options.Environment = {"LANG=" + locale};
        options.FixedClock = expected::FixedClock;
        options.Input = source;
        options.InputText = input;
        return RunProcess(options);
    }
};

TEST_F(UnicodeBatchFiles, GiveWhatThePlainFileGives) {
    const TProcessResult plain = Run(Lines, InputSource::TextFile);
    ASSERT_EQ(plain.ExitCode, 2);
    ASSERT_EQ(plain.Output.substr(0, 22), "0x01D37D69-0xFCC9D480\n");
    ASSERT_NE(plain.Error.find("line 4: /d \"32.01.2017\""), std::string::npos) << plain.Error;

    const std::pair<const char*, std::string> encodings[] = {
        {"UTF-16 little-endian", LittleEndianMark + Utf16(Lines, false)},
        {"UTF-16 big-endian", BigEndianMark + Utf16(Lines, true)},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + Lines},
    };
    for (const auto& [what, input] : encodings) {
        for (const InputSource source : {InputSource::TextFile, InputSource::TextPipe}) {
            const TProcessResult result = Run(input, source);
            EXPECT_EQ(result.ExitCode, plain.ExitCode) << what;
            EXPECT_EQ(result.Output, plain.Output) << what;
            EXPECT_EQ(result.Error, plain.Error) << what;
        }
    }
}

// A character beyond ASCII reaches the line in the locale's character set,
// as it would come on a command line; one the set lacks becomes '?'. A
// refused date shows it in its message.
TEST_F(UnicodeBatchFiles, CharactersBeyondAsciiComeInTheLocalesCharacterSet) {
    struct TCase {
        const char* Locale;
        std::string Character;  // its UTF-16 code unit, little-endian
        std::string Shown;      // its bytes in the message
    };
    const std::string aUmlaut("\xE4\0", 2);
    const std::string euroSign("\xAC\x20", 2);
    const TCase cases[] = {
        {"de_DE.UTF-8", aUmlaut, "\xC3\xA4"},
        {"de_DE.UTF-8", euroSign, "\xE2\x82\xAC"},
        {"de_DE.ISO-8859-1", aUmlaut, "\xE4"},
        {"de_DE.ISO-8859-1", euroSign, "?"},
        {"de_DE.ISO-8859-15@euro", euroSign, "\xA4"},
    };
    std::vector<std::string> skipped;
    for (const TCase& example : cases) {
        if (!LocaleAvailable(example.Locale)) {
            skipped.push_back(std::string(example.Locale) + " is not installed");
            continue;
        }
        const std::string input = LittleEndianMark + Utf16("/d1", false) + example.Character +
                                  Utf16("\r\n", false);
        const TProcessResult result = Run(input, InputSource::TextPipe, example.Locale);
        EXPECT_EQ(result.ExitCode, 2) << example.Locale;
        EXPECT_EQ(result.Output, "\n") << example.Locale;
        EXPECT_NE(result.Error.find("line 1: /d \"1" + example.Shown + "\""), std::string::npos)
            << example.Locale << ": " << result.Error;
    }
    NoteSkippedCases(skipped);
}

}  // namespace
}  // namespace kelpworth::testing
