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
  const QCommandLineOption report(QStringLiteral("report"),
                                  QStringLiteral("Print the report of the graph in FILE and exit."),
                                  QStringLiteral("FILE"));
  const QCommandLineOption json(QStringLiteral("json"),
                                QStringLiteral("With --report: print the report as JSON."));
  parser.addOption(report);
  parser.addOption(json);
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
  if (parser.isSet(report))
    return tsp::PrintReport(parser.value(report), parser.isSet(json), stdout, stderr);
  if (parser.positionalArguments().size() > 1) {
    std::fprintf(stderr, "Give at most one file to open.\n");
    return 2;
  }
  const QStringList files = parser.positionalArguments();
  return tsp::RunWindows(argc, argv, files.isEmpty() ? QString() : files.first());
}
