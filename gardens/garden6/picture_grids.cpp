#include "gardens/garden6/picture_grids.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "controls/bitmap_control.h"
#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/game_random.h"
#include "game/game_state.h"

namespace rufo {
namespace {

constexpr const char* kLidCloses = "Bitmaps\\Garden6\\Log\\ani\\open_b";
constexpr int kMarks = 5;

std::string CellName(int row, int column) {
  return "KI" + std::to_string(row) + std::to_string(column);
}
BitmapControl* Cell(int row, int column) {
  return dynamic_cast<BitmapControl*>(ScriptedControl(CellName(row, column).c_str()));
}
std::string PieceName(int piece) {
  return Numbered("I", piece);
}

// How many pictures every cell can show: the shortest strip of the nine.
int StripPictures() {
  int pictures = INT_MAX;
  for (int row = 0; row < kGridSize; ++row) {
    for (int column = 0; column < kGridSize; ++column) {
      if (const BitmapControl* cell = Cell(row, column)) {
        pictures = std::min(pictures, cell->GetFrameCount());
      }
    }
  }
  return pictures;
}

// Plays the lid's own opening, or another script on it; false when it does not play.
bool MoveLid(const char* script) {
  ScriptedAnimationControl* lid = ScriptedAnimation("OPEN");
  if (!lid) return false;
  lid->Speak(script, false);
  return lid->IsPlaying();
}

}  // namespace

void PictureGrids::LoadScene() {
  MiniGame::LoadScene();
  grids_ = ReadPictureGrids(StripPictures());
}

void PictureGrids::Prepare() {
  const int previous = current_;
  do {
    current_ = Random().Below(kFirstGrids);
  } while (current_ == previous);
  if (Control* lid = ScriptedControl("OPEN")) lid->ClearFlags(kCfHidden);
  ShowGrid();
}

void PictureGrids::ShowGrid() {
  const PictureGrid& grid = Grid();
  for (int row = 0; row < kGridSize; ++row) {
    for (int column = 0; column < kGridSize; ++column) {
      BitmapControl* cell = Cell(row, column);
      if (!cell) continue;
      cell->SetFlags(kCfHidden);
      const int picture = grid.pictures[row][column];
      if (row == grid.gapRow && column == grid.gapColumn) {
        int w = 0, h = 0;
        cell->GetSize(&w, &h);
        gap_ = {cell->Position().x, cell->Position().y, cell->Position().x + w,
                cell->Position().y + h};
      } else {
        cell->SetCurrentFrame(picture);
        cell->ClearFlags(kCfHidden);
      }
    }
  }
}

void PictureGrids::OpenLid() {
  if (!MoveLid("")) LidMoved();
}

// The lid has opened over a grid (the question is open) or closed over an answer (judged now).
void PictureGrids::LidMoved() {
  if (!answered_) {
    Asked(trace::DragToRect(Grid().answer, gap_));
    return;
  }
  SpeakVerdict(verdict_);
}

void PictureGrids::AfterPraise() {
  answered_ = false;
  const int previous = current_;
  do {
    current_ = Random().Below(kGridsUsed);
  } while (current_ == previous);
  ShowGrid();
  OpenLid();
}

void PictureGrids::AfterCorrection() {
  answered_ = false;
  ShowGrid();
  OpenLid();
}

void PictureGrids::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, "OPEN", kEventAnimationEnd)) LidMoved();
}

void PictureGrids::OnGameMessage(int32_t message, intptr_t /*param*/, bool* unconsumed) {
  const int x = Engine().MouseX(), y = Engine().MouseY();
  if (!dragging_) {
    if (message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
    const int piece = HitMapValue(x, y);
    if (piece < kGridPieces) PickUp(piece);
    return;
  }
  if (message == kMsgMouseMoved) {
    CarryTo(x, y);
  } else if (message == kMsgLeftDown) {
    PutDown(x, y);
  } else if (message == kMsgLeftUp && HeldDragEnds(pickedAt_.x, pickedAt_.y, x, y)) {
    PutDown(x, y);
  }
}

void PictureGrids::PickUp(int piece) {
  dragging_ = true;
  piece_ = piece;
  pickedAt_ = {Engine().MouseX(), Engine().MouseY()};
  if (Control* carried = ScriptedControl(PieceName(piece).c_str())) carried->ClearFlags(kCfHidden);
  CarryTo(pickedAt_.x, pickedAt_.y);
}

void PictureGrids::CarryTo(int x, int y) {
  Control* carried = ScriptedControl(PieceName(piece_).c_str());
  if (!carried) return;
  int w = 0, h = 0;
  carried->GetSize(&w, &h);
  carried->SetPosition(x - w / 2, y - h / 2);
}

// Outside the gap the piece is only let go; inside, the lid closes over the answer.
void PictureGrids::PutDown(int x, int y) {
  dragging_ = false;
  if (Control* carried = ScriptedControl(PieceName(piece_).c_str())) carried->SetFlags(kCfHidden);
  if (x < gap_.left || x > gap_.right || y < gap_.top || y > gap_.bottom) return;
  const PictureGrid& grid = Grid();
  const bool good = piece_ == grid.answer;
  if (good) {
    if (BitmapControl* cell = Cell(grid.gapRow, grid.gapColumn)) {
      cell->SetCurrentFrame(grid.answer);
      cell->ClearFlags(kCfHidden);
    }
  }
  verdict_ = Count(good);
  AllowAnswer(false);
  answered_ = true;
  for (int mark = 0; mark < kMarks; ++mark) {
    if (Control* control = ScriptedControl(("KI" + std::to_string(mark)).c_str())) {
      control->SetFlags(kCfHidden);
    }
  }
  if (!MoveLid(kLidCloses)) LidMoved();
}

}  // namespace rufo
