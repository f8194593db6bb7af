// Garden4's drawings: the old tree with its branches, the woodpecker that knocks on it, and
// the nests with their chicks, drawn so that every chick can be counted.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

constexpr Color kBark{0.5, 0.32, 0.17};
constexpr Color kLeaves{0.3, 0.66, 0.24};
constexpr Color kStraw{0.72, 0.52, 0.26};
constexpr Color kCap{0.86, 0.12, 0.12};
constexpr Color kFeather{0.12, 0.12, 0.14};

// A leafy crown: overlapping circles under one outline, centre (x, y), radii rx × ry.
void Crown(cairo_t* cr, double x, double y, double rx, double ry) {
  const double parts[][3] = {{0, -0.35, 0.5},   {-0.5, -0.2, 0.45}, {0.5, -0.2, 0.45},
                             {-0.25, 0.2, 0.5}, {0.25, 0.2, 0.5},   {-0.7, 0.25, 0.35},
                             {0.7, 0.25, 0.35}, {0, 0.1, 0.55}};
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& p : parts) {
      EllipsePath(cr, x + p[0] * rx, y + p[1] * ry, p[2] * rx, p[2] * ry);
      if (pass == 0) {
        SetColor(cr, Darker(kLeaves, 0.45));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
      } else {
        FillOnly(cr, kLeaves);
      }
    }
  }
  SetColor(cr, Lighter(kLeaves, 0.25));
  for (int i = 0; i < 14; ++i) {
    const double angle = i * 2.4, r = 0.25 + 0.05 * (i % 6);
    EllipsePath(cr, x + std::cos(angle) * r * rx * 1.6, y + std::sin(angle) * r * ry * 1.2, 9, 6);
    cairo_fill(cr);
  }
}

// A branch from (x1, y1) bending up to (x2, y2), thick at its start, with leaves at its tip.
void Branch(cairo_t* cr, double x1, double y1, double x2, double y2, double thickness) {
  const double mx = (x1 + x2) / 2, my = std::max(y1, y2) + 4;
  cairo_move_to(cr, x1, y1 - thickness);
  cairo_curve_to(cr, mx, my - thickness * 0.9, x2, y2 - 2, x2, y2 - 2);
  cairo_line_to(cr, x2, y2 + 3);
  cairo_curve_to(cr, x2, y2 + 3, mx, my + thickness * 0.8, x1, y1 + thickness);
  cairo_close_path(cr);
  FillInk(cr, kBark, 2.5);
  const double side = x2 > x1 ? 1 : -1;
  const double leaves[][3] = {{6, -8, -0.6}, {12, 2, 0.2}, {2, 8, 0.9}};
  for (const auto& leaf : leaves) {
    cairo_save(cr);
    cairo_translate(cr, x2 + side * leaf[0], y2 + leaf[1]);
    cairo_rotate(cr, side * leaf[2]);
    EllipsePath(cr, 0, 0, 11, 6);
    cairo_restore(cr);
    FillInk(cr, Lighter(kLeaves, 0.1), 2);
  }
}

// A trunk with bark lines, its foot centred at (x, y), top at y - height.
void Trunk(cairo_t* cr, double x, double y, double width, double height) {
  const double half = width / 2;
  cairo_move_to(cr, x - half - 14, y);
  cairo_curve_to(cr, x - half, y - 20, x - half, y - height * 0.6, x - half * 0.85, y - height);
  cairo_line_to(cr, x + half * 0.85, y - height);
  cairo_curve_to(cr, x + half, y - height * 0.6, x + half, y - 20, x + half + 14, y);
  cairo_close_path(cr);
  FillInk(cr, kBark, 3);
  SetColor(cr, Darker(kBark, 0.3));
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 7; ++i) {
    const double bx = x - half * 0.7 + i * width * 0.7 / 6;
    const double top = y - height * (0.25 + 0.1 * (i % 3)), bottom = top + height * 0.18;
    cairo_move_to(cr, bx, top);
    cairo_curve_to(cr, bx + 3, top + 10, bx - 3, bottom - 10, bx, bottom);
  }
  cairo_stroke(cr);
}

// The big tree of the scenes: a trunk at x (foot y), its crown, and optional branches that
// reach out to the nests: branches=L|R|LR at the heights low= and high=.
void OldTree(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), width = a.Number(2), height = a.Number(3);
  const std::string branches = a.TextOr("branches", "");
  const double reach = a.NumberOr("reach", 200);
  Trunk(cr, x, y, width, height);
  Crown(cr, x, y - height - 20, a.NumberOr("crown", 150), a.NumberOr("crown", 150) * 0.6);
  for (const char* level : {"high", "low"}) {
    if (!a.options.count(level)) continue;
    const double by = a.NumberOr(level, 0);
    if (branches.find('L') != std::string::npos)
      Branch(cr, x - width * 0.4, by, x - reach, by - 14, 11);
    if (branches.find('R') != std::string::npos)
      Branch(cr, x + width * 0.4, by, x + reach, by - 14, 11);
  }
  // a knot hole
  EllipsePath(cr, x - width * 0.1, y - height * 0.72, width * 0.12, width * 0.16);
  FillInk(cr, {0.2, 0.12, 0.06}, 2);
}

// The woodpecker clinging to the right side of a trunk, facing left; (x, y) is where its beak
// meets the bark. peck: 0 at rest, 1 head drawn back, 2 the beak strikes (chips fly).
void DrawWoodpecker(cairo_t* cr, double x, double y, double s, int peck) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  const double line = 2.2 / s;
  // tail, braced against the bark
  cairo_move_to(cr, 22, 44);
  cairo_line_to(cr, 8, 84);
  cairo_line_to(cr, 20, 80);
  cairo_line_to(cr, 32, 48);
  cairo_close_path(cr);
  FillInk(cr, kFeather, line);
  // feet gripping the bark
  SetColor(cr, {0.3, 0.3, 0.3});
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, 16, 30 + i * 12);
    cairo_line_to(cr, 4, 28 + i * 12);
    cairo_line_to(cr, 1, 33 + i * 12);
  }
  cairo_stroke(cr);
  // body with a white belly
  cairo_save(cr);
  cairo_translate(cr, 30, 26);
  cairo_rotate(cr, 0.25);
  EllipsePath(cr, 0, 0, 15, 28);
  FillInk(cr, kFeather, line);
  EllipsePath(cr, -6, 4, 8, 20);
  FillOnly(cr, {0.96, 0.94, 0.9});
  cairo_restore(cr);
  // red under the tail
  EllipsePath(cr, 24, 50, 6, 5);
  FillOnly(cr, kCap);
  // wing with white bars
  cairo_save(cr);
  cairo_translate(cr, 36, 24);
  cairo_rotate(cr, 0.3);
  EllipsePath(cr, 0, 0, 9, 22);
  FillInk(cr, kFeather, line);
  for (int i = 0; i < 4; ++i) {
    EllipsePath(cr, 0, -12 + i * 8, 5, 1.8);
    FillOnly(cr, {1, 1, 1});
  }
  cairo_restore(cr);
  // head: drawn back before the strike, at the bark when it strikes
  const double shift = peck == 1 ? 9 : 0, tilt = peck == 1 ? 0.35 : (peck == 2 ? -0.08 : 0);
  cairo_save(cr);
  cairo_translate(cr, 26 + shift, 0);
  cairo_rotate(cr, tilt);
  cairo_move_to(cr, -10, -4);
  cairo_line_to(cr, -26, 0);
  cairo_line_to(cr, -10, 4);
  cairo_close_path(cr);
  FillInk(cr, {0.35, 0.33, 0.3}, line);
  EllipsePath(cr, 0, -2, 12, 12);
  FillInk(cr, {0.97, 0.96, 0.93}, line);
  cairo_move_to(cr, 8, -12);
  cairo_curve_to(cr, 2, -18, -10, -16, -11, -6);
  cairo_curve_to(cr, -4, -10, 4, -8, 12, -2);
  cairo_close_path(cr);
  FillOnly(cr, kCap);
  cairo_move_to(cr, -9, 4);
  cairo_line_to(cr, 10, 2);
  SetColor(cr, kFeather);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  EllipsePath(cr, -3, -3, 2.6, 2.6);
  FillOnly(cr, kInk);
  EllipsePath(cr, -2.4, -3.8, 0.9, 0.9);
  FillOnly(cr, {1, 1, 1});
  cairo_restore(cr);
  if (peck == 2) {
    // chips of bark and the knock itself
    const double chips[][3] = {{-6, -10, 0.4}, {-10, 6, -0.6}, {-4, -16, 1.1}, {-12, -2, 0.2}};
    for (const auto& c : chips) {
      cairo_save(cr);
      cairo_translate(cr, c[0], c[1]);
      cairo_rotate(cr, c[2]);
      cairo_rectangle(cr, -3, -1.5, 6, 3);
      cairo_restore(cr);
      FillInk(cr, {0.8, 0.62, 0.38}, 1);
    }
    SetColor(cr, {1.0, 0.85, 0.1});
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
      const double angle = M_PI * (0.75 + i * 0.25);
      cairo_move_to(cr, -2 + std::cos(angle) * 10, std::sin(angle) * 10);
      cairo_line_to(cr, -2 + std::cos(angle) * 20, std::sin(angle) * 20);
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// Static: peck= picks the pose. Animated: frames=4 is one knock (rest, back, strike, rest).
void Woodpecker(cairo_t* cr, const PaintArgs& a) {
  int peck = static_cast<int>(a.NumberOr("peck", 0));
  if (a.frames > 1) peck = a.frame == 1 ? 1 : (a.frame == 2 ? 2 : 0);
  DrawWoodpecker(cr, a.Number(0), a.Number(1), a.NumberOr("scale", 1), peck);
}

// The outline of a chick: body, head and the tuft on top as one shape; (x, y) is the head.
void ChickPath(cairo_t* cr, double x, double y, double r) {
  EllipsePath(cr, x, y + r * 1.1, r * 1.15, r * 1.0);
  EllipsePath(cr, x, y, r, r);
  cairo_move_to(cr, x - 2.5, y - r + 2);
  cairo_line_to(cr, x + 1, y - r - 6);
  cairo_line_to(cr, x + 3.5, y - r + 2);
  cairo_close_path(cr);
}

// A chick whose body sits in the nest, its head at (x, y); open opens its beak. Body, head and
// tuft share one outline, so that each chick reads as one fluffy shape.
void Chick(cairo_t* cr, double x, double y, double r, Color body, bool open, bool lookLeft) {
  const double side = lookLeft ? -1 : 1;
  ChickPath(cr, x, y, r);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  ChickPath(cr, x, y, r);
  FillOnly(cr, body);
  // a wing
  cairo_move_to(cr, x - side * r * 0.55, y + r * 0.95);
  cairo_curve_to(cr, x - side * r * 0.2, y + r * 1.5, x + side * r * 0.3, y + r * 1.45,
                 x + side * r * 0.4, y + r * 1.05);
  SetColor(cr, Darker(body, 0.25));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  EllipsePath(cr, x + side * r * 0.35, y - r * 0.2, r * 0.2, r * 0.24);
  FillOnly(cr, kInk);
  EllipsePath(cr, x + side * r * 0.3, y - r * 0.3, r * 0.07, r * 0.07);
  FillOnly(cr, {1, 1, 1});
  const double bx = x + side * r * 0.8, by = y + r * 0.15;
  cairo_move_to(cr, bx, by - r * 0.25);
  cairo_line_to(cr, bx + side * r * 0.6, by - (open ? r * 0.3 : 0));
  cairo_line_to(cr, bx, by);
  if (open) {
    cairo_line_to(cr, bx + side * r * 0.55, by + r * 0.35);
    cairo_line_to(cr, bx, by + r * 0.25);
  }
  cairo_close_path(cr);
  FillInk(cr, {1.0, 0.6, 0.1}, 1.5);
}

// The woven cup of a nest, centred at x with its rim at y; back=yes draws its inside only.
void NestCup(cairo_t* cr, double x, double y, double w, bool back) {
  const double h = w * 0.32;
  if (back) {
    EllipsePath(cr, x, y, w / 2, h * 0.55);
    FillInk(cr, Darker(kStraw, 0.45), 2.5);
    // loose straws on the nest's floor, under the chicks
    SetColor(cr, Lighter(kStraw, 0.35));
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 6; ++i) {
      const double sx = x - w * 0.38 + i * w * 0.15;
      cairo_move_to(cr, sx - 10, y - 4 + (i % 2) * 3);
      cairo_line_to(cr, sx + 10, y + (i % 3) * 2);
    }
    cairo_stroke(cr);
    return;
  }
  cairo_move_to(cr, x - w / 2, y);
  cairo_curve_to(cr, x - w / 2, y + h * 1.1, x + w / 2, y + h * 1.1, x + w / 2, y);
  cairo_curve_to(cr, x + w / 4, y + h * 0.3, x - w / 4, y + h * 0.3, x - w / 2, y);
  cairo_close_path(cr);
  FillInk(cr, kStraw, 2.5);
  // woven straws
  SetColor(cr, Darker(kStraw, 0.3));
  cairo_set_line_width(cr, 1.6);
  for (int i = 0; i < 9; ++i) {
    const double sx = x - w * 0.42 + i * w * 0.105;
    cairo_move_to(cr, sx - 8, y + h * 0.25 + (i % 2) * 4);
    cairo_curve_to(cr, sx, y + h * 0.5, sx + 4, y + h * 0.55, sx + 12, y + h * 0.45 + (i % 3) * 5);
  }
  cairo_stroke(cr);
}

// Where the chicks of a nest sit, across the nest in chick radii from its middle: up to five
// side by side; six to nine in a zigzag, every other chick in a raised back row that looks out
// between two front ones, so that no chick hides another.
struct ChickSeat {
  double dx;
  bool back;
};
std::vector<ChickSeat> ChickSeats(int birds) {
  std::vector<ChickSeat> seats;
  const bool zigzag = birds > 5;
  for (int i = 0; i < birds; ++i) {
    const double step = i - (birds - 1) / 2.0;
    seats.push_back(zigzag ? ChickSeat{step * 1.8, i % 2 == 1} : ChickSeat{step * 2.9, false});
  }
  return seats;
}

// A nest with chicks, centred at x with its rim at y. The number of chicks is birds=, or the
// frame number in a strip (frame n holds n chicks); chirp=yes opens beaks, lift= raises the
// chicks and width= widens the nest (160 by default).
void Nest(cairo_t* cr, const PaintArgs& a) {
  const double x = a.Number(0), y = a.Number(1), s = a.NumberOr("scale", 1);
  const int birds =
      std::clamp(static_cast<int>(a.frames > 1 ? a.frame : a.NumberOr("birds", 0)), 0, 9);
  const bool chirp = a.TextOr("chirp", "no") == "yes";
  const double w = a.NumberOr("width", 160) * s, r = 11 * s, lift = a.NumberOr("lift", 0) * s;
  constexpr Color kChick{1.0, 0.86, 0.25};
  NestCup(cr, x, y, w, true);
  const std::vector<ChickSeat> seats = ChickSeats(birds);
  for (bool backRow : {true, false}) {
    for (size_t i = 0; i < seats.size(); ++i) {
      if (seats[i].back != backRow) continue;
      // the rim rises towards the nest's sides, and the chicks with it
      const double side = 2 * seats[i].dx * r / w;
      const double cy = y - (backRow ? 3.4 : 1.05) * r - lift - 0.072 * w * side * side;
      Chick(cr, x + seats[i].dx * r, cy, r, kChick, chirp && i % 2 == 0, seats[i].dx < 0);
    }
  }
  NestCup(cr, x, y, w, false);
}

// The main scene's nest: its three chicks hop and chirp in turn (frames).
void NestWake(cairo_t* cr, const PaintArgs& a) {
  using namespace std::string_literals;
  PaintArgs nest = a;
  nest.frames = 1;
  nest.options["birds"] = "3"s;
  const bool up = a.frame % 2 == 1;
  nest.options["chirp"] = up ? "yes"s : "no"s;
  nest.options["lift"] = up ? "5"s : "0"s;
  Nest(cr, nest);
}

}  // namespace

void AddGarden4Painters(PainterTable& t) {
  t["old_tree"] = {4, OldTree,
                   "x y(foot) trunk-width trunk-height (crown=rx, branches=L|R|LR, high=y, low=y, "
                   "reach=)"};
  t["woodpecker"] = {2, Woodpecker, "x y(beak on the bark) (scale=, peck=0..2; frames=4 knock)"};
  t["nest"] = {2, Nest, "x y(rim) (scale=, width=, birds=0..9 or the frame, chirp=yes, lift=)"};
  t["nest_wake"] = {2, NestWake, "x y(rim) (scale=; frames: three chicks hop and chirp)"};
}

}  // namespace rufo::demogen
