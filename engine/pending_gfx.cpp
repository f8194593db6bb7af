#include "engine/interface.h"

namespace rufo {

uint8_t Interface::HitMapValue(int, int) const { return 255; }
void Interface::DrawLayoutOutline(int, int, int, int) {}
bool BlendMasked(platform::Surface*, int, int, platform::Surface*, const platform::Rect*,
                 const uint8_t*) {
  return false;
}
void Interface::DrawHint() {}
void Interface::DrawDiagnostics() {}
bool Interface::SetBackground(const char*, bool) { return false; }
bool Interface::LoadCursors() { return true; }

}  // namespace rufo
