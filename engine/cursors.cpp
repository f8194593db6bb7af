#include <algorithm>
#include <cstring>

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/line_reader.h"
#include "platform/cp1250.h"

namespace rufo {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

// One opacity byte per pixel of a mask picture: its blue component.
std::vector<uint8_t> MaskBytes(platform::Surface& picture) {
  std::vector<uint8_t> mask;
  int pitch = 0;
  const uint8_t* pixels = picture.Lock(&pitch);
  if (!pixels) return mask;
  const int bytes = platform::BytesPerPixel(picture.Format());
  mask.resize(static_cast<size_t>(picture.Width()) * picture.Height());
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* row = pixels + static_cast<size_t>(y) * pitch;
    uint8_t* out = mask.data() + static_cast<size_t>(y) * picture.Width();
    for (int x = 0; x < picture.Width(); ++x) {
      const uint8_t first = row[static_cast<size_t>(x) * bytes];
      out[x] = bytes == 2 ? static_cast<uint8_t>(first << 3) : first;
    }
  }
  picture.Unlock();
  return mask;
}

}  // namespace

bool Interface::LoadCursors() {
  std::FILE* file = OpenDataFile("Cursors.dat", "rt", kRuntimeRoot, true);
  if (!file) Fatal(platform::Utf8ToCp1250("Chyba při otevírání souboru 'Cursors.dat'"), -1);
  ReleaseCursors();
  LineReader reader(file, kCursorLineLimit);
  std::string text;
  while (reader.Next(&text)) {
    CursorLine line;
    const CursorLineKind kind = ParseCursorLine(text, &line);
    if (kind == CursorLineKind::kSkip) continue;
    if (kind == CursorLineKind::kError || CursorCount() >= kMaxCursors || !LoadCursorLine(line)) {
      std::fclose(file);
      Fatal(platform::Utf8ToCp1250("Chyba při načítání souboru 'Cursors.dat'"), -1);
    }
  }
  std::fclose(file);
  // The selection survives a reload; a shorter set cannot keep an index past its end.
  if (currentCursor_ >= CursorCount()) currentCursor_ = -1;
  return true;
}

bool Interface::LoadCursorLine(const CursorLine& line) {
  Cursor cursor;
  cursor.name = line.name;
  int width = 0, height = 0;
  if (!LoadPicture(&cursor.picture, line.picture.c_str(), &width, &height, kRuntimeRoot, true)) {
    return false;
  }
  SetSourceColorKey(cursor.picture.get(), kMagenta);
  if (!line.mask.empty()) {
    std::unique_ptr<platform::Surface> mask;
    int maskWidth = 0, maskHeight = 0;
    if (LoadPicture(&mask, line.mask.c_str(), &maskWidth, &maskHeight, kDataRoot, true) &&
        maskWidth == width && maskHeight == height) {
      cursor.mask = MaskBytes(*mask);
    }
  }
  cursor.hotspotX = std::clamp(line.hotspotX, -kPositionLimit, kPositionLimit);
  cursor.hotspotY = std::clamp(line.hotspotY, -kPositionLimit, kPositionLimit);
  cursor.frameWidth = line.loop ? height : width;
  cursor.frameHeight = height;
  cursor.delay = line.delay;
  cursors_.push_back(std::move(cursor));
  return true;
}

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
