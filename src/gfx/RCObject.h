// The intrusive reference count of data shared by name: decoded images and
// model geometry. The object deletes itself when its last holder releases it.
#pragma once

#include <cstdint>

class RCObject {
 public:
  RCObject() = default;
  virtual ~RCObject() = default;
  RCObject(const RCObject&) = delete;
  RCObject& operator=(const RCObject&) = delete;

  void AddRef() { ++referenceCount_; }
  // Returns true when this was the last reference and the object is gone.
  bool Release();

  std::int32_t ReferenceCount() const { return referenceCount_; }

 private:
  std::int32_t referenceCount_ = 0;
};
