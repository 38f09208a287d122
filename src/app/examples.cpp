#include "app/examples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <variant>

#include "app/graph_files.h"

namespace tsp {
namespace {

const QString Suffix = QStringLiteral(".tspgraph");

bool IsExampleId(const QString& id) {
  static const QRegularExpression pattern(QStringLiteral("^[a-z0-9][a-z0-9-]*$"));
  return pattern.match(id).hasMatch();
}

// The folder of the running program; QCoreApplication knows it only once it exists, and the
// command line's reports run without one.
QString ProgramFolder() {
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

}  // namespace

QStringList ExampleFolderCandidates() {
  const QString program = ProgramFolder();
  return {QDir::cleanPath(program + QStringLiteral("/examples")),
          QDir::cleanPath(program + QStringLiteral("/" TSP_EXAMPLES_FROM_BINARY)),
          QStringLiteral(TSP_EXAMPLES_INSTALLED)};
}

QString ExampleFolder() {
  for (const QString& folder : ExampleFolderCandidates()) {
    if (QFileInfo(folder).isDir()) return folder;
  }
  return {};
}

QString NoExamplesText(const QString& folder) {
  return QStringLiteral("No example graphs were found: the program looked in %1.")
      .arg(folder.isEmpty() ? ExampleFolderCandidates().join(QStringLiteral(", "))
                            : QDir::toNativeSeparators(folder));
}

std::vector<Example> ListExamples(const QString& folder) {
  std::vector<Example> examples;
  if (folder.isEmpty()) return examples;
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files, QDir::Name);
  for (const QFileInfo& file : files) {
    const QString id = file.completeBaseName();
    if (!IsExampleId(id)) continue;
    const auto read = ReadGraphDocument(file.filePath(), QStringLiteral("1"));
    const auto* document = std::get_if<GraphDocument>(&read);
    if (document == nullptr) continue;
    const QString title = QString::fromStdString(document->Title);
    examples.push_back({id, file.filePath(), title.isEmpty() ? id : title,
                        QString::fromStdString(document->Description)});
  }
  return examples;
}

QString ExamplePath(const QString& folder, const QString& id) {
  if (folder.isEmpty() || !IsExampleId(id)) return {};
  const QFileInfo file(QDir(folder).filePath(id + Suffix));
  return file.isFile() ? file.filePath() : QString();
}

}  // namespace tsp
