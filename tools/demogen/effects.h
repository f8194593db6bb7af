#pragma once

#include <string>

#include "tools/assetkit/wav_writer.h"

namespace rufo::demogen {

// Short synthesised sound effects: "chime" (a sticker arrives), "swish" (a sponge wipes),
// "boing" (a jump), "chirp" (a sparrow), "fanfare" (a party), "splash" (a frog dives in),
// "hop" (a frog jumps), "croak" (a frog calls), "pop" (a button is pressed), "grow" (a flower
// grows), "knock" (a woodpecker's beak strikes once), "knocks" (three strikes), "buzz" (a bee
// hovers), "flutter" (a bird flies off), "back" (a sponge goes back to its place) and "hush"
// (silence, for a movement without a sound). Throws on other names.
assetkit::PcmSound MakeEffect(const std::string& name);

}  // namespace rufo::demogen
