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

std::unique_ptr<OModule> OMusic::SwapModule(std::unique_ptr<OModule> next) {
  platform::AudioLock lock;
  std::swap(module_, next);
  rendering_ = module_ != nullptr;
  if (rendering_) {
    moduleEnded_.store(false);
  }
  return next;
}

void OMusic::Start() {
  if (!initialised || currentList == nullptr) {
    return;
  }
  // Reading a module takes a while; the effects are mixed on the same thread
  // as the music, so they would stall if the audio thread waited for it.
  const OMusicList::Module* bytes = currentList->Current();
  std::unique_ptr<OModule> next =
      bytes == nullptr ? nullptr : OModule::Open(*bytes, currentList->savedPosition, platform::AudioRate());
  // The module swapped out is freed here, outside the lock as well.
  SwapModule(std::move(next));
  if (module_ != nullptr) {
    playing = true;
  }
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

// The module stays, so that a stopped one can be resumed.
void OMusic::Stop() {
  playing = false;
  platform::AudioLock lock;
  rendering_ = false;
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
  SwapModule(nullptr);
  playing = false;
}
