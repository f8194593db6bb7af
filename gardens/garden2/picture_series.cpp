#include "gardens/garden2/picture_series.h"

#include <string>

#include "controls/control_list.h"
#include "controls/screen_script.h"
#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/game_random.h"
#include "game/game_state.h"

namespace rufo {
namespace {

constexpr const char* kQuestionSound = "Bitmaps\\Garden2\\LOG\\Ani\\p_0_p";
constexpr const char* kSolvedSound = "Bitmaps\\Garden2\\LOG\\Ani\\p_0_v";
constexpr int kRowLeft = 100;
constexpr int kColumnWidth = 80;
constexpr int kDropTop = 95;
constexpr int kDropBottom = 210;

int ColumnX(int column) {
  return kRowLeft + kColumnWidth * column;
}

// A picture of the row in its question look ('P') or its solved look ('V').
ScriptedAnimationControl* Picture(int picture, char look, int column) {
  const std::string name =
      "P_" + std::to_string(picture) + "_" + look + "_" + std::to_string(column);
  return ScriptedAnimation(name.c_str());
}

std::string PieceName(int piece) {
  return Numbered("P", piece);
}

Control* Piece(int piece) {
  return ScriptedControl(PieceName(piece).c_str());
}

// Shows a picture at its column and plays it; only the first of a row is heard.
void Show(ScriptedAnimationControl* picture, int column, const char* sound) {
  if (!picture) return;
  picture->SetPosition(ColumnX(column), 0);
  picture->LoadSound(sound);
  picture->SetFrame(0);
  picture->Speak("", false);
}

}  // namespace

void PictureSeries::LoadScene() {
  rows_ = ReadSeriesFile();
  MiniGame::LoadScene();
}

void PictureSeries::NewRow() {
  const int previous = row_;
  do {
    row_ = Random().Below(static_cast<int>(rows_.size()));
  } while (row_ == previous);
  // The pictures of the last row go before the new ones hang in their places.
  for (int picture = 0; picture < SeriesRow::kPictures; ++picture) {
    for (int column = 0; column < SeriesRow::kColumns; ++column) {
      for (char look : {'P', 'V'}) {
        if (Control* shown = Picture(picture, look, column)) shown->SetFlags(kCfHidden);
      }
    }
  }
  const SeriesRow& row = rows_[row_];
  const char* sound = kQuestionSound;
  for (int column = 0; column < SeriesRow::kColumns; ++column) {
    if (column == row.gap) {
      drop_ = {ColumnX(column), kDropTop, ColumnX(column) + kColumnWidth, kDropBottom};
      continue;
    }
    Show(Picture(row.pictures[column], 'P', column), column, sound);
    sound = "";
  }
  Engine().SetDebugText("Count = 1");
  Ask();
}

void PictureSeries::Ask() {
  // The drop rectangle includes its right and bottom edges.
  const platform::Rect drop{drop_.left, drop_.top, drop_.right + 1, drop_.bottom + 1};
  Asked(trace::DragToRect(rows_[row_].answer, drop));
}

void PictureSeries::OnGameMessage(int32_t message, intptr_t /*param*/, bool* unconsumed) {
  switch (message) {
    case kMsgLeftDown:
      if (Dragging()) {
        if (!Speaking()) PutDown();
      } else if (TakesAnswer(*unconsumed)) {
        const int piece = HitMapValue(Engine().MouseX(), Engine().MouseY());
        if (piece < SeriesRow::kPictures) PickUp(piece);
      }
      return;
    case kMsgLeftUp:
      // A piece held down and let go over the gap is put there too.
      if (Dragging() && !Speaking() && OverGap(Engine().MouseX(), Engine().MouseY())) {
        PutDown();
      }
      return;
    case kMsgMouseMoved:
      if (Dragging()) Follow();
      return;
    default:
      return;
  }
}

bool PictureSeries::OverGap(int x, int y) const {
  // Bounds included on every side.
  return x >= drop_.left && x <= drop_.right && y >= drop_.top && y <= drop_.bottom;
}

void PictureSeries::PickUp(int piece) {
  Control* control = Piece(piece);
  if (!control) return;
  piece_ = piece;
  Follow();
  MoveControl(control->GetId(), ControlList::kCapacity);
}

void PictureSeries::Follow() {
  Control* control = Piece(piece_);
  if (!control) return;
  int w = 0;
  int h = 0;
  control->GetSize(&w, &h);
  control->SetPosition(Engine().MouseX() - w / 2, Engine().MouseY() - h / 2);
}

void PictureSeries::PutDown() {
  const int piece = piece_;
  piece_ = -1;
  const ScreenScript& script = *State().screen;
  if (const int entry = script.FindEntry(PieceName(piece)); entry >= 0) {
    if (Control* control = Piece(piece)) {
      control->SetPosition(script.Entry(entry).x, script.Entry(entry).y);
    }
  }
  if (!OverGap(Engine().MouseX(), Engine().MouseY())) return;
  const Verdict verdict = Count(piece == rows_[row_].answer);
  if (verdict == Verdict::kPraise || verdict == Verdict::kWin) ShowSolution();
  SpeakVerdict(verdict);
}

void PictureSeries::ShowSolution() {
  const SeriesRow& row = rows_[row_];
  const char* sound = kSolvedSound;
  for (int column = 0; column < SeriesRow::kColumns; ++column) {
    if (column == row.gap) {
      Show(Picture(row.answer, 'V', column), column, "");
      continue;
    }
    if (ScriptedAnimationControl* question = Picture(row.pictures[column], 'P', column)) {
      question->SetFrame(0);
      question->SetFlags(kCfHidden);
    }
    Show(Picture(row.pictures[column], 'V', column), column, sound);
    sound = "";
  }
}

}  // namespace rufo
