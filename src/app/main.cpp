#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "app/commands.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCoreApplication::setApplicationName(QStringLiteral("tsp-simulator"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TSP_VERSION));

  // Parsed before any window exists, so that help, version and reports need no display.
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Travelling-salesman simulator on small weighted graphs."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption report(
      QStringLiteral("report"),
      QStringLiteral(
          "Print the report of the graph in FILE, or of the example with that id, and exit."),
      QStringLiteral("FILE"));
  const QCommandLineOption json(QStringLiteral("json"),
                                QStringLiteral("With --report: print the report as JSON."));
  const QCommandLineOption listExamples(
      QStringLiteral("list-examples"),
      QStringLiteral("Print the id and title of every example graph and exit."));
  const QCommandLineOption example(QStringLiteral("example"),
                                   QStringLiteral("Start with the example graph ID open."),
                                   QStringLiteral("ID"));
  parser.addOption(report);
  parser.addOption(json);
  parser.addOption(listExamples);
  parser.addOption(example);
  parser.addPositionalArgument(
      QStringLiteral("file"), QStringLiteral("A graph to open: a .tspgraph file or a .csv matrix."),
      QStringLiteral("[FILE]"));
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("tsp-simulator"));
    std::printf("%s", qPrintable(text));
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("tsp-simulator %s\n", TSP_VERSION);
    return 0;
  }
  if (parser.isSet(listExamples)) return tsp::PrintExamples(stdout, stderr);
  if (parser.isSet(report))
    return tsp::PrintReport(parser.value(report), parser.isSet(json), stdout, stderr);
  const QStringList files = parser.positionalArguments();
  if (files.size() + (parser.isSet(example) ? 1 : 0) > 1) {
    std::fprintf(stderr, "Give at most one file or example to open.\n");
    return 2;
  }
  QString file = files.isEmpty() ? QString() : files.first();
  if (parser.isSet(example)) {
    const auto path = tsp::ExampleFile(parser.value(example), stderr);
    if (!path) return 2;
    file = *path;
  }
  return tsp::RunWindows(argc, argv, file);
}
