#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/graph/drawing.h"

class QPainter;

namespace tsp::ui {

// What paint draws, as a file of the given type ("png" or "svg"); empty for other types.
std::optional<QByteArray> EncodePicture(const QString& type, const QSize& size,
                                        const std::function<void(QPainter&)>& paint);

// Writes the drawing whole or not at all to path, as its extension asks: a PNG or SVG picture
// of the ring, with the lines in these colours on this background, or a Graphviz graph with
// every line that is not plain in its colour. Empty on success, else why it failed.
std::optional<QString> ExportDrawing(const QString& path, const Drawing& drawing,
                                     const std::vector<QColor>& lineColours,
                                     const QColor& background);

}  // namespace tsp::ui
