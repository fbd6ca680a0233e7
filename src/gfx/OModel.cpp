#include "gfx/OModel.h"

#include <algorithm>
#include <span>

#include "core/OException.h"
#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"
#include "gfx/OTexture.h"
#include "gfx/PictureKey.h"

OModel::OModel() : data_(new OModelData) { data_->AddRef(); }

OModel::OModel(const OModel& other)
    : O3D(other),
      blendSource_(other.blendSource_),
      blendDestination_(other.blendDestination_),
      scaled_(other.scaled_),
      name_(other.name_),
      scale_(other.scale_),
      data_(other.data_),
      visible_(other.visible_),
      alpha_(other.alpha_) {
  data_->AddRef();
}

OModel::~OModel() { ReleaseData(); }

void OModel::ReleaseData() {
  OModelManager& manager = OModelManager::Instance();
  const bool cached = manager.Find(name_) == data_;
  if (data_->Release() && cached) {
    manager.Erase(name_);
  }
  data_ = nullptr;
}

bool OModel::Load(const std::string& name) {
  OModelManager& manager = OModelManager::Instance();
  if (OModelData* cached = manager.Find(name)) {
    cached->AddRef();
    ReleaseData();
    name_ = name;
    data_ = cached;
    ShowEveryObject();
    return true;
  }

  if (manager.Find(name_) == data_) {
    // This model shares a loaded file; the new one needs data of its own.
    ReleaseData();
    data_ = new OModelData;
    data_->AddRef();
  }
  name_ = name;
  const std::string folder = manager.FolderFor(*data_);
  if (!folder.empty() && !data_->Parse(folder + name, true)) {
    throw OFileNotFound();
  }
  manager.Insert(name, data_);
  ShowEveryObject();
  return true;
}

std::size_t OModel::ObjectCount() const { return data_->objects.size(); }

void OModel::ShowEveryObject() { visible_.assign(ObjectCount(), 1); }

std::vector<std::uint8_t>& OModel::Flags() {
  visible_.resize(ObjectCount(), 1);
  return visible_;
}

void OModel::SetVisible(std::size_t index, bool exclusive) {
  if (exclusive) {
    HideAll();
  }
  std::vector<std::uint8_t>& flags = Flags();
  if (!flags.empty()) {
    flags[index < flags.size() ? index : 0] = 1;
  }
}

void OModel::HideAll() {
  std::vector<std::uint8_t>& flags = Flags();
  std::fill(flags.begin(), flags.end(), 0);
}

bool OModel::IsVisible(std::size_t index) const {
  return index < ObjectCount() && (index >= visible_.size() || visible_[index] != 0);
}

void OModel::SetScale(float x, float y, float z) {
  scale_ = {x, y, z};
  scaled_ = !(x == 1.0f && y == 1.0f && z == 1.0f);
}

void OModel::SetBlendFunc(GLenum source, GLenum destination) {
  blendSource_ = source;
  blendDestination_ = destination;
}

void OModel::ScaleGeometry(float x, float y, float z) { data_->ScaleGeometry(x, y, z); }

void OModel::ScaleUniform(float s) {
  ScaleGeometry(s, s, s);
  size *= s;
}

void OModel::Compile() { data_->Compile(); }

bool OModel::ComputeBounds() {
  if (data_->positions.empty()) {
    return false;
  }
  std::array<float, 3> low{0.0f, 0.0f, 0.0f};
  std::array<float, 3> high{0.0f, 0.0f, 0.0f};
  for (const auto& position : data_->positions) {
    for (int axis = 0; axis < 3; ++axis) {
      low[axis] = std::min(low[axis], position[axis]);
      high[axis] = std::max(high[axis], position[axis]);
    }
  }
  for (int axis = 0; axis < 3; ++axis) {
    halfExtents[axis] = (high[axis] - low[axis]) / 2.0f;
    centre[axis] = (high[axis] + low[axis]) / 2.0f;
  }
  return true;
}

void OModel::Draw() { DrawObjects(0, ObjectCount()); }

void OModel::DrawObjects(std::size_t first, std::size_t end) {
  if (first >= end) {
    return;
  }
  if (data_->texture1) {
    data_->texture1->Bind();
  }
  glPushMatrix();
  glMultMatrixf(transform);
  if (scaled_) {
    glScalef(scale_[0], scale_[1], scale_[2]);
    glEnable(GL_NORMALIZE);
  }

  const bool blended = alpha_ != 0.0f;
  if (blended) {
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(blendSource_, blendDestination_);
    glColor4f(1.0f, 1.0f, 1.0f, alpha_);
  } else {
    glColor3f(1.0f, 1.0f, 1.0f);
  }
  DrawVisibleObjects(first, end);
  if (blended) {
    glDisable(GL_BLEND);
  }
  glPopMatrix();
  if (scaled_) {
    glDisable(GL_NORMALIZE);
  }
  if (blended) {
    glEnable(GL_LIGHTING);
  }
}

void OModel::AddToPictureKey(PictureKey& key) const {
  key.Add(data_);
  key.Add(data_->geometryRevision);
  if (data_->texture1) {
    data_->texture1->AddToPictureKey(key);
  }
  key.Add(std::span<const float>(transform));
  key.Add(scaled_);
  key.Add(std::span<const float>(scale_));
  key.Add(alpha_);
  key.Add(blendSource_);
  key.Add(blendDestination_);
  for (std::size_t index = 0; index < ObjectCount(); ++index) {
    key.Add(IsVisible(index));
  }
}

void OModel::DrawVisibleObjects(std::size_t first, std::size_t end) {
  for (std::size_t index = first; index < std::min(end, ObjectCount()); ++index) {
    if (IsVisible(index)) {
      data_->objects[index]->Draw();
    }
  }
}
