// The handle that models, windows and controls hold to draw with a texture:
// a bare name from "Data/Textures/" and one reference to its shared image.
#pragma once

#include <string>

class OBaseImage;
class PictureKey;

class OTexture {
 public:
  OTexture() = default;
  // A copy holds a reference of its own, so each copy may be cleared alone.
  OTexture(const OTexture& other);
  OTexture& operator=(const OTexture& other);
  ~OTexture() { Clear(); }

  // Shares the cached image of that name, or loads it. A file that is missing
  // or cannot be decoded throws OFileNotFound; the handle then keeps the name
  // but no image, and nothing is cached.
  void Set(const std::string& name);
  // Lets go of the image; the last handle to let go destroys it and its
  // texture. Clearing an empty handle does nothing.
  void Clear();

  // An empty handle binds no texture, so it draws untextured.
  void Bind() const;
  bool Empty() const { return image_ == nullptr; }
  const std::string& Name() const { return name_; }
  OBaseImage* Image() const { return image_; }
  // The picture it binds, its texture object and how that is filtered.
  void AddToPictureKey(PictureKey& key) const;

 private:
  OBaseImage* image_ = nullptr;
  std::string name_;
};
