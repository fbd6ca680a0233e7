#include "gfx/PictureKey.h"

// FNV-1a: quick, and with 64 bits two different screens sharing a key is not
// a worry.
void PictureKey::AddBytes(const void* bytes, std::size_t count) {
  const auto* byte = static_cast<const unsigned char*>(bytes);
  for (std::size_t index = 0; index < count; ++index) {
    hash_ ^= byte[index];
    hash_ *= 1099511628211ull;
  }
}
