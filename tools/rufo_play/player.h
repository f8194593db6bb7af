#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tools/rufo_play/answer_plan.h"
#include "tools/rufo_play/data_tree.h"
#include "tools/rufo_play/game_link.h"
#include "tools/rufo_play/report.h"
#include "tools/rufo_play/screen_view.h"
#include "tools/rufo_play/stuck_watch.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {

enum class Mode { kWinAll, kLoseAll, kExplore };

struct PlayOptions {
  Mode mode = Mode::kWinAll;
  uint32_t seed = 1;
  uint32_t exploreMs = 60000;  // game time the explore mode plays
  int garden = 0;              // 1 to 6 plays only that garden's games; 0 all
  std::string traceCopy;       // where to keep the game's trace of the run ("" keeps none)
};

// Plays the game through a link as a child would: it decides every click from what the trace
// says and from the data tree's screen scripts and hit maps.
class Player {
 public:
  Player(GameLink& link, DataTree& data, PlayOptions options);
  // Plays the mode to its end and reports. The game has ended when this returns.
  Report Play();

 private:
  // Watching the trace.
  void Step(uint32_t ms);
  void Digest(const TraceEvent& event);
  // Plays on in short steps until `done` holds; false after `limitMs` of game time, or at once
  // when the game has stopped.
  bool WaitFor(const std::function<bool()>& done, uint32_t limitMs);
  // Waits for the screen after an action; a problem naming `cause` when another screen comes
  // or none does.
  bool Arrive(int id, uint32_t limitMs, const std::string& cause);
  bool Said(const std::string& name, uint32_t sinceMs) const;
  bool Stopped() const { return stopped_; }
  void Problem(const std::string& text);

  // The hand.
  void MoveTo(Point point);
  // Holds the left button down where the mouse is.
  void Press();
  void Click(Point point);
  void Perform(const Gesture& gesture);
  // Clicks the named control of the current screen; false (with a problem) when it cannot.
  bool ClickControl(const ScreenView& view, const std::string& name);
  bool UseToolbar(int item);
  ScreenView View(int id);
  Point FreePoint(const ScreenView& view);

  // The screens every play goes through.
  bool ChooseChild();
  // On the Start screen: picks a face for a free slot (the first time) and puts the cap on it.
  bool PutOnCap();
  // Points at the answers of the yes/no bubble until one speaks, then at the one to choose;
  // false when the bubble is not up within `limitMs`.
  bool PointAtAnswer(bool yes, uint32_t limitMs);
  bool AnswerDialogYes(uint32_t limitMs);
  // Answers the bubble when it comes up within `limitMs`; false when it did not.
  bool AnswerDialogIfUp(bool yes, uint32_t limitMs);
  bool PlayEnd();
  bool LeaveCredits();
  // Ends the play: through the end question and the Credits where the learning garden is made,
  // else with F12.
  void Finish();
  void Quit();

  // The gardens.
  bool Walk(int direction);
  bool WalkTo(int sceneId);
  bool EnterGame(const GameRow& game);
  // Answers the game's questions, right or wrong, until it leaves the game's screen.
  bool AnswerUntilLeft(const GameRow& game, bool right);
  bool LeaveAlbum();
  bool PlayLesson(const GameRow& game);
  // Plays a lesson's rounds: each time it opens for a choice (its question line), one of the
  // regions it offers is clicked, and the round ends when it opens again. False when it never
  // opened.
  bool PlayLessonRounds();
  // The gardens and games the data tree has, noting those it lacks.
  std::vector<const GameRow*> GamesMade();

  // The modes.
  // Walks right round the ring back to the start, then one step left and back.
  bool WalkRing();
  void WinAll();
  void LoseAll();
  void Explore();
  void ExploreStep();
  // What a restless child does on the Start screen: faces, deleting, the cap, stray clicks.
  void ExploreStart(int roll);
  // A toolbar button, the end question answered no when it comes.
  void ExploreToolbar(int item);
  void ClickAnywhere();
  // A piece dragged from a region to wherever the hand happens to let go.
  void StrayDrag(const ScreenView& view);
  // With --garden: back into the garden from wherever the play has led.
  bool OutsideGarden() const;
  void ReturnToGarden();
  // Tries everything the screen and the toolbar offer, until one thing makes news; false when
  // nothing did.
  bool Sweep();
  // A sweep once the game has been quiet a while; a problem when it stays quiet.
  bool CheckStuck();
  // The run's end: yes to the end question on a main scene, the farewell and the Credits.
  void FinishExplore();

  GameLink& link_;
  DataTree& data_;
  PlayOptions options_;
  Report report_;
  std::mt19937 random_;

  int screen_ = -1;
  int previous_ = -1;
  int actedOn_ = -1;  // the screen the hand last acted on
  std::vector<TraceEvent> speeches_;
  std::optional<ExpectedAnswer> question_;  // the open question, if any
  std::string shownMask_;  // the hit map the screen's diagnostic line names, if any
  uint32_t questionAt_ = 0;
  uint32_t answeredAt_ = 0;
  std::optional<bool> expectGood_;  // the verdict the last answer given should get
  std::vector<int> stickers_;
  StuckWatch watch_;
  // The Start screen as the explorer left it: which slots show a face, which one plays.
  struct Slot {
    bool face = false;
    bool inUse = false;
  };
  std::array<Slot, 4> slots_{};
  bool childChosen_ = false;
  bool stopped_ = false;
  bool finishing_ = false;  // the player itself is ending the game
  uint32_t lastEventMs_ = 0;
  uint32_t screenAt_ = 0;          // when the current screen was built
  uint32_t pressedAt_ = 0;         // when the button last went down
  Point pointer_;                  // where the pointer is
  bool pressedOnToolbar_ = false;  // a press has come down on the toolbar's strip
};

}  // namespace rufo::play
