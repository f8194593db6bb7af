// Garden3's drawings: the tool shed with its twenty tools in pairs, the cart, the lamp, the
// monkey, the shaped flower beds, the pots of flowers and the flowers planted in each shape.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kWood{0.72, 0.5, 0.3};
constexpr Color kDarkWood{0.5, 0.32, 0.18};
constexpr Color kMetal{0.72, 0.76, 0.8};
constexpr Color kHandle{0.85, 0.6, 0.3};
constexpr Color kHose{0.2, 0.7, 0.25};
constexpr Color kClay{0.85, 0.45, 0.25};
constexpr Color kSoil{0.45, 0.28, 0.15};
constexpr Color kFur{0.55, 0.33, 0.16};
constexpr Color kFace{0.96, 0.8, 0.6};

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Color c, double width) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

// A thick stroke with an ink outline: handles, rungs, stems.
void Bar(cairo_t* cr, double x1, double y1, double x2, double y2, Color c, double width) {
  Line(cr, x1, y1, x2, y2, kInk, width + 3);
  Line(cr, x1, y1, x2, y2, c, width);
}

// The shed's inside: plank walls and a wooden floor.
void ShedWall(cairo_t* cr, const PaintArgs& /*a*/) {
  for (int i = 0; i < 16; ++i) {
    cairo_rectangle(cr, i * 40, 0, 40, 440);
    SetColor(cr, i % 2 ? Color{0.86, 0.68, 0.46} : Color{0.82, 0.63, 0.42});
    cairo_fill(cr);
    Line(cr, i * 40, 0, i * 40, 440, {0.62, 0.44, 0.27}, 2);
  }
  cairo_rectangle(cr, 0, 440, 640, 40);
  FillOnly(cr, {0.58, 0.4, 0.24});
  Line(cr, 0, 440, 640, 440, kInk, 3);
}

// A place on the wall: a pale board with a nail at the top, where a tool belongs.
void ToolPlace(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  RoundRectPath(cr, x + 2, y + 2, w - 4, h - 4, 10);
  SetColor(cr, {0.95, 0.86, 0.7});
  cairo_fill_preserve(cr);
  SetColor(cr, {0.66, 0.5, 0.32});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// --- the tools, each drawn standing on (cx, foot) at scale s ---------------------------------

void Hose(cairo_t* cr, double cx, double foot, double s, bool longOne) {
  const int loops = longOne ? 4 : 2;
  const double r = (longOne ? 30 : 20) * s;
  const double cy = foot - r - 6 * s;
  for (int i = 0; i < loops; ++i) {
    const double ri = r - i * (longOne ? 5.5 : 6) * s;
    EllipsePath(cr, cx, cy, ri, ri * 0.95);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 9 * s);
    cairo_stroke_preserve(cr);
    SetColor(cr, i % 2 ? Darker(kHose, 0.15) : kHose);
    cairo_set_line_width(cr, 6 * s);
    cairo_stroke(cr);
  }
  // the free end with its brass nozzle
  const double tail = longOne ? 26 : 12;
  Bar(cr, cx + r, cy, cx + r + 4 * s, cy + tail * s, kHose, 6 * s);
  Bar(cr, cx + r + 4 * s, cy + tail * s, cx + r + 6 * s, cy + (tail + 8) * s, {0.95, 0.75, 0.2},
      7 * s);
}

void Hammer(cairo_t* cr, double cx, double foot, double s) {
  const double top = foot - 110 * s;
  Bar(cr, cx, foot - 4 * s, cx, top + 12 * s, kHandle, 9 * s);
  RoundRectPath(cr, cx - 26 * s, top, 52 * s, 22 * s, 4 * s);
  FillInk(cr, {0.45, 0.48, 0.52}, 2.5);
}

void WateringCan(cairo_t* cr, double cx, double foot, double s) {
  const double w = 60 * s, h = 56 * s, left = cx - w / 2 - 6 * s, top = foot - h;
  // spout
  cairo_move_to(cr, left + w - 4 * s, foot - 18 * s);
  cairo_line_to(cr, left + w + 30 * s, top - 8 * s);
  cairo_line_to(cr, left + w + 36 * s, top - 2 * s);
  cairo_line_to(cr, left + w + 2 * s, foot - 8 * s);
  cairo_close_path(cr);
  FillInk(cr, {0.25, 0.55, 0.9}, 2);
  RoundRectPath(cr, left, top, w, h, 8 * s);
  FillInk(cr, {0.3, 0.62, 0.95}, 2.5);
  // handle over the top
  cairo_new_sub_path(cr);
  cairo_arc(cr, left + w * 0.45, top, w * 0.32, M_PI, 2 * M_PI);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 7 * s);
  cairo_stroke(cr);
}

void Basket(cairo_t* cr, double cx, double foot, double w, double h) {
  const double top = foot - h;
  cairo_move_to(cr, cx - w / 2, top);
  cairo_line_to(cr, cx + w / 2, top);
  cairo_line_to(cr, cx + w / 2 - 6, foot);
  cairo_line_to(cr, cx - w / 2 + 6, foot);
  cairo_close_path(cr);
  FillInk(cr, {0.9, 0.72, 0.4}, 2.5);
  for (double y = top + 9; y < foot - 3; y += 9)
    Line(cr, cx - w / 2 + 4, y, cx + w / 2 - 4, y, {0.7, 0.5, 0.25}, 2);
  for (double x = cx - w / 2 + 10; x < cx + w / 2 - 4; x += 11)
    Line(cr, x, top + 2, x, foot - 2, {0.78, 0.58, 0.3}, 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, top, std::min(w, h) * 0.35, M_PI, 2 * M_PI);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 6);
  cairo_stroke_preserve(cr);
  SetColor(cr, {0.9, 0.72, 0.4});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void FlowerPot(cairo_t* cr, double cx, double foot, double s) {
  const double w = 58 * s, h = 54 * s, top = foot - h;
  cairo_move_to(cr, cx - w / 2, top + 10 * s);
  cairo_line_to(cr, cx + w / 2, top + 10 * s);
  cairo_line_to(cr, cx + w * 0.36, foot);
  cairo_line_to(cr, cx - w * 0.36, foot);
  cairo_close_path(cr);
  FillInk(cr, kClay, 2.5);
  RoundRectPath(cr, cx - w / 2 - 4 * s, top, w + 8 * s, 13 * s, 3 * s);
  FillInk(cr, Lighter(kClay, 0.15), 2.5);
}

void Saw(cairo_t* cr, double cx, double foot, double s) {
  const double len = 120 * s, top = foot - len;
  // blade with teeth down its right edge
  cairo_move_to(cr, cx - 12 * s, top + 30 * s);
  cairo_line_to(cr, cx + 8 * s, top + 30 * s);
  for (double y = top + 30 * s; y < foot - 6 * s; y += 8 * s) {
    cairo_line_to(cr, cx + 14 * s, y + 4 * s);
    cairo_line_to(cr, cx + 8 * s, y + 8 * s);
  }
  cairo_line_to(cr, cx - 4 * s, foot);
  cairo_close_path(cr);
  FillInk(cr, kMetal, 2);
  RoundRectPath(cr, cx - 16 * s, top, 30 * s, 34 * s, 8 * s);
  FillInk(cr, {0.85, 0.25, 0.2}, 2.5);
  EllipsePath(cr, cx - 1 * s, top + 14 * s, 7 * s, 8 * s);
  FillInk(cr, {0.82, 0.63, 0.42}, 2);
}

void Sickle(cairo_t* cr, double cx, double foot, double s) {
  const double top = foot - 110 * s;
  Bar(cr, cx - 6 * s, foot - 4 * s, cx - 6 * s, foot - 44 * s, kHandle, 10 * s);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx + 4 * s, top + 40 * s, 28 * s, M_PI * 0.55, M_PI * 1.9);
  cairo_arc_negative(cr, cx + 9 * s, top + 44 * s, 19 * s, M_PI * 1.85, M_PI * 0.62);
  cairo_close_path(cr);
  FillInk(cr, kMetal, 2.5);
}

void Barrel(cairo_t* cr, double cx, double foot, double w, double h) {
  const double top = foot - h;
  cairo_move_to(cr, cx - w * 0.42, top);
  cairo_curve_to(cr, cx - w * 0.55, top + h * 0.3, cx - w * 0.55, top + h * 0.7, cx - w * 0.42,
                 foot);
  cairo_line_to(cr, cx + w * 0.42, foot);
  cairo_curve_to(cr, cx + w * 0.55, top + h * 0.7, cx + w * 0.55, top + h * 0.3, cx + w * 0.42,
                 top);
  cairo_close_path(cr);
  FillInk(cr, kWood, 2.5);
  for (double f : {0.18, 0.82})
    Line(cr, cx - w * 0.5, top + h * f, cx + w * 0.5, top + h * f, {0.35, 0.35, 0.4}, 4);
  for (double f : {-0.2, 0.2})
    Line(cr, cx + w * f, top + 3, cx + w * f, foot - 3, kDarkWood, 1.5);
}

void Ladder(cairo_t* cr, double cx, double foot, int rungs, double s) {
  const double step = 26 * s, top = foot - step * rungs - 10 * s, half = 18 * s;
  for (int i = 1; i <= rungs; ++i)
    Bar(cr, cx - half, foot - i * step, cx + half, foot - i * step, kWood, 5 * s);
  Bar(cr, cx - half, foot, cx - half, top, kWood, 7 * s);
  Bar(cr, cx + half, foot, cx + half, top, kWood, 7 * s);
}

void Spade(cairo_t* cr, double cx, double foot, double s) {
  const double top = foot - 130 * s;
  Bar(cr, cx, top + 14 * s, cx, foot - 40 * s, kHandle, 8 * s);
  Bar(cr, cx - 12 * s, top + 8 * s, cx + 12 * s, top + 8 * s, kHandle, 8 * s);
  cairo_move_to(cr, cx - 16 * s, foot - 44 * s);
  cairo_line_to(cr, cx + 16 * s, foot - 44 * s);
  cairo_line_to(cr, cx + 14 * s, foot - 8 * s);
  cairo_line_to(cr, cx, foot);
  cairo_line_to(cr, cx - 14 * s, foot - 8 * s);
  cairo_close_path(cr);
  FillInk(cr, kMetal, 2.5);
}

// garden_tool x y w h kind= big=0|1 rest=0|1: one tool standing in the box (x, y, w, h); the
// small one of a pair is clearly smaller (or shorter, or narrower) than the big one. rest=1
// sets it down on its shadow (its look while it lies in its place).
void GardenTool(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const std::string kind = a.TextOr("kind", "hammer");
  const bool big = a.NumberOr("big", 0) > 0;
  const bool rest = a.NumberOr("rest", 0) > 0;
  const double cx = x + w / 2, foot = y + h - 4;
  const double s = big ? 1.0 : 0.6;
  if (rest) {
    EllipsePath(cr, cx, foot - 1, w * 0.4, 4);
    SetColor(cr, {0.78, 0.66, 0.5});
    cairo_fill(cr);
  }
  if (kind == "hose") {
    Hose(cr, cx - 4, foot, big ? 1.0 : 0.9, big);
  } else if (kind == "hammer") {
    Hammer(cr, cx, foot, s);
  } else if (kind == "can") {
    WateringCan(cr, cx - 4, foot, big ? 0.95 : 0.58);
  } else if (kind == "basket") {
    big ? Basket(cr, cx, foot, w - 6, h * 0.35) : Basket(cr, cx, foot, w * 0.55, h * 0.6);
  } else if (kind == "pot") {
    FlowerPot(cr, cx, foot, big ? 1.05 : 0.55);
  } else if (kind == "saw") {
    Saw(cr, cx, foot, s);
  } else if (kind == "sickle") {
    Sickle(cr, cx, foot, s);
  } else if (kind == "barrel") {
    big ? Barrel(cr, cx, foot, w - 4, h * 0.5) : Barrel(cr, cx, foot, w * 0.45, h * 0.36);
  } else if (kind == "ladder") {
    Ladder(cr, cx, foot, big ? 6 : 3, 1.0);
  } else if (kind == "spade") {
    Spade(cr, cx, foot, big ? 1.25 : 0.7);
  } else {
    throw std::invalid_argument("unknown tool \"" + kind + "\"");
  }
}

// cart_tool x y(foot) (tool=0..19 or the frame, scale=): a tool of the shed by its number,
// drawn smaller, standing on (x, y), as it lies in the cart once it has been put in.
void CartTool(cairo_t* cr, const PaintArgs& a) {
  static const char* const kKinds[] = {"hose", "hammer", "can",    "basket", "pot",
                                       "saw",  "sickle", "barrel", "ladder", "spade"};
  const int tool =
      std::clamp(static_cast<int>(a.frames > 1 ? a.frame : a.NumberOr("tool", 0)), 0, 19);
  const std::string kind = kKinds[tool % 10];
  // the box each tool has on the wall: the wide ones lie, the others hang
  const bool wide = kind == "hose" || kind == "can" || kind == "pot" || kind == "barrel";
  const double w = wide ? 96 : 64, h = wide ? 196 : 200, s = a.NumberOr("scale", 0.5);
  PaintArgs toolArgs;
  toolArgs.numbers = {0, 0, w, h};
  toolArgs.options = {{"kind", kind}, {"big", tool < 10 ? "0" : "1"}};
  cairo_save(cr);
  cairo_translate(cr, a.Number(0) - w * s / 2, a.Number(1) - h * s);
  cairo_scale(cr, s, s);
  GardenTool(cr, toolArgs);
  cairo_restore(cr);
}

// cart x y part=back|front: the wooden cart whose box opens at the top (x, y is the box's top
// left, 180 × 90). The back is the inside seen over the front edge; the front is the near side,
// the wheels and the handle, drawn over whatever is in the cart.
void Cart(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  if (a.TextOr("part", "front") == "back") {
    cairo_move_to(cr, x + 8, y + 14);
    cairo_line_to(cr, x + 24, y);
    cairo_line_to(cr, x + 196, y);
    cairo_line_to(cr, x + 180, y + 14);
    cairo_close_path(cr);
    FillInk(cr, kDarkWood, 3);
    return;
  }
  Bar(cr, x + 176, y + 40, x + 200, y + 6, kDarkWood, 7);
  RoundRectPath(cr, x, y + 12, 188, 82, 6);
  FillInk(cr, {0.85, 0.35, 0.25}, 3.5);
  for (double f : {0.33, 0.66})
    Line(cr, x + 6, y + 12 + 82 * f, x + 182, y + 12 + 82 * f, {0.7, 0.25, 0.18}, 3);
  for (double wx : {x + 40, x + 148}) {
    EllipsePath(cr, wx, y + 104, 22, 22);
    FillInk(cr, {0.3, 0.3, 0.32}, 3);
    EllipsePath(cr, wx, y + 104, 8, 8);
    FillInk(cr, {0.8, 0.8, 0.82}, 2);
  }
}

// lamp x y: a lamp hanging from the ceiling by its cord, shining (lit=1) or out (lit=0); with
// frames it goes out from the first frame to the last.
void Lamp(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const double lit = a.frames > 1 ? 1 - a.Progress() : a.NumberOr("lit", 1);
  Line(cr, x, 0, x, y, kInk, 3);
  if (lit > 0 && a.NumberOr("glow", 0) > 0) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y + 30, 4, x, y + 30, 60);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.5, 0.8 * lit);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.5, 0);
    EllipsePath(cr, x, y + 30, 60, 60);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
  }
  EllipsePath(cr, x, y + 30, 13, 15);
  FillInk(cr, Mix({0.45, 0.45, 0.4}, {1, 0.93, 0.45}, lit), 2.5);
  cairo_move_to(cr, x - 28, y + 22);
  cairo_line_to(cr, x - 10, y);
  cairo_line_to(cr, x + 10, y);
  cairo_line_to(cr, x + 28, y + 22);
  cairo_close_path(cr);
  FillInk(cr, {0.25, 0.55, 0.35}, 2.5);
}

// --- the monkey ------------------------------------------------------------------------------

void DrawMonkey(cairo_t* cr, double x, double y, double s, double armUp, int mouth) {
  // tail
  cairo_move_to(cr, x + 14 * s, y - 24 * s);
  cairo_curve_to(cr, x + 50 * s, y - 20 * s, x + 46 * s, y - 70 * s, x + 30 * s, y - 64 * s);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 8 * s);
  cairo_stroke_preserve(cr);
  SetColor(cr, kFur);
  cairo_set_line_width(cr, 5 * s);
  cairo_stroke(cr);
  // legs, body, arms
  Bar(cr, x - 10 * s, y - 20 * s, x - 14 * s, y, kFur, 9 * s);
  Bar(cr, x + 10 * s, y - 20 * s, x + 14 * s, y, kFur, 9 * s);
  EllipsePath(cr, x, y - 34 * s, 20 * s, 24 * s);
  FillInk(cr, kFur, 2.5);
  EllipsePath(cr, x, y - 30 * s, 12 * s, 15 * s);
  FillOnly(cr, kFace);
  Bar(cr, x - 16 * s, y - 46 * s, x - 24 * s - 10 * s * armUp, y - 30 * s - 52 * s * armUp, kFur,
      8 * s);
  Bar(cr, x + 16 * s, y - 46 * s, x + 28 * s, y - 28 * s, kFur, 8 * s);
  // head
  const double hy = y - 72 * s;
  for (int side : {-1, 1}) {
    EllipsePath(cr, x + side * 24 * s, hy, 9 * s, 9 * s);
    FillInk(cr, kFace, 2.5);
  }
  EllipsePath(cr, x, hy, 22 * s, 20 * s);
  FillInk(cr, kFur, 2.5);
  EllipsePath(cr, x, hy + 4 * s, 16 * s, 13 * s);
  FillOnly(cr, kFace);
  for (int side : {-1, 1}) {
    EllipsePath(cr, x + side * 7 * s, hy - 2 * s, 3 * s, 4 * s);
    FillOnly(cr, kInk);
  }
  if (mouth > 0) {
    EllipsePath(cr, x, hy + 9 * s, 5 * s, 3.5 * s);
    FillOnly(cr, {0.6, 0.15, 0.15});
  } else {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, hy + 5 * s, 6 * s, 0.2 * M_PI, 0.8 * M_PI);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

// monkey x y(feet) (scale=, mouth=0|1, arm=0..1)
void Monkey(cairo_t* cr, const PaintArgs& a) {
  DrawMonkey(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.NumberOr("arm", 0),
             int(a.NumberOr("mouth", 0)));
}

// monkey_climb x1 y1 x2 y2: frames take the monkey down its vine from the branch (x1, y1) to
// the ground by the beds (x2, y2), where it waves.
void MonkeyClimb(cairo_t* cr, const PaintArgs& a) {
  const double t = a.Progress(), ease = t * t * (3 - 2 * t);
  const double x1 = a.Number(0), y1 = a.Number(1), x2 = a.Number(2), y2 = a.Number(3);
  const double x = x1 + (x2 - x1) * ease, y = y1 + (y2 - y1) * ease;
  const double s = a.NumberOr("scale", 1);
  Line(cr, x1 - 26 * s, 0, x - 26 * s - 10 * s, y - 80 * s, {0.3, 0.55, 0.2}, 4);
  DrawMonkey(cr, x, y, s, t < 1 ? 1 : 0.6, a.frame % 2);
}

// --- the flower beds -------------------------------------------------------------------------

// The outline of a bed of a shape in the box: 0 square, 1 circle, 2 rectangle, 3 triangle.
void ShapePath(cairo_t* cr, int shape, double x, double y, double w, double h) {
  const double cx = x + w / 2, cy = y + h / 2, side = std::min(w, h);
  switch (shape) {
    case 0:
      cairo_rectangle(cr, cx - side / 2, cy - side / 2, side, side);
      break;
    case 1:
      EllipsePath(cr, cx, cy, side / 2, side / 2);
      break;
    case 2:
      cairo_rectangle(cr, x + 2, cy - side * 0.32, w - 4, side * 0.64);
      break;
    default:
      cairo_move_to(cr, cx, y + 2);
      cairo_line_to(cr, cx + side * 0.62, y + h - 2);
      cairo_line_to(cr, cx - side * 0.62, y + h - 2);
      cairo_close_path(cr);
      break;
  }
}

// shaped_bed x y w h: a bed of brown soil edged with stones; the frame (or shape=) is its shape.
void ShapedBed(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const int shape = a.frames > 1 ? a.frame : int(a.NumberOr("shape", 0));
  ShapePath(cr, shape, x + 4, y + 4, w - 8, h - 8);
  SetColor(cr, {0.85, 0.85, 0.82});
  cairo_set_line_width(cr, 12);
  cairo_stroke_preserve(cr);
  FillInk(cr, kSoil, 3);
  ShapePath(cr, shape, x + 4, y + 4, w - 8, h - 8);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// One small flower: stem from the foot (x, y) up, a bloom of the colour.
void SmallFlower(cairo_t* cr, double x, double y, double height, double size, Color petal) {
  Bar(cr, x, y, x, y - height, {0.25, 0.6, 0.2}, 3);
  for (int i = 0; i < 5; ++i) {
    const double angle = i * 2 * M_PI / 5 - M_PI / 2;
    EllipsePath(cr, x + std::cos(angle) * size * 0.6, y - height + std::sin(angle) * size * 0.6,
                size * 0.5, size * 0.5);
    FillInk(cr, petal, 1.5);
  }
  EllipsePath(cr, x, y - height, size * 0.35, size * 0.35);
  FillInk(cr, {1.0, 0.9, 0.3}, 1.2);
}

// colour_pot x y(foot) color=: a pot with flowers of one colour, to take them from.
void ColourPot(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const Color petal = a.ColorOr("color", ParseColor("red"));
  for (int i = -1; i <= 1; ++i)
    SmallFlower(cr, x + i * 16, y - 50, 26 + (i == 0) * 12, 14, petal);
  FlowerPot(cr, x, y, 1.15);
}

// carried_flower x y color=: one flower with its ball of soil, as the child carries it.
void CarriedFlower(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  SmallFlower(cr, x, y - 10, 36, 16, a.ColorOr("color", ParseColor("red")));
  EllipsePath(cr, x, y - 8, 12, 9);
  FillInk(cr, kSoil, 2);
}

// planted_flowers x y w h shape= color=: flowers of the colour set out in the bed's shape
// (frames grow them).
void PlantedFlowers(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const int shape = int(a.NumberOr("shape", 0));
  const Color petal = a.ColorOr("color", ParseColor("red"));
  const double grown = a.frames > 1 ? 0.3 + 0.7 * a.Progress() : 1.0;
  // feet of the flowers around the shape's outline and its middle
  std::vector<std::pair<double, double>> feet;
  const double cx = x + w / 2, cy = y + h - 26;
  const double r = 26;
  switch (shape) {
    case 0:
      feet = {{-r, -r * 0.6}, {r, -r * 0.6}, {-r, r * 0.6}, {r, r * 0.6}, {0, 0}};
      break;
    case 1:
      for (int i = 0; i < 6; ++i)
        feet.push_back({std::cos(i * M_PI / 3) * r, std::sin(i * M_PI / 3) * r * 0.6});
      feet.push_back({0, 0});
      break;
    case 2:
      feet = {{-1.5 * r, -r * 0.4}, {-0.5 * r, -r * 0.4}, {0.5 * r, -r * 0.4}, {1.5 * r, -r * 0.4},
              {-1.5 * r, r * 0.4},  {-0.5 * r, r * 0.4},  {0.5 * r, r * 0.4},  {1.5 * r, r * 0.4}};
      break;
    default:
      feet = {{0, -r * 0.7},       {-r * 0.6, 0}, {r * 0.6, 0},
              {-r * 1.2, r * 0.7}, {0, r * 0.7},  {r * 1.2, r * 0.7}};
      break;
  }
  std::sort(feet.begin(), feet.end(), [](auto p, auto q) { return p.second < q.second; });
  for (const auto& [fx, fy] : feet)
    SmallFlower(cr, cx + fx, cy + fy, 30 * grown, 13 * grown + 3, petal);
}

// shed x y(foot) w h: the garden shed seen from outside, with its door ajar.
void Shed(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), foot = a.Number(1), w = a.Number(2), h = a.Number(3);
  const double wallTop = foot - h * 0.62;
  cairo_rectangle(cr, x, wallTop, w, foot - wallTop);
  FillInk(cr, kWood, 3);
  for (double px = x + 18; px < x + w - 4; px += 18)
    Line(cr, px, wallTop + 2, px, foot - 2, {0.62, 0.42, 0.25}, 2);
  cairo_move_to(cr, x - 14, wallTop + 4);
  cairo_line_to(cr, x + w / 2, foot - h);
  cairo_line_to(cr, x + w + 14, wallTop + 4);
  cairo_close_path(cr);
  FillInk(cr, {0.75, 0.22, 0.18}, 3);
  cairo_rectangle(cr, x + w * 0.35, foot - h * 0.45, w * 0.3, h * 0.45);
  FillInk(cr, {0.25, 0.16, 0.1}, 3);
  cairo_move_to(cr, x + w * 0.35, foot - h * 0.45);
  cairo_line_to(cr, x + w * 0.22, foot - h * 0.42);
  cairo_line_to(cr, x + w * 0.22, foot + 4);
  cairo_line_to(cr, x + w * 0.35, foot);
  cairo_close_path(cr);
  FillInk(cr, kDarkWood, 2.5);
  // a rake and a spade lean by the door, so that it is plainly the tools' house
  Bar(cr, x + w * 0.8, foot, x + w * 0.86, foot - h * 0.5, kHandle, 5);
  Spade(cr, x + w * 0.93, foot, 0.45);
}

// question_bubble x y w h: a round bubble with a question mark: click it to hear the question
// again.
void QuestionBubble(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  EllipsePath(cr, x + w / 2, y + h * 0.45, w / 2 - 2, h * 0.45 - 2);
  FillInk(cr, {1, 1, 1}, 3);
  cairo_move_to(cr, x + w * 0.3, y + h * 0.8);
  cairo_line_to(cr, x + w * 0.15, y + h - 2);
  cairo_line_to(cr, x + w * 0.5, y + h * 0.85);
  FillInk(cr, {1, 1, 1}, 2);
  CentredText(cr, "?", x + w / 2, y + h * 0.65, h * 0.6, {0.2, 0.45, 0.95}, kInk, 0);
}

}  // namespace

void AddGarden3Painters(PainterTable& t) {
  t["shed_wall"] = {0, ShedWall, "(the whole picture)"};
  t["tool_place"] = {4, ToolPlace, "x y width height"};
  t["garden_tool"] = {4, GardenTool,
                      "x y width height kind=hose|hammer|can|basket|pot|saw|sickle|barrel|ladder|"
                      "spade big=0|1 rest=0|1"};
  t["cart_tool"] = {2, CartTool, "x y(foot) (tool=0..19 or the frame, scale=)"};
  t["cart"] = {2, Cart, "x y (the box's top left; part=back|front)"};
  t["lamp"] = {2, Lamp,
               "x y(shade top) (lit=0..1, glow=1 on an opaque picture; frames put it out)"};
  t["monkey"] = {2, Monkey, "x y(feet) (scale=, mouth=0|1, arm=0..1)"};
  t["monkey_climb"] = {4, MonkeyClimb, "branch-x branch-y ground-x ground-y (frames; scale=)"};
  t["shaped_bed"] = {4, ShapedBed, "x y width height (frame or shape=0..3)"};
  t["colour_pot"] = {2, ColourPot, "x y(foot) color="};
  t["carried_flower"] = {2, CarriedFlower, "x y(foot) color="};
  t["planted_flowers"] = {4, PlantedFlowers, "x y width height shape=0..3 color= (frames grow)"};
  t["shed"] = {4, Shed, "x y(foot) width height"};
  t["question_bubble"] = {4, QuestionBubble, "x y width height"};
}

}  // namespace rufo::demogen
