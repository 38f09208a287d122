#include "core/files/csv_matrix.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "core/graph/vertex.h"

namespace tsp {
namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::size_t ShownCellBytes = 30;

struct Row {
  int Line = 0;
  std::vector<std::string> Cells;
};

bool IsBlank(const char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A cell without its surrounding blanks and quotes; doubled quotes inside stand for one.
std::string CellText(std::string_view raw) {
  std::string_view text = Trim(raw);
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::string(text);
  text = text.substr(1, text.size() - 2);
  std::string cell;
  for (std::size_t i = 0; i < text.size(); ++i) {
    cell += text[i];
    if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') ++i;
  }
  return std::string(Trim(cell));
}

std::vector<std::string> SplitCells(std::string_view line, const char separator) {
  std::vector<std::string> cells;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else if (line[i] == separator && !quoted) {
      cells.push_back(CellText(line.substr(start, i - start)));
      start = i + 1;
    }
  }
  cells.push_back(CellText(line.substr(start)));
  return cells;
}

// Tabs and semicolons never occur in a number, while a comma may be a decimal mark where the
// cells are separated by semicolons.
char DetectSeparator(std::string_view line) {
  bool quoted = false;
  bool semicolon = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\t') return '\t';
    if (c == ';') semicolon = true;
  }
  return semicolon ? ';' : ',';
}

// The non-blank lines with their numbers; line ends may be LF, CRLF or CR.
std::vector<std::pair<int, std::string_view>> Lines(std::string_view bytes) {
  std::vector<std::pair<int, std::string_view>> lines;
  int number = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r') continue;
    const std::string_view line = bytes.substr(start, i - start);
    if (line.find_first_not_of(' ') != std::string_view::npos) lines.emplace_back(number, line);
    if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') ++i;
    start = i + 1;
    ++number;
  }
  return lines;
}

// The vertex a one-letter cell names, either case; -1 for any other cell.
int VertexOf(std::string_view cell) {
  if (cell.size() != 1) return -1;
  const char c = cell[0];
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a';
  return -1;
}

bool IsHeaderRow(const std::vector<std::string>& cells) {
  const bool labels = std::all_of(cells.begin(), cells.end(), [](const std::string& cell) {
    return cell.empty() || VertexOf(cell) >= 0;
  });
  const bool anyLetter = std::any_of(cells.begin(), cells.end(),
                                     [](const std::string& cell) { return VertexOf(cell) >= 0; });
  return labels && anyLetter;
}

enum class Weight { None, Edge, NotANumber, OutOfRange };

// A decimal number with optional sign and fraction, judged exactly on its digits.
Weight ReadWeight(std::string_view text) {
  if (text.empty()) return Weight::None;
  if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction)) {
    return Weight::NotANumber;
  }
  while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
  const bool fractionZero = fraction.find_first_not_of('0') == std::string_view::npos;
  if (whole.empty() && fractionZero) return Weight::None;
  if (whole.size() > 3) return Weight::OutOfRange;
  const int value = whole.empty() ? 0 : std::stoi(std::string(whole));
  if (value > 100 || (value == 100 && !fractionZero)) return Weight::OutOfRange;
  return Weight::Edge;
}

std::string Place(const int line, const std::size_t cell) {
  return "Line " + std::to_string(line) + ", cell " + std::to_string(cell + 1);
}

// The cell in quotes after a blank when it can be shown as it is; long cells are cut.
std::string Shown(std::string_view cell) {
  const auto excerpt = Excerpt(cell, ShownCellBytes);
  return excerpt ? " \"" + *excerpt + "\"" : "";
}

std::string CellPlace(const int line, const std::size_t cell, std::string_view text) {
  const std::string shown = Shown(text);
  return Place(line, cell) + (shown.empty() ? "" : ":" + shown);
}

std::string LabelError(const int line, const std::size_t cell, const int vertex,
                       std::string_view found) {
  return Place(line, cell) + ": the header should name vertex " + VertexLetter(vertex) + ", not" +
         (found.empty() ? std::string(" an empty cell") : Shown(found)) + ".";
}

std::variant<GraphDocument, FileError> Read(std::string_view bytes,
                                            std::string_view iterationText) {
  if (bytes.substr(0, Bom.size()) == Bom) bytes.remove_prefix(Bom.size());
  const auto lines = Lines(bytes);
  if (lines.empty()) return FileError{"The file is empty: it holds no matrix."};

  const char separator = DetectSeparator(lines.front().second);
  std::vector<Row> rows;
  for (const auto& [number, line] : lines) rows.push_back({number, SplitCells(line, separator)});

  const bool headerRow = IsHeaderRow(rows.front().Cells);
  const std::size_t first = headerRow ? 1 : 0;
  if (first == rows.size()) return FileError{"The file holds a header row but no matrix."};
  const std::size_t headerColumn = VertexOf(rows[first].Cells.front()) >= 0 ? 1 : 0;
  // A header row without a corner cell above the header column.
  if (headerRow && headerColumn == 1 && rows.front().Cells.size() + 1 == rows[first].Cells.size()) {
    rows.front().Cells.insert(rows.front().Cells.begin(), std::string());
  }

  const std::size_t width = rows.front().Cells.size();
  for (const Row& row : rows) {
    if (row.Cells.size() != width) {
      return FileError{"Line " + std::to_string(row.Line) + " has " +
                       std::to_string(row.Cells.size()) + " cells, but line " +
                       std::to_string(rows.front().Line) + " has " + std::to_string(width) +
                       ": all rows must have the same length."};
    }
  }
  const std::size_t n = rows.size() - first;
  if (width - headerColumn != n) {
    return FileError{"The matrix has " + std::to_string(n) + " rows and " +
                     std::to_string(width - headerColumn) + " columns; it must be square."};
  }
  if (n > MaxVertices) {
    return FileError{"The matrix has " + std::to_string(n) + " vertices; at most " +
                     std::to_string(MaxVertices) + " are allowed."};
  }

  if (headerRow) {
    for (std::size_t column = 0; column < n; ++column) {
      const std::string& label = rows.front().Cells[column + headerColumn];
      if (VertexOf(label) != static_cast<int>(column)) {
        return FileError{
            LabelError(rows.front().Line, column + headerColumn, static_cast<int>(column), label)};
      }
    }
  }

  GraphDocument document;
  document.VertexCount = static_cast<int>(n);
  document.IterationText = std::string(iterationText);
  document.White.assign(n * n, "0");
  document.Red.assign(n * n, "1");
  for (std::size_t r = 0; r < n; ++r) {
    const Row& row = rows[first + r];
    if (headerColumn == 1 && VertexOf(row.Cells.front()) != static_cast<int>(r)) {
      return FileError{LabelError(row.Line, 0, static_cast<int>(r), row.Cells.front())};
    }
    for (std::size_t c = 0; c < n; ++c) {
      const std::string& cell = row.Cells[c + headerColumn];
      switch (ReadWeight(cell)) {
        case Weight::NotANumber:
          return FileError{CellPlace(row.Line, c + headerColumn, cell) + " is not a number."};
        case Weight::OutOfRange:
          return FileError{CellPlace(row.Line, c + headerColumn, cell) +
                           " is outside the weights -100 to 100."};
        case Weight::Edge:
          if (r == c) break;
          document.White[r * n + c] = "1";
          document.Red[r * n + c] = cell;
          break;
        case Weight::None:
          break;
      }
    }
  }
  return document;
}

}  // namespace

std::variant<GraphDocument, FileError> ReadCsvMatrix(std::string_view bytes,
                                                     std::string_view iterationText) {
  if (bytes.size() > MaxFileBytes) {
    return FileError{"The file is " + std::to_string(bytes.size()) + " bytes long; at most " +
                     std::to_string(MaxFileBytes) + " bytes are read."};
  }
  try {
    return Read(bytes, iterationText);
  } catch (const std::bad_alloc&) {
    return FileError{"Not enough memory to read the file."};
  }
}

}  // namespace tsp
