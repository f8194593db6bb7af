#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "progress/event.h"

namespace rufo::progress {

// How much of a record is read at most: its last 4 MiB. The game folds its record long before
// (kFoldAt), so only a record made elsewhere is read in part.
inline constexpr size_t kReadLimit = 4u << 20;
// When the record passes 256 KiB the game rewrites it folded (Fold): a record stays below that
// plus one fold's worth (a few tens of KiB).
inline constexpr size_t kFoldAt = 256u << 10;
// Days, today included, whose events are kept day by day when folding; older ones are summed.
inline constexpr int kRecentDays = 14;

// What could be read of a record.
struct Record {
  std::vector<Event> events;  // in the record's order; a "forget" has removed its slot's past
  size_t damagedLines = 0;    // lines that are not whole events of ours
  bool tornEnd = false;       // the last line has no end: a write was cut short
  bool cutShort = false;      // only the end of a longer record was read
  bool opened = false;        // the file exists and could be read
};

// The events of a record's text. The text's first line is taken as partial when `partial`.
Record ParseRecord(std::string_view text, bool partial = false);
// Reads the record at `path` (at most its last kReadLimit bytes).
Record ReadRecord(const std::string& path);

// Appends one event as one write of its whole line; a record whose last line was cut short gets
// a line end first, so that the cut line stays apart (and damaged) rather than swallowing the new
// one. A write that fails midway is taken back. Returns the record's size after it, 0 on failure.
size_t AppendEvent(const std::string& path, const Event& event);
// Replaces the record with these events: written beside it and renamed over it, so a crash leaves
// the old one whole. False when nothing changed.
bool RewriteRecord(const std::string& path, const std::vector<Event>& events);

// The same totals in fewer lines: the answers, lesson visits and play time of each of the last
// kRecentDays days up to `today` become one line per child, day and game (or lesson), and older
// days one line per child and game, dated the last of them. Stickers keep their own lines.
std::vector<Event> Fold(const std::vector<Event>& events, int32_t today);
// The events of every child but `slot`.
std::vector<Event> Without(const std::vector<Event>& events, int slot);

}  // namespace rufo::progress
