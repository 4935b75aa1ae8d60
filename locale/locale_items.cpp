#include "locale/locale_items.h"

#include <cstddef>

#include "support/number_reader.h"

namespace kelpworth {
namespace {

constexpr int TextItemBufferSize = 256;
constexpr int CharItemBufferSize = 2;

bool StoreEraName(const char* value, void* context) {
    auto& names = static_cast<TLocaleState*>(context)->EraNameTable;
    for (std::string& slot : names) {
        if (slot.empty()) {
            slot = value;
            return true;
        }
    }
    return false;
}

bool StoreEraYearOffset(const char* value, void* context) {
    auto& offsets = static_cast<TLocaleState*>(context)->EraYearOffsetTable;
    for (std::int32_t& slot : offsets) {
        if (slot == -1) {
            slot = ReadDecimalOr(value, 0);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string ReadLocaleText(platform::LocaleId locale, std::uint32_t item,
                           std::string_view fallback) {
    char buffer[TextItemBufferSize] = {};
    const int count = platform::ReadLocaleItem(locale, item, buffer, TextItemBufferSize);
    if (count > 0 && count <= TextItemBufferSize) {
        return std::string(buffer, static_cast<std::size_t>(count - 1));
    }
    return std::string(fallback);
}

char ReadLocaleChar(platform::LocaleId locale, std::uint32_t item, char fallback) {
    char buffer[CharItemBufferSize] = {};
    const int count = platform::ReadLocaleItem(locale, item, buffer, CharItemBufferSize);
    return count > 0 ? buffer[0] : fallback;
}

std::int32_t ReadLocaleNumber(platform::LocaleId locale, std::uint32_t item,
                              std::string_view fallbackText, std::int32_t fallback) {
    return ReadDecimalOr(ReadLocaleText(locale, item, fallbackText), fallback);
}

void LoadLocaleIdentity(TLocaleState& state) {
    state.Identity = TLocaleIdentity{};

    const std::uint32_t language = platform::ThreadLocale() & 0xFFFFu;
    if (language != 0) state.Identity.PrimaryLanguage = language & 0x3FFu;

    state.Identity.DoubleByteScript =
        platform::SystemMetric(platform::MetricDbcsEnabled) != 0;
    if (!state.Identity.DoubleByteScript) return;

    // Without the code page's ranges the set stays empty.
    std::uint8_t ranges[platform::LeadByteFieldSize] = {};
    if (!platform::AnsiLeadByteRanges(ranges)) return;
    for (std::size_t at = 0; at < platform::LeadByteFieldSize; at += 2) {
        const unsigned low = ranges[at];
        const unsigned high = ranges[at + 1];
        if (low == 0 && high == 0) break;
        for (unsigned byte = low; byte <= high; ++byte) state.LeadByteSet.set(byte);
    }
}

void LoadEraTables(TLocaleState& state) {
    const platform::LocaleId locale = platform::ThreadLocale();
    const std::int32_t calendar =
        ReadLocaleNumber(locale, platform::LocaleIOptionalCalendar, "1", 1);
    if (!IsEraCalendar(calendar)) return;

    const auto calendarId = static_cast<std::uint32_t>(calendar);
    platform::EnumCalendarValues(StoreEraName, &state, locale, calendarId,
                                 platform::CalSEraString);
    state.EraYearOffsetTable.fill(-1);
    platform::EnumCalendarValues(StoreEraYearOffset, &state, locale, calendarId,
                                 platform::CalIYearOffsetRange);
}

}  // namespace kelpworth
