#pragma once

#include <string>

#include "tools/assetkit/wav_writer.h"

namespace rufo::demogen {

// Short synthesised sound effects: "chime" (a sticker arrives), "swish" (a sponge wipes),
// "boing" (a jump), "chirp" (a sparrow), "fanfare" (a party). Throws on other names.
assetkit::PcmSound MakeEffect(const std::string& name);

}  // namespace rufo::demogen
