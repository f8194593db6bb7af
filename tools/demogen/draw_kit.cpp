#include "tools/demogen/draw_kit.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace rufo::demogen {

Color ParseColor(const std::string& text) {
  static const std::map<std::string, Color> kNamed = {
      {"red", {0.93, 0.16, 0.16}},  {"orange", {1.0, 0.55, 0.1}}, {"yellow", {1.0, 0.87, 0.1}},
      {"green", {0.25, 0.72, 0.2}}, {"blue", {0.15, 0.45, 0.95}}, {"purple", {0.6, 0.3, 0.85}},
      {"pink", {1.0, 0.5, 0.75}},   {"white", {1, 1, 1}},         {"brown", {0.55, 0.33, 0.15}},
      {"sky", {0.45, 0.75, 1.0}},   {"black", {0.1, 0.1, 0.1}},   {"grey", {0.6, 0.6, 0.6}},
      {"cyan", {0.2, 0.8, 0.9}},    {"gold", {1.0, 0.78, 0.15}},  {"lime", {0.6, 0.9, 0.2}},
  };
  if (auto it = kNamed.find(text); it != kNamed.end()) return it->second;
  if (text.size() == 7 && text[0] == '#') {
    const unsigned long value = std::stoul(text.substr(1), nullptr, 16);
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
  }
  throw std::invalid_argument("unknown colour \"" + text + "\"");
}

Color Mix(Color a, Color b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Color Lighter(Color c, double t) {
  return Mix(c, {1, 1, 1}, t);
}
Color Darker(Color c, double t) {
  return Mix(c, {0, 0, 0}, t);
}

void SetColor(cairo_t* cr, Color c) {
  cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

void FillInk(cairo_t* cr, Color fill, double line) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, line);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void FillOnly(cairo_t* cr, Color fill) {
  SetColor(cr, fill);
  cairo_fill(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = turn - M_PI / 2 + i * M_PI / points;
    const double radius = i % 2 == 0 ? outer : inner;
    cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
  }
  cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + s * 0.9);
  cairo_curve_to(cr, cx - s * 1.4, cy - s * 0.1, cx - s * 0.6, cy - s * 1.1, cx, cy - s * 0.35);
  cairo_curve_to(cr, cx + s * 0.6, cy - s * 1.1, cx + s * 1.4, cy - s * 0.1, cx, cy + s * 0.9);
  cairo_close_path(cr);
}

void CentredText(cairo_t* cr, const std::string& text, double cx, double y, double size, Color fill,
                 Color outline, double outlineWidth) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, y);
  cairo_text_path(cr, text.c_str());
  if (outlineWidth > 0) {
    SetColor(cr, outline);
    cairo_set_line_width(cr, outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  SetColor(cr, fill);
  cairo_fill(cr);
}

}  // namespace rufo::demogen
