#pragma once

namespace rufo::web {

// When the page's sound may rest. The browser mixes silence at a steady cost while nothing
// plays, so after a quiet second the page suspends its sound, and it wakes it in the step in
// which a buffer starts. A started buffer's play cursor waits at its first byte until the sound
// runs again, so nothing of it is lost: it only starts later by the time the browser takes to
// resume. The quiet second spares that time to sounds that follow each other closely.
class SoundRest {
 public:
  enum class Change { kNone, kRest, kWake };
  static constexpr double kQuietMs = 1000;

  // After each step, with whether any sound buffer is playing and the time (ms, from any origin,
  // never going back): whether the sound must rest or wake.
  Change AfterStep(bool playing, double nowMs) {
    if (playing) {
      quiet_ = false;
      if (!resting_) return Change::kNone;
      resting_ = false;
      return Change::kWake;
    }
    if (!quiet_) {
      quiet_ = true;
      quietSince_ = nowMs;
    }
    if (resting_ || nowMs - quietSince_ < kQuietMs) return Change::kNone;
    resting_ = true;
    return Change::kRest;
  }

 private:
  bool quiet_ = false;
  double quietSince_ = 0;
  bool resting_ = false;
};

}  // namespace rufo::web
