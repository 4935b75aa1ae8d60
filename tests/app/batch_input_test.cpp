// Batch input saved as UTF-16 or with a UTF-8 byte-order mark, over the
// fake platform, whose ANSI code page is UTF-8.
#include "app/batch_input.h"

#include <string>

#include "app/run_flow.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

const std::string Utf8Mark = "\xEF\xBB\xBF";
const std::string LittleEndianMark = "\xFF\xFE";
const std::string BigEndianMark = "\xFE\xFF";

// Each character of an ASCII or Latin-1 text as one UTF-16 code unit.
std::string Utf16(std::string_view text, bool bigEndian) {
    std::string bytes;
    for (const char c : text) {
        const char high = '\0';
        if (bigEndian) bytes += high;
        bytes += c;
        if (!bigEndian) bytes += high;
    }
    return bytes;
}

// What the input gives as text when it arrives `chunk` bytes at a time.
std::string TextInChunks(std::string_view input, std::size_t chunk) {
    TBatchInput reader;
    std::string text;
    for (std::size_t at = 0; at < input.size(); at += chunk) {
        text += reader.TextOf(input.substr(at, chunk));
    }
    text += reader.RestAtEnd();
    return text;
}

struct TInputCase {
    const char* What;
    std::string Input;
    std::string Text;
};

TEST(BatchInput, GivesTheSameTextInChunksOfEverySize) {
    const std::string lines = "/d25.12.2017 /t10:20:30\r\n/c\r\n";
    const TInputCase cases[] = {
        {"no mark: the bytes as they are", lines, lines},
        {"UTF-16 little-endian", LittleEndianMark + Utf16(lines, false), lines},
        {"UTF-16 big-endian", BigEndianMark + Utf16(lines, true), lines},
        {"a UTF-8 mark is dropped", Utf8Mark + lines, lines},
        {"a UTF-8 mark alone", Utf8Mark, ""},
        {"UTF-16 beyond Latin-1, a pair split anywhere",
         LittleEndianMark + Utf16("/d", false) + std::string("\xAC\x20\x3D\xD8\x00\xDE", 6) +
             Utf16("\r\n", false),
         "/d\u20AC\U0001F600\r\n"},
        {"UTF-16 ending in an odd byte", LittleEndianMark + std::string("/\0c", 3), "/\uFFFD"},
        {"the start of a mark and no more", "\xEF\xBB", "\xEF\xBB"},
        {"a byte like the start of a mark", "\xEF\xBB/c", "\xEF\xBB/c"},
        {"marks further on are text", "/c" + LittleEndianMark + Utf8Mark,
         "/c" + LittleEndianMark + Utf8Mark},
        {"a UTF-16 mark alone", BigEndianMark, ""},
    };
    for (const TInputCase& example : cases) {
        for (std::size_t chunk = 1; chunk <= example.Input.size() + 1; ++chunk) {
            EXPECT_EQ(TextInChunks(example.Input, chunk), example.Text)
                << example.What << ", chunks of " << chunk;
        }
    }
}

TEST(BatchInput, PlainInputIsHandedOnWithoutACopy) {
    TBatchInput reader;
    const std::string first = "/c\n/c\n";
    const std::string second = "/c\n";
    EXPECT_EQ(reader.TextOf(first).data(), first.data());
    EXPECT_EQ(reader.TextOf(second).data(), second.data());
}

// The whole batch: UTF-16 with CR LF lines, read in chunks that cut the
// mark, the code units and the line ends at every offset, gives what the
// same lines give as plain bytes.
class BatchOfUnicodeInput : public testing::FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"},
                              {platform::LocaleSDate, "."}};
    }
    int Run(const std::string& input, std::size_t chunk) {
        fake().CommandLine = "kelpworth /q /s /b";
        fake().InputBytes = input;
        fake().InputChunk = chunk;
        fake().InputTaken = 0;
        fake().Output.clear();
        fake().ErrorStream.clear();
        ResetConsoleChannel();
        return RunKelpworth();
    }
};

TEST_F(BatchOfUnicodeInput, EveryChunkSizeGivesWhatThePlainLinesGive) {
    const std::string lines =
        "/d25.12.2017 /t10:20:30\r\n/r0x01D37D69-0xFCC9D480\r\n/d32.01.2017 /t10:20:30\r\n/c";
    const int plainExit = Run(lines, 4096);
    const std::string plainOutput = fake().Output;
    const std::string plainErrors = fake().ErrorStream;
    ASSERT_EQ(plainExit, 2);  // line 3 is refused: its message names the line
    ASSERT_NE(plainErrors.find("line 3: /d \"32.01.2017\""), std::string::npos);

    for (const bool bigEndian : {false, true}) {
        const std::string input =
            (bigEndian ? BigEndianMark : LittleEndianMark) + Utf16(lines, bigEndian);
        for (std::size_t chunk = 1; chunk <= input.size(); ++chunk) {
            EXPECT_EQ(Run(input, chunk), plainExit) << bigEndian << ", chunks of " << chunk;
            EXPECT_EQ(fake().Output, plainOutput) << bigEndian << ", chunks of " << chunk;
            EXPECT_EQ(fake().ErrorStream, plainErrors) << bigEndian << ", chunks of " << chunk;
        }
    }
    for (std::size_t chunk = 1; chunk <= 4; ++chunk) {
        EXPECT_EQ(Run(Utf8Mark + lines, chunk), plainExit) << "UTF-8 mark, chunks of " << chunk;
        EXPECT_EQ(fake().Output, plainOutput) << "UTF-8 mark, chunks of " << chunk;
    }
}

// A character beyond ASCII reaches the line as the code page writes it.
TEST_F(BatchOfUnicodeInput, ACharacterBeyondAsciiReachesTheLineInTheCodePage) {
    EXPECT_EQ(Run(LittleEndianMark + Utf16("/d25.12.2017\xE4\r\n", false), 3), 2);
    EXPECT_EQ(fake().Output, "\n");
    EXPECT_NE(fake().ErrorStream.find("line 1: /d \"25.12.2017\xC3\xA4\""), std::string::npos)
        << fake().ErrorStream;
}

}  // namespace
}  // namespace kelpworth
