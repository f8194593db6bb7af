#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "platform/dd_result.h"
#include "platform/surface.h"

namespace rufo::gfx {

// Makes the surface a picture of the given size is decoded into; its layout decides how the
// pixels are stored.
using SurfaceFactory = std::function<platform::DdResult(int width, int height,
                                                        std::unique_ptr<platform::Surface>* out)>;

// Surfaces of one layout in system memory, apart from any display (tools and tests).
SurfaceFactory FixedLayoutFactory(platform::PixelLayout layout);

// Decode a PNG or BMP picture into a new surface. On failure *out is empty, nothing stays
// allocated and false is returned. The path forms open the file as the data tree names it.
bool ReadPngPicture(std::FILE* file, const SurfaceFactory& create,
                    std::unique_ptr<platform::Surface>* out);
bool ReadBmpPicture(std::FILE* file, const SurfaceFactory& create,
                    std::unique_ptr<platform::Surface>* out);
bool LoadPngPicture(const std::string& path, const SurfaceFactory& create,
                    std::unique_ptr<platform::Surface>* out);
bool LoadBmpPicture(const std::string& path, const SurfaceFactory& create,
                    std::unique_ptr<platform::Surface>* out);

}  // namespace rufo::gfx
