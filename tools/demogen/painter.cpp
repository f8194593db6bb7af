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

const PainterTable& Painters() {
  static const PainterTable table = [] {
    PainterTable t;
    AddSceneryPainters(t);
    AddCharacterPainters(t);
    AddStickerPainters(t);
    AddControlPainters(t);
    AddPondPainters(t);
    AddLearnPainters(t);
    AddGarden3Painters(t);
    AddGarden4Painters(t);
    AddGarden5Painters(t);
    AddLadybirdPainters(t);
    AddGridPainters(t);
    AddLessonsPainters(t);
    AddForestPainters(t);
    AddPantryPainters(t);
    AddShapePainters(t);
    AddGarden2Painters(t);
    return t;
  }();
  return table;
}

}  // namespace rufo::demogen
