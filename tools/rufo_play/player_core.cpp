#include <algorithm>

#include "tools/rufo_play/player.h"

namespace rufo::play {
namespace {

// The pointer's pauses, in game milliseconds, close to a quick child's.
constexpr uint32_t kSettle = 40;
constexpr uint32_t kPress = 60;
constexpr uint32_t kStep = 100;
// The toolbar slides open in about ten ticks once the pointer reaches its strip.
constexpr uint32_t kToolbarSlide = 400;
constexpr int kDragSteps = 8;
constexpr int kDragLift = 40;  // a drop comes down onto its place from this far above
constexpr size_t kSpeechesKept = 200;

}  // namespace

Player::Player(GameLink& link, DataTree& data, PlayOptions options)
    : link_(link), data_(data), options_(options), random_(options.seed) {}

void Player::Problem(const std::string& text) {
  if (std::find(report_.problems.begin(), report_.problems.end(), text) == report_.problems.end()) {
    report_.problems.push_back(text);
  }
}

void Player::Step(uint32_t ms) {
  if (stopped_) return;
  for (const std::string& line : link_.Advance(ms)) {
    lastEventMs_ = link_.NowMs();
    watch_.Note(line, lastEventMs_);
    if (const std::optional<TraceEvent> event = ParseTraceLine(line)) {
      Digest(*event);
    } else if (!line.empty()) {
      Problem("unreadable trace line: " + line);
    }
  }
  if (!link_.Process().Running()) stopped_ = true;
}

void Player::Digest(const TraceEvent& event) {
  using Kind = TraceEvent::Kind;
  switch (event.kind) {
    case Kind::kScreen:
      screen_ = event.screen;
      screenAt_ = event.timeMs;
      previous_ = event.previous;
      question_.reset();
      shownMask_.clear();
      report_.AddScreen(event.screen);
      break;
    case Kind::kSpeak:
      speeches_.push_back(event);
      if (speeches_.size() > kSpeechesKept) speeches_.erase(speeches_.begin());
      break;
    case Kind::kQuestion:
      question_ = event.expected;
      questionAt_ = event.timeMs;
      break;
    case Kind::kAnswer:
      ++report_.questions;
      (event.good ? report_.good : report_.wrong) += 1;
      if (expectGood_ && *expectGood_ != event.good) {
        Problem(Describe(event.screen) + " judged " + (event.good ? "a wrong" : "the right") +
                " answer " + (event.good ? "good" : "wrong") + " (at " +
                std::to_string(event.timeMs) + " ms)");
      }
      expectGood_.reset();
      answeredAt_ = event.timeMs;
      if (event.good) question_.reset();
      break;
    case Kind::kGarden:
    case Kind::kGame:
      Learn(event);
      break;
    case Kind::kSticker:
      stickers_.push_back(event.number);
      report_.stickers.push_back(event.number);
      break;
    case Kind::kDebug:
      if (const Place* place = FindPlace(screen_)) {
        for (const std::string& mask : place->masks) {
          if (event.text == mask) shownMask_ = mask;
        }
      }
      break;
    case Kind::kFatal:
      Problem("the game stopped with fatal error " + std::to_string(event.number) + ": " +
              event.text);
      break;
    default:
      break;
  }
}

bool Player::WaitFor(const std::function<bool()>& done, uint32_t limitMs) {
  const uint32_t until = link_.NowMs() + limitMs;
  while (!done()) {
    if (stopped_ || link_.NowMs() >= until) return false;
    Step(kStep);
  }
  return true;
}

bool Player::Arrive(int id, uint32_t limitMs, const std::string& cause) {
  const int from = actedOn_;
  if (WaitFor([&] { return screen_ == id || screen_ != from; }, limitMs) && screen_ == id) {
    return true;
  }
  if (screen_ != from) {
    Problem(cause + " led to " + Describe(screen_) + ", not to " + Describe(id));
  } else {
    Problem(cause + " did not lead to " + Describe(id) + " (still on " + Describe(screen_) + ")");
  }
  return false;
}

bool Player::Said(const std::string& name, uint32_t sinceMs) const {
  return std::any_of(speeches_.begin(), speeches_.end(), [&](const TraceEvent& speech) {
    return speech.timeMs >= sinceMs && speech.text == name;
  });
}

void Player::MoveTo(Point point) {
  actedOn_ = screen_;
  pointer_ = point;
  link_.Act("move " + std::to_string(point.x) + " " + std::to_string(point.y));
  Step(kSettle);
}

void Player::Press() {
  pressedAt_ = link_.NowMs();
  const std::optional<Size> bar = data_.PictureSize(kToolbarPicture);
  if (bar && pointer_.y >= kToolbarOpenY && pointer_.x >= kToolbarX &&
      pointer_.x < kToolbarX + bar->width) {
    pressedOnToolbar_ = true;
  }
  link_.Act("ldown");
  Step(kPress);
}

void Player::Click(Point point) {
  MoveTo(point);
  Press();
  link_.Act("lup");
  Step(kSettle);
}

void Player::Perform(const Gesture& gesture) {
  if (gesture.kind == Gesture::Kind::kClick) {
    Click(gesture.from);
    return;
  }
  if (gesture.kind == Gesture::Kind::kCarry) {
    Click(gesture.from);
  } else {
    MoveTo(gesture.from);
    Press();
  }
  const Point above{gesture.to.x, std::max(0, gesture.to.y - kDragLift)};
  for (int i = 1; i <= kDragSteps; ++i) {
    MoveTo({gesture.from.x + (above.x - gesture.from.x) * i / kDragSteps,
            gesture.from.y + (above.y - gesture.from.y) * i / kDragSteps});
  }
  for (int i = 1; i <= kDragSteps / 2; ++i)
    MoveTo({above.x, above.y + (gesture.to.y - above.y) * i * 2 / kDragSteps});
  if (gesture.kind == Gesture::Kind::kCarry) {
    Click(gesture.to);
  } else {
    link_.Act("lup");
    Step(kSettle);
  }
}

ScreenView Player::View(int id) {
  static const Place unknown{0, "unknown screen", {}, {}};
  const Place* place = FindPlace(id);
  std::vector<Rect> avoid;
  const std::optional<Size> toolbar = data_.PictureSize(kToolbarPicture);
  avoid.push_back({kToolbarX, kToolbarRetractedY - 4, kToolbarX + (toolbar ? toolbar->width : 0),
                   RegionMap::kHeight});
  ScreenView view(data_, place ? *place : unknown, std::move(avoid));
  if (id == screen_ && !shownMask_.empty()) view.PreferMask(shownMask_);
  return view;
}

Point Player::FreePoint(const ScreenView& view) {
  return view.Free({kWalkLeftBelow, 20, kWalkRightFrom - 1, kToolbarOpenY - 20})
      .value_or(Point{320, 240});
}

bool Player::ClickControl(const ScreenView& view, const std::string& name) {
  std::string problem;
  const std::optional<Point> point = view.Control(name, &problem);
  if (!point) {
    Problem(problem);
    return false;
  }
  Click(*point);
  return true;
}

bool Player::UseToolbar(int item) {
  const std::optional<Size> bar = data_.PictureSize(kToolbarPicture);
  const ToolbarButton& button = ToolbarButtons()[item];
  const std::optional<Size> strip = data_.PictureSize(button.picture);
  if (!bar || !strip) {
    Problem(std::string("the toolbar picture ") + (bar ? button.picture : kToolbarPicture) +
            " is missing");
    return false;
  }
  MoveTo({kToolbarX + bar->width / 2, (kToolbarRetractedY + RegionMap::kHeight) / 2});
  Step(kToolbarSlide);
  Click({kToolbarX + button.at.x + strip->width / 2,
         kToolbarOpenY + button.at.y + strip->height / 8});
  // Away from the toolbar, so that it slides back.
  MoveTo({RegionMap::kWidth / 2, kToolbarOpenY / 2});
  Step(kToolbarSlide);
  return true;
}

}  // namespace rufo::play
