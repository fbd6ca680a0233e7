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

std::size_t KeptPicture::Show(const std::vector<std::uint64_t>& keys, int width, int height) const {
  if (layers_ == 0 || layers_ > keys.size() || keys[layers_ - 1] != key_ || width != width_ || height != height_) {
    return 0;
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
  return layers_;
}

std::size_t KeptPicture::CopyAfter(const std::vector<std::uint64_t>& keys, std::size_t shown) {
  std::size_t same = 0;
  while (same < keys.size() && same < lastKeys_.size() && keys[same] == lastKeys_[same]) {
    ++same;
  }
  lastKeys_ = keys;
  return same > shown ? same : 0;
}

void KeptPicture::Copy(const std::vector<std::uint64_t>& keys, std::size_t layers, int width, int height) {
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
  layers_ = layers;
  key_ = keys[layers - 1];
}

void KeptPicture::Drop() {
  if (texture_ != 0) {
    glDeleteTextures(1, &texture_);
  }
  texture_ = 0;
  width_ = 0;
  height_ = 0;
  layers_ = 0;
  lastKeys_.clear();
}
