// The cache of images by bare texture name, and the operations that touch every
// texture at once: a new filter mode, and losing or regaining the GL context.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class OBaseImage;

class OTextureManager {
 public:
  // The filter mode comes from the settings file, read when the manager is first used.
  static OTextureManager& Instance();

  OTextureManager(const OTextureManager&) = delete;
  OTextureManager& operator=(const OTextureManager&) = delete;

  // The mode new images are made with.
  std::uint32_t FilterMode() const { return filterMode_; }
  void SetFilterMode(std::uint32_t mode) { filterMode_ = mode; }
  // Gives every cached texture the filters of `mode`. Textures made without
  // mipmaps keep lacking them, and images loaded later still get FilterMode().
  void ReapplyFilter(std::uint32_t mode);

  // Before the GL context is destroyed: frees every texture object, keeping the pixels.
  void DeleteAllTextures();
  // After the new context exists: makes every texture again from its pixels.
  void RecreateAllTextures();

  // The cache holds no reference: OTexture adds an entry when it loads an image
  // and removes it when it releases the last reference, so an entry lives
  // exactly as long as its image. Names are compared with case.
  OBaseImage* Find(const std::string& name) const;
  void Insert(const std::string& name, OBaseImage* image) { images_[name] = image; }
  void Erase(const std::string& name) { images_.erase(name); }
  std::size_t Count() const { return images_.size(); }

 private:
  OTextureManager();

  std::map<std::string, OBaseImage*> images_;
  std::uint32_t filterMode_;
};
