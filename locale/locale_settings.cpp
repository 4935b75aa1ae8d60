#include "locale/locale_settings.h"

#include "locale/date_picture.h"
#include "locale/locale_items.h"
#include "platform/platform.h"

namespace kelpworth {

TLocaleState LoadLocaleTextSettings() {
    TLocaleState state;
    LoadLocaleIdentity(state);
    if (state.Identity.DoubleByteScript) LoadEraTables(state);

    const platform::LocaleId locale = platform::ThreadLocale();
    TLocaleTextSettings& settings = state.Settings;
    settings.DecimalSep = ReadLocaleChar(locale, platform::LocaleSDecimal, '.');
    settings.DateSep = ReadLocaleChar(locale, platform::LocaleSDate, '/');
    settings.ShortDatePicture =
        AdaptDatePicture(ReadLocaleText(locale, platform::LocaleSShortDate, "m/d/yy"), state);
    settings.TimeSep = ReadLocaleChar(locale, platform::LocaleSTime, ':');
    settings.AmText = ReadLocaleText(locale, platform::LocaleS1159, "am");
    settings.PmText = ReadLocaleText(locale, platform::LocaleS2359, "pm");
    settings.ShortTimePicture = ComposeShortTimePicture(locale);
    return state;
}

}  // namespace kelpworth
