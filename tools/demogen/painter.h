#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <vector>

#include "tools/demogen/draw_kit.h"

namespace rufo::demogen {

// The arguments of one drawing line of a description: its numbers in order, its key=value
// options, its quoted text, and the frame being drawn when the picture has several.
struct PaintArgs {
  std::vector<double> numbers;
  std::map<std::string, std::string> options;
  std::string text;
  int frame = 0;
  int frames = 1;

  double Number(size_t index) const;  // throws when the line has too few numbers
  double NumberOr(const std::string& key, double fallback) const;
  Color ColorOr(const std::string& key, Color fallback) const;
  std::string TextOr(const std::string& key, const std::string& fallback) const;
  // How far the drawing's frames have gone: 0 at the first, 1 at the last; a drawing of one
  // frame stands at `single`.
  double Progress(double single = 1.0) const {
    return frames > 1 ? double(frame) / (frames - 1) : single;
  }
};

using PaintFunction = void (*)(cairo_t*, const PaintArgs&);

struct Painter {
  int numbers;  // how many numbers the drawing needs at least
  PaintFunction paint;
  const char* help;  // what the numbers mean
};

using PainterTable = std::map<std::string, Painter>;

// Every drawing a description may name.
const PainterTable& Painters();

// Parts of the table, one per drawing file.
void AddSceneryPainters(PainterTable& table);
void AddCharacterPainters(PainterTable& table);
void AddStickerPainters(PainterTable& table);
void AddControlPainters(PainterTable& table);
void AddPondPainters(PainterTable& table);
void AddLearnPainters(PainterTable& table);
void AddGarden3Painters(PainterTable& table);
void AddGarden4Painters(PainterTable& table);
void AddGarden5Painters(PainterTable& table);
void AddLadybirdPainters(PainterTable& table);
void AddGridPainters(PainterTable& table);
void AddLessonsPainters(PainterTable& table);
void AddForestPainters(PainterTable& table);
void AddPantryPainters(PainterTable& table);
void AddShapePainters(PainterTable& table);
void AddGarden2Painters(PainterTable& table);

}  // namespace rufo::demogen
