#include "ui/picture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

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

}  // namespace tsp::ui
