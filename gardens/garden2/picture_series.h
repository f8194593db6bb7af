#pragma once

#include <vector>

#include "game/mini_game.h"
#include "game/scene_kit.h"
#include "gardens/garden2/series_file.h"

namespace rufo {

// LOG: a row of five pictures hangs on a line with one gap; the child drags the missing
// picture from the five pieces below into the gap. A drop in the gap is judged; a drop
// elsewhere counts for nothing; either way the piece goes back to its place. A right picture
// turns the row into its solved look. The rows come from the series file, never the same row
// twice in a row.
class PictureSeries final : public MiniGame {
 public:
  PictureSeries() : MiniGame(kScreenPictureSeries) {}

  const std::vector<SeriesRow>& Rows() const { return rows_; }
  // The row shown now (-1 before the first), the gap's drop rectangle, the piece carried.
  int Row() const { return row_; }
  const ScreenRect& Drop() const { return drop_; }
  bool Dragging() const { return piece_ >= 0; }

 private:
  void LoadScene() override;
  void Resume() override { NewRow(); }
  void PoseQuestion() override { NewRow(); }
  void AfterCorrection() override { Ask(); }
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void NewRow();
  void Ask();
  void PickUp(int piece, int x, int y);
  // Whether a place is in the gap, right and bottom edges included.
  bool OverGap(int x, int y) const;
  void Follow(int x, int y);
  // The piece is put down where the mouse is: judged inside the gap, then put back.
  void PutDown(int x, int y);
  void ShowSolution();

  std::vector<SeriesRow> rows_;
  int row_ = -1;
  int piece_ = -1;
  ScreenRect drop_;
};

}  // namespace rufo
