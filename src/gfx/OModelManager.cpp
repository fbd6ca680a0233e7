#include "gfx/OModelManager.h"

#include "core/OConfig.h"
#include "gfx/OModelData.h"

OModelManager::OModelManager() {
  OConfig& config = OConfig::Instance();
  config.Load();
  detail_ = config.modelDetail;
}

OModelManager& OModelManager::Instance() {
  static OModelManager manager;
  return manager;
}

OModelData* OModelManager::Find(const std::string& name) const {
  const auto found = cache_.find(name);
  return found == cache_.end() ? nullptr : found->second;
}

void OModelManager::Insert(const std::string& name, OModelData* data) { cache_[name] = data; }

void OModelManager::Erase(const std::string& name) { cache_.erase(name); }

std::string OModelManager::FolderFor(const OModelData& data) const {
  if (!data.detailLevels) {
    return kFolder;
  }
  switch (detail_) {
    case kHighDetail:
      return kHighDetailFolder;
    case kLowDetail:
      return kLowDetailFolder;
    default:
      return "";
  }
}

bool OModelManager::ReloadDetailModels() {
  for (const auto& [name, data] : cache_) {
    if (!data->detailLevels) {
      continue;
    }
    const std::string folder = FolderFor(*data);
    if (folder.empty() || !data->Parse(folder + name, false)) {
      return false;
    }
    const auto scale = data->geometryScale;
    data->geometryScale = {1.0f, 1.0f, 1.0f};
    data->ScaleGeometry(scale[0], scale[1], scale[2]);
    if (data->objectsCompiled) {
      data->Compile();
    }
  }
  return true;
}

void OModelManager::DeleteAllDisplayLists() {
  for (const auto& [name, data] : cache_) {
    data->DeleteDisplayLists();
  }
}

void OModelManager::CompileAllDisplayLists() {
  for (const auto& [name, data] : cache_) {
    if (data->objectsCompiled) {
      data->Compile();
    }
  }
}
