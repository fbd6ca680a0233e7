// A burst of coloured sparks where a block blew up: they fly apart, sag, grow
// and fade out over half a second or so.
#pragma once

#include <array>
#include <cstdint>

#include "game/BoardTypes.h"
#include "game/ZtBaseBound.h"
#include "gfx/OTexture.h"

class Explosion : public ZtBaseBound {
 public:
  static constexpr std::uint32_t kMaxParticles = 128;

  struct Particle {
    std::array<float, 3> position;
    std::array<float, 3> velocity;      // units per ms
    std::array<float, 3> acceleration;  // units per ms per ms
    std::array<float, 4> colour;        // red, green, blue, alpha
    std::array<float, 4> colourChange;  // per ms
    double life;                        // ms left
    double size;
    double sizeChange;  // per update, whatever its length
  };

  // Adds sparks in the tint of a block colour; there are never more than kMaxParticles.
  void AddParticles(std::uint32_t added, BlockColour colour);
  void Update(double elapsed) override;
  // Each spark is a square turned to the camera, whose right and up directions
  // are read from the model-view matrix; so the caller must have the camera's
  // view loaded and nothing else.
  void Draw() override;

  const Particle& ParticleAt(std::uint32_t index) const { return particles_[index]; }

 private:
  std::array<Particle, kMaxParticles> particles_{};
  // Loaded on the first draw, so that boards can blow up where nothing is drawn.
  OTexture texture_;
  bool textureTried_ = false;
};
