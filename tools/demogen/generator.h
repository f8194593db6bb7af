#pragma once

#include <cairo.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/assetkit/cursor_file.h"
#include "tools/assetkit/screen_script.h"
#include "tools/demogen/description.h"
#include "tools/demogen/speech.h"

namespace rufo::demogen {

// Turns descriptions into the data tree: pictures, hit maps, animations, frame scripts,
// screen scripts, sounds, speech and the cursor file, all below one output folder.
class Generator {
 public:
  explicit Generator(std::filesystem::path out);

  // Runs every statement of one description file (scenes may be used across files).
  void Add(const std::vector<Statement>& statements);
  // Synthesises the collected speech and writes the screen scripts and the cursor file.
  void Finish();

  // Where a game path such as "Bitmaps\Start\bg" lands, with an extension.
  std::filesystem::path FilePath(const std::string& gamePath, const std::string& extension) const;

 private:
  struct Speech {
    std::string base;
    Utterance utterance;
    bool mouth;  // also writes the talking frame script
  };

  void Run(const Statement& s);
  void Picture(const Statement& s);
  void AnimationFile(const Statement& s);
  void HitMap(const Statement& s);
  void CursorPicture(const Statement& s);
  void Entry(assetkit::ScreenScriptWriter& script, const Statement& s);
  void FrameScript(const Statement& s);
  void Effect(const Statement& s);
  void TextFile(const Statement& s);
  void DrawAll(cairo_t* cr, const std::vector<Statement>& lines, int frame, int frames,
               int depth) const;
  void WriteBytes(const std::filesystem::path& path, const std::string& bytes) const;

  std::filesystem::path out_;
  std::map<std::string, std::vector<Statement>> scenes_;
  std::map<std::string, assetkit::ScreenScriptWriter> scripts_;
  std::vector<Speech> speeches_;
  std::vector<assetkit::CursorEntry> cursors_;
};

}  // namespace rufo::demogen
