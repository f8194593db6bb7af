#include <cstring>

#include "engine/interface.h"

namespace rufo {

int Interface::FindCursor(const char* name) const {
  if (!name || !*name) return -1;
  for (size_t i = 0; i < cursors_.size(); ++i) {
    if (cursors_[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

bool Interface::SetCursor(int index) {
  if (index < -1 || index >= CursorCount()) return false;
  currentCursor_ = index;
  return true;
}

void Interface::ReleaseCursors() {
  cursors_.clear();
}

}  // namespace rufo
