#include "game/Explosion.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "core/OException.h"

namespace {

double Uniform() { return static_cast<double>(std::rand()) / RAND_MAX; }

std::array<float, 3> Tint(BlockColour colour) {
  auto u = [] { return static_cast<float>(Uniform()); };
  switch (colour) {
    case kYellow: {
      const float warm = 0.7f + 0.3f * u();
      return {warm, 0.7f + 0.3f * u(), 0.3f * u()};
    }
    case kGreen:
      return {0.3f * u(), 0.7f + 0.3f * u(), 0.3f * u()};
    case kRed:
      return {0.7f + 0.3f * u(), 0.3f * u(), 0.3f * u()};
    case kBlue:
      return {0.3f * u(), 0.3f * u(), 0.6f + 0.4f * u()};
    default:  // goodies and empty cells burst in every colour
      return {u(), u(), u()};
  }
}

}  // namespace

void Explosion::AddParticles(std::uint32_t added, BlockColour colour) {
  const std::uint32_t wanted = count + added;
  while (count < wanted && count < kMaxParticles) {
    Particle& particle = particles_[count];
    const double theta = 2.0 * std::numbers::pi * Uniform();
    const double phi = std::numbers::pi * Uniform();
    const double speed = 0.015 + 0.03 * Uniform();
    particle.velocity = {static_cast<float>(std::cos(phi) * speed),
                         static_cast<float>(std::sin(phi) * std::cos(theta) * speed),
                         static_cast<float>(std::sin(phi) * std::sin(theta) * speed)};
    particle.life = 500.0 + std::rand() % 101;
    particle.acceleration = {0.0f, -0.00003f, 0.0f};
    particle.position = origin;
    const std::array<float, 3> tint = Tint(colour);
    particle.colour = {tint[0], tint[1], tint[2], 1.0f};
    // Fades out exactly over its life.
    particle.colourChange = {0.0f, 0.0f, 0.0f, static_cast<float>(-1.0 / particle.life)};
    particle.size = 0.5 + 0.8 * Uniform();
    particle.sizeChange = 0.02325 - 0.014 * Uniform();
    ++count;
  }
}

void Explosion::Update(double elapsed) {
  for (std::uint32_t index = 0; index < count; ++index) {
    Particle& particle = particles_[index];
    if (particle.life > 0.0) {
      for (int axis = 0; axis < 3; ++axis) {
        particle.position[axis] += static_cast<float>(elapsed * particle.velocity[axis]);
        particle.velocity[axis] += static_cast<float>(elapsed * particle.acceleration[axis]);
      }
      for (int channel = 0; channel < 4; ++channel) {
        particle.colour[channel] += static_cast<float>(elapsed * particle.colourChange[channel]);
      }
      particle.size += particle.sizeChange;
      particle.life -= elapsed;
    } else {
      // The last spark takes the dead one's place and waits for the next frame.
      particle = particles_[count - 1];
      --count;
    }
  }
  // Nothing reads a burnt-out explosion, and left alive it would stay in the effect list for good.
  if (count == 0) {
    alive = false;
  }
}

void Explosion::Draw() {
  if (!textureTried_) {
    textureTried_ = true;
    try {
      texture_.Set("Lump.tga");
    } catch (const OFileNotFound&) {
      // Plain squares are better than stopping the game over a missing spark.
    }
  }
  float view[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, view);
  const std::array<float, 3> right{view[0], view[4], view[8]};
  const std::array<float, 3> up{view[1], view[5], view[9]};

  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  texture_.Bind();
  for (std::uint32_t index = 0; index < count; ++index) {
    const Particle& particle = particles_[index];
    if (particle.life < 0.0) {
      continue;
    }
    const float size = static_cast<float>(particle.size);
    auto corner = [&](float r, float u) {
      glVertex3f(particle.position[0] + (r * right[0] + u * up[0]) * size,
                 particle.position[1] + (r * right[1] + u * up[1]) * size,
                 particle.position[2] + (r * right[2] + u * up[2]) * size);
    };
    glColor4f(particle.colour[0], particle.colour[1], particle.colour[2], particle.colour[3]);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 1.0f);
    corner(-1.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    corner(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    corner(1.0f, 1.0f);
    glTexCoord2f(1.0f, 0.0f);
    corner(1.0f, -1.0f);
    glEnd();
  }
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
}
