// The fourteen stickers of the album, one per mini-game, and their arrival.
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

// Each picture is drawn around (0, 0) in a circle of radius 40.
void Ladybird(cairo_t* cr) {
  EllipsePath(cr, 0, -18, 12, 10);
  FillInk(cr, kInk, 2);
  EllipsePath(cr, 0, 6, 26, 24);
  FillInk(cr, ParseColor("red"), 2.5);
  cairo_move_to(cr, 0, -18);
  cairo_line_to(cr, 0, 30);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  const double dots[][2] = {{-12, -2}, {12, -2}, {-14, 14}, {14, 14}, {-6, 22}, {6, 22}};
  for (const auto& d : dots) {
    EllipsePath(cr, d[0], d[1], 4.5, 4.5);
    FillOnly(cr, kInk);
  }
}

void Caterpillar(cairo_t* cr) {
  const Color colors[] = {ParseColor("lime"), ParseColor("green")};
  for (int i = 4; i >= 0; --i) {
    EllipsePath(cr, -26 + i * 12, 10 - (i % 2) * 6, 11, 11);
    FillInk(cr, colors[i % 2], 2);
  }
  EllipsePath(cr, 26, -8, 13, 13);
  FillInk(cr, ParseColor("lime"), 2);
  EllipsePath(cr, 30, -11, 3, 3);
  FillOnly(cr, kInk);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 22, -20);
  cairo_line_to(cr, 18, -30);
  cairo_move_to(cr, 30, -20);
  cairo_line_to(cr, 34, -30);
  cairo_stroke(cr);
}

void Bee(cairo_t* cr) {
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 10, -20, 11, 15);
    cairo_set_source_rgba(cr, 0.85, 0.95, 1.0, 1);
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  EllipsePath(cr, 0, 4, 28, 18);
  FillInk(cr, ParseColor("yellow"), 2.5);
  cairo_save(cr);
  EllipsePath(cr, 0, 4, 28, 18);
  cairo_clip(cr);
  cairo_rectangle(cr, -15, -14, 6, 36);
  cairo_rectangle(cr, -1, -14, 6, 36);
  cairo_rectangle(cr, 13, -14, 6, 36);
  FillOnly(cr, kInk);
  cairo_restore(cr);
  cairo_new_path(cr);
  EllipsePath(cr, -21, 0, 3, 3);
  FillOnly(cr, kInk);
}

void Parrot(cairo_t* cr) {
  EllipsePath(cr, 0, 8, 18, 26);
  FillInk(cr, ParseColor("green"), 2.5);
  cairo_move_to(cr, -6, 30);
  cairo_line_to(cr, -12, 40);
  cairo_line_to(cr, 6, 40);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("blue"), 2);
  EllipsePath(cr, 4, -20, 16, 15);
  FillInk(cr, ParseColor("red"), 2.5);
  EllipsePath(cr, 6, -22, 5, 5);
  FillInk(cr, {1, 1, 1}, 1.5);
  EllipsePath(cr, 7, -22, 2.2, 2.2);
  FillOnly(cr, kInk);
  cairo_move_to(cr, 16, -22);
  cairo_curve_to(cr, 30, -22, 28, -6, 18, -8);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("yellow"), 2);
  cairo_move_to(cr, -12, 0);
  cairo_curve_to(cr, -26, 10, -18, 28, -6, 26);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("yellow"), 2);
}

void Sunflower(cairo_t* cr) {
  for (int i = 0; i < 12; ++i) {
    cairo_save(cr);
    cairo_rotate(cr, i * M_PI / 6);
    EllipsePath(cr, 0, -22, 7, 14);
    FillInk(cr, ParseColor("yellow"), 1.5);
    cairo_restore(cr);
  }
  EllipsePath(cr, 0, 0, 14, 14);
  FillInk(cr, {0.55, 0.33, 0.12}, 2);
}

void Woodpecker(cairo_t* cr) {
  cairo_rectangle(cr, 14, -40, 16, 80);
  FillInk(cr, {0.6, 0.4, 0.2}, 2);
  EllipsePath(cr, -2, 10, 14, 24);
  FillInk(cr, {0.15, 0.15, 0.2}, 2);
  EllipsePath(cr, 2, 14, 7, 14);
  FillOnly(cr, {1, 1, 1});
  EllipsePath(cr, -4, -18, 13, 12);
  FillInk(cr, {0.15, 0.15, 0.2}, 2);
  cairo_move_to(cr, -16, -22);
  cairo_curve_to(cr, -12, -36, 4, -34, 6, -26);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("red"), 2);
  EllipsePath(cr, 0, -17, 3, 3);
  FillInk(cr, {1, 1, 1}, 1);
  cairo_move_to(cr, 7, -20);
  cairo_line_to(cr, 16, -16);
  cairo_line_to(cr, 7, -13);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("gold"), 1.5);
}

void Nest(cairo_t* cr) {
  const Color eggs[] = {{0.7, 0.9, 1.0}, {1, 1, 0.9}, {0.75, 0.95, 0.8}};
  for (int i = 0; i < 3; ++i) {
    EllipsePath(cr, -14 + i * 14, -2 - (i == 1) * 5, 9, 12);
    FillInk(cr, eggs[i], 2);
  }
  cairo_move_to(cr, -34, 0);
  cairo_curve_to(cr, -30, 30, 30, 30, 34, 0);
  cairo_close_path(cr);
  FillInk(cr, {0.7, 0.48, 0.22}, 2.5);
  SetColor(cr, {0.5, 0.32, 0.15});
  cairo_set_line_width(cr, 2);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, -28 + i * 4, 6 + i * 5);
    cairo_curve_to(cr, -10, 12 + i * 4, 10, 2 + i * 5, 28 - i * 4, 6 + i * 5);
  }
  cairo_stroke(cr);
}

void Frog(cairo_t* cr) {
  EllipsePath(cr, 0, 10, 30, 20);
  FillInk(cr, ParseColor("green"), 2.5);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 14, -10, 11, 11);
    FillInk(cr, ParseColor("green"), 2.5);
    EllipsePath(cr, side * 14, -10, 7, 7);
    FillOnly(cr, {1, 1, 1});
    EllipsePath(cr, side * 14, -9, 3.5, 3.5);
    FillOnly(cr, kInk);
  }
  EllipsePath(cr, 0, 10, 30, 20);
  FillOnly(cr, ParseColor("green"));
  EllipsePath(cr, 0, 16, 16, 8);
  FillOnly(cr, {0.65, 0.9, 0.45});
  cairo_move_to(cr, -14, 6);
  cairo_curve_to(cr, -6, 14, 6, 14, 14, 6);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void RedFlower(cairo_t* cr) {
  SetColor(cr, {0.2, 0.55, 0.15});
  cairo_set_line_width(cr, 4);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, 38);
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i) {
    const double angle = -M_PI / 2 + i * 2 * M_PI / 5;
    EllipsePath(cr, std::cos(angle) * 13, -8 + std::sin(angle) * 13, 12, 12);
    FillInk(cr, ParseColor("red"), 2);
  }
  EllipsePath(cr, 0, -8, 8, 8);
  FillInk(cr, ParseColor("yellow"), 2);
}

void WateringCan(cairo_t* cr) {
  cairo_move_to(cr, 14, 0);
  cairo_line_to(cr, 36, -18);
  cairo_line_to(cr, 40, -12);
  cairo_line_to(cr, 16, 10);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("blue"), 2);
  RoundRectPath(cr, -22, -12, 38, 34, 6);
  FillInk(cr, ParseColor("blue"), 2.5);
  cairo_new_sub_path(cr);
  cairo_arc(cr, -4, -12, 14, M_PI, 2 * M_PI);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    EllipsePath(cr, 38 + i * 2, -4 + i * 9, 2.5, 4);
    FillOnly(cr, {0.4, 0.7, 1.0});
  }
}

void Snail(cairo_t* cr) {
  cairo_move_to(cr, -34, 24);
  cairo_curve_to(cr, -20, 14, 20, 14, 34, 22);
  cairo_line_to(cr, 34, 28);
  cairo_line_to(cr, -34, 28);
  cairo_close_path(cr);
  FillInk(cr, {0.75, 0.85, 0.55}, 2);
  EllipsePath(cr, -4, 2, 24, 22);
  FillInk(cr, {0.85, 0.5, 0.2}, 2.5);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  for (double a = 0, r = 2; a < 4 * M_PI; a += 0.2, r += 0.55) {
    cairo_line_to(cr, -4 + r * std::cos(a), 2 + r * std::sin(a));
  }
  cairo_stroke(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 28, 18);
  cairo_line_to(cr, 30, 0);
  cairo_move_to(cr, 34, 20);
  cairo_line_to(cr, 38, 2);
  cairo_stroke(cr);
}

void Rainbow(cairo_t* cr) {
  const char* colors[] = {"red", "orange", "yellow", "green", "blue", "purple"};
  cairo_set_line_width(cr, 6);
  for (int i = 0; i < 6; ++i) {
    cairo_new_path(cr);
    cairo_arc(cr, 0, 18, 34 - i * 6, M_PI, 2 * M_PI);
    SetColor(cr, ParseColor(colors[i]));
    cairo_stroke(cr);
  }
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 24, 22, 14, 8);
    FillOnly(cr, {1, 1, 1});
  }
}

void Wheelbarrow(cairo_t* cr) {
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_move_to(cr, -36, -6);
  cairo_line_to(cr, -20, 10);
  cairo_move_to(cr, -10, 14);
  cairo_line_to(cr, -14, 28);
  cairo_stroke(cr);
  cairo_move_to(cr, -24, -8);
  cairo_line_to(cr, 30, -8);
  cairo_line_to(cr, 18, 16);
  cairo_line_to(cr, -14, 16);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("green"), 2.5);
  EllipsePath(cr, 18, 24, 10, 10);
  FillInk(cr, {0.3, 0.3, 0.3}, 2);
  EllipsePath(cr, 18, 24, 4, 4);
  FillOnly(cr, {0.8, 0.8, 0.8});
}

void Spade(cairo_t* cr) {
  cairo_save(cr);
  cairo_rotate(cr, 0.5);
  RoundRectPath(cr, -4, -38, 8, 48, 3);
  FillInk(cr, {0.7, 0.45, 0.2}, 2);
  RoundRectPath(cr, -12, -42, 24, 8, 4);
  FillInk(cr, {0.7, 0.45, 0.2}, 2);
  cairo_move_to(cr, -14, 8);
  cairo_line_to(cr, 14, 8);
  cairo_line_to(cr, 12, 30);
  cairo_curve_to(cr, 6, 40, -6, 40, -12, 30);
  cairo_close_path(cr);
  FillInk(cr, {0.75, 0.8, 0.85}, 2.5);
  cairo_restore(cr);
}

using StickerPicture = void (*)(cairo_t*);
constexpr StickerPicture kStickers[14] = {
    Ladybird, Caterpillar, Bee,         Parrot, Sunflower, Woodpecker,  Nest,
    Frog,     RedFlower,   WateringCan, Snail,  Rainbow,   Wheelbarrow, Spade};
const Color kBadges[14] = {{1.0, 0.95, 0.6},  {0.8, 0.95, 1.0}, {0.75, 0.9, 1.0},  {1.0, 0.9, 0.7},
                           {0.7, 0.85, 1.0},  {0.85, 1.0, 0.8}, {0.8, 0.95, 1.0},  {1.0, 0.9, 0.8},
                           {0.85, 1.0, 0.85}, {1.0, 0.95, 0.7}, {0.85, 0.95, 1.0}, {0.8, 0.9, 1.0},
                           {1.0, 0.92, 0.75}, {0.9, 1.0, 0.8}};

// A round badge with a zigzag edge around one of the pictures, centred at (cx, cy).
void DrawSticker(cairo_t* cr, double cx, double cy, double r, int kind, double turn) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, turn);
  StarPath(cr, 0, 0, r, r * 0.9, 20);
  FillInk(cr, {1, 1, 1}, r * 0.05);
  EllipsePath(cr, 0, 0, r * 0.82, r * 0.82);
  FillInk(cr, kBadges[kind % 14], r * 0.04);
  // The picture stays on the badge: a tree trunk or a tail that reaches further is cut at its rim.
  EllipsePath(cr, 0, 0, r * 0.8, r * 0.8);
  cairo_clip(cr);
  cairo_scale(cr, r / 52, r / 52);
  kStickers[kind % 14](cr);
  cairo_restore(cr);
}

void Sticker(cairo_t* cr, const PaintArgs& a) {
  DrawSticker(cr, a.Number(0), a.Number(1), a.Number(2), static_cast<int>(a.NumberOr("kind", 0)),
              0);
}

// The arrival: the sticker grows out of a sparkle, spins, overshoots and settles; the last
// frame is the sticker alone, as it stays in the album.
void StickerArrive(cairo_t* cr, const PaintArgs& a) {
  const double cx = a.Number(0), cy = a.Number(1), r = a.Number(2);
  const int kind = static_cast<int>(a.NumberOr("kind", 0));
  const int last = std::max(1, a.frames - 1);
  const double t = double(a.frame) / last;
  if (a.frame == last) {
    DrawSticker(cr, cx, cy, r, kind, 0);
    return;
  }
  const double scale = t < 0.7 ? 0.15 + 1.1 * (t / 0.7) : 1.25 - 0.25 * ((t - 0.7) / 0.3);
  DrawSticker(cr, cx, cy, r * scale, kind, (1 - t) * 2 * M_PI);
  for (int i = 0; i < 6; ++i) {
    const double angle = i * M_PI / 3 + t * 2;
    const double d = r * (0.6 + 0.8 * t);
    StarPath(cr, cx + std::cos(angle) * d, cy + std::sin(angle) * d, 9 * (1 - t) + 3, 4, 4);
    FillInk(cr, ParseColor(i % 2 ? "yellow" : "gold"), 1.5);
  }
}

}  // namespace

void AddStickerPainters(PainterTable& t) {
  t["sticker"] = {3, Sticker, "x y radius kind=0..13"};
  t["sticker_arrive"] = {3, StickerArrive, "x y radius kind=0..13 (frames: the arrival)"};
}

}  // namespace rufo::demogen
