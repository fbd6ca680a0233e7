// The headless GL context as tests use it: a fixture that gives each test a
// fresh context and stops the test when none can be made.
#pragma once

#include <gtest/gtest.h>

#include "platform/HeadlessGLContext.h"

using GLTestContext = platform::HeadlessGLContext;

// SDL unloads Mesa's driver when its window goes, and what the driver still
// holds then looks lost to the leak checker. A context of our own, kept for the
// whole test program, keeps the driver loaded.
inline void KeepGLDriverLoaded() { static const GLTestContext keeper(1, 1); }

// Base of tests that draw: each test gets a fresh 64 x 64 context.
class GLTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(context_.Ok()) << context_.Error(); }
  GLTestContext context_{64, 64};
};
