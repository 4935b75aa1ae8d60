// The short date picture as the date check reads it, and the short time
// picture composed from the clock items.
#pragma once

#include <string>
#include <string_view>

#include "locale/locale_state.h"
#include "platform/platform.h"

namespace kelpworth {

// For an era calendar the year letters become era-year letters and "gg"
// becomes "ggg"; for a Chinese, Japanese or Korean language with another
// calendar the era letters are dropped. Reads the calendar type of the
// thread locale; uses the language and lead bytes of `state`.
std::string AdaptDatePicture(std::string_view picture, const TLocaleState& state);

// The same with the calendar type given.
std::string AdaptDatePictureFor(std::string_view picture, std::int32_t calendarType,
                                const TLocaleState& state);

// "AMPM " + hour + ":mm", hour + ":mm" or hour + ":mm AMPM", the hour
// being "h" or "hh" for the leading-zero item.
std::string ComposeShortTimePicture(platform::LocaleId locale);

}  // namespace kelpworth
