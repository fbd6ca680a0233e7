#include "gfx/RCObject.h"

bool RCObject::Release() {
  if (--referenceCount_ > 0) {
    return false;
  }
  delete this;
  return true;
}
