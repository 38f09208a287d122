#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "app/examples.h"
#include "core/algorithms/algorithm_table.h"
#include "core/report/report.h"
#include "support/app_helpers.h"
#include "support/widget_helpers.h"
#include "windows/example_gallery.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp::testing {
namespace {

const QString Shipped = QStringLiteral(TSP_EXAMPLES_DIR);

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string Messages(const TestApp& app) {
  return app.Messages.Texts.join(u'\n').toStdString();
}

// The start screen's "Open example…" with the examples of the folder.
ExampleGallery* OpenGallery(TestApp& app, const QString& folder) {
  app.App->setExampleFolder(folder);
  app.App->start();
  Click(app.App->window<StartScreen>().Get(), QStringLiteral("OpenExampleButton"));
  return app.App->window<ExampleGallery>().Get();
}

// Chooses the example in the list, as a click on its title would.
bool Choose(ExampleGallery* gallery, const QString& id) {
  auto* list = Find<QListWidget>(gallery, QStringLiteral("ExampleList"));
  for (int row = 0; row < list->count(); ++row) {
    list->setCurrentRow(row);
    if (gallery->chosenId() == id) return true;
  }
  return false;
}

// What the report says of one thing that a description may claim, in the description's words.
// The key is a kind, then for most kinds the id of an algorithm: "ratio tree_tour".
std::string Fact(const GraphReport& report, const std::string& key) {
  const std::size_t space = key.find(' ');
  const std::string kind = key.substr(0, space);
  const std::string id = space == std::string::npos ? "" : key.substr(space + 1);
  const GuaranteeCheck& guarantee = report.Guarantee;
  if (kind == "vertices") return std::to_string(report.VertexCount);
  if (kind == "lines") return std::to_string(report.Lines.size());
  if (kind == "guarantee") return guarantee.Holds() ? "guarantee holds" : "guarantee fails";
  if (kind == "pairs")
    return guarantee.AllPairs ? "every pair is joined" : "not every pair is joined";
  if (kind == "negative") {
    return guarantee.NonNegative ? "no weight is negative" : "some weights are negative";
  }
  if (kind == "broken") {
    return guarantee.Violations.empty() ? "none" : ViolationText(guarantee.Violations.front());
  }
  if (kind == "weights") {
    std::set<int> weights;
    for (const DrawnLine& line : report.Lines) weights.insert(line.Weight);
    std::string text;
    for (auto w = weights.begin(); w != weights.end(); ++w) {
      text += (w == weights.begin()            ? ""
               : std::next(w) == weights.end() ? " or "
                                               : ", ") +
              std::to_string(*w);
    }
    return text;
  }
  char number[32];
  if (kind == "factor") {
    const AlgorithmRow* row = FindAlgorithm(id);
    if (row == nullptr || !row->Factor.Known()) return "no factor";
    std::snprintf(number, sizeof number, "%g", row->Factor.Of(report.VertexCount));
    return number;
  }
  const AlgorithmResult* result = report.Find(id);
  if (result == nullptr) return "no algorithm " + id;
  if (kind == "weight") return std::to_string(result->Weight);
  if (kind == "missing") return std::to_string(result->MissingPairs);
  if (kind == "reaches") return std::to_string(result->Tree.VertexCount);
  if (kind == "tour") return result->FoundTour ? TourText(*result->FoundTour) : "no tour";
  if (kind == "reason") return result->FoundTour ? "a tour" : result->Reason;
  if (kind == "ratio") {
    const auto ratio = RatioToOptimum(report, result->Weight);
    if (!ratio) return "no ratio";
    std::snprintf(number, sizeof number, "%.2f times", *ratio);
    return number;
  }
  return "no such kind of claim";
}

// Every number a text states, apart from those in the names of buttons and algorithms
// ("RunTSP(Alg 1)", "2-opt", "factor-2").
QStringList NumbersIn(QString text) {
  text.remove(QStringLiteral("RunTSP(Alg 1)"));
  static const QRegularExpression number(
      QStringLiteral("(?<![\\w.\\-])-?\\d+(\\.\\d+)?(?![\\w\\-])"));
  QStringList numbers;
  for (auto match = number.globalMatch(text); match.hasNext();) numbers << match.next().captured();
  return numbers;
}

// Each example opens from the list, its graph is viewed, and every claim of its "claims" key
// holds by the report of the graph drawn; the description states each claimed value, and no
// number that no claim checks.
class ExampleClaims : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleClaims, OpenAndHoldByTheReport) {
  const QString id = QString::fromStdString(GetParam());
  const QJsonObject file = QJsonDocument::fromJson(Contents(ExamplePath(Shipped, id))).object();
  const QJsonObject claims = file.value(QStringLiteral("claims")).toObject();
  const QString title = file.value(QStringLiteral("title")).toString();
  const QString description = file.value(QStringLiteral("description")).toString();
  ASSERT_FALSE(title.isEmpty() || description.isEmpty() || claims.isEmpty());

  TestApp app;
  ExampleGallery* gallery = OpenGallery(app, Shipped);
  ASSERT_TRUE(gallery != nullptr && Choose(gallery, id)) << Messages(app);
  Click(gallery, "OpenButton");
  MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
  ASSERT_NE(editor, nullptr) << Messages(app);
  Click(editor, "Command1");
  const GraphView* view = app.App->window<GraphView>().Get();
  ASSERT_TRUE(view != nullptr && view->isVisible() && view->drawing()) << Messages(app);
  EXPECT_TRUE(app.Messages.Texts.isEmpty()) << Messages(app);
  EXPECT_EQ(Find<QLabel>(editor, "GraphTitle")->accessibleName(), title);
  EXPECT_EQ(Find<QLabel>(view, "GraphTitle")->accessibleName(), title);

  const GraphReport report = MakeReport(*view->drawing());
  QStringList checked;
  for (auto claim = claims.begin(); claim != claims.end(); ++claim) {
    const QString value = claim.value().toString();
    EXPECT_EQ(Fact(report, claim.key().toStdString()), value.toStdString())
        << claim.key().toStdString();
    EXPECT_TRUE(description.contains(value, Qt::CaseInsensitive))
        << value.toStdString() << " is not said";
    checked << NumbersIn(value);
  }
  for (const QString& number : NumbersIn(description)) {
    EXPECT_TRUE(checked.contains(number))
        << number.toStdString() << " is said, but no claim checks it";
  }
}

std::vector<std::string> ShippedIds() {
  std::vector<std::string> ids;
  for (const Example& example : ListExamples(Shipped)) ids.push_back(example.Id.toStdString());
  return ids;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleClaims, ::testing::ValuesIn(ShippedIds()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(Gallery, OpensFromTheEditorOnEnterAndReplacesItsGraph) {
  TestApp app;
  app.App->setExampleFolder(Shipped);
  MatrixEditor* typed = OpenEditor(app, "3");
  ASSERT_NE(typed, nullptr);
  EXPECT_FALSE(Find<QLabel>(typed, "GraphTitle")->isVisible());
  Click(typed, "OpenExampleButton");
  ExampleGallery* gallery = app.App->window<ExampleGallery>().Get();
  ASSERT_TRUE(gallery != nullptr && Choose(gallery, "petersen"));
  auto* list = Find<QListWidget>(gallery, "ExampleList");
  emit list->itemActivated(list->currentItem());
  app.Settle();
  EXPECT_FALSE(app.App->window<ExampleGallery>().IsLoaded());
  const MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
  ASSERT_TRUE(editor != nullptr && editor != typed && editor->isVisible()) << Messages(app);
  EXPECT_EQ(editor->vertexCount(), 10);
  EXPECT_TRUE(Find<QLabel>(editor, "GraphTitle")->isVisible());
}

TEST(Gallery, EscapeAndTheTitleBarCloseOnlyIt) {
  const std::function<void(ExampleGallery*)> closings[] = {
      [](ExampleGallery* g) {
        QTest::keyClick(Find<QListWidget>(g, "ExampleList"), Qt::Key_Escape);
      },
      [](ExampleGallery* g) { g->close(); }};
  for (const auto& close : closings) {
    SCOPED_TRACE(&close - closings);
    TestApp app;
    ExampleGallery* gallery = OpenGallery(app, Shipped);
    ASSERT_TRUE(gallery != nullptr && QTest::qWaitForWindowActive(gallery));
    close(gallery);
    app.Settle();
    EXPECT_FALSE(app.App->window<ExampleGallery>().IsLoaded());
    EXPECT_TRUE(app.App->window<StartScreen>().IsShown());
    EXPECT_TRUE(app.Messages.Texts.isEmpty());
  }
}

TEST(Gallery, ListsTheReadableFilesAndSaysOnceWhatIsWrong) {
  QTemporaryDir folder;
  {
    TestApp app;
    EXPECT_EQ(OpenGallery(app, folder.path()), nullptr);
    ASSERT_EQ(app.Messages.Texts.size(), 1);
    EXPECT_TRUE(app.Messages.Texts[0].contains(folder.path()));
  }
  const QByteArray four = Contents(ExamplePath(Shipped, "four-vertices"));
  for (const auto& [name, bytes] : {std::pair{"good.tspgraph", four},
                                    {"Upper.tspgraph", four},
                                    {"other.graph", four},
                                    {"broken.tspgraph", QByteArray("{")}}) {
    QFile file(folder.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  TestApp app;
  ExampleGallery* gallery = OpenGallery(app, folder.path());
  ASSERT_NE(gallery, nullptr);
  EXPECT_EQ(Find<QListWidget>(gallery, "ExampleList")->count(), 1);
  EXPECT_EQ(gallery->chosenId(), QStringLiteral("good"));
  ASSERT_TRUE(QFile::remove(folder.filePath("good.tspgraph")));
  Click(gallery, "OpenButton");
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_EQ(app.App->window<ExampleGallery>().Get(), gallery);
  EXPECT_FALSE(app.App->window<MatrixEditor>().IsLoaded());
}

// A list's activation is no button: it goes through "Open", which the dialog gate silences.
TEST(Gallery, DoesNothingWhileADialogIsOpen) {
  TestApp app;
  ExampleGallery* gallery = OpenGallery(app, Shipped);
  ASSERT_NE(gallery, nullptr);
  auto* list = Find<QListWidget>(gallery, "ExampleList");
  app.Messages.OnShow = [&](const QString&) {
    emit list->itemActivated(list->currentItem());
    Click(gallery, "OpenButton");
    Click(gallery, "CancelButton");
  };
  Click(app.App->window<StartScreen>().Get(), "Command1");
  Click(app.App->window<VertexCountScreen>().Get(), "Command1");
  app.Settle();
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_EQ(app.App->window<ExampleGallery>().Get(), gallery);
  EXPECT_FALSE(app.App->window<MatrixEditor>().IsLoaded());
}

TEST(Gallery, SavingKeepsTitleAndDescriptionWhileTheEditorHoldsThem) {
  QTemporaryDir folder;
  const QString kept = folder.filePath("kept.tspgraph");
  const QString fresh = folder.filePath("fresh.tspgraph");
  TestApp app;
  app.App->setExampleFolder(Shipped);
  app.App->start();
  ASSERT_TRUE(app.App->openExample("negative-weights"));
  app.Files.Names = {kept};
  Click(app.App->window<MatrixEditor>().Get(), "SaveButton");
  Click(app.App->window<MatrixEditor>().Get(), "Command2");
  Click(app.App->window<VertexCountScreen>().Get(), "Command1");
  app.Files.Names = {fresh};
  Click(app.App->window<MatrixEditor>().Get(), "SaveButton");
  EXPECT_TRUE(app.Messages.Texts.isEmpty()) << Messages(app);

  const QJsonObject shipped =
      QJsonDocument::fromJson(Contents(ExamplePath(Shipped, "negative-weights"))).object();
  const QJsonObject saved = QJsonDocument::fromJson(Contents(kept)).object();
  EXPECT_EQ(saved.value("title"), shipped.value("title"));
  EXPECT_EQ(saved.value("description"), shipped.value("description"));
  EXPECT_FALSE(saved.contains("claims"));
  EXPECT_FALSE(QJsonDocument::fromJson(Contents(fresh)).object().contains("title"));
}

}  // namespace
}  // namespace tsp::testing
