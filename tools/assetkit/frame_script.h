#pragma once

#include <string>
#include <vector>

namespace rufo::assetkit {

// One line of a speech or animation frame script: show `frame` for `seconds`.
struct FrameStep {
  int frame = 0;
  double seconds = 0.0;
};

// The text of a ".dat" frame script: one "-frame,seconds" line per step, CR LF line ends.
std::string FrameScriptText(const std::vector<FrameStep>& steps);

}  // namespace rufo::assetkit
