// Feeds arbitrary bytes to the progress record's reader: whatever it takes for an event must
// read back the same from its own line, and folding must keep every child's totals.
#include <cstdlib>
#include <string_view>

#include "progress/record.h"
#include "progress/summary.h"

using namespace rufo::progress;

namespace {

bool Same(const Event& a, const Event& b) {
  return a.when.day == b.when.day && a.when.second == b.when.second && a.slot == b.slot &&
         a.kind == b.kind && a.subject == b.subject && a.a == b.a && a.b == b.b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Record record = ParseRecord(text, size % 2 == 1);
  for (const Event& event : record.events) {
    const std::string line = FormatLine(event);
    const auto again = ParseLine(std::string_view(line).substr(0, line.size() - 1));
    if (!again || !Same(*again, event)) std::abort();
  }
  const int32_t today = record.events.empty() ? 20150 : record.events.back().when.day;
  const std::vector<Event> folded = Fold(record.events, today);
  for (int slot = 0; slot < kSlots; ++slot) {
    const ChildProgress before = Summarise(record.events, slot, today);
    const ChildProgress after = Summarise(folded, slot, today);
    for (size_t i = 0; i < before.games.size(); ++i) {
      // Totals beyond what a line may hold are cut to it when folded.
      if (before.games[i].good <= kMaxTotal && before.games[i].good != after.games[i].good) {
        std::abort();
      }
      if (before.games[i].stickerDay != after.games[i].stickerDay) {
        std::abort();
      }
    }
    if (before.any != after.any) std::abort();
  }
  return 0;
}
