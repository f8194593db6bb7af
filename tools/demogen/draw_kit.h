#pragma once

#include <cairo.h>

#include <string>

namespace rufo::demogen {

struct Color {
  double r = 0, g = 0, b = 0;
};

// "#rrggbb" or one of a few plain colour names ("red", "yellow", ...); throws on anything else.
Color ParseColor(const std::string& text);
Color Mix(Color a, Color b, double t);
Color Lighter(Color c, double t);
Color Darker(Color c, double t);

// The outline colour of every figure: a soft dark brown rather than black.
inline constexpr Color kInk{0.22, 0.14, 0.10};

void SetColor(cairo_t* cr, Color c);
// Fills the current path with `fill`, then strokes it with the ink outline of `line` width.
void FillInk(cairo_t* cr, Color fill, double line);
void FillOnly(cairo_t* cr, Color fill);

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double turn = 0);
void HeartPath(cairo_t* cr, double cx, double cy, double size);

// Bold text centred on (cx, baseline y), filled with `fill` inside an outline of `outline`
// (outline width 0 for none). UTF-8.
void CentredText(cairo_t* cr, const std::string& text, double cx, double y, double size, Color fill,
                 Color outline, double outlineWidth);

}  // namespace rufo::demogen
