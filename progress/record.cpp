#include "progress/record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace rufo::progress {
namespace {

void Take(Record& record, const Event& event) {
  if (event.kind == Event::Kind::kForget) {
    record.events = Without(record.events, event.slot);
    return;
  }
  record.events.push_back(event);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

Record ParseRecord(std::string_view text, bool partial) {
  Record record;
  record.opened = true;
  record.cutShort = partial;
  size_t start = 0;
  if (partial) {
    const size_t end = text.find('\n');
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      record.tornEnd = true;
      break;
    }
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    if (const auto event = ParseLine(line)) {
      Take(record, *event);
    } else {
      ++record.damagedLines;
    }
  }
  return record;
}

Record ReadRecord(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {};
  struct stat info {};
  std::string text;
  bool partial = false;
  bool ok = ::fstat(::fileno(file), &info) == 0 && S_ISREG(info.st_mode);
  if (ok) {
    const auto size = static_cast<size_t>(info.st_size);
    partial = size > kReadLimit;
    if (partial) ok = std::fseek(file, static_cast<long>(size - kReadLimit), SEEK_SET) == 0;
    text.resize(std::min(size, kReadLimit));
    if (ok) text.resize(std::fread(text.data(), 1, text.size(), file));
  }
  std::fclose(file);
  if (!ok) return {};
  return ParseRecord(text, partial);
}

size_t AppendEvent(const std::string& path, const Event& event) {
  const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return 0;
  struct stat info {};
  size_t size = 0;
  std::string bytes = FormatLine(event);
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  if (ok) {
    size = static_cast<size_t>(info.st_size);
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1) ok = false;
    if (last != '\n') bytes.insert(bytes.begin(), '\n');
  }
  if (ok && !WriteAll(fd, bytes)) {
    // The part of the line that reached the file is taken back; should that fail too, the cut
    // line stays, and its checksum makes it read as damaged.
    ok = false;
    if (::ftruncate(fd, info.st_size) != 0) ok = false;
  }
  ok = ::close(fd) == 0 && ok;
  return ok ? size + bytes.size() : 0;
}

bool RewriteRecord(const std::string& path, const std::vector<Event>& events) {
  const std::string temporary = path + ".new";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  bool ok = true;
  for (const Event& event : events) {
    const std::string line = FormatLine(event);
    ok = ok && std::fwrite(line.data(), 1, line.size(), file) == line.size();
  }
  ok = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

std::vector<Event> Fold(const std::vector<Event>& events, int32_t today) {
  const int32_t firstRecent = today - (kRecentDays - 1);
  int32_t lastOld = firstRecent - 1;
  for (const Event& e : events) {
    if (e.when.day < firstRecent) lastOld = std::max(lastOld, e.when.day);
  }
  // Old days fall on one day; each kept day's totals are stamped with its start.
  using Key = std::tuple<int32_t, int, Event::Kind, int32_t>;  // day, slot, kind, subject
  std::map<Key, Event> totals;
  std::vector<Event> folded;
  for (const Event& e : events) {
    if (e.kind == Event::Kind::kSticker) {
      folded.push_back(e);
      continue;
    }
    const int32_t day = e.when.day < firstRecent ? lastOld : e.when.day;
    auto [at, fresh] = totals.try_emplace(Key{day, e.slot, e.kind, e.subject}, e);
    Event& total = at->second;
    if (fresh) {
      total.when = {day, 0};
      continue;
    }
    total.a += e.a;
    total.b += e.b;
  }
  for (auto& [key, total] : totals) {
    // A play line holds at most a day; a total beyond the line's range is cut to it.
    const bool play = total.kind == Event::Kind::kPlay;
    total.a = std::min(total.a, play ? int64_t{kSecondsPerDay} : kMaxTotal);
    total.b = std::min(total.b, total.kind == Event::Kind::kLesson ? total.a : kMaxTotal);
    folded.push_back(total);
  }
  return folded;
}

std::vector<Event> Without(const std::vector<Event>& events, int slot) {
  std::vector<Event> kept;
  std::copy_if(events.begin(), events.end(), std::back_inserter(kept),
               [slot](const Event& e) { return e.slot != slot; });
  return kept;
}

}  // namespace rufo::progress
