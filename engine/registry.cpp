#include <cstring>

#include "engine/interface.h"
#include "platform/folders.h"

namespace rufo {

using platform::RegistryType;

bool Interface::OpenAppKey(const char* appName, const char* title) {
  if (!appName || !*appName || !title || !*title) return false;
  std::string key = std::string("SOFTWARE\\") + appName + "\\" + title;
  if (key.size() >= 260) return false;
  registry_.emplace(platform::ConfigFolder() / "registry.txt");
  registry_->Load();
  if (!registry_->CreateKey(key) && !registry_->KeyExists(key)) {
    registry_.reset();
    return false;
  }
  appKey_ = key;
  return true;
}

void Interface::CloseAppKey() {
  registry_.reset();
  appKey_.clear();
}

bool Interface::SplitValuePath(const std::string& path, std::string* key,
                               std::string* value) const {
  if (!registry_) return false;
  const size_t slash = path.rfind('\\');
  if (slash == std::string::npos) {
    *key = appKey_;
    *value = path;
  } else {
    *key = appKey_ + "\\" + path.substr(0, slash);
    *value = path.substr(slash + 1);
  }
  return registry_->KeyExists(*key);
}

bool Interface::RegGet(const std::string& path, RegistryType type, std::string* data) {
  std::string key, name;
  if (!SplitValuePath(path, &key, &name)) return false;
  auto value = registry_->Get(key, name);
  if (!value || value->type != type) return false;
  *data = value->data;
  return true;
}

bool Interface::RegSet(const std::string& path, RegistryType type, std::string data) {
  std::string key, name;
  if (!SplitValuePath(path, &key, &name)) return false;
  return registry_->Set(key, name, {type, std::move(data)});
}

bool Interface::RegGetDword(const std::string& path, uint32_t* value) {
  std::string data;
  if (!RegGet(path, RegistryType::kDword, &data) || data.size() != 4) return false;
  std::memcpy(value, data.data(), 4);
  return true;
}

bool Interface::RegGetString(const std::string& path, char* buffer, uint32_t* size) {
  std::string data;
  if (!RegGet(path, RegistryType::kString, &data) || *size == 0) return false;
  // Like the registry, a buffer too small for the text and its terminator is refused.
  if (data.size() + 1 > *size) return false;
  std::memcpy(buffer, data.c_str(), data.size() + 1);
  *size = static_cast<uint32_t>(data.size() + 1);
  return true;
}

bool Interface::RegGetBytes(const std::string& path, void* buffer, uint32_t* size) {
  std::string data;
  if (!RegGet(path, RegistryType::kBinary, &data) || data.size() > *size) return false;
  std::memcpy(buffer, data.data(), data.size());
  *size = static_cast<uint32_t>(data.size());
  return true;
}

bool Interface::RegSetDword(const std::string& path, uint32_t value) {
  return RegSet(path, RegistryType::kDword, std::string(reinterpret_cast<char*>(&value), 4));
}

bool Interface::RegSetString(const std::string& path, const std::string& text) {
  return RegSet(path, RegistryType::kString, text);
}

bool Interface::RegSetBytes(const std::string& path, const void* buffer, uint32_t length) {
  return RegSet(path, RegistryType::kBinary, std::string(static_cast<const char*>(buffer), length));
}

}  // namespace rufo
