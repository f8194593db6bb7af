// rufo-data ani IN.ani OUTDIR: prints an animation's header and writes every frame as a PNG.
#include <cstdio>
#include <filesystem>
#include <string>

#include "controls/ani_file.h"
#include "platform/data_file.h"
#include "tools/assetkit/png_writer.h"
#include "tools/rufo_data/command.h"

namespace rufo::data_tool {
namespace {

void PrintHeader(const AniHeader& header) {
  std::printf("size %u x %u, %u bits per pixel\n", header.width, header.height,
              header.bitsPerPixel);
  std::printf("colour key 0x%06X, run marker 0x%X\n", header.colorKey, header.runMarker);
  std::printf("%u frames, %g s each\n", header.frameCount, header.frameSeconds);
}

int Run(std::span<char*> args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "ani needs an animation file and an output folder\n");
    return 2;
  }
  AniFile ani;
  if (!ani.Open(platform::OpenFile(args[0], "rb"))) {
    std::fprintf(stderr, "%s: not a 16-bit \"RA10\" animation\n", args[0]);
    return 1;
  }
  PrintHeader(ani.Header());
  const std::filesystem::path folder = args[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const int width = static_cast<int>(ani.Header().width);
  const int height = static_cast<int>(ani.Header().height);
  int failures = 0;
  for (int i = 0; i < ani.FrameCount(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "frame%03d.png", i);
    const std::string out = (folder / name).string();
    if (!ani.LoadFrame(i)) {
      std::fprintf(stderr, "frame %d: its record cannot be read\n", i);
      ++failures;
      continue;
    }
    assetkit::PngPicture picture{width, height, assetkit::PngColor::kRgb, {}};
    picture.pixels.resize(static_cast<size_t>(width) * height * 3);
    DecodeAniFrame(*ani.CachedFrame(i), ani.Header().runMarker, width, height,
                   picture.pixels.data(), width * 3, platform::PixelLayout::kRgb24);
    if (!assetkit::WritePng(out, picture)) {
      std::fprintf(stderr, "%s: cannot write\n", out.c_str());
      return 1;
    }
  }
  return failures == 0 ? 0 : 1;
}

const Registration registration({"ani", "IN.ani OUTDIR", Run});

}  // namespace
}  // namespace rufo::data_tool
