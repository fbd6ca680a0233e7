#include "gfx/OBaseImage.h"

#include <GL/glu.h>

#include <iterator>

#include "gfx/JpegDecode.h"
#include "gfx/TgaDecode.h"

namespace {

struct Filters {
  GLint mag;
  GLint min;
};

// Indexed by filter mode, from the fastest to the smoothest.
constexpr Filters kFilters[] = {
    {GL_NEAREST, GL_NEAREST},
    {GL_LINEAR, GL_NEAREST},
    {GL_NEAREST, GL_LINEAR},
    {GL_LINEAR, GL_LINEAR},
    {GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST},
    {GL_NEAREST, GL_LINEAR_MIPMAP_NEAREST},
    {GL_NEAREST, GL_NEAREST_MIPMAP_LINEAR},
    {GL_LINEAR, GL_NEAREST_MIPMAP_NEAREST},
    {GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST},
    {GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR},
    {GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR},
};

}  // namespace

OBaseImage::~OBaseImage() { DeleteTexture(); }

bool OBaseImage::Load(const std::string& path, OResourceArchive& archive) {
  // Only the lower-case spelling counts; the shipped names all use it, and a
  // ".JPG" file goes to the TGA decoder, which refuses it.
  if (path.find(".jpg") != std::string::npos) {
    return LoadJpeg(path, archive);
  }
  return LoadTga(path, archive);
}

bool OBaseImage::LoadTga(const std::string& path, OResourceArchive& archive) {
  glEnable(GL_TEXTURE_2D);
  const auto file = archive.Read(path);
  return file && MakeTexture(DecodeTga(*file));
}

bool OBaseImage::LoadJpeg(const std::string& path, OResourceArchive& archive) {
  const auto file = archive.Read(path);
  return file && MakeTexture(DecodeJpeg(*file));
}

bool OBaseImage::MakeTexture(std::optional<ODecodedImage> image) {
  if (!image) {
    return false;
  }
  format_ = image->format;
  components_ = image->components;
  bytesPerPixel_ = image->bytesPerPixel;
  width_ = image->width;
  height_ = image->height;
  pixels_ = std::move(image->pixels);
  SetupTexture(true);
  if (!keepPixels_) {
    FreePixels();
  }
  return true;
}

void OBaseImage::FreePixels() { std::vector<std::uint8_t>().swap(pixels_); }

void OBaseImage::SetupTexture(bool create) {
  if (create) {
    glGenTextures(1, &textureName_);
    glBindTexture(target_, textureName_);
    // Rows are packed without padding; the default of 4 would skew RGB rows of odd width.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const std::uint8_t* pixels = Pixels();
    // Mipmaps are made only here, so the mode at creation decides whether the
    // texture has them; a later mode change only changes the filters.
    if (filterMode_ >= kFirstMipmapMode && pixels != nullptr) {
      gluBuild2DMipmaps(target_, components_, width_, height_, format_, GL_UNSIGNED_BYTE, pixels);
    } else {
      // Without kept pixels the texture gets its size but no picture.
      glTexImage2D(target_, 0, components_, width_, height_, 0, format_, GL_UNSIGNED_BYTE, pixels);
    }
  }
  glBindTexture(target_, textureName_);
  if (filterMode_ < std::size(kFilters)) {
    glTexParameteri(target_, GL_TEXTURE_MAG_FILTER, kFilters[filterMode_].mag);
    glTexParameteri(target_, GL_TEXTURE_MIN_FILTER, kFilters[filterMode_].min);
  }
}

void OBaseImage::Bind() const { glBindTexture(target_, textureName_); }

void OBaseImage::DeleteTexture() {
  if (textureName_ != 0) {
    glDeleteTextures(1, &textureName_);
    textureName_ = 0;
  }
}
