#include "tools/demogen/painter.h"

#include <stdexcept>

namespace rufo::demogen {

double PaintArgs::Number(size_t index) const {
  if (index >= numbers.size()) {
    throw std::invalid_argument("needs at least " + std::to_string(index + 1) + " numbers");
  }
  return numbers[index];
}

double PaintArgs::NumberOr(const std::string& key, double fallback) const {
  auto it = options.find(key);
  if (it == options.end()) return fallback;
  size_t used = 0;
  const double value = std::stod(it->second, &used);
  if (used != it->second.size()) throw std::invalid_argument(key + "= needs a number");
  return value;
}

Color PaintArgs::ColorOr(const std::string& key, Color fallback) const {
  auto it = options.find(key);
  return it == options.end() ? fallback : ParseColor(it->second);
}

std::string PaintArgs::TextOr(const std::string& key, const std::string& fallback) const {
  auto it = options.find(key);
  return it == options.end() ? fallback : it->second;
}

// Each drawing file registers its own drawings; a name registered twice would silently draw
// another file's picture, so it stops the generator instead.
const PainterTable& Painters() {
  static const PainterTable table = [] {
    PainterTable t;
    for (void (*add)(PainterTable&) :
         {AddSceneryPainters, AddCharacterPainters, AddStickerPainters, AddControlPainters,
          AddPondPainters, AddLearnPainters, AddGarden2Painters, AddGarden3Painters,
          AddGarden4Painters, AddGarden5Painters, AddLadybirdPainters, AddGridPainters,
          AddLessonsPainters, AddForestPainters, AddPantryPainters, AddShapePainters}) {
      PainterTable part;
      add(part);
      for (auto& [name, painter] : part) {
        if (!t.emplace(name, std::move(painter)).second) {
          throw std::logic_error("two drawings are named \"" + name + "\"");
        }
      }
    }
    return t;
  }();
  return table;
}

}  // namespace rufo::demogen
