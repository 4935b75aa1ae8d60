#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <cstring>

#include "platform/picture.h"

namespace kelpworth::fake {

TFakePlatform& Fake() {
    static TFakePlatform state;
    return state;
}

void ResetFake() { Fake() = TFakePlatform{}; }

}  // namespace kelpworth::fake

namespace kelpworth::platform {

using fake::Fake;

namespace {
constexpr Handle FakeOutput = 1;
constexpr Handle FakeInput = 0;

int ToUpperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
}  // namespace

void StartProcess(int, char**) {}

std::string ReadRawCommandLine() { return Fake().CommandLine; }

void EndProcess(std::uint32_t exitCode) { throw fake::ProcessExit{exitCode}; }

Handle StandardHandle(StandardStream which) {
    if (which == StandardStream::Input) return FakeInput;
    if (Fake().OutputHandleInvalid) {
        Fake().LastError = Fake().InvalidHandleError;
        return InvalidHandle;
    }
    return FakeOutput;
}

bool HandleHasDevice(Handle handle) { return handle != FakeOutput || Fake().OutputHasDevice; }

bool WriteBytes(Handle handle, const char* bytes, std::uint32_t count) {
    if (handle != FakeOutput) return true;
    auto& fake = Fake();
    fake.WriteSizes.push_back(count);
    const int number = static_cast<int>(fake.WriteSizes.size());
    if (fake.FailWriteNumber != 0 &&
        (number == fake.FailWriteNumber ||
         (fake.FailAllWritesFromThere && number > fake.FailWriteNumber))) {
        fake.LastError = fake.FailWriteError;
        return false;
    }
    fake.Output.append(bytes, count);
    fake.Journal.append(bytes, count);
    return true;
}

std::uint32_t LastErrorCode() { return Fake().LastError; }

void ConvertAnsiToOem(char*, std::uint32_t) {}

void SetTextAttribute(Handle output, std::uint16_t attribute) {
    if (output == FakeOutput) Fake().Journal += "<attr " + std::to_string(attribute) + ">";
}

bool ReadInputEvent(Handle, TInputEvent& event) {
    auto& fake = Fake();
    const auto index = static_cast<std::size_t>(fake.InputReads);
    ++fake.InputReads;
    if (index >= fake.InputEvents.size()) return false;
    event = fake.InputEvents[index];
    return true;
}

bool ReadInputBytes(Handle, char* buffer, std::uint32_t size, std::uint32_t& count) {
    auto& fake = Fake();
    count = 0;
    if (fake.InputTaken >= fake.InputFailsAfter) {
        fake.LastError = fake.InputError;
        return false;
    }
    const std::size_t take =
        std::min<std::size_t>({size, fake.InputChunk, fake.InputBytes.size() - fake.InputTaken,
                               fake.InputFailsAfter - fake.InputTaken});
    std::copy_n(fake.InputBytes.data() + fake.InputTaken, take, buffer);
    fake.InputTaken += take;
    count = static_cast<std::uint32_t>(take);
    return true;
}

// The fake's ANSI code page is UTF-8: every character has its bytes, and
// tests see exactly which characters arrived.
void AppendAnsiText(std::u32string_view characters, std::string& text) {
    for (const char32_t c : characters) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (c >> 18));
            text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

void WriteToErrorStream(const char* bytes, std::uint32_t count) {
    Fake().ErrorStream.append(bytes, count);
}

void ShowConsoleIcon() { ++Fake().IconRequests; }

WindowHandle FindTopWindow(const std::string& title) {
    const auto found = Fake().Windows.find(title);
    return found == Fake().Windows.end() ? 0 : found->second;
}

void ShowMessageDialog(WindowHandle owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) {
    Fake().LastDialogOwner = owner;
    Fake().Dialogs.emplace_back(text, caption);
    Fake().DialogStyles.push_back(style);
}

TSystemTime ReadLocalTime() {
    ++Fake().ClockReads;
    return Fake().Clock;
}

int RenderDate(LocaleId, std::uint32_t flags, const TSystemTime& time, const char* picture,
               char* buffer, int size) {
    Fake().DateRenderFlags.push_back(flags);
    return RenderDatePicture(time, picture, buffer, size);
}

int RenderTime(LocaleId, std::uint32_t flags, const TSystemTime& time, const char* picture,
               char* buffer, int size) {
    Fake().TimeRenderFlags.push_back(flags);
    return RenderTimePicture(time, flags, picture, buffer, size);
}

int TextLength(const char* text) { return static_cast<int>(std::strlen(text)); }

std::string UserDateTimeText(const TSystemTime& time) {
    const auto found = Fake().LocaleItems.find(LocaleSShortDate);
    const std::string picture = found != Fake().LocaleItems.end() ? found->second : "M/d/yyyy";
    char date[128] = {};
    char clock[128] = {};
    RenderDatePicture(time, picture.c_str(), date, sizeof date);
    RenderTimePicture(time, TimeForce24HourFormat, "HH:mm:ss", clock, sizeof clock);
    return std::string(date) + " " + clock;
}

TSystemTime ReadUniversalTime() {
    ++Fake().ClockReads;
    return Fake().UniversalClock;
}

bool UtcOffsetAt(std::int64_t utcSeconds, std::int32_t& offsetSeconds) {
    if (!Fake().ZoneAnswers) return false;
    offsetSeconds = Fake().ZoneOffset;
    for (const auto& [from, offset] : Fake().ZoneChanges) {
        if (utcSeconds < from) break;
        offsetSeconds = offset;
    }
    return true;
}

std::string UnknownZoneName() { return Fake().UnknownZone; }

std::int32_t ZoneRulesYear(std::int32_t year) {
    if (Fake().FirstRulesYear != 0 && year < Fake().FirstRulesYear) return Fake().FirstRulesYear;
    if (Fake().LastRulesYear != 0 && year > Fake().LastRulesYear) return Fake().LastRulesYear;
    return year;
}

std::string DayMonthYearLocaleHint() { return Fake().LocaleHint; }

LocaleId ThreadLocale() { return Fake().ThreadLocaleId; }

int ReadLocaleItem(LocaleId, std::uint32_t item, char* buffer, int size) {
    auto& fake = Fake();
    ++fake.LocaleItemReads;
    const auto found = fake.LocaleItems.find(item);
    if (found == fake.LocaleItems.end()) return 0;
    const std::string& value = found->second;
    if (size <= 0 || value.size() + 1 > static_cast<std::size_t>(size)) return 0;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return static_cast<int>(value.size() + 1);
}

void EnumCalendarValues(CalendarValueCallback callback, void* context, LocaleId,
                        std::uint32_t calendar, std::uint32_t kind) {
    const auto found = Fake().CalendarValues.find({calendar, kind});
    if (found == Fake().CalendarValues.end()) return;
    for (const std::string& value : found->second) {
        if (!callback(value.c_str(), context)) return;
    }
}

int CompareLocaleText(LocaleId, std::uint32_t flags, const char* a, int lengthA, const char* b,
                      int lengthB) {
    const bool ignoreCase = (flags & NormIgnoreCase) != 0;
    const int common = lengthA < lengthB ? lengthA : lengthB;
    for (int i = 0; i < common; ++i) {
        int x = static_cast<unsigned char>(a[i]);
        int y = static_cast<unsigned char>(b[i]);
        if (ignoreCase) {
            x = ToUpperAscii(static_cast<unsigned char>(x));
            y = ToUpperAscii(static_cast<unsigned char>(y));
        }
        if (x != y) return x < y ? CompareLess : CompareGreater;
    }
    if (lengthA == lengthB) return CompareEqual;
    return lengthA < lengthB ? CompareLess : CompareGreater;
}

bool AnsiLeadByteRanges(std::uint8_t (&leadBytes)[LeadByteFieldSize]) {
    if (!Fake().LeadBytesAvailable) return false;
    std::memcpy(leadBytes, Fake().LeadBytes, sizeof leadBytes);
    return true;
}

int SystemMetric(int index) { return index == MetricDbcsEnabled && Fake().DbcsEnabled ? 1 : 0; }

}  // namespace kelpworth::platform
