#pragma once

#include <string>
#include <vector>

namespace rufo::assetkit {

// Builds the text of a "screen.dat" screen script entry by entry, in the order the game
// numbers them. Names and paths are given in UTF-8 and written in Windows-1250 with CR LF line
// ends. Fields may not contain the script's separators ('=', ',', '"') or line ends.
class ScreenScriptWriter {
 public:
  void Comment(const std::string& text);
  void Empty();
  void Background(const std::string& path, const std::string& name);
  void Bitmap(int x, int y, const std::string& path, const std::string& name, bool hidden);
  void AnimatedBitmap(int x, int y, const std::string& path, const std::string& name, int frames,
                      bool hidden);
  void Button(int x, int y, const std::string& path, const std::string& name);
  // Prefix of the following animation paths; normally ends with a backslash.
  void AnimationFolder(const std::string& prefix);

  struct AnimationFlags {
    bool clickToPlay = false;    // "CLK_PLAY": a click plays the animation
    bool stayVisible = false;    // "END_PLAY_NH": the control stays visible after playing
    bool withoutFolder = false;  // "HD_PATH": the path is the name alone
  };
  // An animation whose file is the folder prefix followed by its name.
  void Animation(int x, int y, const std::string& name, AnimationFlags flags);
  // An animation whose file (after the folder prefix) differs from its name.
  void AnimationFromFile(int x, int y, const std::string& file, const std::string& name,
                         AnimationFlags flags);

  // Number of entries so far, which is the index of the next one.
  int EntryCount() const { return entries_; }
  const std::string& Text() const { return text_; }

 private:
  void Line(const std::string& utf8);
  static std::string Field(const std::string& value);

  std::string text_;
  int entries_ = 0;
};

}  // namespace rufo::assetkit
