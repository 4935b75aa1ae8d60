#include "locale/date_picture.h"

#include "locale/locale_compare.h"
#include "locale/locale_items.h"

namespace kelpworth {
namespace {

bool UsesEraLetters(std::uint32_t language) {
    return language == platform::LanguageChinese || language == platform::LanguageJapanese ||
           language == platform::LanguageKorean;
}

bool StartsWithNoCase(std::string_view rest, std::string_view pattern) {
    return LimitedCompareNoCase(rest, pattern, pattern.size()) == 0;
}

}  // namespace

std::string AdaptDatePictureFor(std::string_view picture, std::int32_t calendarType,
                                const TLocaleState& state) {
    std::string result;
    if (!IsEraCalendar(calendarType)) {
        if (!UsesEraLetters(state.Identity.PrimaryLanguage)) return std::string(picture);
        for (const char c : picture) {
            if (c != 'g' && c != 'G') result += c;
        }
        return result;
    }

    std::size_t at = 0;
    while (at < picture.size()) {
        const std::string_view rest = picture.substr(at);
        if (IsLeadByte(state, static_cast<unsigned char>(rest[0]))) {
            result += rest.substr(0, 2);
            at += 2;
        } else if (StartsWithNoCase(rest, "gg")) {
            result += "ggg";
            at += 2;
        } else if (StartsWithNoCase(rest, "yyyy")) {
            result += "eeee";
            at += 4;
        } else if (StartsWithNoCase(rest, "yy")) {
            result += "ee";
            at += 2;
        } else if (rest[0] == 'y' || rest[0] == 'Y') {
            result += 'e';
            at += 1;
        } else {
            result += rest[0];
            at += 1;
        }
    }
    return result;
}

std::string AdaptDatePicture(std::string_view picture, const TLocaleState& state) {
    const std::int32_t calendar =
        ReadLocaleNumber(platform::ThreadLocale(), platform::LocaleICalendarType, "1", 1);
    return AdaptDatePictureFor(picture, calendar, state);
}

std::string ComposeShortTimePicture(platform::LocaleId locale) {
    const bool leadingZero = ReadLocaleNumber(locale, platform::LocaleITLZero, "0", 0) != 0;
    const std::string hour = leadingZero ? "hh" : "h";
    std::string prefix;
    std::string suffix;
    if (ReadLocaleNumber(locale, platform::LocaleITime, "0", 0) == 0) {
        if (ReadLocaleNumber(locale, platform::LocaleITimeMarkPosn, "0", 0) == 0) {
            suffix = " AMPM";
        } else {
            prefix = "AMPM ";
        }
    }
    return prefix + hour + ":mm" + suffix;
}

}  // namespace kelpworth
