// The pantry lesson: the shelves and the crate of things to put away (a jar of jam, a carrot, an
// apple, cheese, a loaf of bread, a bottle of milk), the cooking pot with its lid, the four
// surprises that pop out of it (a devil, a frog, a pig, a walrus), and the signs for a right
// and a wrong piece.
#include <cmath>
#include <stdexcept>
#include <string>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kWood{0.78, 0.55, 0.3};
constexpr Color kPotRed{0.85, 0.25, 0.2};

void Jam(cairo_t* cr) {
  RoundRectPath(cr, -18, -14, 36, 40, 7);
  FillInk(cr, {0.85, 0.1, 0.2}, 2.5);
  RoundRectPath(cr, -20, -24, 40, 12, 3);
  FillInk(cr, {1, 1, 1}, 2);
  cairo_rectangle(cr, -20, -24, 40, 12);
  cairo_clip(cr);
  for (int i = 0; i < 5; ++i) {
    EllipsePath(cr, -16 + i * 8, -18 + (i % 2) * 4, 2.5, 2.5);
    FillOnly(cr, {0.9, 0.2, 0.2});
  }
  cairo_reset_clip(cr);
  RoundRectPath(cr, -11, -2, 22, 16, 3);
  FillInk(cr, {1, 0.95, 0.8}, 1.5);
  HeartPath(cr, 0, 4, 5);
  FillOnly(cr, {0.85, 0.1, 0.2});
}

void Carrot(cairo_t* cr) {
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 0, -16);
    cairo_curve_to(cr, i * 10, -26, i * 14, -30, i * 8, -30);
    cairo_curve_to(cr, i * 4, -26, 2, -22, 0, -16);
    FillInk(cr, {0.3, 0.7, 0.2}, 1.5);
  }
  cairo_move_to(cr, -13, -16);
  cairo_curve_to(cr, -12, 0, -4, 20, 0, 28);
  cairo_curve_to(cr, 4, 20, 12, 0, 13, -16);
  cairo_close_path(cr);
  FillInk(cr, {1.0, 0.55, 0.1}, 2.5);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -8 + i * 2, -6 + i * 9);
    cairo_line_to(cr, -2 + i * 2, -5 + i * 9);
  }
  SetColor(cr, {0.75, 0.35, 0.05});
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void Apple(cairo_t* cr) {
  cairo_move_to(cr, 0, -16);
  cairo_curve_to(cr, -30, -28, -30, 24, 0, 24);
  cairo_curve_to(cr, 30, 24, 30, -28, 0, -16);
  cairo_close_path(cr);
  FillInk(cr, {0.45, 0.8, 0.2}, 2.5);
  EllipsePath(cr, -10, -4, 5, 8);
  FillOnly(cr, {0.7, 0.95, 0.5});
  cairo_move_to(cr, 0, -16);
  cairo_line_to(cr, 2, -26);
  SetColor(cr, {0.4, 0.25, 0.1});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, 2, -22);
  cairo_curve_to(cr, 8, -30, 16, -28, 16, -24);
  cairo_curve_to(cr, 12, -20, 6, -20, 2, -22);
  FillInk(cr, {0.25, 0.6, 0.2}, 1.5);
}

void Cheese(cairo_t* cr) {
  cairo_move_to(cr, -24, 18);
  cairo_line_to(cr, -24, -4);
  cairo_line_to(cr, 24, -18);
  cairo_line_to(cr, 24, 18);
  cairo_close_path(cr);
  FillInk(cr, {1.0, 0.85, 0.25}, 2.5);
  const double holes[][3] = {{-12, 4, 4}, {6, 8, 5}, {14, -6, 3}, {-2, -4, 2.5}};
  for (const auto& h : holes) {
    EllipsePath(cr, h[0], h[1], h[2], h[2]);
    FillOnly(cr, {0.9, 0.7, 0.1});
  }
}

void Bread(cairo_t* cr) {
  cairo_move_to(cr, -26, 16);
  cairo_curve_to(cr, -30, -20, 30, -20, 26, 16);
  cairo_close_path(cr);
  FillInk(cr, {0.75, 0.48, 0.2}, 2.5);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, i * 12 - 4, -2);
    cairo_line_to(cr, i * 12 + 4, -10);
  }
  SetColor(cr, {0.95, 0.8, 0.55});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void Milk(cairo_t* cr) {
  cairo_move_to(cr, -8, -28);
  cairo_line_to(cr, 8, -28);
  cairo_line_to(cr, 8, -16);
  cairo_curve_to(cr, 16, -10, 16, -6, 16, 0);
  cairo_line_to(cr, 16, 26);
  cairo_line_to(cr, -16, 26);
  cairo_line_to(cr, -16, 0);
  cairo_curve_to(cr, -16, -6, -16, -10, -8, -16);
  cairo_close_path(cr);
  FillInk(cr, {1, 1, 1}, 2.5);
  cairo_rectangle(cr, -9, -31, 18, 6);
  FillInk(cr, {0.2, 0.45, 0.95}, 1.5);
  cairo_rectangle(cr, -16, 4, 32, 12);
  FillInk(cr, {0.2, 0.45, 0.95}, 1.5);
}

// One of the six things of the pantry centred at (x, y): kind= 0 jam, 1 carrot, 2 apple,
// 3 cheese, 4 bread, 5 milk; without kind= the frame number chooses (a strip of all six).
void PantryItem(cairo_t* cr, const PaintArgs& a) {
  const int kind = static_cast<int>(a.NumberOr("kind", a.frame));
  void (*const draw[])(cairo_t*) = {Jam, Carrot, Apple, Cheese, Bread, Milk};
  if (kind < 0 || kind > 5) throw std::invalid_argument("kind= is 0 to 5");
  cairo_save(cr);
  cairo_translate(cr, a.Number(0), a.Number(1));
  const double s = a.NumberOr("scale", 1);
  cairo_scale(cr, s, s);
  draw[kind](cr);
  cairo_restore(cr);
}

// A wooden shelf unit at (x, y), w × h, with `shelves` boards below rows of `slots` places:
// each place is a light niche, so that the gaps in a row are plain to see.
void PantryShelves(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const int shelves = static_cast<int>(a.NumberOr("shelves", 3));
  const int slots = static_cast<int>(a.NumberOr("slots", 5));
  const double slotSize = a.NumberOr("slot", 64), gap = a.NumberOr("gap", 10);
  RoundRectPath(cr, x, y, w, h, 8);
  FillInk(cr, kWood, 3);
  cairo_rectangle(cr, x + 12, y + 12, w - 24, h - 24);
  FillInk(cr, {0.55, 0.36, 0.18}, 2);
  const double rowHeight = (h - 24) / shelves;
  for (int s = 0; s < shelves; ++s) {
    const double boardY = y + 12 + (s + 1) * rowHeight - 12;
    for (int k = 0; k < slots; ++k) {
      const double sx = a.NumberOr("left", x + 18) + k * (slotSize + gap);
      RoundRectPath(cr, sx - 2, boardY - slotSize - 4, slotSize + 4, slotSize + 4, 8);
      FillOnly(cr, {0.68, 0.48, 0.26});
    }
    cairo_rectangle(cr, x + 8, boardY, w - 16, 12);
    FillInk(cr, kWood, 2);
  }
}

// The crate on the floor that holds the things to put away, at (x, y), w × h.
void Crate(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  RoundRectPath(cr, x, y, w, h, 6);
  FillInk(cr, {0.9, 0.72, 0.45}, 3);
  for (int i = 1; i < 3; ++i) {
    cairo_move_to(cr, x + 4, y + i * h / 3);
    cairo_line_to(cr, x + w - 4, y + i * h / 3);
  }
  SetColor(cr, {0.72, 0.52, 0.28});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// The cooking pot on a little stove, the pot's bottom centred at (x, y). lid= lifts the lid
// (0 on the pot, 1 high above it); frames with bubble=yes make it bubble and steam; frames with
// lift=up or lift=down lift the lid or put it back.
void DrawPot(cairo_t* cr, double x, double y, double lid, double bubble) {
  // the stove: bricks and a fire
  cairo_rectangle(cr, x - 70, y, 140, 46);
  FillInk(cr, {0.75, 0.35, 0.25}, 2.5);
  cairo_save(cr);
  cairo_rectangle(cr, x - 70, y, 140, 46);
  cairo_clip(cr);
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 4; ++i) {
      cairo_rectangle(cr, x - 70 + i * 35 + (row ? 17 : 0), y + row * 23, 35, 23);
    }
  }
  SetColor(cr, {0.55, 0.22, 0.15});
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  RoundRectPath(cr, x - 26, y + 16, 52, 30, 10);
  FillInk(cr, {0.2, 0.12, 0.1}, 2);
  for (int i = -1; i <= 1; ++i) {
    const double flick = std::sin(bubble * 9 + i * 2) * 3;
    cairo_move_to(cr, x + i * 12 - 7, y + 44);
    cairo_curve_to(cr, x + i * 12 - 6, y + 30, x + i * 12 + flick, y + 24, x + i * 12, y + 20);
    cairo_curve_to(cr, x + i * 12 + 6, y + 30, x + i * 12 + 7, y + 36, x + i * 12 + 7, y + 44);
    FillInk(cr, {1.0, 0.6, 0.1}, 1.5);
  }
  // the pot with its two handles
  for (int side : {-1, 1}) {
    EllipsePath(cr, x + side * 62, y - 50, 10, 7);
    FillInk(cr, Darker(kPotRed, 0.25), 2.5);
  }
  cairo_move_to(cr, -58 + x, y - 70);
  cairo_line_to(cr, 58 + x, y - 70);
  cairo_curve_to(cr, 60 + x, y - 20, 52 + x, y, 40 + x, y);
  cairo_line_to(cr, -40 + x, y);
  cairo_curve_to(cr, -52 + x, y, -60 + x, y - 20, -58 + x, y - 70);
  cairo_close_path(cr);
  FillInk(cr, kPotRed, 3);
  for (int i = 0; i < 4; ++i) {
    EllipsePath(cr, x - 30 + i * 20, y - 36, 5, 5);
    FillOnly(cr, {1, 1, 1});
  }
  RoundRectPath(cr, x - 62, y - 76, 124, 12, 6);
  FillInk(cr, Darker(kPotRed, 0.15), 2.5);
  // steam while it cooks
  if (bubble > 0) {
    for (int i = 0; i < 3; ++i) {
      const double rise = std::fmod(bubble * 3 + i * 0.33, 1.0);
      EllipsePath(cr, x - 30 + i * 30 + std::sin(rise * 6) * 6, y - 90 - rise * 60, 8 + rise * 8,
                  6 + rise * 6);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.8 * (1 - rise));
      cairo_fill(cr);
    }
  }
  // the lid, lifted and tipped
  cairo_save(cr);
  cairo_translate(cr, x, y - 78 - lid * 110);
  cairo_rotate(cr, -lid * 0.35 + (bubble > 0 ? std::sin(bubble * 20) * 0.04 : 0));
  cairo_move_to(cr, -60, 0);
  cairo_curve_to(cr, -50, -24, 50, -24, 60, 0);
  cairo_close_path(cr);
  FillInk(cr, {0.7, 0.72, 0.78}, 2.5);
  EllipsePath(cr, 0, -20, 10, 6);
  FillInk(cr, {0.35, 0.3, 0.3}, 2);
  cairo_restore(cr);
}

void Pot(cairo_t* cr, const PaintArgs& a) {
  const std::string lift = a.TextOr("lift", "");
  double lid = a.NumberOr("lid", 0);
  if (lift == "up") lid = a.Progress(0.0);
  if (lift == "down") lid = 1 - a.Progress(0.0);
  const double bubble = a.TextOr("bubble", "no") == "yes" ? a.Progress(0.0) + 0.01 : 0;
  DrawPot(cr, a.Number(0), a.Number(1), lid, bubble);
}

// The front of the pot alone, so that a figure rising out of it stays inside.
void PotFront(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  cairo_move_to(cr, -58 + x, y - 70);
  cairo_line_to(cr, 58 + x, y - 70);
  cairo_curve_to(cr, 60 + x, y - 20, 52 + x, y, 40 + x, y);
  cairo_line_to(cr, -40 + x, y);
  cairo_curve_to(cr, -52 + x, y, -60 + x, y - 20, -58 + x, y - 70);
  cairo_close_path(cr);
  FillInk(cr, kPotRed, 3);
  for (int i = 0; i < 4; ++i) {
    EllipsePath(cr, x - 30 + i * 20, y - 36, 5, 5);
    FillOnly(cr, {1, 1, 1});
  }
  RoundRectPath(cr, x - 62, y - 76, 124, 12, 6);
  FillInk(cr, Darker(kPotRed, 0.15), 2.5);
}

void Eyes(cairo_t* cr, double y, double apart, double r) {
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * apart, y, r, r * 1.15);
    FillInk(cr, {1, 1, 1}, 1.5);
    EllipsePath(cr, side * apart + r * 0.2, y + r * 0.2, r * 0.5, r * 0.55);
    FillOnly(cr, kInk);
  }
}

void Devil(cairo_t* cr) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 18, -44);
    cairo_curve_to(cr, side * 26, -60, side * 30, -66, side * 34, -70);
    cairo_curve_to(cr, side * 30, -56, side * 30, -46, side * 28, -38);
    FillInk(cr, {0.95, 0.9, 0.8}, 2);
  }
  EllipsePath(cr, 0, -20, 34, 32);
  FillInk(cr, {0.85, 0.15, 0.12}, 2.5);
  Eyes(cr, -26, 12, 7);
  // cheeky raised brows and a wide grin
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 20, -36);
    cairo_line_to(cr, side * 6, -41);
  }
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, -18, -10);
  cairo_curve_to(cr, -10, 8, 10, 8, 18, -10);
  cairo_close_path(cr);
  FillInk(cr, {0.5, 0.05, 0.05}, 2);
  EllipsePath(cr, 0, 0, 7, 3);
  FillOnly(cr, {1.0, 0.5, 0.55});
}

void FrogHead(cairo_t* cr) {
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 16, -40, 12, 12);
    FillInk(cr, {0.35, 0.75, 0.25}, 2.5);
  }
  EllipsePath(cr, 0, -16, 38, 26);
  FillInk(cr, {0.35, 0.75, 0.25}, 2.5);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 16, -40, 12, 12);
    FillOnly(cr, {0.35, 0.75, 0.25});
  }
  Eyes(cr, -41, 16, 7);
  cairo_move_to(cr, -24, -10);
  cairo_curve_to(cr, -10, 4, 10, 4, 24, -10);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void Pig(cairo_t* cr) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 14, -44);
    cairo_line_to(cr, side * 32, -58);
    cairo_line_to(cr, side * 30, -32);
    cairo_close_path(cr);
    FillInk(cr, {1.0, 0.6, 0.7}, 2);
  }
  EllipsePath(cr, 0, -20, 34, 30);
  FillInk(cr, {1.0, 0.7, 0.78}, 2.5);
  Eyes(cr, -32, 13, 6);
  EllipsePath(cr, 0, -10, 14, 10);
  FillInk(cr, {1.0, 0.55, 0.65}, 2);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 5, -10, 2.5, 4);
    FillOnly(cr, {0.6, 0.2, 0.3});
  }
}

void Walrus(cairo_t* cr) {
  EllipsePath(cr, 0, -22, 38, 32);
  FillInk(cr, {0.6, 0.45, 0.35}, 2.5);
  Eyes(cr, -36, 14, 5);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 8, -10);
    cairo_line_to(cr, side * 12, 22);
    cairo_line_to(cr, side * 16, -8);
    FillInk(cr, {1, 1, 0.94}, 2);
    EllipsePath(cr, side * 11, -14, 12, 9);
    FillInk(cr, {0.72, 0.58, 0.48}, 2);
  }
  EllipsePath(cr, 0, -22, 6, 4);
  FillOnly(cr, kInk);
  for (int side : {-1, 1}) {
    for (int i = 0; i < 3; ++i) {
      cairo_move_to(cr, side * 14, -14 + i * 4);
      cairo_line_to(cr, side * 30, -18 + i * 6);
    }
  }
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

// A surprise popping out of the pot whose bottom is centred at (x, y): kind=devil|frog|pig|
// walrus. Over the frames it rises, wiggles and sinks back; the pot's front stays before it.
void PotFigure(cairo_t* cr, const PaintArgs& a) {
  const std::string kind = a.TextOr("kind", "devil");
  const double x = a.Number(0), y = a.Number(1), t = a.Progress(0.0);
  const double up = t < 0.25 ? t / 0.25 : t > 0.8 ? (1 - t) / 0.2 : 1;
  cairo_save(cr);
  // inside the pot: the figure never shows below its rim
  cairo_rectangle(cr, x - 90, y - 400, 180, 380);
  cairo_clip(cr);
  cairo_translate(cr, x, y + 10 - up * 105);
  cairo_rotate(cr, t > 0.25 && t < 0.8 ? std::sin(a.frame * 1.3) * 0.12 : 0);
  if (kind == "devil") {
    Devil(cr);
  } else if (kind == "frog") {
    FrogHead(cr);
  } else if (kind == "pig") {
    Pig(cr);
  } else if (kind == "walrus") {
    Walrus(cr);
  } else {
    cairo_restore(cr);
    throw std::invalid_argument("no figure " + kind);
  }
  cairo_restore(cr);
  PotFront(cr, a);
}

// A burst of stars round a big green tick at (x, y): the row is right.
void GoodSign(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), t = a.Progress(0.0);
  for (int i = 0; i < 8; ++i) {
    const double angle = i * M_PI / 4 + t;
    const double r = 30 + t * 50;
    StarPath(cr, x + std::cos(angle) * r, y + std::sin(angle) * r * 0.7, 12, 5, 5, t * 3);
    FillInk(cr, i % 2 ? ParseColor("gold") : ParseColor("orange"), 1.5);
  }
  const double s = 0.6 + 0.4 * std::min(1.0, t * 3);
  cairo_move_to(cr, x - 30 * s, y);
  cairo_line_to(cr, x - 8 * s, y + 22 * s);
  cairo_line_to(cr, x + 34 * s, y - 26 * s);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 20 * s);
  cairo_stroke_preserve(cr);
  SetColor(cr, {0.25, 0.8, 0.3});
  cairo_set_line_width(cr, 13 * s);
  cairo_stroke(cr);
}

// A red cross that shakes at (x, y): that piece does not belong there.
void BadSign(cairo_t* cr, const PaintArgs& a) {
  const double shake = std::sin(a.frame * 2.2) * 6 * (1 - a.Progress(0.0));
  const double x = a.Number(0) + shake, y = a.Number(1);
  EllipsePath(cr, x, y, 28, 28);
  FillInk(cr, {1, 1, 1}, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, x - 13, y - side * 13);
    cairo_line_to(cr, x + 13, y + side * 13);
  }
  SetColor(cr, {0.9, 0.15, 0.15});
  cairo_set_line_width(cr, 9);
  cairo_stroke(cr);
}

}  // namespace

void AddPantryPainters(PainterTable& t) {
  t["pantry_item"] = {2, PantryItem, "x y (kind=0..5 or the frame; scale=)"};
  t["pantry_shelves"] = {4, PantryShelves, "x y width height (shelves= slots= slot= gap= left=)"};
  t["crate"] = {4, Crate, "x y width height"};
  t["pot"] = {2, Pot, "x y(pot bottom) (lid=0..1, lift=up|down, bubble=yes)"};
  t["pot_figure"] = {2, PotFigure, "x y(pot bottom) kind=devil|frog|pig|walrus (frames pop up)"};
  t["good_sign"] = {2, GoodSign, "x y (frames: stars fly out)"};
  t["bad_sign"] = {2, BadSign, "x y (frames: it shakes)"};
}

}  // namespace rufo::demogen
