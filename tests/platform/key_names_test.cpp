#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "platform/input_device.h"
#include "platform/key_names.h"
#include "platform/sdl/sdl_scan_codes.h"

namespace rufo::platform {
namespace {

// A key named in an input script must give the code the window reports when that key is pressed.
TEST(KeyNamesTest, EverySdlKeyNameGivesTheCodeOfItsKey) {
  int named = 0;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    const char* name = SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode));
    if (!name || !*name) continue;
    const int expected = Set1ScanCodeFromSdl(SDL_GetScancodeFromName(name));
    EXPECT_EQ(Set1ScanCodeFromName(name), expected) << name;
    named += expected != 0;
  }
  EXPECT_GT(named, 100) << "the whole standard keyboard";
}

TEST(KeyNamesTest, ShortFormsAndAnyLetterCase) {
  const std::pair<std::string_view, std::string_view> same[] = {
      {"Enter", "Return"},
      {"LAlt", "Left Alt"},
      {"RAlt", "Right Alt"},
      {"LShift", "Left Shift"},
      {"RShift", "Right Shift"},
      {"LCtrl", "Left Ctrl"},
      {"RCtrl", "Right Ctrl"},
      {"f12", "F12"},
      {"KEYPAD ENTER", "Keypad Enter"},
      {"return", "Return"},
      {"a", "A"},
  };
  for (const auto& [alias, name] : same) {
    EXPECT_NE(Set1ScanCodeFromName(name), 0) << name;
    EXPECT_EQ(Set1ScanCodeFromName(alias), Set1ScanCodeFromName(name)) << alias;
  }
  for (std::string_view unknown : {"", "F13", "Lef", "Leftt", "Left Alt ", "Mute"}) {
    EXPECT_EQ(Set1ScanCodeFromName(unknown), 0) << unknown;
  }
  // Extended keys, and Pause and Num Lock that arrive with the other prefix, as the buffered
  // keyboard reports them.
  EXPECT_EQ(DeviceKeyCode(Set1ScanCodeFromName("Numlock")), 0x45);
  EXPECT_EQ(DeviceKeyCode(Set1ScanCodeFromName("Pause")), 0xC5);
  EXPECT_EQ(DeviceKeyCode(Set1ScanCodeFromName("RAlt")), 0xB8);
  EXPECT_EQ(Set1ScanCodeFromName("Keypad Enter"), 0x11C);
}

}  // namespace
}  // namespace rufo::platform
