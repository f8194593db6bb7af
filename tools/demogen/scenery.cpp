// Landscape and decoration drawings: sky, sun, clouds, hills, grass, flowers, trees, frames.
#include <cmath>
#include <cstdint>
#include <span>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

// A small fixed pseudo-random sequence, so that scattered details are the same on every run.
class Scatter {
 public:
  explicit Scatter(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / double(1 << 24);
  }

 private:
  uint32_t state_;
};

void Sky(cairo_t* cr, const PaintArgs& a) {
  const double bottom = a.NumberOr("bottom", 480);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, bottom);
  const Color top = a.ColorOr("top", {0.33, 0.65, 1.0});
  const Color low = a.ColorOr("low", {0.78, 0.92, 1.0});
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, low.r, low.g, low.b);
  cairo_rectangle(cr, 0, 0, 640, bottom);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Sun(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  SetColor(cr, {1.0, 0.85, 0.2});
  cairo_set_line_width(cr, r * 0.16);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 12; ++i) {
    const double angle = i * M_PI / 6 + a.frame * 0.1;
    cairo_move_to(cr, x + std::cos(angle) * r * 1.3, y + std::sin(angle) * r * 1.3);
    cairo_line_to(cr, x + std::cos(angle) * r * 1.65, y + std::sin(angle) * r * 1.65);
  }
  cairo_stroke(cr);
  EllipsePath(cr, x, y, r, r);
  FillOnly(cr, {1.0, 0.88, 0.25});
  EllipsePath(cr, x - r * 0.3, y - r * 0.3, r * 0.45, r * 0.45);
  FillOnly(cr, {1.0, 0.95, 0.55});
}

void Cloud(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.Number(2);
  const double bumps[][3] = {{0, 0, 22}, {24, -12, 26}, {52, -4, 22}, {70, 6, 16}, {-18, 8, 15}};
  for (const auto& b : bumps)
    EllipsePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s, b[2] * s);
  EllipsePath(cr, x + 26 * s, y + 10 * s, 48 * s, 14 * s);
  FillOnly(cr, {1, 1, 1});
}

void Hills(cairo_t* cr, const PaintArgs& a) {
  const double y = a.Number(0);
  const Color back = a.ColorOr("back", {0.55, 0.82, 0.35});
  const Color front = a.ColorOr("front", {0.42, 0.75, 0.25});
  cairo_move_to(cr, 0, y + 20);
  cairo_curve_to(cr, 120, y - 50, 260, y - 40, 360, y + 10);
  cairo_curve_to(cr, 450, y - 30, 560, y - 60, 640, y - 10);
  cairo_line_to(cr, 640, 480);
  cairo_line_to(cr, 0, 480);
  cairo_close_path(cr);
  FillOnly(cr, back);
  cairo_move_to(cr, 0, y + 50);
  cairo_curve_to(cr, 160, y + 10, 330, y + 30, 420, y + 45);
  cairo_curve_to(cr, 520, y + 60, 600, y + 30, 640, y + 35);
  cairo_line_to(cr, 640, 480);
  cairo_line_to(cr, 0, 480);
  cairo_close_path(cr);
  FillOnly(cr, front);
}

void Grass(cairo_t* cr, const PaintArgs& a) {
  const double top = a.Number(0);
  const Color base = a.ColorOr("color", {0.36, 0.72, 0.22});
  cairo_rectangle(cr, 0, top, 640, 480 - top);
  FillOnly(cr, base);
  Scatter scatter(static_cast<uint32_t>(a.NumberOr("seed", 7)));
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 260; ++i) {
    const double x = scatter.Next() * 640;
    const double y = top + 8 + scatter.Next() * (472 - top);
    const double h = 5 + scatter.Next() * 7;
    SetColor(cr, Mix(base, i % 2 ? Color{0.2, 0.5, 0.1} : Color{0.6, 0.9, 0.35}, 0.6));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 2, y - h);
    cairo_move_to(cr, x + 3, y);
    cairo_line_to(cr, x + 5, y - h * 0.8);
    cairo_stroke(cr);
  }
}

void Flower(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.Number(2);
  const Color petal = a.ColorOr("color", ParseColor("red"));
  const double stem = a.NumberOr("stem", 2.2) * s;
  // stem and leaf
  SetColor(cr, {0.2, 0.55, 0.15});
  cairo_set_line_width(cr, 0.22 * s);
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x - 0.2 * s, y + stem * 0.4, x + 0.2 * s, y + stem * 0.7, x, y + stem);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y + stem * 0.7);
  cairo_curve_to(cr, x + 0.5 * s, y + stem * 0.45, x + 0.9 * s, y + stem * 0.5, x + s,
                 y + stem * 0.4);
  cairo_curve_to(cr, x + 0.7 * s, y + stem * 0.75, x + 0.3 * s, y + stem * 0.75, x, y + stem * 0.7);
  FillInk(cr, {0.35, 0.75, 0.25}, 0.06 * s);
  for (int i = 0; i < 6; ++i) {
    const double angle = i * M_PI / 3;
    EllipsePath(cr, x + std::cos(angle) * 0.55 * s, y + std::sin(angle) * 0.55 * s, 0.45 * s,
                0.45 * s);
  }
  FillInk(cr, petal, 0.08 * s);
  for (int i = 0; i < 6; ++i) {
    const double angle = i * M_PI / 3;
    EllipsePath(cr, x + std::cos(angle) * 0.55 * s, y + std::sin(angle) * 0.55 * s, 0.45 * s,
                0.45 * s);
    FillOnly(cr, petal);
  }
  EllipsePath(cr, x, y, 0.38 * s, 0.38 * s);
  FillInk(cr, {1.0, 0.85, 0.15}, 0.07 * s);
}

struct Circle {
  double dx, dy, r;
};

// Overlapping circles around (x, y), scaled by s, with one outline around all of them.
void Foliage(cairo_t* cr, double x, double y, double s, std::span<const Circle> circles,
             Color leaves, double line) {
  for (const Circle& c : circles)
    EllipsePath(cr, x + c.dx * s, y + c.dy * s, c.r * s, c.r * s);
  FillInk(cr, leaves, line);
  for (const Circle& c : circles)
    EllipsePath(cr, x + c.dx * s, y + c.dy * s, c.r * s, c.r * s);
  FillOnly(cr, leaves);
}

void Tree(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.Number(2);
  cairo_move_to(cr, x - 12 * s, y);
  cairo_curve_to(cr, x - 8 * s, y - 40 * s, x - 10 * s, y - 70 * s, x - 8 * s, y - 100 * s);
  cairo_line_to(cr, x + 8 * s, y - 100 * s);
  cairo_curve_to(cr, x + 10 * s, y - 70 * s, x + 8 * s, y - 40 * s, x + 12 * s, y);
  cairo_close_path(cr);
  FillInk(cr, {0.55, 0.35, 0.18}, 2.5 * s);
  const Circle crown[] = {
      {0, -140, 50}, {-42, -115, 38}, {42, -115, 38}, {-25, -170, 35}, {25, -170, 35}};
  Foliage(cr, x, y, s, crown, {0.3, 0.68, 0.22}, 2.5 * s);
  if (a.TextOr("apples", "yes") == "yes") {
    const double apples[][2] = {{-30, -120}, {20, -150}, {35, -105}, {-10, -165}, {0, -125}};
    for (const auto& p : apples) {
      EllipsePath(cr, x + p[0] * s, y + p[1] * s, 7 * s, 7 * s);
      FillInk(cr, {0.9, 0.15, 0.12}, 1.5 * s);
    }
  }
}

void Bush(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.Number(2);
  const Circle parts[] = {{-30, -18, 24}, {0, -28, 30}, {30, -18, 24}};
  Foliage(cr, x, y, s, parts, {0.24, 0.6, 0.2}, 2 * s);
  cairo_rectangle(cr, x - 56 * s, y - 14 * s, 112 * s, 14 * s);
  FillOnly(cr, {0.24, 0.6, 0.2});
}

void Fence(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2);
  const Color wood = a.ColorOr("color", {0.95, 0.95, 0.92});
  RoundRectPath(cr, x, y + 14, w, 9, 3);
  FillInk(cr, wood, 2);
  RoundRectPath(cr, x, y + 38, w, 9, 3);
  FillInk(cr, wood, 2);
  for (double px = x + 4; px < x + w - 10; px += 26) {
    cairo_move_to(cr, px, y + 62);
    cairo_line_to(cr, px, y + 8);
    cairo_line_to(cr, px + 8, y);
    cairo_line_to(cr, px + 16, y + 8);
    cairo_line_to(cr, px + 16, y + 62);
    cairo_close_path(cr);
    FillInk(cr, wood, 2);
  }
}

void Text(cairo_t* cr, const PaintArgs& a) {
  CentredText(cr, a.text, a.Number(0), a.Number(1), a.Number(2), a.ColorOr("color", {1, 1, 1}),
              a.ColorOr("outline", kInk), a.NumberOr("line", a.Number(2) / 8));
}

// Big letters, each in its own colour, for titles.
void RainbowText(cairo_t* cr, const PaintArgs& a) {
  const Color colors[] = {ParseColor("red"),   ParseColor("orange"), ParseColor("yellow"),
                          ParseColor("green"), ParseColor("blue"),   ParseColor("purple")};
  const double size = a.Number(2);
  const std::string& text = a.text;
  const double step = size * 0.72;
  double x = a.Number(0) - step * (text.size() - 1) / 2;
  for (size_t i = 0; i < text.size(); ++i, x += step) {
    const double lift = (i % 2 ? -1 : 1) * size * 0.05;
    CentredText(cr, std::string(1, text[i]), x, a.Number(1) + lift, size, colors[i % 6], {1, 1, 1},
                size * 0.16);
    CentredText(cr, std::string(1, text[i]), x, a.Number(1) + lift, size, colors[i % 6], kInk,
                size * 0.05);
  }
}

void Panel(cairo_t* cr, const PaintArgs& a) {
  RoundRectPath(cr, a.Number(0), a.Number(1), a.Number(2), a.Number(3), a.NumberOr("radius", 12));
  FillInk(cr, a.ColorOr("color", {1, 1, 0.9}), a.NumberOr("line", 3));
}

void Star(cairo_t* cr, const PaintArgs& a) {
  StarPath(cr, a.Number(0), a.Number(1), a.Number(2), a.Number(2) * 0.45, 5, a.NumberOr("turn", 0));
  FillInk(cr, a.ColorOr("color", ParseColor("gold")), a.Number(2) * 0.08);
}

void Heart(cairo_t* cr, const PaintArgs& a) {
  HeartPath(cr, a.Number(0), a.Number(1), a.Number(2));
  FillInk(cr, a.ColorOr("color", ParseColor("red")), a.Number(2) * 0.1);
}

// A wooden picture frame with an empty place inside (where a child's face appears).
void PictureFrame(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), w = a.Number(2), h = a.Number(3);
  const Color wood = a.ColorOr("color", {0.85, 0.55, 0.25});
  RoundRectPath(cr, x - 9, y - 9, w + 18, h + 18, 8);
  FillInk(cr, wood, 3);
  RoundRectPath(cr, x - 4, y - 4, w + 8, h + 8, 4);
  FillInk(cr, Lighter(wood, 0.3), 2);
  cairo_rectangle(cr, x, y, w, h);
  FillInk(cr, a.ColorOr("inside", {1.0, 0.97, 0.85}), 2);
  // a friendly question mark: a face can be chosen here
  CentredText(cr, "?", x + w / 2, y + h * 0.68, h * 0.5, Lighter(wood, 0.55), Lighter(wood, 0.2),
              2);
  // a nail and string above
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x + w * 0.2, y - 9);
  cairo_line_to(cr, x + w / 2, y - 24);
  cairo_line_to(cr, x + w * 0.8, y - 9);
  cairo_stroke(cr);
  EllipsePath(cr, x + w / 2, y - 24, 3, 3);
  FillOnly(cr, {0.5, 0.5, 0.55});
}

// A round button with a sponge on it: wipes a child's picture away.
void WipeButton(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  EllipsePath(cr, x, y, r, r);
  FillInk(cr, a.ColorOr("color", {0.3, 0.75, 0.95}), 2);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, -0.35);
  RoundRectPath(cr, -r * 0.6, -r * 0.38, r * 1.2, r * 0.76, r * 0.2);
  FillInk(cr, {1.0, 0.86, 0.25}, 1.5);
  for (int i = 0; i < 3; ++i) {
    EllipsePath(cr, -r * 0.3 + i * r * 0.3, (i % 2 ? 0.1 : -0.12) * r, r * 0.08, r * 0.08);
    FillOnly(cr, {0.85, 0.65, 0.1});
  }
  cairo_restore(cr);
  for (int i = 0; i < 3; ++i) {
    EllipsePath(cr, x + r * (0.45 + 0.15 * i), y - r * (0.55 + 0.12 * i), r * 0.13, r * 0.13);
    FillInk(cr, {0.9, 0.97, 1.0}, 1);
  }
}

// Strings of little triangular flags between two points, for a party.
void Bunting(cairo_t* cr, const PaintArgs& a) {
  const double x1 = a.Number(0), y1 = a.Number(1), x2 = a.Number(2), y2 = a.Number(3);
  const double sag = a.NumberOr("sag", 30);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, x1, y1);
  cairo_curve_to(cr, x1 + (x2 - x1) / 3, y1 + sag, x1 + 2 * (x2 - x1) / 3, y2 + sag, x2, y2);
  cairo_stroke(cr);
  const Color colors[] = {ParseColor("red"),   ParseColor("yellow"), ParseColor("blue"),
                          ParseColor("green"), ParseColor("orange"), ParseColor("pink")};
  const int count = static_cast<int>(std::abs(x2 - x1) / 34);
  for (int i = 1; i < count; ++i) {
    const double t = double(i) / count;
    const double u = 1 - t;
    const double px = u * u * u * x1 + 3 * u * u * t * (x1 + (x2 - x1) / 3) +
                      3 * u * t * t * (x1 + 2 * (x2 - x1) / 3) + t * t * t * x2;
    const double py =
        u * u * u * y1 + 3 * u * u * t * (y1 + sag) + 3 * u * t * t * (y2 + sag) + t * t * t * y2;
    cairo_move_to(cr, px - 11, py);
    cairo_line_to(cr, px + 11, py);
    cairo_line_to(cr, px, py + 26);
    cairo_close_path(cr);
    FillInk(cr, colors[i % 6], 1.5);
  }
}

void Butterfly(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.Number(2);
  const Color wing = a.ColorOr("color", ParseColor("orange"));
  const double flap = a.frames > 1 ? 0.6 + 0.4 * std::cos(a.frame * 2 * M_PI / a.frames) : 1;
  for (int side : {-1, 1}) {
    EllipsePath(cr, x + side * 0.55 * s * flap, y - 0.3 * s, 0.55 * s * flap, 0.5 * s);
    FillInk(cr, wing, 0.08 * s);
    EllipsePath(cr, x + side * 0.45 * s * flap, y + 0.4 * s, 0.4 * s * flap, 0.35 * s);
    FillInk(cr, Lighter(wing, 0.3), 0.08 * s);
    EllipsePath(cr, x + side * 0.6 * s * flap, y - 0.35 * s, 0.15 * s * flap, 0.15 * s);
    FillOnly(cr, {1, 1, 1});
  }
  EllipsePath(cr, x, y, 0.12 * s, 0.6 * s);
  FillInk(cr, {0.3, 0.2, 0.15}, 0.05 * s);
}

// An open book across the screen: the sticker album.
void AlbumBook(cairo_t* cr, const PaintArgs&) {
  RoundRectPath(cr, 14, 36, 612, 430, 18);
  FillInk(cr, {0.75, 0.2, 0.2}, 4);
  for (int side : {0, 1}) {
    const double x = side == 0 ? 30 : 322;
    RoundRectPath(cr, x, 48, 288, 404, 10);
    FillInk(cr, {1.0, 0.98, 0.9}, 2.5);
  }
  cairo_move_to(cr, 320, 50);
  cairo_line_to(cr, 320, 450);
  SetColor(cr, {0.8, 0.72, 0.6});
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

// An empty place for a sticker: a dashed ring with a small star.
void StickerPlace(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), r = a.Number(2);
  EllipsePath(cr, x, y, r, r);
  FillOnly(cr, a.ColorOr("color", {0.93, 0.9, 0.8}));
  const double dash[] = {7, 6};
  cairo_set_dash(cr, dash, 2, 0);
  EllipsePath(cr, x, y, r, r);
  SetColor(cr, {0.7, 0.62, 0.5});
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  StarPath(cr, x, y, r * 0.3, r * 0.13, 5);
  FillOnly(cr, {0.85, 0.8, 0.68});
}

}  // namespace

void AddSceneryPainters(PainterTable& t) {
  t["sky"] = {0, Sky, "(options top=, low=, bottom=)"};
  t["sun"] = {3, Sun, "x y radius"};
  t["cloud"] = {3, Cloud, "x y scale"};
  t["hills"] = {1, Hills, "y"};
  t["grass"] = {1, Grass, "top"};
  t["flower"] = {3, Flower, "x y size (color=)"};
  t["tree"] = {3, Tree, "x y(foot) scale"};
  t["bush"] = {3, Bush, "x y(foot) scale"};
  t["fence"] = {3, Fence, "x y width"};
  t["text"] = {3, Text, "x y(baseline) size \"text\""};
  t["title"] = {3, RainbowText, "x y(baseline) size \"TEXT\""};
  t["panel"] = {4, Panel, "x y width height"};
  t["star"] = {3, Star, "x y radius"};
  t["heart"] = {3, Heart, "x y size"};
  t["picture_frame"] = {4, PictureFrame, "x y width height (the inside)"};
  t["wipe_button"] = {3, WipeButton, "x y radius"};
  t["bunting"] = {4, Bunting, "x1 y1 x2 y2"};
  t["butterfly"] = {3, Butterfly, "x y size"};
  t["album_book"] = {0, AlbumBook, ""};
  t["sticker_place"] = {3, StickerPlace, "x y radius"};
}

}  // namespace rufo::demogen
