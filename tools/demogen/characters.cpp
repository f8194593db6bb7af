// The figures: RUFO, the children's faces, the schoolchild, the sparrow, the cap and the sponge.
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kFur{1.0, 0.52, 0.12};
constexpr Color kCream{1.0, 0.9, 0.72};
constexpr Color kEar{0.62, 0.3, 0.12};
constexpr Color kMouth{0.45, 0.08, 0.1};
constexpr Color kTongue{0.98, 0.45, 0.5};

// RUFO's mouth shapes: 0 closed smile, 1 a little open, 2 open, 3 wide open, 4 round "o",
// 5 closed smile with closed eyes (a blink).
void RufoMouth(cairo_t* cr, int mouth) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  switch (mouth) {
    case 1:
      EllipsePath(cr, 0, 88, 8, 4.5);
      FillInk(cr, kMouth, 2);
      break;
    case 2:
      cairo_move_to(cr, -11, 85);
      cairo_curve_to(cr, -10, 97, 10, 97, 11, 85);
      cairo_close_path(cr);
      FillInk(cr, kMouth, 2);
      EllipsePath(cr, 0, 92, 5, 2.5);
      FillOnly(cr, kTongue);
      break;
    case 3:
      cairo_move_to(cr, -14, 83);
      cairo_curve_to(cr, -13, 103, 13, 103, 14, 83);
      cairo_close_path(cr);
      FillInk(cr, kMouth, 2);
      EllipsePath(cr, 0, 95, 7, 4);
      FillOnly(cr, kTongue);
      break;
    case 4:
      EllipsePath(cr, 0, 89, 6, 7.5);
      FillInk(cr, kMouth, 2);
      break;
    default:
      SetColor(cr, kInk);
      cairo_set_line_width(cr, 2.5);
      cairo_move_to(cr, -12, 84);
      cairo_curve_to(cr, -6, 92, 6, 92, 12, 84);
      cairo_stroke(cr);
  }
}

// RUFO, a cheerful orange puppy, in a 140 × 200 box at (x, y) (scaled by s). lift raises the
// whole figure, squash flattens it (0 none), wave raises the right paw (0 down, 1 high).
void DrawRufo(cairo_t* cr, double x, double y, double s, int mouth, double lift, double squash,
              double wave) {
  cairo_save(cr);
  cairo_translate(cr, x + 70 * s, y + 200 * s - lift * s);
  cairo_scale(cr, s * (1 + squash * 0.5), s * (1 - squash));
  cairo_translate(cr, 0, -200);
  // tail
  cairo_move_to(cr, 28, 160);
  cairo_curve_to(cr, 60, 160, 62, 120, 56, 108);
  cairo_curve_to(cr, 72, 118, 74, 168, 30, 174);
  cairo_close_path(cr);
  FillInk(cr, kFur, 2.5);
  // feet
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 20, 186, 19, 11);
    FillInk(cr, kCream, 2.5);
  }
  // body and belly
  EllipsePath(cr, 0, 142, 38, 44);
  FillInk(cr, kFur, 2.5);
  EllipsePath(cr, 0, 150, 24, 30);
  FillOnly(cr, kCream);
  // left paw down
  cairo_save(cr);
  cairo_translate(cr, -36, 124);
  cairo_rotate(cr, 0.35);
  EllipsePath(cr, 0, 16, 10, 22);
  FillInk(cr, kFur, 2.5);
  cairo_restore(cr);
  // right paw: down, or waving up
  cairo_save(cr);
  cairo_translate(cr, 36, 122);
  cairo_rotate(cr, -0.35 - wave * 2.4);
  EllipsePath(cr, 0, 16, 10, 22);
  FillInk(cr, kFur, 2.5);
  EllipsePath(cr, 0, 32, 8, 7);
  FillOnly(cr, kCream);
  cairo_restore(cr);
  // green scarf
  cairo_move_to(cr, -30, 100);
  cairo_curve_to(cr, -10, 112, 10, 112, 30, 100);
  cairo_line_to(cr, 32, 110);
  cairo_curve_to(cr, 10, 124, -10, 124, -32, 110);
  cairo_close_path(cr);
  FillInk(cr, {0.2, 0.7, 0.3}, 2);
  cairo_move_to(cr, 10, 114);
  cairo_line_to(cr, 22, 136);
  cairo_line_to(cr, 8, 138);
  cairo_close_path(cr);
  FillInk(cr, {0.2, 0.7, 0.3}, 2);
  // ears behind the head
  for (int side : {-1, 1}) {
    cairo_save(cr);
    cairo_translate(cr, side * 42, 48);
    cairo_rotate(cr, side * 0.35);
    EllipsePath(cr, 0, 14, 15, 31);
    FillInk(cr, kEar, 2.5);
    cairo_restore(cr);
  }
  // head, tuft, muzzle
  EllipsePath(cr, 0, 60, 46, 44);
  FillInk(cr, kFur, 2.5);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, i * 9 - 7, 20);
    cairo_curve_to(cr, i * 12 - 4, 4, i * 12 + 2, 6, i * 9 + 7, 20);
    cairo_close_path(cr);
    FillOnly(cr, kFur);
  }
  EllipsePath(cr, 0, 80, 28, 21);
  FillOnly(cr, kCream);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 30, 78, 7, 5);
    FillOnly(cr, {1.0, 0.55, 0.55});
  }
  // eyes
  for (int side : {-1, 1}) {
    if (mouth == 5) {
      SetColor(cr, kInk);
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, side * 17 - 9, 54);
      cairo_curve_to(cr, side * 17 - 4, 59, side * 17 + 4, 59, side * 17 + 9, 54);
      cairo_stroke(cr);
      continue;
    }
    EllipsePath(cr, side * 17, 50, 11, 13);
    FillInk(cr, {1, 1, 1}, 2);
    EllipsePath(cr, side * 17 + 2, 53, 6.5, 7.5);
    FillOnly(cr, {0.15, 0.1, 0.08});
    EllipsePath(cr, side * 17 + 4, 50, 2.2, 2.2);
    FillOnly(cr, {1, 1, 1});
  }
  // nose and mouth
  EllipsePath(cr, 0, 70, 9, 6);
  FillOnly(cr, {0.18, 0.1, 0.08});
  EllipsePath(cr, -3, 68, 3, 1.6);
  FillOnly(cr, {0.6, 0.55, 0.55});
  RufoMouth(cr, mouth);
  cairo_restore(cr);
}

void Rufo(cairo_t* cr, const PaintArgs& a) {
  DrawRufo(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1),
           static_cast<int>(a.NumberOr("mouth", 0)), 0, 0, a.NumberOr("wave", 0));
}

// The talking animation: frame n shows mouth shape n.
void RufoTalk(cairo_t* cr, const PaintArgs& a) {
  DrawRufo(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.frame % 6, 0, 0, 0);
}

// A jump: crouch, rise, fall, land.
void RufoJump(cairo_t* cr, const PaintArgs& a) {
  const double lift[] = {0, 0, 30, 62, 80, 86, 78, 56, 24, 0, 0};
  const double squash[] = {0, 0.12, -0.06, -0.04, 0, 0, 0, -0.03, -0.05, 0.12, 0};
  const int f = a.frame % 11;
  DrawRufo(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), f >= 3 && f <= 6 ? 3 : 0, lift[f],
           squash[f], f >= 2 && f <= 8 ? 1 : 0);
}

// A leap up and away: RUFO standing, a crouch, then he rises out of the top of the box.
void RufoLeap(cairo_t* cr, const PaintArgs& a) {
  const double t = a.frames > 1 ? double(a.frame) / (a.frames - 1) : 0;
  const double rise = t < 0.2 ? 0 : (t - 0.2) / 0.8;
  DrawRufo(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), rise > 0 ? 3 : 0,
           rise * rise * a.NumberOr("height", 400),
           a.frame == 0 ? 0
           : t < 0.2    ? 0.12
                        : -0.06,
           rise > 0 ? 1 : 0);
}

// A raised paw stays inside RUFO's box only from this wave up; below it the paw reaches out
// sideways past the box's right edge and is cut off.
constexpr double kLowestWave = 0.76;

// Waving with a big smile.
void RufoWave(cairo_t* cr, const PaintArgs& a) {
  const double swing = (1 - kLowestWave) / 2;
  const double wave = 1 - swing + swing * std::sin(a.frame * 2 * M_PI / std::max(1, a.frames));
  DrawRufo(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.frame % 2 ? 3 : 2, 0, 0, wave);
}

// Saying good-bye: talking (frame n shows mouth shape n) and waving.
void RufoFarewell(cairo_t* cr, const PaintArgs& a) {
  DrawRufo(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.frame % 6, 0, 0,
           a.frame % 2 ? 1.0 : kLowestWave);
}

struct KidLook {
  Color skin, hair, eyes;
  int style;  // 0 pigtails, 1 short, 2 curls, 3 spiky, 4 long with bow, 5 fringe, 6 bun
  bool freckles;
};

const KidLook kKids[8] = {
    {{1.0, 0.86, 0.74}, {1.0, 0.82, 0.3}, {0.2, 0.45, 0.85}, 0, false},
    {{0.93, 0.74, 0.58}, {0.45, 0.26, 0.12}, {0.35, 0.22, 0.1}, 1, false},
    {{1.0, 0.87, 0.76}, {0.9, 0.35, 0.1}, {0.25, 0.6, 0.3}, 2, true},
    {{0.85, 0.62, 0.44}, {0.12, 0.1, 0.1}, {0.2, 0.12, 0.08}, 3, false},
    {{0.98, 0.82, 0.68}, {0.5, 0.3, 0.15}, {0.3, 0.5, 0.8}, 4, false},
    {{1.0, 0.87, 0.75}, {0.98, 0.85, 0.45}, {0.25, 0.5, 0.9}, 5, false},
    {{0.62, 0.42, 0.28}, {0.1, 0.08, 0.08}, {0.15, 0.1, 0.05}, 6, false},
    {{1.0, 0.85, 0.72}, {0.85, 0.4, 0.12}, {0.3, 0.55, 0.3}, 2, true},
};

// A child's face centred at (cx, cy) with head radius r.
void DrawKid(cairo_t* cr, double cx, double cy, double r, int index) {
  const KidLook& k = kKids[index % 8];
  const double line = std::max(1.5, r * 0.05);
  // hair behind the head
  if (k.style == 0) {
    for (int side : {-1, 1}) {
      EllipsePath(cr, cx + side * r * 1.05, cy + r * 0.25, r * 0.28, r * 0.55);
      FillInk(cr, k.hair, line);
      EllipsePath(cr, cx + side * r * 0.95, cy - r * 0.3, r * 0.14, r * 0.14);
      FillInk(cr, {0.95, 0.3, 0.5}, line);
    }
  } else if (k.style == 4) {
    RoundRectPath(cr, cx - r * 1.1, cy - r * 0.6, r * 2.2, r * 1.85, r * 0.5);
    FillInk(cr, k.hair, line);
  } else if (k.style == 6) {
    EllipsePath(cr, cx, cy - r * 1.05, r * 0.42, r * 0.36);
    FillInk(cr, k.hair, line);
  } else if (k.style == 2) {
    for (int i = 0; i < 9; ++i) {
      const double angle = M_PI + i * M_PI / 8;
      EllipsePath(cr, cx + std::cos(angle) * r * 0.95, cy + std::sin(angle) * r * 0.85 + r * 0.1,
                  r * 0.3, r * 0.3);
    }
    FillInk(cr, k.hair, line);
  }
  // ears and head
  for (int side : {-1, 1}) {
    EllipsePath(cr, cx + side * r * 0.95, cy + r * 0.1, r * 0.18, r * 0.24);
    FillInk(cr, k.skin, line);
  }
  EllipsePath(cr, cx, cy, r * 0.92, r);
  FillInk(cr, k.skin, line);
  // hair on top
  cairo_new_path(cr);
  switch (k.style) {
    case 3:
      cairo_move_to(cr, cx - r * 0.9, cy - r * 0.2);
      for (int i = 0; i <= 6; ++i) {
        const double px = cx - r * 0.9 + i * r * 0.3;
        cairo_line_to(cr, px, cy - r * (i % 2 ? 1.25 : 0.85));
      }
      cairo_line_to(cr, cx + r * 0.9, cy - r * 0.2);
      cairo_curve_to(cr, cx + r * 0.6, cy - r * 0.55, cx - r * 0.6, cy - r * 0.55, cx - r * 0.9,
                     cy - r * 0.2);
      break;
    case 5:
      cairo_move_to(cr, cx - r * 0.92, cy - r * 0.05);
      cairo_curve_to(cr, cx - r, cy - r * 1.25, cx + r, cy - r * 1.25, cx + r * 0.92,
                     cy - r * 0.05);
      cairo_curve_to(cr, cx + r * 0.5, cy - r * 0.45, cx, cy - r * 0.25, cx - r * 0.2,
                     cy - r * 0.5);
      cairo_curve_to(cr, cx - r * 0.5, cy - r * 0.3, cx - r * 0.8, cy - r * 0.3, cx - r * 0.92,
                     cy - r * 0.05);
      break;
    default:
      cairo_move_to(cr, cx - r * 0.93, cy - r * 0.1);
      cairo_curve_to(cr, cx - r, cy - r * 1.3, cx + r, cy - r * 1.3, cx + r * 0.93, cy - r * 0.1);
      cairo_curve_to(cr, cx + r * 0.6, cy - r * 0.5, cx - r * 0.6, cy - r * 0.6, cx - r * 0.93,
                     cy - r * 0.1);
  }
  cairo_close_path(cr);
  FillInk(cr, k.hair, line);
  if (k.style == 4) {  // a red bow
    for (int side : {-1, 1}) {
      cairo_move_to(cr, cx + r * 0.45, cy - r * 0.8);
      cairo_line_to(cr, cx + r * 0.45 + side * r * 0.35, cy - r * 0.98);
      cairo_line_to(cr, cx + r * 0.45 + side * r * 0.35, cy - r * 0.6);
      cairo_close_path(cr);
      FillInk(cr, ParseColor("red"), line);
    }
  }
  // eyes, cheeks, nose, smile
  for (int side : {-1, 1}) {
    EllipsePath(cr, cx + side * r * 0.33, cy + r * 0.05, r * 0.15, r * 0.18);
    FillOnly(cr, {1, 1, 1});
    EllipsePath(cr, cx + side * r * 0.33, cy + r * 0.08, r * 0.1, r * 0.12);
    FillOnly(cr, k.eyes);
    EllipsePath(cr, cx + side * r * 0.33, cy + r * 0.08, r * 0.05, r * 0.06);
    FillOnly(cr, {0.05, 0.05, 0.05});
    EllipsePath(cr, cx + side * r * 0.31, cy + r * 0.03, r * 0.03, r * 0.03);
    FillOnly(cr, {1, 1, 1});
    EllipsePath(cr, cx + side * r * 0.55, cy + r * 0.4, r * 0.14, r * 0.09);
    cairo_set_source_rgba(cr, 1.0, 0.4, 0.4, 0.5);
    cairo_fill(cr);
  }
  if (k.freckles) {
    for (int side : {-1, 1}) {
      for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, cx + side * r * (0.35 + 0.1 * i), cy + r * (0.32 + 0.06 * (i % 2)),
                    r * 0.03, r * 0.03);
        FillOnly(cr, {0.75, 0.45, 0.25});
      }
    }
  }
  cairo_move_to(cr, cx - r * 0.06, cy + r * 0.28);
  cairo_line_to(cr, cx + r * 0.05, cy + r * 0.3);
  SetColor(cr, Darker(k.skin, 0.3));
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - r * 0.35, cy + r * 0.48);
  cairo_curve_to(cr, cx - r * 0.2, cy + r * 0.75, cx + r * 0.2, cy + r * 0.75, cx + r * 0.35,
                 cy + r * 0.48);
  cairo_close_path(cr);
  FillInk(cr, {0.7, 0.15, 0.2}, line);
}

// One face in a w × h box; small faces are 0 to 3, large ones 4 to 7. The frame of a strip
// chooses the face unless face= is given.
void KidFace(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const int face = static_cast<int>(a.NumberOr("face", a.frame));
  cairo_rectangle(cr, x, y, w, h);
  FillOnly(cr, a.ColorOr("color", {1.0, 0.95, 0.7}));
  const double r = face < 4 ? w * 0.32 : w * 0.4;
  DrawKid(cr, x + w / 2, y + h * (face < 4 ? 0.52 : 0.5), r, face);
}

// A child's portrait in a golden oval with a star: the album is full.
void KidPortrait(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  EllipsePath(cr, x + w / 2, y + h / 2, w / 2 - 3, h / 2 - 3);
  FillInk(cr, ParseColor("gold"), 4);
  EllipsePath(cr, x + w / 2, y + h / 2, w / 2 - 14, h / 2 - 14);
  FillInk(cr, {0.75, 0.9, 1.0}, 2);
  DrawKid(cr, x + w / 2, y + h * 0.52, w * 0.3, static_cast<int>(a.NumberOr("face", 0)));
  StarPath(cr, x + w * 0.85, y + h * 0.15, w * 0.13, w * 0.06, 5);
  FillInk(cr, ParseColor("yellow"), 2);
}

// A schoolchild with a satchel; the right arm waves with the frame.
void SchoolKid(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const double wave = a.frames > 1 ? std::sin(a.frame * 2 * M_PI / a.frames) : 0;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  // legs and shoes
  for (int side : {-1, 1}) {
    cairo_rectangle(cr, 50 + side * 12 - 6, 150, 12, 38);
    FillInk(cr, {0.25, 0.3, 0.6}, 2);
    EllipsePath(cr, 50 + side * 14, 190, 12, 7);
    FillInk(cr, {0.85, 0.2, 0.2}, 2);
  }
  // satchel behind
  RoundRectPath(cr, 14, 92, 30, 48, 6);
  FillInk(cr, {0.95, 0.3, 0.25}, 2);
  // body
  RoundRectPath(cr, 28, 88, 44, 68, 14);
  FillInk(cr, {0.3, 0.6, 0.95}, 2.5);
  // left arm down, right arm waving
  cairo_save(cr);
  cairo_translate(cr, 32, 96);
  cairo_rotate(cr, 0.3);
  RoundRectPath(cr, -7, 0, 14, 44, 7);
  FillInk(cr, {0.3, 0.6, 0.95}, 2);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, 68, 96);
  cairo_rotate(cr, -2.5 - 0.35 * wave);
  RoundRectPath(cr, -7, 0, 14, 44, 7);
  FillInk(cr, {0.3, 0.6, 0.95}, 2);
  EllipsePath(cr, 0, 46, 8, 8);
  FillInk(cr, kKids[1].skin, 2);
  cairo_restore(cr);
  // satchel strap
  SetColor(cr, {0.7, 0.15, 0.15});
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, 34, 92);
  cairo_line_to(cr, 62, 150);
  cairo_stroke(cr);
  DrawKid(cr, 50, 56, 34, 1);
  cairo_restore(cr);
}

// A sparrow sitting; odd frames open the beak and lift the wing (a chirp).
void Sparrow(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  const bool chirp = a.frame % 2 == 1;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  SetColor(cr, {0.9, 0.55, 0.2});
  cairo_set_line_width(cr, 2.5);
  for (int i : {-1, 1}) {
    cairo_move_to(cr, 22 + i * 5, 44);
    cairo_line_to(cr, 22 + i * 6, 54);
  }
  cairo_stroke(cr);
  cairo_move_to(cr, 4, 36);
  cairo_line_to(cr, -10, 44);
  cairo_line_to(cr, -6, 30);
  cairo_close_path(cr);
  FillInk(cr, {0.55, 0.38, 0.22}, 2);
  EllipsePath(cr, 22, 32, 20, 15);
  FillInk(cr, {0.65, 0.45, 0.28}, 2);
  EllipsePath(cr, 26, 38, 12, 8);
  FillOnly(cr, {0.95, 0.88, 0.75});
  cairo_save(cr);
  cairo_translate(cr, 16, 30);
  cairo_rotate(cr, chirp ? -0.6 : 0);
  EllipsePath(cr, 0, 0, 13, 7);
  FillInk(cr, {0.5, 0.33, 0.2}, 2);
  cairo_restore(cr);
  EllipsePath(cr, 38, 18, 12, 11);
  FillInk(cr, {0.6, 0.42, 0.26}, 2);
  EllipsePath(cr, 41, 16, 3, 3);
  FillOnly(cr, kInk);
  cairo_move_to(cr, 48, 15);
  cairo_line_to(cr, 58, chirp ? 12 : 18);
  cairo_line_to(cr, 49, 20);
  if (chirp) {
    cairo_line_to(cr, 57, 25);
    cairo_line_to(cr, 48, 22);
  }
  cairo_close_path(cr);
  FillInk(cr, {1.0, 0.75, 0.15}, 1.5);
  if (chirp) {
    for (int i = 0; i < 3; ++i) {
      cairo_move_to(cr, 62, 6 + i * 8);
      cairo_line_to(cr, 72, 2 + i * 10);
    }
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// A warm knitted cap with a pompom, in a 76 × 46 box.
void Cap(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const Color wool = a.ColorOr("color", ParseColor("red"));
  cairo_move_to(cr, x + 6, y + 38);
  cairo_curve_to(cr, x + 4, y + 8, x + 72, y + 8, x + 70, y + 38);
  cairo_close_path(cr);
  FillInk(cr, wool, 2.5);
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, x + 10 + i * 14, y + 36);
    cairo_curve_to(cr, x + 12 + i * 14, y + 26, x + 14 + i * 14, y + 20, x + 20 + i * 11, y + 14);
  }
  SetColor(cr, Darker(wool, 0.2));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundRectPath(cr, x + 2, y + 32, 72, 12, 5);
  FillInk(cr, {1, 1, 1}, 2.5);
  EllipsePath(cr, x + 38, y + 9, 9, 8);
  FillInk(cr, {1, 1, 1}, 2.5);
}

// A sponge wiping a w × h picture from its bottom right corner, with soap bubbles.
void SpongeWipe(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const double t = a.frames > 1 ? double(a.frame) / (a.frames - 1) : 1;
  // zigzag from the corner over the picture
  const double zig = std::fabs(std::sin(t * 3 * M_PI));
  const double px = x + w - 22 - zig * (w - 44);
  const double py = y + h - 22 - t * (h - 44);
  for (int i = 0; i < a.frame; ++i) {
    const double bx = x + 12 + std::fmod(i * 37.0, w - 24);
    const double by = y + h - 14 - std::fmod(i * 53.0, h - 28);
    EllipsePath(cr, bx, by, 6 + i % 3 * 2, 6 + i % 3 * 2);
    FillInk(cr, {0.92, 0.98, 1.0}, 1.5);
  }
  cairo_save(cr);
  cairo_translate(cr, px, py);
  cairo_rotate(cr, -0.4 + 0.3 * std::sin(t * 12));
  RoundRectPath(cr, -22, -14, 44, 28, 6);
  FillInk(cr, {1.0, 0.86, 0.25}, 2.5);
  RoundRectPath(cr, -22, 6, 44, 8, 3);
  FillInk(cr, {0.3, 0.75, 0.4}, 2);
  for (int i = 0; i < 4; ++i) {
    EllipsePath(cr, -14 + i * 9, -6 + (i % 2) * 6, 2.5, 2.5);
    FillOnly(cr, {0.85, 0.65, 0.1});
  }
  cairo_restore(cr);
}

}  // namespace

void AddCharacterPainters(PainterTable& t) {
  t["rufo"] = {2, Rufo, "x y (a 140 × 200 box; scale=, mouth=0..5, wave=0..1)"};
  t["rufo_talk"] = {2, RufoTalk, "x y (frame = mouth shape)"};
  t["rufo_jump"] = {2, RufoJump, "x y (11 frames)"};
  t["rufo_leap"] = {2, RufoLeap, "x y (frames: crouch and leap out of the top; height=)"};
  t["rufo_wave"] = {2, RufoWave, "x y"};
  t["rufo_farewell"] = {2, RufoFarewell, "x y (frame = mouth shape, waving)"};
  t["kid_face"] = {4, KidFace, "x y width height (face= or the frame)"};
  t["kid_portrait"] = {4, KidPortrait, "x y width height face="};
  t["schoolkid"] = {2, SchoolKid, "x y (a 100 × 200 box)"};
  t["sparrow"] = {2, Sparrow, "x y (about 75 × 55; scale=)"};
  t["cap"] = {2, Cap, "x y (a 76 × 46 box)"};
  t["sponge_wipe"] = {4, SpongeWipe, "x y width height"};
}

}  // namespace rufo::demogen
