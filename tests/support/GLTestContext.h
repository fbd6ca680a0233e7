// The headless GL context as tests use it: a fixture that gives each test a
// fresh context and stops the test when none can be made.
#pragma once

#include <gtest/gtest.h>

#include "platform/HeadlessGLContext.h"

using GLTestContext = platform::HeadlessGLContext;

// Base of tests that draw: each test gets a fresh 64 x 64 context.
class GLTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(context_.Ok()) << context_.Error(); }
  GLTestContext context_{64, 64};
};
