// Shared by the in-process tests: a fresh fake platform and console
// channel for every test, each reset where it is owned.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "support/console_channel.h"

namespace kelpworth::testing {

class FakePlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::ResetFake();
        ResetConsoleChannel();
    }
    fake::TFakePlatform& fake() { return fake::Fake(); }
};

}  // namespace kelpworth::testing
