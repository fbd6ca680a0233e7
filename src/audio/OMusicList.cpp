#include "audio/OMusicList.h"

#include <cstdlib>
#include <ctime>
#include <utility>

OMusicList& OMusicList::Menu() {
  static OMusicList list;
  return list;
}

OMusicList& OMusicList::Remover() {
  static OMusicList list;
  return list;
}

OMusicList& OMusicList::Breakdown() {
  static OMusicList list;
  return list;
}

const OMusicList::Module* OMusicList::Next() {
  if (index + 1u < modules.size()) {
    ++index;
  } else {
    Shuffle();
    index = 0;
  }
  savedPosition = 0;
  return Current();
}

const OMusicList::Module* OMusicList::Current() const {
  return index < modules.size() ? &modules[index] : nullptr;
}

void OMusicList::Shuffle() {
  const std::size_t count = modules.size();
  if (count <= 2) {
    return;
  }
  if (!random_) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
  }
  const auto random = [this] { return random_ ? random_() : std::rand(); };
  // The module that just ended is at the end; it may go anywhere but first.
  std::swap(modules[0], modules[static_cast<std::size_t>(random()) % (count - 1)]);
  for (std::size_t i = 1; i < count; ++i) {
    std::swap(modules[i], modules[i + static_cast<std::size_t>(random()) % (count - i)]);
  }
}
