#pragma once

#include <vector>

#include "game/mini_game.h"
#include "game/scene_kit.h"
#include "gardens/garden6/grid_file.h"

namespace rufo {

// LOG: a 3 × 3 grid of pictures with one gap, under a lid. The lid opens, the child carries one
// of four pieces into the gap, and the lid closes over the grid while RUFO judges. After a
// praise the lid opens over another grid, after a correction over the same one.
class PictureGrids final : public MiniGame {
 public:
  // The first grid comes from the first ten of the file, later ones from the first 24.
  static constexpr int kFirstGrids = 10;

  PictureGrids() : MiniGame(kScreenPictureGrids) {}

  int Current() const { return current_; }
  const PictureGrid& Grid() const { return grids_[current_]; }
  const ScreenRect& Gap() const { return gap_; }
  bool Carrying() const { return dragging_; }

 private:
  void LoadScene() override;
  void Prepare() override;
  void Resume() override { OpenLid(); }
  void PoseQuestion() override { OpenLid(); }
  void AfterPraise() override;
  void AfterCorrection() override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;

  void ShowGrid();
  void OpenLid();
  void LidMoved();
  // The press takes the piece it was on.
  void PickUp(const Input& press);
  void CarryTo(int x, int y);
  void PutDown(int x, int y);

  std::vector<PictureGrid> grids_;
  int current_ = 0;
  ScreenRect gap_;  // where the gap's cell lies, right and bottom included
  bool dragging_ = false;
  int piece_ = 0;
  ScreenPoint pickedAt_;
  bool answered_ = false;  // the lid closed over an answer, judged when it has closed
  Verdict verdict_ = Verdict::kPraise;
};

}  // namespace rufo
