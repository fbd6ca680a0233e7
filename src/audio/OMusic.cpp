#include "audio/OMusic.h"

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
    rendered = music->module_->Render(frames, frameCount, music->volume_.load());
    if (rendered == 0) {
      music->rendering_ = false;
      moduleEnded_.store(true);
    }
  }
  std::memset(frames + rendered * 2, 0,
              static_cast<std::size_t>(frameCount - rendered) * 2 * sizeof(std::int16_t));
}

void OMusic::DestroyModule() {
  module_.reset();
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
  module_ = OModule::Open(*bytes, currentList->savedPosition);
  if (module_ == nullptr) {
    return;
  }
  moduleEnded_.store(false);
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
  currentList->savedPosition = module_ == nullptr ? 0 : module_->Position();
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
