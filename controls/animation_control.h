#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "controls/ani_file.h"
#include "controls/control.h"
#include "controls/frame_script.h"

namespace rufo {

// Plays an ".ani" animation: owns the open file, decodes a frame into its surface only when the
// frame to show changes, and holds a timed frame sequence that derived controls advance.
class AnimationControl : public Control {
 public:
  static constexpr size_t kPathSize = 259;

  explicit AnimationControl(int32_t id) : Control(id) {}

  // Decodes the current frame into the surface unless it is there already.
  void Paint() override;
  // Forces the next Paint to decode again.
  void Refresh() override;

  // Sets the position and flags and opens the animation (".ani" is added to a path without a
  // dot) from the runtime root, then the data root, or as flags & 3 selects; preloads the first
  // frames and sizes the control to the animation. False when no well-formed file opens.
  bool Open(int x, int y, const std::string& path, int preload, uint32_t flags);
  // Shows frame n, held to the frames the animation has.
  void SetFrame(int n);
  int GetCurrentFrame() const { return currentFrame_; }
  int GetFrameCount() const { return file_.FrameCount(); }
  // The header's frame time in milliseconds.
  int FrameTimeMs() const { return frameTimeMs_; }
  const std::string& Path() const { return path_; }

  // Starts a copy of the entries as the sequence, replacing any in progress.
  void PlaySequence(std::span<const SequenceEntry> entries, bool loop);
  // Ends the sequence; the current frame stays.
  void Stop() { playing_ = false; }
  bool IsPlaying() const { return playing_; }

 protected:
  AniFile file_;
  std::string path_;
  int frameTimeMs_ = 0;
  int shownFrame_ = -1;
  int currentFrame_ = 0;
  bool playing_ = false;
  bool looping_ = false;
  uint32_t startTime_ = 0;
  std::vector<SequenceEntry> sequence_;
  int sequencePosition_ = 0;

 private:
  void DecodeFrame(int frame);
};

}  // namespace rufo
