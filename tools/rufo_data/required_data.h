#pragma once

#include <span>
#include <string>

namespace rufo::data_tool {

// What the game looks up in a data tree, one row per name or numbered run of names.
enum class Need {
  kFile,         // the file itself
  kPicture,      // a picture as the game completes its name: ".png" or ".bmp"
  kSound,        // name + ".wav"
  kSpeech,       // a speech: name + ".dat" (frame script) and name + ".wav"
  kFrameScript,  // name + ".dat" alone (played on an animation that has its own sound)
  kScript,       // a screen script: the file, and every picture and animation it names
  kEntry,        // an entry of the screen script `in`
  kEntrySpeech,  // an entry of `in` played with its own frame script: its path + ".dat"
  kEntrySound,   // an entry of `in` played with its own sound: its path + ".wav"
  kHitValue,     // a value of the hit map `in`
  kWalkEdges,    // a main scene's hit map: no region where a click walks on (x < 60, x > 580)
  kToolbarFree,  // a hit map with no region where the open toolbar takes the mouse
  kCursor,       // a cursor name in "Cursors.dat"
  kCursorCount,  // at least `first` cursors in "Cursors.dat"
};

// `name` may hold one "%d", which takes every number from `first` to `last`.
struct Requirement {
  Need need;
  const char* name;
  int first = 0;
  int last = 0;
  const char* in = nullptr;
};

// The table of every name the game looks up; grows with every garden.
std::span<const Requirement> RequiredData();

// The last number a row stands for: `last` when its name holds "%d", else `first`.
int LastNumber(const Requirement& requirement);
// The row's name for one number: "%d" replaced by the number.
std::string NameOf(const Requirement& requirement, int number);

}  // namespace rufo::data_tool
