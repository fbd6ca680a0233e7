#include "gfx/OTexture.h"

#include <GL/gl.h>

#include <memory>

#include "core/OException.h"
#include "gfx/OBaseImage.h"
#include "gfx/OTextureManager.h"
#include "gfx/PictureKey.h"

namespace {

constexpr const char* kTextureFolder = "Data/Textures/";

}  // namespace

OTexture::OTexture(const OTexture& other) : image_(other.image_), name_(other.name_) {
  if (image_ != nullptr) {
    image_->AddRef();
  }
}

OTexture& OTexture::operator=(const OTexture& other) {
  if (this != &other) {
    Clear();
    image_ = other.image_;
    name_ = other.name_;
    if (image_ != nullptr) {
      image_->AddRef();
    }
  }
  return *this;
}

void OTexture::Set(const std::string& name) {
  OTextureManager& manager = OTextureManager::Instance();
  // Held before the old image is let go: setting the name a handle already
  // has must not destroy the picture and decode it again.
  OBaseImage* const cached = manager.Find(name);
  if (cached != nullptr) {
    cached->AddRef();
  }
  Clear();
  name_ = name;
  if (cached != nullptr) {
    image_ = cached;
    return;
  }
  auto image = std::make_unique<OBaseImage>();
  image->SetFilterMode(manager.FilterMode());
  if (!image->Load(kTextureFolder + name)) {
    throw OFileNotFound();
  }
  image_ = image.release();
  image_->AddRef();
  manager.Insert(name, image_);
}

void OTexture::Clear() {
  // The cache holds no reference, so the entry goes with the image.
  if (image_ != nullptr && image_->Release()) {
    OTextureManager::Instance().Erase(name_);
  }
  image_ = nullptr;
  name_.clear();
}

void OTexture::Bind() const {
  if (image_ != nullptr) {
    image_->Bind();
  } else {
    glBindTexture(GL_TEXTURE_2D, 0);
  }
}

void OTexture::AddToPictureKey(PictureKey& key) const {
  key.Add(image_);
  if (image_ != nullptr) {
    key.Add(image_->TextureName());
    key.Add(image_->FilterMode());
  }
}
