#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/graph/matrix.h"
#include "core/text/text_excerpt.h"

namespace tsp {

// Longer files are refused before they are read: a real graph file is a few kilobytes.
inline constexpr std::size_t MaxFileBytes = 1'048'576;
// A title fits on one line of a window; a description is a few sentences.
inline constexpr std::size_t MaxTitleCharacters = 80;
inline constexpr std::size_t MaxDescriptionCharacters = 1500;

// What the vertex-count and matrix screens hold, with every text exactly as typed.
struct GraphDocument {
  int VertexCount = 0;
  std::string IterationText;
  // VertexCount * VertexCount texts each, row-major: box (r, c) joins vertex r to vertex c.
  std::vector<std::string> White;
  std::vector<std::string> Red;
  // What the graph is and what it shows, empty when the file says nothing: UTF-8 of at most
  // MaxTitleCharacters and MaxDescriptionCharacters characters; the title is one line, the
  // description has no control characters but line breaks.
  std::string Title{};
  std::string Description{};

  bool operator==(const GraphDocument&) const = default;
};

// Why a file could not be read, in English, naming the place: line and column, or the key.
struct FileError {
  std::string What;

  bool operator==(const FileError&) const = default;
};

// The .tspgraph file of the document: UTF-8 JSON, one matrix row per line; the title and the
// description only when they are not empty.
std::string WriteGraphFile(const GraphDocument& document);

// Reads a .tspgraph file; never throws. Keys it does not know are ignored.
std::variant<GraphDocument, FileError> ReadGraphFile(std::string_view bytes);

// The document's boxes in the editor's hundred; boxes beyond its vertices keep the texts of a
// fresh editor.
MatrixTexts BoxTextsOf(const GraphDocument& document);
// The first vertexCount × vertexCount boxes as a document.
GraphDocument DocumentOf(int vertexCount, std::string iterationText, const MatrixTexts& texts);

}  // namespace tsp
