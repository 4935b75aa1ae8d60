// Regional settings for the fake platform, chosen by a few input bytes:
// named locales of the kinds the tool meets, no data at all, and settings
// made of the bytes themselves.
#pragma once

#include "fuzz_bytes.h"

namespace kelpworth::fuzz {

// Always takes LocaleHeaderSize bytes, so that what follows starts at a
// fixed offset.
inline constexpr std::size_t LocaleHeaderSize = 7;

// Fills the locale items, calendar values and lead bytes of the fake.
void InstallFakeLocale(TFuzzBytes& bytes);

}  // namespace kelpworth::fuzz
