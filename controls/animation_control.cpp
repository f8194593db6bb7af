#include "controls/animation_control.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/interface.h"

namespace rufo {

bool AnimationControl::Open(int x, int y, const std::string& path, int preload, uint32_t flags) {
  SetPosition(x, y);
  SetFlags(flags);
  playing_ = false;
  path_ = path.substr(0, kPathSize);
  if (path_.find('.') == std::string::npos) path_ += ".ani";

  Interface& engine = Engine();
  const int selector = static_cast<int>(flags & kCfLocationMask);
  std::FILE* file = engine.OpenDataFile(path_, "rb", selector | kRuntimeRoot, true);
  if (!file) file = engine.OpenDataFile(path_, "rb", selector, true);
  if (!file || !file_.Open(file)) return false;

  const AniHeader& header = file_.Header();
  SetColorKey(header.colorKey);
  const double frameMs = std::trunc(static_cast<double>(header.frameSeconds * 1000.0f));
  frameTimeMs_ = std::fabs(frameMs) < INT32_MAX ? static_cast<int>(frameMs) : 0;
  shownFrame_ = 0;
  currentFrame_ = 0;
  for (int i = 0; i < std::min(preload, file_.FrameCount()); ++i)
    file_.LoadFrame(i);
  SetSize(static_cast<int>(header.width), static_cast<int>(header.height));
  return true;
}

void AnimationControl::Paint() {
  if (surface_ && currentFrame_ != shownFrame_) DecodeFrame(currentFrame_);
}

void AnimationControl::Refresh() {
  shownFrame_ = -1;
  Paint();
}

void AnimationControl::SetFrame(int n) {
  currentFrame_ = std::clamp(n, 0, std::max(file_.FrameCount() - 1, 0));
  Paint();
}

void AnimationControl::PlaySequence(std::span<const SequenceEntry> entries, bool loop) {
  sequence_.assign(entries.begin(), entries.end());
  sequencePosition_ = 0;
  startTime_ = Engine().Clock().NowMs();
  playing_ = true;
  looping_ = loop;
}

void AnimationControl::DecodeFrame(int frame) {
  if (frame < 0 || frame >= file_.FrameCount()) {
    Engine().SetDebugText("Bad frame!");
    return;
  }
  if (!file_.LoadFrame(frame)) return;
  int pitch = 0;
  uint8_t* pixels = surface_->Lock(&pitch);
  if (!pixels) return;
  DecodeAniFrame(*file_.CachedFrame(frame), file_.Header().runMarker,
                 std::min(rect_.right, surface_->Width()),
                 std::min(rect_.bottom, surface_->Height()), pixels, pitch, surface_->Layout());
  surface_->Unlock();
  shownFrame_ = frame;
}

}  // namespace rufo
