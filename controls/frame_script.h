#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace rufo {

// One step of a timed frame sequence: show `frame` until `endTime` seconds after the start.
struct SequenceEntry {
  int32_t frame = 0;
  float endTime = 0;
};

inline constexpr size_t kFrameScriptCapacity = 2000;
inline constexpr size_t kFrameScriptLineLimit = 254;

// Reads a ".dat" frame script. Only lines that begin with '-' and contain a comma count: the
// frame number follows the minus sign, the seconds the frame stays follow the comma, and each
// entry keeps the running sum of those seconds. Reading stops after 2000 entries.
std::vector<SequenceEntry> ReadFrameScript(std::FILE* file);

}  // namespace rufo
