#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace rufo::platform {

// Registry value types, with the numbers Windows gives them.
enum class RegistryType : uint32_t { kString = 1, kBinary = 3, kDword = 4 };

struct RegistryValue {
  RegistryType type = RegistryType::kString;
  std::string data;  // raw bytes: text without its terminator, binary data, or 4 DWORD bytes
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// A machine-wide registry stand-in: keys (backslash-separated paths, compared ignoring case)
// holding named, typed values, kept in a text file. Every change is written through to the file
// at once (to a temporary file that then replaces the old one). Lines of the file that cannot be
// understood are skipped, so a damaged file loses only what is damaged.
//
//   [SOFTWARE\rufo\Rufo - Tirlim]
//   "Data Path"=sz:"/usr/share/rufo/"
//   "Count"=dword:0000002a
//   "Blob"=hex:01,ff
class RegistryStore {
 public:
  explicit RegistryStore(std::filesystem::path file);

  // Reads the file; a missing file is an empty store.
  void Load();
  // Parses the text of a store file, replacing the contents.
  void LoadFromText(std::string_view text);
  std::string ToText() const;

  // Creates the key and its parents. False when the path is empty or the file cannot be written.
  bool CreateKey(std::string_view key);
  bool KeyExists(std::string_view key) const;
  std::optional<RegistryValue> Get(std::string_view key, std::string_view name) const;
  // False when the key does not exist or the file cannot be written.
  bool Set(std::string_view key, std::string_view name, const RegistryValue& value);

 private:
  struct Key {
    std::string name;  // as first written
    std::map<std::string, RegistryValue> values;
  };
  bool Save() const;

  std::filesystem::path file_;
  std::map<std::string, Key> keys_;  // by lower-cased path
};

}  // namespace rufo::platform
