#include "tools/demogen/description.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace rufo::demogen {
namespace {

std::vector<Token> Tokenize(const std::string& line, const std::string& where) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '#') break;
    Token token;
    size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
           line[i] != '"' && line[i] != '=') {
      ++i;
    }
    if (i < line.size() && line[i] == '=') {
      token.key = line.substr(start, i - start);
      if (token.key.empty()) throw DescriptionError(where, "'=' without a key");
      start = ++i;
    }
    if (i < line.size() && line[i] == '"') {
      if (i != start) throw DescriptionError(where, "quote inside a word");
      token.quoted = token.key.empty();
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
          token.value += line[i + 1];
          i += 2;
        } else if (line[i] == '"') {
          closed = true;
          ++i;
          break;
        } else {
          token.value += line[i++];
        }
      }
      if (!closed) throw DescriptionError(where, "unclosed quote");
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '"') {
        ++i;
      }
      token.value = line.substr(start, i - start);
      if (i < line.size() && line[i] == '"') throw DescriptionError(where, "quote inside a word");
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

}  // namespace

std::vector<std::string> Statement::Words() const {
  std::vector<std::string> words;
  for (const Token& token : tokens) {
    if (token.key.empty() && !token.quoted) words.push_back(token.value);
  }
  return words;
}

const std::string& Statement::Word(size_t index) const {
  size_t seen = 0;
  for (const Token& token : tokens) {
    if (!token.key.empty() || token.quoted) continue;
    if (seen++ == index) return token.value;
  }
  throw DescriptionError(
      where, keyword + " needs at least " + std::to_string(index + 1) + " plain values");
}

int Statement::Int(size_t index) const {
  const std::string& word = Word(index);
  int value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) {
    throw DescriptionError(where, "\"" + word + "\" is not a whole number");
  }
  return value;
}

double Statement::Real(size_t index) const {
  const std::string& word = Word(index);
  try {
    size_t used = 0;
    const double value = std::stod(word, &used);
    if (used == word.size()) return value;
  } catch (const std::logic_error&) {
  }
  throw DescriptionError(where, "\"" + word + "\" is not a number");
}

bool Statement::HasWord(const std::string& word) const {
  for (const Token& token : tokens) {
    if (token.key.empty() && !token.quoted && token.value == word) return true;
  }
  return false;
}

bool Statement::HasOption(const std::string& key) const {
  for (const Token& token : tokens) {
    if (token.key == key) return true;
  }
  return false;
}

std::string Statement::Option(const std::string& key, const std::string& fallback) const {
  for (const Token& token : tokens) {
    if (token.key == key) return token.value;
  }
  return fallback;
}

int Statement::IntOption(const std::string& key, int fallback) const {
  if (!HasOption(key)) return fallback;
  const std::string text = Option(key, "");
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw DescriptionError(where, key + "= needs a whole number");
  }
  return value;
}

double Statement::RealOption(const std::string& key, double fallback) const {
  if (!HasOption(key)) return fallback;
  const std::string text = Option(key, "");
  try {
    size_t used = 0;
    const double value = std::stod(text, &used);
    if (used == text.size()) return value;
  } catch (const std::logic_error&) {
  }
  throw DescriptionError(where, key + "= needs a number");
}

std::string Statement::Quoted() const {
  for (const Token& token : tokens) {
    if (token.quoted) return token.value;
  }
  throw DescriptionError(where, keyword + " needs a quoted text");
}

std::vector<Statement> ParseDescription(const std::string& text, const std::string& name) {
  std::vector<Statement> statements;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const std::string where = name + ":" + std::to_string(number);
    std::vector<Token> tokens = Tokenize(line, where);
    if (tokens.empty()) continue;
    if (!tokens[0].key.empty() || tokens[0].quoted) {
      throw DescriptionError(where, "a line starts with a keyword");
    }
    Statement statement;
    statement.keyword = tokens[0].value;
    statement.tokens.assign(tokens.begin() + 1, tokens.end());
    statement.where = where;
    const bool indented = line[0] == ' ' || line[0] == '\t';
    if (indented) {
      if (statements.empty()) throw DescriptionError(where, "indented line without a block");
      statements.back().children.push_back(std::move(statement));
    } else {
      statements.push_back(std::move(statement));
    }
  }
  return statements;
}

std::vector<Statement> ReadDescriptionFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DescriptionError(path.string(), "cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseDescription(text.str(), path.filename().string());
}

}  // namespace rufo::demogen
