#include "engine/run_options.h"

#include <charconv>
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

}  // namespace

RunOptions RunOptionsFromEnvironment() {
  RunOptions options;
  const char* headless = std::getenv("RUFO_HEADLESS");
  options.headless = headless && *headless && std::strcmp(headless, "0") != 0;
  options.runMs = NumberVariable("RUFO_RUN_MS");
  options.seed = NumberVariable("RUFO_SEED");
  if (const char* audioOut = std::getenv("RUFO_AUDIO_OUT")) options.audioOut = audioOut;
  return options;
}

}  // namespace rufo
