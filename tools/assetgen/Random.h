// A small seeded random generator, so every run of the generator writes the
// same bytes no matter which standard library it was built with.
#pragma once

#include <cstdint>

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

  std::uint64_t Next() {
    // xorshift64*: fast, and good enough for noise that only ears judge.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }

  // Uniform in [-1, 1).
  float Bipolar() { return static_cast<float>(static_cast<double>(Next() >> 11) / 4503599627370496.0 - 1.0); }

 private:
  std::uint64_t state_;
};
