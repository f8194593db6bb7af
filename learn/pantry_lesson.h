#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/row_file.h"
#include "learn/learning_screen.h"

namespace rufo {

// The pantry lesson: three shelves of five places ("I00" to "I24"), each row with a gap. RUFO
// says what each gap needs; the child clicks that thing in the crate (hit-map values 0 to 5),
// which then follows the mouse ("I_ON_MOUSE"), and clicks the gap to put it there, or holds the
// button down from the crate and lets it go over the gap. A wrong thing gets "BAD" and a
// correction. When the third shelf is tidy, "GOOD" plays, the pot's lid jumps ("POKLICE"), a
// surprise pops out ("CERT", "ZABA", "PRASE" or "MROZ"), the pot bubbles again ("START"), RUFO
// praises the child and three new shelves follow.
//
// The rows come from "Data\LearnG\Log\log.dat": five places (-1 for the gap), then the thing
// that fills the gap. A row no shelf can show is left out with a log line; fewer than
// kRowsNeeded rows end the game.
class PantryLesson final : public LearningScreen {
 public:
  static constexpr int kShelves = 3;
  static constexpr int kSlots = 5;
  static constexpr int kItems = 6;
  // The file's rows that a lesson may ever show: start rows go up to 18, with two more below.
  static constexpr size_t kRowsNeeded = 21;
  static constexpr size_t kMaxRows = 30;

  void Build() override;
  void OnMessage(const Input& input, bool* unconsumed) override;

  int StartRow() const { return start_; }
  // The shelf whose gap is being filled (0 to 2), or kShelves once all three are tidy.
  int CurrentShelf() const { return shelf_; }
  // The thing that fills the gap of shelf `s`.
  int Answer(int s) const;
  const std::string& GapControl(int s) const { return gaps_[s]; }

 private:
  enum class Phase { kLid, kSurprise, kBubbling };

  void OnLearningEvent(Control* control, int32_t event) override;

  void SetUpShelves();
  void NextStartRow();
  void Announce(int shelf);
  // Inside the current shelf's gap control (left and top inclusive).
  bool OverGap(int x, int y) const;
  void Drop(int x, int y);
  void Check(int item);
  void SurpriseEnded();

  std::vector<RowFileLine> rows_;
  int start_ = 0;
  int shelf_ = 0;
  std::array<std::string, kShelves> gaps_;
  Phase phase_ = Phase::kLid;
  bool dragging_ = false;
};

// The rows of the pantry file that a shelf can show; every other line but a blank one goes to
// leftOut, with the reason.
std::vector<RowFileLine> ShelfRows(const std::vector<RowFileLine>& lines,
                                   std::vector<LeftOutLines>* leftOut);

}  // namespace rufo
