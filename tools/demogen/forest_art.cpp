// The notions lesson's forest: seven hiding places (a hollow stump, a bush, a rock, a big leaf,
// a hollow log, a burrow and tall grass), each of which can shake as RUFO dives in, and the
// seven talking mushrooms that live beside them.
#include <cmath>
#include <stdexcept>
#include <string>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kBark{0.55, 0.35, 0.18};
constexpr Color kStone{0.62, 0.62, 0.66};
constexpr Color kLeafGreen{0.3, 0.68, 0.25};
constexpr Color kEarth{0.5, 0.33, 0.18};

// How far the place leans in this frame: a rustle that dies down.
double Shake(const PaintArgs& a) {
  if (a.frames < 2 || a.TextOr("rustle", "yes") == "no") return 0;
  const double t = double(a.frame) / (a.frames - 1);
  return std::sin(a.frame * 2.4) * (1 - t);
}

void Stump(cairo_t* cr, double s) {
  cairo_move_to(cr, -44 * s, 0);
  cairo_curve_to(cr, -40 * s, -30 * s, -38 * s, -52 * s, -34 * s, -62 * s);
  cairo_line_to(cr, 34 * s, -62 * s);
  cairo_curve_to(cr, 38 * s, -52 * s, 40 * s, -30 * s, 44 * s, 0);
  cairo_close_path(cr);
  FillInk(cr, kBark, 2.5);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, i * 16 * s, -6 * s);
    cairo_line_to(cr, i * 14 * s, -50 * s);
  }
  SetColor(cr, Darker(kBark, 0.3));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  EllipsePath(cr, 0, -62 * s, 34 * s, 10 * s);
  FillInk(cr, {0.9, 0.75, 0.5}, 2.5);
  EllipsePath(cr, 0, -62 * s, 22 * s, 6 * s);
  FillOnly(cr, {0.25, 0.15, 0.08});
}

void Rock(cairo_t* cr, double s) {
  cairo_move_to(cr, -56 * s, 0);
  cairo_curve_to(cr, -60 * s, -40 * s, -20 * s, -70 * s, 10 * s, -66 * s);
  cairo_curve_to(cr, 44 * s, -62 * s, 62 * s, -30 * s, 56 * s, 0);
  cairo_close_path(cr);
  FillInk(cr, kStone, 2.5);
  EllipsePath(cr, -14 * s, -46 * s, 14 * s, 7 * s);
  FillOnly(cr, Lighter(kStone, 0.35));
  EllipsePath(cr, 26 * s, -18 * s, 8 * s, 5 * s);
  FillOnly(cr, Darker(kStone, 0.12));
}

void BigLeaf(cairo_t* cr, double s) {
  // a big leaf arched over the ground like a little tent, its tip to the right
  cairo_move_to(cr, -58 * s, 0);
  cairo_curve_to(cr, -56 * s, -46 * s, 8 * s, -66 * s, 66 * s, -4 * s);
  cairo_curve_to(cr, 30 * s, 2 * s, -20 * s, 2 * s, -58 * s, 0);
  cairo_close_path(cr);
  FillInk(cr, kLeafGreen, 2.5);
  cairo_move_to(cr, -54 * s, -4 * s);
  cairo_curve_to(cr, -30 * s, -40 * s, 20 * s, -44 * s, 62 * s, -5 * s);
  for (int i = -2; i <= 2; ++i) {
    const double x = i * 20 * s;
    cairo_move_to(cr, x, -37 * s + std::abs(i) * 5 * s);
    cairo_line_to(cr, x + 14 * s, -4 * s);
  }
  SetColor(cr, Darker(kLeafGreen, 0.3));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, -58 * s, 0);
  cairo_curve_to(cr, -64 * s, 2 * s, -68 * s, 6 * s, -72 * s, 4 * s);
  SetColor(cr, Darker(kLeafGreen, 0.35));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void HollowLog(cairo_t* cr, double s) {
  RoundRectPath(cr, -60 * s, -44 * s, 104 * s, 44 * s, 14 * s);
  FillInk(cr, kBark, 2.5);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -50 * s + i * 30 * s, -36 * s);
    cairo_line_to(cr, -40 * s + i * 30 * s, -30 * s);
  }
  SetColor(cr, Darker(kBark, 0.3));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  EllipsePath(cr, 44 * s, -22 * s, 16 * s, 22 * s);
  FillInk(cr, {0.9, 0.75, 0.5}, 2.5);
  EllipsePath(cr, 44 * s, -22 * s, 10 * s, 15 * s);
  FillOnly(cr, {0.25, 0.15, 0.08});
}

void Burrow(cairo_t* cr, double s) {
  cairo_move_to(cr, -62 * s, 0);
  cairo_curve_to(cr, -50 * s, -50 * s, 50 * s, -50 * s, 62 * s, 0);
  cairo_close_path(cr);
  FillInk(cr, kEarth, 2.5);
  EllipsePath(cr, 0, -14 * s, 24 * s, 16 * s);
  FillInk(cr, {0.18, 0.1, 0.05}, 2);
  for (int i = 0; i < 4; ++i) {
    EllipsePath(cr, -40 * s + i * 26 * s, -4 * s - (i % 2) * 6 * s, 3 * s, 2 * s);
    FillOnly(cr, Lighter(kEarth, 0.3));
  }
}

void TallGrass(cairo_t* cr, double s) {
  for (int i = 0; i < 11; ++i) {
    const double x = (-50 + i * 10) * s;
    const double h = (48 + (i * 37 % 5) * 6) * s;
    const double bend = ((i % 3) - 1) * 12 * s;
    cairo_move_to(cr, x - 6 * s, 0);
    cairo_curve_to(cr, x - 4 * s, -h * 0.5, x + bend, -h * 0.8, x + bend * 1.4, -h);
    cairo_curve_to(cr, x + bend * 0.6, -h * 0.7, x + 6 * s, -h * 0.4, x + 6 * s, 0);
    cairo_close_path(cr);
    FillInk(cr, i % 2 ? Color{0.35, 0.72, 0.22} : Color{0.28, 0.62, 0.2}, 1.5);
  }
}

void BushPlace(cairo_t* cr, double s) {
  const double parts[][3] = {
      {-34, -22, 26}, {0, -38, 32}, {34, -22, 26}, {-14, -16, 22}, {18, -14, 22}};
  for (const auto& p : parts)
    EllipsePath(cr, p[0] * s, p[1] * s, p[2] * s, p[2] * s);
  FillInk(cr, {0.2, 0.55, 0.2}, 2.5);
  for (const auto& p : parts)
    EllipsePath(cr, p[0] * s, p[1] * s, p[2] * s, p[2] * s);
  FillOnly(cr, {0.22, 0.58, 0.22});
  const double berries[][2] = {{-30, -30}, {8, -48}, {30, -26}, {-6, -22}};
  for (const auto& b : berries) {
    EllipsePath(cr, b[0] * s, b[1] * s, 4 * s, 4 * s);
    FillInk(cr, {0.85, 0.1, 0.2}, 1.2);
  }
}

// A hiding place standing at (x, y) (its foot); frames make it rustle.
void HidingPlace(cairo_t* cr, const PaintArgs& a) {
  const double s = a.NumberOr("scale", 1);
  const std::string kind = a.TextOr("kind", "stump");
  cairo_save(cr);
  cairo_translate(cr, a.Number(0), a.Number(1));
  cairo_rotate(cr, Shake(a) * 0.08);
  cairo_scale(cr, 1 + Shake(a) * 0.04, 1 - Shake(a) * 0.04);
  if (kind == "stump") {
    Stump(cr, s);
  } else if (kind == "rock") {
    Rock(cr, s);
  } else if (kind == "leaf") {
    BigLeaf(cr, s);
  } else if (kind == "log") {
    HollowLog(cr, s);
  } else if (kind == "burrow") {
    Burrow(cr, s);
  } else if (kind == "grass") {
    TallGrass(cr, s);
  } else if (kind == "bush") {
    BushPlace(cr, s);
  } else {
    cairo_restore(cr);
    throw std::invalid_argument("no hiding place of kind " + kind);
  }
  cairo_restore(cr);
}

struct MushroomLook {
  Color cap;
  Color stem;
  double capWidth;  // half width of the cap
  double capHeight;
  double stemHeight;
  bool dots;
  bool funnel;  // a cap that opens upwards like a funnel
};

// By mushroom number 1 to 7: honey fungus, chanterelle, russula, cep, parasol, orange birch
// bolete, fly agaric.
const MushroomLook kMushrooms[8] = {
    {},
    {{0.85, 0.62, 0.25}, {0.95, 0.88, 0.7}, 20, 10, 26, false, false},
    {{1.0, 0.75, 0.15}, {1.0, 0.8, 0.25}, 22, 12, 22, false, true},
    {{0.45, 0.7, 0.4}, {1.0, 1.0, 0.95}, 24, 11, 24, false, false},
    {{0.55, 0.32, 0.15}, {0.95, 0.9, 0.75}, 26, 20, 24, false, false},
    {{0.85, 0.75, 0.6}, {0.95, 0.92, 0.85}, 34, 10, 40, true, false},
    {{0.95, 0.45, 0.1}, {0.9, 0.88, 0.85}, 25, 18, 26, false, false},
    {{0.9, 0.12, 0.1}, {1.0, 1.0, 0.96}, 27, 18, 28, true, false},
};

// The mushroom's mouth: 0 a smile, 1 to 3 ever wider, 4 round, 5 a smile with closed eyes.
void MushroomFace(cairo_t* cr, double y, int mouth) {
  for (int side : {-1, 1}) {
    if (mouth == 5) {
      cairo_move_to(cr, side * 7 - 4, y - 6);
      cairo_curve_to(cr, side * 7 - 2, y - 3, side * 7 + 2, y - 3, side * 7 + 4, y - 6);
      SetColor(cr, kInk);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      continue;
    }
    EllipsePath(cr, side * 7, y - 6, 3, 4);
    FillOnly(cr, kInk);
    EllipsePath(cr, side * 7 + 1, y - 7.5, 1, 1);
    FillOnly(cr, {1, 1, 1});
  }
  const Color inside{0.6, 0.12, 0.15};
  switch (mouth) {
    case 1:
    case 2:
    case 3:
      EllipsePath(cr, 0, y + 4, 3 + mouth * 1.5, 1.5 + mouth * 1.3);
      FillInk(cr, inside, 1.5);
      break;
    case 4:
      EllipsePath(cr, 0, y + 4, 3, 4);
      FillInk(cr, inside, 1.5);
      break;
    default:
      cairo_move_to(cr, -6, y + 2);
      cairo_curve_to(cr, -3, y + 6, 3, y + 6, 6, y + 2);
      SetColor(cr, kInk);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
  }
}

// A talking mushroom standing at (x, y) (its foot); kind= 1 to 7, frame = mouth shape.
void TalkingMushroom(cairo_t* cr, const PaintArgs& a) {
  const int kind = static_cast<int>(a.NumberOr("kind", 1));
  if (kind < 1 || kind > 7) throw std::invalid_argument("kind= is 1 to 7");
  const MushroomLook& m = kMushrooms[kind];
  const double s = a.NumberOr("scale", 1);
  cairo_save(cr);
  cairo_translate(cr, a.Number(0), a.Number(1));
  cairo_scale(cr, s, s);
  // stem with the face on it
  cairo_move_to(cr, -13, 0);
  cairo_curve_to(cr, -15, -m.stemHeight * 0.5, -12, -m.stemHeight, -10, -m.stemHeight - 4);
  cairo_line_to(cr, 10, -m.stemHeight - 4);
  cairo_curve_to(cr, 12, -m.stemHeight, 15, -m.stemHeight * 0.5, 13, 0);
  cairo_close_path(cr);
  FillInk(cr, m.stem, 2);
  if (kind == 5) {  // the parasol's ring
    EllipsePath(cr, 0, -m.stemHeight * 0.75, 14, 3.5);
    FillInk(cr, m.stem, 1.5);
  }
  MushroomFace(cr, -m.stemHeight * 0.42, a.frame % 6);
  // cap
  const double top = -m.stemHeight - 2;
  if (m.funnel) {
    cairo_move_to(cr, -m.capWidth, top - m.capHeight);
    cairo_curve_to(cr, -m.capWidth * 0.6, top, m.capWidth * 0.6, top, m.capWidth,
                   top - m.capHeight);
    cairo_curve_to(cr, m.capWidth * 0.5, top - m.capHeight * 1.3, -m.capWidth * 0.5,
                   top - m.capHeight * 1.3, -m.capWidth, top - m.capHeight);
  } else {
    cairo_move_to(cr, -m.capWidth, top);
    cairo_curve_to(cr, -m.capWidth, top - m.capHeight * 1.3, m.capWidth, top - m.capHeight * 1.3,
                   m.capWidth, top);
    cairo_curve_to(cr, m.capWidth * 0.5, top + 4, -m.capWidth * 0.5, top + 4, -m.capWidth, top);
  }
  cairo_close_path(cr);
  FillInk(cr, m.cap, 2.5);
  if (m.dots) {
    const double dots[][3] = {{-0.55, 0.45, 3.5}, {0, 0.8, 4}, {0.5, 0.5, 3.5}, {-0.2, 0.35, 2.5}};
    for (const auto& d : dots) {
      EllipsePath(cr, d[0] * m.capWidth, top - d[1] * m.capHeight, d[2], d[2] * 0.8);
      FillOnly(cr, kind == 7 ? Color{1, 1, 1} : Darker(m.cap, 0.35));
    }
  }
  cairo_restore(cr);
}

}  // namespace

void AddForestPainters(PainterTable& t) {
  t["hiding_place"] = {2, HidingPlace,
                       "x y(foot) kind=stump|bush|rock|leaf|log|burrow|grass (scale=; frames "
                       "rustle unless rustle=no)"};
  t["talking_mushroom"] = {2, TalkingMushroom, "x y(foot) kind=1..7 (scale=; frame = mouth)"};
}

}  // namespace rufo::demogen
