// rufo-data screen FILE: prints the table the game makes of a "screen.dat".
#include <cstdio>

#include "controls/screen_script.h"
#include "platform/cp1250.h"
#include "platform/data_file.h"
#include "tools/rufo_data/command.h"

namespace rufo::data_tool {
namespace {

const char* TypeName(int32_t type) {
  switch (type) {
    case kEntryBackground:
      return "BG";
    case kEntryBitmap:
      return "BITMAP";
    case kEntryButton:
      return "BUTTON";
    case kEntryAnimation:
      return "ANI";
    case kEntryAnimatedBitmap:
      return "ABITMAP";
    default:
      return "EMPTY";
  }
}

bool MakesControl(int32_t type) {
  return type != kEntryBackground && type != kEntryEmpty;
}

int Run(std::span<char*> args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "screen needs one screen script\n");
    return 2;
  }
  std::FILE* file = platform::OpenFile(args[0], "rb");
  if (!file) {
    std::fprintf(stderr, "%s: cannot open\n", args[0]);
    return 1;
  }
  ScreenScript script;
  script.Parse(file);
  std::fclose(file);
  std::printf("index\ttype\tat\tname\tpath\tnumber\tflags\tcontrol\thit\n");
  for (int i = 0; i < script.Count(); ++i) {
    const ScreenEntry& entry = script.Entry(i);
    char id[16] = "-";
    if (MakesControl(entry.type)) std::snprintf(id, sizeof id, "0x%X", ScreenScript::ControlId(i));
    const int hit = entry.type == kEntryAnimation ? ScreenScript::AnimationHitIndex(i) : 255;
    std::printf("%d\t%s\t%d,%d\t%s\t%s\t%d\t0x%X\t%s\t%d\n", i, TypeName(entry.type), entry.x,
                entry.y, platform::Cp1250ToUtf8(entry.name).c_str(),
                platform::Cp1250ToUtf8(entry.path).c_str(), entry.number, entry.flags, id, hit);
  }
  return 0;
}

const Registration registration({"screen", "FILE", Run});

}  // namespace
}  // namespace rufo::data_tool
