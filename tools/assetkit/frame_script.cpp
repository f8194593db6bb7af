#include "tools/assetkit/frame_script.h"

#include <cstdio>

namespace rufo::assetkit {

std::string FrameScriptText(const std::vector<FrameStep>& steps) {
  std::string text;
  for (const FrameStep& step : steps) {
    char line[64];
    std::snprintf(line, sizeof line, "-%d,%.3f\r\n", step.frame, step.seconds);
    text += line;
  }
  return text;
}

}  // namespace rufo::assetkit
