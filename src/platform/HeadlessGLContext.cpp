#include "platform/HeadlessGLContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

namespace platform {

struct HeadlessGLContext::Egl {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLSurface surface = EGL_NO_SURFACE;
  EGLContext context = EGL_NO_CONTEXT;
};

namespace {

// One display for the whole process, never terminated: terminating it
// unloads Mesa's driver, and the driver's own allocations then show up as
// leaks of an unknown module.
EGLDisplay SurfacelessDisplay() {
  static const EGLDisplay display = [] {
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) {
      return EGL_NO_DISPLAY;
    }
    const EGLDisplay made = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    return made != EGL_NO_DISPLAY && eglInitialize(made, nullptr, nullptr) ? made : EGL_NO_DISPLAY;
  }();
  return display;
}

}  // namespace

HeadlessGLContext::HeadlessGLContext(int width, int height)
    : egl_(std::make_unique<Egl>()), width_(width), height_(height) {
  egl_->display = SurfacelessDisplay();
  if (egl_->display == EGL_NO_DISPLAY) {
    error_ = "no surfaceless EGL display";
    return;
  }
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT,
                                     EGL_RED_SIZE,
                                     8,
                                     EGL_GREEN_SIZE,
                                     8,
                                     EGL_BLUE_SIZE,
                                     8,
                                     EGL_ALPHA_SIZE,
                                     8,
                                     EGL_DEPTH_SIZE,
                                     16,
                                     EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT,
                                     EGL_NONE};
  EGLConfig config;
  EGLint configCount = 0;
  if (!eglChooseConfig(egl_->display, configAttributes, &config, 1, &configCount) || configCount == 0) {
    error_ = "no EGL config with a pbuffer and OpenGL";
    return;
  }
  const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  egl_->surface = eglCreatePbufferSurface(egl_->display, config, surfaceAttributes);
  if (egl_->surface == EGL_NO_SURFACE || !eglBindAPI(EGL_OPENGL_API)) {
    error_ = "no EGL pbuffer surface";
    return;
  }
  const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                      EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  egl_->context = eglCreateContext(egl_->display, config, EGL_NO_CONTEXT, contextAttributes);
  if (egl_->context == EGL_NO_CONTEXT ||
      !eglMakeCurrent(egl_->display, egl_->surface, egl_->surface, egl_->context)) {
    error_ = "no OpenGL compatibility context";
    return;
  }
  glViewport(0, 0, width, height);
  ok_ = true;
}

HeadlessGLContext::~HeadlessGLContext() {
  if (egl_->display == EGL_NO_DISPLAY) {
    return;
  }
  eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (egl_->context != EGL_NO_CONTEXT) {
    eglDestroyContext(egl_->display, egl_->context);
  }
  if (egl_->surface != EGL_NO_SURFACE) {
    eglDestroySurface(egl_->display, egl_->surface);
  }
}

std::array<std::uint8_t, 4> HeadlessGLContext::PixelAt(int x, int y) const {
  std::array<std::uint8_t, 4> pixel{};
  glFinish();
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  return pixel;
}

std::vector<std::uint8_t> HeadlessGLContext::ReadPixels() const {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width_) * height_ * 4);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

}  // namespace platform
