// The gardens: walking between them, entering their games, answering, the album after a win
// and the lesson after a loss.
#include <algorithm>
#include <set>

#include "tools/rufo_play/player.h"

namespace rufo::play {
namespace {

constexpr uint32_t kWalkLimit = 3000;
// A new screen is built eleven ticks of 10 ms after it is asked for, at the first tick after a
// press at the earliest; built less than this after a press, it was asked for before the press.
constexpr uint32_t kScreenWaitMs = 110;
constexpr uint32_t kEnterLimit = 20000;
constexpr uint32_t kFirstTry = 500;
constexpr uint32_t kRetryGap = 2500;
constexpr int kMaxTries = 40;
constexpr uint32_t kQuestionLimit = 90000;
constexpr uint32_t kQuiet = 2000;
constexpr int kLessonRounds = 2;
// How long a lesson may take to open for its first choice, its introduction included.
constexpr uint32_t kLessonFirstQuestion = 40000;

int RingIndex(int sceneId) {
  const auto ring = Ring();
  for (size_t i = 0; i < ring.size(); ++i) {
    if (ring[i].scene.id == sceneId) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::vector<const GameRow*> Player::GamesMade() {
  std::vector<const GameRow*> games;
  for (const Garden& garden : Ring()) {
    if (options_.garden && garden.scene.id >> 8 != options_.garden + 1) continue;
    if (!View(garden.scene.id).Made()) {
      report_.missing.push_back(Describe(garden.scene.id) + ": " + garden.scene.scripts.front());
      continue;
    }
    for (const GameRow& game : garden.games) {
      if (View(game.place.id).Made()) {
        games.push_back(&game);
      } else {
        report_.missing.push_back(Describe(game.place.id) + ": " + game.place.scripts.front());
      }
    }
  }
  return games;
}

bool Player::Walk(int direction) {
  const int index = RingIndex(screen_);
  if (index < 0) {
    Problem("cannot walk from " + Describe(screen_));
    return false;
  }
  const int count = static_cast<int>(Ring().size());
  const int next = Ring()[(index + direction + count) % count].scene.id;
  const std::optional<Point> spot = View(screen_).Free(WalkEdge(direction));
  const std::string way = direction > 0 ? "right" : "left";
  if (!spot) {
    Problem("no free place at the " + way + " edge of " + Describe(screen_) + " to walk from");
    return false;
  }
  const int here = screen_;
  const std::string from = Describe(here);
  Click(*spot);
  // A press that came while the window was still busy is lost; a child presses again.
  if (!WaitFor([&] { return screen_ != here; }, kWalkLimit)) Click(*spot);
  // Exploring, an object clicked just before may have asked for its game already: a screen
  // built sooner after the press than the game's wait for a new screen was on its way, and the
  // press was lost, as a child's is while the screen changes.
  if (options_.mode == Mode::kExplore && screen_ != here && screen_ != next &&
      screenAt_ < pressedAt_ + kScreenWaitMs) {
    return false;
  }
  return Arrive(next, kWalkLimit, "walking " + way + " from " + from);
}

bool Player::WalkTo(int sceneId) {
  const int count = static_cast<int>(Ring().size());
  for (int walks = 0; walks < count && screen_ != sceneId; ++walks) {
    const int here = RingIndex(screen_);
    const int there = RingIndex(sceneId);
    if (here < 0 || there < 0) {
      Problem("cannot walk from " + Describe(screen_) + " to " + Describe(sceneId));
      return false;
    }
    const int right = (there - here + count) % count;
    if (!Walk(right <= count - right ? 1 : -1)) return false;
  }
  return screen_ == sceneId;
}

bool Player::EnterGame(const GameRow& game) {
  const int scene = GardenOf(game.place.id)->scene.id;
  if (!WalkTo(scene)) return false;
  if (!ClickControl(View(scene), game.enter)) return false;
  return Arrive(game.place.id, kEnterLimit,
                std::string("clicking ") + game.enter + " in " + Describe(scene));
}

bool Player::AnswerUntilLeft(const GameRow& game, bool right) {
  const int id = game.place.id;
  const ScreenView view = View(id);
  uint32_t seenQuestion = 0;
  uint32_t seenVerdict = answeredAt_;
  uint32_t nextTry = 0;
  uint32_t lastNews = link_.NowMs();
  int tries = 0;
  while (screen_ == id && !stopped_) {
    const uint32_t now = link_.NowMs();
    if (question_ && questionAt_ != seenQuestion) {
      seenQuestion = questionAt_;
      nextTry = std::max(now, questionAt_ + kFirstTry);
      lastNews = now;
      tries = 0;
    }
    if (answeredAt_ != seenVerdict) {
      seenVerdict = answeredAt_;
      nextTry = answeredAt_ + kRetryGap;
      lastNews = now;
      tries = 0;
    }
    if (question_ && now >= nextTry) {
      if (tries == kMaxTries) {
        Problem(Describe(id) + " did not judge any of " + std::to_string(tries) +
                " answers to the question " + question_->Text());
        return false;
      }
      std::string problem;
      const std::optional<Gesture> gesture = PlanAnswer(*question_, right, view, &problem);
      if (!gesture) {
        Problem(problem + " (to answer " + Describe(id) + "'s question " + question_->Text() + ")");
        return false;
      }
      expectGood_ = right;
      Perform(*gesture);
      ++tries;
      nextTry = link_.NowMs() + kRetryGap;
      continue;
    }
    if (!question_ && now > lastNews + kQuestionLimit) {
      Problem(Describe(id) + " posed no question for " + std::to_string(kQuestionLimit / 1000) +
              " s");
      return false;
    }
    Step(100);
  }
  expectGood_.reset();
  return !stopped_;
}

bool Player::LeaveAlbum() {
  const ScreenView album = View(kScreenAlbum);
  // The album takes the click once its new sticker has arrived.
  if (!WaitFor(
          [&] {
            Click(FreePoint(album));
            Step(900);
            return screen_ != kScreenAlbum;
          },
          30000)) {
    Problem("clicks did not leave the sticker album");
    return false;
  }
  return true;
}

bool Player::PlayLessonRounds() {
  uint32_t seen = 0;
  for (int round = 0; round <= kLessonRounds; ++round) {
    const bool asked = WaitFor([&] { return question_ && questionAt_ != seen; },
                               round == 0 ? kLessonFirstQuestion : kQuestionLimit);
    if (!asked) {
      if (round == 0) return false;
      // Listed, not failed: the lesson's own tests judge its rounds.
      report_.unreachable.push_back(Describe(screen_) + " rounds after " + std::to_string(round) +
                                    ": it did not open again for a choice");
      return true;
    }
    // The round before has come round to a new choice.
    if (round == kLessonRounds) return true;
    seen = questionAt_;
    // A lesson takes any of the regions it names: a child picks one.
    ExpectedAnswer choice = *question_;
    if (choice.form == ExpectedAnswer::Form::kHit && choice.values.size() > 1) {
      std::uniform_int_distribution<size_t> pick(0, choice.values.size() - 1);
      choice.values = {choice.values[pick(random_)]};
    }
    // The view of this round: a lesson may have changed its hit map.
    const ScreenView view = View(screen_);
    std::string problem;
    // A lesson may change its hit map between rounds: the view is taken afresh.
    const std::optional<Gesture> gesture = PlanAnswer(choice, true, View(screen_), &problem);
    if (!gesture) {
      Problem(problem + " (in " + Describe(screen_) + ", to choose " + question_->Text() + ")");
      return true;
    }
    Perform(*gesture);
  }
  return true;
}

bool Player::PlayLesson(const GameRow& game) {
  const int lesson = screen_;
  report_.AddLesson(lesson);
  const ScreenView view = View(lesson);
  if (!view.Made()) {
    const std::string missing = Describe(lesson) + ": " + view.Where().scripts.front();
    if (std::find(report_.missing.begin(), report_.missing.end(), missing) ==
        report_.missing.end()) {
      report_.missing.push_back(missing);
    }
  } else if (!PlayLessonRounds()) {
    // A lesson that asks nothing: its controls are clicked instead.
    std::vector<std::string> targets = view.ClickableControls();
    for (int round = 0; round < kLessonRounds && !targets.empty(); ++round) {
      std::uniform_int_distribution<size_t> pick(0, targets.size() - 1);
      ClickControl(view, targets[pick(random_)]);
      WaitFor([&] { return link_.NowMs() >= lastEventMs_ + kQuiet; }, 20000);
    }
  }
  const int scene = GardenOf(game.place.id)->scene.id;
  if (!UseToolbar(kBack) ||
      !Arrive(game.place.id, 5000, "toolbar button 3 in " + Describe(lesson))) {
    return false;
  }
  Step(500);
  return UseToolbar(kBack) && Arrive(scene, 5000, "toolbar button 3 in " + Describe(game.place.id));
}

}  // namespace rufo::play
