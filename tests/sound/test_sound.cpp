#include "tests/sound/test_sound.h"

#include <algorithm>
#include <cmath>

namespace rufo::test {

assetkit::PcmSound TestSound(int channels, int rate, int frames) {
  assetkit::PcmSound sound;
  sound.channels = channels;
  sound.sampleRate = rate;
  uint32_t noise = 12345;
  for (int i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) {
      noise = noise * 1103515245 + 12345;
      const double tone = 9000 * std::sin(i * (0.03 + 0.05 * c)) * std::sin(i * 0.0007 + 0.3);
      const int step = (i / 700) % 2 ? 6000 : -6000;
      const int value = static_cast<int>(tone) + step + static_cast<int>(noise >> 20) - 2048;
      sound.samples.push_back(static_cast<int16_t>(std::clamp(value, -32768, 32767)));
    }
  }
  return sound;
}

std::string AsString(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

}  // namespace rufo::test
