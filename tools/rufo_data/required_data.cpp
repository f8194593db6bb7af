#include "tools/rufo_data/required_data.h"

namespace rufo::data_tool {
namespace {

using enum Need;

constexpr const char* kStart = "Data\\Start\\screen.dat";
constexpr const char* kStartMask = "Bitmaps\\Start\\bg_mask.png";
constexpr const char* kEnd = "Data\\End\\screen.dat";
constexpr const char* kAlbum = "Data\\album\\screen.dat";

constexpr Requirement kRequired[] = {
    // Cursors: the game selects 0 to 4 by number and three by name.
    {kFile, "Cursors.dat"},
    {kCursorCount, "", 5},
    {kCursor, "Arrow"},
    {kCursor, "WaitArrow"},
    {kCursor, "SelArrow"},

    // The entry picture, the toolbar and the two yes/no bubbles.
    {kPicture, "enter"},
    {kPicture, "tbar"},
    {kPicture, "tb%d", 0, 4},
    {kPicture, "Bitmaps\\buble"},
    {kPicture, "Bitmaps\\ano"},
    {kPicture, "Bitmaps\\ne"},
    {kSound, "Sounds\\ano"},
    {kSound, "Sounds\\ne"},
    {kSound, "Sounds\\end"},
    {kSound, "Sounds\\hura"},
    {kSound, "Sounds\\help"},
    {kSound, "Sounds\\end_que"},
    {kSound, "sounds\\del_que"},

    // Praise and correction.
    {kSpeech, "Sounds\\GB_UNI\\GOOD\\%d", 0, 20},
    {kSpeech, "Sounds\\GB_UNI\\BAD_1\\%d", 0, 10},
    {kSpeech, "Sounds\\GB_UNI\\BAD_2\\%d", 0, 21},

    // The Start screen.
    {kScript, kStart},
    {kFile, kStartMask},
    {kPicture, "face%d", 1, 4},
    {kEntry, "MLUVI", 0, 0, kStart},
    {kEntry, "A_JUMP", 0, 0, kStart},
    {kEntry, "A_SPEEK", 0, 0, kStart},
    {kEntry, "CEPKA", 0, 0, kStart},
    {kEntrySpeech, "A_JUMP", 0, 0, kStart},
    {kEntrySpeech, "KV_Z", 0, 0, kStart},
    {kEntrySpeech, "M_Z", 0, 0, kStart},
    {kEntrySpeech, "Z_Z", 0, 0, kStart},
    {kEntrySpeech, "OR_Z", 0, 0, kStart},
    {kFrameScript, "Bitmaps\\Start\\Ani\\kv_z_b"},
    {kFrameScript, "Bitmaps\\Start\\Ani\\m_z_b"},
    {kFrameScript, "Bitmaps\\Start\\Ani\\z_z_b"},
    {kFrameScript, "Bitmaps\\Start\\Ani\\or_z_b"},
    {kHitValue, "%d", 20, 23, kStartMask},
    {kHitValue, "%d", 26, 29, kStartMask},
    {kSpeech, "Sounds\\Start\\sp_intro"},
    {kSpeech, "Sounds\\Start\\sp_go"},
    {kSpeech, "Sounds\\Start\\sp_wait"},

    // The End screen: RUFO, then MLUVI, the schoolchild, the child's portrait.
    {kScript, kEnd},
    {kFile, "Bitmaps\\End\\bg_mask.png"},
    {kEntrySpeech, "RUFO", 0, 0, kEnd},
    {kEntrySpeech, "MLUVI", 0, 0, kEnd},
    {kEntrySpeech, "SKOLNIK", 0, 0, kEnd},
    {kEntry, "H%d", 1, 5, kEnd},
    {kEntry, "K%d", 2, 4, kEnd},

    // The Credits.
    {kScript, "Data\\Credits\\screen.dat"},

    // The album: earned stickers and the arrival of a new one.
    {kScript, kAlbum},
    {kEntry, "bS%d", 0, 13, kAlbum},
    {kEntrySpeech, "S%d", 0, 13, kAlbum},
    {kSound, "Bitmaps\\Album\\Ani\\cink"},
};

}  // namespace

std::span<const Requirement> RequiredData() {
  return kRequired;
}

int LastNumber(const Requirement& requirement) {
  return std::string(requirement.name).find("%d") != std::string::npos ? requirement.last
                                                                       : requirement.first;
}

std::string NameOf(const Requirement& requirement, int number) {
  std::string name = requirement.name;
  const size_t at = name.find("%d");
  if (at != std::string::npos) name.replace(at, 2, std::to_string(number));
  return name;
}

}  // namespace rufo::data_tool
