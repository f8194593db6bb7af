#include <cstdio>
#include <cstring>
#include <vector>

#include "tools/rufo_data/command.h"

namespace rufo::data_tool {
namespace {

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

int Usage() {
  std::fprintf(stderr, "usage:\n");
  for (const Command& command : Commands()) {
    std::fprintf(stderr, "  rufo-data %s %s\n", command.name, command.usage);
  }
  return 2;
}

}  // namespace

Registration::Registration(const Command& command) {
  Commands().push_back(command);
}

}  // namespace rufo::data_tool

int main(int argc, char** argv) {
  using namespace rufo::data_tool;
  if (argc < 2) return Usage();
  for (const Command& command : Commands()) {
    if (std::strcmp(command.name, argv[1]) == 0) return command.run({argv + 2, argv + argc});
  }
  return Usage();
}
