// The locale service on POSIX: the C library's locale data of the user's
// environment, loaded once.
#include <cstring>

#include "platform/platform.h"
#include "platform/posix/posix_locale_data.h"

namespace kelpworth::platform {

using posix::ProcessLocaleData;

LocaleId ThreadLocale() { return ProcessLocaleData().Language; }

int ReadLocaleItem(LocaleId, std::uint32_t item, char* buffer, int size) {
    return posix::CopyLocaleItem(ProcessLocaleData(), item, buffer, size);
}

void EnumCalendarValues(CalendarValueCallback callback, void* context, LocaleId,
                        std::uint32_t calendar, std::uint32_t kind) {
    posix::EnumerateCalendarValues(ProcessLocaleData(), callback, context, calendar, kind);
}

int CompareLocaleText(LocaleId, std::uint32_t flags, const char* a, int lengthA, const char* b,
                      int lengthB) {
    return posix::CompareTextsIn(ProcessLocaleData(), flags, a, lengthA, b, lengthB);
}

bool AnsiLeadByteRanges(std::uint8_t (&leadBytes)[LeadByteFieldSize]) {
    std::memcpy(leadBytes, ProcessLocaleData().LeadBytes, sizeof leadBytes);
    return true;
}

int SystemMetric(int index) {
    return index == MetricDbcsEnabled && ProcessLocaleData().DoubleByte ? 1 : 0;
}

}  // namespace kelpworth::platform
