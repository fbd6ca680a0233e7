#include "gfx/OTextureManager.h"

#include <GL/gl.h>

#include "core/OConfig.h"
#include "gfx/OBaseImage.h"

OTextureManager::OTextureManager() {
  OConfig& config = OConfig::Instance();
  config.Load();
  filterMode_ = static_cast<std::uint32_t>(config.textureQuality);
}

OTextureManager& OTextureManager::Instance() {
  static OTextureManager manager;
  return manager;
}

void OTextureManager::ReapplyFilter(std::uint32_t mode) {
  for (const auto& [name, image] : images_) {
    image->SetFilterMode(mode);
    image->SetupTexture(false);
  }
}

void OTextureManager::DeleteAllTextures() {
  for (const auto& [name, image] : images_) {
    image->DeleteTexture();
  }
}

void OTextureManager::RecreateAllTextures() {
  glEnable(GL_TEXTURE_2D);
  for (const auto& [name, image] : images_) {
    image->SetupTexture(true);
  }
}

OBaseImage* OTextureManager::Find(const std::string& name) const {
  const auto found = images_.find(name);
  return found == images_.end() ? nullptr : found->second;
}
