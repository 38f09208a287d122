#include <gtest/gtest.h>

#include <QFile>
#include <QKeySequence>
#include <QTemporaryDir>
#include <random>

#include "support/app_helpers.h"
#include "support/widget_helpers.h"
#include "windows/matrix_editor.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp::testing {
namespace {

const QString Data = QStringLiteral(TSP_FILES_DATA);

QString BoxName(const char* prefix, int row, int column) {
  return QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(10 * row + column);
}

// The texts of the first n × n white and red boxes, row by row.
QStringList Boxes(const MatrixEditor* editor, int n) {
  QStringList texts;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      texts << TextOf(editor, BoxName("Text1", r, c)) << TextOf(editor, BoxName("Text2", r, c));
    }
  }
  return texts;
}

// What a user may type into a box: numbers, words, quotes and characters beyond ASCII.
QString RandomText(std::mt19937& random) {
  static const QStringList pieces = {"1",      "0",  "-7",         "2.5",    "abc",
                                     " ",      "\"", "\\",         "\u00e9", "\u20ac",
                                     "\u4e2d", "{",  "\U0001F600", "1e2",    "\u00a0"};
  QString text;
  const int length = std::uniform_int_distribution(0, 4)(random);
  for (int i = 0; i < length; ++i) {
    text += pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(random)];
  }
  return text;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Which of the windows are on screen.
std::vector<bool> ShownWindows(TestApp& app) {
  Navigator& n = *app.App;
  return {n.window<StartScreen>().IsShown(),       n.window<HelpScreen>().IsShown(),
          n.window<VertexCountScreen>().IsShown(), n.window<MatrixEditor>().IsShown(),
          n.window<GraphView>().IsShown(),         n.window<CompareWindow>().IsShown()};
}

TEST(GraphFiles, SavedBoxesOpenIdenticallyInANewSession) {
  QTemporaryDir folder;
  std::mt19937 random(5);
  for (int trial = 0; trial < 10; ++trial) {
    const int n = trial + 1;
    const QString iterations = QString::number(std::uniform_int_distribution(1, 300)(random));
    const QString path = folder.filePath(QStringLiteral("g%1.tspgraph").arg(trial));
    QStringList typed;
    {
      TestApp app;
      MatrixEditor* editor = OpenEditor(app, QString::number(n), iterations);
      ASSERT_NE(editor, nullptr);
      for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
          Type(editor, BoxName("Text1", r, c), RandomText(random));
          Type(editor, BoxName("Text2", r, c), RandomText(random));
        }
      }
      typed = Boxes(editor, n);
      app.Files.Names = {path};
      Click(editor, "SaveButton");
      ASSERT_TRUE(app.Messages.Texts.isEmpty()) << app.Messages.Texts.join("\n").toStdString();
    }

    TestApp app;
    app.App->start();
    app.Files.Names = {path};
    Click(app.App->window<StartScreen>().Get(), "OpenGraphButton");
    app.Settle();
    ASSERT_TRUE(app.Messages.Texts.isEmpty()) << app.Messages.Texts.join("\n").toStdString();
    const MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(app.App->window<StartScreen>().IsShown());
    EXPECT_EQ(Boxes(editor, n), typed) << "trial " << trial;
    const VertexCountScreen* counts = app.App->window<VertexCountScreen>().Get();
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(TextOf(counts, "Text3"), QString::number(n));
    EXPECT_EQ(TextOf(counts, "Text4"), iterations);
  }
}

TEST(GraphFiles, SaveAddsTheFileTypeToANameWithout) {
  QTemporaryDir folder;
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "2");
  app.Files.Names = {folder.filePath("plain")};
  Click(editor, "SaveButton");
  EXPECT_TRUE(QFile::exists(folder.filePath("plain.tspgraph")));
}

TEST(GraphFiles, EditorHasOpenAndSaveShortcuts) {
  TestApp app;
  const MatrixEditor* editor = OpenEditor(app, "3");
  EXPECT_EQ(Find<QPushButton>(editor, "OpenButton")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(Find<QPushButton>(editor, "SaveButton")->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(QKeySequence(QKeySequence::Save), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(QKeySequence(QKeySequence::Open), QKeySequence(QStringLiteral("Ctrl+O")));
}

TEST(GraphFiles, FailedOpenShowsOneMessageAndChangesNothing) {
  QTemporaryDir folder;
  QByteArray eleven = Contents(Data + "/four.tspgraph");
  eleven.replace("\"vertexCount\": 4", "\"vertexCount\": 11");
  QByteArray badIterations = Contents(Data + "/four.tspgraph");
  badIterations.replace("\"iterations\": \"1\"", "\"iterations\": \"99999\"");
  const struct {
    const char* Name;
    QByteArray Bytes;  // empty: no such file
  } cases[] = {
      {"missing.tspgraph", {}},    {"text.tspgraph", "not a graph"},
      {"eleven.tspgraph", eleven}, {"iterations.tspgraph", badIterations},
      {"word.csv", "1,2\n2,x\n"},  {"big.tspgraph", QByteArray(1'048'577, ' ')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QString path = folder.filePath(QLatin1String(c.Name));
    if (!c.Bytes.isEmpty()) Write(path, c.Bytes);

    TestApp app;
    MatrixEditor* editor = OpenEditor(app, "3", "9");
    ASSERT_NE(editor, nullptr);
    Type(editor, BoxName("Text1", 0, 1), "1");
    Type(editor, BoxName("Text2", 0, 1), "\u00e9t\u00e9");
    const QStringList before = Boxes(editor, 3);
    const std::vector<bool> shown = ShownWindows(app);

    app.Files.Names = {path};
    Click(editor, "OpenButton");
    app.Settle();
    ASSERT_EQ(app.Messages.Texts.size(), 1);
    EXPECT_TRUE(app.Messages.Texts[0].contains(path)) << app.Messages.Texts[0].toStdString();
    EXPECT_EQ(app.App->window<MatrixEditor>().Get(), editor);
    EXPECT_EQ(Boxes(editor, 3), before);
    EXPECT_EQ(ShownWindows(app), shown);
    EXPECT_EQ(TextOf(app.App->window<VertexCountScreen>().Get(), "Text4"), "9");
  }
}

TEST(GraphFiles, CsvTakesTheIterationCountTypedOrOne) {
  const QString csv = Data + "/four.csv";
  {
    TestApp app;
    app.App->start();
    app.Files.Names = {csv};
    Click(app.App->window<StartScreen>().Get(), "OpenGraphButton");
    const VertexCountScreen* counts = app.App->window<VertexCountScreen>().Get();
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(TextOf(counts, "Text3"), "4");
    EXPECT_EQ(TextOf(counts, "Text4"), "1");
  }
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "2", "42");
  app.Files.Names = {csv};
  Click(editor, "OpenButton");
  app.Settle();
  EXPECT_TRUE(app.Messages.Texts.isEmpty()) << app.Messages.Texts.join("\n").toStdString();
  editor = app.App->window<MatrixEditor>().Get();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->iterationCount(), 42);
  EXPECT_EQ(TextOf(app.App->window<VertexCountScreen>().Get(), "Text4"), "42");
  EXPECT_EQ(TextOf(editor, BoxName("Text2", 2, 3)), "9");
  EXPECT_EQ(TextOf(editor, BoxName("Text1", 2, 3)), "1");
}

TEST(GraphFiles, FailedSaveShowsOneMessageAndKeepsTheOldFile) {
  QTemporaryDir folder;
  const QString existing = folder.filePath("existing.tspgraph");
  Write(existing, "old bytes");
  for (const QString& path :
       {folder.filePath("missing/x.tspgraph"), existing + QStringLiteral("/x.tspgraph")}) {
    SCOPED_TRACE(path.toStdString());
    TestApp app;
    MatrixEditor* editor = OpenEditor(app, "2");
    app.Files.Names = {path};
    Click(editor, "SaveButton");
    ASSERT_EQ(app.Messages.Texts.size(), 1);
    EXPECT_TRUE(app.Messages.Texts[0].startsWith("Cannot save " + path));
    EXPECT_EQ(Contents(existing), "old bytes");
  }
}

TEST(GraphFiles, CancelledDialogsDoNothing) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "3");
  Type(editor, BoxName("Text2", 1, 2), "5");
  const QStringList before = Boxes(editor, 3);
  const std::vector<bool> shown = ShownWindows(app);
  Click(editor, "SaveButton");
  Click(editor, "OpenButton");
  app.Settle();
  EXPECT_EQ(app.Files.Asked, 2);
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
  EXPECT_EQ(app.App->window<MatrixEditor>().Get(), editor);
  EXPECT_EQ(Boxes(editor, 3), before);
  EXPECT_EQ(ShownWindows(app), shown);

  TestApp fresh;
  fresh.App->start();
  Click(fresh.App->window<StartScreen>().Get(), "OpenGraphButton");
  fresh.Settle();
  EXPECT_EQ(fresh.Files.Asked, 1);
  EXPECT_TRUE(fresh.App->window<StartScreen>().IsShown());
  EXPECT_FALSE(fresh.App->window<MatrixEditor>().IsLoaded());
}

}  // namespace
}  // namespace tsp::testing
