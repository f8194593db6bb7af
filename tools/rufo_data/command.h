#pragma once

#include <span>
#include <string>

namespace rufo::data_tool {

// A subcommand of rufo-data. Each lives in its own file and registers itself with a static
// Registration; main() dispatches on the first argument.
struct Command {
  const char* name;
  const char* usage;                  // the arguments after the name, for the help text
  int (*run)(std::span<char*> args);  // args after the name; returns the exit code
};

struct Registration {
  explicit Registration(const Command& command);
};

}  // namespace rufo::data_tool
