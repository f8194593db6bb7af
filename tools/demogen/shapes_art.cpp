// The shapes lesson: plain filled shapes (a circle, a square, a triangle, a rectangle) from
// which its four scenes are built, drawn from the same numbers as their hit-map regions, and the
// board on which the shape just named lights up.
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

Color Fill(const PaintArgs& a) {
  return a.ColorOr("color", ParseColor("gold"));
}

// Shapes for the hit map's "ellipse V CX CY R R".
void ShapeCircle(cairo_t* cr, const PaintArgs& a) {
  EllipsePath(cr, a.Number(0), a.Number(1), a.Number(2), a.Number(2));
  FillInk(cr, Fill(a), 3);
}

// Squares and rectangles for the hit map's "rect V X Y W H".
void ShapeRect(cairo_t* cr, const PaintArgs& a) {
  cairo_rectangle(cr, a.Number(0), a.Number(1), a.Number(2), a.Number(3));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  FillInk(cr, Fill(a), 3);
}

// Triangles for the hit map's "polygon V X1 Y1 X2 Y2 X3 Y3".
void ShapeTriangle(cairo_t* cr, const PaintArgs& a) {
  cairo_move_to(cr, a.Number(0), a.Number(1));
  cairo_line_to(cr, a.Number(2), a.Number(3));
  cairo_line_to(cr, a.Number(4), a.Number(5));
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  FillInk(cr, Fill(a), 3);
}

// The outline of shape kind= 0 circle, 1 square, 2 triangle, 3 rectangle, centred in a cell of
// size w at (x, y); lit=yes fills it brightly inside a glow, else it is a pale outline.
void ShapeIcon(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2);
  const int kind = static_cast<int>(a.NumberOr("kind", 0));
  const bool lit = a.TextOr("lit", "no") == "yes";
  const double cx = x + w / 2, cy = y + w / 2, r = w * 0.34;
  if (lit) {
    for (int ring = 3; ring >= 1; --ring) {
      RoundRectPath(cr, x + 4 - ring * 2, y + 4 - ring * 2, w - 8 + ring * 4, w - 8 + ring * 4, 14);
      cairo_set_source_rgba(cr, 1.0, 0.95, 0.3, 0.25 * (4 - ring));
      cairo_fill(cr);
    }
  }
  switch (kind) {
    case 0:
      EllipsePath(cr, cx, cy, r, r);
      break;
    case 1:
      cairo_rectangle(cr, cx - r, cy - r, 2 * r, 2 * r);
      break;
    case 2:
      cairo_move_to(cr, cx, cy - r * 1.1);
      cairo_line_to(cr, cx + r * 1.15, cy + r * 0.9);
      cairo_line_to(cr, cx - r * 1.15, cy + r * 0.9);
      cairo_close_path(cr);
      break;
    default:
      cairo_rectangle(cr, cx - r * 1.3, cy - r * 0.65, 2.6 * r, 1.3 * r);
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  if (lit) {
    FillInk(cr, a.ColorOr("color", ParseColor("gold")), 4);
  } else {
    SetColor(cr, {0.55, 0.5, 0.42});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
}

}  // namespace

void AddShapePainters(PainterTable& t) {
  t["shape_circle"] = {3, ShapeCircle, "cx cy r (color=)"};
  t["shape_rect"] = {4, ShapeRect, "x y width height (color=)"};
  t["shape_triangle"] = {6, ShapeTriangle, "x1 y1 x2 y2 x3 y3 (color=)"};
  t["shape_icon"] = {3, ShapeIcon, "x y size kind=0..3 (lit=yes, color=)"};
}

}  // namespace rufo::demogen
