#include "app/graph_files.h"

#include <QDir>
#include <QFileInfo>

#include "core/files/csv_matrix.h"
#include "ui/files.h"

namespace tsp {

std::variant<GraphDocument, QString> ReadGraphDocument(const QString& path,
                                                       const QString& iterationText) {
  auto bytes = ui::ReadFileBytes(path, static_cast<qint64>(MaxFileBytes));
  if (const QString* error = std::get_if<QString>(&bytes)) return *error;
  const QByteArray& data = std::get<QByteArray>(bytes);
  const std::string_view text(data.constData(), static_cast<std::size_t>(data.size()));
  const bool csv = QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
  auto read = csv ? ReadCsvMatrix(text, iterationText.toStdString()) : ReadGraphFile(text);
  if (const FileError* error = std::get_if<FileError>(&read)) {
    return QString::fromStdString(error->What);
  }
  return std::get<GraphDocument>(std::move(read));
}

std::optional<QString> WriteGraphDocument(const QString& path, const GraphDocument& document) {
  return ui::WriteFileAtomically(path, QByteArray::fromStdString(WriteGraphFile(document)));
}

QString FileMessage(const QString& verb, const QString& path, const QString& what) {
  return QStringLiteral("Cannot %1 %2: %3").arg(verb, QDir::toNativeSeparators(path), what);
}

}  // namespace tsp
