// The platform's SYSTEMTIME and the tool's one date-and-time type meet
// here, and only here.
#pragma once

#include "kelpworth/stamp.h"
#include "platform/platform.h"

namespace kelpworth {

// The whole second of a moment, with its day of the week (0 Sunday); the
// units are not carried.
platform::TSystemTime SystemTimeOf(const TStampMoment& moment);

// The whole second the platform's clock read.
TStampMoment WholeSecondOf(const platform::TSystemTime& time);

}  // namespace kelpworth
