#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace tsp::ui {

// What paint draws, as a file of the given type ("png" or "svg"); empty for other types.
std::optional<QByteArray> EncodePicture(const QString& type, const QSize& size,
                                        const std::function<void(QPainter&)>& paint);

}  // namespace tsp::ui
