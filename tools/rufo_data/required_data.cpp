#include "tools/rufo_data/required_data.h"

namespace rufo::data_tool {
namespace {

using enum Need;

constexpr const char* kStart = "Data\\Start\\screen.dat";
constexpr const char* kStartMask = "Bitmaps\\Start\\bg_mask.png";
constexpr const char* kEnd = "Data\\End\\screen.dat";
constexpr const char* kAlbum = "Data\\album\\screen.dat";
constexpr const char* kHub = "Data\\LearnG\\screen.dat";
constexpr const char* kHubMask = "Bitmaps\\LearnG\\bg_mask.png";
constexpr const char* kGarden1 = "Data\\Garden1\\screen.dat";
constexpr const char* kGarden1Mask = "Bitmaps\\Garden1\\bg_mask.png";
constexpr const char* kFrogs = "Data\\Garden1\\NUM\\screen.dat";
constexpr const char* kFrogsMask = "Bitmaps\\Garden1\\Num\\bg_mask.png";
constexpr const char* kFlowers = "Data\\Garden1\\COL\\screen.dat";
constexpr const char* kFlowersMask = "Bitmaps\\Garden1\\COL\\bg_mask.png";
constexpr const char* kGarden2 = "Data\\Garden2\\screen.dat";
constexpr const char* kGarden2Mask = "Bitmaps\\Garden2\\bg_mask.png";
constexpr const char* kWatering = "Data\\Garden2\\Dir\\screen.dat";
constexpr const char* kWateringMask = "Bitmaps\\Garden2\\Dir\\bg_mask.png";
constexpr const char* kThings = "Data\\Garden2\\col\\screen.dat";
constexpr const char* kThingsMask = "Bitmaps\\Garden2\\col\\bg_mask.png";
constexpr const char* kSeries = "Data\\Garden2\\log\\screen.dat";
constexpr const char* kSeriesMask = "Bitmaps\\Garden2\\log\\bg_mask.png";

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

    // The learning garden's hub: six objects that lead to the lessons, RUFO's jump, his
    // introduction and his farewell.
    {kScript, kHub},
    {kFile, kHubMask},
    {kHitValue, "%d", 0, 5, kHubMask},
    {kWalkEdges, kHubMask},
    {kEntry, "MLUVI", 0, 0, kHub},
    {kEntrySpeech, "DUHA", 0, 0, kHub},
    {kEntrySpeech, "HOLUB", 0, 0, kHub},
    {kEntrySpeech, "KVETINY", 0, 0, kHub},
    {kEntrySpeech, "HRIB", 0, 0, kHub},
    {kEntrySpeech, "INTEL", 0, 0, kHub},
    {kEntrySpeech, "TRPASL", 0, 0, kHub},
    {kEntrySpeech, "SKOK", 0, 0, kHub},
    {kEntrySpeech, "KONEC", 0, 0, kHub},
    {kEntrySound, "KONEC", 0, 0, kHub},
    {kSpeech, "Sounds\\LearnG\\sp_intro"},

    // The lessons' screens and introductions.
    {kScript, "Data\\LearnG\\COLORS\\screen.dat"},
    {kScript, "Data\\LearnG\\DIR\\screen.dat"},
    {kScript, "Data\\LearnG\\NUM\\screen.dat"},
    {kScript, "Data\\LearnG\\NOT\\screen.dat"},
    {kScript, "Data\\LearnG\\LOG\\screen.dat"},
    {kScript, "Data\\LearnG\\TVA\\screen.dat"},
    {kEntry, "MLUVI", 0, 0, "Data\\LearnG\\COLORS\\screen.dat"},
    {kEntry, "MLUVI", 0, 0, "Data\\LearnG\\DIR\\screen.dat"},
    {kEntry, "MLUVI", 0, 0, "Data\\LearnG\\NUM\\screen.dat"},
    {kEntry, "MLUVI", 0, 0, "Data\\LearnG\\NOT\\screen.dat"},
    {kEntry, "MLUVI", 0, 0, "Data\\LearnG\\LOG\\screen.dat"},
    {kEntry, "MLUVI", 0, 0, "Data\\LearnG\\TVA\\screen.dat"},
    {kFile, "Bitmaps\\LearnG\\Colors\\bg_mask.png"},
    {kFile, "Bitmaps\\LearnG\\Dir\\bg_mask.png"},
    {kFile, "Bitmaps\\LearnG\\NUM\\bg_mask.png"},
    {kFile, "Bitmaps\\LearnG\\NOT\\bg_mask.png"},
    {kFile, "Bitmaps\\LearnG\\LOG\\bg_mask.png"},
    {kSpeech, "Sounds\\LearnG\\COL\\sp_intro"},
    {kSpeech, "Sounds\\LearnG\\DIR\\sp_intro"},
    {kSpeech, "Sounds\\LearnG\\Num\\sp_intro"},
    {kSpeech, "Sounds\\LearnG\\NOT\\sp_intro"},
    {kSpeech, "Sounds\\LearnG\\LOG\\sp_intro"},
    {kSpeech, "Sounds\\LearnG\\TVA\\sp_intro"},

    // Garden1's scene: RUFO leads to the frogs, the flowers to the colours.
    {kScript, kGarden1},
    {kFile, kGarden1Mask},
    {kHitValue, "%d", 0, 1, kGarden1Mask},
    {kWalkEdges, kGarden1Mask},
    {kEntrySpeech, "RUFO", 0, 0, kGarden1},
    {kEntrySpeech, "KVETINY", 0, 0, kGarden1},

    // Garden1 NUM: ten frogs, each jumping up, back, waving and splashing; the number buttons.
    {kScript, kFrogs},
    {kFile, kFrogsMask},
    {kHitValue, "%d", 0, 9, kFrogsMask},
    {kEntry, "MLUVI", 0, 0, kFrogs},
    {kEntry, "S", 0, 0, kFrogs},
    {kEntrySpeech, "Z%d_U", 1, 10, kFrogs},
    {kEntrySpeech, "Z%d_D", 1, 10, kFrogs},
    {kEntry, "Z%d_H", 1, 10, kFrogs},
    {kEntrySpeech, "%d", 1, 10, kFrogs},
    {kEntrySound, "%d", 1, 10, kFrogs},
    {kEntrySpeech, "B%d", 1, 10, kFrogs},
    {kFrameScript, "Bitmaps\\Garden1\\NUM\\Ani\\z_hi2"},
    {kSound, "Bitmaps\\Garden1\\NUM\\Ani\\z_hi"},
    {kSound, "zblunk"},
    {kSpeech, "Sounds\\Garden1\\NUM\\sp_intro"},
    {kSpeech, "Sounds\\Garden1\\NUM\\sp_win"},
    {kSpeech, "Sounds\\Garden1\\NUM\\sp_loose"},

    // Garden1 COL: nine flowers that grow, their colour names said on nine controls.
    {kScript, kFlowers},
    {kFile, kFlowersMask},
    {kHitValue, "%d", 0, 8, kFlowersMask},
    {kEntry, "MLUVI", 0, 0, kFlowers},
    {kEntry, "S", 0, 0, kFlowers},
    {kEntrySpeech, "CM_ZL", 0, 0, kFlowers},
    {kEntrySpeech, "CM_BI", 0, 0, kFlowers},
    {kEntrySpeech, "CM_CR", 0, 0, kFlowers},
    {kEntrySpeech, "CM_MO", 0, 0, kFlowers},
    {kEntrySpeech, "CM_RU", 0, 0, kFlowers},
    {kEntrySpeech, "CM_HN", 0, 0, kFlowers},
    {kEntrySpeech, "CM_OR", 0, 0, kFlowers},
    {kEntrySpeech, "CM_CE", 0, 0, kFlowers},
    {kEntrySpeech, "CM_FI", 0, 0, kFlowers},
    {kEntry, "ZLUTA", 0, 0, kFlowers},
    {kEntry, "BILA", 0, 0, kFlowers},
    {kEntry, "CERVENA", 0, 0, kFlowers},
    {kEntry, "MODRA", 0, 0, kFlowers},
    {kEntry, "RUZOVA", 0, 0, kFlowers},
    {kEntry, "HNEDA", 0, 0, kFlowers},
    {kEntry, "ORANZ", 0, 0, kFlowers},
    {kEntry, "CERNA", 0, 0, kFlowers},
    {kEntry, "FIALOVA", 0, 0, kFlowers},
    {kSpeech, "Sounds\\Garden1\\COL\\COL_NAME\\%d", 0, 8},
    {kSpeech, "Sounds\\Garden1\\COL\\sp_intro"},
    {kSpeech, "Sounds\\Garden1\\COL\\sp_win"},
    {kSpeech, "Sounds\\Garden1\\COL\\sp_loose"},

    // Garden2's scene: the well leads to the watering, the ball to the colours, the bird to
    // the series.
    {kScript, kGarden2},
    {kFile, kGarden2Mask},
    {kHitValue, "%d", 0, 2, kGarden2Mask},
    {kWalkEdges, kGarden2Mask},
    {kEntrySpeech, "STUDNA", 0, 0, kGarden2},
    {kEntrySpeech, "MIC", 0, 0, kGarden2},
    {kEntrySpeech, "PTAK", 0, 0, kGarden2},

    // Garden2 DIR: five cans that pour and five flower beds that bloom; RUFO repeats.
    {kScript, kWatering},
    {kFile, kWateringMask},
    {kHitValue, "%d", 0, 4, kWateringMask},
    {kHitValue, "%d", 99, 99, kWateringMask},
    {kEntry, "MLUVI", 0, 0, kWatering},
    {kEntry, "S", 0, 0, kWatering},
    {kEntrySpeech, "VLEVO", 0, 0, kWatering},
    {kEntrySpeech, "VPRAVO", 0, 0, kWatering},
    {kEntrySpeech, "NAHORU", 0, 0, kWatering},
    {kEntrySpeech, "DOLU", 0, 0, kWatering},
    {kEntrySpeech, "VZADU", 0, 0, kWatering},
    {kEntrySpeech, "ZLUTE", 0, 0, kWatering},
    {kEntrySpeech, "RUZOVE", 0, 0, kWatering},
    {kEntrySpeech, "MODRE", 0, 0, kWatering},
    {kEntrySpeech, "FIALOVE", 0, 0, kWatering},
    {kEntrySpeech, "CERVENE", 0, 0, kWatering},
    {kSpeech, "Sounds\\Garden2\\dir\\DIR_N0\\%d", 0, 4},
    {kSpeech, "Sounds\\Garden2\\dir\\DIR_N1\\%d", 0, 4},
    {kSpeech, "Sounds\\Garden2\\dir\\DIR_N2\\%d", 0, 4},
    {kSpeech, "Sounds\\Garden2\\dir\\DIR_N3\\%d", 0, 4},
    {kSpeech, "Sounds\\Garden2\\dir\\DIR_N4\\%d", 0, 4},
    {kSpeech, "Sounds\\Garden2\\dir\\DIR_N5\\%d", 0, 4},
    {kSpeech, "Sounds\\Garden2\\DIR\\sp_intro"},
    {kSpeech, "Sounds\\Garden2\\DIR\\sp_win"},
    {kSpeech, "Sounds\\Garden2\\DIR\\sp_loose"},

    // Garden2 COL: two backgrounds of six things, the mouse naming twelve colours, each
    // colour's dance and sparkles, the two arrivals.
    {kScript, kThings},
    {kFile, kThingsMask},
    {kHitValue, "%d", 0, 5, kThingsMask},
    {kHitValue, "%d", 99, 99, kThingsMask},
    {kEntry, "BG", 0, 0, kThings},
    {kEntry, "BG2", 0, 0, kThings},
    {kEntry, "MLUVI", 0, 0, kThings},
    {kEntry, "MYS", 0, 0, kThings},
    {kEntry, "S", 0, 0, kThings},
    {kEntrySpeech, "F%d", 0, 11, kThings},
    {kEntry, "OD%d", 0, 11, kThings},
    {kEntrySpeech, "ZM1", 0, 0, kThings},
    {kEntrySpeech, "ZM2", 0, 0, kThings},
    {kSound, "Bitmaps\\Garden2\\COL\\ani\\f0"},
    {kSpeech, "Bitmaps\\Garden2\\COL\\ani\\od0"},
    {kSpeech, "SOUNDS\\Garden2\\COL\\COL_NAME\\%d", 0, 11},
    {kSpeech, "Sounds\\Garden2\\COL\\sp_intro"},
    {kSpeech, "Sounds\\Garden2\\COL\\sp_win"},
    {kSpeech, "Sounds\\Garden2\\COL\\sp_loose"},

    // Garden2 LOG: the series file, five pieces, every picture in both looks in every column.
    {kScript, kSeries},
    {kFile, kSeriesMask},
    {kFile, "Data\\Garden2\\Log\\log.dat"},
    {kHitValue, "%d", 0, 4, kSeriesMask},
    {kEntry, "MLUVI", 0, 0, kSeries},
    {kEntry, "S", 0, 0, kSeries},
    {kEntry, "P%d", 0, 4, kSeries},
    {kEntrySpeech, "P_0_P_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_1_P_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_2_P_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_3_P_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_4_P_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_0_V_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_1_V_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_2_V_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_3_V_%d", 0, 4, kSeries},
    {kEntrySpeech, "P_4_V_%d", 0, 4, kSeries},
    {kSound, "Bitmaps\\Garden2\\LOG\\Ani\\p_0_p"},
    {kSound, "Bitmaps\\Garden2\\LOG\\Ani\\p_0_v"},
    {kSpeech, "Sounds\\Garden2\\LOG\\sp_intro"},
    {kSpeech, "Sounds\\Garden2\\LOG\\sp_win"},
    {kSpeech, "Sounds\\Garden2\\LOG\\sp_loose"},
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
