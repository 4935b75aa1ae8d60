#include "locale/date_check.h"

#include <cstdlib>

#include "locale/locale_compare.h"
#include "support/text.h"

namespace kelpworth {
namespace {

// The designator at the position, over the designator's length.
bool DesignatorAt(const TScanState& scan, std::string_view designator) {
    const auto start = static_cast<std::size_t>(scan.Position - 1);
    return LocaleCompareNoCase(scan.Text.substr(start, designator.size()), designator) == 0;
}

// A picture with day names lets words follow the date: skip them up to a
// morning or afternoon designator or the end of the text.
void SkipTrailingWords(TScanState& scan, const TLocaleState& state) {
    const TLocaleTextSettings& settings = state.Settings;
    const std::string& timePicture = settings.ShortTimePicture;
    if (!timePicture.empty() && timePicture[0] >= '0' && timePicture[0] <= '9') {
        SkipToDigit(scan, state);
        return;
    }
    do {
        while (WithinText(scan) && scan.Text[static_cast<std::size_t>(scan.Position - 1)] != ' ') {
            ++scan.Position;
        }
        SkipBlanks(scan);
    } while (!PastTextEnd(scan) && !DesignatorAt(scan, settings.AmText) &&
             !DesignatorAt(scan, settings.PmText));
}

}  // namespace

std::int32_t EraOffsetForName(std::string_view name, const TLocaleState& state) {
    for (std::size_t slot = 0; slot < platform::EraSlots; ++slot) {
        const std::string& eraName = state.EraNameTable[slot];
        if (eraName.empty()) return 0;
        if (LocaleFindText(eraName, name, state)) return state.EraYearOffsetTable[slot];
    }
    return 0;
}

std::uint16_t EraYearToYear(std::uint16_t year, std::int32_t& eraOffset,
                            const TLocaleState& state, const TYearReading& thisYear) {
    std::int64_t fullYear = year;
    std::int64_t offset = eraOffset;
    if (state.Identity.PrimaryLanguage == platform::LanguageKorean) {
        if (fullYear <= 99) fullYear += ((thisYear() + std::llabs(offset)) / 100) * 100;
        if (offset > 0) offset = -offset;
    } else {
        offset -= 1;
    }
    eraOffset = static_cast<std::int32_t>(offset);
    return static_cast<std::uint16_t>(fullYear + offset);
}

bool ScanDateText(TScanState& scan, double& value, const TLocaleState& state,
                  const TYearReading& thisYear) {
    const TLocaleTextSettings& settings = state.Settings;
    const std::string& picture = settings.ShortDatePicture;
    const TDateFieldOrder order = DateFieldOrderOf(picture);
    std::int32_t eraOffset = 0;
    if (picture.empty()) return false;

    if (picture[0] == 'g') {
        SkipToDigit(scan, state);
        const auto nameEnd = static_cast<std::size_t>(scan.Position - 1);
        eraOffset = EraOffsetForName(TrimText(scan.Text.substr(0, nameEnd)), state);
    } else if (LocalePosition("e", picture, state) > 0) {
        eraOffset = state.EraYearOffsetTable[0];
    }

    TNumberField a;
    TNumberField b;
    if (!ReadNumberField(scan, a) || !ExpectChar(scan, settings.DateSep) ||
        !ReadNumberField(scan, b)) {
        return false;
    }

    TNumberField year;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    if (ExpectChar(scan, settings.DateSep)) {
        TNumberField c;
        if (!ReadNumberField(scan, c)) return false;
        if (order == TDateFieldOrder::YearFirst) {
            year = a;
            month = b.Value;
            day = c.Value;
        } else {
            month = order == TDateFieldOrder::MonthFirst ? a.Value : b.Value;
            day = order == TDateFieldOrder::MonthFirst ? b.Value : a.Value;
            year = c;
        }
        if (eraOffset > 0) {
            year.Value = EraYearToYear(year.Value, eraOffset, state, thisYear);
        } else if (year.Count == 1 || year.Count == 2) {
            // No century window: a short year never becomes a full one.
            return false;
        }
    } else {
        year.Value = thisYear();
        // Without a year, a year-first order reads month and day.
        month = order == TDateFieldOrder::DayFirst ? b.Value : a.Value;
        day = order == TDateFieldOrder::DayFirst ? a.Value : b.Value;
    }

    ExpectChar(scan, settings.DateSep);
    SkipBlanks(scan);

    if (state.Identity.DoubleByteScript && picture.find("ddd") != std::string::npos) {
        SkipTrailingWords(scan, state);
    }
    return MakeDateValue(year.Value, month, day, value);
}

bool AcceptDateText(const std::string& text, const TLocaleState& state, const TYearReading& thisYear) {
    TScanState scan{text, 1};
    double value = 0;
    const bool ok = ScanDateText(scan, value, state, thisYear);
    return ok || PastTextEnd(scan);
}

}  // namespace kelpworth
