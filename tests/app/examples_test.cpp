#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>

#include "app/examples.h"
#include "core/algorithms/algorithm_table.h"
#include "core/report/report.h"
#include "support/app_helpers.h"
#include "support/widget_helpers.h"
#include "ui/dialog_gate.h"
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

QString Messages(const TestApp& app) {
  return app.Messages.Texts.join(u'\n');
}

// The start screen's "Open example…" with the examples of folder.
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

// The description as a sequence of claims: every number it states, apart from those in the
// names of buttons and algorithms.
QStringList NumbersIn(QString text) {
  text.remove(QStringLiteral("RunTSP(Alg 1)"));
  static const QRegularExpression number(
      QStringLiteral("(?<![\\w.\\-])-?\\d+(\\.\\d+)?(?![\\w\\-])"));
  QStringList numbers;
  for (auto match = number.globalMatch(text); match.hasNext();) numbers << match.next().captured();
  return numbers;
}

// The claims of an example, read from its "claims" key, checked against the report of the
// graph as the graph view draws it. Each claimed value must also stand in the description,
// and the description must state no number that no claim checks.
class ExampleClaims : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleClaims, OpensAndItsDescriptionHoldsByTheReport) {
  const QString id = QString::fromStdString(GetParam());
  const QJsonObject file = QJsonDocument::fromJson(Contents(ExamplePath(Shipped, id))).object();
  const QJsonObject claims = file.value(QStringLiteral("claims")).toObject();
  const QString title = file.value(QStringLiteral("title")).toString();
  const QString description = file.value(QStringLiteral("description")).toString();
  ASSERT_FALSE(title.isEmpty() || description.isEmpty() || claims.isEmpty());

  TestApp app;
  ExampleGallery* gallery = OpenGallery(app, Shipped);
  ASSERT_NE(gallery, nullptr) << Messages(app).toStdString();
  ASSERT_TRUE(Choose(gallery, id));
  EXPECT_EQ(Find<QPlainTextEdit>(gallery, "ExampleDescription")->toPlainText(), description);
  Click(gallery, "OpenButton");
  app.Settle();
  EXPECT_FALSE(app.App->window<ExampleGallery>().IsLoaded());
  MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
  ASSERT_NE(editor, nullptr) << Messages(app).toStdString();
  EXPECT_EQ(Find<QLabel>(editor, "GraphTitle")->accessibleName(), title);
  Click(editor, "Command1");
  const GraphView* view = app.App->window<GraphView>().Get();
  ASSERT_TRUE(view != nullptr && view->isVisible() && view->drawing())
      << Messages(app).toStdString();
  EXPECT_TRUE(app.Messages.Texts.isEmpty()) << Messages(app).toStdString();
  EXPECT_EQ(Find<QLabel>(view, "GraphTitle")->accessibleName(), title);
  const GraphReport report = MakeReport(*view->drawing());

  QStringList stated;
  // A claimed value: what the report finds, as the description states it.
  const auto check = [&](const QString& what, const QString& claimed, const QString& found) {
    EXPECT_EQ(found.toStdString(), claimed.toStdString()) << what.toStdString();
    EXPECT_TRUE(description.contains(claimed)) << claimed.toStdString() << " is not stated";
    stated << NumbersIn(claimed);
  };
  // A claimed fact that the description puts in words.
  const auto holds = [&](const QString& what, bool claimed, bool found) {
    EXPECT_EQ(found, claimed) << what.toStdString();
  };
  const auto result = [&](const QString& id) -> const AlgorithmResult& {
    EXPECT_NE(report.Find(id.toStdString()), nullptr) << id.toStdString();
    return report.Result(id.toStdString());
  };
  const auto each = [&](const char* kind, auto compare) {
    const QJsonObject values = claims.value(QLatin1String(kind)).toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
      compare(QStringLiteral("%1 of %2").arg(QLatin1String(kind), it.key()), result(it.key()),
              it.value());
    }
  };
  const auto text = [](const std::string& utf8) { return QString::fromStdString(utf8); };
  each("ratios", [&](const QString& what, const AlgorithmResult& found, const QJsonValue& value) {
    const auto ratio = RatioToOptimum(report, found.Weight);
    check(what, value.toString() + QStringLiteral(" times"),
          ratio ? QString::number(*ratio, 'f', 2) + QStringLiteral(" times") : QString());
  });
  each("weights", [&](const QString& what, const AlgorithmResult& found, const QJsonValue& value) {
    check(what, QString::number(value.toInt()), QString::number(found.Weight));
  });
  each("tours", [&](const QString& what, const AlgorithmResult& found, const QJsonValue& value) {
    check(what, value.toString(), found.FoundTour ? text(TourText(*found.FoundTour)) : QString());
  });
  each("noTour", [&](const QString& what, const AlgorithmResult& found, const QJsonValue& value) {
    holds(what, true, !found.FoundTour);
    check(what, value.toString(), text(found.Reason));
  });
  each("missing", [&](const QString& what, const AlgorithmResult& found, const QJsonValue& value) {
    check(what, QString::number(value.toInt()), QString::number(found.MissingPairs));
  });
  each("reaches", [&](const QString& what, const AlgorithmResult& found, const QJsonValue& value) {
    check(what, QString::number(value.toInt()), QString::number(found.Tree.VertexCount));
  });
  for (const QJsonValue id : claims.value("stuck").toArray()) {
    holds(QStringLiteral("no tour of ") + id.toString(), true, !result(id.toString()).FoundTour);
  }
  const QJsonObject factors = claims.value("factors").toObject();
  for (auto it = factors.begin(); it != factors.end(); ++it) {
    const KnownFactor& factor = AlgorithmById(it.key().toStdString()).Factor;
    check(QStringLiteral("factor of ") + it.key(), it.value().toString(),
          factor.Known() ? QString::number(factor.Of(report.VertexCount)) : QString());
  }
  for (const QJsonValue broken : claims.value("breaks").toArray()) {
    QStringList found;
    for (const Violation& v : report.Guarantee.Violations) found << text(ViolationText(v));
    check(QStringLiteral("a broken triangle"), broken.toString(),
          found.contains(broken.toString()) ? broken.toString() : found.join(u'|'));
  }
  if (claims.contains("lineWeights")) {
    QStringList claimed;
    for (const QJsonValue weight : claims.value("lineWeights").toArray()) {
      claimed << QString::number(weight.toInt());
      check(QStringLiteral("a line weight"), claimed.back(), claimed.back());
    }
    QStringList found;
    for (const DrawnLine& line : report.Lines) found << QString::number(line.Weight);
    found.removeDuplicates();
    found.sort();
    EXPECT_EQ(found.join(u' ').toStdString(), claimed.join(u' ').toStdString());
  }
  if (claims.contains("vertices")) {
    check(QStringLiteral("vertices"), QString::number(claims.value("vertices").toInt()),
          QString::number(report.VertexCount));
  }
  if (claims.contains("lines")) {
    check(QStringLiteral("lines"), QString::number(claims.value("lines").toInt()),
          QString::number(report.Lines.size()));
  }
  if (claims.contains("guarantee")) {
    check(QStringLiteral("the factor-2 guarantee"),
          QStringLiteral("guarantee ") + claims.value("guarantee").toString(),
          report.Guarantee.Holds() ? QStringLiteral("guarantee holds")
                                   : QStringLiteral("guarantee fails"));
  }
  if (claims.contains("allPairs")) {
    holds(QStringLiteral("every pair joined"), claims.value("allPairs").toBool(),
          report.Guarantee.AllPairs);
  }
  if (claims.contains("negativeWeights")) {
    holds(QStringLiteral("negative weights"), claims.value("negativeWeights").toBool(),
          !report.Guarantee.NonNegative);
  }
  if (claims.contains("noRatio")) {
    holds(QStringLiteral("no ratio"), claims.value("noRatio").toBool(), !RatioToOptimum(report, 1));
  }
  for (const QString& number : NumbersIn(description)) {
    EXPECT_TRUE(stated.contains(number))
        << number.toStdString() << " is stated, but no claim checks it";
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

TEST(Examples, EveryShippedFileReadsAndHasATitle) {
  const QStringList files = QDir(Shipped).entryList({QStringLiteral("*.tspgraph")}, QDir::Files);
  const std::vector<Example> examples = ListExamples(Shipped);
  ASSERT_EQ(examples.size(), static_cast<std::size_t>(files.size()));
  for (const Example& example : examples) {
    EXPECT_NE(example.Title.toStdString(), example.Id.toStdString());
  }
}

TEST(Gallery, OpensFromTheEditorAndReplacesItsGraph) {
  TestApp app;
  app.App->setExampleFolder(Shipped);
  MatrixEditor* typed = OpenEditor(app, "3");
  ASSERT_NE(typed, nullptr);
  EXPECT_FALSE(Find<QLabel>(typed, "GraphTitle")->isVisible());
  Click(typed, "OpenExampleButton");
  ExampleGallery* gallery = app.App->window<ExampleGallery>().Get();
  ASSERT_TRUE(gallery != nullptr && gallery->isVisible());
  ASSERT_TRUE(Choose(gallery, "petersen"));
  // Enter on a title opens it, as "Open" does.
  auto* list = Find<QListWidget>(gallery, "ExampleList");
  emit list->itemActivated(list->currentItem());
  app.Settle();
  EXPECT_TRUE(app.Messages.Texts.isEmpty()) << Messages(app).toStdString();
  EXPECT_FALSE(app.App->window<ExampleGallery>().IsLoaded());
  const MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
  ASSERT_TRUE(editor != nullptr && editor != typed && editor->isVisible());
  EXPECT_EQ(editor->vertexCount(), 10);
  EXPECT_TRUE(Find<QLabel>(editor, "GraphTitle")->isVisible());
  EXPECT_EQ(editor->graphTitle().toStdString(), "The Petersen graph: no tour");
}

TEST(Gallery, CancelEscapeAndTheTitleBarCloseItAlone) {
  const std::function<void(ExampleGallery*)> closings[] = {
      [](ExampleGallery* g) { Click(g, "CancelButton"); },
      [](ExampleGallery* g) {
        QTest::keyClick(Find<QListWidget>(g, "ExampleList"), Qt::Key_Escape);
      },
      [](ExampleGallery* g) { g->close(); }};
  for (const auto& close : closings) {
    SCOPED_TRACE(&close - closings);
    TestApp app;
    ExampleGallery* gallery = OpenGallery(app, Shipped);
    ASSERT_NE(gallery, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(gallery));
    close(gallery);
    app.Settle();
    EXPECT_FALSE(app.App->window<ExampleGallery>().IsLoaded());
    EXPECT_TRUE(app.App->window<StartScreen>().IsShown());
    EXPECT_FALSE(app.App->window<MatrixEditor>().IsLoaded());
    EXPECT_TRUE(app.Messages.Texts.isEmpty());
  }
}

TEST(Gallery, ShowsTheReadableFilesAndSaysOnceWhatIsWrong) {
  QTemporaryDir folder;
  {
    TestApp app;
    EXPECT_EQ(OpenGallery(app, folder.path()), nullptr);
    ASSERT_EQ(app.Messages.Texts.size(), 1);
    EXPECT_TRUE(app.Messages.Texts[0].contains(folder.path()));
    EXPECT_TRUE(app.App->window<StartScreen>().IsShown());
  }
  const QByteArray four = Contents(ExamplePath(Shipped, "four-vertices"));
  for (const char* name : {"good.tspgraph", "Upper.tspgraph", "two.graph"}) {
    QFile file(folder.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(four);
  }
  QFile broken(folder.filePath("broken.tspgraph"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("{");
  broken.close();

  TestApp app;
  ExampleGallery* gallery = OpenGallery(app, folder.path());
  ASSERT_NE(gallery, nullptr);
  EXPECT_EQ(Find<QListWidget>(gallery, "ExampleList")->count(), 1);
  EXPECT_EQ(gallery->chosenId().toStdString(), "good");
  ASSERT_TRUE(QFile::remove(folder.filePath("good.tspgraph")));
  Click(gallery, "OpenButton");
  app.Settle();
  ASSERT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_EQ(app.App->window<ExampleGallery>().Get(), gallery);
  EXPECT_FALSE(app.App->window<MatrixEditor>().IsLoaded());
}

// The list's activation is no button of its own: it goes through "Open", which the dialog
// gate silences.
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
  const QString saved = folder.filePath("saved.tspgraph");
  const QString fresh = folder.filePath("fresh.tspgraph");
  {
    TestApp app;
    app.App->setExampleFolder(Shipped);
    app.App->start();
    ASSERT_TRUE(app.App->openExample("negative-weights"));
    app.Files.Names = {saved};
    Click(app.App->window<MatrixEditor>().Get(), "SaveButton");
    Click(app.App->window<MatrixEditor>().Get(), "Command2");
    Click(app.App->window<VertexCountScreen>().Get(), "Command1");
    app.Files.Names = {fresh};
    Click(app.App->window<MatrixEditor>().Get(), "SaveButton");
    EXPECT_TRUE(app.Messages.Texts.isEmpty()) << Messages(app).toStdString();
  }
  const QJsonObject shipped =
      QJsonDocument::fromJson(Contents(ExamplePath(Shipped, "negative-weights"))).object();
  const QJsonObject kept = QJsonDocument::fromJson(Contents(saved)).object();
  EXPECT_EQ(kept.value("title"), shipped.value("title"));
  EXPECT_EQ(kept.value("description"), shipped.value("description"));
  EXPECT_FALSE(kept.contains("claims"));
  EXPECT_FALSE(QJsonDocument::fromJson(Contents(fresh)).object().contains("title"));
}

}  // namespace
}  // namespace tsp::testing
