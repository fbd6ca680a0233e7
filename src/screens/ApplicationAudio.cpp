#include "screens/ApplicationAudio.h"

#include "app/OApplication.h"
#include "audio/OMusicList.h"
#include "core/OConfig.h"

void ApplicationAudio::SetHost(OScreenHost* host) {
  host_ = host;
  application_ = dynamic_cast<OApplication*>(host);
}

void ApplicationAudio::PlaySound(std::uint32_t sound) {
  if (host_ != nullptr) {
    host_->PlaySound(static_cast<std::int32_t>(sound));
  }
}

void ApplicationAudio::PlayGroup(std::uint32_t group) {
  if (application_ != nullptr) {
    application_->PlaySoundGroup(group);
  }
}

void ApplicationAudio::StopMusic() {
  if (application_ != nullptr) {
    application_->Music().Stop();
  }
}

void ApplicationAudio::ResumeMusic() {
  if (MusicOn()) {
    application_->Music().Resume();
  }
}

void ApplicationAudio::SwitchPlaylist(OMusicList& list) {
  if (!MusicOn()) {
    return;
  }
  OMusic& music = application_->Music();
  if (music.currentList == &list) {
    return;
  }
  music.SavePosition();
  music.Stop();
  music.currentList = &list;
  music.Start();
}

void ApplicationAudio::RestartPlaylist(OMusicList& list) { list.Next(); }

void ApplicationAudio::HushMusic(bool hushed) {
  if (application_ != nullptr) {
    const std::int32_t volume = OConfig::Instance().musicVolume;
    application_->Music().SetVolume(hushed ? volume / 4 : volume);
  }
}

// The game's one settings object, which the application is made with.
bool ApplicationAudio::MusicOn() const { return application_ != nullptr && OConfig::Instance().musicOn; }
