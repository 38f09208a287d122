#include "app/commands.h"

#include <QApplication>
#include <QFileInfo>

#include "app/examples.h"
#include "app/graph_files.h"
#include "app/navigator.h"
#include "core/graph/drawing.h"
#include "core/report/report.h"
#include "ui/look.h"
#include "ui/services.h"

namespace tsp {
namespace {

// The message box that also tells standard error, for files named on the command line.
class EchoingMessageBox final : public ui::MessageBox {
 public:
  bool Echo = false;

 protected:
  void Present(const QString& text) override {
    if (Echo) std::fprintf(stderr, "%s\n", qPrintable(text));
    box_.Show(text);
  }

 private:
  ui::QtMessageBox box_;
};

void PrintLine(std::FILE* stream, const QString& text) {
  std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

}  // namespace

int PrintReport(const QString& pathOrId, bool json, std::FILE* out, std::FILE* err) {
  QString path = pathOrId;
  if (!QFileInfo::exists(path)) {
    if (const QString example = ExamplePath(ExampleFolder(), pathOrId); !example.isEmpty()) {
      path = example;
    }
  }
  auto read = ReadGraphDocument(path, QStringLiteral("1"));
  QString error;
  if (const QString* what = std::get_if<QString>(&read)) error = *what;
  MatrixTexts texts;
  if (error.isEmpty()) {
    texts = BoxTextsOf(std::get<GraphDocument>(read));
    error = QString::fromStdString(MatrixFault(texts));
  }
  if (!error.isEmpty()) {
    std::fprintf(err, "%s\n", qPrintable(FileMessage(QStringLiteral("read"), path, error)));
    return 2;
  }
  const auto& document = std::get<GraphDocument>(read);
  const GraphReport report = MakeReport(BuildDrawing(document.VertexCount, texts));
  const std::string text = json ? ReportJson(report) : ReportText(report);
  std::fwrite(text.data(), 1, text.size(), out);
  return 0;
}

int PrintExamples(std::FILE* out, std::FILE* err) {
  const QString folder = ExampleFolder();
  const std::vector<Example> examples = ListExamples(folder);
  if (examples.empty()) {
    PrintLine(err, NoExamplesText(folder));
    return 2;
  }
  for (const Example& example : examples) PrintLine(out, example.Id + u'\t' + example.Title);
  return 0;
}

std::optional<QString> ExampleFile(const QString& id, std::FILE* err) {
  const QString folder = ExampleFolder();
  if (folder.isEmpty()) {
    PrintLine(err, NoExamplesText(folder));
    return std::nullopt;
  }
  const QString path = ExamplePath(folder, id);
  if (path.isEmpty()) {
    PrintLine(err, QStringLiteral("There is no example \"%1\": tsp-simulator --list-examples "
                                  "lists them.")
                       .arg(id.left(40)));
    return std::nullopt;
  }
  return path;
}

int RunWindows(int& argc, char** argv, const QString& fileToOpen) {
  QApplication app(argc, argv);
  ui::ApplyApplicationLook(app);
  // Lets desktops match the windows with the installed entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tspsimulator.TspSimulator"));
  EchoingMessageBox messages;
  ui::SteadyClock clock;
  ui::FixedRandomSource random;
  ui::QtFileDialog files;
  Navigator navigator(ui::Services{messages, clock, random, files});
  navigator.setOnEnd([] { QApplication::quit(); });
  navigator.start();
  if (!fileToOpen.isEmpty()) {
    messages.Echo = true;
    navigator.openGraphFile(fileToOpen);
    messages.Echo = false;
  }
  return QApplication::exec();
}

}  // namespace tsp
