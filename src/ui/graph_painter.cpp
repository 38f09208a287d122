#include "ui/graph_painter.h"

#include <QFont>
#include <QPainter>

#include "core/graph/ring.h"

namespace tsp::ui {

GraphPicture PictureOf(const Drawing& drawing, const std::vector<QColor>& lineColours) {
  GraphPicture picture;
  for (int v = 0; v < drawing.VertexCount(); ++v) {
    picture.Circles.push_back({ring::Places[v].Marker, ring::MarkerDiameter, Qt::white, true});
  }
  const auto& lines = drawing.Lines();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const ring::TwipPoint from = ring::Anchors[lines[k].From];
    const ring::TwipPoint to = ring::Anchors[lines[k].To];
    const QColor colour = k < lineColours.size() ? lineColours[k] : PlainLineColour;
    picture.Lines.push_back({from.X, from.Y, to.X, to.Y, colour, true});
  }
  for (int v = 0; v < drawing.VertexCount(); ++v) {
    picture.Labels.push_back({ring::Places[v].LetterBox, QString(QChar(VertexLetter(v))), Qt::white,
                              Qt::black, 13.5, true});
  }
  for (const DrawnLine& line : lines) {
    picture.Labels.push_back({ring::WeightBox(line.From, line.To),
                              QString::fromStdString(line.WeightText), Qt::black,
                              QColor(255, 255, 0), 0, false});
  }
  return picture;
}

QSize RingPixelSize() {
  return {TwipsToPixels(ring::Width), TwipsToPixels(ring::Height)};
}

void GraphPainter::Paint(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const CircleItem& circle : picture_.Circles) {
    if (!circle.Visible) continue;
    const QRect box = ToPixels(circle.Box);
    const int diameter = TwipsToPixels(circle.Diameter);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(circle.Fill);
    painter.drawEllipse(QRect(box.center().x() - diameter / 2, box.center().y() - diameter / 2,
                              diameter, diameter));
  }
  for (const LineItem& line : picture_.Lines) {
    if (!line.Visible) continue;
    painter.setPen(QPen(line.BorderColour, 2));
    painter.drawLine(TwipsToPixels(line.X1), TwipsToPixels(line.Y1), TwipsToPixels(line.X2),
                     TwipsToPixels(line.Y2));
  }
  for (const LabelItem& label : picture_.Labels) {
    const QRect box = ToPixels(label.Box);
    painter.fillRect(box, label.Background);
    QFont font = painter.font();
    if (label.PointSize > 0) font.setPointSizeF(label.PointSize);
    font.setBold(label.Bold);
    painter.setFont(font);
    painter.setPen(label.Foreground);
    painter.drawText(box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, label.Text);
  }
  painter.restore();
}

}  // namespace tsp::ui
