#include "app/OScreenList.h"

#include <algorithm>

OScreenList::OScreenList(OScreenHost& application) : application_(application) {}

OScreenList::~OScreenList() { DeleteAll(); }

void OScreenList::SetScene(OCamera* camera, OLight* light) {
  camera_ = camera;
  light_ = light;
}

void OScreenList::Resize(std::uint16_t width, std::uint16_t height) {
  clientWidth_ = width;
  clientHeight_ = height;
  for (const auto& screen : screens_) {
    screen->SetPixelSize(width, height);
  }
}

void OScreenList::DropKeptPictures() {
  for (const auto& screen : screens_) {
    screen->DropKeptPicture();
  }
}

bool OScreenList::AddWindow(std::unique_ptr<ORenderWindow> screen) {
  const bool known =
      std::any_of(screens_.begin(), screens_.end(), [&screen](const auto& held) { return held == screen; });
  if (known) {
    // Already ours: this second owner must not delete it.
    static_cast<void>(screen.release());
    return false;
  }
  ORenderWindow& added = *screens_.emplace_back(std::move(screen));
  added.Attach(&application_, camera_, light_);
  added.SetPixelSize(clientWidth_, clientHeight_);
  return added.CreateControls();
}

std::unique_ptr<ORenderWindow> OScreenList::RemoveWindow(const ORenderWindow* screen) {
  const auto found = std::find_if(screens_.begin(), screens_.end(),
                                  [screen](const auto& held) { return held.get() == screen; });
  if (found == screens_.end()) {
    return nullptr;
  }
  if (active_ == screen) {
    active_ = nullptr;
  }
  std::unique_ptr<ORenderWindow> removed = std::move(*found);
  screens_.erase(found);
  return removed;
}

ORenderWindow* OScreenList::FindWindow(std::uint32_t identifier) const {
  const auto found = std::find_if(screens_.begin(), screens_.end(), [identifier](const auto& screen) {
    return screen->Identifier() == identifier;
  });
  return found == screens_.end() ? nullptr : found->get();
}

bool OScreenList::SetActiveWindow(std::uint32_t identifier) {
  ORenderWindow* const next = FindWindow(identifier);
  if (next == nullptr) {
    return false;
  }
  if (active_ != nullptr) {
    active_->OnHide();
  }
  active_ = next;
  active_->OnShow();
  return true;
}

void OScreenList::DeleteAll() {
  active_ = nullptr;
  for (auto& screen : screens_) {
    screen.reset();
  }
  screens_.clear();
}
