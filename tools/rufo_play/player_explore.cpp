// Exploring: a restless child at the mouse, who tries the toolbar, walks, deletes and makes
// profiles, clicks during speeches and drops things anywhere; and the watch for a screen that
// no longer answers anything the child does.
#include <functional>

#include "tools/rufo_play/player.h"

namespace rufo::play {
namespace {

// After this much game time without news the explorer sweeps the whole screen; a screen that
// stays quiet through a whole sweep begun then, until kStuckMs, is a trap.
constexpr uint32_t kSweepAfterMs = 40000;
constexpr uint32_t kStuckMs = 60000;
constexpr uint32_t kSweepPause = 250;
// How long the yes/no bubble may take to answer the pointer after the click that asks: its
// answers are deaf while the question is said.
constexpr uint32_t kBubbleWait = 4000;
constexpr uint32_t kFinishLimit = 30000;
constexpr const char* kStartGo = "Sounds\\Start\\sp_go";

// The main scene of GardenN, as --garden N names it.
constexpr int GardenScene(int n) {
  return ((n + 1) << 8) | 1;
}

}  // namespace

void Player::Explore() {
  if (!ChooseChild()) return;
  const int scene = GardenScene(options_.garden);
  if (options_.garden && (!FindGarden(scene) || !View(scene).Made())) {
    report_.unreachable.push_back(Describe(scene) + ": the garden is not made");
    Quit();
    return;
  }
  const uint32_t until = link_.NowMs() + options_.exploreMs;
  while (!stopped_ && link_.NowMs() < until) {
    ExploreStep();
    if (!CheckStuck()) return;
  }
  FinishExplore();
}

void Player::ExploreStep() {
  std::uniform_int_distribution<int> percent(0, 99);
  const int roll = percent(random_);
  const ScreenView view = View(screen_);
  const std::vector<int> regions = view.Regions();
  auto anyRegion = [&]() -> std::optional<Point> {
    if (regions.empty()) return std::nullopt;
    std::uniform_int_distribution<size_t> pick(0, regions.size() - 1);
    std::string ignored;
    return view.Region(regions[pick(random_)], &ignored);
  };
  auto anyToolbarItem = [&] {
    return std::uniform_int_distribution<int>(kHelp, kEndQuestion)(random_);
  };
  expectGood_.reset();
  pressedOnToolbar_ = false;
  if (OutsideGarden()) {
    ReturnToGarden();
  } else if (screen_ == kScreenStart) {
    ExploreStart(roll);
  } else if (screen_ == kScreenAlbum) {
    roll < 70 ? Click(FreePoint(view)) : ClickAnywhere();
  } else if (screen_ == kScreenEnd) {
    if (AnswerDialogYes(120000) &&
        Arrive(kScreenCredits, 20000, "yes to the end question on the End screen")) {
      LeaveCredits();
    }
  } else if (screen_ == kScreenCredits) {
    LeaveCredits();
  } else if (FindGarden(screen_)) {
    if (roll < 25) {
      if (options_.garden) {
        ClickAnywhere();
      } else {
        Walk(roll % 2 ? 1 : -1);
      }
    } else if (roll < 60) {
      const std::vector<std::string> controls = view.ClickableControls();
      if (!controls.empty()) {
        ClickControl(
            view, controls[std::uniform_int_distribution<size_t>(0, controls.size() - 1)(random_)]);
      }
    } else if (roll < 70) {
      if (std::optional<Point> point = anyRegion()) Click(*point);
    } else if (roll < 78) {
      ClickAnywhere();
    } else if (roll < 82) {
      StrayDrag(view);
    } else if (roll < 95) {
      ExploreToolbar(anyToolbarItem());
    }
  } else {
    std::string ignored;
    const std::optional<Gesture> answer =
        question_ ? PlanAnswer(*question_, roll < 30, view, &ignored) : std::nullopt;
    if (answer && roll < 45) {
      // A press since the question that has no verdict yet is judged first: this one is not.
      if (pressedAt_ <= questionAt_ || answeredAt_ >= pressedAt_) expectGood_ = roll < 30;
      Perform(*answer);
    } else if (roll < 60) {
      if (std::optional<Point> point = anyRegion()) Click(*point);
    } else if (roll < 68) {
      const std::optional<Point> from = anyRegion();
      const std::optional<Point> to = anyRegion();
      if (from && to) Perform({Gesture::Kind::kDrag, *from, *to});
    } else if (roll < 74) {
      StrayDrag(view);
    } else if (roll < 82) {
      ClickAnywhere();
    } else if (roll < 92) {
      ExploreToolbar(roll < 87 ? kBack : anyToolbarItem());
    }
  }
  // A press meant for something else may have hit the toolbar's end question (a control may
  // lie under the toolbar): a child sees the bubble and says no.
  if (pressedOnToolbar_) AnswerDialogIfUp(false, kBubbleWait);
  // Now and then the next thing comes at once, while whatever the last one started still runs.
  const bool hasty = percent(random_) < 25;
  Step(std::uniform_int_distribution<uint32_t>(hasty ? 50 : 300, hasty ? 300 : 2500)(random_));
}

void Player::ExploreStart(int roll) {
  const ScreenView view = View(kScreenStart);
  std::string ignored;
  const int slot = std::uniform_int_distribution<int>(0, 3)(random_);
  const std::optional<Point> face = view.Region(kFaceRegion + slot, &ignored);
  if (roll < 25) {
    // The next face picture, on a slot nobody plays in.
    if (!face) return;
    Click(*face);
    if (!slots_[slot].inUse) slots_[slot].face = true;
  } else if (roll < 40) {
    const std::optional<Point> wipe = view.Region(kDeleteRegion + slot, &ignored);
    if (!wipe) return;
    Click(*wipe);
    const bool yes = roll % 2 == 0;
    if (AnswerDialogIfUp(yes, kBubbleWait) && yes) slots_[slot] = {};
  } else if (roll < 75) {
    // The cap onto a face that shows a picture; a free slot gets one first when none does.
    int target = -1;
    for (int s = 0; s < 4; ++s) {
      if (slots_[(slot + s) % 4].face) target = (slot + s) % 4;
    }
    if (target < 0) {
      for (int s = 0; s < 4 && target < 0; ++s) {
        if (!slots_[(slot + s) % 4].inUse) target = (slot + s) % 4;
      }
      if (target < 0) return;
      if (std::optional<Point> point = view.Region(kFaceRegion + target, &ignored)) {
        Click(*point);
        slots_[target].face = true;
      }
    }
    const std::optional<Point> cap = view.Control(kCap, &ignored);
    const std::optional<Point> onto = view.Region(kFaceRegion + target, &ignored);
    if (!cap || !onto) return;
    const uint32_t since = link_.NowMs();
    Click(*cap);
    Step(200);
    Click(*onto);
    Step(300);
    if (Said(kStartGo, since)) {
      slots_[target].inUse = true;
    }
  } else {
    ClickAnywhere();
  }
}

void Player::ExploreToolbar(int item) {
  UseToolbar(item);
  pressedOnToolbar_ = false;
  // The end question is said no to: yes ends the game, which the run keeps for its end.
  if (item == kEndQuestion) AnswerDialogIfUp(false, kBubbleWait);
}

void Player::ClickAnywhere() {
  // Kept in one garden, the child does not stray to its edges, where a press walks on.
  const bool edges = !options_.garden || !FindGarden(screen_);
  const int left = edges ? 0 : kWalkLeftBelow;
  const int right = edges ? RegionMap::kWidth - 1 : kWalkRightFrom - 1;
  const int clicks = std::uniform_int_distribution<int>(1, 3)(random_);
  for (int i = 0; i < clicks; ++i) {
    const Point point{std::uniform_int_distribution<int>(left, right)(random_),
                      std::uniform_int_distribution<int>(0, RegionMap::kHeight - 1)(random_)};
    Click(point);
    Step(std::uniform_int_distribution<uint32_t>(50, 400)(random_));
  }
}

void Player::StrayDrag(const ScreenView& view) {
  const std::vector<int> regions = view.Regions();
  std::string ignored;
  const std::optional<Point> from =
      regions.empty()
          ? std::nullopt
          : view.Region(
                regions[std::uniform_int_distribution<size_t>(0, regions.size() - 1)(random_)],
                &ignored);
  if (!from) return;
  const Point to{std::uniform_int_distribution<int>(0, RegionMap::kWidth - 1)(random_),
                 std::uniform_int_distribution<int>(0, RegionMap::kHeight - 1)(random_)};
  Perform({Gesture::Kind::kDrag, *from, to});
}

bool Player::OutsideGarden() const {
  if (!options_.garden) return false;
  const int family = screen_ >> 8;
  if (family < 1 || family > 7) return false;  // the Start screen, the album, ...
  if (family == options_.garden + 1) return false;
  // The lessons are where the garden's games send a child who needs them.
  return FindGarden(screen_) || FindGame(screen_);
}

void Player::ReturnToGarden() {
  if (FindGarden(screen_)) {
    WalkTo(GardenScene(options_.garden));
    return;
  }
  const int here = screen_;
  UseToolbar(kBack);
  WaitFor([&] { return screen_ != here; }, 3000);
}

bool Player::Sweep() {
  const uint64_t before = watch_.NewsCount();
  const int here = screen_;
  const ScreenView view = View(here);
  std::vector<std::function<void()>> tries;
  auto click = [this](Point point) {
    return [this, point] {
      Click(point);
      Step(kSweepPause);
    };
  };
  // An open bubble takes every click: it is answered first, and after whatever may open one.
  auto closeBubble = [this] { AnswerDialogIfUp(false, kBubbleWait); };
  tries.push_back(closeBubble);
  std::string ignored;
  for (int value : view.Regions()) {
    if (std::optional<Point> point = view.Region(value, &ignored)) tries.push_back(click(*point));
    if (here == kScreenStart && value >= kDeleteRegion && value < kDeleteRegion + 4)
      tries.push_back(closeBubble);
  }
  if (here == kScreenStart) {
    const std::optional<Point> cap = view.Control(kCap, &ignored);
    for (int slot = 0; slot < 4 && cap; ++slot) {
      if (std::optional<Point> face = view.Region(kFaceRegion + slot, &ignored)) {
        tries.push_back(click(*cap));
        tries.push_back(click(*face));
      }
    }
  }
  for (const std::string& name : view.ClickableControls()) {
    tries.push_back([this, &view, name] {
      ClickControl(view, name);
      Step(kSweepPause);
    });
  }
  if (question_) {
    if (std::optional<Gesture> answer = PlanAnswer(*question_, true, view, &ignored)) {
      tries.push_back([this, gesture = *answer] {
        Perform(gesture);
        Step(kSweepPause);
      });
    }
  }
  for (int direction : {1, -1}) {
    if (std::optional<Point> spot = view.Free(WalkEdge(direction))) tries.push_back(click(*spot));
  }
  // The help last, twice: while it speaks, a toolbar button only silences it.
  for (int item : {kBack, kToStart, kToAlbum, kEndQuestion, kHelp, kHelp}) {
    tries.push_back([this, item] { UseToolbar(item); });
    if (item == kEndQuestion) tries.push_back(closeBubble);
  }
  tries.push_back(click(FreePoint(view)));
  for (const std::function<void()>& attempt : tries) {
    attempt();
    if (stopped_ || watch_.NewsCount() != before) return true;
  }
  return false;
}

bool Player::CheckStuck() {
  if (stopped_ || watch_.QuietMs(link_.NowMs()) < kSweepAfterMs || Sweep()) return true;
  if (watch_.QuietMs(link_.NowMs()) < kStuckMs) return true;
  Problem("stuck on " + ScreenText(screen_) + " at " + std::to_string(link_.NowMs()));
  Quit();
  return false;
}

void Player::FinishExplore() {
  // Back to a main scene, where the toolbar asks the end question.
  const uint32_t until = link_.NowMs() + kFinishLimit;
  bool up = false;
  while (!up && !stopped_ && link_.NowMs() < until && screen_ != kScreenStart &&
         screen_ != kScreenEnd && screen_ != kScreenCredits) {
    // A screen asked for by the last click comes first.
    Step(1000);
    const int here = screen_;
    if (FindGarden(here)) {
      UseToolbar(kEndQuestion);
      up = PointAtAnswer(true, kBubbleWait);
    } else if (here == kScreenAlbum) {
      Click(FreePoint(View(here)));
    } else {
      UseToolbar(kBack);
    }
  }
  if (stopped_) return;
  if (!up) {
    if (FindGarden(screen_)) Problem("the end question did not come up on " + Describe(screen_));
    Quit();
    return;
  }
  const std::string where = Describe(screen_);
  Click(kDialogYes);
  if (!Arrive(kScreenHub, 10000, "yes to the end question on " + where)) {
    Quit();
    return;
  }
  actedOn_ = kScreenHub;
  if (!Arrive(kScreenCredits, 60000, "the farewell in the learning garden")) {
    Quit();
    return;
  }
  LeaveCredits();
}

}  // namespace rufo::play
