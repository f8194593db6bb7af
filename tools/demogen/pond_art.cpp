// Garden1's drawings: the pond with its water lilies, the frogs and their jumps, splashes, the
// number buttons and the flowers that grow.
#include <algorithm>
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kFrogGreen{0.36, 0.78, 0.22};
constexpr Color kFrogBelly{0.78, 0.95, 0.55};
constexpr Color kLilyGreen{0.25, 0.62, 0.2};
constexpr Color kWater{0.35, 0.67, 0.92};

double Clamp01(double t) {
  return std::clamp(t, 0.0, 1.0);
}

void Pond(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), rx = a.Number(2), ry = a.Number(3);
  EllipsePath(cr, x, y + 6, rx + 12, ry + 10);
  FillOnly(cr, {0.55, 0.45, 0.3});
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y - ry, 0, y + ry);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.3, 0.6, 0.88);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.5, 0.8, 0.98);
  EllipsePath(cr, x, y, rx, ry);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // light ripples on the water
  SetColor(cr, Lighter(kWater, 0.6));
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double ripples[][2] = {{-0.6, -0.5}, {0.3, -0.7}, {-0.2, 0.05}, {0.55, 0.2}, {-0.5, 0.6}};
  for (const auto& r : ripples) {
    const double cx = x + r[0] * rx, cy = y + r[1] * ry;
    cairo_move_to(cr, cx - 14, cy);
    cairo_curve_to(cr, cx - 6, cy - 4, cx + 6, cy - 4, cx + 14, cy);
    cairo_stroke(cr);
  }
}

// Reeds: a few green blades with brown cat-tails.
void Reeds(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  for (int i = 0; i < 4; ++i) {
    const double bx = x + (i - 1.5) * 8 * s, lean = (i - 1.5) * 5 * s, h = (50 + (i % 2) * 16) * s;
    cairo_move_to(cr, bx, y);
    cairo_curve_to(cr, bx, y - h * 0.5, bx + lean, y - h * 0.8, bx + lean * 1.4, y - h);
    SetColor(cr, {0.2, 0.55, 0.15});
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
    if (i % 2 == 0) {
      EllipsePath(cr, bx + lean * 1.2, y - h * 0.85, 4 * s, 10 * s);
      FillInk(cr, {0.5, 0.3, 0.15}, 1.5);
    }
  }
}

// A water lily pad seen from the side: a flat ellipse with a notch; flower=yes adds a bloom.
void DrawLily(cairo_t* cr, double x, double y, double rx, bool bloom) {
  const double ry = rx * 0.42;
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, -M_PI / 2 + 0.35, 3 * M_PI / 2 - 0.05);
  cairo_restore(cr);
  cairo_line_to(cr, x, y);
  cairo_close_path(cr);
  FillInk(cr, kLilyGreen, 2.5);
  SetColor(cr, Lighter(kLilyGreen, 0.35));
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < 5; ++i) {
    const double angle = 0.5 + i * 1.1;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(angle) * rx * 0.75, y + std::sin(angle) * ry * 0.75);
  }
  cairo_stroke(cr);
  if (bloom) {
    for (int i = 0; i < 6; ++i) {
      const double angle = M_PI + i * M_PI / 5;
      cairo_save(cr);
      cairo_translate(cr, x + rx * 0.55, y - ry * 0.2);
      cairo_rotate(cr, angle + M_PI / 2);
      EllipsePath(cr, 0, -6, 4, 8);
      cairo_restore(cr);
      FillInk(cr, {1.0, 0.8, 0.9}, 1.2);
    }
    EllipsePath(cr, x + rx * 0.55, y - ry * 0.2, 3.5, 3.5);
    FillOnly(cr, ParseColor("yellow"));
  }
}

void Lily(cairo_t* cr, const PaintArgs& a) {
  DrawLily(cr, a.Number(0), a.Number(1), a.Number(2), a.TextOr("flower", "no") == "yes");
}

// Rings spreading on the water around (x, y); t from 0 to 1.
void Rings(cairo_t* cr, double x, double y, double t) {
  for (int i = 0; i < 2; ++i) {
    const double r = 8 + 18 * Clamp01(t - i * 0.3);
    EllipsePath(cr, x, y, r, r * 0.35);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9 * (1 - Clamp01(t - i * 0.3)));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
}

// A frog sitting, its feet at (x, y), scaled by s. stretch 0 sitting, 1 leaping (legs out);
// squash flattens it; wave raises its right hand (0 down, 1 high); mouth opens it.
struct FrogPose {
  double stretch = 0;
  double squash = 0;
  double wave = -1;  // below 0: no waving hand
  bool mouth = false;
  double tilt = 0;
};

void DrawFrog(cairo_t* cr, double x, double y, double s, const FrogPose& pose) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, pose.tilt);
  cairo_scale(cr, s * (1 + pose.squash * 0.4), s * (1 - pose.squash * 0.4));
  const double line = 2.2 / s;
  // back legs: folded at the sides, or stretched down behind a leap
  for (int side : {-1, 1}) {
    if (pose.stretch > 0.5) {
      cairo_move_to(cr, side * 10, -8);
      cairo_line_to(cr, side * 20, 10);
      cairo_line_to(cr, side * 14, 20);
      cairo_line_to(cr, side * 6, 8);
      cairo_close_path(cr);
      FillInk(cr, kFrogGreen, line);
      EllipsePath(cr, side * 16, 22, 7, 4);
      FillInk(cr, kFrogGreen, line);
    } else {
      EllipsePath(cr, side * 19, -7, 10, 8);
      FillInk(cr, kFrogGreen, line);
      EllipsePath(cr, side * 24, -1, 8, 4);
      FillInk(cr, kFrogGreen, line);
    }
  }
  // body
  EllipsePath(cr, 0, -16, 20, 16);
  FillInk(cr, kFrogGreen, line);
  EllipsePath(cr, 0, -12, 12, 9);
  FillOnly(cr, kFrogBelly);
  // front feet
  for (int side : {-1, 1}) {
    if (side == 1 && pose.wave >= 0) continue;
    EllipsePath(cr, side * 7, -2, 5, 3.5);
    FillInk(cr, kFrogGreen, line);
  }
  // the waving hand
  if (pose.wave >= 0) {
    cairo_save(cr);
    cairo_translate(cr, 14, -18);
    cairo_rotate(cr, -0.4 - pose.wave * 1.6);
    RoundRectPath(cr, -3.5, -2, 7, 18, 3.5);
    FillInk(cr, kFrogGreen, line);
    EllipsePath(cr, 0, 17, 5, 4);
    FillInk(cr, kFrogGreen, line);
    cairo_restore(cr);
  }
  // head with eyes on top
  EllipsePath(cr, 0, -32, 17, 11);
  FillInk(cr, kFrogGreen, line);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 10, -42, 7.5, 7.5);
    FillInk(cr, kFrogGreen, line);
    EllipsePath(cr, side * 10, -42, 5, 5);
    FillOnly(cr, {1, 1, 1});
    EllipsePath(cr, side * 10 + 1, -41, 2.6, 2.6);
    FillOnly(cr, kInk);
  }
  EllipsePath(cr, 0, -32, 17, 11);
  FillOnly(cr, kFrogGreen);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 12, -28, 3, 2);
    cairo_set_source_rgba(cr, 1.0, 0.45, 0.45, 0.6);
    cairo_fill(cr);
  }
  if (pose.mouth) {
    cairo_move_to(cr, -9, -31);
    cairo_curve_to(cr, -6, -22, 6, -22, 9, -31);
    cairo_close_path(cr);
    FillInk(cr, {0.75, 0.2, 0.25}, line);
  } else {
    cairo_move_to(cr, -10, -30);
    cairo_curve_to(cr, -5, -25, 5, -25, 10, -30);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, line * 1.1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Frog(cairo_t* cr, const PaintArgs& a) {
  FrogPose pose;
  pose.wave = a.NumberOr("wave", -1);
  DrawFrog(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), pose);
}

// A frog hopping on the spot, twice over the frames.
void FrogHop(cairo_t* cr, const PaintArgs& a) {
  const double s = a.NumberOr("scale", 1);
  const double phase = a.frames > 1 ? std::fabs(std::sin(a.Progress() * 2 * M_PI)) : 0;
  FrogPose pose;
  pose.stretch = phase > 0.3 ? 1 : 0;
  DrawFrog(cr, a.Number(0), a.Number(1) - phase * 30 * s, s, pose);
}

// One frog's jump between the water at (wx, wy) and the middle of its lily at (lx, ly), in a
// box: up=yes leaps out of the water onto the lily (ending seated), otherwise it leaps from the
// lily back into the water (ending with rings). The lily itself is in the background picture.
void FrogJump(cairo_t* cr, const PaintArgs& a) {
  const double lx = a.Number(0), ly = a.Number(1), wx = a.Number(2), wy = a.Number(3);
  const double s = a.NumberOr("scale", 1);
  const bool up = a.TextOr("up", "yes") == "yes";
  const int last = a.frames - 1;
  // up: rings, peek, leap (frames 2 to last-2), land squashed, sit
  // down: sit, crouch, leap, rings
  const int f = up ? a.frame : last - a.frame;
  if (f == 0) {
    Rings(cr, wx, wy, up ? 0.3 : 0.8);
    return;
  }
  if (f == 1) {
    cairo_save(cr);
    cairo_rectangle(cr, wx - 40, wy - 80, 80, 80);
    cairo_clip(cr);
    DrawFrog(cr, wx, wy + 26 * s, s, {});
    cairo_restore(cr);
    Rings(cr, wx, wy, 0.1);
    return;
  }
  if (f >= last - 1) {
    FrogPose pose;
    pose.squash = f == last - 1 ? (up ? 0.35 : 0.25) : 0;
    DrawFrog(cr, lx, ly + 2, s, pose);
    return;
  }
  const double t = double(f - 1) / (last - 2);
  const double px = wx + (lx - wx) * t;
  const double py = wy + (ly + 2 - wy) * t - std::sin(t * M_PI) * 60 * s;
  FrogPose pose;
  pose.stretch = 1;
  pose.tilt = (lx > wx ? 1 : -1) * (0.5 - t) * 0.9 * (up ? 1 : -1);
  DrawFrog(cr, px, py, s, pose);
}

// A frog on its lily waving and calling; the lily is drawn again so that the seated frog
// underneath never shows through.
void FrogWave(cairo_t* cr, const PaintArgs& a) {
  const double lx = a.Number(0), ly = a.Number(1), s = a.NumberOr("scale", 1);
  DrawLily(cr, lx, ly, a.NumberOr("lily", 34), false);
  FrogPose pose;
  pose.wave = a.frame % 2 ? 1 : 0.3;
  pose.mouth = a.frame % 4 < 2;
  DrawFrog(cr, lx, ly + 2, s, pose);
}

// Water splashing up where a frog dived in, then rings.
void Splash(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const double t = a.Progress();
  Rings(cr, x, y, t);
  if (t >= 0.95) return;
  const double rise = std::sin(t * M_PI);
  for (int i = 0; i < 7; ++i) {
    const double angle = -M_PI / 2 + (i - 3) * 0.38;
    const double d = 10 + 22 * t;
    const double dx = std::cos(angle) * d, dy = std::sin(angle) * d * rise * 1.3;
    cairo_move_to(cr, x + dx * 0.3, y);
    cairo_line_to(cr, x + dx, y + dy);
    SetColor(cr, {0.85, 0.95, 1.0});
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    EllipsePath(cr, x + dx * 1.15, y + dy * 1.15 - 3, 3.5, 4.5);
    FillInk(cr, {0.75, 0.9, 1.0}, 1.2);
  }
}

// A round number button in a w × h box: the numeral, and below it as many dots, in rows of
// five, so that a child who cannot read numbers yet can count them. Frames press it in.
void NumberButton(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(2), h = a.Number(3);
  cairo_translate(cr, a.Number(0), a.Number(1));
  const int n = static_cast<int>(a.NumberOr("n", 1));
  const bool animated = a.frames > 1;
  const int press = animated ? (a.frame == 0 || a.frame == a.frames - 1 ? 1 : 2) : 0;
  const double shift = press == 2 ? 3 : 0;
  static const char* const kColors[] = {"red",  "orange", "yellow", "lime",   "green",
                                        "cyan", "sky",    "blue",   "purple", "pink"};
  const Color face = ParseColor(kColors[(n + 9) % 10]);
  if (press == 0) {
    RoundRectPath(cr, 3, 6, w - 6, h - 8, 14);
    FillOnly(cr, Darker(face, 0.45));
  }
  if (press > 0) {
    RoundRectPath(cr, 0.5, 0.5, w - 1, h - 1, 16);
    FillOnly(cr, {1.0, 0.97, 0.5});
  }
  RoundRectPath(cr, 3, 3 + shift, w - 6, h - 9, 14);
  FillInk(cr, press == 2 ? Darker(face, 0.15) : Lighter(face, 0.35), 2.5);
  const std::string text = std::to_string(n);
  CentredText(cr, text, w / 2, 3 + shift + (h - 9) * 0.55, h * 0.42, {1, 1, 1}, kInk, 4);
  const int rows = n > 5 ? 2 : 1;
  for (int i = 0; i < n; ++i) {
    const int row = i / 5, column = i % 5;
    const int inRow = row == 0 ? std::min(n, 5) : n - 5;
    const double dx = (column - (inRow - 1) / 2.0) * 8.5;
    const double dy = (h - 9) * (rows == 1 ? 0.78 : 0.7) + row * 8.5;
    EllipsePath(cr, w / 2 + dx, 3 + shift + dy, 3.2, 3.2);
    FillInk(cr, {1, 1, 1}, 1.2);
  }
}

// A flower that grows from a small bud at its foot (x, y) to a big bloom; frame 0 is the
// small flower of the background picture, the last frame the grown one.
void GrowFlower(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const Color petal = a.ColorOr("color", ParseColor("red"));
  const double t = (a.frames > 1 ? a.Progress() : a.NumberOr("grown", 0)) * a.NumberOr("upto", 1);
  const double ease = 1 - (1 - t) * (1 - t);
  const double size = 16 + 12 * ease;
  const double height = 46 + 92 * ease;
  const double bx = x, by = y - height;
  SetColor(cr, {0.2, 0.55, 0.15});
  cairo_set_line_width(cr, 3 + 2 * ease);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x - 3, y - height * 0.4, x + 3, y - height * 0.7, bx, by);
  cairo_stroke(cr);
  for (int side : {-1, 1}) {
    const double ly = y - height * (side < 0 ? 0.3 : 0.45);
    const double len = 10 + 10 * ease;
    cairo_move_to(cr, x, ly);
    cairo_curve_to(cr, x + side * len * 0.4, ly - len * 0.6, x + side * len, ly - len * 0.5,
                   x + side * len * 1.1, ly - len * 0.7);
    cairo_curve_to(cr, x + side * len * 0.8, ly - len * 0.1, x + side * len * 0.3, ly + 2, x, ly);
    FillInk(cr, {0.35, 0.75, 0.25}, 1.8);
  }
  const Color edge = petal.r + petal.g + petal.b < 0.6 ? Color{0.45, 0.45, 0.45} : kInk;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 6; ++i) {
      const double angle = i * M_PI / 3 + 0.2;
      EllipsePath(cr, bx + std::cos(angle) * 0.58 * size, by + std::sin(angle) * 0.58 * size,
                  0.48 * size, 0.48 * size);
      if (pass == 0) {
        SetColor(cr, edge);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
      } else {
        FillOnly(cr, petal);
      }
    }
  }
  EllipsePath(cr, bx, by, 0.36 * size, 0.36 * size);
  FillInk(cr,
          petal.r > 0.9 && petal.g > 0.8 && petal.b < 0.3 ? Color{1.0, 0.55, 0.1}
                                                          : Color{1.0, 0.85, 0.15},
          1.8);
  // sparkles while it grows
  if (a.frames > 1 && a.frame > 0 && a.frame < a.frames - 1) {
    for (int i = 0; i < 3; ++i) {
      const double angle = a.frame * 1.3 + i * 2.1;
      StarPath(cr, bx + std::cos(angle) * size * 1.5, by + std::sin(angle) * size * 1.3, 5, 2, 4);
      FillInk(cr, ParseColor("yellow"), 1);
    }
  }
}

// A strip of brown soil for a flower bed.
void Bed(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  RoundRectPath(cr, x, y, w, h, h / 2);
  FillInk(cr, {0.55, 0.35, 0.2}, 2.5);
  SetColor(cr, {0.45, 0.28, 0.15});
  for (double px = x + 14; px < x + w - 10; px += 23) {
    EllipsePath(cr, px, y + h * (0.35 + 0.3 * std::fmod(px * 0.37, 1.0)), 3, 2);
    cairo_fill(cr);
  }
}

}  // namespace

void AddPondPainters(PainterTable& t) {
  t["pond"] = {4, Pond, "x y rx ry (the water's middle and radii)"};
  t["reeds"] = {2, Reeds, "x y(foot) (scale=)"};
  t["lily"] = {3, Lily, "x y rx (flower=yes)"};
  t["frog"] = {2, Frog, "x y(feet) (scale=, wave=0..1)"};
  t["frog_hop"] = {2, FrogHop, "x y(feet) (scale=; frames: two hops)"};
  t["frog_jump"] = {4, FrogJump, "lily-x lily-y water-x water-y (frames; up=yes|no, scale=)"};
  t["frog_wave"] = {2, FrogWave, "lily-x lily-y (frames; scale=, lily=rx)"};
  t["splash"] = {2, Splash, "x y (frames)"};
  t["number_button"] = {4, NumberButton, "x y width height n=0..10 (frames press it)"};
  t["grow_flower"] = {2, GrowFlower,
                      "x y(foot) color= (frames grow it, upto=0..1 of the way; grown=0..1)"};
  t["bed"] = {4, Bed, "x y width height"};
}

}  // namespace rufo::demogen
