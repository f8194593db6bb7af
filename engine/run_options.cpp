#include "engine/run_options.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rufo {
namespace {

std::optional<uint32_t> NumberVariable(const char* name) {
  const char* text = std::getenv(name);
  if (!text || !*text) return std::nullopt;
  uint32_t value = 0;
  const char* end = text + std::strlen(text);
  auto [ptr, error] = std::from_chars(text, end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

bool FlagVariable(const char* name) {
  const char* text = std::getenv(name);
  return text && *text && std::strcmp(text, "0") != 0;
}

}  // namespace

bool ParseCaptureList(const std::string& text, std::vector<RunOptions::Capture>* captures) {
  captures->clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    const std::string item = text.substr(start, end - start);
    const size_t colon = item.find(':');
    RunOptions::Capture capture;
    if (colon == std::string::npos || colon + 1 == item.size()) return false;
    auto [ptr, error] = std::from_chars(item.data(), item.data() + colon, capture.timeMs);
    if (error != std::errc() || ptr != item.data() + colon) return false;
    capture.path = item.substr(colon + 1);
    captures->push_back(capture);
    start = end + 1;
  }
  return true;
}

RunOptions RunOptionsFromEnvironment() {
  RunOptions options;
  options.headless = FlagVariable("RUFO_HEADLESS");
  options.windowed = FlagVariable("RUFO_WINDOWED");
  options.runMs = NumberVariable("RUFO_RUN_MS");
  options.seed = NumberVariable("RUFO_SEED");
  if (const char* script = std::getenv("RUFO_INPUT")) options.inputScript = script;
  if (const char* captures = std::getenv("RUFO_CAPTURE");
      captures && !ParseCaptureList(captures, &options.captures)) {
    std::fprintf(stderr, "RUFO_CAPTURE: expected MS:FILE.png[,MS:FILE.png...]\n");
    options.captures.clear();
  }
  if (const char* audioOut = std::getenv("RUFO_AUDIO_OUT")) options.audioOut = audioOut;
  if (const char* trace = std::getenv("RUFO_TRACE")) options.tracePath = trace;
  options.debugLines = FlagVariable("RUFO_DEBUG");
  return options;
}

}  // namespace rufo
