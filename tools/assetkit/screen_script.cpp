#include "tools/assetkit/screen_script.h"

#include <stdexcept>

#include "platform/cp1250.h"

namespace rufo::assetkit {

void ScreenScriptWriter::Line(const std::string& utf8) {
  const std::string line = platform::Utf8ToCp1250(utf8);
  // The game reads at most 254 characters of a line.
  if (line.size() > 254) throw std::invalid_argument("screen script line too long: " + utf8);
  text_ += line + "\r\n";
}

std::string ScreenScriptWriter::Field(const std::string& value) {
  if (value.find_first_of("=,\"\r\n\t") != std::string::npos) {
    throw std::invalid_argument("screen script field holds a separator: " + value);
  }
  return value;
}

void ScreenScriptWriter::Comment(const std::string& text) {
  if (text.find_first_of("\r\n") != std::string::npos) {
    throw std::invalid_argument("comment spans lines");
  }
  // Lines that start with no keyword are skipped; "EMPTY", "BG", "BUTTON", "BITMAP",
  // "ABITMA", "PATH_A" and "ANI" would be read as entries.
  Line("; " + text);
}

void ScreenScriptWriter::Empty() {
  Line("EMPTY");
  ++entries_;
}

void ScreenScriptWriter::Background(const std::string& path, const std::string& name) {
  Line("BG=" + Field(path) + "," + Field(name));
  ++entries_;
}

void ScreenScriptWriter::Bitmap(int x, int y, const std::string& path, const std::string& name,
                                bool hidden) {
  Line("BITMAP=" + std::to_string(x) + "," + std::to_string(y) + "," + Field(path) + "," +
       Field(name) + (hidden ? ",flags=CF_HIDDEN" : ""));
  ++entries_;
}

void ScreenScriptWriter::AnimatedBitmap(int x, int y, const std::string& path,
                                        const std::string& name, int frames, bool hidden) {
  Line("ABITMAP=" + std::to_string(x) + "," + std::to_string(y) + "," + Field(path) + "," +
       Field(name) + "," + std::to_string(frames) + (hidden ? ",flags=CF_HIDDEN" : ""));
  ++entries_;
}

void ScreenScriptWriter::Button(int x, int y, const std::string& path, const std::string& name) {
  Line("BUTTON=" + std::to_string(x) + "," + std::to_string(y) + "," + Field(path) + "," +
       Field(name) + ",0");
  ++entries_;
}

void ScreenScriptWriter::AnimationFolder(const std::string& prefix) {
  Line("PATH_ANI=" + Field(prefix));
}

namespace {

std::string FlagWords(const ScreenScriptWriter::AnimationFlags& flags, bool allowWithoutFolder) {
  std::string words;
  if (flags.clickToPlay) words += ",CLK_PLAY";
  if (flags.stayVisible) words += ",END_PLAY_NH";
  if (flags.withoutFolder) {
    if (!allowWithoutFolder) throw std::invalid_argument("HD_PATH is not read after a source");
    words += ",HD_PATH";
  }
  return words.empty() ? words : ",flags=" + words.substr(1);
}

}  // namespace

void ScreenScriptWriter::Animation(int x, int y, const std::string& name, AnimationFlags flags) {
  // A name of "source" would turn the line into the other form.
  if (name.compare(0, 5, "sourc") == 0 && name.size() >= 5) {
    throw std::invalid_argument("animation name reads as \"source\"");
  }
  Line("ANI=" + std::to_string(x) + "," + std::to_string(y) + "," + Field(name) +
       FlagWords(flags, true));
  ++entries_;
}

void ScreenScriptWriter::AnimationFromFile(int x, int y, const std::string& file,
                                           const std::string& name, AnimationFlags flags) {
  Line("ANI=" + std::to_string(x) + "," + std::to_string(y) + ",source," + Field(file) + "," +
       Field(name) + FlagWords(flags, false));
  ++entries_;
}

}  // namespace rufo::assetkit
