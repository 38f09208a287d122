#include "ui/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tsp::ui {

std::variant<QByteArray, QString> ReadFileBytes(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (!info.exists()) return QStringLiteral("The file does not exist.");
  if (info.isDir()) return QStringLiteral("This is a folder, not a file.");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
  }
  // The size on disk can lie (special files): read one byte more than allowed and look.
  QByteArray bytes = file.read(maxBytes + 1);
  if (bytes.size() > maxBytes) {
    return QStringLiteral("The file is larger than %1 bytes.").arg(maxBytes);
  }
  if (file.error() != QFileDevice::NoError) {
    return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
  }
  return bytes;
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("The file cannot be written: %1.").arg(file.errorString());
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    return QStringLiteral("The file cannot be written: %1.").arg(file.errorString());
  }
  return std::nullopt;
}

}  // namespace tsp::ui
