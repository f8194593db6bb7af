#include "game/screen.h"

namespace rufo {
namespace {

// What an id without a screen of its own shows: the toolbar alone.
class EmptyScreen final : public Screen {
 public:
  void Build() override {}
};

}  // namespace

void ScreenTable::Add(ScreenId id, ScreenMaker make) {
  makers_[id] = std::move(make);
}

bool ScreenTable::Has(ScreenId id) const {
  return makers_.contains(id);
}

std::unique_ptr<Screen> ScreenTable::Make(ScreenId id) const {
  auto found = makers_.find(id);
  std::unique_ptr<Screen> screen =
      found != makers_.end() && found->second ? found->second() : std::make_unique<EmptyScreen>();
  screen->id_ = id;
  return screen;
}

ScreenTable& Screens() {
  static ScreenTable table;
  return table;
}

}  // namespace rufo
