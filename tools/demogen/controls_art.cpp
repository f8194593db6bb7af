// Pictures of the common controls: the toolbar and its buttons, the question bubble with its
// answers, the mouse cursors and the parents' key.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace {

// The sliding board; its top 20 pixels (a tab with an arrow) show while it is retracted.
void ToolbarBoard(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const Color board{0.3, 0.68, 0.28};
  cairo_move_to(cr, w / 2 - 60, 22);
  cairo_curve_to(cr, w / 2 - 50, 2, w / 2 - 40, 2, w / 2 - 30, 2);
  cairo_line_to(cr, w / 2 + 30, 2);
  cairo_curve_to(cr, w / 2 + 40, 2, w / 2 + 50, 2, w / 2 + 60, 22);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("gold"), 3);
  cairo_move_to(cr, w / 2 - 12, 16);
  cairo_line_to(cr, w / 2, 6);
  cairo_line_to(cr, w / 2 + 12, 16);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  RoundRectPath(cr, 3, 14, w - 6, h - 14, 16);
  FillInk(cr, ParseColor("gold"), 3);
  RoundRectPath(cr, 10, 20, w - 20, h - 24, 11);
  FillInk(cr, board, 2);
  // light stripes like a painted wooden board
  SetColor(cr, Lighter(board, 0.15));
  cairo_set_line_width(cr, 2);
  for (double y = 32; y < h - 8; y += 14) {
    cairo_move_to(cr, 18, y);
    cairo_line_to(cr, w - 18, y);
  }
  cairo_stroke(cr);
}

void IconHelp(cairo_t* cr, double w, double h) {
  EllipsePath(cr, w / 2, h / 2, w * 0.34, h * 0.34);
  FillInk(cr, ParseColor("orange"), 2.5);
  CentredText(cr, "?", w / 2, h * 0.68, h * 0.5, {1, 1, 1}, kInk, 2);
}

void IconHome(cairo_t* cr, double w, double h) {
  cairo_rectangle(cr, w * 0.25, h * 0.45, w * 0.5, h * 0.35);
  FillInk(cr, {1.0, 0.92, 0.7}, 2.5);
  cairo_move_to(cr, w * 0.15, h * 0.5);
  cairo_line_to(cr, w * 0.5, h * 0.18);
  cairo_line_to(cr, w * 0.85, h * 0.5);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("red"), 2.5);
  cairo_rectangle(cr, w * 0.44, h * 0.6, w * 0.13, h * 0.2);
  FillInk(cr, {0.6, 0.35, 0.15}, 2);
  HeartPath(cr, w * 0.5, h * 0.38, h * 0.07);
  FillOnly(cr, {1, 1, 1});
}

void IconAlbum(cairo_t* cr, double w, double h) {
  RoundRectPath(cr, w * 0.22, h * 0.18, w * 0.56, h * 0.64, 4);
  FillInk(cr, {0.8, 0.2, 0.25}, 2.5);
  cairo_rectangle(cr, w * 0.22, h * 0.18, w * 0.08, h * 0.64);
  FillOnly(cr, {0.6, 0.12, 0.15});
  StarPath(cr, w * 0.54, h * 0.5, h * 0.17, h * 0.08, 5);
  FillInk(cr, ParseColor("yellow"), 2);
}

void IconBack(cairo_t* cr, double w, double h) {
  // a curved arrow pointing back to the garden, with a small tree
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, w * 0.75, h * 0.75);
  cairo_curve_to(cr, w * 0.78, h * 0.35, w * 0.5, h * 0.3, w * 0.32, h * 0.38);
  cairo_stroke_preserve(cr);
  SetColor(cr, ParseColor("lime"));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, w * 0.14, h * 0.42);
  cairo_line_to(cr, w * 0.4, h * 0.2);
  cairo_line_to(cr, w * 0.42, h * 0.56);
  cairo_close_path(cr);
  FillInk(cr, ParseColor("lime"), 2.5);
}

void IconExit(cairo_t* cr, double w, double h) {
  cairo_rectangle(cr, w * 0.25, h * 0.15, w * 0.5, h * 0.7);
  FillInk(cr, {0.3, 0.2, 0.15}, 2.5);
  cairo_move_to(cr, w * 0.25, h * 0.15);
  cairo_line_to(cr, w * 0.58, h * 0.22);
  cairo_line_to(cr, w * 0.58, h * 0.92);
  cairo_line_to(cr, w * 0.25, h * 0.85);
  cairo_close_path(cr);
  FillInk(cr, {0.75, 0.45, 0.2}, 2.5);
  EllipsePath(cr, w * 0.5, h * 0.55, 2.5, 2.5);
  FillOnly(cr, ParseColor("gold"));
}

// A toolbar button in a w × h cell; the frame is its state row: 0 normal, 1 pointed at,
// 2 pressed, 3 disabled.
void ToolButton(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const std::string kind = a.TextOr("kind", "help");
  const int state = a.frame % 4;
  const double shift = state == 2 ? 2 : 0;
  Color face{1.0, 0.97, 0.82};
  if (state == 1) face = {1.0, 1.0, 0.55};
  if (state == 2) face = {0.95, 0.85, 0.55};
  if (state == 3) face = {0.82, 0.82, 0.78};
  if (state == 1) {
    RoundRectPath(cr, 0.5, 0.5, w - 1, h - 1, 12);
    FillOnly(cr, {1.0, 0.95, 0.3});
  }
  RoundRectPath(cr, 3 + shift, 3 + shift, w - 6, h - 6, 10);
  FillInk(cr, face, 2.5);
  cairo_save(cr);
  cairo_translate(cr, shift, shift);
  if (kind == "help") {
    IconHelp(cr, w, h);
  } else if (kind == "home") {
    IconHome(cr, w, h);
  } else if (kind == "album") {
    IconAlbum(cr, w, h);
  } else if (kind == "back") {
    IconBack(cr, w, h);
  } else if (kind == "exit") {
    IconExit(cr, w, h);
  } else {
    throw std::invalid_argument("unknown tool button kind=" + kind);
  }
  cairo_restore(cr);
  if (state == 3) {  // faded: the button cannot be used here
    RoundRectPath(cr, 3, 3, w - 6, h - 6, 10);
    cairo_set_source_rgba(cr, 0.85, 0.85, 0.82, 0.65);
    cairo_fill(cr);
  }
}

// A speech bubble filling a w × h box, its tail at the lower left.
void SpeechBubble(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const double tail = 36;
  cairo_move_to(cr, 50, h - tail - 10);
  cairo_line_to(cr, 22, h - 4);
  cairo_line_to(cr, 96, h - tail - 10);
  cairo_close_path(cr);
  FillInk(cr, {1, 1, 1}, 4);
  RoundRectPath(cr, 4, 4, w - 8, h - tail - 8, 40);
  FillInk(cr, {1, 1, 1}, 4);
  cairo_move_to(cr, 52, h - tail - 14);
  cairo_line_to(cr, 94, h - tail - 14);
  cairo_line_to(cr, 94, h - tail - 2);
  cairo_line_to(cr, 52, h - tail - 2);
  cairo_close_path(cr);
  FillOnly(cr, {1, 1, 1});
}

// "ano": a green tick that nods; "ne": a red cross that shakes. Drawn in a w × h box.
void AnswerYes(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const double nod[] = {0, -7, 0, 5};
  const double dy = nod[a.frame % 4];
  const double r = w * 0.38;
  EllipsePath(cr, w / 2, h * 0.4 + dy, r, r);
  FillInk(cr, {0.25, 0.78, 0.3}, 3);
  cairo_move_to(cr, w / 2 - r * 0.5, h * 0.4 + dy);
  cairo_line_to(cr, w / 2 - r * 0.1, h * 0.4 + dy + r * 0.4);
  cairo_line_to(cr, w / 2 + r * 0.55, h * 0.4 + dy - r * 0.45);
  SetColor(cr, {1, 1, 1});
  cairo_set_line_width(cr, r * 0.25);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  CentredText(cr, "ANO", w / 2, h - 6, h * 0.2, {0.2, 0.65, 0.25}, {1, 1, 1}, 0);
}

void AnswerNo(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const double dx = 6 * std::sin(a.frame * 2 * M_PI / std::max(1, a.frames));
  const double r = w * 0.38;
  const double cx = w / 2 + dx, cy = h * 0.4;
  EllipsePath(cr, cx, cy, r, r);
  FillInk(cr, {0.92, 0.22, 0.2}, 3);
  SetColor(cr, {1, 1, 1});
  cairo_set_line_width(cr, r * 0.25);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx - r * 0.42, cy - r * 0.42);
  cairo_line_to(cr, cx + r * 0.42, cy + r * 0.42);
  cairo_move_to(cr, cx + r * 0.42, cy - r * 0.42);
  cairo_line_to(cr, cx - r * 0.42, cy + r * 0.42);
  cairo_stroke(cr);
  CentredText(cr, "NE", w / 2, h - 6, h * 0.2, {0.85, 0.2, 0.2}, {1, 1, 1}, 0);
}

void ArrowShape(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x + 2, y + 2);
  cairo_line_to(cr, x + 2, y + 24);
  cairo_line_to(cr, x + 8, y + 19);
  cairo_line_to(cr, x + 12, y + 28);
  cairo_line_to(cr, x + 16, y + 26);
  cairo_line_to(cr, x + 12, y + 17);
  cairo_line_to(cr, x + 20, y + 17);
  cairo_close_path(cr);
}

// The normal arrow (hotspot at its tip, 2 2); star=yes adds a sparkle for pointing at answers.
void CursorArrow(cairo_t* cr, const PaintArgs& a) {
  ArrowShape(cr, 0, 0);
  FillInk(cr, a.ColorOr("color", ParseColor("yellow")), 2);
  if (a.TextOr("star", "no") == "yes") {
    StarPath(cr, 24, 8, 7.5, 3.2, 5);
    FillInk(cr, ParseColor("orange"), 1.5);
  }
}

// Waiting: a small flower that turns, one frame per 32 × 32 cell.
void CursorWait(cairo_t* cr, const PaintArgs& a) {
  const double turn = a.frame * M_PI / 10;
  for (int i = 0; i < 5; ++i) {
    const double angle = turn + i * 2 * M_PI / 5;
    EllipsePath(cr, 16 + std::cos(angle) * 8, 16 + std::sin(angle) * 8, 6, 6);
    FillInk(cr, ParseColor(i % 2 ? "pink" : "purple"), 1.5);
  }
  EllipsePath(cr, 16, 16, 5, 5);
  FillInk(cr, ParseColor("yellow"), 1.5);
}

// Walking on: a fat green arrow to the left or right.
void CursorWalk(cairo_t* cr, const PaintArgs& a) {
  const bool left = a.TextOr("dir", "right") == "left";
  cairo_save(cr);
  if (left) {
    cairo_translate(cr, 32, 0);
    cairo_scale(cr, -1, 1);
  }
  cairo_move_to(cr, 2, 11);
  cairo_line_to(cr, 16, 11);
  cairo_line_to(cr, 16, 3);
  cairo_line_to(cr, 30, 16);
  cairo_line_to(cr, 16, 29);
  cairo_line_to(cr, 16, 21);
  cairo_line_to(cr, 2, 21);
  cairo_close_path(cr);
  cairo_restore(cr);
  FillInk(cr, ParseColor("lime"), 2);
}

// A pointing hand, the fingertip at (9, 2).
void CursorHand(cairo_t* cr, const PaintArgs&) {
  RoundRectPath(cr, 5, 1, 8, 17, 4);
  FillInk(cr, {1.0, 0.88, 0.72}, 2);
  RoundRectPath(cr, 5, 12, 22, 18, 7);
  FillInk(cr, {1.0, 0.88, 0.72}, 2);
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 14 + i * 4.5, 13);
    cairo_line_to(cr, 14 + i * 4.5, 19);
  }
  cairo_stroke(cr);
  RoundRectPath(cr, 5, 1, 8, 14, 4);
  FillOnly(cr, {1.0, 0.88, 0.72});
}

}  // namespace

// The parents' key: a small brass key on a pale disc; the frames after the first fill a ring
// around it by thirds while the key is held.
void ParentsKey(cairo_t* cr, const PaintArgs& a) {
  const double w = a.Number(0), h = a.Number(1);
  const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 1.5;
  EllipsePath(cr, cx, cy, r, r);
  FillInk(cr, {0.93, 0.96, 1.0}, 1);
  if (a.frame > 0) {
    SetColor(cr, {0.35, 0.7, 0.35});
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, cx, cy, r - 1.5, -M_PI / 2, -M_PI / 2 + 2 * M_PI * a.frame / 3.0);
    cairo_stroke(cr);
  }
  const Color brass{0.85, 0.65, 0.2};
  EllipsePath(cr, cx - r * 0.35, cy, r * 0.28, r * 0.28);
  FillInk(cr, brass, 1.2);
  EllipsePath(cr, cx - r * 0.35, cy, r * 0.1, r * 0.1);
  FillOnly(cr, {0.93, 0.96, 1.0});
  cairo_rectangle(cr, cx - r * 0.1, cy - r * 0.08, r * 0.7, r * 0.16);
  cairo_rectangle(cr, cx + r * 0.38, cy + r * 0.08, r * 0.1, r * 0.2);
  cairo_rectangle(cr, cx + r * 0.52, cy + r * 0.08, r * 0.08, r * 0.14);
  FillInk(cr, brass, 1);
}

void AddControlPainters(PainterTable& t) {
  t["toolbar_board"] = {2, ToolbarBoard, "width height"};
  t["tool_button"] = {2, ToolButton, "width height kind=help|home|album|back|exit (rows)"};
  t["speech_bubble"] = {2, SpeechBubble, "width height"};
  t["answer_yes"] = {2, AnswerYes, "width height (4 frames)"};
  t["answer_no"] = {2, AnswerNo, "width height (8 frames)"};
  t["cursor_arrow"] = {0, CursorArrow, "(color=, star=yes)"};
  t["cursor_wait"] = {0, CursorWait, "(frames)"};
  t["cursor_walk"] = {0, CursorWalk, "dir=left|right"};
  t["cursor_hand"] = {0, CursorHand, ""};
  t["parents_key"] = {2, ParentsKey, "width height (frames fill the ring by thirds)"};
}

}  // namespace rufo::demogen
