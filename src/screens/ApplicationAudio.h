// The rules' sounds and music through the application that shows the game
// screen, and the change of playlist as a game screen comes and goes.
#pragma once

#include <cstdint>

#include "game/BoardAudio.h"

class OApplication;
class OMusicList;
class OScreenHost;

class ApplicationAudio : public BoardAudio {
 public:
  // A host that is no full application (as in tests of a lone screen) plays
  // its single sounds and has no groups or music.
  void SetHost(OScreenHost* host);

  void PlaySound(std::uint32_t sound) override;
  void PlayGroup(std::uint32_t group) override;
  void StopMusic() override;
  void ResumeMusic() override;

  // The list being left remembers its place, so both pick up where they stopped.
  void SwitchPlaylist(OMusicList& list);
  // A new game begins the list's next module from its start.
  static void RestartPlaylist(OMusicList& list);
  // A paused game's music plays on at a quarter of its volume.
  void HushMusic(bool hushed);

 private:
  bool MusicOn() const;

  OScreenHost* host_ = nullptr;          // not owned
  OApplication* application_ = nullptr;  // the same object, when it is one
};
