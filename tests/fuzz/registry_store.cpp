// Parses arbitrary text as a registry store and checks that what it kept survives a round trip.
#include <cstdlib>
#include <string_view>

#include "platform/registry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rufo::platform::RegistryStore store("/nonexistent/registry.txt");
  store.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string text = store.ToText();
  rufo::platform::RegistryStore again("/nonexistent/registry.txt");
  again.LoadFromText(text);
  if (again.ToText() != text) std::abort();
  return 0;
}
