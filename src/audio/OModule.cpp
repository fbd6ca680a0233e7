#include "audio/OModule.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>

namespace {

std::uint32_t PackPosition(std::int32_t order, std::int32_t row) {
  return static_cast<std::uint32_t>(std::clamp(order, 0, 0xFFFF)) << 16 |
         static_cast<std::uint32_t>(std::clamp(row, 0, 0xFFFF));
}

}  // namespace

std::unique_ptr<OModule> OModule::Open(const std::vector<std::uint8_t>& bytes, std::uint32_t position,
                                       int rate) {
  // A module the player cannot read leaves the game silent; libopenmpt's
  // notes on odd files are of no use to a player, so they are not printed.
  openmpt_module* module =
      openmpt_module_create_from_memory2(bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr);
  if (module == nullptr) {
    return nullptr;
  }
  // Once through and then silence: the game chooses what plays next.
  openmpt_module_ctl_set_text(module, "play.at_end", "stop");
  openmpt_module_set_repeat_count(module, 0);
  if (position != 0) {
    openmpt_module_set_position_order_row(module, static_cast<std::int32_t>(position >> 16),
                                          static_cast<std::int32_t>(position & 0xFFFF));
  }
  return std::unique_ptr<OModule>(new OModule(module, rate));
}

OModule::~OModule() { openmpt_module_destroy(module_); }

int OModule::Render(std::int16_t* frames, int frameCount, int volume) {
  const int rendered = static_cast<int>(
      openmpt_module_read_interleaved_stereo(module_, rate_, static_cast<std::size_t>(frameCount), frames));
  if (volume < 100) {
    for (int i = 0; i < rendered * 2; ++i) {
      frames[i] = static_cast<std::int16_t>(frames[i] * volume / 100);
    }
  }
  return rendered;
}

std::uint32_t OModule::Position() const {
  return PackPosition(openmpt_module_get_current_order(module_), openmpt_module_get_current_row(module_));
}
