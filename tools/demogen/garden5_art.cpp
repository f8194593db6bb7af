// Garden5's drawings: the parrots and their board, the meadow's flowers and the caterpillar
// that asks for them, the hives and the bee.
#include <algorithm>
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kBeak{1.0, 0.78, 0.2};
constexpr Color kBoardGreen{0.13, 0.33, 0.24};
constexpr Color kWood{0.62, 0.4, 0.2};
constexpr Color kChalk{0.97, 0.97, 0.92};
constexpr Color kBeeYellow{1.0, 0.82, 0.1};
constexpr Color kBeeBlack{0.15, 0.12, 0.1};

// An eye looking forward, or closed as a small arc.
void Eye(cairo_t* cr, double x, double y, double r, bool closed) {
  if (closed) {
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_arc(cr, x, y - r * 0.3, r, 0.2 * M_PI, 0.8 * M_PI);
    cairo_stroke(cr);
    return;
  }
  EllipsePath(cr, x, y, r, r * 1.15);
  FillInk(cr, {1, 1, 1}, 1.5);
  EllipsePath(cr, x + r * 0.2, y + r * 0.1, r * 0.55, r * 0.65);
  FillOnly(cr, kInk);
  EllipsePath(cr, x + r * 0.35, y - r * 0.2, r * 0.2, r * 0.2);
  FillOnly(cr, {1, 1, 1});
}

// A parrot sitting with its feet at (x, y), looking at the child. The frame is the beak's
// shape as the mouth scripts give it: 0 closed, 1 to 3 ever wider, 4 open, 5 blinking; with
// flap=yes the frames flap the wings instead.
void Parrot(cairo_t* cr, const PaintArgs& a) {
  const double s = a.NumberOr("scale", 1);
  const Color body = a.ColorOr("color", ParseColor("green"));
  const bool flap = a.TextOr("flap", "no") == "yes";
  const int beak = flap ? (a.frame % 2 ? 3 : 0) : a.frame % 6;
  const double lift = flap ? std::sin(M_PI * a.frame / std::max(1, a.frames - 1)) * 14 : 0;
  cairo_save(cr);
  cairo_translate(cr, a.Number(0), a.Number(1) - lift * s);
  cairo_scale(cr, s, s);
  // tail feathers hanging below the perch
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, i * 6, -20);
    cairo_curve_to(cr, i * 10 - 6, 10, i * 12 - 4, 30, i * 9, 42);
    cairo_curve_to(cr, i * 9 + 8, 30, i * 8 + 8, 10, i * 6 + 8, -20);
    FillInk(cr, Darker(body, 0.25 + 0.1 * (i + 1)), 2);
  }
  // body and belly
  EllipsePath(cr, 0, -45, 30, 42);
  FillInk(cr, body, 2.5);
  EllipsePath(cr, 0, -36, 17, 26);
  FillOnly(cr, Lighter(body, 0.45));
  // wings, raised while flapping
  for (int side : {-1, 1}) {
    const double up = flap && a.frame % 2 ? 1 : 0;
    cairo_save(cr);
    cairo_translate(cr, side * 24, -60);
    cairo_rotate(cr, side * (0.25 - up * 2.2));
    EllipsePath(cr, 0, 18, 11, 26);
    FillInk(cr, Darker(body, 0.2), 2);
    cairo_restore(cr);
  }
  // feet gripping the perch
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 10, -2, 7, 4);
    FillInk(cr, {0.55, 0.55, 0.55}, 1.5);
  }
  // head with a white face patch
  EllipsePath(cr, 0, -96, 27, 25);
  FillInk(cr, body, 2.5);
  EllipsePath(cr, 11, -98, 12, 13);
  FillOnly(cr, {1, 1, 1});
  EllipsePath(cr, -11, -98, 12, 13);
  FillOnly(cr, {1, 1, 1});
  Eye(cr, -11, -100, 6, beak == 5);
  Eye(cr, 11, -100, 6, beak == 5);
  // a crest of three feathers
  for (int i = -1; i <= 1; ++i) {
    EllipsePath(cr, i * 7, -124, 4, 10);
    FillInk(cr, Lighter(body, 0.2), 1.5);
  }
  // the hooked beak: the lower half drops open with the frame, the upper half stays
  const double open = beak == 5 ? 0 : (beak == 4 ? 11 : beak * 3.5);
  if (open > 0) {
    EllipsePath(cr, 0, -80 + open / 2, 7, 3 + open / 2);
    FillOnly(cr, {0.45, 0.08, 0.1});
  }
  cairo_move_to(cr, -7, -82 + open);
  cairo_curve_to(cr, -5, -74 + open, 5, -74 + open, 7, -82 + open);
  cairo_close_path(cr);
  FillInk(cr, Darker(kBeak, 0.15), 1.8);
  cairo_move_to(cr, -10, -92);
  cairo_curve_to(cr, -10, -84, -2, -78, 2, -76);
  cairo_curve_to(cr, 8, -80, 10, -86, 10, -92);
  cairo_curve_to(cr, 6, -96, -6, -96, -10, -92);
  FillInk(cr, kBeak, 1.8);
  cairo_restore(cr);
}

// A wooden perch from x1 to x2 at height y.
void Perch(cairo_t* cr, const PaintArgs& a) {
  const double x1 = a.Number(0), y = a.Number(1), x2 = a.Number(2);
  RoundRectPath(cr, x1, y - 6, x2 - x1, 12, 6);
  FillInk(cr, kWood, 2.5);
  for (double x : {x1 + 20, x2 - 20}) {
    cairo_rectangle(cr, x - 5, y + 6, 10, a.NumberOr("legs", 70));
    FillInk(cr, Darker(kWood, 0.1), 2);
  }
}

// A shape in thick chalk lines: 0 circle, 1 triangle, 2 square, 3 rectangle.
void ChalkShape(cairo_t* cr, double cx, double cy, double size, int kind) {
  switch (kind) {
    case 0:
      cairo_arc(cr, cx, cy, size, 0, 2 * M_PI);
      break;
    case 1:
      cairo_move_to(cr, cx, cy - size);
      cairo_line_to(cr, cx + size * 1.1, cy + size * 0.85);
      cairo_line_to(cr, cx - size * 1.1, cy + size * 0.85);
      cairo_close_path(cr);
      break;
    case 2:
      cairo_rectangle(cr, cx - size * 0.9, cy - size * 0.9, size * 1.8, size * 1.8);
      break;
    default:
      cairo_rectangle(cr, cx - size * 1.6, cy - size * 0.75, size * 3.2, size * 1.5);
  }
  SetColor(cr, kChalk);
  cairo_set_line_width(cr, 7);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// The school board in a w × h box. Frames 0 to 10: a sponge wipes it from left to right;
// frame 11: clean; frames 12 to 15: the shapes 0 to 3. A still picture shows it clean.
void ShapeBoard(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const int frame = a.frames > 1 ? a.frame : 11;
  RoundRectPath(cr, x, y, w, h, 8);
  FillInk(cr, kWood, 3);
  cairo_rectangle(cr, x + 12, y + 12, w - 24, h - 24);
  FillInk(cr, kBoardGreen, 2);
  if (frame >= 12) {
    ChalkShape(cr, x + w / 2, y + h / 2, h * 0.26, frame - 12);
  } else if (frame <= 10) {
    const double t = frame / 10.0;
    const double sx = x + 30 + (w - 60) * t;
    // the wiped part is darker and wet, with a swirl of chalk dust ahead of the sponge
    cairo_save(cr);
    cairo_rectangle(cr, x + 12, y + 12, w - 24, h - 24);
    cairo_clip(cr);
    cairo_rectangle(cr, x + 12, y + 12, sx - x - 12, h - 24);
    FillOnly(cr, Darker(kBoardGreen, 0.25));
    for (int i = 0; i < 5; ++i) {
      EllipsePath(cr, sx + 18 + i * 4, y + 25 + i * (h - 50) / 4.0, 3, 3);
      FillOnly(cr, Mix(kChalk, kBoardGreen, 0.4));
    }
    cairo_restore(cr);
    RoundRectPath(cr, sx - 16, y + h / 2 - 24 + std::sin(t * 12) * 14, 32, 48, 6);
    FillInk(cr, {1.0, 0.85, 0.2}, 2);
  }
  // the chalk tray
  cairo_rectangle(cr, x + 20, y + h - 10, w - 40, 8);
  FillInk(cr, Darker(kWood, 0.2), 1.5);
}

// A caterpillar in a 170 × 120 box at (x, y) on a leaf, looking at the child. The frame is its
// mouth as the mouth scripts give it (0 closed ... 4 open, 5 blinking); with sigh=yes the
// frames show it sighing: eyes closed, head down, a puff of breath.
void Caterpillar(cairo_t* cr, const PaintArgs& a) {
  const Color body = a.ColorOr("color", ParseColor("green"));
  const bool sigh = a.TextOr("sigh", "no") == "yes";
  const double t = sigh ? std::sin(M_PI * a.frame / std::max(1, a.frames - 1)) : 0;
  const int mouth = sigh ? 0 : a.frame % 6;
  cairo_save(cr);
  cairo_translate(cr, a.Number(0), a.Number(1));
  // the leaf
  cairo_move_to(cr, 5, 112);
  cairo_curve_to(cr, 40, 80, 130, 80, 168, 108);
  cairo_curve_to(cr, 130, 124, 40, 126, 5, 112);
  FillInk(cr, {0.35, 0.72, 0.25}, 2);
  // the body: round segments with little feet
  for (int i = 0; i < 6; ++i) {
    const double cx = 22 + i * 19, cy = 92 - std::sin(i * 0.9) * 4;
    EllipsePath(cr, cx, cy + 13, 3, 4);
    FillOnly(cr, kInk);
    EllipsePath(cr, cx, cy, 15, 15);
    FillInk(cr, i % 2 ? body : Lighter(body, 0.2), 2);
  }
  // the head, lowered while sighing
  const double hx = 138, hy = 62 + t * 12;
  for (int side : {-1, 1}) {
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, hx + side * 10, hy - 22);
    cairo_line_to(cr, hx + side * 18, hy - 42 + t * 8);
    cairo_stroke(cr);
    EllipsePath(cr, hx + side * 18, hy - 44 + t * 8, 5, 5);
    FillInk(cr, {1.0, 0.5, 0.6}, 1.5);
  }
  EllipsePath(cr, hx, hy, 27, 25);
  FillInk(cr, Lighter(body, 0.1), 2.5);
  Eye(cr, hx - 9, hy - 6, 6.5, mouth == 5 || t > 0.3);
  Eye(cr, hx + 9, hy - 6, 6.5, mouth == 5 || t > 0.3);
  EllipsePath(cr, hx - 17, hy + 6, 5, 3);
  FillOnly(cr, {1.0, 0.6, 0.6});
  EllipsePath(cr, hx + 17, hy + 6, 5, 3);
  FillOnly(cr, {1.0, 0.6, 0.6});
  const double open = mouth == 5 ? 0 : (mouth == 4 ? 6 : mouth * 2.2);
  if (sigh) {
    // a sad little mouth and the breath drifting away
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, hx - 7, hy + 14);
    cairo_curve_to(cr, hx - 3, hy + 9, hx + 3, hy + 9, hx + 7, hy + 14);
    cairo_stroke(cr);
    for (int i = 0; i < 3 && t > 0.15; ++i) {
      EllipsePath(cr, hx - 38 - i * 10 * t, hy - 14 - i * 9 * t, 4 + i * 2 * t, 3 + i * 2 * t);
      FillInk(cr, {0.92, 0.95, 1.0}, 1.2);
    }
  } else if (open < 1) {
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, hx - 8, hy + 9);
    cairo_curve_to(cr, hx - 3, hy + 15, hx + 3, hy + 15, hx + 8, hy + 9);
    cairo_stroke(cr);
  } else {
    EllipsePath(cr, hx, hy + 11, 7, open);
    FillInk(cr, {0.45, 0.08, 0.1}, 2);
  }
  cairo_restore(cr);
}

// A meadow flower with its foot at (x, y). In an animation it grows over the frames up to
// `peak` (default 7) and after that sinks back into the grass; a still picture shows it grown.
void Bloom(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const Color petal = a.ColorOr("color", ParseColor("red"));
  const int peak = static_cast<int>(a.NumberOr("peak", 7));
  double t = 1;
  if (a.frames > 1) {
    t = a.frame <= peak ? double(a.frame) / peak
                        : 1 - double(a.frame - peak) / std::max(1, a.frames - 1 - peak);
  }
  if (t <= 0.02) {
    // a sprout
    EllipsePath(cr, x, y - 4, 5, 4);
    FillInk(cr, {0.35, 0.75, 0.25}, 1.2);
    return;
  }
  const double ease = 1 - (1 - t) * (1 - t);
  const double height = 18 + 76 * ease, size = 10 + 24 * ease;
  const double by = y - height;
  SetColor(cr, {0.2, 0.55, 0.15});
  cairo_set_line_width(cr, 4);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, by);
  cairo_stroke(cr);
  for (int side : {-1, 1}) {
    EllipsePath(cr, x + side * 9 * ease, y - height * 0.35, 9 * ease + 1, 4 * ease + 1);
    FillInk(cr, {0.35, 0.75, 0.25}, 1.5);
  }
  const bool dark = petal.r + petal.g + petal.b < 0.6;
  for (int i = 0; i < 8; ++i) {
    const double angle = i * M_PI / 4;
    cairo_save(cr);
    cairo_translate(cr, x + std::cos(angle) * size * 0.62, by + std::sin(angle) * size * 0.62);
    cairo_rotate(cr, angle);
    EllipsePath(cr, 0, 0, size * 0.55, size * 0.33);
    cairo_restore(cr);
    SetColor(cr, petal);
    cairo_fill_preserve(cr);
    SetColor(cr, dark ? Color{0.55, 0.55, 0.55} : kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  EllipsePath(cr, x, by, size * 0.34, size * 0.34);
  FillInk(cr,
          petal.r > 0.9 && petal.g > 0.75 && petal.b < 0.3 ? Color{0.9, 0.45, 0.1}
                                                           : Color{1.0, 0.85, 0.15},
          1.8);
}

// A straw hive (about 90 × 90) standing on (x, y), its rings painted in `color`. In an
// animation the bee flies in through the door and the hive hops with joy and smiles.
void Hive(cairo_t* cr, const PaintArgs& a) {
  const double s = a.NumberOr("scale", 1);
  const Color paint = a.ColorOr("color", ParseColor("yellow"));
  const bool animated = a.frames > 1;
  const double t = animated ? double(a.frame) / (a.frames - 1) : 0;
  const double hop = animated && t > 0.5 ? std::sin((t - 0.5) * 2 * M_PI * 2) * 6 : 0;
  cairo_save(cr);
  cairo_translate(cr, a.Number(0), a.Number(1) - std::abs(hop) * s);
  cairo_scale(cr, s, s);
  // the stand
  cairo_rectangle(cr, -40, -6, 80, 8);
  FillInk(cr, kWood, 2);
  // rings from the bottom up, ever narrower
  for (int ring = 0; ring < 5; ++ring) {
    const double w = 72 - ring * 11, ry = -14 - ring * 14;
    RoundRectPath(cr, -w / 2, ry - 8, w, 17, 8);
    FillInk(cr, ring % 2 ? Lighter(paint, 0.15) : paint, 2.2);
  }
  EllipsePath(cr, 0, -82, 10, 6);
  FillInk(cr, Darker(paint, 0.15), 2);
  // the door
  EllipsePath(cr, 0, -17, 9, 7);
  FillInk(cr, kBeeBlack, 1.5);
  if (animated) {
    // a smile once the bee is home
    if (t > 0.5) {
      for (int side : {-1, 1}) {
        EllipsePath(cr, side * 12, -48, 3.5, 4);
        FillOnly(cr, kInk);
      }
      SetColor(cr, kInk);
      cairo_set_line_width(cr, 2.5);
      cairo_move_to(cr, -10, -38);
      cairo_curve_to(cr, -4, -31, 4, -31, 10, -38);
      cairo_stroke(cr);
    }
    if (t <= 0.5) {
      const double k = t / 0.5;
      cairo_save(cr);
      cairo_translate(cr, 0, -60 + 43 * k);
      cairo_scale(cr, 1 - 0.6 * k, 1 - 0.6 * k);
      EllipsePath(cr, 0, 0, 12, 9);
      FillInk(cr, kBeeYellow, 1.5);
      cairo_restore(cr);
    }
  }
  cairo_restore(cr);
}

// A round striped bee centred on (x, y), about 60 × 50 at scale 1; the frames beat its wings.
void DrawBee(cairo_t* cr, double x, double y, double s, int frame) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  const double wing = frame % 2 ? 0.5 : -0.2;
  for (int side : {-1, 1}) {
    cairo_save(cr);
    cairo_translate(cr, side * 6, -14);
    cairo_rotate(cr, side * wing);
    EllipsePath(cr, side * 8, -8, 11, 15);
    cairo_restore(cr);
    SetColor(cr, {0.85, 0.95, 1.0});
    cairo_fill_preserve(cr);
    SetColor(cr, {0.4, 0.55, 0.7});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  EllipsePath(cr, 0, 0, 22, 16);
  FillInk(cr, kBeeYellow, 2.2);
  for (double sx : {-8.0, 4.0}) {
    cairo_save(cr);
    EllipsePath(cr, 0, 0, 22, 16);
    cairo_clip(cr);
    cairo_rectangle(cr, sx, -17, 6, 34);
    FillOnly(cr, kBeeBlack);
    cairo_restore(cr);
  }
  cairo_move_to(cr, -22, 0);
  cairo_line_to(cr, -29, 2);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  EllipsePath(cr, 20, -2, 11, 11);
  FillInk(cr, kBeeBlack, 1.5);
  Eye(cr, 23, -4, 4, false);
  SetColor(cr, {1, 1, 1});
  cairo_set_line_width(cr, 1.5);
  cairo_arc(cr, 22, 2, 4, 0.2 * M_PI, 0.8 * M_PI);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Bee(cairo_t* cr, const PaintArgs& a) {
  DrawBee(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.frame);
}

// The bee flying over the frames from (x1, y1) to (x2, y2) along an arc, getting smaller as it
// reaches the end when shrink=yes (into a hive door).
void BeeFlight(cairo_t* cr, const PaintArgs& a) {
  const double x1 = a.Number(0), y1 = a.Number(1), x2 = a.Number(2), y2 = a.Number(3);
  const double t = a.frames > 1 ? double(a.frame) / (a.frames - 1) : 0;
  const double arc = a.NumberOr("arc", 30);
  const double x = x1 + (x2 - x1) * t, y = y1 + (y2 - y1) * t - std::sin(M_PI * t) * arc;
  const double s = a.NumberOr("scale", 1) * (a.TextOr("shrink", "no") == "yes" ? 1 - 0.3 * t : 1);
  DrawBee(cr, x, y, s, a.frame);
}

// A tall sunflower with its foot at (x, y).
void Sunflower(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), h = a.Number(2);
  SetColor(cr, {0.2, 0.55, 0.15});
  cairo_set_line_width(cr, 6);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y - h);
  cairo_stroke(cr);
  for (int side : {-1, 1}) {
    EllipsePath(cr, x + side * 16, y - h * 0.45, 16, 7);
    FillInk(cr, {0.35, 0.75, 0.25}, 1.5);
  }
  for (int i = 0; i < 12; ++i) {
    const double angle = i * M_PI / 6;
    cairo_save(cr);
    cairo_translate(cr, x + std::cos(angle) * 24, y - h + std::sin(angle) * 24);
    cairo_rotate(cr, angle);
    EllipsePath(cr, 0, 0, 14, 7);
    cairo_restore(cr);
    FillInk(cr, {1.0, 0.82, 0.1}, 1.8);
  }
  EllipsePath(cr, x, y - h, 17, 17);
  FillInk(cr, {0.5, 0.3, 0.12}, 2);
}

}  // namespace

void AddGarden5Painters(PainterTable& t) {
  t["parrot"] = {2, Parrot, "x y(feet) color= (scale=; frame = beak 0..5, flap=yes)"};
  t["perch"] = {3, Perch, "x1 y x2 (legs=)"};
  t["shape_board"] = {4, ShapeBoard,
                      "x y width height (frames: 0-10 wipe, 11 clean, 12-15 shapes)"};
  t["caterpillar"] = {2, Caterpillar, "x y (a 170 × 120 box; color=, frame = mouth, sigh=yes)"};
  t["bloom"] = {2, Bloom, "x y(foot) color= (frames grow up to peak=7, then sink)"};
  t["hive"] = {2, Hive, "x y(foot) color= (scale=; frames: the bee flies in)"};
  t["bee"] = {2, Bee, "x y (scale=; frames beat the wings)"};
  t["bee_flight"] = {4, BeeFlight, "x1 y1 x2 y2 (frames; arc=, scale=, shrink=yes)"};
  t["sunflower"] = {3, Sunflower, "x y(foot) height"};
}

}  // namespace rufo::demogen
