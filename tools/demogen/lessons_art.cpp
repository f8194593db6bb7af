// The colours, directions and counting lessons: eleven coloured things and their large
// pictures, the easel and the palette; balloons and RUFO throwing a star at them; the numbered
// fence posts, the birds flying in and off, and RUFO's four toys.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

// An animation made of phases, each drawn with its own act: the frame's phase, with the frame
// and the frame count within it. A still picture (one frame) is the first phase's first frame.
PaintArgs InPhase(const PaintArgs& a, std::initializer_list<std::pair<const char*, int>> phases) {
  PaintArgs local = a;
  if (a.options.count("act")) return local;
  int first = 0;
  for (const auto& [act, count] : phases) {
    local.options["act"] = act;
    if (a.frames == 1) {
      local.frame = 0;
      local.frames = count;
      return local;
    }
    if (a.frame < first + count) {
      local.frame = a.frame - first;
      local.frames = count;
      return local;
    }
    first += count;
  }
  return local;
}

// Draws another registered drawing, so that this file can place RUFO and the sparrow.
void Draw(cairo_t* cr, const char* name, std::vector<double> numbers,
          std::map<std::string, std::string> options = {}, int frame = 0, int frames = 1) {
  PaintArgs args;
  args.numbers = std::move(numbers);
  args.options = std::move(options);
  args.frame = frame;
  args.frames = frames;
  Painters().at(name).paint(cr, args);
}

// The eleven colours by number: red, orange, yellow, green, blue, violet, pink, brown, black,
// white, grey.
constexpr Color kColours[] = {
    {0.9, 0.12, 0.12}, {1.0, 0.55, 0.08}, {1.0, 0.86, 0.1},  {0.2, 0.68, 0.18},
    {0.14, 0.4, 0.92}, {0.55, 0.25, 0.8}, {1.0, 0.55, 0.75}, {0.52, 0.32, 0.15},
    {0.1, 0.1, 0.1},   {1, 1, 1},         {0.58, 0.58, 0.6},
};

Color Colour(const PaintArgs& a) {
  const int kind = std::clamp(static_cast<int>(a.NumberOr("kind", 0)), 0, 10);
  return kColours[kind];
}

void Apple(cairo_t* cr, Color c) {
  cairo_move_to(cr, 0, -22);
  cairo_curve_to(cr, 20, -34, 40, -10, 26, 14);
  cairo_curve_to(cr, 16, 32, 4, 28, 0, 24);
  cairo_curve_to(cr, -4, 28, -16, 32, -26, 14);
  cairo_curve_to(cr, -40, -10, -20, -34, 0, -22);
  FillInk(cr, c, 2.5);
  cairo_move_to(cr, 0, -22);
  cairo_curve_to(cr, 0, -30, 2, -34, 6, -38);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  EllipsePath(cr, 12, -32, 9, 4);
  FillInk(cr, kColours[3], 1.5);
  EllipsePath(cr, -12, -8, 5, 8);
  FillOnly(cr, Lighter(c, 0.5));
}

void Carrot(cairo_t* cr, Color c) {
  cairo_move_to(cr, -14, -22);
  cairo_curve_to(cr, -4, -28, 8, -28, 14, -22);
  cairo_line_to(cr, 2, 34);
  cairo_close_path(cr);
  FillInk(cr, c, 2.5);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -8 + i * 2, -10 + i * 12);
    cairo_line_to(cr, -2 + i * 2, -8 + i * 12);
  }
  cairo_stroke(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 0, -24);
    cairo_curve_to(cr, i * 8, -32, i * 14, -38, i * 10, -44);
    cairo_curve_to(cr, i * 4, -38, i * 2, -32, 0, -24);
    FillInk(cr, kColours[3], 1.5);
  }
}

void Lemon(cairo_t* cr, Color c) {
  cairo_move_to(cr, -34, 0);
  cairo_curve_to(cr, -26, -26, 26, -26, 34, 0);
  cairo_curve_to(cr, 26, 26, -26, 26, -34, 0);
  FillInk(cr, c, 2.5);
  EllipsePath(cr, -10, -8, 10, 5);
  FillOnly(cr, Lighter(c, 0.6));
}

void Leaf(cairo_t* cr, Color c) {
  cairo_move_to(cr, -30, 28);
  cairo_curve_to(cr, -36, -10, 4, -36, 32, -32);
  cairo_curve_to(cr, 32, 4, 6, 34, -30, 28);
  FillInk(cr, c, 2.5);
  SetColor(cr, Darker(c, 0.35));
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, -34, 34);
  cairo_line_to(cr, 22, -22);
  for (int i = 0; i < 3; ++i) {
    const double t = -18 + i * 14;
    cairo_move_to(cr, t, -t - 4);
    cairo_line_to(cr, t + 12, -t + 2);
    cairo_move_to(cr, t, -t - 4);
    cairo_line_to(cr, t - 4, -t - 16);
  }
  cairo_stroke(cr);
}

void Bucket(cairo_t* cr, Color c) {
  cairo_arc(cr, 0, -12, 26, M_PI, 2 * M_PI);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, -28, -12);
  cairo_line_to(cr, 28, -12);
  cairo_line_to(cr, 20, 30);
  cairo_line_to(cr, -20, 30);
  cairo_close_path(cr);
  FillInk(cr, c, 2.5);
  EllipsePath(cr, 0, -12, 28, 6);
  FillInk(cr, Darker(c, 0.3), 2);
  cairo_rectangle(cr, -14, 0, 6, 22);
  FillOnly(cr, Lighter(c, 0.45));
}

void Grapes(cairo_t* cr, Color c) {
  const double berries[][2] = {{-16, -14}, {0, -16}, {16, -14}, {-8, 0},
                               {8, 0},     {-16, 2}, {16, 2},   {0, 14}};
  for (const auto& b : berries) {
    EllipsePath(cr, b[0], b[1], 10, 10);
    FillInk(cr, c, 2);
    EllipsePath(cr, b[0] - 3, b[1] - 3, 3, 3);
    FillOnly(cr, Lighter(c, 0.55));
  }
  cairo_move_to(cr, 0, -26);
  cairo_line_to(cr, 2, -38);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  EllipsePath(cr, 12, -34, 10, 5);
  FillInk(cr, kColours[3], 1.5);
}

// A round animal face: ears given by the caller, eyes and a muzzle.
void FaceEyes(cairo_t* cr, Color eye) {
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 10, -6, 5, 6);
    FillOnly(cr, eye);
    EllipsePath(cr, side * 10 + 1, -5, 2.5, 3);
    FillOnly(cr, kInk);
  }
}

void Pig(cairo_t* cr, Color c) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 14, -22);
    cairo_line_to(cr, side * 28, -36);
    cairo_line_to(cr, side * 30, -14);
    cairo_close_path(cr);
    FillInk(cr, c, 2);
  }
  EllipsePath(cr, 0, 0, 30, 27);
  FillInk(cr, c, 2.5);
  FaceEyes(cr, {1, 1, 1});
  EllipsePath(cr, 0, 10, 12, 8);
  FillInk(cr, Darker(c, 0.15), 2);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 4, 10, 2.2, 3.2);
    FillOnly(cr, kInk);
  }
}

void Teddy(cairo_t* cr, Color c) {
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 22, -22, 11, 11);
    FillInk(cr, c, 2);
    EllipsePath(cr, side * 22, -22, 5, 5);
    FillOnly(cr, Lighter(c, 0.4));
  }
  EllipsePath(cr, 0, 0, 30, 28);
  FillInk(cr, c, 2.5);
  FaceEyes(cr, {1, 1, 1});
  EllipsePath(cr, 0, 11, 12, 9);
  FillOnly(cr, Lighter(c, 0.45));
  EllipsePath(cr, 0, 7, 5, 3.5);
  FillOnly(cr, kInk);
}

void Cat(cairo_t* cr, Color c) {
  for (int side : {-1, 1}) {
    cairo_move_to(cr, side * 8, -24);
    cairo_line_to(cr, side * 26, -38);
    cairo_line_to(cr, side * 28, -10);
    cairo_close_path(cr);
    FillInk(cr, c, 2);
  }
  EllipsePath(cr, 0, 0, 30, 26);
  FillInk(cr, c, 2.5);
  FaceEyes(cr, {1.0, 0.85, 0.2});
  EllipsePath(cr, 0, 8, 4, 3);
  FillOnly(cr, {1.0, 0.6, 0.7});
  SetColor(cr, {0.85, 0.85, 0.85});
  cairo_set_line_width(cr, 1.5);
  for (int side : {-1, 1}) {
    for (int i = -1; i <= 1; ++i) {
      cairo_move_to(cr, side * 8, 10 + i * 2);
      cairo_line_to(cr, side * 30, 6 + i * 6);
    }
  }
  cairo_stroke(cr);
}

void Snowman(cairo_t* cr, Color c) {
  EllipsePath(cr, 0, 16, 22, 20);
  FillInk(cr, c, 2.5);
  EllipsePath(cr, 0, -16, 16, 15);
  FillInk(cr, c, 2.5);
  for (int side : {-1, 1}) {
    EllipsePath(cr, side * 6, -20, 2.5, 2.5);
    FillOnly(cr, kInk);
  }
  cairo_move_to(cr, 0, -15);
  cairo_line_to(cr, 14, -12);
  cairo_line_to(cr, 0, -10);
  cairo_close_path(cr);
  FillOnly(cr, kColours[1]);
  for (int i = 0; i < 3; ++i) {
    EllipsePath(cr, 0, 6 + i * 9, 2.5, 2.5);
    FillOnly(cr, kInk);
  }
  cairo_rectangle(cr, -12, -40, 24, 12);
  FillInk(cr, kColours[8], 1.5);
  cairo_rectangle(cr, -17, -30, 34, 4);
  FillInk(cr, kColours[8], 1.5);
}

void Mouse(cairo_t* cr, Color c) {
  cairo_move_to(cr, 26, 18);
  cairo_curve_to(cr, 40, 18, 40, 0, 34, -6);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, -34, 10);
  cairo_curve_to(cr, -20, -22, 20, -24, 30, 18);
  cairo_line_to(cr, -30, 20);
  cairo_close_path(cr);
  FillInk(cr, c, 2.5);
  EllipsePath(cr, -14, -16, 11, 11);
  FillInk(cr, c, 2);
  EllipsePath(cr, -14, -16, 6, 6);
  FillOnly(cr, {1.0, 0.7, 0.75});
  EllipsePath(cr, -22, 2, 3, 3);
  FillOnly(cr, kInk);
  EllipsePath(cr, -35, 10, 3.5, 3);
  FillOnly(cr, {1.0, 0.6, 0.7});
}

using ThingPaint = void (*)(cairo_t*, Color);
constexpr ThingPaint kThings[] = {Apple, Carrot, Lemon, Leaf,    Bucket, Grapes,
                                  Pig,   Teddy,  Cat,   Snowman, Mouse};

// The thing of colour `kind` centred on (0, 0), about 76 × 80.
void DrawThing(cairo_t* cr, int kind) {
  kThings[std::clamp(kind, 0, 10)](cr, kColours[std::clamp(kind, 0, 10)]);
}

// A coloured thing on its round mat at (x, y); frames make it hop and spin a little.
void ColourThing(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const double s = a.NumberOr("scale", 1);
  const double t = a.Progress(0.0);
  const double hop = a.frames > 1 ? std::sin(t * M_PI) * 26 : 0;
  EllipsePath(cr, x, y + 30 * s, 34 * s, 9 * s);
  FillOnly(cr, Darker({0.4, 0.75, 0.3}, 0.25 + 0.1 * (1 - hop / 26)));
  cairo_save(cr);
  cairo_translate(cr, x, y - hop * s);
  cairo_scale(cr, s * 0.8, s * 0.8);
  if (a.frames > 1) cairo_rotate(cr, std::sin(t * M_PI * 2) * 0.25);
  DrawThing(cr, static_cast<int>(a.NumberOr("kind", 0)));
  cairo_restore(cr);
}

// A paint splash of radius r around (x, y), wobbly at the edge.
void SplashPath(cairo_t* cr, double x, double y, double r) {
  const int bumps = 14;
  for (int i = 0; i <= bumps; ++i) {
    const double angle = i * 2 * M_PI / bumps;
    const double rr = r * (i % 2 ? 0.86 : 1.0);
    if (i == 0) {
      cairo_move_to(cr, x + std::cos(angle) * rr, y + std::sin(angle) * rr);
    } else {
      const double mid = angle - M_PI / bumps;
      cairo_curve_to(cr, x + std::cos(mid) * r * 1.08, y + std::sin(mid) * r * 1.08,
                     x + std::cos(mid) * r * 1.08, y + std::sin(mid) * r * 1.08,
                     x + std::cos(angle) * rr, y + std::sin(angle) * rr);
    }
  }
  cairo_close_path(cr);
}

// The large picture on the easel: a canvas with a big splash of the colour and its thing.
void ColourCard(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const int kind = static_cast<int>(a.NumberOr("kind", 0));
  const Color c = Colour(a);
  cairo_rectangle(cr, x, y, w, h);
  FillInk(cr, kind == 9 ? Color{0.8, 0.9, 1.0} : Color{1, 0.98, 0.92}, 3);
  SplashPath(cr, x + w / 2, y + h / 2, std::min(w, h) * 0.42);
  FillInk(cr, c, 2.5);
  for (int i = 0; i < 4; ++i) {
    EllipsePath(cr, x + w * (0.12 + 0.25 * i), y + h * (i % 2 ? 0.1 : 0.9), 5, 5);
    FillInk(cr, c, 1.5);
  }
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_scale(cr, 1.45, 1.45);
  // The thing stands out from its own splash on a pale disc.
  EllipsePath(cr, 0, 0, 40, 40);
  FillOnly(cr, kind == 9 ? Color{0.55, 0.75, 0.95} : Lighter(c, kind == 8 ? 0.75 : 0.55));
  DrawThing(cr, kind);
  cairo_restore(cr);
}

// A wooden easel whose canvas lies at (x, y, w, h).
void Easel(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const Color wood{0.72, 0.5, 0.28};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double legs[][4] = {{x + w * 0.5, y - 14, x + w * 0.5, y + h + 70},
                            {x + w * 0.22, y, x - 12, y + h + 80},
                            {x + w * 0.78, y, x + w + 12, y + h + 80}};
  for (const auto& leg : legs) {
    cairo_move_to(cr, leg[0], leg[1]);
    cairo_line_to(cr, leg[2], leg[3]);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    SetColor(cr, wood);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, x - 8, y + h, w + 16, 10);
  FillInk(cr, wood, 2.5);
  cairo_rectangle(cr, x, y, w, h);
  FillInk(cr, {1, 0.98, 0.92}, 3);
}

// RUFO's palette with its paint dots and a brush; frames make the dots light up in turn.
void Palette(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  cairo_move_to(cr, x - 40, y);
  cairo_curve_to(cr, x - 44, y - 28, x + 30, y - 34, x + 42, y - 8);
  cairo_curve_to(cr, x + 48, y + 10, x + 20, y + 8, x + 12, y + 16);
  cairo_curve_to(cr, x + 4, y + 30, x - 36, y + 26, x - 40, y);
  FillInk(cr, {0.88, 0.7, 0.45}, 2.5);
  EllipsePath(cr, x + 16, y + 2, 7, 5);
  FillInk(cr, {0.45, 0.7, 0.3}, 2);
  const double dots[][2] = {{-26, -4}, {-18, -18}, {-2, -22}, {14, -20}, {28, -10}, {-22, 12}};
  const int lit = a.frames > 1 ? a.frame % 7 : -1;
  for (int i = 0; i < 6; ++i) {
    EllipsePath(cr, x + dots[i][0], y + dots[i][1], i == lit ? 8 : 6.5, i == lit ? 8 : 6.5);
    FillInk(cr, kColours[i], 1.5);
  }
  // the brush, dipping into the paint while the dots light up
  const double dip = a.frames > 1 ? std::sin(a.Progress(0.0) * M_PI * 3) * 6 : 0;
  cairo_save(cr);
  cairo_translate(cr, x + 30, y - 34 + dip);
  cairo_rotate(cr, 0.6);
  cairo_rectangle(cr, -3, -30, 6, 34);
  FillInk(cr, {0.85, 0.25, 0.2}, 1.5);
  cairo_move_to(cr, -4, 4);
  cairo_curve_to(cr, -6, 14, 6, 14, 4, 4);
  cairo_close_path(cr);
  FillInk(cr, kColours[4], 1.5);
  cairo_restore(cr);
}

// A balloon of radius r at (x, y) on a string. act=float bobs it, act=pop bursts it (the last
// frame is empty), act=back blows it up again from nothing; without act, 20 frames hold the
// three in turn (8, 5 and 7 frames).
void Balloon(cairo_t* cr, const PaintArgs& whole) {
  const PaintArgs a = InPhase(whole, {{"float", 8}, {"pop", 5}, {"back", 7}});
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  const Color c = a.ColorOr("color", ParseColor("red"));
  const std::string act = a.TextOr("act", "float");
  const double t = a.Progress(0.0);
  double size = 1, dy = 0;
  if (act == "float") dy = std::sin(t * 2 * M_PI) * r * 0.25;
  if (act == "back") size = std::min(1.0, 0.15 + t * 1.1);
  if (act == "pop" && a.frame > 0) {
    if (a.frame == a.frames - 1) return;
    // pieces flying apart and a star where it burst
    StarPath(cr, x, y, r * (0.6 + t), r * 0.35, 8, t);
    FillInk(cr, {1, 1, 0.7}, 2);
    for (int i = 0; i < 7; ++i) {
      const double angle = i * 2 * M_PI / 7 + 0.3;
      const double d = r * (0.5 + t * 1.4);
      cairo_save(cr);
      cairo_translate(cr, x + std::cos(angle) * d, y + std::sin(angle) * d);
      cairo_rotate(cr, angle + t * 3);
      cairo_rectangle(cr, -r * 0.18, -r * 0.1, r * 0.36, r * 0.2);
      FillInk(cr, c, 1.5);
      cairo_restore(cr);
    }
    return;
  }
  const double cy = y + dy;
  const double rr = r * size;
  // string
  cairo_move_to(cr, x, cy + rr * 1.15);
  cairo_curve_to(cr, x - r * 0.3, cy + r * 1.6, x + r * 0.3, cy + r * 1.9, x, cy + r * 2.3);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  EllipsePath(cr, x, cy, rr * 0.88, rr);
  FillInk(cr, c, 2.5);
  cairo_move_to(cr, x - rr * 0.12, cy + rr * 1.16);
  cairo_line_to(cr, x + rr * 0.12, cy + rr * 1.16);
  cairo_line_to(cr, x, cy + rr * 0.98);
  cairo_close_path(cr);
  FillInk(cr, c, 1.5);
  EllipsePath(cr, x - rr * 0.32, cy - rr * 0.4, rr * 0.16, rr * 0.28);
  FillOnly(cr, Lighter(c, 0.6));
}

// RUFO in his 140 × 200 box at (x, y) (scale=) throwing a star at (tx, ty). act=aim raises his
// paw and sends the star; act=back lowers the paw again; without act, 12 frames hold both (8
// and 4).
void RufoAim(cairo_t* cr, const PaintArgs& whole) {
  const PaintArgs a = InPhase(whole, {{"aim", 8}, {"back", 4}});
  const double x = a.Number(0), y = a.Number(1), tx = a.Number(2), ty = a.Number(3);
  const double s = a.NumberOr("scale", 1);
  const double t = a.Progress(0.0);
  const bool aim = a.TextOr("act", "aim") == "aim";
  const double wave = aim ? std::min(1.0, t * 3) : 1 - t;
  const int mouth = aim && t > 0.3 ? 3 : 0;
  Draw(cr, "rufo", {x, y},
       {{"scale", std::to_string(s)},
        {"wave", std::to_string(wave)},
        {"mouth", std::to_string(mouth)}});
  if (!aim || t < 0.34) return;
  const double theta = -0.35 - wave * 2.4;
  const double hx = x + s * (106 - 38 * std::sin(theta));
  const double hy = y + s * (122 + 38 * std::cos(theta));
  const double f = std::min(1.0, (t - 0.34) / 0.66);
  const double sx = hx + (tx - hx) * f;
  const double sy = hy + (ty - hy) * f - std::sin(f * M_PI) * 30;
  for (int i = 1; i <= 3; ++i) {
    const double back = std::max(0.0, f - i * 0.07);
    EllipsePath(cr, hx + (tx - hx) * back, hy + (ty - hy) * back - std::sin(back * M_PI) * 30,
                5 - i, 5 - i);
    FillOnly(cr, {1, 0.95, 0.5});
  }
  StarPath(cr, sx, sy, 18, 8, 5, t * 4);
  FillInk(cr, {1, 0.85, 0.15}, 2);
}

// A fence post with its number on a round sign; the bird sits on its top at (x, y).
void NumberPost(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const int n = static_cast<int>(a.NumberOr("n", 1));
  cairo_move_to(cr, x - 15, y + 8);
  cairo_line_to(cr, x, y - 4);
  cairo_line_to(cr, x + 15, y + 8);
  cairo_line_to(cr, x + 15, y + 150);
  cairo_line_to(cr, x - 15, y + 150);
  cairo_close_path(cr);
  FillInk(cr, {0.78, 0.56, 0.32}, 2.5);
  EllipsePath(cr, x, y + 62, 24, 24);
  FillInk(cr, {1, 0.97, 0.85}, 3);
  CentredText(cr, std::to_string(n), x, y + 73, n == 10 ? 24 : 30, {0.85, 0.2, 0.15}, kInk, 0);
}

// A bird on its perch at (x, y) (the middle of its feet). act=in flies it in from above and
// lands it, act=off flies it away upwards (the last frame is empty); without act, 13 frames hold
// both (7 and 6, frame 6 the bird sitting). toy=0..3 gives it a toy to bring back.
void PerchBird(cairo_t* cr, const PaintArgs& whole) {
  const PaintArgs a = InPhase(whole, {{"in", 7}, {"off", 6}});
  const double x = a.Number(0), y = a.Number(1);
  const std::string act = a.TextOr("act", "in");
  const double t = a.Progress(0.0);
  if (act == "off" && a.frame == a.frames - 1 && a.frames > 1) return;
  double lift = 0;
  if (a.frames > 1) lift = act == "in" ? std::pow(1 - t, 1.5) * 210 : std::pow(t, 1.3) * 230;
  const double drift = a.frames > 1 ? std::sin(t * M_PI * 2) * 10 : 0;
  const bool flying = lift > 2;
  const double s = 0.8;
  // the sparrow's feet are about (22, 54) of its 75 × 55 box
  Draw(cr, "sparrow", {x - 22 * s + drift, y - 54 * s - lift}, {{"scale", std::to_string(s)}},
       flying ? a.frame % 2 : 0, 2);
  if (flying) {
    // flapping wings
    for (int side : {-1, 1}) {
      cairo_save(cr);
      cairo_translate(cr, x - 6 + drift, y - 28 - lift);
      cairo_rotate(cr, side * (a.frame % 2 ? 0.9 : 0.3) - M_PI / 2);
      EllipsePath(cr, 14, 0, 16, 7);
      FillInk(cr, {0.5, 0.33, 0.2}, 2);
      cairo_restore(cr);
    }
  }
  const int toy = static_cast<int>(a.NumberOr("toy", -1));
  if (toy < 0) return;
  cairo_save(cr);
  cairo_translate(cr, x + 30 + drift, y - 26 - lift);
  cairo_scale(cr, 0.45, 0.45);
  Draw(cr, "toy", {0, 0}, {{"kind", std::to_string(toy)}, {"still", "yes"}});
  cairo_restore(cr);
}

void Boomerang(cairo_t* cr, double angle) {
  cairo_save(cr);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, -30, 10);
  cairo_curve_to(cr, -20, -14, -8, -22, 0, -22);
  cairo_curve_to(cr, 8, -22, 20, -14, 30, 10);
  cairo_curve_to(cr, 22, 12, 14, -6, 0, -8);
  cairo_curve_to(cr, -14, -6, -22, 12, -30, 10);
  FillInk(cr, {0.95, 0.6, 0.15}, 2.5);
  cairo_restore(cr);
}

void Arrow(cairo_t* cr, double angle) {
  cairo_save(cr);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -30, -2.5, 52, 5);
  FillInk(cr, {0.75, 0.55, 0.3}, 1.5);
  EllipsePath(cr, 26, 0, 6, 9);
  FillInk(cr, {0.9, 0.15, 0.15}, 2);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, -30, 0);
    cairo_line_to(cr, -40, side * 9);
    cairo_line_to(cr, -24, 0);
    cairo_close_path(cr);
    FillInk(cr, {0.2, 0.6, 0.9}, 1.5);
  }
  cairo_restore(cr);
}

void Ball(cairo_t* cr, double angle) {
  EllipsePath(cr, 0, 0, 22, 22);
  FillInk(cr, {1, 1, 1}, 2.5);
  cairo_save(cr);
  cairo_rotate(cr, angle);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 21, i * 2 * M_PI / 3, i * 2 * M_PI / 3 + M_PI / 3);
    cairo_close_path(cr);
    FillOnly(cr, i == 0 ? kColours[0] : i == 1 ? kColours[4] : kColours[2]);
  }
  cairo_restore(cr);
  EllipsePath(cr, 0, 0, 22, 22);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void WaterPistol(cairo_t* cr) {
  cairo_move_to(cr, -26, -12);
  cairo_line_to(cr, 24, -12);
  cairo_line_to(cr, 24, 2);
  cairo_line_to(cr, -8, 2);
  cairo_line_to(cr, -14, 24);
  cairo_line_to(cr, -28, 24);
  cairo_line_to(cr, -22, 2);
  cairo_close_path(cr);
  FillInk(cr, {0.2, 0.75, 0.85}, 2.5);
  EllipsePath(cr, -6, -18, 10, 8);
  FillInk(cr, {1.0, 0.85, 0.2}, 2);
  cairo_rectangle(cr, 24, -9, 8, 6);
  FillInk(cr, {1.0, 0.4, 0.4}, 1.5);
}

// One of RUFO's four toys (kind 0 boomerang, 1 bow and arrow, 2 ball, 3 water pistol) thrown
// from (x, y) over the garden and back. still=yes draws the toy alone at (x, y).
void Toy(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1);
  const int kind = static_cast<int>(a.NumberOr("kind", 0));
  const double t = a.Progress(0.0);
  const bool still = a.TextOr("still", "no") == "yes";
  cairo_save(cr);
  switch (kind) {
    case 0: {  // a loop out to the left and back
      const double angle = still ? 0 : t * 2 * M_PI;
      cairo_translate(cr, x - (still ? 0 : std::sin(angle / 2) * 360),
                      y - (still ? 0 : std::sin(angle) * 70));
      Boomerang(cr, t * 18);
      break;
    }
    case 1: {  // the arrow flies in a high arc to the left
      if (still) {
        Arrow(cr, 0);
        break;
      }
      const double ax = x - t * 380, ay = y - std::sin(t * M_PI) * 120;
      const double slope = std::atan2(-std::cos(t * M_PI) * 120 * M_PI, -380);
      cairo_translate(cr, ax, ay);
      Arrow(cr, -slope + M_PI);
      break;
    }
    case 2: {  // three bounces to the left and back in one high throw
      if (still) {
        Ball(cr, 0);
        break;
      }
      const double bounce = std::abs(std::sin(t * 3 * M_PI)) * 110 * (1.2 - t * 0.5);
      cairo_translate(cr, x - std::sin(t * M_PI) * 340, y + 40 - bounce);
      Ball(cr, t * 12);
      break;
    }
    default: {  // water in an arc with drops, and a little rainbow at the end
      cairo_translate(cr, x, y);
      if (!still) {
        const int drops = static_cast<int>(t * 14);
        for (int i = 0; i < drops; ++i) {
          const double d = i / 14.0;
          EllipsePath(cr, -d * 330, -std::sin(d * M_PI) * 110 + 20, 4, 5);
          FillInk(cr, {0.55, 0.8, 1.0}, 1);
        }
        if (t > 0.75) {
          const char* const bands[] = {"red", "orange", "yellow", "green", "blue", "purple"};
          for (int i = 0; i < 6; ++i) {
            cairo_new_path(cr);
            cairo_arc(cr, -170, 40, 120 - i * 6, M_PI * 1.15, M_PI * 1.85);
            SetColor(cr, ParseColor(bands[i]));
            cairo_set_line_width(cr, 5);
            cairo_stroke(cr);
          }
        }
      }
      WaterPistol(cr);
      break;
    }
  }
  cairo_restore(cr);
}

}  // namespace

void AddLessonsPainters(PainterTable& t) {
  t["colour_thing"] = {2, ColourThing, "x y (kind=0..10, scale=; frames hop)"};
  t["colour_card"] = {4, ColourCard, "x y width height kind=0..10"};
  t["easel"] = {4, Easel, "canvas-x canvas-y width height"};
  t["palette"] = {2, Palette, "x y (frames light the paint)"};
  t["balloon"] = {3, Balloon, "x y radius color= (frames; act=float|pop|back)"};
  t["rufo_aim"] = {4, RufoAim, "x y target-x target-y (frames; scale=, act=aim|back)"};
  t["number_post"] = {2, NumberPost, "x y(top) n=1..10"};
  t["perch_bird"] = {2, PerchBird, "x y(feet) (frames; act=in|off, toy=0..3)"};
  t["toy"] = {2, Toy, "x y kind=0..3 (frames: the throw; still=yes)"};
}

}  // namespace rufo::demogen
