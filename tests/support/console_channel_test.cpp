#include "support/console_channel.h"

#include <string>
#include <vector>

#include "common/test_support.h"

namespace kelpworth {
namespace {

using ConsoleChannel = testing::FakePlatformTest;
using ::testing::ElementsAre;

TEST_F(ConsoleChannel, ATextOfExactlyTheBufferSizeIsWrittenOutAtOnce) {
    AttachConsoleChannel();
    const std::string text(128, 'x');
    WriteLine(text);
    // The full buffer goes out while copying; the line end goes alone.
    EXPECT_THAT(fake().WriteSizes, ElementsAre(128u, 1u));
    EXPECT_EQ(fake().Output, text + "\n");
}

TEST_F(ConsoleChannel, ALongTextGoesOutInPiecesOfTheBufferSize) {
    AttachConsoleChannel();
    const std::string text(300, 'y');
    WriteLine(text);
    // 128 + 128 while copying, then the remaining 44 bytes and the line feed.
    EXPECT_THAT(fake().WriteSizes, ElementsAre(128u, 128u, 45u));
    EXPECT_EQ(fake().Output, text + "\n");
}

TEST_F(ConsoleChannel, EveryLineEndWritesOut) {
    AttachConsoleChannel();
    WriteLine("a\r\nb");
    WriteLine("");
    WriteLine("c");
    EXPECT_THAT(fake().WriteSizes, ElementsAre(5u, 1u, 2u));
    EXPECT_EQ(fake().Output, "a\r\nb\n\nc\n");
}

TEST_F(ConsoleChannel, AFailedWriteStopsTheProcessWithTheRunTimeError) {
    AttachConsoleChannel();
    WriteLine("first");
    fake().FailWriteNumber = 2;
    fake().FailWriteError = 28;
    try {
        WriteLine("second");
        FAIL() << "the process should have ended";
    } catch (const fake::ProcessExit& exit) {
        EXPECT_EQ(exit.Code, 28u);
    }
    // Nothing after the first line reaches standard output; the message
    // also goes to standard error.
    EXPECT_EQ(fake().Output, "first\n");
    EXPECT_EQ(fake().ErrorStream, "Runtime error  28 at 00000020\r\n");
}

TEST_F(ConsoleChannel, AFailedWriteDropsTheRestOfTheText) {
    AttachConsoleChannel();
    fake().FailWriteNumber = 1;
    fake().FailWriteError = 32;
    fake().FailAllWritesFromThere = false;
    EXPECT_THROW(WriteLine(std::string(300, 'z')), fake::ProcessExit);
    // Only the first 128-byte piece was tried; the message then went out.
    EXPECT_EQ(fake().WriteSizes.size(), 2u);
    EXPECT_EQ(fake().Output, "Runtime error  32 at 00000020\r\n");
}

TEST_F(ConsoleChannel, AWriteBeforeTheAttachStopsWith103) {
    for (const std::size_t length : {std::size_t{5}, std::size_t{300}}) {
        ResetConsoleChannel();
        try {
            WriteLine(std::string(length, 'q'));
            FAIL() << "the process should have ended";
        } catch (const fake::ProcessExit& exit) {
            EXPECT_EQ(exit.Code, 103u);
        }
        EXPECT_EQ(fake().ErrorStream, "Runtime error 103 at 00000020\r\n");
        fake().ErrorStream.clear();
    }
}

TEST_F(ConsoleChannel, AnOutputWithoutADeviceStopsTheAttachWith105) {
    fake().OutputHasDevice = false;
    try {
        AttachConsoleChannel();
        FAIL() << "the process should have ended";
    } catch (const fake::ProcessExit& exit) {
        EXPECT_EQ(exit.Code, 105u);
    }
    EXPECT_EQ(fake().ErrorStream, "Runtime error 105 at 00000010\r\n");
}

TEST_F(ConsoleChannel, AnInvalidOutputHandleStopsWithThePlatformCode) {
    fake().OutputHandleInvalid = true;
    fake().InvalidHandleError = 0x1234;
    try {
        AttachConsoleChannel();
        FAIL() << "the process should have ended";
    } catch (const fake::ProcessExit& exit) {
        EXPECT_EQ(exit.Code, 0x34u);  // the low eight bits
    }
}

TEST(RunTimeErrorMessage, RightAlignsTheNumberAndShowsTheLocation) {
    EXPECT_EQ(RunTimeErrorMessage(5, 0x10), "Runtime error   5 at 00000010");
    EXPECT_EQ(RunTimeErrorMessage(233, 0xABCDEF), "Runtime error 233 at 00ABCDEF");
    EXPECT_EQ(RunTimeErrorMessage(0x170, 0x20), "Runtime error 112 at 00000020");
}

TEST_F(ConsoleChannel, TheKeyWaitPassesOverEverythingButAKeyDown) {
    using platform::TInputEvent;
    fake().InputEvents = {TInputEvent{2, 0}, TInputEvent{1, 0}, TInputEvent{16, 1},
                          TInputEvent{1, 1}, TInputEvent{1, 1}};
    WaitForKeyDown(0);
    EXPECT_EQ(fake().InputReads, 4);  // mouse, key release, focus, key down
}

TEST_F(ConsoleChannel, TheKeyWaitEndsWhenNoEventCanBeRead) {
    WaitForKeyDown(0);
    EXPECT_EQ(fake().InputReads, 1);
}

}  // namespace
}  // namespace kelpworth
