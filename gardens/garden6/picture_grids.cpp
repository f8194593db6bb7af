#include "gardens/garden6/picture_grids.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr const char* kLidCloses = "Bitmaps\\Garden6\\Log\\ani\\open_b";
constexpr int kMarks = 5;

std::string CellName(int row, int column) {
  return "KI" + std::to_string(row) + std::to_string(column);
}
BitmapControl* Cell(int row, int column) {
  return ScriptedBitmap(CellName(row, column));
}
std::string PieceName(int piece) {
  return Numbered("I", piece);
}

// How many pictures every cell can show: the shortest strip of the nine.
int StripPictures() {
  int pictures = INT_MAX;
  for (int row = 0; row < kGridSize; ++row) {
    for (int column = 0; column < kGridSize; ++column) {
      if (const BitmapControl* cell = Cell(row, column))
        pictures = std::min(pictures, FrameCount(cell));
    }
  }
  return pictures;
}

// Plays the lid's own opening, or another script on it; false when it does not play.
bool MoveLid(const char* script) {
  return Play(ScriptedAnimation("OPEN"), script);
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
  ShowControl("OPEN", true);
  ShowGrid();
}

void PictureGrids::ShowGrid() {
  const PictureGrid& grid = Grid();
  for (int row = 0; row < kGridSize; ++row) {
    for (int column = 0; column < kGridSize; ++column) {
      BitmapControl* cell = Cell(row, column);
      if (!cell) continue;
      Hide(cell);
      const int picture = grid.pictures[row][column];
      if (row == grid.gapRow && column == grid.gapColumn) {
        const ScreenPoint at = PositionOf(cell);
        const ControlSize size = SizeOf(cell);
        gap_ = {at.x, at.y, at.x + size.width, at.y + size.height};
      } else {
        SetFrame(cell, picture);
        Show(cell);
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

void PictureGrids::OnGameMessage(const Input& input, bool* unconsumed) {
  const int x = input.x, y = input.y;
  if (!dragging_) {
    if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
    if (input.region < kGridPieces) PickUp(input);
    return;
  }
  if (input.message == kMsgMouseMoved) {
    CarryTo(x, y);
  } else if (input.message == kMsgLeftDown) {
    PutDown(x, y);
  } else if (input.message == kMsgLeftUp && HeldDragEnds(pickedAt_.x, pickedAt_.y, x, y)) {
    PutDown(x, y);
  }
}

void PictureGrids::PickUp(const Input& press) {
  dragging_ = true;
  piece_ = press.region;
  pickedAt_ = {press.x, press.y};
  ShowControl(PieceName(piece_), true);
  CarryTo(pickedAt_.x, pickedAt_.y);
}

void PictureGrids::CarryTo(int x, int y) {
  CentreOn(ScriptedControl(PieceName(piece_).c_str()), x, y);
}

// Outside the gap the piece is only let go; inside, the lid closes over the answer.
void PictureGrids::PutDown(int x, int y) {
  dragging_ = false;
  ShowControl(PieceName(piece_), false);
  if (x < gap_.left || x > gap_.right || y < gap_.top || y > gap_.bottom) return;
  const PictureGrid& grid = Grid();
  const bool good = piece_ == grid.answer;
  if (good) {
    BitmapControl* cell = Cell(grid.gapRow, grid.gapColumn);
    SetFrame(cell, grid.answer);
    Show(cell);
  }
  verdict_ = Count(good);
  AllowAnswer(false);
  answered_ = true;
  for (int mark = 0; mark < kMarks; ++mark) {
    ShowControl("KI" + std::to_string(mark), false);
  }
  if (!MoveLid(kLidCloses)) LidMoved();
}

}  // namespace rufo
