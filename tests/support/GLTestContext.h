// A real OpenGL compatibility context for tests, with no display: EGL on
// Mesa's surfaceless platform, drawing into a pbuffer that tests read back.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

class GLTestContext {
 public:
  GLTestContext(int width, int height);
  ~GLTestContext();
  GLTestContext(const GLTestContext&) = delete;
  GLTestContext& operator=(const GLTestContext&) = delete;

  // False when no context could be made; the reason is in Error().
  bool Ok() const { return ok_; }
  const char* Error() const { return error_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The RGBA pixel at (x, y), counted from the bottom left as OpenGL does.
  std::array<std::uint8_t, 4> PixelAt(int x, int y) const;

 private:
  struct Egl;
  std::unique_ptr<Egl> egl_;
  bool ok_ = false;
  const char* error_ = "";
  int width_;
  int height_;
};

// Base of tests that draw: each test gets a fresh 64 x 64 context.
class GLTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(context_.Ok()) << context_.Error(); }
  GLTestContext context_{64, 64};
};
