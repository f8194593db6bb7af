#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/rufo_play/region_map.h"

namespace rufo::play {

// One entry of a screen script, as the game's own parser reads it.
struct ScriptEntry {
  int index = 0;
  int type = 0;
  int x = 0;
  int y = 0;
  int number = 0;
  uint32_t flags = 0;
  std::string name;
  std::string path;
};

struct ScriptTable {
  std::string name;  // as the data names it
  std::vector<ScriptEntry> entries;

  // The first entry of that name (names compare exactly), or nullptr.
  const ScriptEntry* Find(const std::string& entryName) const;
};

struct Size {
  int width = 0;
  int height = 0;
};

// The data tree the game is played on, read through the game's own file readers. Names are the
// data's own ("Data\Start\screen.dat"), matched case-insensitively as the game matches them.
// Everything read is kept.
class DataTree {
 public:
  // `root` is the data root folder.
  explicit DataTree(std::string root);

  const std::string& Root() const { return root_; }
  bool Exists(const std::string& name) const;
  // nullptr when the file is missing.
  const ScriptTable* Script(const std::string& name);
  // nullptr when the file is missing or is not a hit map.
  const RegionMap* Mask(const std::string& name);
  // The size of a picture named as the game names pictures (extension optional, PNG or BMP);
  // nullopt when there is no such picture.
  std::optional<Size> PictureSize(const std::string& name);

 private:
  std::string Path(const std::string& name) const;

  std::string root_;
  std::map<std::string, std::unique_ptr<ScriptTable>> scripts_;
  std::map<std::string, std::unique_ptr<RegionMap>> masks_;
  std::map<std::string, std::optional<Size>> pictures_;
};

}  // namespace rufo::play
