#pragma once

#include <string>
#include <string_view>

namespace rufo::platform {

// Texts in the game's files, messages and log are Windows-1250 bytes; the system around us
// speaks UTF-8. Bytes and characters with no counterpart become '?'.
std::string Cp1250ToUtf8(std::string_view cp1250);
std::string Utf8ToCp1250(std::string_view utf8);
// Text for people to read (the log, standard error, the trace), whose bytes may come from the
// game (Windows-1250) or from the system (paths in UTF-8): kept when it is valid UTF-8 already,
// otherwise taken as Windows-1250.
std::string ReadableUtf8(std::string_view text);
// One Unicode code point to its Windows-1250 byte; 0 when it has none.
unsigned char Cp1250FromCodePoint(char32_t codePoint);

}  // namespace rufo::platform
