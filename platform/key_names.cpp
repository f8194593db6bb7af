#include "platform/key_names.h"

#include <utility>

namespace rufo::platform {
namespace {

constexpr int kExtended = 0x100;

constexpr std::pair<std::string_view, int> kNames[] = {
    {"A", 0x1E},
    {"B", 0x30},
    {"C", 0x2E},
    {"D", 0x20},
    {"E", 0x12},
    {"F", 0x21},
    {"G", 0x22},
    {"H", 0x23},
    {"I", 0x17},
    {"J", 0x24},
    {"K", 0x25},
    {"L", 0x26},
    {"M", 0x32},
    {"N", 0x31},
    {"O", 0x18},
    {"P", 0x19},
    {"Q", 0x10},
    {"R", 0x13},
    {"S", 0x1F},
    {"T", 0x14},
    {"U", 0x16},
    {"V", 0x2F},
    {"W", 0x11},
    {"X", 0x2D},
    {"Y", 0x15},
    {"Z", 0x2C},
    {"1", 0x02},
    {"2", 0x03},
    {"3", 0x04},
    {"4", 0x05},
    {"5", 0x06},
    {"6", 0x07},
    {"7", 0x08},
    {"8", 0x09},
    {"9", 0x0A},
    {"0", 0x0B},
    {"Return", 0x1C},
    {"Escape", 0x01},
    {"Backspace", 0x0E},
    {"Tab", 0x0F},
    {"Space", 0x39},
    {"-", 0x0C},
    {"=", 0x0D},
    {"[", 0x1A},
    {"]", 0x1B},
    {"\\", 0x2B},
    {";", 0x27},
    {"'", 0x28},
    {"`", 0x29},
    {",", 0x33},
    {".", 0x34},
    {"/", 0x35},
    {"CapsLock", 0x3A},
    {"F1", 0x3B},
    {"F2", 0x3C},
    {"F3", 0x3D},
    {"F4", 0x3E},
    {"F5", 0x3F},
    {"F6", 0x40},
    {"F7", 0x41},
    {"F8", 0x42},
    {"F9", 0x43},
    {"F10", 0x44},
    {"F11", 0x57},
    {"F12", 0x58},
    {"PrintScreen", 0x37 | kExtended},
    {"ScrollLock", 0x46},
    {"Pause", 0x45},
    {"Insert", 0x52 | kExtended},
    {"Home", 0x47 | kExtended},
    {"PageUp", 0x49 | kExtended},
    {"Delete", 0x53 | kExtended},
    {"End", 0x4F | kExtended},
    {"PageDown", 0x51 | kExtended},
    {"Right", 0x4D | kExtended},
    {"Left", 0x4B | kExtended},
    {"Down", 0x50 | kExtended},
    {"Up", 0x48 | kExtended},
    {"Numlock", 0x45 | kExtended},
    {"Keypad /", 0x35 | kExtended},
    {"Keypad *", 0x37},
    {"Keypad -", 0x4A},
    {"Keypad +", 0x4E},
    {"Keypad Enter", 0x1C | kExtended},
    {"Keypad 1", 0x4F},
    {"Keypad 2", 0x50},
    {"Keypad 3", 0x51},
    {"Keypad 4", 0x4B},
    {"Keypad 5", 0x4C},
    {"Keypad 6", 0x4D},
    {"Keypad 7", 0x47},
    {"Keypad 8", 0x48},
    {"Keypad 9", 0x49},
    {"Keypad 0", 0x52},
    {"Keypad .", 0x53},
    {"Application", 0x5D | kExtended},
    {"Left Ctrl", 0x1D},
    {"Left Shift", 0x2A},
    {"Left Alt", 0x38},
    {"Left GUI", 0x5B | kExtended},
    {"Right Ctrl", 0x1D | kExtended},
    {"Right Shift", 0x36},
    {"Right Alt", 0x38 | kExtended},
    {"Right GUI", 0x5C | kExtended},
    {"Enter", 0x1C},
    {"LAlt", 0x38},
    {"RAlt", 0x38 | kExtended},
    {"LShift", 0x2A},
    {"RShift", 0x36},
    {"LCtrl", 0x1D},
    {"RCtrl", 0x1D | kExtended},
};

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

int Set1ScanCodeFromName(std::string_view name) {
  for (const auto& [known, code] : kNames) {
    if (SameIgnoringCase(name, known)) return code;
  }
  return 0;
}

}  // namespace rufo::platform
