#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/commands.h"
#include "app/worksheets.h"
#include "core/worksheet/sheet_generator.h"

namespace {

QString IdList(const std::vector<std::string>& ids) {
  QStringList list;
  for (const std::string& id : ids) list << QString::fromStdString(id);
  return list.join(QStringLiteral(", "));
}

// The options of --worksheet.
struct WorksheetFlags {
  QCommandLineOption Sheets{QStringLiteral("worksheet"),
                            QStringLiteral("Write a worksheet per student to FILE (PDF, A4), "
                                           "each with its own graph, and exit; needs --key."),
                            QStringLiteral("FILE")};
  QCommandLineOption Key{QStringLiteral("key"),
                         QStringLiteral("With --worksheet: write the answer key to FILE (PDF)."),
                         QStringLiteral("FILE")};
  QCommandLineOption Count{QStringLiteral("count"),
                           QStringLiteral("With --worksheet: how many sheets, 1 to %1 (default 1).")
                               .arg(tsp::MaxWorksheetCount),
                           QStringLiteral("N")};
  QCommandLineOption Vertices{QStringLiteral("vertices"),
                              QStringLiteral("With --worksheet: the vertices of each graph, %1 to "
                                             "%2 (default 6).")
                                  .arg(tsp::MinSheetVertices)
                                  .arg(tsp::MaxSheetVertices),
                              QStringLiteral("N")};
  QCommandLineOption Seed{QStringLiteral("seed"),
                          QStringLiteral("With --worksheet: 0 to 4294967295 (default 1); the same "
                                         "seed gives the same sheets on every machine."),
                          QStringLiteral("N")};
  QCommandLineOption Metric{
      QStringLiteral("metric"),
      QStringLiteral("With --worksheet: graphs in which every triangle holds.")};
  QCommandLineOption Questions{
      QStringLiteral("questions"),
      QStringLiteral("With --worksheet: the questions, separated by commas, out of %1 (default: "
                     "%2).")
          .arg(IdList(tsp::QuestionIds()), IdList(tsp::DefaultQuestions())),
      QStringLiteral("IDS")};
  QCommandLineOption Graphs{QStringLiteral("graphs"),
                            QStringLiteral("With --worksheet: also write each sheet's graph to "
                                           "DIR as sheet-SEED-N.tspgraph."),
                            QStringLiteral("DIR")};

  std::vector<const QCommandLineOption*> All() const {
    return {&Sheets, &Key, &Count, &Vertices, &Seed, &Metric, &Questions, &Graphs};
  }
  bool AnySet(const QCommandLineParser& parser) const {
    const auto all = All();
    return std::any_of(all.begin(), all.end(), [&parser](const QCommandLineOption* option) {
      return parser.isSet(*option);
    });
  }
};

QString Dashed(const QCommandLineOption& option) {
  return QStringLiteral("--") + option.names().first();
}

// Whether two paths name one file: through links where it exists, else as written.
bool SamePlace(const QString& a, const QString& b) {
  const auto place = [](const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
  };
  return place(a) == place(b);
}

// A whole number in decimal digits only, from low to high.
std::optional<std::int64_t> WholeNumber(const QString& text, std::int64_t low, std::int64_t high) {
  if (text.isEmpty() || text.size() > 12) return std::nullopt;
  std::int64_t value = 0;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

// The worksheet options given, or the one line that says what is wrong with them.
std::variant<tsp::WorksheetOptions, QString> ReadWorksheetOptions(const QCommandLineParser& parser,
                                                                  const WorksheetFlags& flags) {
  for (const QCommandLineOption* option : flags.All()) {
    if (!parser.isSet(*option)) continue;
    if (!parser.isSet(flags.Sheets)) {
      return Dashed(*option) + QStringLiteral(" needs --worksheet FILE.");
    }
    if (option->valueName().isEmpty() ? parser.optionNames().count(option->names().first()) > 1
                                      : parser.values(*option).size() > 1) {
      return QStringLiteral("Give %1 only once.").arg(Dashed(*option));
    }
    if (!option->valueName().isEmpty() && parser.value(*option).isEmpty()) {
      return QStringLiteral("%1 needs a value.").arg(Dashed(*option));
    }
  }
  if (parser.isSet(QStringLiteral("report"))) {
    return QStringLiteral("Give --worksheet or --report, not both.");
  }
  if (!parser.positionalArguments().isEmpty()) {
    return QStringLiteral("--worksheet opens no file: leave out \"%1\".")
        .arg(parser.positionalArguments().first());
  }
  if (parser.isSet(QStringLiteral("json"))) {
    return QStringLiteral("--json goes with --report, not with --worksheet.");
  }
  if (!parser.isSet(flags.Key)) {
    return QStringLiteral("--worksheet needs --key FILE for the answers.");
  }

  tsp::WorksheetOptions options;
  options.SheetsPath = parser.value(flags.Sheets);
  options.KeyPath = parser.value(flags.Key);
  if (SamePlace(options.SheetsPath, options.KeyPath)) {
    return QStringLiteral("--worksheet and --key must name different files.");
  }
  options.GraphsFolder = parser.value(flags.Graphs);

  const auto number = [&parser](const QCommandLineOption& option, std::int64_t fallback,
                                std::int64_t low, std::int64_t high) {
    return parser.isSet(option) ? WholeNumber(parser.value(option), low, high)
                                : std::optional<std::int64_t>(fallback);
  };
  const auto wrong = [&parser](const QCommandLineOption& option, std::int64_t low,
                               std::int64_t high) {
    return QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\".")
        .arg(Dashed(option))
        .arg(low)
        .arg(high)
        .arg(parser.value(option));
  };
  const auto count = number(flags.Count, 1, 1, tsp::MaxWorksheetCount);
  if (!count) return wrong(flags.Count, 1, tsp::MaxWorksheetCount);
  const auto vertices = number(flags.Vertices, 6, tsp::MinSheetVertices, tsp::MaxSheetVertices);
  if (!vertices) return wrong(flags.Vertices, tsp::MinSheetVertices, tsp::MaxSheetVertices);
  const auto seed = number(flags.Seed, 1, 0, UINT32_MAX);
  if (!seed) return wrong(flags.Seed, 0, UINT32_MAX);
  options.Count = static_cast<int>(*count);
  options.Settings.VertexCount = static_cast<int>(*vertices);
  options.Settings.Seed = static_cast<std::uint32_t>(*seed);
  options.Settings.Metric = parser.isSet(flags.Metric);
  if (parser.isSet(flags.Questions)) {
    auto questions = tsp::ParseQuestions(parser.value(flags.Questions).toStdString());
    if (const std::string* why = std::get_if<std::string>(&questions)) {
      return QStringLiteral("--questions: %1; choose from %2.")
          .arg(QString::fromStdString(*why), IdList(tsp::QuestionIds()));
    }
    options.Settings.Questions = std::get<std::vector<std::string>>(std::move(questions));
  }
  return options;
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
  const WorksheetFlags worksheet;
  for (const QCommandLineOption* option : worksheet.All()) parser.addOption(*option);
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
  if (worksheet.AnySet(parser)) {
    auto options = ReadWorksheetOptions(parser, worksheet);
    if (const QString* error = std::get_if<QString>(&options)) {
      std::fprintf(stderr, "%s\n", qPrintable(*error));
      return 2;
    }
    return tsp::WriteWorksheets(std::get<tsp::WorksheetOptions>(options), stderr);
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
