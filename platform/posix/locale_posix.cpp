// The locale service on POSIX. Until the glibc mapping is in place every
// item is missing, which gives the built-in defaults.
#include <cstring>

#include "platform/platform.h"

namespace kelpworth::platform {

LocaleId ThreadLocale() { return 0; }

int ReadLocaleItem(LocaleId, std::uint32_t, char*, int) { return 0; }

void EnumCalendarValues(CalendarValueCallback, void*, LocaleId, std::uint32_t, std::uint32_t) {}

int CompareLocaleText(LocaleId, std::uint32_t flags, const char* a, int lengthA, const char* b,
                      int lengthB) {
    const bool ignoreCase = (flags & NormIgnoreCase) != 0;
    const int common = lengthA < lengthB ? lengthA : lengthB;
    for (int i = 0; i < common; ++i) {
        int x = static_cast<unsigned char>(a[i]);
        int y = static_cast<unsigned char>(b[i]);
        if (ignoreCase && x >= 'a' && x <= 'z') x -= 32;
        if (ignoreCase && y >= 'a' && y <= 'z') y -= 32;
        if (x != y) return x < y ? 1 : 3;
    }
    if (lengthA == lengthB) return 2;
    return lengthA < lengthB ? 1 : 3;
}

bool AnsiLeadByteRanges(std::uint8_t (&leadBytes)[12]) {
    std::memset(leadBytes, 0, sizeof leadBytes);
    return true;
}

int SystemMetric(int) { return 0; }

}  // namespace kelpworth::platform
