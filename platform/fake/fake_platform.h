// A platform for tests: a fixed clock, a table of locale items, captured
// output, injected write failures and scripted console input. Its ANSI
// code page is UTF-8 (AppendAnsiText). Linked in place of the POSIX or
// Win32 layer.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace kelpworth::fake {

// Thrown by EndProcess so that a test can see the exit code.
struct ProcessExit {
    std::uint32_t Code;
};

// Grouped by what it fakes rather than packed: there is one of it.
// NOLINTNEXTLINE(clang-analyzer-optin.performance.Padding)
struct TFakePlatform {
    // process
    std::string CommandLine = "kelpworth";

    // clock
    platform::TSystemTime Clock{2017, 12, 1, 25, 9, 41, 7, 0};
    int ClockReads = 0;
    std::vector<std::uint32_t> DateRenderFlags;  // the flags of each date rendering
    std::vector<std::uint32_t> TimeRenderFlags;  // the flags of each time rendering
    platform::TSystemTime UniversalClock{2017, 12, 1, 25, 9, 41, 7, 0};

    // time zone: the offset from UTC (seconds, east positive) before the
    // first change, then each change as (UTC seconds from 1601, new offset),
    // in ascending order; ZoneAnswers false: the zone knows nothing
    std::int32_t ZoneOffset = 0;
    std::vector<std::pair<std::int64_t, std::int32_t>> ZoneChanges;
    bool ZoneAnswers = true;
    // the zone named but unknown (UTC used in its place); empty: none
    std::string UnknownZone;
    // the years the zone's rules cover, 0: no end; a year outside takes the
    // rules of the nearest end
    std::int32_t FirstRulesYear = 0;
    std::int32_t LastRulesYear = 0;
    std::string LocaleHint = "a day.month.year locale";

    // standard output
    bool OutputHandleInvalid = false;
    std::uint32_t InvalidHandleError = 6;
    bool OutputHasDevice = true;
    std::string Output;                      // every byte written to standard output
    std::string Journal;                     // the same, with "<attr N>" at attribute changes
    std::vector<std::uint32_t> WriteSizes;   // the count of every write to standard output
    int FailWriteNumber = 0;                 // fail the Nth write (1-based); 0: never
    std::uint32_t FailWriteError = 28;
    bool FailAllWritesFromThere = true;      // later writes fail too
    std::uint32_t LastError = 0;             // what LastErrorCode() answers
    std::string ErrorStream;

    // console input: the events ReadInputEvent delivers, then "no more"
    std::vector<platform::TInputEvent> InputEvents;
    int InputReads = 0;

    // standard input as bytes: what ReadInputBytes delivers, at most
    // InputChunk bytes a call; a failure after InputFailsAfter bytes
    std::string InputBytes;
    std::size_t InputChunk = 4096;
    std::size_t InputTaken = 0;
    std::size_t InputFailsAfter = SIZE_MAX;
    std::uint32_t InputError = 109;

    // windowing
    std::vector<std::pair<std::string, std::string>> Dialogs;  // (text, caption)
    std::vector<std::uint32_t> DialogStyles;                   // the style of each dialog
    std::map<std::string, platform::WindowHandle> Windows;      // title -> handle
    platform::WindowHandle LastDialogOwner = 0;
    int IconRequests = 0;

    // locale service
    platform::LocaleId ThreadLocaleId = 0x0409;
    std::map<std::uint32_t, std::string> LocaleItems;  // absent: missing item
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::vector<std::string>>
        CalendarValues;  // (calendar, kind) -> values
    bool DbcsEnabled = false;
    bool LeadBytesAvailable = true;
    std::uint8_t LeadBytes[platform::LeadByteFieldSize] = {};
    int LocaleItemReads = 0;
};

TFakePlatform& Fake();

// Back to the defaults above: everything the fake answers or records.
void ResetFake();

}  // namespace kelpworth::fake
