// A fingerprint of everything that decides what part of a screen looks like.
// Two frames with the same key draw the same pixels, so the second may show
// a copy of the first instead of drawing it again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

class PictureKey {
 public:
  // Numbers, flags and pointers; a pointer stands for the object it names.
  template <typename T>
    requires std::is_arithmetic_v<T> || std::is_pointer_v<T> || std::is_enum_v<T>
  void Add(T value) {
    AddBytes(&value, sizeof value);
  }
  template <typename T>
  void Add(std::span<const T> values) {
    for (const T& value : values) {
      Add(value);
    }
  }

  std::uint64_t Value() const { return hash_; }

 private:
  void AddBytes(const void* bytes, std::size_t count);

  std::uint64_t hash_ = 14695981039346656037ull;
};
