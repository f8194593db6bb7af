#include "platform/registry_store.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace rufo::platform {
namespace {

constexpr size_t kMaxLineBytes = 1 << 20;

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string TrimKey(std::string_view key) {
  while (!key.empty() && key.front() == '\\')
    key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\')
    key.remove_suffix(1);
  return std::string(key);
}

// Quotes text; bytes outside printable ASCII and the two special characters become escapes.
std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted text at text[pos]; advances pos past the closing quote.
std::optional<std::string> Unquote(std::string_view text, size_t& pos) {
  if (pos >= text.size() || text[pos] != '"') return std::nullopt;
  std::string out;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return out;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos >= text.size()) return std::nullopt;
    if (text[pos] == 'x') {
      if (pos + 2 >= text.size()) return std::nullopt;
      int hi = HexDigit(text[pos + 1]), lo = HexDigit(text[pos + 2]);
      if (hi < 0 || lo < 0) return std::nullopt;
      out += static_cast<char>(hi * 16 + lo);
      pos += 2;
    } else {
      out += text[pos];
    }
  }
  return std::nullopt;
}

std::optional<RegistryValue> ParseData(std::string_view data) {
  RegistryValue value;
  if (data.starts_with("sz:")) {
    size_t pos = 3;
    auto text = Unquote(data, pos);
    if (!text || pos != data.size()) return std::nullopt;
    value.type = RegistryType::kString;
    value.data = *text;
  } else if (data.starts_with("dword:")) {
    data.remove_prefix(6);
    if (data.size() != 8) return std::nullopt;
    uint32_t number = 0;
    for (char c : data) {
      int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      number = number * 16 + static_cast<uint32_t>(digit);
    }
    value.type = RegistryType::kDword;
    for (int i = 0; i < 4; ++i)
      value.data += static_cast<char>(number >> (8 * i));
  } else if (data.starts_with("hex:")) {
    data.remove_prefix(4);
    value.type = RegistryType::kBinary;
    for (size_t i = 0; i < data.size(); i += 3) {
      if (i + 2 > data.size()) return std::nullopt;
      int hi = HexDigit(data[i]), lo = HexDigit(data[i + 1]);
      if (hi < 0 || lo < 0 || (i + 2 < data.size() && data[i + 2] != ',')) return std::nullopt;
      value.data += static_cast<char>(hi * 16 + lo);
    }
  } else {
    return std::nullopt;
  }
  return value;
}

std::string FormatData(const RegistryValue& value) {
  switch (value.type) {
    case RegistryType::kString:
      return "sz:" + Quote(value.data);
    case RegistryType::kDword: {
      uint32_t number = 0;
      for (size_t i = 0; i < 4 && i < value.data.size(); ++i) {
        number |= static_cast<uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
      }
      char text[16];
      std::snprintf(text, sizeof text, "dword:%08x", number);
      return text;
    }
    case RegistryType::kBinary: {
      std::string out = "hex:";
      for (size_t i = 0; i < value.data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x",
                      static_cast<unsigned char>(value.data[i]));
        out += byte;
      }
      return out;
    }
  }
  return {};
}

}  // namespace

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}

void RegistryStore::Load() {
  std::ifstream in(file_, std::ios::binary);
  if (!in) {
    keys_.clear();
    return;
  }
  std::ostringstream text;
  text << in.rdbuf();
  LoadFromText(text.str());
}

void RegistryStore::LoadFromText(std::string_view text) {
  keys_.clear();
  Key* current = nullptr;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineBytes) continue;
    if (line.starts_with("[") && line.ends_with("]") && line.size() >= 2) {
      std::string name = TrimKey(line.substr(1, line.size() - 2));
      if (name.empty()) {
        current = nullptr;
        continue;
      }
      Key& key = keys_[Lower(name)];
      if (key.name.empty()) key.name = name;
      current = &key;
      continue;
    }
    if (!current || !line.starts_with("\"")) continue;
    size_t pos = 0;
    auto name = Unquote(line, pos);
    if (!name || pos >= line.size() || line[pos] != '=') continue;
    auto value = ParseData(line.substr(pos + 1));
    if (value) current->values[*name] = *value;
  }
}

std::string RegistryStore::ToText() const {
  std::string out;
  for (const auto& [lower, key] : keys_) {
    out += "[" + key.name + "]\n";
    for (const auto& [name, value] : key.values) {
      out += Quote(name) + "=" + FormatData(value) + "\n";
    }
    out += "\n";
  }
  return out;
}

bool RegistryStore::CreateKey(std::string_view key) {
  std::string path = TrimKey(key);
  if (path.empty()) return false;
  bool added = false;
  for (size_t end = 0; end != std::string::npos;) {
    end = path.find('\\', end + 1);
    std::string prefix = path.substr(0, end);
    Key& entry = keys_[Lower(prefix)];
    if (entry.name.empty()) {
      entry.name = prefix;
      added = true;
    }
  }
  return !added || Save();
}

bool RegistryStore::KeyExists(std::string_view key) const {
  return keys_.contains(Lower(TrimKey(key)));
}

std::optional<RegistryValue> RegistryStore::Get(std::string_view key, std::string_view name) const {
  auto found = keys_.find(Lower(TrimKey(key)));
  if (found == keys_.end()) return std::nullopt;
  auto value = found->second.values.find(std::string(name));
  if (value == found->second.values.end()) return std::nullopt;
  return value->second;
}

bool RegistryStore::Set(std::string_view key, std::string_view name, const RegistryValue& value) {
  auto found = keys_.find(Lower(TrimKey(key)));
  if (found == keys_.end()) return false;
  found->second.values[std::string(name)] = value;
  return Save();
}

bool RegistryStore::Save() const {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  std::filesystem::path temporary = file_;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << ToText();
    out.flush();
    if (!out) return false;
  }
  std::filesystem::rename(temporary, file_, error);
  return !error;
}

}  // namespace rufo::platform
