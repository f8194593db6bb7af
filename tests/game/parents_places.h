#pragma once

namespace rufo {

// Places the parents' tests press: the key in the Start screen's corner, the page's button back,
// the toolbar's button to the Start screen (once it has slid open) and the delete question's yes.
constexpr int kParentsKeyX = 15, kParentsKeyY = 15;
constexpr int kPageBackX = 540, kPageBackY = 448;
constexpr int kHomeX = 256, kHomeY = 445;
constexpr int kDeleteYesX = 273, kDeleteYesY = 185;

}  // namespace rufo
