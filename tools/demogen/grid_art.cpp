// Garden6's picture grids: the wooden board with its nine wells, the pictures (a shape in a
// colour), the tray of four pieces and the lid that closes over the board.
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kWood{0.8, 0.55, 0.3};
constexpr Color kWell{1.0, 0.96, 0.86};

enum Shape { kCircle, kStar, kSquare, kTriangle, kHeart, kShapes };
constexpr Color kColours[] = {
    {0.92, 0.15, 0.15}, {1.0, 0.82, 0.1}, {0.2, 0.45, 0.95}, {0.25, 0.72, 0.2}};
constexpr int kColourCount = 4;

// Picture n: 0 to 3 are the four pieces, each its own shape in its own colour (red circle,
// yellow star, blue square, green triangle); 4 to 19 the other shapes and colours, shape by
// shape.
void PictureOf(int n, Shape* shape, int* colour) {
  if (n < kColourCount) {
    *shape = static_cast<Shape>(n);
    *colour = n;
    return;
  }
  int k = kColourCount;
  for (int s = 0; s < kShapes; ++s) {
    for (int c = 0; c < kColourCount; ++c) {
      if (s == c) continue;
      if (k++ == n) {
        *shape = static_cast<Shape>(s);
        *colour = c;
        return;
      }
    }
  }
  *shape = kCircle;
  *colour = 0;
}

void DrawPicture(cairo_t* cr, double x, double y, double size, int n) {
  Shape shape = kCircle;
  int colour = 0;
  PictureOf(n, &shape, &colour);
  const double cx = x + size / 2, cy = y + size / 2, r = size * 0.36;
  switch (shape) {
    case kCircle:
      EllipsePath(cr, cx, cy, r, r);
      break;
    case kStar:
      StarPath(cr, cx, cy + r * 0.08, r * 1.12, r * 0.5, 5);
      break;
    case kSquare:
      RoundRectPath(cr, cx - r * 0.9, cy - r * 0.9, r * 1.8, r * 1.8, r * 0.2);
      break;
    case kTriangle:
      cairo_move_to(cr, cx, cy - r * 1.05);
      cairo_line_to(cr, cx + r * 1.1, cy + r * 0.85);
      cairo_line_to(cr, cx - r * 1.1, cy + r * 0.85);
      cairo_close_path(cr);
      break;
    case kHeart:
    case kShapes:
      HeartPath(cr, cx, cy + r * 0.1, r * 1.05);
      break;
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  FillInk(cr, kColours[colour], size * 0.04);
  EllipsePath(cr, cx - r * 0.35, cy - r * 0.35, r * 0.2, r * 0.13);
  FillOnly(cr, Lighter(kColours[colour], 0.6));
}

// One picture in a size × size square; in a strip of frames, frame n shows picture n.
void GridPicture(cairo_t* cr, const PaintArgs& a) {
  const int n = a.frames > 1 ? a.frame : static_cast<int>(a.NumberOr("n", 0));
  DrawPicture(cr, a.Number(0), a.Number(1), a.Number(2), n);
}

void Wood(cairo_t* cr, double x, double y, double w, double h, double radius) {
  RoundRectPath(cr, x, y, w, h, radius);
  FillInk(cr, kWood, 3);
  SetColor(cr, Darker(kWood, 0.12));
  cairo_set_line_width(cr, 1.5);
  for (double gy = y + 12; gy < y + h - 8; gy += 17) {
    cairo_move_to(cr, x + 10, gy);
    cairo_curve_to(cr, x + w * 0.3, gy - 3, x + w * 0.6, gy + 3, x + w - 10, gy);
  }
  cairo_stroke(cr);
}

// The board: a wooden frame around three rows of three wells, cell × cell each, `gap` apart,
// the first at (x + margin, y + margin). An empty well shows a question mark.
void GridBoard(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), cell = a.Number(2), gap = a.Number(3);
  const double margin = a.NumberOr("margin", 14);
  const double side = 3 * cell + 2 * gap + 2 * margin;
  Wood(cr, x, y, side, side, 18);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const double cx = x + margin + column * (cell + gap), cy = y + margin + row * (cell + gap);
      RoundRectPath(cr, cx, cy, cell, cell, 10);
      FillInk(cr, kWell, 2);
      CentredText(cr, "?", cx + cell / 2, cy + cell * 0.68, cell * 0.5, {0.88, 0.8, 0.68},
                  {0.88, 0.8, 0.68}, 0);
    }
  }
}

// The tray: a wooden shelf with the four pieces in a 2 × 2 block of cell × cell places.
void PieceTray(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), cell = a.Number(2), gap = a.Number(3);
  const double margin = a.NumberOr("margin", 12);
  const double side = 2 * cell + gap + 2 * margin;
  Wood(cr, x, y, side, side, 16);
  for (int piece = 0; piece < 4; ++piece) {
    const double px = x + margin + (piece % 2) * (cell + gap);
    const double py = y + margin + (piece / 2) * (cell + gap);
    RoundRectPath(cr, px, py, cell, cell, 10);
    FillInk(cr, {1.0, 0.99, 0.93}, 2);
    DrawPicture(cr, px, py, cell, piece);
  }
}

// The lid over the board, w × h: two wooden doors with a leaf on each. Frame 0 is closed; the
// doors swing open towards the sides until, at the last frame, only their edges show.
void GridLid(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const double open = a.frames > 1 ? double(a.frame) / (a.frames - 1) : 0;
  const double door = (w / 2) * (1 - open * 0.93);
  for (int side : {0, 1}) {
    const double x = side == 0 ? 0 : w - door;
    Wood(cr, x + 1.5, 1.5, door - 3, h - 3, 14);
    if (door < 40) continue;
    const double cx = x + door / 2, cy = h / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy - 40);
    cairo_scale(cr, door / (w / 2), 1);
    cairo_move_to(cr, 0, 40);
    cairo_curve_to(cr, -40, 10, -30, -30, 0, -45);
    cairo_curve_to(cr, 30, -30, 40, 10, 0, 40);
    cairo_restore(cr);
    FillInk(cr, {0.35, 0.72, 0.25}, 2);
    EllipsePath(cr, side == 0 ? x + door - 18 : x + 18, cy + 30, 9 * door / (w / 2) + 2, 9);
    FillInk(cr, {0.95, 0.8, 0.3}, 2);
  }
}

}  // namespace

void AddGridPainters(PainterTable& t) {
  t["grid_picture"] = {3, GridPicture, "x y size (n=0..19, or the frames: picture n)"};
  t["grid_board"] = {4, GridBoard, "x y cell gap (margin=)"};
  t["piece_tray"] = {4, PieceTray, "x y cell gap (margin=)"};
  t["grid_lid"] = {2, GridLid, "width height (frames open it)"};
}

}  // namespace rufo::demogen
