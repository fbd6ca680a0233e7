#include "gfx/OClipList.h"

#include <GL/gl.h>

#include <algorithm>

#include "gfx/OCamera.h"

void OClipList::UpdateAll(std::uint32_t elapsed) {
  for (const auto& clip : clips_) {
    clip->Update(elapsed);
  }
  std::erase_if(clips_, [](const std::unique_ptr<OClip>& clip) { return clip->Finished(); });
}

void OClipList::DrawAll(const OCamera& camera) {
  if (clips_.empty()) {
    return;
  }
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  for (const auto& clip : clips_) {
    if (clip->facesCamera) {
      clip->FaceCamera(camera);
    }
    clip->Draw();
  }
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
}
