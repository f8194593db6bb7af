#pragma once

namespace rufo {

// Places on the demo data's Garden3 pictures: the cart (over its opening, region 1; inside it,
// region 2; beside it) and the four flower pots of the colours game, from the left.
constexpr int kCartX = 132, kOverCartY = 200, kCartY = 280, kBesideCartX = 300;
constexpr int kPotX[4] = {120, 215, 310, 405};
constexpr int kPotY = 370;

}  // namespace rufo
