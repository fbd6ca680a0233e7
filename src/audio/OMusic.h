// The music player: plays the current list's module through libopenmpt into
// the sound device, once through, and raises a flag when it ends so that the
// next frame moves on to the next module.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "audio/OModule.h"

class OMusicList;

class OMusic {
 public:
  OMusic() = default;
  ~OMusic();
  OMusic(const OMusic&) = delete;
  OMusic& operator=(const OMusic&) = delete;

  // Opens the sound device and starts rendering; false without a device, and
  // the game then runs without music.
  bool Init();
  // Plays the current list's module, from the list's saved position.
  void Start();
  // The current list's next module, from its beginning.
  void Next();
  void Pause();
  // Plays the current module on from where it paused or stopped.
  void Resume();
  void Stop();
  // Remembers in the current list where its module now is.
  void SavePosition();
  // 0..100.
  void SetVolume(int volume);
  int GetVolume() const { return volume_.load(); }
  // Ends the music for good: the module is freed and the device left alone.
  void Free();

  // Set on the sound thread when a module has played to its end; cleared when one starts.
  static bool ModuleEnded() { return moduleEnded_.load(); }

  bool playing = false;
  bool initialised = false;
  OMusicList* currentList = nullptr;

 private:
  static void Render(void* user, std::int16_t* frames, int frameCount);
  // Puts `next` (may be null) in place of the module playing, and gives that one back.
  std::unique_ptr<OModule> SwapModule(std::unique_ptr<OModule> next);

  // Written by the game thread under the audio lock, read by the audio thread
  // under it; the game thread, its only writer, may read it without.
  std::unique_ptr<OModule> module_;
  // Read and written under the audio lock only.
  bool rendering_ = false;
  std::atomic<int> volume_{100};
  static std::atomic<bool> moduleEnded_;
};
