#include "tests/controls/control_assets.h"

#include <cmath>

#include "tests/support/pictures.h"
#include "tools/assetkit/wav_writer.h"

namespace rufo::test {

uint32_t FrameColor(int frame) {
  static constexpr uint32_t kColors[] = {platform::Rgb(248, 0, 0),     platform::Rgb(0, 252, 0),
                                         platform::Rgb(0, 0, 248),     platform::Rgb(248, 252, 0),
                                         platform::Rgb(0, 252, 248),   platform::Rgb(248, 0, 248),
                                         platform::Rgb(128, 128, 128), platform::Rgb(8, 4, 8)};
  return kColors[frame % 8];
}

assetkit::Animation PlainFrames(int frames) {
  assetkit::Animation animation;
  animation.width = 4;
  animation.height = 2;
  animation.frameSeconds = 0.1f;
  for (int f = 0; f < frames; ++f) {
    const uint32_t c = FrameColor(f);
    animation.frames.emplace_back(8, assetkit::Rgb565(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
  }
  return animation;
}

void WriteBands(const TempFolder& folder, const std::string& path, int width, int height, int bands,
                bool stacked) {
  WritePicture(folder, path, width, height, [&](int x, int y) {
    const uint32_t c = FrameColor(stacked ? y * bands / height : x * bands / width);
    return (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16;
  });
}

void WriteAnimation(const TempFolder& folder, const std::string& path,
                    const assetkit::Animation& animation) {
  folder.Write(path, assetkit::EncodeAni(animation));
}

void WriteSpeech(const TempFolder& folder, const std::string& base,
                 const std::vector<assetkit::FrameStep>& steps, int soundMs) {
  folder.Write(base + ".dat", assetkit::FrameScriptText(steps));
  if (soundMs <= 0) return;
  assetkit::PcmSound sound;
  sound.sampleRate = 22050;
  for (int i = 0; i < sound.sampleRate * soundMs / 1000; ++i)
    sound.samples.push_back(static_cast<int16_t>(8000 * std::sin(i * 0.05) + 100));
  const std::vector<uint8_t> wav = assetkit::ImaAdpcmWav(sound);
  folder.Write(base + ".wav", std::string(wav.begin(), wav.end()));
}

}  // namespace rufo::test
