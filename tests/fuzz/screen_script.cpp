// Feeds arbitrary bytes to the screen-script parser and its field splitter.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls/screen_script.h"
#include "platform/picture_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using rufo::platform::kMaxCoordinate;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  rufo::ScreenScript script;
  script.Parse(file);
  std::fclose(file);
  if (script.Count() > rufo::ScreenScript::kCapacity) std::abort();
  for (int i = 0; i < script.Count(); ++i) {
    const rufo::ScreenEntry& entry = script.Entry(i);
    if (entry.path.size() > rufo::ScreenScript::kTextLimit ||
        entry.name.size() > rufo::ScreenScript::kTextLimit || entry.control ||
        std::abs(entry.x) > kMaxCoordinate || std::abs(entry.y) > kMaxCoordinate) {
      std::abort();
    }
    if (script.FindEntry(entry.name) > i) std::abort();
  }
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::string field;
  for (int n = 0; n < 8 && rufo::ScreenScript::GetField(line, &field, n); ++n) {
    if (field.size() > line.size()) std::abort();
  }
  return 0;
}
