#include "locale/time_check.h"

namespace kelpworth {
namespace {

constexpr int NoDesignator = -1;

// The hour base of a morning (0) or afternoon (12) designator, in the
// locale's wording or as "AM" / "PM".
int ReadDesignator(TScanState& scan, const TLocaleTextSettings& settings) {
    if (ExpectWord(scan, settings.AmText) || ExpectWord(scan, "AM")) return 0;
    if (ExpectWord(scan, settings.PmText) || ExpectWord(scan, "PM")) return 12;
    return NoDesignator;
}

// A field after its separator, or 0 when the separator is absent.
bool ReadOptionalField(TScanState& scan, char separator, std::uint16_t& value) {
    value = 0;
    if (!ExpectChar(scan, separator)) return true;
    TNumberField field;
    if (!ReadNumberField(scan, field)) return false;
    value = field.Value;
    return true;
}

}  // namespace

bool ScanTimeText(TScanState& scan, double& value, const TLocaleState& state) {
    const TLocaleTextSettings& settings = state.Settings;
    int base = ReadDesignator(scan, settings);
    if (base != NoDesignator) SkipBlanks(scan);

    TNumberField hourField;
    if (!ReadNumberField(scan, hourField)) return false;
    std::uint16_t hour = hourField.Value;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
    if (!ReadOptionalField(scan, settings.TimeSep, minute) ||
        !ReadOptionalField(scan, settings.TimeSep, second) ||
        !ReadOptionalField(scan, settings.DecimalSep, millisecond)) {
        return false;
    }

    if (base == NoDesignator) base = ReadDesignator(scan, settings);
    if (base != NoDesignator) {
        if (hour < 1 || hour > 12) return false;
        if (hour == 12) hour = 0;
        hour = static_cast<std::uint16_t>(hour + base);
    }

    SkipBlanks(scan);
    return MakeTimeValue(hour, minute, second, millisecond, value);
}

bool AcceptTimeText(const std::string& text, const TLocaleState& state) {
    TScanState scan{text, 1};
    double value = 0;
    const bool ok = ScanTimeText(scan, value, state);
    return ok || PastTextEnd(scan);
}

}  // namespace kelpworth
