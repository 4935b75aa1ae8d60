// A clock that always reads the same moment and counts its readings, for
// the steps that take the clock as an argument.
#pragma once

#include "support/clock_text.h"

namespace kelpworth::testing {

class TFixedClock final : public TClock {
public:
    explicit TFixedClock(platform::TSystemTime local, platform::TSystemTime universal = {})
        : LocalTime(local), UniversalTime(universal) {}
    platform::TSystemTime Local() const override {
        ++LocalReads;
        return LocalTime;
    }
    platform::TSystemTime Universal() const override {
        ++UniversalReads;
        return UniversalTime;
    }
    platform::TSystemTime LocalTime;
    platform::TSystemTime UniversalTime;
    mutable int LocalReads = 0;
    mutable int UniversalReads = 0;
};

}  // namespace kelpworth::testing
