#include "sound/wave_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/support/headless_engine.h"
#include "tools/assetkit/wav_writer.h"

namespace rufo {
namespace {

// A sound with tones, steps and noise, so that every code of the encoders is used.
assetkit::PcmSound TestSound(int channels, int rate, int frames) {
  assetkit::PcmSound sound;
  sound.channels = channels;
  sound.sampleRate = rate;
  uint32_t noise = 12345;
  for (int i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) {
      noise = noise * 1103515245 + 12345;
      const double tone = 9000 * std::sin(i * (0.03 + 0.05 * c)) * std::sin(i * 0.0007);
      const int step = (i / 700) % 2 ? 6000 : -6000;
      const int value = static_cast<int>(tone) + step + static_cast<int>(noise >> 20) - 2048;
      sound.samples.push_back(static_cast<int16_t>(std::clamp(value, -32768, 32767)));
    }
  }
  return sound;
}

std::string Bytes(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

class WaveReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { engine_.Start(); }

  std::string DataPath(const std::string& name) const { return engine_.DataRoot() + name; }
  void WriteData(const std::string& name, const std::string& content) {
    engine_.Folder().Write("data/" + name, content);
  }
  std::string ReadData(const std::string& name) const {
    return engine_.Folder().Read("data/" + name);
  }
  // Everything the reader yields, read in pieces of `piece` bytes.
  static std::string ReadAll(WaveReader& reader, uint32_t piece) {
    std::string out;
    std::vector<uint8_t> buffer(piece);
    for (;;) {
      uint32_t count = piece;
      if (!reader.Read(buffer.data(), &count)) break;
      out.append(buffer.begin(), buffer.begin() + count);
      if (count < piece) break;
    }
    return out;
  }
  static bool RunSox(const std::string& arguments) {
    return std::system(("sox -q " + arguments + " 2>/dev/null").c_str()) == 0;
  }

  test::HeadlessEngine engine_;
};

TEST_F(WaveReaderTest, SoxEncodedAdpcmDecodesSampleForSampleAsSoxDecodesIt) {
  if (std::system("sox --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "sox is not installed";
  struct Case {
    const char* encoding;
    int channels;
    int rate;
  };
  for (const Case& c : {Case{"ima-adpcm", 1, 22050}, Case{"ima-adpcm", 2, 44100},
                        Case{"ms-adpcm", 1, 22050}, Case{"ms-adpcm", 2, 11025}}) {
    SCOPED_TRACE(std::string(c.encoding) + " channels " + std::to_string(c.channels));
    // An odd length leaves a short last block.
    WriteData("in.wav", Bytes(assetkit::PcmWav(TestSound(c.channels, c.rate, 3 * c.rate + 777))));
    ASSERT_TRUE(RunSox(DataPath("in.wav") + " -e " + c.encoding + " " + DataPath("coded.wav")));
    ASSERT_TRUE(RunSox(DataPath("coded.wav") + " -t raw -e signed -b 16 " + DataPath("sox.raw")));
    const std::string expected = ReadData("sox.raw");

    WaveReader reader;
    ASSERT_TRUE(reader.Open("coded.wav"));
    EXPECT_EQ(reader.OutputFormat().formatTag, 1);
    EXPECT_EQ(reader.OutputFormat().channels, c.channels);
    EXPECT_EQ(reader.OutputFormat().samplesPerSec, uint32_t(c.rate));
    EXPECT_EQ(reader.OutputFormat().bitsPerSample, 16);
    EXPECT_EQ(reader.OutputBufferSize(), 65536u);
    EXPECT_EQ(reader.OutputSize(), expected.size());
    const std::string decoded = ReadAll(reader, 10000);
    ASSERT_EQ(decoded.size(), expected.size());
    EXPECT_TRUE(decoded == expected) << "first difference at byte "
                                     << std::mismatch(decoded.begin(), decoded.end(),
                                                      expected.begin())
                                                .first -
                                            decoded.begin();
  }
}

}  // namespace
}  // namespace rufo
