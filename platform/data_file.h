#pragma once

#include <cstdio>
#include <string>

namespace rufo::platform {

// The data tree was made on a case-insensitive file system with backslashes between names.
// Turns backslashes into slashes and finds each component of the path case-insensitively (an
// exact match wins). For writing, a final component that does not exist keeps its spelling.
std::string ResolveDataPath(const std::string& path);

// Opens a file with a C stream mode such as "rb", "wb", "rt" or "wtc"; characters that only
// mean something on other systems ('t', 'c') are dropped. nullptr when it cannot be opened.
std::FILE* OpenFile(const std::string& path, const char* mode);

}  // namespace rufo::platform
