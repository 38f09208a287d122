#include "core/files/graphviz.h"

namespace tsp {

std::string GraphvizText(const Drawing& drawing, const std::vector<std::string>& lineColours) {
  std::string text = "graph tsp {\n  node [shape=circle];\n";
  for (int v = 0; v < drawing.VertexCount(); ++v) {
    text += "  ";
    text += VertexLetter(v);
    text += ";\n";
  }
  const std::vector<DrawnLine>& lines = drawing.Lines();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    text += "  ";
    text += VertexLetter(lines[k].From);
    text += " -- ";
    text += VertexLetter(lines[k].To);
    text += " [label=\"" + std::to_string(lines[k].Weight) + "\"";
    if (k < lineColours.size() && !lineColours[k].empty()) {
      text += ", color=\"" + lineColours[k] + "\", penwidth=3";
    }
    text += "];\n";
  }
  return text + "}\n";
}

}  // namespace tsp
