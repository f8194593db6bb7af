#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace rufo::demogen {

// One token of a description line: a bare word, a "quoted text" or a key=value pair.
struct Token {
  std::string key;  // empty unless key=value
  std::string value;
  bool quoted = false;
};

// A line of a description and the indented lines below it.
struct Statement {
  std::string keyword;
  std::vector<Token> tokens;  // after the keyword
  std::vector<Statement> children;
  std::string where;  // "file:line", for messages

  // Positional tokens (neither key=value nor quoted), in order.
  std::vector<std::string> Words() const;
  const std::string& Word(size_t index) const;  // throws when missing
  int Int(size_t index) const;                  // throws when missing or not a whole number
  double Real(size_t index) const;
  bool HasWord(const std::string& word) const;
  bool HasOption(const std::string& key) const;
  std::string Option(const std::string& key, const std::string& fallback) const;
  int IntOption(const std::string& key, int fallback) const;
  double RealOption(const std::string& key, double fallback) const;
  std::string Quoted() const;  // the first quoted text; throws when there is none
};

// A fault in a description, with its place.
class DescriptionError : public std::runtime_error {
 public:
  DescriptionError(const std::string& where, const std::string& message)
      : std::runtime_error(where + ": " + message) {}
};

// Reads a description: '#' starts a comment (outside quotes), blank lines are skipped, a line
// that starts with blanks belongs to the last line that did not. Texts are UTF-8; a quoted
// text may hold \" and \\. `name` is used in messages.
std::vector<Statement> ParseDescription(const std::string& text, const std::string& name);
std::vector<Statement> ReadDescriptionFile(const std::filesystem::path& path);

}  // namespace rufo::demogen
