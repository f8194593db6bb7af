// Garden2's drawings: the well, the ball and the singing bird of the garden; the watering can
// and the flower beds that bloom; the mouse and the things she names; the picture cards of the
// series game.
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kStone{0.72, 0.7, 0.66};
constexpr Color kWood{0.62, 0.4, 0.22};
constexpr Color kRoof{0.78, 0.3, 0.22};
constexpr Color kWaterBlue{0.35, 0.65, 0.95};
constexpr Color kLeaf{0.3, 0.66, 0.22};
constexpr Color kMouseGrey{0.66, 0.66, 0.7};
constexpr Color kPink{1.0, 0.68, 0.75};

// With drop=yes and frames, how far above its place a thing still is as it falls in.
double StillToFall(const PaintArgs& a) {
  if (a.TextOr("drop", "no") != "yes" || a.frames < 2) return 0;
  const double t = a.Progress();
  return 170 * (1 - t) * (1 - t);
}

// Whether the frames move the thing in place (rather than drop it in).
bool Moves(const PaintArgs& a) {
  return a.frames > 1 && a.TextOr("drop", "no") != "yes";
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Color c, double width) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void Drop(cairo_t* cr, double x, double y, double size) {
  cairo_move_to(cr, x, y - size * 1.6);
  cairo_curve_to(cr, x + size, y - size * 0.2, x + size, y + size, x, y + size);
  cairo_curve_to(cr, x - size, y + size, x - size, y - size * 0.2, x, y - size * 1.6);
  FillInk(cr, kWaterBlue, 1);
}

// A stone well with a roof, a crank and a bucket; frames lower the bucket and bring it up full.
void Well(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  const double depth = std::sin(M_PI * a.Progress()) * (a.frames > 1 ? 1 : 0);
  for (double px : {-46.0, 46.0}) {
    cairo_rectangle(cr, px - 5, -176, 10, 110);
    FillInk(cr, kWood, 2);
  }
  cairo_move_to(cr, -72, -160);
  cairo_line_to(cr, 0, -212);
  cairo_line_to(cr, 72, -160);
  cairo_close_path(cr);
  FillInk(cr, kRoof, 3);
  Line(cr, -50, -142, 62, -142, kInk, 6);
  Line(cr, -50, -142, 62, -142, kWood, 3);
  Line(cr, 62, -142, 70, -126, kInk, 4);
  EllipsePath(cr, 0, -70, 54, 15);
  FillInk(cr, {0.2, 0.2, 0.25}, 3);
  // The rope and the bucket: up at the crank, or down in the water.
  const double bucketY = -124 + depth * 70;
  Line(cr, 0, -142, 0, bucketY, {0.5, 0.38, 0.2}, 2.5);
  cairo_move_to(cr, -14, bucketY);
  cairo_line_to(cr, 14, bucketY);
  cairo_line_to(cr, 11, bucketY + 22);
  cairo_line_to(cr, -11, bucketY + 22);
  cairo_close_path(cr);
  FillInk(cr, kWood, 2);
  if (a.frame > a.frames / 2) {
    EllipsePath(cr, 0, bucketY + 2, 12, 3);
    FillOnly(cr, kWaterBlue);
  }
  // The front wall hides whatever is below the rim.
  cairo_move_to(cr, -54, -70);
  cairo_line_to(cr, -54, 0);
  cairo_curve_to(cr, -30, 14, 30, 14, 54, 0);
  cairo_line_to(cr, 54, -70);
  cairo_curve_to(cr, 30, -56, -30, -56, -54, -70);
  cairo_close_path(cr);
  FillInk(cr, kStone, 3);
  SetColor(cr, Darker(kStone, 0.25));
  cairo_set_line_width(cr, 1.5);
  for (int row = 0; row < 3; ++row) {
    const double ry = -50 + row * 20;
    cairo_move_to(cr, -52, ry);
    cairo_curve_to(cr, -30, ry + 10, 30, ry + 10, 52, ry);
    for (int col = 0; col < 4; ++col) {
      const double cx = -39 + col * 26 + (row % 2) * 13;
      cairo_move_to(cr, cx, ry + 6);
      cairo_line_to(cr, cx, ry + 24);
    }
  }
  cairo_stroke(cr);
  if (depth > 0.7) {
    for (int i = 0; i < 5; ++i)
      Drop(cr, -24 + i * 12, -92 - (i % 2) * 10, 3.5);
  }
}

// A beach ball with coloured segments; frames bounce it twice.
void Ball(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), foot = a.Number(1), r = a.Number(2);
  const double height = a.NumberOr("bounce", 0);
  const double hop = a.frames > 1 ? std::fabs(std::sin(2 * M_PI * a.Progress())) : 0;
  const double squash = a.frames > 1 && hop < 0.15 && a.frame > 0 ? 0.86 : 1.0;
  const double cy = foot - r * squash - hop * height;
  EllipsePath(cr, x, foot - 2, r * (1 - hop * 0.4), r * 0.2);
  FillOnly(cr, {0.2, 0.45, 0.15});
  cairo_save(cr);
  cairo_translate(cr, x, cy);
  cairo_scale(cr, 1 / squash, squash);
  cairo_rotate(cr, a.Progress() * 2 * M_PI * (a.frames > 1 ? 1 : 0));
  const Color colours[] = {ParseColor("red"),   ParseColor("white"),  ParseColor("blue"),
                           ParseColor("white"), ParseColor("yellow"), ParseColor("white")};
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, r, i * M_PI / 3, (i + 1) * M_PI / 3);
    cairo_close_path(cr);
    FillOnly(cr, colours[i]);
  }
  EllipsePath(cr, 0, 0, r, r);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  EllipsePath(cr, -r * 0.35, -r * 0.4, r * 0.22, r * 0.14);
  FillOnly(cr, Lighter(ParseColor("white"), 1));
  cairo_restore(cr);
}

void Note(cairo_t* cr, double x, double y) {
  EllipsePath(cr, x, y, 5, 4);
  FillOnly(cr, kInk);
  Line(cr, x + 4.5, y, x + 4.5, y - 18, kInk, 2);
  Line(cr, x + 4.5, y - 18, x + 11, y - 13, kInk, 2);
}

// The garden's bird (the sparrow) hopping and singing; static without frames.
void SingingBird(cairo_t* cr, const PaintArgs& a) {
  const double hop = a.frames > 1 ? 16 * std::fabs(std::sin(3 * M_PI * a.Progress())) : 0;
  PaintArgs bird = a;
  bird.numbers = {a.Number(0), a.Number(1) - hop};
  Painters().at("sparrow").paint(cr, bird);
  if (a.frames > 1 && a.frame % 2 == 1) {
    const double s = a.NumberOr("scale", 1);
    Note(cr, a.Number(0) + 62 * s, a.Number(1) - 10 * s - hop);
    Note(cr, a.Number(0) + 80 * s, a.Number(1) - 32 * s - hop);
  }
}

void Can(cairo_t* cr, double x, double y, double tilt, bool mirrored) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (mirrored) cairo_scale(cr, -1, 1);
  cairo_rotate(cr, tilt);
  // the spout, the body, the handle
  cairo_move_to(cr, 16, 4);
  cairo_line_to(cr, 46, -14);
  cairo_line_to(cr, 48, -8);
  cairo_line_to(cr, 18, 14);
  cairo_close_path(cr);
  FillInk(cr, {0.2, 0.62, 0.72}, 2);
  EllipsePath(cr, 48, -12, 5, 7);
  FillInk(cr, {0.2, 0.62, 0.72}, 2);
  RoundRectPath(cr, -22, -14, 40, 34, 6);
  FillInk(cr, {0.25, 0.72, 0.82}, 2.5);
  cairo_new_sub_path(cr);
  cairo_arc(cr, -2, -14, 15, M_PI, 2 * M_PI);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, -2, -14, 15, M_PI, 2 * M_PI);
  SetColor(cr, {0.25, 0.72, 0.82});
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A watering can over a place that pours a rain of drops onto it (frames); side=right turns
// the can to pour to the left.
void Watering(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const bool fromRight = a.TextOr("side", "left") == "right";
  const double t = a.Progress();
  const double tilt = std::min(1.0, t * 3) * 0.6;
  const double canX = fromRight ? x + w - 34 : x + 34;
  Can(cr, canX, y + 26, tilt, fromRight);
  if (t < 0.3) return;
  // The rain from the rose of the spout down to the bottom of the place.
  const double roseX = fromRight ? canX - 50 : canX + 50;
  for (int i = 0; i < 14; ++i) {
    const double fall = std::fmod(t * 3 + i * 0.37, 1.0);
    const double dx = (i % 5 - 2) * 5 + fall * (fromRight ? -10 : 10);
    Drop(cr, roseX + dx, y + 40 + fall * (h - 50), 2.6);
  }
}

// Five flowers from buds to full bloom (bloom=0..1, or over the frames) in a bed, a hanging
// basket (kind=basket) or a window box (kind=box).
void BloomBed(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), foot = a.Number(1), w = a.Number(2);
  const Color petal = a.ColorOr("color", ParseColor("red"));
  const double bloom = a.frames > 1 ? a.Progress() : a.NumberOr("bloom", 0);
  const std::string kind = a.TextOr("kind", "bed");
  const double plantFoot = kind == "bed" ? foot - 8 : foot - 26;
  for (int i = 0; i < 5; ++i) {
    const double px = x + w * (0.12 + 0.19 * i);
    const double stem = 30 + 14 * bloom + (i % 2) * 8;
    const double top = plantFoot - stem;
    Line(cr, px, plantFoot, px, top, {0.2, 0.55, 0.15}, 3);
    EllipsePath(cr, px + 7, plantFoot - stem * 0.45, 8, 4);
    FillInk(cr, kLeaf, 1.5);
    if (bloom < 0.2) {
      EllipsePath(cr, px, top, 5, 8);
      FillInk(cr, Mix(kLeaf, petal, bloom * 2), 1.5);
      continue;
    }
    const double r = 5 + 9 * bloom;
    for (int k = 0; k < 6; ++k) {
      const double angle = k * M_PI / 3 + i;
      EllipsePath(cr, px + std::cos(angle) * r * 0.7, top + std::sin(angle) * r * 0.7, r * 0.55,
                  r * 0.55);
      FillInk(cr, petal, 1.5);
    }
    EllipsePath(cr, px, top, r * 0.45, r * 0.45);
    FillInk(cr, ParseColor("gold"), 1.5);
  }
  if (kind == "bed") {
    RoundRectPath(cr, x, foot - 14, w, 18, 9);
    FillInk(cr, {0.55, 0.35, 0.2}, 2.5);
  } else if (kind == "basket") {
    Line(cr, x + w * 0.1, foot - 26, x + w / 2, foot - 120, kInk, 2);
    Line(cr, x + w * 0.9, foot - 26, x + w / 2, foot - 120, kInk, 2);
    cairo_move_to(cr, x, foot - 30);
    cairo_curve_to(cr, x + w * 0.1, foot + 4, x + w * 0.9, foot + 4, x + w, foot - 30);
    cairo_close_path(cr);
    FillInk(cr, {0.78, 0.58, 0.32}, 2.5);
  } else {
    cairo_rectangle(cr, x, foot - 30, w, 30);
    FillInk(cr, kWood, 2.5);
  }
}

// A leafy branch along the top edge that the basket hangs from.
void TopBranch(cairo_t* cr, const PaintArgs& a) {
  const double x1 = a.Number(0), x2 = a.Number(1), y = a.Number(2);
  cairo_move_to(cr, x1, y - 6);
  cairo_curve_to(cr, (x1 + x2) / 2, y + 10, (x1 + x2) / 2, y - 4, x2, y + 4);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 12);
  cairo_stroke_preserve(cr);
  SetColor(cr, kWood);
  cairo_set_line_width(cr, 8);
  cairo_stroke(cr);
  for (double lx = x1 + 10; lx < x2; lx += 34) {
    EllipsePath(cr, lx, y - 8 + std::fmod(lx, 3) * 4, 16, 9);
    FillInk(cr, kLeaf, 1.5);
  }
}

void MouseFace(cairo_t* cr, int mouth) {
  for (double side : {-1.0, 1.0}) {
    EllipsePath(cr, side * 24, -30, 17, 17);
    FillInk(cr, kMouseGrey, 2.5);
    EllipsePath(cr, side * 24, -30, 10, 10);
    FillOnly(cr, kPink);
  }
  EllipsePath(cr, 0, -8, 26, 22);
  FillInk(cr, kMouseGrey, 2.5);
  for (double side : {-1.0, 1.0}) {
    if (mouth == 5) {
      Line(cr, side * 10 - 5, -14, side * 10 + 5, -14, kInk, 2.5);
    } else {
      EllipsePath(cr, side * 10, -14, 4, 5);
      FillOnly(cr, kInk);
      EllipsePath(cr, side * 10 + 1.2, -16, 1.3, 1.3);
      FillOnly(cr, {1, 1, 1});
    }
    for (double dy : {-2.0, 3.0}) {
      Line(cr, side * 12, -2 + dy * 0.3, side * 34, -4 + dy, kInk, 1);
    }
  }
  EllipsePath(cr, 0, -4, 4.5, 3.5);
  FillInk(cr, kPink, 1.5);
  // mouth: 0 smile, 1 to 3 ever wider, 4 round
  if (mouth == 0 || mouth == 5) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 2, 6, 0.3, M_PI - 0.3);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
  } else {
    const double open = mouth == 4 ? 4 : 1.5 + mouth * 1.6;
    EllipsePath(cr, 0, 6, mouth == 4 ? 4 : 7, open);
    FillInk(cr, {0.55, 0.15, 0.2}, 1.5);
  }
}

// The mouse sitting up (a 100 × 130 box from x, y); mouth=0..5, or the frame when talking.
void DrawMouse(cairo_t* cr, double x, double y, double s, int mouth) {
  cairo_save(cr);
  cairo_translate(cr, x + 50 * s, y + 70 * s);
  cairo_scale(cr, s, s);
  cairo_move_to(cr, 22, 52);
  cairo_curve_to(cr, 56, 60, 58, 20, 42, 12);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  SetColor(cr, kPink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  EllipsePath(cr, 0, 30, 28, 30);
  FillInk(cr, kMouseGrey, 2.5);
  EllipsePath(cr, 0, 36, 16, 20);
  FillOnly(cr, Lighter(kMouseGrey, 0.5));
  for (double side : {-1.0, 1.0}) {
    EllipsePath(cr, side * 14, 58, 10, 5);
    FillInk(cr, kPink, 1.5);
  }
  MouseFace(cr, mouth);
  cairo_restore(cr);
}

void Mouse(cairo_t* cr, const PaintArgs& a) {
  DrawMouse(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1),
            static_cast<int>(a.NumberOr("mouth", 0)));
}

void MouseTalk(cairo_t* cr, const PaintArgs& a) {
  DrawMouse(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), a.frame % 6);
}

// A T-shirt hanging from two pegs at (x, top), w wide; frames make it flap in the wind (or,
// with drop=yes, fall onto the line).
void TShirt(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), top = a.Number(1) - StillToFall(a), w = a.Number(2);
  const Color cloth = a.ColorOr("color", ParseColor("red"));
  const double sway = Moves(a) ? 0.22 * std::sin(4 * M_PI * a.Progress()) : 0;
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, top);
  cairo_rotate(cr, sway);
  const double h = w * 1.05, half = w / 2;
  cairo_move_to(cr, -half * 0.45, 0);
  cairo_curve_to(cr, -half * 0.2, half * 0.2, half * 0.2, half * 0.2, half * 0.45, 0);
  cairo_line_to(cr, half, half * 0.3);
  cairo_line_to(cr, half * 0.8, half * 0.7);
  cairo_line_to(cr, half * 0.6, half * 0.55);
  cairo_line_to(cr, half * 0.6, h);
  cairo_line_to(cr, -half * 0.6, h);
  cairo_line_to(cr, -half * 0.6, half * 0.55);
  cairo_line_to(cr, -half * 0.8, half * 0.7);
  cairo_line_to(cr, -half, half * 0.3);
  cairo_close_path(cr);
  FillInk(cr, cloth, 3);
  for (double side : {-1.0, 1.0}) {
    cairo_rectangle(cr, side * half * 0.45 - 4, -8, 8, 16);
    FillInk(cr, ParseColor("gold"), 1.5);
  }
  cairo_restore(cr);
}

// A little bucket with a handle standing at (x, foot), w wide; frames make it hop (or, with
// drop=yes, fall onto its place).
void Bucket(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), foot = a.Number(1), w = a.Number(2);
  const Color paint = a.ColorOr("color", ParseColor("blue"));
  const double hop =
      (Moves(a) ? 26 * std::fabs(std::sin(2 * M_PI * a.Progress())) : 0) + StillToFall(a);
  const double y = foot - hop, h = w * 0.9;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w / 2, y - h, w * 0.42, M_PI, 2 * M_PI);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y - h);
  cairo_line_to(cr, x + w, y - h);
  cairo_line_to(cr, x + w * 0.85, y);
  cairo_line_to(cr, x + w * 0.15, y);
  cairo_close_path(cr);
  FillInk(cr, paint, 3);
  EllipsePath(cr, x + w / 2, y - h, w / 2, w * 0.1);
  FillInk(cr, Darker(paint, 0.35), 2.5);
  cairo_rectangle(cr, x + w * 0.12, y - h * 0.62, w * 0.76, h * 0.12);
  FillOnly(cr, Lighter(paint, 0.4));
}

// Twinkling stars around a place (frames make them grow, turn and fade).
void ColourStars(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const Color colour = a.ColorOr("color", ParseColor("gold"));
  const double t = a.Progress();
  const double places[][2] = {{0.1, 0.15}, {0.85, 0.1}, {0.92, 0.6},
                              {0.08, 0.7}, {0.5, 0.05}, {0.55, 0.92}};
  for (int i = 0; i < 6; ++i) {
    const double grow = std::sin(M_PI * std::fmod(t + i * 0.17, 1.0));
    StarPath(cr, x + places[i][0] * w, y + places[i][1] * h, 4 + 10 * grow, 2 + 4 * grow, 5,
             t * 2 + i);
    FillInk(cr, i % 2 ? colour : ParseColor("gold"), 1.5);
  }
}

// The line the things hang on, between two poles standing on the ground at `foot`.
void WashingLine(cairo_t* cr, const PaintArgs& a) {
  const double x1 = a.Number(0), x2 = a.Number(1), y = a.Number(2), foot = a.Number(3);
  for (double px : {x1, x2}) {
    cairo_rectangle(cr, px - 5, y - 10, 10, foot - y + 10);
    FillInk(cr, kWood, 2);
  }
  cairo_move_to(cr, x1, y);
  cairo_curve_to(cr, x1 + (x2 - x1) * 0.3, y + 12, x1 + (x2 - x1) * 0.7, y + 12, x2, y);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

// A long wooden shelf on two legs (the top at y).
void Shelf(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), foot = a.Number(3);
  for (double lx : {x + 20, x + w - 32}) {
    cairo_rectangle(cr, lx, y, 12, foot - y);
    FillInk(cr, Darker(kWood, 0.2), 2);
  }
  RoundRectPath(cr, x, y, w, 16, 4);
  FillInk(cr, kWood, 2.5);
}

// The five series pictures: a red circle, a blue square, a green triangle, a yellow star and a
// pink heart.
void SeriesShape(cairo_t* cr, int picture, double cx, double cy, double size) {
  switch (picture) {
    case 0:
      EllipsePath(cr, cx, cy, size, size);
      FillInk(cr, ParseColor("red"), 3);
      break;
    case 1:
      RoundRectPath(cr, cx - size * 0.9, cy - size * 0.9, size * 1.8, size * 1.8, 4);
      FillInk(cr, ParseColor("blue"), 3);
      break;
    case 2:
      cairo_move_to(cr, cx, cy - size * 1.05);
      cairo_line_to(cr, cx + size * 1.1, cy + size * 0.85);
      cairo_line_to(cr, cx - size * 1.1, cy + size * 0.85);
      cairo_close_path(cr);
      FillInk(cr, ParseColor("green"), 3);
      break;
    case 3:
      StarPath(cr, cx, cy, size * 1.15, size * 0.5, 5);
      FillInk(cr, ParseColor("yellow"), 3);
      break;
    default:
      HeartPath(cr, cx, cy, size * 1.1);
      FillInk(cr, ParseColor("pink"), 3);
      break;
  }
}

void DrawCard(cairo_t* cr, double x, double y, int picture, bool solved) {
  RoundRectPath(cr, x, y, 72, 90, 10);
  FillInk(cr, solved ? Color{1.0, 0.97, 0.8} : Color{1, 1, 1}, 3);
  if (solved) {
    RoundRectPath(cr, x + 5, y + 5, 62, 80, 7);
    SetColor(cr, ParseColor("gold"));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  SeriesShape(cr, picture, x + 36, y + 47, 22);
}

// A series card hanging from the line by a peg at (x, top): question look, or the solved look
// with a golden frame (look=solved). Frames bring it down onto the line, and let the solved
// one hop with stars.
void SeriesCard(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), top = a.Number(1);
  const int picture = static_cast<int>(a.NumberOr("picture", 0));
  const bool solved = a.TextOr("look", "question") == "solved";
  const double t = a.Progress();
  // The question look drops onto the line and wobbles a little; the solved one hops.
  const bool moving = a.frames > 1;
  const double swing = moving && !solved ? 0.1 * (1 - t) * std::cos(3 * M_PI * t) : 0;
  const double hop = !moving ? 0 : solved ? 10 * std::sin(M_PI * t) : 40 * (1 - t) * (1 - t);
  cairo_save(cr);
  cairo_translate(cr, x + 36, top - hop);
  cairo_rotate(cr, swing);
  DrawCard(cr, -36, 6, picture, solved);
  cairo_rectangle(cr, -5, -4, 10, 18);
  FillInk(cr, kWood, 1.5);
  cairo_restore(cr);
  if (solved && a.frames > 1 && a.frame > 0 && a.frame < a.frames - 1) {
    for (int i = 0; i < 3; ++i) {
      StarPath(cr, x + 8 + i * 28, top + 12 - 10 * std::sin(M_PI * t) - (i % 2) * 8, 6, 3, 5, t);
      FillInk(cr, ParseColor("gold"), 1);
    }
  }
}

// A series piece to drag: the card alone at (x, y).
void SeriesPiece(cairo_t* cr, const PaintArgs& a) {
  DrawCard(cr, a.Number(0), a.Number(1), static_cast<int>(a.NumberOr("picture", 0)), false);
}

// The empty place of a card: a dashed outline with a question mark.
void EmptyCard(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  RoundRectPath(cr, x, y, 72, 90, 10);
  FillOnly(cr, {1, 1, 1});
  RoundRectPath(cr, x, y, 72, 90, 10);
  const double dash[] = {8, 6};
  cairo_set_dash(cr, dash, 2, 0);
  SetColor(cr, {0.55, 0.5, 0.45});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  CentredText(cr, "?", x + 36, y + 64, 46, {0.75, 0.72, 0.68}, kInk, 0);
}

// The line of the series, sagging a little between two hooks.
void SeriesLine(cairo_t* cr, const PaintArgs& a) {
  const double x1 = a.Number(0), x2 = a.Number(1), y = a.Number(2);
  cairo_move_to(cr, x1, y);
  cairo_curve_to(cr, x1 + (x2 - x1) * 0.3, y + 6, x1 + (x2 - x1) * 0.7, y + 6, x2, y);
  SetColor(cr, {0.45, 0.3, 0.15});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

}  // namespace

void AddGarden2Painters(PainterTable& t) {
  t["well"] = {2, Well, "x y(foot) (scale=; frames lower the bucket and bring it up)"};
  t["ball"] = {3, Ball, "x y(foot) radius (bounce=height; frames bounce it twice)"};
  t["singing_bird"] = {2, SingingBird, "x y(feet) (scale=; frames hop and sing)"};
  t["watering"] = {4, Watering, "x y width height (side=left|right; frames pour)"};
  t["bloom_bed"] = {3, BloomBed,
                    "x y(foot) width color= (kind=bed|basket|box, bloom=0..1; frames bloom)"};
  t["top_branch"] = {3, TopBranch, "x1 x2 y"};
  t["mouse"] = {2, Mouse, "x y (a 100 × 130 box; scale=, mouth=0..5)"};
  t["mouse_talk"] = {2, MouseTalk, "x y (frame = mouth shape; scale=)"};
  t["tshirt"] = {3, TShirt, "x y(pegs) width color= (frames flap; drop=yes: fall in)"};
  t["bucket"] = {3, Bucket, "x y(foot) width color= (frames hop; drop=yes: fall in)"};
  t["colour_stars"] = {4, ColourStars, "x y width height (color=; frames twinkle)"};
  t["washing_line"] = {4, WashingLine, "x1 x2 y foot"};
  t["shelf"] = {4, Shelf, "x y width foot"};
  t["series_card"] = {2, SeriesCard, "x y(peg) picture=0..4 (look=question|solved; frames)"};
  t["series_piece"] = {2, SeriesPiece, "x y picture=0..4 (a 72 × 90 card)"};
  t["empty_card"] = {2, EmptyCard, "x y (a 72 × 90 place)"};
  t["series_line"] = {3, SeriesLine, "x1 x2 y"};
}

}  // namespace rufo::demogen
