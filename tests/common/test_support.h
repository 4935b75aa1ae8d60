// Shared by the in-process tests: a fresh fake platform and console
// channel for every test, each reset where it is owned.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/expected_output.h"
#include "platform/fake/fake_platform.h"
#include "support/console_channel.h"

namespace kelpworth::testing {

// The fixed clock of expected_output.h as the platform reads it.
inline platform::TSystemTime FixedClock() {
    const auto* f = expected::FixedClockFields;
    return {f[0], f[1], 1, f[2], f[3], f[4], f[5], 0};
}

class FakePlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::ResetFake();
        fake::Fake().Clock = FixedClock();
        fake::Fake().UniversalClock = FixedClock();
        ResetConsoleChannel();
    }
    fake::TFakePlatform& fake() { return fake::Fake(); }
};

}  // namespace kelpworth::testing
