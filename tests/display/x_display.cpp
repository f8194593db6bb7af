#include "tests/display/x_display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tests/support/process.h"

namespace rufo::test {

std::string Shell(const std::string& command) {
  int exitCode = -1;
  return RunCommand("{ " + command + "; } 2>/dev/null", &exitCode);
}

ScreenGeometry WindowGeometry(const std::string& title) {
  ScreenGeometry g;
  const std::string out = Shell("xdotool search --name '" + title + "' getwindowgeometry --shell");
  std::sscanf(out.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &g.x, &g.y, &g.width,
              &g.height);
  return g;
}

int MovePointerToGamePixel(const std::string& title, int gx, int gy) {
  const ScreenGeometry g = WindowGeometry(title);
  const int scale = std::min(g.width / 640, g.height / 480);
  if (scale <= 0) return 0;
  const int left = g.x + (g.width - 640 * scale) / 2;
  const int top = g.y + (g.height - 480 * scale) / 2;
  Shell("xdotool mousemove " + std::to_string(left + gx * scale + scale / 2) + " " +
        std::to_string(top + gy * scale + scale / 2));
  return scale;
}

void ClickLeftButton() {
  Shell("xdotool click 1");
}

void HoldLeftButton(bool down) {
  Shell(down ? "xdotool mousedown 1" : "xdotool mouseup 1");
}

int CountScreenPixels(const TempFolder& folder, uint32_t rgb) {
  const std::string shot = folder.Root() + "shot.png";
  if (std::system(("import -window root " + shot + " 2>/dev/null").c_str()) != 0) return -1;
  char colour[16];
  std::snprintf(colour, sizeof colour, "#%06X", rgb);
  // Paint the colour white and everything else black; the mean then counts the colour. A little
  // fuzz allows for the rounding of a 16-bit display.
  const std::string count =
      Shell("convert " + shot + " -fuzz 2% -fill black +opaque '" + colour +
            "' -fill white -opaque '" + colour + "' -format '%[fx:round(mean*w*h)]' info:");
  double value = -1;  // large counts come in exponent notation
  if (std::sscanf(count.c_str(), "%lf", &value) != 1) return -1;
  return static_cast<int>(value);
}

}  // namespace rufo::test
