#include "tools/rufo_data/required_data.h"

#include <deque>
#include <iterator>
#include <vector>

#include "game/game_table.h"
#include "gardens/garden_screens.h"

namespace rufo::data_tool {
namespace {

using enum Need;

constexpr const char* kStart = "Data\\Start\\screen.dat";
constexpr const char* kStartMask = "Bitmaps\\Start\\bg_mask.png";
constexpr const char* kEnd = "Data\\End\\screen.dat";
constexpr const char* kAlbum = "Data\\album\\screen.dat";
constexpr const char* kHub = "Data\\LearnG\\screen.dat";
constexpr const char* kHubMask = "Bitmaps\\LearnG\\bg_mask.png";
constexpr const char* kNotions = "Data\\LearnG\\NOT\\screen.dat";
constexpr const char* kPantry = "Data\\LearnG\\LOG\\screen.dat";
constexpr const char* kPantryMask = "Bitmaps\\LearnG\\LOG\\bg_mask.png";
constexpr const char* kShapes = "Data\\LearnG\\TVA\\screen.dat";
constexpr const char* kGarden1Mask = "Bitmaps\\Garden1\\bg_mask.png";
constexpr const char* kFrogs = "Data\\Garden1\\NUM\\screen.dat";
constexpr const char* kFrogsMask = "Bitmaps\\Garden1\\Num\\bg_mask.png";
constexpr const char* kFlowers = "Data\\Garden1\\COL\\screen.dat";
constexpr const char* kFlowersMask = "Bitmaps\\Garden1\\COL\\bg_mask.png";
constexpr const char* kGarden4Mask = "Bitmaps\\Garden4\\bg_mask.png";
constexpr const char* kKnocks = "Data\\Garden4\\Num\\screen.dat";
constexpr const char* kKnocksMask = "Bitmaps\\Garden4\\Num\\bg_mask.png";
constexpr const char* kNests = "Data\\Garden4\\NaD\\screen.dat";
constexpr const char* kNestsMask = "Bitmaps\\Garden4\\nad\\bg_mask.png";
constexpr const char* kGarden5Mask = "Bitmaps\\Garden5\\bg_mask.png";
constexpr const char* kParrots = "Data\\Garden5\\not\\screen.dat";
constexpr const char* kParrotsMask = "Bitmaps\\Garden5\\not\\bg_mask.png";
constexpr const char* kMeadow = "Data\\Garden5\\col\\screen.dat";
constexpr const char* kMeadowMask = "Bitmaps\\Garden5\\col\\bg_mask.png";
constexpr const char* kHivesMask = "Bitmaps\\Garden5\\col2\\bg_mask.png";
constexpr const char* kHives[] = {
    "Data\\Garden5\\col2\\L1\\screen.dat", "Data\\Garden5\\col2\\L2\\screen.dat",
    "Data\\Garden5\\col2\\L3\\screen.dat", "Data\\Garden5\\col2\\L4\\screen.dat"};
constexpr const char* kGarden6Mask = "Bitmaps\\Garden6\\bg_mask.png";
constexpr const char* kGrids = "Data\\Garden6\\LOG\\screen.dat";
constexpr const char* kGridsMask = "Bitmaps\\Garden6\\LOG\\bg_mask.png";
constexpr const char* kLadybird = "Data\\Garden6\\NUM\\screen.dat";
constexpr const char* kLadybirdMask = "Bitmaps\\Garden6\\NUM\\bg_mask.png";
constexpr const char* kColours = "Data\\LearnG\\COLORS\\screen.dat";
constexpr const char* kColoursMask = "Bitmaps\\LearnG\\Colors\\bg_mask.png";
constexpr const char* kDirections = "Data\\LearnG\\DIR\\screen.dat";
constexpr const char* kDirectionsMask = "Bitmaps\\LearnG\\Dir\\bg_mask.png";
constexpr const char* kCounting = "Data\\LearnG\\NUM\\screen.dat";
constexpr const char* kCountingMask = "Bitmaps\\LearnG\\NUM\\bg_mask.png";
constexpr const char* kGarden2Mask = "Bitmaps\\Garden2\\bg_mask.png";
constexpr const char* kWatering = "Data\\Garden2\\Dir\\screen.dat";
constexpr const char* kWateringMask = "Bitmaps\\Garden2\\Dir\\bg_mask.png";
constexpr const char* kThings = "Data\\Garden2\\col\\screen.dat";
constexpr const char* kThingsMask = "Bitmaps\\Garden2\\col\\bg_mask.png";
constexpr const char* kSeries = "Data\\Garden2\\log\\screen.dat";
constexpr const char* kSeriesMask = "Bitmaps\\Garden2\\log\\bg_mask.png";

constexpr const char* kGarden3Mask = "Bitmaps\\Garden3\\bg_mask.png";
constexpr const char* kTools = "Data\\Garden3\\NOT\\screen.dat";
constexpr const char* kToolsMask0 = "Bitmaps\\Garden3\\NOT\\bg_mask0.png";
constexpr const char* kToolsMask1 = "Bitmaps\\Garden3\\NOT\\bg_mask1.png";
constexpr const char* kBeds = "Data\\Garden3\\cat\\screen.dat";
constexpr const char* kBedsMask = "Bitmaps\\Garden3\\cat\\bg_mask.png";
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

    // The Start screen. RUFO's jump, the sparrow (a click plays it) and each slot's sponge play
    // their own scripts and sounds; the sponge's way back is a script and a sound of its own.
    {kScript, kStart},
    {kFile, kStartMask},
    {kPicture, "face%d", 1, 4},
    // The parents' key on the Start screen and the parents' page.
    {kPicture, "Bitmaps\\Parents\\key"},
    {kScript, "Data\\Parents\\screen.dat"},
    {kPicture, "Bitmaps\\Parents\\face%d", 1, 4},
    {kEntry, "MLUVI", 0, 0, kStart},
    {kEntry, "CEPKA", 0, 0, kStart},
    {kEntrySpeech, "A_JUMP", 0, 0, kStart},
    {kEntrySound, "A_JUMP", 0, 0, kStart},
    {kEntrySpeech, "A_SPEEK", 0, 0, kStart},
    {kEntrySound, "A_SPEEK", 0, 0, kStart},
    {kEntrySpeech, "KV_Z", 0, 0, kStart},
    {kEntrySound, "KV_Z", 0, 0, kStart},
    {kEntrySpeech, "M_Z", 0, 0, kStart},
    {kEntrySound, "M_Z", 0, 0, kStart},
    {kEntrySpeech, "Z_Z", 0, 0, kStart},
    {kEntrySound, "Z_Z", 0, 0, kStart},
    {kEntrySpeech, "OR_Z", 0, 0, kStart},
    {kEntrySound, "OR_Z", 0, 0, kStart},
    {kSpeech, "Bitmaps\\Start\\Ani\\kv_z_b"},
    {kSpeech, "Bitmaps\\Start\\Ani\\m_z_b"},
    {kSpeech, "Bitmaps\\Start\\Ani\\z_z_b"},
    {kSpeech, "Bitmaps\\Start\\Ani\\or_z_b"},
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
    {kToolbarFree, kHubMask},
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

    // Notions: seven hiding places that rustle, RUFO popping out of each and saying where he
    // was, seven talking mushrooms with their names and two sets of remarks, RUFO's leap.
    {kFile, "Bitmaps\\LearnG\\NOT\\bg_mask.png"},
    {kHitValue, "%d", 0, 6, "Bitmaps\\LearnG\\NOT\\bg_mask.png"},
    {kEntrySpeech, "H%d", 1, 7, kNotions},
    {kEntrySound, "H%d", 1, 7, kNotions},
    {kSpeech, "Bitmaps\\LearnG\\NOT\\Ani\\H%d_2", 1, 7},
    {kEntry, "A%d", 1, 7, kNotions},
    {kEntry, "M%d", 1, 7, kNotions},
    {kEntrySpeech, "SKOK", 0, 0, kNotions},
    {kEntrySound, "SKOK", 0, 0, kNotions},
    {kSpeech, "Sounds\\LearnG\\NOT\\NOT_NAME\\vyleza%d", 1, 7},
    {kSpeech, "Sounds\\LearnG\\NOT\\NOT_NAME\\%d", 1, 7},
    {kSpeech, "Sounds\\LearnG\\NOT\\UNI\\FIRST\\%d", 0, 17},
    {kSpeech, "Sounds\\LearnG\\NOT\\UNI\\SECOUND\\%d", 0, 12},

    // The pantry: its rows, fifteen shelf places and the carried thing, the pot, its lid and
    // the four surprises, the signs for right and wrong, the shelves' announcements, the remarks.
    {kFile, "Data\\LearnG\\Log\\log.dat"},
    {kHitValue, "%d", 0, 5, kPantryMask},
    {kEntry, "I0%d", 0, 4, kPantry},
    {kEntry, "I1%d", 0, 4, kPantry},
    {kEntry, "I2%d", 0, 4, kPantry},
    {kEntry, "I_ON_MOUSE", 0, 0, kPantry},
    {kEntry, "BACK", 0, 0, kPantry},
    {kEntrySpeech, "START", 0, 0, kPantry},
    {kEntrySound, "START", 0, 0, kPantry},
    {kEntrySpeech, "POKLICE", 0, 0, kPantry},
    {kEntrySound, "POKLICE", 0, 0, kPantry},
    {kSpeech, "Bitmaps\\LearnG\\LOG\\ani\\pok_2"},
    {kEntrySpeech, "CERT", 0, 0, kPantry},
    {kEntrySound, "CERT", 0, 0, kPantry},
    {kEntrySpeech, "ZABA", 0, 0, kPantry},
    {kEntrySound, "ZABA", 0, 0, kPantry},
    {kEntrySpeech, "PRASE", 0, 0, kPantry},
    {kEntrySound, "PRASE", 0, 0, kPantry},
    {kEntrySpeech, "MROZ", 0, 0, kPantry},
    {kEntrySound, "MROZ", 0, 0, kPantry},
    {kEntrySpeech, "GOOD", 0, 0, kPantry},
    {kEntrySound, "GOOD", 0, 0, kPantry},
    {kEntrySpeech, "BAD", 0, 0, kPantry},
    {kEntrySound, "BAD", 0, 0, kPantry},
    {kSpeech, "Sounds\\LearnG\\LOG\\POL_0\\%d", 1, 6},
    {kSpeech, "Sounds\\LearnG\\LOG\\POL_1\\%d", 1, 6},
    {kSpeech, "Sounds\\LearnG\\LOG\\POL_2\\%d", 1, 6},
    {kSpeech, "Sounds\\LearnG\\LOG\\UNI\\%d", 0, 15},

    // Shapes: four pictures with their hit maps, four highlights, four names of each shape, the
    // remarks.
    {kEntry, "S%d", 0, 3, kShapes},
    {kEntry, "I%d", 0, 3, kShapes},
    {kHitValue, "%d", 0, 3, "Bitmaps\\LearnG\\TVA\\bm_mask0.png"},
    {kHitValue, "%d", 0, 3, "Bitmaps\\LearnG\\TVA\\bm_mask1.png"},
    {kHitValue, "%d", 0, 3, "Bitmaps\\LearnG\\TVA\\bm_mask2.png"},
    {kHitValue, "%d", 0, 3, "Bitmaps\\LearnG\\TVA\\bm_mask3.png"},
    {kSpeech, "Sounds\\LearnG\\TVA\\TVA_NAME\\TVA_0\\%d", 0, 3},
    {kSpeech, "Sounds\\LearnG\\TVA\\TVA_NAME\\TVA_1\\%d", 0, 3},
    {kSpeech, "Sounds\\LearnG\\TVA\\TVA_NAME\\TVA_2\\%d", 0, 3},
    {kSpeech, "Sounds\\LearnG\\TVA\\TVA_NAME\\TVA_3\\%d", 0, 3},
    {kSpeech, "Sounds\\LearnG\\TVA\\UNI\\%d", 0, 17},

    // Garden1's scene: RUFO leads to the frogs, the flowers to the colours.
    {kHitValue, "%d", 0, 1, kGarden1Mask},

    // Garden1 NUM: ten frogs, each jumping up, back, waving and splashing; the number buttons.
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

    // Garden1 COL: nine flowers that grow, their colour names said on nine controls.
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

    // Garden3's scene: RUFO leads to the tools, the monkey to the flower beds.
    {kHitValue, "%d", 0, 1, kGarden3Mask},

    // Garden3 NOT: twenty tools (entries 1 to 20, eight with a resting look), the cart, its
    // front and the ten places of what lies in it, the lamp that goes out and comes back, the
    // two halves' hit maps.
    {kHitValue, "%d", 0, 0, kToolsMask0},
    {kHitValue, "%d", 1, 1, kToolsMask0},
    {kHitValue, "%d", 5, 7, kToolsMask0},
    {kHitValue, "%d", 10, 11, kToolsMask0},
    {kHitValue, "%d", 15, 17, kToolsMask0},
    {kHitValue, "%d", 2, 4, kToolsMask1},
    {kHitValue, "%d", 8, 9, kToolsMask1},
    {kHitValue, "%d", 12, 14, kToolsMask1},
    {kHitValue, "%d", 18, 19, kToolsMask1},
    {kHitValue, "%d", 99, 99, kToolsMask0},
    {kHitValue, "%d", 125, 125, kToolsMask0},
    {kHitValue, "%d", 99, 99, kToolsMask1},
    {kHitValue, "%d", 125, 125, kToolsMask1},
    {kEntry, "MLUVI", 0, 0, kTools},
    {kEntry, "S", 0, 0, kTools},
    {kEntry, "BACK", 0, 0, kTools},
    {kEntry, "VOZIK", 0, 0, kTools},
    {kEntry, "NAKLAD%d", 1, 10, kTools},
    {kEntry, "HADICE1W", 0, 0, kTools},
    {kEntry, "PILA1W", 0, 0, kTools},
    {kEntry, "SRP1W", 0, 0, kTools},
    {kEntry, "HADICE2W", 0, 0, kTools},
    {kEntry, "PILA2W", 0, 0, kTools},
    {kEntry, "SRP2W", 0, 0, kTools},
    {kEntry, "ZEBRIK2W", 0, 0, kTools},
    {kEntry, "RYC2W", 0, 0, kTools},
    {kEntrySpeech, "ZHAS", 0, 0, kTools},
    {kEntrySound, "ZHAS", 0, 0, kTools},
    {kPicture, "Bitmaps\\Garden3\\NOT\\bg"},
    {kPicture, "Bitmaps\\Garden3\\NOT\\black"},
    {kFrameScript, "Bitmaps\\Garden3\\NOT\\Ani\\bzhas"},
    {kSpeech, "Sounds\\Garden3\\NOT\\ITEM_N\\%d", 0, 19},
    {kSpeech, "Sounds\\Garden3\\NOT\\sp_zhas"},

    // Garden3 CAT: three beds, four colour pots and their carried flowers, sixteen planted
    // flowers (colour, shape), the monkey's move and return, the question bubble.
    {kHitValue, "%d", 0, 3, kBedsMask},
    {kHitValue, "%d", 99, 99, kBedsMask},
    {kEntry, "MLUVI", 0, 0, kBeds},
    {kEntry, "S", 0, 0, kBeds},
    {kEntry, "BUBLE", 0, 0, kBeds},
    {kEntry, "TVA%d", 1, 3, kBeds},
    {kEntry, "C%d", 0, 3, kBeds},
    {kEntrySpeech, "K_0_%d", 0, 3, kBeds},
    {kEntrySpeech, "K_1_%d", 0, 3, kBeds},
    {kEntrySpeech, "K_2_%d", 0, 3, kBeds},
    {kEntrySpeech, "K_3_%d", 0, 3, kBeds},
    {kEntrySpeech, "MOVE", 0, 0, kBeds},
    {kEntrySound, "MOVE", 0, 0, kBeds},
    {kFrameScript, "Bitmaps\\Garden3\\CAT\\Ani\\move_b"},
    {kSpeech, "Sounds\\Garden3\\CAT\\CAT_NAME\\COL_0\\%d", 0, 3},
    {kSpeech, "Sounds\\Garden3\\CAT\\CAT_NAME\\COL_1\\%d", 0, 3},
    {kSpeech, "Sounds\\Garden3\\CAT\\CAT_NAME\\COL_2\\%d", 0, 3},
    {kSpeech, "Sounds\\Garden3\\CAT\\CAT_NAME\\COL_3\\%d", 0, 3},
    // Garden4's scene: the woodpecker leads to the knocking, the nest to the chicks.
    {kHitValue, "%d", 0, 1, kGarden4Mask},

    // Garden4 NUM: the woodpecker knocks; the numbers 1 to 10 and the woodpecker to knock again.
    {kHitValue, "%d", 0, 9, kKnocksMask},
    {kHitValue, "%d", 99, 99, kKnocksMask},
    {kEntry, "MLUVI", 0, 0, kKnocks},
    {kEntry, "S", 0, 0, kKnocks},
    {kEntrySpeech, "DATEL", 0, 0, kKnocks},
    {kEntrySound, "DATEL", 0, 0, kKnocks},

    // Garden4 NAD: four nests showing their chicks as frames; the numbers 0 to 9 and RUFO to
    // ask again; a question for each nest.
    {kHitValue, "%d", 0, 9, kNestsMask},
    {kHitValue, "%d", 99, 99, kNestsMask},
    {kEntry, "MLUVI", 0, 0, kNests},
    {kEntry, "S", 0, 0, kNests},
    {kEntry, "LN", 0, 0, kNests},
    {kEntry, "PN", 0, 0, kNests},
    {kEntry, "LD", 0, 0, kNests},
    {kEntry, "PD", 0, 0, kNests},
    {kSpeech, "Sounds\\Garden4\\NAD\\NEST_N\\%d", 0, 3},
    // Garden5's scene: the parrot leads to NOT, RUFO to COL, the hive to COL2.
    {kHitValue, "%d", 0, 2, kGarden5Mask},

    // Garden5 NOT: the board with its wipe, four parrots saying the four shapes.
    {kHitValue, "%d", 0, 3, kParrotsMask},
    {kHitValue, "%d", 99, 99, kParrotsMask},
    {kEntry, "MLUVI", 0, 0, kParrots},
    {kEntry, "MLUVI_T", 0, 0, kParrots},
    {kEntry, "S", 0, 0, kParrots},
    {kEntrySpeech, "TABULE", 0, 0, kParrots},
    {kEntry, "FIALOVY", 0, 0, kParrots},
    {kEntry, "CERVENY", 0, 0, kParrots},
    {kEntry, "ZELENY", 0, 0, kParrots},
    {kEntry, "MODRY", 0, 0, kParrots},
    {kSpeech, "Bitmaps\\Garden5\\not\\ani\\tabule_b"},
    {kSpeech, "Sounds\\Garden5\\NOT\\PAP\\%d", 0, 3},

    // Garden5 COL: three flower layouts, each with its caterpillar and its sigh.
    {kHitValue, "%d", 0, 10, kMeadowMask},
    {kHitValue, "%d", 99, 99, kMeadowMask},
    {kEntry, "MLUVI", 0, 0, kMeadow},
    {kEntry, "S", 0, 0, kMeadow},
    {kEntry, "K_%d", 1, 3, kMeadow},
    {kEntry, "AM_%d", 1, 3, kMeadow},
    {kEntrySpeech, "ACH_%d", 1, 3, kMeadow},
    {kEntrySound, "ACH_%d", 1, 3, kMeadow},
    {kSpeech, "Bitmaps\\Garden5\\COL\\Ani\\k_1"},
    {kSpeech, "Bitmaps\\Garden5\\COL\\Ani\\k_%db", 1, 3},
    {kSpeech, "Sounds\\Garden5\\Col\\COL_NAME\\%d", 0, 10},

    // Garden5 COL2: four hive layouts, the bee's take-off, hovering, flights and the hives.
    {kHitValue, "%d", 0, 7, kHivesMask},
    {kHitValue, "%d", 99, 99, kHivesMask},
    {kEntry, "MLUVI", 0, 0, kHives[0]},
    {kEntry, "S", 0, 0, kHives[0]},
    {kEntrySpeech, "VZLET", 0, 0, kHives[0]},
    {kEntrySpeech, "VCELA", 0, 0, kHives[0]},
    {kEntrySound, "VCELA", 0, 0, kHives[0]},
    {kEntrySpeech, "V%d", 0, 7, kHives[0]},
    {kEntrySpeech, "U%d", 0, 7, kHives[0]},
    {kEntry, "MLUVI", 0, 0, kHives[1]},
    {kEntry, "S", 0, 0, kHives[1]},
    {kEntrySpeech, "VZLET", 0, 0, kHives[1]},
    {kEntrySpeech, "VCELA", 0, 0, kHives[1]},
    {kEntrySound, "VCELA", 0, 0, kHives[1]},
    {kEntrySpeech, "V%d", 0, 7, kHives[1]},
    {kEntrySpeech, "U%d", 0, 7, kHives[1]},
    {kEntry, "MLUVI", 0, 0, kHives[2]},
    {kEntry, "S", 0, 0, kHives[2]},
    {kEntrySpeech, "VZLET", 0, 0, kHives[2]},
    {kEntrySpeech, "VCELA", 0, 0, kHives[2]},
    {kEntrySound, "VCELA", 0, 0, kHives[2]},
    {kEntrySpeech, "V%d", 0, 7, kHives[2]},
    {kEntrySpeech, "U%d", 0, 7, kHives[2]},
    {kEntry, "MLUVI", 0, 0, kHives[3]},
    {kEntry, "S", 0, 0, kHives[3]},
    {kEntrySpeech, "VZLET", 0, 0, kHives[3]},
    {kEntrySpeech, "VCELA", 0, 0, kHives[3]},
    {kEntrySound, "VCELA", 0, 0, kHives[3]},
    {kEntrySpeech, "V%d", 0, 7, kHives[3]},
    {kEntrySpeech, "U%d", 0, 7, kHives[3]},
    {kSound, "v"},
    {kSound, "Bitmaps\\Garden5\\COL2\\Ani\\v"},
    {kSound, "Bitmaps\\Garden5\\COL2\\Ani\\ul"},
    {kSpeech, "Sounds\\Garden5\\Col2\\COL_NAME\\%d", 0, 7},
    // Garden6's scene: the caterpillar leads to the picture grids, the ladybird to its dots.
    {kHitValue, "%d", 0, 1, kGarden6Mask},

    // Garden6 LOG: the grid file, nine cells under a lid, four pieces carried into the gap.
    {kFile, "Data\\Garden6\\Log\\log.dat"},
    {kHitValue, "%d", 0, 3, kGridsMask},
    {kEntry, "MLUVI", 0, 0, kGrids},
    {kEntry, "S", 0, 0, kGrids},
    {kEntry, "KI%d0", 0, 2, kGrids},
    {kEntry, "KI%d1", 0, 2, kGrids},
    {kEntry, "KI%d2", 0, 2, kGrids},
    {kEntry, "I%d", 0, 3, kGrids},
    {kEntrySpeech, "OPEN", 0, 0, kGrids},
    {kSpeech, "Bitmaps\\Garden6\\Log\\ani\\open_b"},

    // Garden6 NUM: the tulip, nine ladybirds that climb, land and fall, the flight home, the
    // sparkles and the number buttons.
    {kHitValue, "%d", 0, 9, kLadybirdMask},
    {kEntry, "MLUVI", 0, 0, kLadybird},
    {kEntry, "S", 0, 0, kLadybird},
    {kEntrySpeech, "B_START", 0, 0, kLadybird},
    {kEntrySpeech, "B_FDOWN", 0, 0, kLadybird},
    {kEntrySpeech, "GOOD", 0, 0, kLadybird},
    {kEntrySpeech, "WIN", 0, 0, kLadybird},
    {kEntry, "B%d", 1, 9, kLadybird},
    {kEntry, "B%d_B", 1, 9, kLadybird},
    {kSpeech, "Bitmaps\\Garden6\\NUM\\ani\\b_up"},
    {kSpeech, "Bitmaps\\Garden6\\NUM\\ani\\b_down"},
    {kSpeech, "Bitmaps\\Garden6\\NUM\\ani\\b_back"},
    {kSpeech, "Bitmaps\\Garden6\\NUM\\ANI\\Bedr_d%d", 1, 3},
    {kSpeech, "SOUNDS\\Garden6\\NUM\\sp_tu"},
    // The colours lesson: eleven things that hop, their large pictures, the palette, the
    // colour names, the remarks and the "next" remarks.
    {kHitValue, "%d", 0, 10, kColoursMask},
    {kEntrySpeech, "START", 0, 0, kColours},
    {kEntrySpeech, "C%d", 0, 10, kColours},
    {kEntrySound, "START", 0, 0, kColours},
    {kEntrySound, "C%d", 0, 10, kColours},
    {kEntry, "C%dBMP", 0, 10, kColours},
    {kSpeech, "Sounds\\LearnG\\COL\\COL_NAME\\%d", 0, 10},
    {kSpeech, "Sounds\\LearnG\\COL\\UNI\\%d", 0, 7},
    {kSpeech, "Sounds\\LearnG\\COL\\NEXT\\%d", 0, 6},

    // The directions lesson: six balloons that float, pop and come back, RUFO aiming at each
    // and coming back, the direction names and the remarks.
    {kHitValue, "%d", 0, 4, kDirectionsMask},
    {kHitValue, "%d", 6, 6, kDirectionsMask},
    {kEntrySpeech, "FB", 0, 0, kDirections},
    {kEntrySound, "FB", 0, 0, kDirections},
    {kEntrySpeech, "OB", 0, 0, kDirections},
    {kEntrySound, "OB", 0, 0, kDirections},
    {kEntrySpeech, "CB2", 0, 0, kDirections},
    {kEntrySound, "CB2", 0, 0, kDirections},
    {kEntrySpeech, "CB", 0, 0, kDirections},
    {kEntrySound, "CB", 0, 0, kDirections},
    {kEntrySpeech, "RB", 0, 0, kDirections},
    {kEntrySound, "RB", 0, 0, kDirections},
    {kEntrySpeech, "ZB", 0, 0, kDirections},
    {kEntrySound, "ZB", 0, 0, kDirections},
    {kEntry, "VLEVO", 0, 0, kDirections},
    {kEntry, "VPRAVO", 0, 0, kDirections},
    {kEntry, "NAHORU", 0, 0, kDirections},
    {kEntry, "DOLE", 0, 0, kDirections},
    {kEntry, "VZADU", 0, 0, kDirections},
    {kEntry, "VPREDU", 0, 0, kDirections},
    {kSpeech, "fb_1"},
    {kSpeech, "fb_2"},
    {kSpeech, "ob_1"},
    {kSpeech, "ob_2"},
    {kSpeech, "cb2_1"},
    {kSpeech, "cb2_2"},
    {kSpeech, "cb_1"},
    {kSpeech, "cb_2"},
    {kSpeech, "rb_1"},
    {kSpeech, "rb_2"},
    {kSpeech, "zb_1"},
    {kSpeech, "zb_2"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vlevo_1"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vlevo_2"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vpravo_1"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vpravo_2"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\nahoru_1"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\nahoru_2"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\dole_1"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\dole_2"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vzadu_1"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vzadu_2"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vpredu_1"},
    {kSpeech, "Bitmaps\\LearnG\\Dir\\Ani\\vpredu_2"},
    {kSpeech, "Sounds\\LearnG\\dir\\Dir_Name\\left"},
    {kSpeech, "Sounds\\LearnG\\dir\\Dir_Name\\right"},
    {kSpeech, "Sounds\\LearnG\\dir\\Dir_Name\\up"},
    {kSpeech, "Sounds\\LearnG\\dir\\Dir_Name\\down"},
    {kSpeech, "Sounds\\LearnG\\dir\\Dir_Name\\back"},
    {kSpeech, "Sounds\\LearnG\\dir\\Dir_Name\\front"},
    {kSpeech, "Sounds\\LearnG\\DIR\\UNI\\%d", 0, 13},

    // The counting lesson: ten posts, thirteen birds that fly in and off, four toys, the
    // questions, the counting words, the counts and the remarks.
    {kHitValue, "%d", 0, 9, kCountingMask},
    {kEntrySpeech, "P%d", 1, 9, kCounting},
    {kEntrySound, "P%d", 1, 9, kCounting},
    {kEntrySpeech, "P_BUM", 0, 0, kCounting},
    {kEntrySound, "P_BUM", 0, 0, kCounting},
    {kEntrySpeech, "P_LUK", 0, 0, kCounting},
    {kEntrySound, "P_LUK", 0, 0, kCounting},
    {kEntrySpeech, "P_MIC", 0, 0, kCounting},
    {kEntrySound, "P_MIC", 0, 0, kCounting},
    {kEntrySpeech, "P_PIST", 0, 0, kCounting},
    {kEntrySound, "P_PIST", 0, 0, kCounting},
    {kSpeech, "Bitmaps\\LearnG\\NUM\\Ani\\P%d_2", 1, 9},
    {kSpeech, "Bitmaps\\LearnG\\NUM\\Ani\\P_BUM_2"},
    {kSpeech, "Bitmaps\\LearnG\\NUM\\Ani\\P_LUK_2"},
    {kSpeech, "Bitmaps\\LearnG\\NUM\\Ani\\P_MIC_2"},
    {kSpeech, "Bitmaps\\LearnG\\NUM\\Ani\\P_PIST_2"},
    {kSound, "Bitmaps\\LearnG\\NUM\\ANI\\cvr"},
    {kEntrySpeech, "BUMERANG", 0, 0, kCounting},
    {kEntrySound, "BUMERANG", 0, 0, kCounting},
    {kEntrySpeech, "LUK", 0, 0, kCounting},
    {kEntrySound, "LUK", 0, 0, kCounting},
    {kEntrySpeech, "MIC", 0, 0, kCounting},
    {kEntrySound, "MIC", 0, 0, kCounting},
    {kEntrySpeech, "PISTOL", 0, 0, kCounting},
    {kEntrySound, "PISTOL", 0, 0, kCounting},
    {kSpeech, "Sounds\\LearnG\\Num\\sp_next"},
    {kSpeech, "Sounds\\LearnG\\NUM\\QUE\\%d", 1, 10},
    {kSpeech, "Sounds\\LearnG\\NUM\\NUM_SAY\\%d", 1, 10},
    {kSpeech, "Sounds\\LearnG\\NUM\\NUM_SAY2\\%d", 1, 10},
    {kSpeech, "Sounds\\LearnG\\NUM\\UNI\\%d", 0, 19},
    // Garden2's scene: the well leads to the watering, the ball to the colours, the bird to
    // the series.
    {kHitValue, "%d", 0, 2, kGarden2Mask},

    // Garden2 DIR: five cans that pour and five flower beds that bloom; RUFO repeats.
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

    // Garden2 COL: two backgrounds of six things, the mouse naming twelve colours, each
    // colour's dance and sparkles, the two arrivals.
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

    // Garden2 LOG: the series file, five pieces, every picture in both looks in every column.
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
};

// What the table of gardens and games names: each main scene's script, hit map and the
// controls that open its games, and each game's scripts, hit maps and three speeches.
class TableNeeds {
 public:
  TableNeeds() : rows_(std::begin(kRequired), std::end(kRequired)) {
    ScreenTable screens;
    RegisterGardenScreens(screens);
    for (const GardenInfo& garden : Gardens()) {
      Add(kScript, garden.script);
      Add(kFile, garden.hitMap);
      Add(kWalkEdges, garden.hitMap);
    }
    for (const MiniGameInfo& game : MiniGames()) {
      if (const GardenInfo* garden = FindGarden(MainSceneOf(game.screen)); garden && game.enter)
        Add(kEntrySpeech, game.enter, garden->script);
      for (const std::string& script : NamesOf(game, game.script))
        Add(kScript, script);
      for (const std::string& mask : NamesOf(game, game.hitMap))
        Add(kFile, mask);
      for (const char* speech : {"sp_intro", "sp_win", "sp_loose"})
        Add(kSpeech, std::string(game.soundFolder) + speech);
    }
  }
  std::span<const Requirement> Rows() const { return rows_; }

 private:
  void Add(Need need, const std::string& name, const char* in = nullptr) {
    rows_.push_back({need, names_.emplace_back(name).c_str(), 0, 0, in});
  }

  std::deque<std::string> names_;
  std::vector<Requirement> rows_;
};

}  // namespace

std::span<const Requirement> RequiredData() {
  static const TableNeeds needs;
  return needs.Rows();
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
