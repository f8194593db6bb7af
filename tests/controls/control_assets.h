#pragma once

#include <string>
#include <vector>

#include "platform/pixel_format.h"
#include "tests/support/temp_folder.h"
#include "tools/assetkit/ani_file.h"
#include "tools/assetkit/frame_script.h"

namespace rufo::test {

// Writes a PNG picture of width x height made of `bands` equal bands coloured FrameColor(0),
// FrameColor(1) and so on: side by side (frames of a strip) or, with `stacked`, one above the
// other (state rows).
void WriteBands(const TempFolder& folder, const std::string& path, int width, int height, int bands,
                bool stacked);

// An animation of `frames` frames of 4 x 2 pixels, frame f filled with FrameColor(f).
assetkit::Animation PlainFrames(int frames);
// The GDI colour of a frame of PlainFrames; exact in 5-6-5.
uint32_t FrameColor(int frame);

// Writes an ".ani" file at the relative path (with its extension).
void WriteAnimation(const TempFolder& folder, const std::string& path,
                    const assetkit::Animation& animation);
// Writes base + ".dat" with the steps, and with a sound base + ".wav" (IMA ADPCM, 22050 Hz mono)
// of the given length when it is above zero.
void WriteSpeech(const TempFolder& folder, const std::string& base,
                 const std::vector<assetkit::FrameStep>& steps, int soundMs);

}  // namespace rufo::test
