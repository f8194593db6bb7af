// rufo-data check ROOT: lists every file, screen-script entry and hit-map value that the game
// looks up and the data tree under ROOT lacks; exits 1 when anything is missing.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "controls/screen_script.h"
#include "engine/cursor_file.h"
#include "platform/data_file.h"
#include "tools/rufo_data/command.h"
#include "tools/rufo_data/required_data.h"

namespace rufo::data_tool {
namespace {

namespace fs = std::filesystem;

// The name without its extension; a dot that a backslash follows is part of a folder name.
std::string WithoutExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || name.find('\\', dot) != std::string::npos) return name;
  return name.substr(0, dot);
}

class Checker {
 public:
  explicit Checker(fs::path root) : root_(std::move(root)) {}

  void Check(const Requirement& r) {
    for (int n = r.first; n <= LastNumber(r); ++n)
      Check(r, NameOf(r, n), n);
  }

  const std::vector<std::string>& Missing() const { return missing_; }

 private:
  void Check(const Requirement& r, const std::string& name, int number) {
    switch (r.need) {
      case Need::kFile:
        NeedFile(name, "file");
        break;
      case Need::kPicture:
        NeedPicture(name, "");
        break;
      case Need::kSound:
        NeedFile(name + ".wav", "sound");
        break;
      case Need::kSpeech:
        NeedFile(name + ".dat", "frame script");
        NeedFile(name + ".wav", "sound");
        break;
      case Need::kFrameScript:
        NeedFile(name + ".dat", "frame script");
        break;
      case Need::kScript:
        CheckScript(name);
        break;
      case Need::kEntry:
        FindEntry(r.in, name);
        break;
      case Need::kEntrySpeech:
        if (const ScreenEntry* entry = FindEntry(r.in, name)) {
          NeedFile(WithoutExtension(entry->path) + ".dat", "frame script of entry " + name);
        }
        break;
      case Need::kEntrySound:
        if (const ScreenEntry* entry = FindEntry(r.in, name)) {
          NeedFile(WithoutExtension(entry->path) + ".wav", "sound of entry " + name);
        }
        break;
      case Need::kHitValue:
        if (const HitMap* map = ReadHitMap(r.in); map && !map->distinct.count(number)) {
          missing_.push_back("hit-map value: " + std::to_string(number) + " in " + r.in);
        }
        break;
      case Need::kWalkEdges:
        if (const HitMap* map = ReadHitMap(name); map && !map->EdgesFree()) {
          missing_.push_back("free walking edges: " + name + " has regions at x < 60 or x > 580");
        }
        break;
      case Need::kToolbarFree:
        if (const HitMap* map = ReadHitMap(name); map && !map->ToolbarFree()) {
          missing_.push_back("free toolbar area: " + name +
                             " has regions at x 144 to 496, y 397 and below");
        }
        break;
      case Need::kCursor:
        if (const std::vector<std::string>* names = Cursors();
            names && std::find(names->begin(), names->end(), name) == names->end()) {
          missing_.push_back("cursor: " + name + " in Cursors.dat");
        }
        break;
      case Need::kCursorCount:
        if (const std::vector<std::string>* names = Cursors();
            names && static_cast<int>(names->size()) < r.first) {
          missing_.push_back("cursor: Cursors.dat defines " + std::to_string(names->size()) +
                             " cursors, the game uses " + std::to_string(r.first));
        }
        break;
    }
  }

  std::string Resolve(const std::string& name) const {
    return platform::ResolveDataPath((root_ / "").string() + name);
  }

  bool Exists(const std::string& name) const {
    std::error_code error;
    return fs::is_regular_file(Resolve(name), error);
  }

  std::optional<std::string> Read(const std::string& name) const {
    std::ifstream in(Resolve(name), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void NeedFile(const std::string& name, const std::string& what) {
    if (!Exists(name)) missing_.push_back(what + ": " + name);
  }

  void NeedPicture(const std::string& name, const std::string& namedBy) {
    const std::string base = WithoutExtension(name);
    if (!Exists(base + ".png") && !Exists(base + ".bmp")) {
      missing_.push_back("picture: " + base + ".png" + namedBy);
    }
  }

  // The script as the game's parser reads it; none when it cannot be opened.
  const ScreenScript* Script(const std::string& name) {
    auto it = scripts_.find(name);
    if (it == scripts_.end()) {
      std::unique_ptr<ScreenScript> script;
      if (std::FILE* file = std::fopen(Resolve(name).c_str(), "rb")) {
        script = std::make_unique<ScreenScript>();
        script->Parse(file);
        std::fclose(file);
      }
      it = scripts_.emplace(name, std::move(script)).first;
    }
    return it->second.get();
  }

  void CheckScript(const std::string& name) {
    const ScreenScript* script = Script(name);
    if (!script) {
      missing_.push_back("screen script: " + name);
      return;
    }
    for (int i = 0; i < script->Count(); ++i) {
      const ScreenEntry& entry = script->Entry(i);
      if (entry.type == kEntryEmpty) continue;
      if (entry.type == kEntryAnimation) {
        const std::string file =
            entry.path.find('.') == std::string::npos ? entry.path + ".ani" : entry.path;
        if (!Exists(file)) missing_.push_back("animation: " + file + " (named by " + name + ")");
      } else {
        NeedPicture(entry.path, " (named by " + name + ")");
      }
    }
  }

  const ScreenEntry* FindEntry(const char* scriptName, const std::string& name) {
    if (const ScreenScript* script = Script(scriptName)) {
      if (const int index = script->FindEntry(name); index >= 0) return &script->Entry(index);
    }
    missing_.push_back("entry: " + name + " in " + scriptName);
    return nullptr;
  }

  // A hit map as the game reads it: the red sample of each pixel.
  struct HitMap {
    int width = 0;
    std::vector<uint8_t> values;
    std::set<int> distinct;

    // Main scenes walk on when a click falls within 60 pixels of the sides outside every
    // region, so no region may lie there.
    bool EdgesFree() const {
      for (size_t i = 0; i < values.size(); ++i) {
        const int x = static_cast<int>(i % width);
        if ((x < 60 || x > 580) && values[i] != 255) return false;
      }
      return true;
    }

    // The open toolbar takes every press from its left to its right edge and from its top down,
    // so a region there could never be clicked while it is open.
    bool ToolbarFree() const {
      for (size_t i = 0; i < values.size(); ++i) {
        const int x = static_cast<int>(i % width), y = static_cast<int>(i / width);
        if (x >= 144 && x <= 496 && y >= 397 && values[i] != 255) return false;
      }
      return true;
    }
  };

  // None when the hit map cannot be read (reported once).
  const HitMap* ReadHitMap(const std::string& mask) {
    auto it = hitMaps_.find(mask);
    if (it == hitMaps_.end()) {
      std::optional<HitMap> map;
      png_image image{};
      image.version = PNG_IMAGE_VERSION;
      const std::string path = Resolve(mask);
      if (png_image_begin_read_from_file(&image, path.c_str())) {
        image.format = PNG_FORMAT_RGB;
        std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
        if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
          map.emplace();
          map->width = static_cast<int>(image.width);
          for (size_t i = 0; i < pixels.size(); i += 3)
            map->values.push_back(pixels[i]);
          map->distinct.insert(map->values.begin(), map->values.end());
        }
      }
      png_image_free(&image);
      if (!map) missing_.push_back("hit map: " + mask);
      it = hitMaps_.emplace(mask, std::move(map)).first;
    }
    return it->second ? &*it->second : nullptr;
  }

  // The cursor names, read with the game's own line parser; a malformed line is reported.
  const std::vector<std::string>* Cursors() {
    if (!cursorsRead_) {
      cursorsRead_ = true;
      if (std::optional<std::string> text = Read("Cursors.dat")) {
        cursors_.emplace();
        std::istringstream lines(*text);
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number) {
          CursorLine cursor;
          const std::string_view cut = std::string_view(line).substr(0, kCursorLineLimit);
          const CursorLineKind kind = ParseCursorLine(cut, &cursor);
          if (kind == CursorLineKind::kCursor) {
            cursors_->push_back(cursor.name);
            NeedPicture(cursor.picture, " (named by Cursors.dat)");
            if (!cursor.mask.empty()) NeedPicture(cursor.mask, " (named by Cursors.dat)");
          }
          if (kind == CursorLineKind::kError) {
            missing_.push_back("cursor: line " + std::to_string(number) +
                               " of Cursors.dat cannot be read");
          }
        }
      }
    }
    return cursors_ ? &*cursors_ : nullptr;
  }

  fs::path root_;
  std::vector<std::string> missing_;
  std::map<std::string, std::unique_ptr<ScreenScript>> scripts_;
  std::map<std::string, std::optional<HitMap>> hitMaps_;
  bool cursorsRead_ = false;
  std::optional<std::vector<std::string>> cursors_;
};

int Run(std::span<char*> args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: rufo-data check ROOT\n");
    return 2;
  }
  Checker checker(args[0]);
  for (const Requirement& requirement : RequiredData())
    checker.Check(requirement);
  for (const std::string& line : checker.Missing())
    std::printf("missing %s\n", line.c_str());
  if (!checker.Missing().empty()) {
    std::printf("%zu missing\n", checker.Missing().size());
    return 1;
  }
  std::printf("nothing missing\n");
  return 0;
}

const Registration kCheck({"check", "ROOT", Run});

}  // namespace
}  // namespace rufo::data_tool
