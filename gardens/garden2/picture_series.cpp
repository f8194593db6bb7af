#include "gardens/garden2/picture_series.h"

#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

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
void ShowAt(ScriptedAnimationControl* picture, int column, const char* sound) {
  MoveTo(picture, ColumnX(column), 0);
  ChooseSound(picture, sound);
  PlayFromStart(picture);
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
        Hide(Picture(picture, look, column));
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
    ShowAt(Picture(row.pictures[column], 'P', column), column, sound);
    sound = "";
  }
  SetDebugText("Count = 1");
  Ask();
}

void PictureSeries::Ask() {
  // The drop rectangle includes its right and bottom edges.
  const ScreenRect drop{drop_.left, drop_.top, drop_.right + 1, drop_.bottom + 1};
  Asked(trace::DragToRect(rows_[row_].answer, drop));
}

void PictureSeries::OnGameMessage(const Input& input, bool* unconsumed) {
  switch (input.message) {
    case kMsgLeftDown:
      if (Dragging()) {
        if (!Speaking()) PutDown(input.x, input.y);
      } else if (TakesAnswer(*unconsumed)) {
        const int piece = input.region;
        if (piece < SeriesRow::kPictures) PickUp(piece, input.x, input.y);
      }
      return;
    case kMsgLeftUp:
      // A piece held down and let go over the gap is put there too.
      if (Dragging() && !Speaking() && OverGap(input.x, input.y)) PutDown(input.x, input.y);
      return;
    case kMsgMouseMoved:
      if (Dragging()) Follow(input.x, input.y);
      return;
    default:
      return;
  }
}

bool PictureSeries::OverGap(int x, int y) const {
  // Bounds included on every side.
  return x >= drop_.left && x <= drop_.right && y >= drop_.top && y <= drop_.bottom;
}

void PictureSeries::PickUp(int piece, int x, int y) {
  Control* control = Piece(piece);
  if (!control) return;
  piece_ = piece;
  Follow(x, y);
  ToTop(control);
}

void PictureSeries::Follow(int x, int y) {
  CentreOn(Piece(piece_), x, y);
}

void PictureSeries::PutDown(int x, int y) {
  const int piece = piece_;
  piece_ = -1;
  MoveHome(Piece(piece));
  if (!OverGap(x, y)) return;
  const Verdict verdict = Count(piece == rows_[row_].answer);
  if (verdict == Verdict::kPraise || verdict == Verdict::kWin) ShowSolution();
  SpeakVerdict(verdict);
}

void PictureSeries::ShowSolution() {
  const SeriesRow& row = rows_[row_];
  const char* sound = kSolvedSound;
  for (int column = 0; column < SeriesRow::kColumns; ++column) {
    if (column == row.gap) {
      ShowAt(Picture(row.answer, 'V', column), column, "");
      continue;
    }
    ScriptedAnimationControl* question = Picture(row.pictures[column], 'P', column);
    SetFrame(question, 0);
    Hide(question);
    ShowAt(Picture(row.pictures[column], 'V', column), column, sound);
    sound = "";
  }
}

}  // namespace rufo
