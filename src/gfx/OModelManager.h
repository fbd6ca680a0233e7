// The cache of model geometry by file name, and the model-detail setting that
// picks the high- or low-detail file for models that have both.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class OModelData;

class OModelManager {
 public:
  static constexpr const char* kFolder = "Data/Models/";
  static constexpr const char* kHighDetailFolder = "Data/Models/Hi/";
  static constexpr const char* kLowDetailFolder = "Data/Models/Low/";
  static constexpr std::int32_t kLowDetail = 1;
  static constexpr std::int32_t kHighDetail = 2;

  // The detail setting comes from the saved settings.
  static OModelManager& Instance();

  OModelData* Find(const std::string& name) const;
  // The cache holds no reference: an entry lives exactly as long as its data.
  void Insert(const std::string& name, OModelData* data);
  void Erase(const std::string& name);

  // The folder a model's file is read from; empty for a detail setting that names no folder.
  std::string FolderFor(const OModelData& data) const;

  std::int32_t Detail() const { return detail_; }
  void SetDetail(std::int32_t detail) { detail_ = detail; }

  // After the detail setting has changed: reads every model with detail
  // levels again from the other folder, keeping its textures, scale and
  // display lists. Stops with false at the first file that cannot be read.
  bool ReloadDetailModels();
  // Around a change of OpenGL context, which takes every display list with it.
  void DeleteAllDisplayLists();
  void CompileAllDisplayLists();

  std::size_t Size() const { return cache_.size(); }

 private:
  OModelManager();

  std::int32_t detail_;
  std::map<std::string, OModelData*> cache_;
};
