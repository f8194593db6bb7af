#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

namespace rufo::data_tool {

using CairoSurface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// One picture on a contact sheet with its label; a tile without a picture shows the label only.
struct Tile {
  std::string label;
  CairoSurface picture;
};

// The size of the tiles (each picture is scaled down to fit a box at its top, the label goes
// below) and how many stand in a row at the least.
struct SheetLayout {
  int tileWidth = 170;
  int tileHeight = 150;
  int boxWidth = 130;
  int boxHeight = 130;
  int columns = 8;
  int fontSize = 9;
  int labelChars = 34;  // a longer label keeps its end, which names the file
};

// A tile without a picture.
Tile LabelOnly(std::string label);
// Draws the tiles row by row on a grey sheet and writes it as a PNG; false after a message
// naming `tool` on standard error.
bool WriteContactSheet(const std::vector<Tile>& tiles, const SheetLayout& layout,
                       const std::string& out, const char* tool);

}  // namespace rufo::data_tool
