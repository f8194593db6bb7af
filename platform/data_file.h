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

// Opens a log to write at its end, emptied first when `replace` is set. Each line lands at the
// end even when another process adds lines to the same file meanwhile. nullptr when it cannot be
// opened.
std::FILE* OpenLogFile(const std::string& path, bool replace);

}  // namespace rufo::platform
