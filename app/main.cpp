#include "app/run_game.h"

int main() {
  return rufo::RunGame();
}
