#include "game/progress.h"

#include <algorithm>
#include <filesystem>

#include "engine/interface.h"
#include "game/game_state.h"
#include "platform/data_file.h"

namespace rufo::progress {
namespace {

constexpr int32_t kHeadlessDay = 20150;  // 2025-03-03
constexpr int32_t kHeadlessSecond = 9 * 3600;
constexpr uint32_t kWriteEveryMs = 60000;
// A tick that comes later than this (the machine slept, the window was minimized) counts as no
// more than this.
constexpr uint32_t kLongestTickMs = 1000;

struct Recorder {
  bool counting = false;
  int slot = 0;
  uint32_t lastMs = 0;
  uint32_t countedMs = 0;
  bool failureLogged = false;
};

Recorder& TheRecorder() {
  static Recorder recorder;
  return recorder;
}

void LogOnce(const std::string& text) {
  Recorder& recorder = TheRecorder();
  if (recorder.failureLogged) return;
  recorder.failureLogged = true;
  Engine().Log(text);
}

// The child plays on every screen but the Start screen and the screens before and after a game
// (title, Credits, the parents' page).
bool Playing(ScreenId id) {
  return Family(id) != 0 || id == kScreenEnd;
}

void Append(const Event& event) {
  const std::string path = RecordPath();
  const size_t size = AppendEvent(path, event);
  if (size == 0) {
    LogOnce("Cannot write the progress record \"" + path + "\"");
    return;
  }
  if (size > kFoldAt) {
    const Record record = ReadRecord(path);
    if (!RewriteRecord(path, Fold(record.events, Now().day))) {
      LogOnce("Cannot fold the progress record \"" + path + "\"");
    }
  }
}

}  // namespace

Stamp Now() {
  Interface& engine = Engine();
  if (engine.Options().headless) {
    const int64_t seconds = kHeadlessSecond + engine.GameTimeMs() / 1000;
    return {static_cast<int32_t>(kHeadlessDay + seconds / kSecondsPerDay),
            static_cast<int32_t>(seconds % kSecondsPerDay)};
  }
  return LocalNow();
}

std::string RecordPath() {
  return platform::ResolveDataPath(Engine().MakeDataPath(kRecordFileName, kRuntimeRoot));
}

void Answer(ScreenId game, bool good) {
  Append(Event::Answer(Now(), State().currentProfile, game, good));
}

void Sticker(int number) {
  Append(Event::Sticker(Now(), State().currentProfile, number));
}

void ScreenBuilt(ScreenId id, ScreenId previous) {
  Recorder& recorder = TheRecorder();
  FlushPlayTime();
  recorder.counting = Playing(id);
  recorder.slot = State().currentProfile;
  recorder.lastMs = Engine().GameTimeMs();
  const bool lesson = id > kScreenLearnHub && id <= kScreenLearnShapes;
  const bool fromGame =
      Family(previous) >= 0x200 && Family(previous) <= 0x700 && LowByte(previous) != 1;
  if (lesson && (previous == kScreenLearnHub || fromGame)) {
    Append(Event::Lesson(Now(), State().currentProfile, id, fromGame));
  }
}

void Tick() {
  Recorder& recorder = TheRecorder();
  if (!recorder.counting) return;
  const uint32_t now = Engine().GameTimeMs();
  recorder.countedMs += std::min(now - recorder.lastMs, kLongestTickMs);
  recorder.lastMs = now;
  if (recorder.countedMs >= kWriteEveryMs) FlushPlayTime();
}

void FlushPlayTime() {
  Recorder& recorder = TheRecorder();
  const uint32_t seconds = recorder.countedMs / 1000;
  if (seconds == 0) return;
  recorder.countedMs -= seconds * 1000;
  Append(Event::Play(Now(), recorder.slot, seconds));
}

void GameEnded() {
  FlushPlayTime();
  TheRecorder() = Recorder{};
}

void ForgetChild(int slot) {
  Recorder& recorder = TheRecorder();
  if (recorder.slot == slot) recorder.countedMs = 0;
  const std::string path = RecordPath();
  Record record = ReadRecord(path);
  if (!record.opened) return;
  if (!RewriteRecord(path, Without(record.events, slot))) {
    // The history stays on disk but is read as gone.
    Append(Event::Forget(Now(), slot));
  }
}

Record ReadForPage() {
  FlushPlayTime();
  const std::string path = RecordPath();
  Record record = ReadRecord(path);
  std::error_code error;
  if (!record.opened && std::filesystem::exists(path, error)) {
    LogOnce("Cannot read the progress record \"" + path + "\"");
  }
  if (record.opened && (record.damagedLines || record.tornEnd || record.cutShort)) {
    LogOnce("The progress record \"" + path + "\" is damaged; what could be read is shown");
  }
  return record;
}

}  // namespace rufo::progress
