#include "tools/rufo_play/answer_plan.h"

#include <algorithm>
#include <cstdlib>

namespace rufo::play {
namespace {

using Form = ExpectedAnswer::Form;

// The control of another entry of the same kind, nearest in the script to the named one.
std::optional<Point> NeighbourControl(const ScreenView& view, const std::string& name,
                                      std::string* problem) {
  const ScriptTable* script = view.Script();
  const ScriptEntry* asked = script ? script->Find(name) : nullptr;
  if (!asked) return view.Control(name, problem);
  std::vector<const ScriptEntry*> others;
  for (const ScriptEntry& entry : script->entries) {
    if (entry.type == asked->type && entry.name != name) others.push_back(&entry);
  }
  std::sort(others.begin(), others.end(), [&](const ScriptEntry* a, const ScriptEntry* b) {
    return std::abs(a->index - asked->index) < std::abs(b->index - asked->index);
  });
  for (const ScriptEntry* other : others) {
    std::string ignored;
    if (std::optional<Point> point = view.Control(other->name, &ignored)) return point;
  }
  *problem = script->name + " has no control like " + name + " to give a wrong answer with";
  return std::nullopt;
}

std::optional<Point> OtherPiece(const ScreenView& view, int piece, std::vector<int> excluded,
                                std::string* problem) {
  excluded.push_back(piece);
  const int other = NearestOtherRegion(view, piece, excluded);
  if (other < 0) {
    *problem = "no region but " + std::to_string(piece) + " to give a wrong answer with";
    return std::nullopt;
  }
  return view.Region(other, problem);
}

}  // namespace

int NearestOtherRegion(const ScreenView& view, int near, const std::vector<int>& excluded) {
  int best = -1;
  for (int value : view.Regions()) {
    if (std::find(excluded.begin(), excluded.end(), value) != excluded.end()) continue;
    if (best < 0 || std::abs(value - near) < std::abs(best - near)) best = value;
  }
  return best;
}

std::optional<Gesture> PlanAnswer(const ExpectedAnswer& expected, bool right,
                                  const ScreenView& view, std::string* problem) {
  Gesture gesture;
  std::optional<Point> from;
  std::optional<Point> to;
  switch (expected.form) {
    case Form::kHit:
      if (expected.values.empty()) {
        *problem = "the question names no region";
        return std::nullopt;
      }
      if (right) {
        from = view.Region(expected.values.front(), problem);
      } else {
        from = OtherPiece(view, expected.values.front(), expected.values, problem);
      }
      to = from;
      break;
    case Form::kControl:
      from = right ? view.Control(expected.control, problem)
                   : NeighbourControl(view, expected.control, problem);
      to = from;
      break;
    case Form::kDragToRect:
      gesture.kind = Gesture::Kind::kDrag;
      from = right ? view.Region(expected.values.front(), problem)
                   : OtherPiece(view, expected.values.front(), {}, problem);
      to = Point{(expected.drop.left + expected.drop.right) / 2,
                 (expected.drop.top + expected.drop.bottom) / 2};
      break;
    case Form::kDragToHit:
      gesture.kind = Gesture::Kind::kDrag;
      from = right ? view.Region(expected.values.front(), problem)
                   : OtherPiece(view, expected.values.front(), {expected.hit}, problem);
      if (from) to = view.Region(expected.hit, problem);
      break;
    case Form::kCarryToControl:
      gesture.kind = Gesture::Kind::kCarry;
      from = right ? view.Region(expected.values.front(), problem)
                   : OtherPiece(view, expected.values.front(), {}, problem);
      if (from) to = view.Control(expected.control, problem);
      break;
  }
  if (!from || !to) return std::nullopt;
  gesture.from = *from;
  gesture.to = *to;
  return gesture;
}

}  // namespace rufo::play
