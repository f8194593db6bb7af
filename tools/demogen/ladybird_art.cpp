// Garden6's living things: the ladybird (seen from above with its dots, or from the side on its
// way home), its climb, landing and falls, the tulip it lives in, the caterpillar, and the
// sparkles of a right answer.
#include <algorithm>
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kShell{0.9, 0.12, 0.1};
constexpr Color kBlack{0.12, 0.1, 0.1};
constexpr Color kWing{0.86, 0.93, 1.0};
constexpr Color kPetal{0.86, 0.36, 0.78};
constexpr Color kStem{0.2, 0.58, 0.18};
constexpr Color kCaterpillar{0.45, 0.8, 0.2};

double Clamp01(double t) {
  return std::clamp(t, 0.0, 1.0);
}

// The dots as on a die, so that a child sees the number at a glance: offsets in units of the
// shell's radius.
void DotPlaces(int dots, double (*places)[2], int* count) {
  static const double kDice[10][9][2] = {
      {},
      {{0, 0}},
      {{-0.42, -0.38}, {0.42, 0.38}},
      {{-0.45, -0.42}, {0, 0}, {0.45, 0.42}},
      {{-0.42, -0.4}, {0.42, -0.4}, {-0.42, 0.4}, {0.42, 0.4}},
      {{-0.45, -0.45}, {0.45, -0.45}, {0, 0}, {-0.45, 0.45}, {0.45, 0.45}},
      {{-0.42, -0.5}, {0.42, -0.5}, {-0.48, 0}, {0.48, 0}, {-0.42, 0.5}, {0.42, 0.5}},
      {{-0.42, -0.52}, {0.42, -0.52}, {-0.5, 0}, {0, 0}, {0.5, 0}, {-0.42, 0.52}, {0.42, 0.52}},
      {{-0.5, -0.5},
       {0, -0.58},
       {0.5, -0.5},
       {-0.56, 0},
       {0.56, 0},
       {-0.5, 0.5},
       {0, 0.58},
       {0.5, 0.5}},
      {{-0.5, -0.5},
       {0, -0.56},
       {0.5, -0.5},
       {-0.56, 0},
       {0, 0},
       {0.56, 0},
       {-0.5, 0.5},
       {0, 0.56},
       {0.5, 0.5}},
  };
  *count = std::clamp(dots, 0, 9);
  for (int i = 0; i < *count; ++i) {
    places[i][0] = kDice[*count][i][0];
    places[i][1] = kDice[*count][i][1];
  }
}

// A ladybird seen from above, head up, centred on (x, y) with shell radius r: its wings buzz
// out at the sides while `flap` is above 0, and it is turned by `turn` radians.
void DrawLadybird(cairo_t* cr, double x, double y, double r, int dots, double flap, double turn) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, turn);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side : {-1, 1}) {
    for (int leg = 0; leg < 3; ++leg) {
      const double ly = (leg - 1) * 0.45 * r;
      cairo_move_to(cr, side * 0.7 * r, ly);
      cairo_line_to(cr, side * 1.12 * r, ly + (leg - 1) * 0.25 * r);
    }
    SetColor(cr, kBlack);
    cairo_set_line_width(cr, 0.09 * r);
    cairo_stroke(cr);
    if (flap > 0) {
      EllipsePath(cr, side * (0.95 + 0.25 * flap) * r, -0.1 * r, (0.45 + 0.3 * flap) * r, 0.3 * r);
      FillInk(cr, kWing, 0.05 * r);
    }
    cairo_move_to(cr, side * 0.2 * r, -1.15 * r);
    cairo_curve_to(cr, side * 0.3 * r, -1.45 * r, side * 0.5 * r, -1.5 * r, side * 0.55 * r,
                   -1.45 * r);
    SetColor(cr, kBlack);
    cairo_set_line_width(cr, 0.07 * r);
    cairo_stroke(cr);
  }
  EllipsePath(cr, 0, -0.95 * r, 0.48 * r, 0.36 * r);
  FillInk(cr, kBlack, 0.05 * r);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 0.2 * r, -1.02 * r, 0.12 * r, 0.12 * r);
    FillOnly(cr, {1, 1, 1});
    EllipsePath(cr, side * 0.2 * r, -1.05 * r, 0.055 * r, 0.055 * r);
    FillOnly(cr, kBlack);
  }
  EllipsePath(cr, 0, 0.05 * r, r, 1.02 * r);
  FillInk(cr, kShell, 0.07 * r);
  cairo_move_to(cr, 0, -0.93 * r);
  cairo_line_to(cr, 0, 1.05 * r);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 0.05 * r);
  cairo_stroke(cr);
  EllipsePath(cr, -0.45 * r, -0.45 * r, 0.22 * r, 0.14 * r);
  FillOnly(cr, Lighter(kShell, 0.45));
  double places[9][2];
  int count = 0;
  DotPlaces(dots, places, &count);
  for (int i = 0; i < count; ++i) {
    EllipsePath(cr, places[i][0] * r, places[i][1] * r + 0.05 * r, 0.17 * r, 0.17 * r);
    FillOnly(cr, kBlack);
  }
  cairo_restore(cr);
}

// A ladybird from the side on its way home, facing right: its red shell lifted a little, wings
// a blur above it, no dots to be seen.
void DrawLadybirdSide(cairo_t* cr, double x, double y, double r, double flap) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int leg = 0; leg < 3; ++leg) {
    cairo_move_to(cr, (leg - 1) * 0.45 * r, 0.25 * r);
    cairo_line_to(cr, (leg - 1) * 0.45 * r - 0.15 * r, 0.62 * r);
  }
  SetColor(cr, kBlack);
  cairo_set_line_width(cr, 0.09 * r);
  cairo_stroke(cr);
  EllipsePath(cr, 0, 0.2 * r, 0.85 * r, 0.3 * r);
  FillInk(cr, kBlack, 0.05 * r);
  EllipsePath(cr, 0.9 * r, 0.1 * r, 0.32 * r, 0.3 * r);
  FillInk(cr, kBlack, 0.05 * r);
  EllipsePath(cr, 1.0 * r, 0.02 * r, 0.1 * r, 0.1 * r);
  FillOnly(cr, {1, 1, 1});
  for (int wing = 0; wing < 2; ++wing) {
    const double lift = 0.5 + 0.4 * flap + wing * 0.2;
    EllipsePath(cr, -0.35 * r - wing * 0.2 * r, -0.55 * r - lift * 0.35 * r, 0.6 * r, 0.2 * r);
    FillInk(cr, kWing, 0.04 * r);
  }
  cairo_save(cr);
  cairo_rotate(cr, -0.2);
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_scale(cr, 1, 0.8);
  cairo_arc(cr, 0, 0.1 * r, 0.95 * r, M_PI, 2 * M_PI);
  cairo_restore(cr);
  cairo_close_path(cr);
  FillInk(cr, kShell, 0.06 * r);
  EllipsePath(cr, -0.3 * r, -0.45 * r, 0.22 * r, 0.1 * r);
  FillOnly(cr, Lighter(kShell, 0.45));
  cairo_restore(cr);
  cairo_restore(cr);
}

// Where the climbing ladybird is at each frame of its climb: 0 on the open flower (x, y), 20
// at the top, and it hovers there after that.
struct Place {
  double x, y;
};
Place ClimbPlace(int frame, double x, double y, double top) {
  const double t = Clamp01(frame / 20.0);
  const double sway = 30 * std::sin(t * 2.2 * M_PI) * Clamp01(t * 3);
  if (frame <= 20) return {x + sway, y - (y - top) * t};
  const double bob = frame - 20;
  return {x + sway + 4 * std::sin(bob * 1.7), top + 5 * std::sin(bob * 2.3)};
}

constexpr int kFallTopFrame = 21;

// B%d: the climb with the dots; frames as ClimbPlace.
void LadybirdClimb(cairo_t* cr, const PaintArgs& a) {
  const Place at = ClimbPlace(a.frame, a.Number(0), a.Number(1), a.Number(2));
  DrawLadybird(cr, at.x, at.y, a.NumberOr("r", 46), static_cast<int>(a.NumberOr("dots", 1)),
               a.frame % 2 ? 1.0 : 0.6, 0.12 * std::sin(a.frame * 0.9));
}

// B%d_B: frames 0-9 land gently from the top; 10-17 tumble down from the top, 18-23 from the
// middle of the climb (frame 13) and 24-27 from low down (frame 7), all onto the flower.
void LadybirdFall(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), top = a.Number(2), r = a.NumberOr("r", 46);
  const int dots = static_cast<int>(a.NumberOr("dots", 1));
  struct Segment {
    int first, count, from;
    bool tumble;
  };
  static const Segment kSegments[] = {{0, 10, kFallTopFrame, false},
                                      {10, 8, kFallTopFrame, true},
                                      {18, 6, 13, true},
                                      {24, 4, 7, true}};
  for (const Segment& s : kSegments) {
    if (a.frame < s.first || a.frame >= s.first + s.count) continue;
    const double t = double(a.frame - s.first) / (s.count - 1);
    const Place from = ClimbPlace(s.from, x, y, top);
    const double down = s.tumble ? t * t : 1 - (1 - t) * (1 - t);
    const double px = from.x + (x - from.x) * t, py = from.y + (y - from.y) * down;
    const double turn = s.tumble && t < 1 ? t * 2.5 * M_PI : 0;
    DrawLadybird(cr, px, py, r, dots, s.tumble ? 0 : (a.frame % 2 ? 1.0 : 0.6), turn);
    if (s.tumble && t >= 1) {
      // dizzy stars over the ladybird that has landed
      for (int i = 0; i < 3; ++i) {
        StarPath(cr, x - 30 + i * 30, y - 1.6 * r - (i % 2) * 8, 9, 4, 5);
        FillInk(cr, ParseColor("yellow"), 1.5);
      }
    }
  }
}

// B_FDOWN: from the top of the climb down onto the flower, seen from the side.
void LadybirdHome(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), top = a.Number(2);
  const double t = a.frames > 1 ? double(a.frame) / (a.frames - 1) : 1;
  const Place from = ClimbPlace(kFallTopFrame, x, y, top);
  const double ease = t * t * (3 - 2 * t);
  DrawLadybirdSide(cr, from.x + (x - from.x) * ease, from.y + (y + 10 - from.y) * ease,
                   a.NumberOr("r", 46) * (1 - 0.2 * t), a.frame % 2);
}

// The tulip on its stem, foot at (x, y): closed (0) to wide open (1).
void DrawTulip(cairo_t* cr, double x, double y, double s, double open) {
  const double hy = y - 95 * s;
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x - 4 * s, y - 40 * s, x + 4 * s, y - 70 * s, x, hy);
  SetColor(cr, kStem);
  cairo_set_line_width(cr, 7 * s);
  cairo_stroke(cr);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, x, y - 10 * s);
    cairo_curve_to(cr, x + side * 40 * s, y - 30 * s, x + side * 40 * s, y - 60 * s,
                   x + side * 22 * s, y - 75 * s);
    cairo_curve_to(cr, x + side * 22 * s, y - 45 * s, x + side * 10 * s, y - 25 * s, x, y - 10 * s);
    FillInk(cr, Lighter(kStem, 0.2), 2);
  }
  EllipsePath(cr, x, hy + 4 * s, 26 * s, 14 * s);
  FillInk(cr, Darker(kPetal, 0.15), 2);
  for (int petal = -1; petal <= 1; ++petal) {
    const double spread = open * petal * 0.85, len = 52 * s;
    cairo_save(cr);
    cairo_translate(cr, x + petal * 14 * s * (1 - open * 0.3), hy);
    cairo_rotate(cr, spread);
    cairo_move_to(cr, 0, 8 * s);
    cairo_curve_to(cr, -22 * s, 0, -20 * s, -len * 0.8, 0, -len);
    cairo_curve_to(cr, 20 * s, -len * 0.8, 22 * s, 0, 0, 8 * s);
    FillInk(cr, petal == 0 ? Lighter(kPetal, 0.15) : kPetal, 2.2);
    cairo_restore(cr);
  }
  if (open > 0.5) {
    EllipsePath(cr, x, hy - 8 * s, 16 * s, 7 * s);
    FillInk(cr, {1.0, 0.85, 0.2}, 1.5);
  }
}

void Tulip(cairo_t* cr, const PaintArgs& a) {
  DrawTulip(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.NumberOr("open", 0));
}

// B_START: frames 0-6 the tulip opens; 7-12 it closes over a ladybird that has come back.
void TulipStart(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  if (a.frame <= 6) {
    DrawTulip(cr, x, y, s, a.frame / 6.0);
    return;
  }
  const double open = 1 - (a.frame - 7) / 5.0;
  const double hy = y - 95 * s;
  EllipsePath(cr, x, hy - 18 * s + (1 - open) * 20 * s, 26 * s * open + 4, 20 * s * open + 2);
  FillInk(cr, kShell, 2);
  DrawTulip(cr, x, y, s, open);
}

// Stars and hearts bursting out from (x, y) and fading; big=yes scatters them wider.
void Sparkles(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), reach = a.Number(2);
  const double t = a.frames > 1 ? double(a.frame) / (a.frames - 1) : 1;
  const int count = static_cast<int>(a.NumberOr("count", 10));
  static const char* const kColours[] = {"gold", "red", "orange", "pink", "lime", "sky"};
  for (int i = 0; i < count; ++i) {
    const double angle = i * 2 * M_PI / count + (i % 2) * 0.3;
    const double d = reach * (0.25 + 0.75 * t) * (i % 3 == 0 ? 1 : 0.75);
    const double size = (14 + 6 * (i % 3)) * (1 - 0.6 * t * t);
    const double px = x + std::cos(angle) * d, py = y + std::sin(angle) * d * 0.8;
    if (i % 3 == 1) {
      HeartPath(cr, px, py, size * 0.8);
    } else {
      StarPath(cr, px, py, size, size * 0.45, 5, angle);
    }
    FillInk(cr, ParseColor(kColours[i % 6]), 1.5);
  }
}

// A caterpillar lying along the ground from its tail at x to its head, at height y (its feet).
// Frames make it crawl (its segments ripple) and, with munch=yes, open and close its mouth.
void Caterpillar(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  const int segments = static_cast<int>(a.NumberOr("segments", 6));
  const double phase = a.frames > 1 ? a.frame * 2 * M_PI / a.frames : 0;
  const double r = 16 * s;
  for (int i = 0; i < segments; ++i) {
    const double cx = x + i * 1.45 * r;
    const double cy = y - r - std::max(0.0, std::sin(phase - i * 0.9)) * 9 * s;
    for (int side : {-1, 1}) {
      cairo_move_to(cr, cx + side * 0.3 * r, cy + 0.7 * r);
      cairo_line_to(cr, cx + side * 0.35 * r, y);
    }
    SetColor(cr, Darker(kCaterpillar, 0.4));
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
    EllipsePath(cr, cx, cy, r, r);
    FillInk(cr, i % 2 ? kCaterpillar : Lighter(kCaterpillar, 0.2), 2.2);
    EllipsePath(cr, cx - 0.3 * r, cy - 0.35 * r, 0.25 * r, 0.18 * r);
    FillOnly(cr, Lighter(kCaterpillar, 0.55));
  }
  const double hx = x + segments * 1.45 * r + 0.2 * r;
  const double hy = y - 1.7 * r - std::max(0.0, std::sin(phase - segments * 0.9)) * 9 * s;
  for (int side : {-1, 1}) {
    cairo_move_to(cr, hx + side * 0.35 * r, hy - 1.1 * r);
    cairo_line_to(cr, hx + side * 0.6 * r, hy - 1.9 * r);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2.5 * s);
    cairo_stroke(cr);
    EllipsePath(cr, hx + side * 0.6 * r, hy - 1.95 * r, 0.16 * r, 0.16 * r);
    FillInk(cr, ParseColor("orange"), 1.5);
  }
  EllipsePath(cr, hx, hy, 1.3 * r, 1.25 * r);
  FillInk(cr, {0.98, 0.78, 0.2}, 2.5);
  for (int side : {-1, 1}) {
    EllipsePath(cr, hx + side * 0.45 * r, hy - 0.3 * r, 0.28 * r, 0.34 * r);
    FillInk(cr, {1, 1, 1}, 1.5);
    EllipsePath(cr, hx + side * 0.45 * r + 0.08 * r, hy - 0.25 * r, 0.13 * r, 0.16 * r);
    FillOnly(cr, kBlack);
    EllipsePath(cr, hx + side * 0.8 * r, hy + 0.3 * r, 0.18 * r, 0.12 * r);
    FillOnly(cr, {1.0, 0.55, 0.5});
  }
  const bool munching = a.TextOr("munch", "no") == "yes" && a.frame % 2 == 1;
  if (munching) {
    EllipsePath(cr, hx, hy + 0.45 * r, 0.3 * r, 0.25 * r);
    FillInk(cr, {0.6, 0.15, 0.15}, 1.5);
  } else {
    cairo_arc(cr, hx, hy + 0.2 * r, 0.45 * r, 0.3, M_PI - 0.3);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2.2 * s);
    cairo_stroke(cr);
  }
}

// A round leaf on the ground with bites taken out of it: bites=0..4, or the frames bite it.
void BittenLeaf(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  const int bites =
      a.frames > 1 ? a.frame * 4 / a.frames : static_cast<int>(a.NumberOr("bites", 0));
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, -0.5);
  EllipsePath(cr, 0, 0, r, r * 0.6);
  FillInk(cr, {0.16, 0.52, 0.14}, 2.5);
  cairo_move_to(cr, -r, 0);
  cairo_line_to(cr, r * 0.9, 0);
  SetColor(cr, {0.45, 0.78, 0.3});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
  for (int i = 0; i < bites; ++i) {
    EllipsePath(cr, x - r * 0.7 + i * 0.2 * r, y + r * 0.3 - i * 0.16 * r, r * 0.3, r * 0.3);
    FillOnly(cr, a.ColorOr("ground", {0.45, 0.75, 0.3}));
  }
}

// The ladybird of the garden scene: on its flower at rest, or (frames) flying a loop and back.
void LadybirdLoop(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  const int dots = static_cast<int>(a.NumberOr("dots", 7));
  if (a.frames <= 1) {
    DrawLadybird(cr, x, y, r, dots, 0, 0);
    return;
  }
  const double t = double(a.frame) / (a.frames - 1);
  const double angle = t * 2 * M_PI;
  const double loop = std::sin(t * M_PI);
  DrawLadybird(cr, x + std::sin(angle) * 30 * loop,
               y - (1 - std::cos(angle)) * 35 * loop - 30 * loop, r, dots,
               loop > 0.05 ? (a.frame % 2 ? 1.0 : 0.6) : 0, std::sin(angle) * 0.6 * loop);
}

}  // namespace

void AddLadybirdPainters(PainterTable& t) {
  t["ladybird"] = {3, LadybirdLoop, "x y r (dots=1..9; frames fly a loop and come back)"};
  t["ladybird_climb"] = {3, LadybirdClimb, "flower-x flower-y top-y dots= (24 frames, r=)"};
  t["ladybird_fall"] = {3, LadybirdFall,
                        "flower-x flower-y top-y dots= (28 frames: landing, falls; r=)"};
  t["ladybird_home"] = {3, LadybirdHome, "flower-x flower-y top-y (frames fly it home; r=)"};
  t["tulip"] = {2, Tulip, "x y(foot) (scale=, open=0..1)"};
  t["tulip_start"] = {2, TulipStart, "x y(foot) (13 frames: opens, then closes; scale=)"};
  t["star_burst"] = {3, Sparkles, "x y reach (frames burst; count=)"};
  t["crawling_caterpillar"] = {2, Caterpillar,
                               "x(tail) y(feet) (scale=, segments=, munch=yes; frames)"};
  t["bitten_leaf"] = {3, BittenLeaf, "x y r (bites=0..4 or frames; ground=)"};
}

}  // namespace rufo::demogen
