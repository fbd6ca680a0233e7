#include "app/ScaledPicture.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

std::unique_ptr<ScaledPicture> ScaledPicture::Make(int width, int height, int colourBits, int depthBits) {
  std::unique_ptr<ScaledPicture> picture(new ScaledPicture(width, height));
  glGenFramebuffers(1, &picture->framebuffer_);
  glGenRenderbuffers(1, &picture->colour_);
  glGenRenderbuffers(1, &picture->depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, picture->colour_);
  glRenderbufferStorage(GL_RENDERBUFFER, colourBits == 16 ? GL_RGB565 : GL_RGBA8, width, height);
  glBindRenderbuffer(GL_RENDERBUFFER, picture->depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, depthBits > 16 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT16, width,
                        height);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  picture->Bind();
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, picture->colour_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, picture->depth_);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    return nullptr;  // the destructor gives the window its own framebuffer back
  }
  return picture;
}

ScaledPicture::~ScaledPicture() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer_);
  glDeleteRenderbuffers(1, &colour_);
  glDeleteRenderbuffers(1, &depth_);
}

void ScaledPicture::Bind() const { glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_); }

void ScaledPicture::Present(int windowWidth, int windowHeight) {
  const PictureFit::Area shown = PictureFit(width_, height_, windowWidth, windowHeight).Shown();
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  // Only the bars are cleared: the picture covers the rest. The game sets its
  // own clear colour before every clear and never scissors, so neither is
  // read back here: a state query each frame could stall a GPU.
  glEnable(GL_SCISSOR_TEST);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  const int bottom = windowHeight - shown.y - shown.height;  // OpenGL counts rows from the bottom
  const auto clearBar = [](int x, int y, int width, int height) {
    if (width > 0 && height > 0) {
      glScissor(x, y, width, height);
      glClear(GL_COLOR_BUFFER_BIT);
    }
  };
  clearBar(0, 0, shown.x, windowHeight);
  clearBar(shown.x + shown.width, 0, windowWidth - shown.x - shown.width, windowHeight);
  clearBar(0, 0, windowWidth, bottom);
  clearBar(0, bottom + shown.height, windowWidth, windowHeight - bottom - shown.height);
  glDisable(GL_SCISSOR_TEST);
  glBlitFramebuffer(0, 0, width_, height_, shown.x, bottom, shown.x + shown.width, bottom + shown.height,
                    GL_COLOR_BUFFER_BIT, GL_LINEAR);
  Bind();
}
