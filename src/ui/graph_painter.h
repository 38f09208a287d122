#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <vector>

#include "core/graph/colour.h"
#include "core/graph/drawing.h"
#include "ui/geometry.h"

class QPainter;

namespace tsp::ui {

inline QColor ToQColor(Rgb colour) {
  return QColor(colour.Red, colour.Green, colour.Blue);
}
inline Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// A straight line between two points in twips.
struct LineItem {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  QColor BorderColour = Qt::black;
  bool Visible = false;
};

// A circle centred in its box (twips).
struct CircleItem {
  Place Box;
  int Diameter = 0;
  QColor Fill = Qt::white;
  bool Visible = false;
};

// A text in a filled box, as the graph view's letter and weight boxes show theirs.
struct LabelItem {
  Place Box;
  QString Text;
  QColor Background;
  QColor Foreground;
  double PointSize = 0;  // 0: the application's size
  bool Bold = false;
};

// Everything a picture of the graph shows, in twips: the vertex markers, the lines in their
// colours and, where no text boxes of a window stand over them, the letters and weights.
struct GraphPicture {
  std::vector<CircleItem> Circles;
  std::vector<LineItem> Lines;
  std::vector<LabelItem> Labels;
};

// The graph on its ring as the graph view draws it: its vertices, its lines in the colours
// given by line id (the plain line colour where none is given) and its letters and weights.
GraphPicture PictureOf(const Drawing& drawing, const std::vector<QColor>& lineColours = {});
// The colour of a line that no run has coloured.
inline const QColor PlainLineColour = SystemColour::Desktop;
// The size of a picture of the ring, in pixels at 96 dots per inch.
QSize RingPixelSize();

// Paints a picture of the graph on any painter: a window, an image, an SVG file or a page.
// Twips become pixels at 96 dots per inch; scale the painter for other devices.
class GraphPainter {
 public:
  explicit GraphPainter(const GraphPicture& picture) : picture_(picture) {}
  void Paint(QPainter& painter) const;

 private:
  const GraphPicture& picture_;
};

}  // namespace tsp::ui
