#include "ui/picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "core/files/graphviz.h"
#include "ui/files.h"
#include "ui/graph_painter.h"

namespace tsp::ui {

std::optional<QByteArray> EncodePicture(const QString& type, const QSize& size,
                                        const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (type == QLatin1String("png")) {
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    image.save(&buffer, "PNG");
    return bytes;
  }
  if (type == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    QPainter painter(&svg);
    paint(painter);
    painter.end();
    return bytes;
  }
  return std::nullopt;
}

std::optional<QString> ExportDrawing(const QString& path, const Drawing& drawing,
                                     const std::vector<QColor>& lineColours,
                                     const QColor& background) {
  const QString type = QFileInfo(path).suffix().toLower();
  std::optional<QByteArray> bytes;
  if (type == QLatin1String("dot") || type == QLatin1String("gv")) {
    std::vector<std::string> names;
    for (const QColor& colour : lineColours) {
      names.push_back(colour == PlainLineColour ? std::string() : colour.name().toStdString());
    }
    bytes = QByteArray::fromStdString(GraphvizText(drawing, names));
  } else {
    const GraphPicture picture = PictureOf(drawing, lineColours);
    bytes = EncodePicture(type, RingPixelSize(), [&](QPainter& painter) {
      painter.fillRect(QRect(QPoint(), RingPixelSize()), background);
      GraphPainter(picture).Paint(painter);
    });
  }
  if (!bytes) return QStringLiteral("name the file .png, .svg or .dot.");
  return WriteFileAtomically(path, *bytes);
}

}  // namespace tsp::ui
