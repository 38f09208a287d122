#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "app/graph_files.h"
#include "app/navigator.h"
#include "core/graph/drawing.h"
#include "core/report/report.h"
#include "ui/look.h"
#include "ui/services.h"

namespace {

// The message box that also tells standard error, for files named on the command line.
class EchoingMessageBox final : public tsp::ui::MessageBox {
 protected:
  void Present(const QString& text) override {
    if (Echo) std::fprintf(stderr, "%s\n", qPrintable(text));
    box_.Show(text);
  }

 public:
  bool Echo = false;

 private:
  tsp::ui::QtMessageBox box_;
};

// Prints the report of a graph file; 2 when the file cannot be used.
int PrintReport(const QString& path, bool json) {
  auto read = tsp::ReadGraphDocument(path, QStringLiteral("1"));
  QString error;
  if (const QString* what = std::get_if<QString>(&read)) error = *what;
  tsp::MatrixTexts texts;
  if (error.isEmpty()) {
    texts = tsp::BoxTextsOf(std::get<tsp::GraphDocument>(read));
    error = QString::fromStdString(tsp::MatrixFault(texts));
  }
  if (!error.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(tsp::FileMessage(QStringLiteral("read"), path, error)));
    return 2;
  }
  const auto& document = std::get<tsp::GraphDocument>(read);
  const tsp::GraphReport report = tsp::MakeReport(tsp::BuildDrawing(document.VertexCount, texts));
  const std::string text = json ? tsp::ReportJson(report) : tsp::ReportText(report);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace

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
  if (parser.isSet(report)) return PrintReport(parser.value(report), parser.isSet(json));
  if (parser.positionalArguments().size() > 1) {
    std::fprintf(stderr, "Give at most one file to open.\n");
    return 2;
  }

  QApplication app(argc, argv);
  tsp::ui::ApplyApplicationLook(app);
  // Lets desktops match the windows with the installed entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tspsimulator.TspSimulator"));
  EchoingMessageBox messages;
  tsp::ui::SteadyClock clock;
  tsp::ui::FixedRandomSource random;
  tsp::ui::QtFileDialog files;
  tsp::Navigator navigator(tsp::ui::Services{messages, clock, random, files});
  navigator.setOnEnd([] { QApplication::quit(); });
  navigator.start();
  if (!parser.positionalArguments().isEmpty()) {
    messages.Echo = true;
    navigator.openGraphFile(parser.positionalArguments().first());
    messages.Echo = false;
  }
  return QApplication::exec();
}
