#include "learn/pantry_lesson.h"

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/learning.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr const char* kRowFile = "Data\\LearnG\\Log\\log.dat";
constexpr int kAnnounceKind = 60;
constexpr int kGap = -1;
constexpr const char* kFigures[] = {"CERT", "ZABA", "PRASE", "MROZ"};
constexpr int kFirstStartRows = 19;
constexpr int kLaterStartRows = 12;

std::string SlotName(int shelf, int slot) {
  std::string name = "I";
  name += std::to_string(shelf) + std::to_string(slot);
  return name;
}

std::string NoThing(int value) {
  return std::to_string(value) + " is none of the things 0 to " +
         std::to_string(PantryLesson::kItems - 1);
}

// Why a row cannot stand on a shelf, or nothing: a shelf shows five places of which at least one
// is the gap, and the gap needs a thing to fill it.
std::string ShelfFault(const RowFileLine& row) {
  bool gap = false;
  for (int slot = 0; slot < PantryLesson::kSlots; ++slot) {
    const int item = row.fields[slot];
    if (item == kGap) gap = true;
    if (item < kGap || item >= PantryLesson::kItems) return "its thing " + NoThing(item);
  }
  if (!gap) return "it has no gap";
  const int answer = row.fields[PantryLesson::kSlots];
  if (answer < 0 || answer >= PantryLesson::kItems) return "its answer " + NoThing(answer);
  return {};
}

// Start rows are drawn up to a fixed limit, so a file with fewer rows than that would leave a
// shelf without a gap or read past the table: it ends the game.
std::vector<RowFileLine> ReadShelfRows() {
  std::optional<std::vector<RowFileLine>> lines = ReadRowFile(kRowFile, PantryLesson::kMaxRows);
  if (!lines) RowFileUnplayable(kRowFile, "the file cannot be read");
  std::vector<LeftOutLines> leftOut;
  std::vector<RowFileLine> rows = ShelfRows(*lines, &leftOut);
  LogLeftOut(kRowFile, leftOut);
  if (rows.size() < PantryLesson::kRowsNeeded) {
    RowFileUnplayable(kRowFile, std::to_string(rows.size()) + " rows, the lesson needs " +
                                    std::to_string(PantryLesson::kRowsNeeded));
  }
  return rows;
}

}  // namespace

std::vector<RowFileLine> ShelfRows(const std::vector<RowFileLine>& lines,
                                   std::vector<LeftOutLines>* leftOut) {
  std::vector<RowFileLine> rows;
  for (size_t i : PlayableLines(lines, ShelfFault, leftOut))
    rows.push_back(lines[i]);
  return rows;
}

int PantryLesson::Answer(int s) const {
  return rows_[start_ + s].fields[kSlots];
}

void PantryLesson::Build() {
  rows_ = ReadShelfRows();
  LoadScene("Data\\LearnG\\LOG\\screen.dat", "Bitmaps\\LearnG\\LOG\\bg_mask.png");
  PlayAnimation("START");
  do {
    start_ = Random().Below(kFirstStartRows);
  } while (start_ == 0);
  SetUpShelves();
}

void PantryLesson::SetUpShelves() {
  for (int s = 0; s < kShelves; ++s) {
    gaps_[s].clear();
    for (int k = 0; k < kSlots; ++k) {
      const std::string name = SlotName(s, k);
      BitmapControl* slot = ScriptedBitmap(name);
      const int item = rows_[start_ + s].fields[k];
      if (item == kGap) {
        gaps_[s] = name;
        Hide(slot);
      } else {
        SetFrame(slot, item);
        Show(slot);
      }
    }
  }
}

void PantryLesson::NextStartRow() {
  if (start_ < kLaterStartRows) {
    int next;
    do {
      next = Random().Below(kLaterStartRows);
    } while (next == start_);
    start_ = next;
  } else {
    start_ = 0;
  }
  SetUpShelves();
}

void PantryLesson::Announce(int shelf) {
  shelf_ = shelf;
  const std::string name = "Sounds\\LearnG\\LOG\\POL_" + std::to_string(shelf) + "\\" +
                           std::to_string(Answer(shelf) + 1);
  ShowControl("MLUVI", true);
  SetDebugText(name);
  LearningSay(kAnnounceKind, name);
}

void PantryLesson::OnMessage(const Input& input, bool* unconsumed) {
  LearningScreen::OnMessage(input, unconsumed);
  Control* carried = ScriptedControl("I_ON_MOUSE");
  const int x = input.x, y = input.y;
  if (input.message == kMsgMouseMoved) {
    if (IsShown(carried)) CentreOn(carried, x, y);
    return;
  }
  if (input.message == kMsgLeftUp) {
    // A thing held down and let go over the gap is put there too.
    if (dragging_ && *unconsumed && OverGap(x, y)) Drop(x, y);
    return;
  }
  if (input.message != kMsgLeftDown || !*unconsumed) return;
  if (dragging_) {
    Drop(x, y);
    return;
  }
  const int item = input.region;
  if (item >= kItems || !carried) return;
  CentreOn(carried, x, y);
  SetFrame(ScriptedBitmap("I_ON_MOUSE"), item);
  ToTop(carried);
  Show(carried);
  dragging_ = true;
}

bool PantryLesson::OverGap(int x, int y) const {
  if (shelf_ >= kShelves) return false;
  const Control* gap = ScriptedControl(gaps_[shelf_].c_str());
  if (!gap) return false;
  const ScreenPoint at = PositionOf(gap);
  const ControlSize size = SizeOf(gap);
  return x >= at.x && x < at.x + size.width && y >= at.y && y < at.y + size.height;
}

void PantryLesson::Drop(int x, int y) {
  dragging_ = false;
  BitmapControl* carried = ScriptedBitmap("I_ON_MOUSE");
  if (!carried) return;
  Hide(carried);
  MoveTo(carried, 0, 0);
  if (!OverGap(x, y)) return;
  ToTop(ScriptedControl("BACK"));
  Check(FrameOf(carried));
}

void PantryLesson::Check(int item) {
  LearningState& learning = Learning();
  if (learning.speaking) return;
  if (item != Answer(shelf_)) {
    if (item < kItems) PlayAnimation("BAD");
    return;
  }
  for (int k = 0; k < kSlots; ++k) {
    if (rows_[start_ + shelf_].fields[k] != kGap) continue;
    BitmapControl* slot = ScriptedBitmap(SlotName(shelf_, k));
    SetFrame(slot, item);
    Show(slot);
  }
  if (shelf_ < kShelves - 1) {
    if (learning.speechKind == kAnnounceKind || learning.speechKind == kLearningCorrectionKind) {
      LearningRemark(nullptr, -1);
    }
    return;
  }
  // All three shelves are tidy: nothing more goes in until the new shelves come.
  shelf_ = kShelves;
  PlayAnimation("GOOD");
}

void PantryLesson::SurpriseEnded() {
  PlayAnimation("POKLICE", "Bitmaps\\LearnG\\LOG\\ani\\pok_2.dat");
  phase_ = Phase::kSurprise;
}

void PantryLesson::OnLearningEvent(Control* control, int32_t event) {
  if (event != kEventAnimationEnd) return;
  const LearningState& learning = Learning();
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) {
    switch (learning.speechKind) {
      case kPantryIntroKind:
      case kLearningPraiseKind:
        Announce(0);
        break;
      case kPantryRemarkKind:
        Announce(shelf_ + 1);
        break;
      case kAnnounceKind:
      case kLearningCorrectionKind:
        // The gap of this shelf waits for its thing.
        if (shelf_ < kShelves) {
          trace::Question(Id(), trace::CarryToControl(Answer(shelf_), gaps_[shelf_]));
        }
        break;
      default:
        break;
    }
    return;
  }
  if (EventFrom(control, event, "START", kEventAnimationEnd)) {
    if (phase_ == Phase::kBubbling) {
      LearningPraise();
      NextStartRow();
    } else {
      LearningSay(kPantryIntroKind, "Sounds\\LearnG\\LOG\\sp_intro");
    }
    return;
  }
  if (EventFrom(control, event, "BAD", kEventAnimationEnd)) {
    LearningCorrection();
    return;
  }
  if (EventFrom(control, event, "GOOD", kEventAnimationEnd)) {
    ShowControl("START", false);
    PlayAnimation("POKLICE");
    phase_ = Phase::kLid;
    return;
  }
  if (EventFrom(control, event, "POKLICE", kEventAnimationEnd)) {
    if (phase_ == Phase::kLid) {
      PlayAnimation(kFigures[Random().Below(4)]);
    } else if (phase_ == Phase::kSurprise) {
      Hide(control);
      PlayFromStart(ScriptedAnimation("START"));
      phase_ = Phase::kBubbling;
    }
    return;
  }
  for (const char* figure : kFigures) {
    if (EventFrom(control, event, figure, kEventAnimationEnd)) {
      SurpriseEnded();
      return;
    }
  }
}

}  // namespace rufo
