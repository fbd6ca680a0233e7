#include "audio/OMusic.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cstring>

#include "audio/OMusicList.h"
#include "platform/Audio.h"

std::atomic<bool> OMusic::moduleEnded_{false};

OMusic::~OMusic() { Free(); }

bool OMusic::Init() {
  initialised = platform::OpenAudio();
  if (initialised) {
    platform::SetMusicRenderer(&OMusic::Render, this);
  }
  return initialised;
}

void OMusic::Render(void* user, std::int16_t* frames, int frameCount) {
  auto* music = static_cast<OMusic*>(user);
  int rendered = 0;
  if (music->module_ != nullptr && music->rendering_) {
    rendered = static_cast<int>(openmpt_module_read_interleaved_stereo(
        music->module_, platform::kAudioRate, static_cast<std::size_t>(frameCount), frames));
    if (rendered == 0) {
      music->rendering_ = false;
      moduleEnded_.store(true);
    }
    const int volume = music->volume_.load();
    if (volume < 100) {
      for (int i = 0; i < rendered * 2; ++i) {
        frames[i] = static_cast<std::int16_t>(frames[i] * volume / 100);
      }
    }
  }
  std::memset(frames + rendered * 2, 0,
              static_cast<std::size_t>(frameCount - rendered) * 2 * sizeof(std::int16_t));
}

void OMusic::DestroyModule() {
  if (module_ != nullptr) {
    openmpt_module_destroy(module_);
    module_ = nullptr;
  }
  rendering_ = false;
}

void OMusic::Start() {
  if (!initialised || currentList == nullptr) {
    return;
  }
  const OMusicList::Module* bytes = currentList->Current();
  platform::AudioLock lock;
  DestroyModule();
  if (bytes == nullptr) {
    return;
  }
  module_ = openmpt_module_create_from_memory2(bytes->data(), bytes->size(), nullptr, nullptr, nullptr,
                                               nullptr, nullptr, nullptr, nullptr);
  if (module_ == nullptr) {
    return;
  }
  // Once through and then silence: the game chooses what plays next.
  openmpt_module_ctl_set_text(module_, "play.at_end", "stop");
  openmpt_module_set_repeat_count(module_, 0);
  moduleEnded_.store(false);
  const std::uint32_t position = currentList->savedPosition;
  if (position != 0) {
    openmpt_module_set_position_order_row(module_, static_cast<std::int32_t>(position >> 16),
                                          static_cast<std::int32_t>(position & 0xFFFF));
  }
  rendering_ = true;
  playing = true;
}

void OMusic::Next() {
  if (currentList != nullptr) {
    currentList->Next();
  }
  Start();
}

void OMusic::Pause() {
  playing = false;
  platform::AudioLock lock;
  rendering_ = false;
}

void OMusic::Resume() {
  playing = true;
  platform::AudioLock lock;
  rendering_ = module_ != nullptr && !moduleEnded_.load();
}

void OMusic::Stop() {
  playing = false;
  platform::AudioLock lock;
  DestroyModule();
}

void OMusic::SavePosition() {
  if (currentList == nullptr) {
    return;
  }
  platform::AudioLock lock;
  currentList->savedPosition = module_ == nullptr ? 0
                                                  : PackPosition(openmpt_module_get_current_order(module_),
                                                                 openmpt_module_get_current_row(module_));
}

std::uint32_t OMusic::PackPosition(std::int32_t order, std::int32_t row) {
  return static_cast<std::uint32_t>(std::clamp(order, 0, 0xFFFF)) << 16 |
         static_cast<std::uint32_t>(std::clamp(row, 0, 0xFFFF));
}

void OMusic::SetVolume(int volume) { volume_.store(std::clamp(volume, 0, 100)); }

void OMusic::Free() {
  if (initialised) {
    platform::SetMusicRenderer(nullptr, nullptr);
  }
  platform::AudioLock lock;
  DestroyModule();
  playing = false;
}
