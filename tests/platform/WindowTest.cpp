// A real window with an OpenGL context on the offscreen video driver: it
// draws, swaps, and refuses a full-screen size the display does not list.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "platform/DisplayModes.h"
#include "platform/Window.h"
#include "support/OffscreenVideo.h"

namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    USE_OFFSCREEN_VIDEO_OR_SKIP();
    ASSERT_TRUE(platform::StartVideo()) << SDL_GetError();
    started_ = true;
  }
  void TearDown() override {
    if (context_ != nullptr) {
      platform::ReleaseGLContext(context_);
    }
    platform::DestroyWindow(window_);
    if (started_) {
      platform::StopVideo();
    }
  }

  void Open(int colourBits) {
    window_ = platform::CreateGLWindow("Tornet 3D", {0, 0, 64, 48}, {colourBits, 16, 0, 0});
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    context_ = platform::CreateGLContext(*window_);
    ASSERT_NE(context_, nullptr) << SDL_GetError();
  }

  platform::NativeWindow* window_ = nullptr;
  platform::GLContext* context_ = nullptr;

 private:
  bool started_ = false;
};

std::array<std::uint8_t, 4> PixelAt(int x, int y) {
  std::array<std::uint8_t, 4> pixel{};
  glFinish();
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  return pixel;
}

TEST_F(WindowTest, AContextAtEitherDepthClearsAndSwaps) {
  for (const int colourBits : {16, 32}) {
    SCOPED_TRACE(colourBits);
    Open(colourBits);
    EXPECT_TRUE(platform::HasAcceleratedVisual(*window_));
    const platform::WindowBounds drawable = platform::DrawableSize(*window_);
    EXPECT_EQ(drawable.width, 64);
    EXPECT_EQ(drawable.height, 48);
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(PixelAt(63, 47), (std::array<std::uint8_t, 4>{255, 0, 255, 255}));
    platform::SwapBuffers(*window_);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(platform::ReleaseGLContext(context_));
    context_ = nullptr;
    platform::DestroyWindow(window_);
    window_ = nullptr;
  }
}

TEST_F(WindowTest, AFullScreenSizeTheDisplayDoesNotListFailsAndTheWindowStays) {
  Open(32);
  for (const platform::DisplayMode& mode : platform::DisplayModes()) {
    ASSERT_FALSE(mode.width == 1000 && mode.height == 700);
  }
  EXPECT_FALSE(platform::EnterFullScreen(*window_, 1000, 700));
  const platform::WindowBounds drawable = platform::DrawableSize(*window_);
  EXPECT_EQ(drawable.width, 64);
  EXPECT_EQ(drawable.height, 48);
}

}  // namespace
