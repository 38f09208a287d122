#include "core/files/graph_file.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <exception>
#include <limits>
#include <new>
#include <optional>

#include <nlohmann/json.hpp>

#include "core/graph/vertex.h"

namespace tsp {
namespace {

using nlohmann::json;

constexpr std::string_view FormatName = "tsp-simulator-graph";
constexpr int FormatVersion = 1;
constexpr char HexDigits[] = "0123456789abcdef";

// Texts that are not UTF-8 cannot be JSON strings; they are kept as {"hex": "..."}.
std::string TextValue(const std::string& text) {
  if (IsValidUtf8(text)) return json(text).dump(-1, ' ', false, json::error_handler_t::strict);
  std::string hex = "{\"hex\": \"";
  for (const unsigned char byte : text) {
    hex += HexDigits[byte >> 4];
    hex += HexDigits[byte & 15];
  }
  return hex + "\"}";
}

void WriteMatrix(std::string& out, std::string_view key, const std::vector<std::string>& texts,
                 const int n) {
  out += "  \"";
  out += key;
  out += "\": [\n";
  for (int row = 0; row < n; ++row) {
    out += "    [";
    for (int column = 0; column < n; ++column) {
      if (column > 0) out += ", ";
      out += TextValue(texts[row * n + column]);
    }
    out += row + 1 < n ? "],\n" : "]\n";
  }
  out += "  ]";
}

int HexValue(const char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> ReadText(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (!value.is_object() || value.size() != 1 || !value.contains("hex")) return std::nullopt;
  const json& hex = value["hex"];
  if (!hex.is_string()) return std::nullopt;
  const std::string& digits = hex.get_ref<const std::string&>();
  if (digits.size() % 2 != 0) return std::nullopt;
  std::string text;
  text.reserve(digits.size() / 2);
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexValue(digits[i]);
    const int low = HexValue(digits[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
  }
  return text;
}

std::optional<long long> WholeValue(const json& value) {
  if (value.is_number_unsigned()) {
    const auto whole = value.get<std::uint64_t>();
    constexpr auto largest = std::numeric_limits<long long>::max();
    return whole > static_cast<std::uint64_t>(largest) ? largest : static_cast<long long>(whole);
  }
  if (value.is_number_integer()) return value.get<std::int64_t>();
  return std::nullopt;
}

std::string Key(std::string_view key) {
  return "Key \"" + std::string(key) + "\"";
}

std::string Place(std::string_view key, const int row) {
  return Key(key) + ", row " + std::to_string(row + 1) + " (" + VertexLetter(row) + ")";
}

// Line and column (in characters) of the byte at the offset, both from 1.
std::string LineAndColumn(std::string_view bytes, std::size_t offset) {
  offset = std::min(offset, bytes.size());
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\n') {
      ++line;
      column = 1;
    } else if ((byte & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// nlohmann's message reads "[json.exception...] parse error at ...: syntax error while parsing
// value - invalid literal; last read: '...'; expected ...": the part after " - " says what is
// wrong; the place is counted here in characters and the bytes read are left out.
std::string ParseProblem(const std::string& message) {
  const std::size_t dash = message.find(" - ");
  if (dash == std::string::npos) return "syntax error";
  std::string problem = message.substr(dash + 3);
  const std::size_t last = problem.find("; last read: ");
  if (last == std::string::npos) return problem;
  const std::size_t expected = problem.rfind("; expected ");
  const std::string hint =
      expected == std::string::npos || expected < last ? "" : problem.substr(expected);
  problem.resize(last);
  return problem + hint;
}

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](const char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// What keeps a title or description from being shown as it is: empty when nothing does.
std::string NoteFault(std::string_view key, std::string_view text, const std::size_t longest,
                      const bool lines) {
  if (!IsValidUtf8(text)) return Key(key) + " is not UTF-8 text.";
  if (const std::size_t count = CharacterCount(text); count > longest) {
    return Key(key) + " is " + std::to_string(count) + " characters long; at most " +
           std::to_string(longest) + " are allowed.";
  }
  const bool control = std::any_of(text.begin(), text.end(), [lines](const char c) {
    const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
    return (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) && !(lines && lineBreak);
  });
  if (!control) return "";
  return Key(key) + (lines ? " holds a control character; only line breaks and tabs are allowed."
                           : " must be one line, without control characters.");
}

[[maybe_unused]] std::string NoteFault(const GraphDocument& document) {
  std::string fault = NoteFault("title", document.Title, MaxTitleCharacters, false);
  if (fault.empty()) {
    fault = NoteFault("description", document.Description, MaxDescriptionCharacters, true);
  }
  return fault;
}

// An optional text of the file; absent is empty.
std::optional<std::string> ReadNote(const json& file, std::string_view key,
                                    const std::size_t longest, const bool lines, FileError& error) {
  if (!file.contains(key)) return std::string();
  const json& value = file[key];
  if (!value.is_string()) {
    error.What = Key(key) + " must be a text.";
    return std::nullopt;
  }
  std::string text = value.get<std::string>();
  error.What = NoteFault(key, text, longest, lines);
  if (!error.What.empty()) return std::nullopt;
  return text;
}

std::optional<std::vector<std::string>> ReadMatrix(const json& file, std::string_view key,
                                                   const int n, FileError& error) {
  if (!file.contains(key)) {
    error.What = "The " + std::string(key) + " matrix is missing: no key \"" + std::string(key) +
                 "\" in the file.";
    return std::nullopt;
  }
  const json& rows = file[key];
  if (!rows.is_array()) {
    error.What = Key(key) + " must be a list of rows.";
    return std::nullopt;
  }
  if (rows.size() != static_cast<std::size_t>(n)) {
    error.What = Key(key) + " has " + std::to_string(rows.size()) + " rows; " + std::to_string(n) +
                 " vertices need " + std::to_string(n) + ".";
    return std::nullopt;
  }
  std::vector<std::string> texts;
  texts.reserve(n * n);
  for (int row = 0; row < n; ++row) {
    const json& boxes = rows[row];
    if (!boxes.is_array()) {
      error.What = Place(key, row) + " must be a list of texts.";
      return std::nullopt;
    }
    if (boxes.size() != static_cast<std::size_t>(n)) {
      error.What = Place(key, row) + " has " + std::to_string(boxes.size()) + " boxes; " +
                   std::to_string(n) + " vertices need " + std::to_string(n) + ".";
      return std::nullopt;
    }
    for (int column = 0; column < n; ++column) {
      auto text = ReadText(boxes[column]);
      if (!text) {
        error.What = Place(key, row) + ", column " + std::to_string(column + 1) + " (" +
                     VertexLetter(column) + ") must be a text.";
        return std::nullopt;
      }
      texts.push_back(std::move(*text));
    }
  }
  return texts;
}

std::variant<GraphDocument, FileError> ReadParsed(const json& file) {
  if (!file.is_object()) return FileError{"Not a graph file: the JSON is not an object."};
  if (!file.contains("format") || !file["format"].is_string()) {
    return FileError{"Not a graph file: the key \"format\" is missing or not a text."};
  }
  if (file["format"].get_ref<const std::string&>() != FormatName) {
    return FileError{"Not a graph file: " + Key("format") + " should read \"" +
                     std::string(FormatName) + "\"."};
  }
  if (!file.contains("version")) return FileError{Key("version") + " is missing."};
  const auto version = WholeValue(file["version"]);
  if (!version) return FileError{Key("version") + " must be a whole number."};
  if (*version > FormatVersion) {
    return FileError{"The file has format version " + std::to_string(*version) +
                     "; this program reads version " + std::to_string(FormatVersion) +
                     " and older. A newer version of the program is needed."};
  }
  if (*version < 1) {
    return FileError{Key("version") + " is " + std::to_string(*version) + "; versions start at 1."};
  }

  GraphDocument document;
  if (!file.contains("vertexCount")) return FileError{Key("vertexCount") + " is missing."};
  const auto count = WholeValue(file["vertexCount"]);
  if (!count) return FileError{Key("vertexCount") + " must be a whole number."};
  if (*count < 1 || *count > MaxVertices) {
    return FileError{Key("vertexCount") + " is " + std::to_string(*count) +
                     "; it must be from 1 to " + std::to_string(MaxVertices) + "."};
  }
  document.VertexCount = static_cast<int>(*count);

  if (!file.contains("iterations")) return FileError{Key("iterations") + " is missing."};
  auto iterations = ReadText(file["iterations"]);
  if (!iterations) return FileError{Key("iterations") + " must be a text."};
  document.IterationText = std::move(*iterations);

  FileError error;
  auto white = ReadMatrix(file, "white", document.VertexCount, error);
  if (!white) return error;
  auto red = ReadMatrix(file, "red", document.VertexCount, error);
  if (!red) return error;
  document.White = std::move(*white);
  document.Red = std::move(*red);

  auto title = ReadNote(file, "title", MaxTitleCharacters, false, error);
  if (!title) return error;
  auto description = ReadNote(file, "description", MaxDescriptionCharacters, true, error);
  if (!description) return error;
  document.Title = std::move(*title);
  document.Description = std::move(*description);
  return document;
}

}  // namespace

std::string WriteGraphFile(const GraphDocument& document) {
  const int n = document.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  assert(document.White.size() == static_cast<std::size_t>(n * n));
  assert(document.Red.size() == static_cast<std::size_t>(n * n));
  assert(NoteFault(document).empty());

  std::string out = "{\n  \"format\": \"";
  out += FormatName;
  out += "\",\n  \"version\": " + std::to_string(FormatVersion) + ",\n";
  if (!document.Title.empty()) out += "  \"title\": " + TextValue(document.Title) + ",\n";
  if (!document.Description.empty()) {
    out += "  \"description\": " + TextValue(document.Description) + ",\n";
  }
  out += "  \"vertexCount\": " + std::to_string(n) + ",\n";
  out += "  \"iterations\": " + TextValue(document.IterationText) + ",\n";
  WriteMatrix(out, "white", document.White, n);
  out += ",\n";
  WriteMatrix(out, "red", document.Red, n);
  out += "\n}\n";
  return out;
}

std::variant<GraphDocument, FileError> ReadGraphFile(std::string_view bytes) {
  if (bytes.size() > MaxFileBytes) {
    return FileError{"The file is " + std::to_string(bytes.size()) + " bytes long; at most " +
                     std::to_string(MaxFileBytes) + " bytes are read."};
  }
  try {
    json file;
    try {
      file = json::parse(bytes.begin(), bytes.end());
    } catch (const json::parse_error& e) {
      // e.byte counts from 1 and points at the last byte read, where the problem shows.
      const std::size_t offset = e.byte > 0 ? e.byte - 1 : 0;
      return FileError{"Not a JSON file: " + ParseProblem(e.what()) + " at " +
                       LineAndColumn(bytes, offset) + "."};
    }
    return ReadParsed(file);
  } catch (const std::bad_alloc&) {
    return FileError{"Not enough memory to read the file."};
  } catch (const std::exception& e) {
    return FileError{std::string("The file could not be read: ") + e.what()};
  }
}

MatrixTexts BoxTextsOf(const GraphDocument& document) {
  const int n = document.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  assert(document.White.size() == static_cast<std::size_t>(n * n) &&
         document.Red.size() == document.White.size());
  MatrixTexts texts = MatrixTexts::Blank();
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      texts.White[BoxIndex(r, c)] = document.White[r * n + c];
      texts.Red[BoxIndex(r, c)] = document.Red[r * n + c];
    }
  }
  return texts;
}

GraphDocument DocumentOf(int vertexCount, std::string iterationText, const MatrixTexts& texts) {
  assert(vertexCount >= 1 && vertexCount <= MaxVertices);
  GraphDocument document{vertexCount, std::move(iterationText), {}, {}};
  for (int r = 0; r < vertexCount; ++r) {
    for (int c = 0; c < vertexCount; ++c) {
      document.White.push_back(texts.White[BoxIndex(r, c)]);
      document.Red.push_back(texts.Red[BoxIndex(r, c)]);
    }
  }
  return document;
}

}  // namespace tsp
