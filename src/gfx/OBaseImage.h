// One picture from the archive and the OpenGL texture made from it. Images are
// shared by name through OTexture handles and live while one holds them.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/OResourceArchive.h"
#include "gfx/ODecodedImage.h"
#include "gfx/RCObject.h"

class OBaseImage : public RCObject {
 public:
  static constexpr std::uint32_t kBestFilterMode = 10;
  // Modes from this one on sample mipmaps, so the texture gets them when it is made.
  static constexpr std::uint32_t kFirstMipmapMode = 4;

  OBaseImage() = default;
  ~OBaseImage() override;

  // Decodes a JPEG when the path contains ".jpg" (exactly that spelling), a
  // TGA otherwise, and makes the texture. False when the file is missing or
  // cannot be decoded.
  bool Load(const std::string& path, OResourceArchive& archive = OResourceArchive::Instance());
  bool LoadTga(const std::string& path, OResourceArchive& archive = OResourceArchive::Instance());
  bool LoadJpeg(const std::string& path, OResourceArchive& archive = OResourceArchive::Instance());

  // With `create`, makes a new texture object from the kept pixels; always sets
  // the filters of the current mode on the texture.
  void SetupTexture(bool create);
  void Bind() const;
  // Frees the texture object but keeps the pixels, so SetupTexture(true) can
  // make it again in a new context.
  void DeleteTexture();

  std::uint32_t FilterMode() const { return filterMode_; }
  void SetFilterMode(std::uint32_t mode) { filterMode_ = mode; }
  bool KeepPixels() const { return keepPixels_; }
  void SetKeepPixels(bool keep) { keepPixels_ = keep; }

  GLenum Format() const { return format_; }
  GLenum Target() const { return target_; }
  GLuint TextureName() const { return textureName_; }
  int Components() const { return components_; }
  int BytesPerPixel() const { return bytesPerPixel_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Rows in file order; null once the pixels are given up.
  const std::uint8_t* Pixels() const { return pixels_.empty() ? nullptr : pixels_.data(); }

 private:
  // Takes the decoded picture and makes its texture; false when there is none.
  bool MakeTexture(std::optional<ODecodedImage> image);
  void FreePixels();

  std::uint32_t filterMode_ = kBestFilterMode;
  GLenum format_ = GL_RGB;
  GLenum target_ = GL_TEXTURE_2D;
  GLuint textureName_ = 0;
  bool keepPixels_ = true;
  int components_ = 0;
  int bytesPerPixel_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};
