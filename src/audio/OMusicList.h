// A playlist of music modules held in memory: the menus, the strategy game and
// the arcade game each have one. A list remembers where its module was left,
// so music picks up where it stopped when the player comes back.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class OMusicList {
 public:
  using Module = std::vector<std::uint8_t>;

  // The three lists of the game, alive for the whole run.
  static OMusicList& Menu();
  static OMusicList& Remover();
  static OMusicList& Breakdown();

  // Moves to the next module, or shuffles at the end of the list and starts
  // over; the new module plays from its beginning. Null for an empty list.
  const Module* Next();
  const Module* Current() const;
  // After the last module the list is shuffled so that the module that just
  // ended is never the next one first.
  void Shuffle();
  // The random source of Shuffle: rand() seeded from the clock unless replaced.
  void SetRandom(std::function<int()> random) { random_ = std::move(random); }

  std::uint16_t index = 0;
  // Where playback stopped; 0 plays the module from its beginning.
  std::uint32_t savedPosition = 0;
  std::vector<Module> modules;

 private:
  std::function<int()> random_;
};
