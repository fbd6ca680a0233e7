#include "app/KeptPicture.h"

namespace {

// Whatever the caller had bound stays bound.
class TextureBindingKept {
 public:
  TextureBindingKept() { glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound_); }
  ~TextureBindingKept() { glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound_)); }
  TextureBindingKept(const TextureBindingKept&) = delete;
  TextureBindingKept& operator=(const TextureBindingKept&) = delete;

 private:
  GLint bound_ = 0;
};

void PushIdentity(GLenum mode) {
  glMatrixMode(mode);
  glPushMatrix();
  glLoadIdentity();
}

void Pop(GLenum mode) {
  glMatrixMode(mode);
  glPopMatrix();
}

}  // namespace

bool KeptPicture::Holds(std::uint64_t key, int width, int height) const {
  return keptKey_ == key && width == width_ && height == height_;
}

bool KeptPicture::Show(std::uint64_t key, int width, int height) const {
  if (!Holds(key, width, height)) {
    return false;
  }
  // Texel for pixel, unfiltered, unlit, unblended: the very pixels that were drawn.
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_FOG);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  PushIdentity(GL_TEXTURE);
  PushIdentity(GL_PROJECTION);
  glOrtho(0, 1, 0, 1, -1, 1);
  PushIdentity(GL_MODELVIEW);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(0, 0);
  glTexCoord2f(1, 0);
  glVertex2f(1, 0);
  glTexCoord2f(1, 1);
  glVertex2f(1, 1);
  glTexCoord2f(0, 1);
  glVertex2f(0, 1);
  glEnd();
  Pop(GL_MODELVIEW);
  Pop(GL_PROJECTION);
  Pop(GL_TEXTURE);
  glPopAttrib();
  return true;
}

void KeptPicture::Drawn(std::uint64_t key, int width, int height) {
  if (lastKey_ == key && !Holds(key, width, height)) {
    Copy(width, height);
    keptKey_ = key;
  }
  lastKey_ = key;
}

void KeptPicture::Copy(int width, int height) {
  const TextureBindingKept binding;
  if (texture_ == 0) {
    glGenTextures(1, &texture_);
  }
  glBindTexture(GL_TEXTURE_2D, texture_);
  if (width != width_ || height != height_) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 0, 0, width, height, 0);
    width_ = width;
    height_ = height;
  } else {
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
  }
}

void KeptPicture::Drop() {
  if (texture_ != 0) {
    glDeleteTextures(1, &texture_);
  }
  texture_ = 0;
  width_ = 0;
  height_ = 0;
  keptKey_.reset();
  lastKey_.reset();
}
