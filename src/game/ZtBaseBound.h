// The base of the short-lived effects that run on their own once started, such
// as explosions. The effect list updates live ones and drops the rest.
#pragma once

#include <array>
#include <cstdint>

class ZtBaseBound {
 public:
  ZtBaseBound() = default;
  virtual ~ZtBaseBound() = default;
  ZtBaseBound(const ZtBaseBound&) = delete;
  ZtBaseBound& operator=(const ZtBaseBound&) = delete;

  virtual void Update(double elapsed);
  virtual void Draw();

  bool alive = true;
  bool flag = false;
  std::uint32_t count = 0;  // what the effect counts, such as sparks
  std::array<float, 3> origin{0.0f, 0.0f, 0.0f};
};
