// The learning garden's objects: the rainbow, the pigeon on its birdhouse, the flower pot, the
// mushroom, the pantry shed and the garden dwarf, each with the animation a click plays.
#include <cmath>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

// A bounce for click animations: 0 at the start and the end, up in between.
double Bounce(const PaintArgs& a) {
  return std::sin(a.Progress(0.0) * M_PI * 2) * (1 - a.Progress(0.0));
}

// A rainbow arc around (x, y) with outer radius r; frames make it shine band by band.
void Rainbow(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  const char* const bands[] = {"red", "orange", "yellow", "green", "sky", "blue", "purple"};
  const double width = r * 0.075;
  const int shining = a.frames > 1 ? a.frame % 8 : -1;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r + 1, M_PI, 2 * M_PI);
  cairo_arc_negative(cr, x, y, r - 7 * width - 1, 2 * M_PI, M_PI);
  cairo_close_path(cr);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 7; ++i) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r - width * (i + 0.5), M_PI, 2 * M_PI);
    const Color c = ParseColor(bands[i]);
    SetColor(cr, i == shining ? Lighter(c, 0.55) : c);
    cairo_set_line_width(cr, width + 0.5);
    cairo_stroke(cr);
  }
  if (a.frames > 1) {
    const double angle = M_PI + a.Progress(0.0) * M_PI;
    StarPath(cr, x + std::cos(angle) * (r - 3.5 * width), y + std::sin(angle) * (r - 3.5 * width),
             14, 6, 5, a.frame * 0.4);
    FillInk(cr, {1, 1, 0.7}, 2);
  }
  // little clouds at the feet
  for (int side : {-1, 1}) {
    const double cx = x + side * (r - 3.5 * width);
    const double bumps[][3] = {{-16, 4, 12}, {0, -4, 15}, {16, 4, 12}};
    for (const auto& b : bumps)
      EllipsePath(cr, cx + b[0], y + b[1], b[2], b[2]);
    FillInk(cr, {1, 1, 1}, 2);
    for (const auto& b : bumps)
      EllipsePath(cr, cx + b[0], y + b[1], b[2], b[2]);
    FillOnly(cr, {1, 1, 1});
  }
}

// A birdhouse on a pole, its roof at (x, y).
void Birdhouse(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  cairo_rectangle(cr, x - 5, y + 40, 10, a.NumberOr("pole", 110));
  FillInk(cr, {0.6, 0.4, 0.22}, 2);
  cairo_rectangle(cr, x - 26, y + 8, 52, 40);
  FillInk(cr, {0.95, 0.75, 0.4}, 2.5);
  EllipsePath(cr, x, y + 26, 8, 8);
  FillOnly(cr, {0.3, 0.18, 0.1});
  cairo_move_to(cr, x - 34, y + 12);
  cairo_line_to(cr, x, y - 10);
  cairo_line_to(cr, x + 34, y + 12);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("red"), 2.5);
}

// A grey pigeon standing at (x, y) (its feet); flap opens the wings (0 folded, 1 up).
void DrawPigeon(cairo_t* cr, double x, double y, double s, double flap) {
  const Color body{0.62, 0.65, 0.75};
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  SetColor(cr, {0.95, 0.45, 0.35});
  cairo_set_line_width(cr, 2.5);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 6, -8);
    cairo_line_to(cr, side * 7, 0);
  }
  cairo_stroke(cr);
  // tail
  cairo_move_to(cr, -18, -18);
  cairo_line_to(cr, -38, -10);
  cairo_line_to(cr, -34, -24);
  cairo_close_path(cr);
  FillInk(cr, Darker(body, 0.2), 2);
  EllipsePath(cr, -2, -22, 22, 15);
  FillInk(cr, body, 2);
  // wing, folded on the side or raised
  cairo_save(cr);
  cairo_translate(cr, -4, -26);
  cairo_rotate(cr, -flap * 1.6);
  EllipsePath(cr, -6, 0, 17, 8);
  FillInk(cr, Darker(body, 0.12), 2);
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, -16 + i * 7, -2);
    cairo_line_to(cr, -10 + i * 7, 4);
  }
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  // neck and head with a shiny green-violet throat
  EllipsePath(cr, 14, -34, 9, 12);
  FillInk(cr, {0.45, 0.62, 0.6}, 2);
  EllipsePath(cr, 17, -46, 9, 8);
  FillInk(cr, body, 2);
  EllipsePath(cr, 20, -48, 2.2, 2.2);
  FillOnly(cr, {0.9, 0.3, 0.1});
  cairo_move_to(cr, 25, -47);
  cairo_line_to(cr, 32, -44);
  cairo_line_to(cr, 25, -43);
  cairo_close_path(cr);
  FillInk(cr, {0.95, 0.8, 0.5}, 1.2);
  cairo_restore(cr);
}

void Pigeon(cairo_t* cr, const PaintArgs& a) {
  DrawPigeon(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), 0);
}

// The pigeon flaps, takes off and flies up and away to the right.
void PigeonFly(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  const double t = a.Progress(0.0);
  const double lift = t < 0.25 ? 0 : (t - 0.25) / 0.75;
  const double px = x + lift * 90, py = y - lift * lift * 120 - lift * 20;
  DrawPigeon(cr, px, py, s * (1 - lift * 0.3), a.frame % 2 ? 1 : 0.2);
}

// A clay flower pot with three flowers at (x, y) (the pot's foot); frames make them nod and
// count out loud in colour: one bloom after another brightens.
void FlowerPot(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  const char* const colors[] = {"red", "yellow", "blue"};
  const double sway = a.frames > 1 ? std::sin(a.Progress(0.0) * M_PI * 4) * 0.15 : 0;
  const int counted = a.frames > 1 ? a.frame * 4 / a.frames : -1;
  for (int i = 0; i < 3; ++i) {
    const double angle = (i - 1) * 0.35 + sway * (i % 2 ? -1 : 1);
    const double len = (i == 1 ? 78 : 62) * s;
    const double fx = x + std::sin(angle) * len, fy = y - 38 * s - std::cos(angle) * len;
    cairo_move_to(cr, x + (i - 1) * 6 * s, y - 38 * s);
    cairo_line_to(cr, fx, fy);
    SetColor(cr, {0.2, 0.55, 0.15});
    cairo_set_line_width(cr, 3.5 * s);
    cairo_stroke(cr);
    const double r = (i <= counted ? 17 : 14) * s;
    for (int p = 0; p < 6; ++p) {
      const double pa = p * M_PI / 3;
      EllipsePath(cr, fx + std::cos(pa) * r * 0.6, fy + std::sin(pa) * r * 0.6, r * 0.5, r * 0.5);
    }
    const Color petal = ParseColor(colors[i]);
    FillInk(cr, i <= counted ? Lighter(petal, 0.2) : petal, 2);
    EllipsePath(cr, fx, fy, r * 0.35, r * 0.35);
    FillInk(cr, ParseColor(i == 1 ? "orange" : "yellow"), 1.5);
  }
  cairo_move_to(cr, x - 30 * s, y - 42 * s);
  cairo_line_to(cr, x + 30 * s, y - 42 * s);
  cairo_line_to(cr, x + 22 * s, y);
  cairo_line_to(cr, x - 22 * s, y);
  cairo_close_path(cr);
  FillInk(cr, {0.85, 0.45, 0.25}, 2.5);
  RoundRectPath(cr, x - 34 * s, y - 48 * s, 68 * s, 12 * s, 4 * s);
  FillInk(cr, {0.9, 0.52, 0.3}, 2.5);
}

// A red mushroom with white dots, its foot at (x, y); frames make it hop.
void Mushroom(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), s = a.NumberOr("scale", 1);
  const double hop = a.frames > 1 ? std::fabs(Bounce(a)) * 26 * s : 0;
  const double squash = a.frames > 1 && (a.frame == 1 || a.frame == a.frames - 2) ? 0.12 : 0;
  const double y = a.Number(1) - hop;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s * (1 + squash), s * (1 - squash));
  cairo_move_to(cr, -13, 0);
  cairo_curve_to(cr, -15, -14, -12, -26, -10, -34);
  cairo_line_to(cr, 10, -34);
  cairo_curve_to(cr, 12, -26, 15, -14, 13, 0);
  cairo_close_path(cr);
  FillInk(cr, {1.0, 0.96, 0.88}, 2.5);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 5, -18, 2.5, 3);
    FillOnly(cr, kInk);
  }
  cairo_move_to(cr, -6, -11);
  cairo_curve_to(cr, -3, -7, 3, -7, 6, -11);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, -38, -30);
  cairo_curve_to(cr, -36, -72, 36, -72, 38, -30);
  cairo_curve_to(cr, 20, -36, -20, -36, -38, -30);
  cairo_close_path(cr);
  FillInk(cr, {0.9, 0.15, 0.12}, 2.5);
  const double dots[][3] = {{-20, -44, 5}, {0, -55, 6}, {20, -44, 5}, {-8, -38, 3.5}, {12, -37, 3}};
  for (const auto& d : dots) {
    EllipsePath(cr, d[0], d[1], d[2], d[2]);
    FillOnly(cr, {1, 1, 1});
  }
  cairo_restore(cr);
  if (hop > 2) {  // the shadow stays on the ground
    EllipsePath(cr, x, a.Number(1), 24 * s * (1 - hop / (60 * s)), 4 * s);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.2);
    cairo_fill(cr);
  }
}

// A small wooden pantry with its doors open and shelves of jars, its foot at (x, y), w × h;
// frames make the jars hop one after another, as if they were being put in order.
void Pantry(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const double top = y - h;
  const int hopping = a.frames > 1 && a.frame > 0 && a.frame < a.frames - 1 ? a.frame - 1 : -1;
  cairo_move_to(cr, x - w / 2 - 10, top + 6);
  cairo_line_to(cr, x, top - 26);
  cairo_line_to(cr, x + w / 2 + 10, top + 6);
  cairo_close_path(cr);
  FillInk(cr, {0.7, 0.3, 0.2}, 2.5);
  cairo_rectangle(cr, x - w / 2, top, w, h);
  FillInk(cr, {0.8, 0.58, 0.32}, 2.5);
  cairo_rectangle(cr, x - w / 2 + 6, top + 6, w - 12, h - 12);
  FillInk(cr, {0.98, 0.9, 0.72}, 2);
  // three shelves with jars of jam, honey and pickles
  const char* const jars[] = {"red", "gold", "lime", "purple", "orange", "green"};
  for (int shelf = 0; shelf < 3; ++shelf) {
    const double sy = top + 6 + (shelf + 1) * (h - 12) / 3;
    cairo_rectangle(cr, x - w / 2 + 6, sy - 4, w - 12, 4);
    FillInk(cr, {0.6, 0.4, 0.22}, 1.5);
    for (int j = 0; j < 3; ++j) {
      const double lift = shelf * 3 + j == hopping ? 6 : 0;
      const double jx = x - w / 2 + 6 + (j + 0.5) * (w - 12) / 3;
      const double jh = (h - 12) / 3 - 12;
      RoundRectPath(cr, jx - 8, sy - 4 - jh - lift, 16, jh, 4);
      FillInk(cr, ParseColor(jars[(shelf * 3 + j) % 6]), 1.5);
      cairo_rectangle(cr, jx - 9, sy - 4 - jh - 3 - lift, 18, 5);
      FillInk(cr, {1, 1, 1}, 1.2);
    }
  }
  // the two doors, swung open outwards
  for (int side : {-1, 1}) {
    const double hinge = x + side * w / 2;
    const double edge = hinge + side * w * 0.22;
    cairo_move_to(cr, hinge, top);
    cairo_line_to(cr, edge, top - 8);
    cairo_line_to(cr, edge, y + 8);
    cairo_line_to(cr, hinge, y);
    cairo_close_path(cr);
    FillInk(cr, {0.72, 0.5, 0.26}, 2.5);
    HeartPath(cr, (hinge + edge) / 2, top + h * 0.3, 5);
    FillOnly(cr, {0.9, 0.35, 0.3});
  }
}

// A garden dwarf with a red pointed hat and a white beard, his feet at (x, y); frames make him
// wave and toss a circle, a square and a triangle above his head.
void Dwarf(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  const double t = a.Progress(0.0);
  const double wave = a.frames > 1 ? 0.5 + 0.5 * std::sin(a.frame * 1.6) : 0;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 11, -5, 11, 6);
    FillInk(cr, {0.35, 0.22, 0.12}, 2);
  }
  // body: blue coat and a belt
  cairo_move_to(cr, -24, -8);
  cairo_curve_to(cr, -26, -40, -18, -58, 0, -60);
  cairo_curve_to(cr, 18, -58, 26, -40, 24, -8);
  cairo_close_path(cr);
  FillInk(cr, {0.2, 0.45, 0.85}, 2.5);
  cairo_rectangle(cr, -24, -30, 48, 7);
  FillInk(cr, {0.3, 0.2, 0.1}, 1.5);
  cairo_rectangle(cr, -5, -31, 10, 9);
  FillInk(cr, ParseColor("gold"), 1.5);
  // arms: the left one down, the right one waving
  EllipsePath(cr, -26, -38, 7, 14);
  FillInk(cr, {0.2, 0.45, 0.85}, 2);
  cairo_save(cr);
  cairo_translate(cr, 20, -50);
  cairo_rotate(cr, -0.3 - wave * 2.0);
  RoundRectPath(cr, -6, 0, 12, 24, 6);
  FillInk(cr, {0.2, 0.45, 0.85}, 2);
  EllipsePath(cr, 0, 26, 6, 6);
  FillInk(cr, {1.0, 0.82, 0.7}, 2);
  cairo_restore(cr);
  // beard, face, nose, hat
  cairo_move_to(cr, -18, -66);
  cairo_curve_to(cr, -20, -40, -6, -30, 0, -28);
  cairo_curve_to(cr, 6, -30, 20, -40, 18, -66);
  cairo_close_path(cr);
  FillInk(cr, {1, 1, 1}, 2);
  EllipsePath(cr, 0, -72, 15, 13);
  FillInk(cr, {1.0, 0.82, 0.7}, 2);
  EllipsePath(cr, 0, -68, 5, 4.5);
  FillInk(cr, {1.0, 0.55, 0.5}, 1.5);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 6, -75, 2, 2.3);
    FillOnly(cr, kInk);
  }
  cairo_move_to(cr, -19, -78);
  cairo_curve_to(cr, -10, -100, 4, -118, 12, -124);
  cairo_curve_to(cr, 10, -108, 16, -92, 19, -78);
  cairo_close_path(cr);
  FillInk(cr, {0.92, 0.18, 0.15}, 2.5);
  cairo_restore(cr);
  if (a.frames <= 1) return;
  // the shapes he juggles
  const double shapes = std::sin(t * M_PI);
  for (int i = 0; i < 3; ++i) {
    const double angle = -M_PI / 2 + (i - 1) * 0.8 + t * 1.2;
    const double sx = x + std::cos(angle) * 44 * s * shapes,
                 sy = y - 130 * s - 30 * s * shapes + std::sin(angle) * 30 * s * shapes;
    if (shapes < 0.15) break;
    if (i == 0) {
      EllipsePath(cr, sx, sy, 9 * s, 9 * s);
      FillInk(cr, ParseColor("yellow"), 2);
    } else if (i == 1) {
      cairo_rectangle(cr, sx - 8 * s, sy - 8 * s, 16 * s, 16 * s);
      FillInk(cr, ParseColor("red"), 2);
    } else {
      cairo_move_to(cr, sx, sy - 10 * s);
      cairo_line_to(cr, sx + 10 * s, sy + 8 * s);
      cairo_line_to(cr, sx - 10 * s, sy + 8 * s);
      cairo_close_path(cr);
      FillInk(cr, ParseColor("green"), 2);
    }
  }
}

// A sandy path across the whole picture at y: the way on to the next gardens.
void GardenPath(cairo_t* cr, const PaintArgs& a) {
  const double y = a.Number(0), h = a.Number(1);
  cairo_move_to(cr, -10, y + h * 0.2);
  cairo_curve_to(cr, 200, y - h * 0.3, 420, y + h * 0.5, 650, y);
  cairo_line_to(cr, 650, y + h);
  cairo_curve_to(cr, 420, y + h * 1.4, 200, y + h * 0.6, -10, y + h * 1.1);
  cairo_close_path(cr);
  FillInk(cr, {0.93, 0.8, 0.55}, 2);
}

// A wooden signpost at (x, y) (its foot) with an arrow board pointing left or right.
void Signpost(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const double dir = a.TextOr("dir", "right") == "left" ? -1 : 1;
  cairo_rectangle(cr, x - 4, y - 70, 8, 70);
  FillInk(cr, {0.6, 0.4, 0.22}, 2);
  cairo_move_to(cr, x - dir * 26, y - 80);
  cairo_line_to(cr, x + dir * 18, y - 80);
  cairo_line_to(cr, x + dir * 32, y - 67);
  cairo_line_to(cr, x + dir * 18, y - 54);
  cairo_line_to(cr, x - dir * 26, y - 54);
  cairo_close_path(cr);
  FillInk(cr, {0.95, 0.75, 0.4}, 2.5);
  cairo_move_to(cr, x - dir * 16, y - 67);
  cairo_line_to(cr, x + dir * 14, y - 67);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, x + dir * 6, y - 74);
  cairo_line_to(cr, x + dir * 15, y - 67);
  cairo_line_to(cr, x + dir * 6, y - 60);
  cairo_stroke(cr);
}

}  // namespace

void AddLearnPainters(PainterTable& t) {
  t["rainbow"] = {3, Rainbow, "x y radius (frames make it shine)"};
  t["birdhouse"] = {2, Birdhouse, "x y(roof top) (pole=length)"};
  t["pigeon"] = {2, Pigeon, "x y(feet) (scale=)"};
  t["pigeon_fly"] = {2, PigeonFly, "x y(feet) (frames: flaps and flies away)"};
  t["flower_pot"] = {2, FlowerPot, "x y(foot) (scale=; frames nod)"};
  t["mushroom"] = {2, Mushroom, "x y(foot) (scale=; frames hop)"};
  t["pantry"] = {4, Pantry, "x(middle) y(foot) width height (frames make the jars hop)"};
  t["dwarf"] = {2, Dwarf, "x y(feet) (scale=; frames wave and juggle)"};
  t["garden_path"] = {2, GardenPath, "y height (across the whole picture)"};
  t["signpost"] = {2, Signpost, "x y(foot) dir=left|right"};
}

}  // namespace rufo::demogen
