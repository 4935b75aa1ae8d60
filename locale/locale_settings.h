// Loading the user's date and time settings from the platform's locale
// service, once at start-up.
#pragma once

#include "locale/locale_state.h"

namespace kelpworth {

// Language and lead bytes, the era tables on a double-byte system, then the
// separators, pictures and designators of the thread locale.
TLocaleState LoadLocaleTextSettings();

}  // namespace kelpworth
