#include "sound/wave_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <tuple>

#include "tests/sound/test_sound.h"
#include "tests/support/headless_engine.h"
#include "tests/support/temp_folder.h"
#include "tools/assetkit/wav_writer.h"

namespace rufo {
namespace {

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
  // The `size` bytes the reader yields from `offset` on; nothing when the read fails.
  static std::optional<std::string> ReadAt(WaveReader& reader, uint32_t offset, uint32_t size) {
    reader.Seek(offset);
    std::string bytes(size, '\0');
    if (!reader.Read(reinterpret_cast<uint8_t*>(bytes.data()), &size)) return std::nullopt;
    return bytes.substr(0, size);
  }
  static bool RunSox(const std::string& arguments) {
    return std::system(("sox -q " + arguments + " 2>/dev/null").c_str()) == 0;
  }

  test::HeadlessEngine engine_;
};

// Files coded by sox and by the asset kit's IMA encoder (no sox encoding named) decode sample for
// sample as sox decodes them.
TEST_F(WaveReaderTest, AdpcmDecodesSampleForSampleAsSoxDecodesIt) {
  if (std::system("sox --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "sox is not installed";
  const std::tuple<const char*, int, int> cases[] = {
      {"ima-adpcm", 1, 22050}, {"ima-adpcm", 2, 44100}, {"ms-adpcm", 1, 22050},
      {"ms-adpcm", 2, 11025},  {nullptr, 1, 22050},     {nullptr, 2, 22050}};
  for (const auto& [soxEncoding, channels, rate] : cases) {
    SCOPED_TRACE(std::string(soxEncoding ? soxEncoding : "asset kit") + " channels " +
                 std::to_string(channels));
    // Odd lengths leave a short last block.
    const assetkit::PcmSound sound =
        test::TestSound(channels, rate, soxEncoding ? 3 * rate + 777 : rate + 333);
    if (soxEncoding) {
      WriteData("in.wav", test::AsString(assetkit::PcmWav(sound)));
      ASSERT_TRUE(RunSox(DataPath("in.wav") + " -e " + soxEncoding + " " + DataPath("coded.wav")));
    } else {
      WriteData("coded.wav", test::AsString(assetkit::ImaAdpcmWav(sound)));
    }
    ASSERT_TRUE(RunSox(DataPath("coded.wav") + " -t raw -e signed -b 16 " + DataPath("sox.raw")));
    const std::string expected = ReadData("sox.raw");

    WaveReader reader;
    ASSERT_TRUE(reader.Open("coded.wav"));
    const platform::WaveFormat& format = reader.OutputFormat();
    EXPECT_EQ(std::tuple(format.formatTag, format.channels, format.samplesPerSec,
                         format.bitsPerSample, reader.OutputBufferSize()),
              std::tuple(1, channels, uint32_t(rate), 16, 65536u));
    EXPECT_EQ(reader.OutputSize(), expected.size());
    const std::string decoded = ReadAll(reader, 10000);
    ASSERT_EQ(decoded.size(), expected.size());
    EXPECT_TRUE(decoded == expected)
        << "first difference at byte "
        << std::mismatch(decoded.begin(), decoded.end(), expected.begin()).first - decoded.begin();
    if (soxEncoding) continue;

    // The kit's short last block ends with the group that holds the last sample, and its coding
    // stays close to the source.
    ASSERT_GE(decoded.size() / 2, sound.samples.size());
    EXPECT_LT(decoded.size() / 2 - sound.samples.size(), size_t(8 * channels));
    const auto* samples = reinterpret_cast<const int16_t*>(decoded.data());
    double error = 0, signal = 0;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
      error += std::pow(samples[i] - sound.samples[i], 2);
      signal += std::pow(sound.samples[i], 2);
    }
    EXPECT_GT(10 * std::log10(signal / error), 20.0) << "signal to noise ratio in dB";
  }
}

// Every input kept among the fuzzing seeds, those that once made the reader fail included, opens
// and decodes to its end within the size the reader announced; the sanitizer build checks the
// arithmetic on the way. Two are blocks crafted against the Microsoft ADPCM arithmetic: one
// repeats the code that multiplies the delta by 2.4 until an int would overflow, then steps down
// by one delta at a time; one pairs coefficients of -32768 with samples of -32768. Exact
// arithmetic holds their samples at full scale; an overflow throws them elsewhere.
TEST_F(WaveReaderTest, EveryFuzzingSeedDecodesWithinItsAnnouncedSizeAndCraftedOnesExactly) {
  struct Run {
    size_t first, last;
    int16_t sample;
  };
  const std::map<std::string, std::vector<Run>> crafted = {
      {"ms_delta_growth.wav", {{8, 41, 32767}, {42, 115, -32768}}},
      {"ms_prediction_overflow.wav", {{2, 2, 32767}}}};
  int opened = 0, exact = 0;
  for (const auto& seed : std::filesystem::directory_iterator(std::string(RUFO_SOURCE_DIR) +
                                                              "/tests/fuzz/seeds/wave_reader")) {
    SCOPED_TRACE(seed.path().filename().string());
    WriteData("seed.wav", test::ReadFile(seed.path()));
    WaveReader reader;
    if (!reader.Open("seed.wav")) continue;
    ++opened;
    const std::string decoded = ReadAll(reader, 5000);
    EXPECT_LE(decoded.size(), reader.OutputSize());
    const auto runs = crafted.find(seed.path().filename().string());
    if (runs == crafted.end()) continue;
    ++exact;
    ASSERT_EQ(decoded.size(), 116u * 2) << "one block of 64 bytes: two header samples and 114";
    const auto* samples = reinterpret_cast<const int16_t*>(decoded.data());
    for (const Run& run : runs->second) {
      size_t i = run.first;
      while (i <= run.last && samples[i] == run.sample)
        ++i;
      EXPECT_EQ(i, run.last + 1) << "sample " << i << " is " << samples[i];
    }
  }
  EXPECT_GE(opened, 7);
  EXPECT_EQ(exact, 2);
}

// Replaces the 4 bytes at offset with a little-endian number.
void Put32(std::string& file, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    file[offset + i] = static_cast<char>(value >> (8 * i));
}

TEST_F(WaveReaderTest, PcmPassesThroughAndCompressedReadsAndSeeksAgreeWithOneWholeDecoding) {
  const assetkit::PcmSound sound = test::TestSound(2, 22050, 5000);
  std::string file = test::AsString(assetkit::PcmWav(sound));
  // A "LIST" chunk with an odd size between the format chunk and "data".
  file.insert(36, std::string("LIST\x05\0\0\0abcde", 13));
  Put32(file, 4, static_cast<uint32_t>(file.size() - 8));
  WriteData("pcm.wav", file);
  const std::string data = file.substr(file.size() - 20000);

  WaveReader reader;
  ASSERT_TRUE(reader.Open("pcm.wav"));
  EXPECT_EQ(std::tuple(reader.OutputFormat().channels, reader.OutputFormat().samplesPerSec,
                       reader.OutputSize()),
            std::tuple(2, 22050u, 20000u));
  uint32_t count = 0;
  EXPECT_TRUE(reader.Read(nullptr, &count));
  EXPECT_EQ(ReadAll(reader, 3000), data);

  EXPECT_EQ(ReadAt(reader, 19990, 64), data.substr(19990));
  EXPECT_EQ(ReadAt(reader, 30000, 64), "") << "past the end nothing is left";

  // Compressed reads and seeks agree with one whole decoding. Stereo at 44100 Hz: a piece of
  // output is 64 KB, so reads and seeks cross pieces.
  WriteData("ima.wav",
            test::AsString(assetkit::ImaAdpcmWav(test::TestSound(2, 44100, 3 * 44100 + 5))));
  ASSERT_TRUE(reader.Open("ima.wav"));
  const std::string whole = ReadAll(reader, reader.OutputSize() + 1);
  ASSERT_EQ(whole.size(), reader.OutputSize());

  reader.Seek(0);
  EXPECT_EQ(ReadAll(reader, 777), whole) << "odd pieces take the surplus from the carry";
  for (uint32_t offset : {1000u, 65530u, 200000u})
    EXPECT_EQ(ReadAt(reader, offset, 100), whole.substr(offset, 100)) << "at " << offset;
}

TEST_F(WaveReaderTest, MalformedFilesFailWithoutReadingPastTheirEnd) {
  const std::string ima =
      test::AsString(assetkit::ImaAdpcmWav(test::TestSound(1, 22050, 20000), 512));
  // The IMA file: "fmt " at 12, format fields from 20, extra count at 36, "fact" at 40,
  // "data" at 52, its size at 56, the blocks from 60.
  ASSERT_EQ(ima.substr(52, 4), "data");
  auto failsToOpen = [&](const std::string& file) {
    WriteData("bad.wav", file);
    WaveReader reader;
    return !reader.Open("bad.wav") && !reader.IsOpen();
  };
  // The IMA file with the given bytes written over it from an offset.
  const auto patched = [&ima](size_t at, const std::string& bytes) {
    return std::string(ima).replace(at, bytes.size(), bytes);
  };
  const std::pair<std::string, const char*> malformed[] = {
      {ima.substr(0, 30), "short file"},
      {ima.substr(0, 52), "no data chunk"},
      {"RIFX" + ima.substr(4), "not RIFF"},
      {patched(12, "LIST"), "the format chunk must follow WAVE"},
      {patched(44, "\xF0\xFF\xFF\xFF"), "a chunk reaching past the end"},
      {patched(36, "A"), "extra format bytes past the chunk"},
      {patched(32, std::string(2, '\0')), "block align 0"},
      {patched(20, "\x55"), "unknown format tag"},
      {patched(22, std::string("\x03\0", 2)), "three channels"}};
  for (const auto& [file, fault] : malformed)
    EXPECT_TRUE(failsToOpen(file)) << fault;

  // The data size claims more than the file holds: reading ends in failure, not a hang.
  std::string dataPastEnd = ima;
  Put32(dataPastEnd, 56, 10'000'000);
  WriteData("long.wav", dataPastEnd);
  WaveReader reader;
  EXPECT_FALSE(ReadAt(reader, 0, 10)) << "a reader that is not open reads nothing";
  ASSERT_TRUE(reader.Open("long.wav"));
  EXPECT_FALSE(ReadAt(reader, 0, 1 << 20));

  // A last block cut inside its header yields nothing more; the blocks before it decode.
  const size_t blocks = (ima.size() - 60) / 512;
  std::string cut = ima.substr(0, 60 + blocks * 512 + 2);
  Put32(cut, 56, static_cast<uint32_t>(blocks * 512 + 2));
  WriteData("cut.wav", cut);
  ASSERT_TRUE(reader.Open("cut.wav"));
  EXPECT_EQ(reader.OutputSize(), blocks * 1017 * 2);
  EXPECT_EQ(ReadAll(reader, 4096).size(), blocks * 1017 * 2);
}

}  // namespace
}  // namespace rufo
