#include "tools/rufo_play/data_tree.h"

#include <sys/stat.h>

#include <cstdio>

#include "controls/screen_script.h"
#include "gfx/picture_file.h"
#include "gfx/picture_name.h"
#include "platform/data_file.h"

namespace rufo::play {

const ScriptEntry* ScriptTable::Find(const std::string& entryName) const {
  for (const ScriptEntry& entry : entries) {
    if (entry.name == entryName) return &entry;
  }
  return nullptr;
}

DataTree::DataTree(std::string root) : root_(std::move(root)) {
  if (!root_.empty() && root_.back() != '/') root_ += '/';
}

std::string DataTree::Path(const std::string& name) const {
  return platform::ResolveDataPath(root_ + name);
}

bool DataTree::Exists(const std::string& name) const {
  struct stat info {};
  return ::stat(Path(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

const ScriptTable* DataTree::Script(const std::string& name) {
  auto [at, added] = scripts_.try_emplace(name);
  if (!added) return at->second.get();
  std::FILE* file = Exists(name) ? platform::OpenFile(Path(name), "rb") : nullptr;
  if (!file) return nullptr;
  ScreenScript script;
  script.Parse(file);
  std::fclose(file);
  auto table = std::make_unique<ScriptTable>();
  table->name = name;
  for (int i = 0; i < script.Count(); ++i) {
    const ScreenEntry& entry = script.Entry(i);
    table->entries.push_back(
        {i, entry.type, entry.x, entry.y, entry.number, entry.flags, entry.name, entry.path});
  }
  at->second = std::move(table);
  return at->second.get();
}

const RegionMap* DataTree::Mask(const std::string& name) {
  auto [at, added] = masks_.try_emplace(name);
  if (!added || !Exists(name)) return at->second.get();
  if (std::optional<RegionMap> map = RegionMap::Load(Path(name))) {
    at->second = std::make_unique<RegionMap>(std::move(*map));
  }
  return at->second.get();
}

std::optional<Size> DataTree::PictureSize(const std::string& name) {
  auto [at, added] = pictures_.try_emplace(name);
  if (!added) return at->second;
  const gfx::SurfaceFactory factory = gfx::FixedLayoutFactory(platform::PixelLayout::kRgbx32);
  for (const gfx::PictureAttempt& attempt : gfx::PictureAttempts(name, 0, false)) {
    if (!Exists(attempt.fileName)) continue;
    std::unique_ptr<platform::Surface> surface;
    const bool read = attempt.format == gfx::PictureFormat::kPng
                          ? gfx::LoadPngPicture(Path(attempt.fileName), factory, &surface)
                          : gfx::LoadBmpPicture(Path(attempt.fileName), factory, &surface);
    if (read && surface) {
      at->second = Size{surface->Width(), surface->Height()};
      break;
    }
  }
  return at->second;
}

}  // namespace rufo::play
