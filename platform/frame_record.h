#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace rufo::platform {

// What was drawn onto a surface, written down as its drawing operations and their arguments, so
// that two frames can be compared without drawing either. Direct pixel access cannot be written
// down: it makes the record opaque, and an opaque record equals no other.
class FrameRecord {
 public:
  enum Operation : int64_t { kBlit = 1, kFill, kText, kLine, kBlend };

  void Add(std::initializer_list<int64_t> values) { words_.insert(words_.end(), values); }
  void Add(const void* pointer) { words_.push_back(reinterpret_cast<intptr_t>(pointer)); }
  void AddText(std::string_view text) {
    words_.push_back(static_cast<int64_t>(text.size()));
    words_.insert(words_.end(), text.begin(), text.end());
  }
  void MarkOpaque() { opaque_ = true; }
  bool Opaque() const { return opaque_; }

  friend bool operator==(const FrameRecord& a, const FrameRecord& b) {
    return !a.opaque_ && !b.opaque_ && a.words_ == b.words_;
  }

 private:
  std::vector<int64_t> words_;
  bool opaque_ = false;
};

}  // namespace rufo::platform
