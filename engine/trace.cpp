#include "engine/trace.h"

#include <cstdio>
#include <mutex>

#include "platform/cp1250.h"

namespace rufo::trace {
namespace {

struct Sink {
  std::mutex mutex;
  std::FILE* file = nullptr;
  std::function<uint32_t()> nowMs;
};

Sink& TheSink() {
  static Sink sink;
  return sink;
}

std::string Hex(int32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", static_cast<uint32_t>(id));
  return text;
}

void WriteLine(Sink& sink, uint32_t timeMs, const std::string& fields) {
  std::string text = platform::ReadableUtf8(fields);
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  std::fprintf(sink.file, "%u %s\n", timeMs, text.c_str());
  std::fflush(sink.file);
}

void Write(const std::string& fields) {
  Sink& sink = TheSink();
  std::lock_guard lock(sink.mutex);
  if (sink.file) WriteLine(sink, sink.nowMs ? sink.nowMs() : 0u, fields);
}

}  // namespace

bool Open(const std::string& path, std::function<uint32_t()> nowMs) {
  Close();
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  Sink& sink = TheSink();
  std::lock_guard lock(sink.mutex);
  sink.file = file;
  sink.nowMs = std::move(nowMs);
  return true;
}

void Close() {
  Sink& sink = TheSink();
  std::lock_guard lock(sink.mutex);
  if (sink.file) std::fclose(sink.file);
  sink.file = nullptr;
  sink.nowMs = nullptr;
}

bool Enabled() {
  Sink& sink = TheSink();
  std::lock_guard lock(sink.mutex);
  return sink.file != nullptr;
}

void Screen(int32_t newId, int32_t previousId) {
  Write("screen " + Hex(newId) + " " + Hex(previousId));
}

void Speak(const std::string& control, const std::string& name) {
  Write("speak " + control + " " + name);
}

void Garden(int32_t scene, const std::string& name, const std::string& script,
            const std::string& mask) {
  Write("garden " + Hex(scene) + " " + name + " " + script + " " + mask);
}

void Game(int32_t screen, const std::string& code, const std::string& enter, int32_t sticker,
          int32_t winAt, int32_t lesson, const std::string& scripts, const std::string& masks) {
  Write("game " + Hex(screen) + " " + code + " " + enter + " " + std::to_string(sticker) + " " +
        std::to_string(winAt) + " " + Hex(lesson) + " " + scripts + " " + masks);
}

void Question(int32_t screen, const std::string& answer) {
  Write("question " + Hex(screen) + " " + answer);
}

void Answer(int32_t screen, bool good, int32_t goodCount, int32_t wrongCount) {
  Write("answer " + Hex(screen) + (good ? " good " : " wrong ") + std::to_string(goodCount) + " " +
        std::to_string(wrongCount));
}

void Sticker(int32_t number) {
  Write("sticker " + std::to_string(number));
}

void Save() {
  Write("save");
}

void Debug(const std::string& text) {
  Write("debug " + text);
}

void Fatal(int32_t code, const std::string& text) {
  Write("fatal " + std::to_string(code) + " " + text);
}

void Sync(uint32_t timeMs) {
  Sink& sink = TheSink();
  std::lock_guard lock(sink.mutex);
  if (sink.file) WriteLine(sink, timeMs, "sync");
}

std::string HitAnswer(const std::vector<int32_t>& values) {
  std::string text = "hit ";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) text += ',';
    text += std::to_string(values[i]);
  }
  return text;
}

std::string ControlAnswer(const std::string& name) {
  return "control " + name;
}

std::string DragToRect(int32_t value, const platform::Rect& drop) {
  return "drag " + std::to_string(value) + " to " + std::to_string(drop.left) + "," +
         std::to_string(drop.top) + "," + std::to_string(drop.right) + "," +
         std::to_string(drop.bottom);
}

std::string DragToHit(int32_t value, int32_t hit) {
  return "drag " + std::to_string(value) + " to hit " + std::to_string(hit);
}

std::string CarryToControl(int32_t value, const std::string& name) {
  return "carry " + std::to_string(value) + " to control " + name;
}

}  // namespace rufo::trace
