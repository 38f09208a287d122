// Opens every window in a representative state under the offscreen platform and saves one
// PNG per window (and per run state of the graph view) into the folder given.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <cstdio>

#include "app/navigator.h"
#include "core/algorithms/algorithm_table.h"
#include "core/lesson/practice.h"
#include "ui/graph_painter.h"
#include "ui/look.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "windows/compare_window.h"
#include "windows/edge_id_view.h"
#include "windows/example_gallery.h"
#include "windows/graph_view.h"
#include "windows/help_screen.h"
#include "windows/matrix_editor.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace {

// Keeps the last message instead of blocking on a modal box.
class LastMessage final : public tsp::ui::MessageBox {
 public:
  void Present(const QString& text) override { Text = text; }
  QString Text;
};

class Shooter {
 public:
  explicit Shooter(const QDir& folder) : folder_(folder) {}

  bool Save(QWidget* window, const QString& name, const QString& message = QString()) {
    QCoreApplication::processEvents();
    QImage image = window->grab().toImage();
    return SaveImage(std::move(image), name, message);
  }

  bool SaveImage(QImage image, const QString& name, const QString& message = QString()) {
    if (!message.isEmpty()) {
      // The message box as it would stand over the window.
      QMessageBox box(QMessageBox::NoIcon, tsp::ui::ApplicationTitle, message, QMessageBox::Ok);
      box.adjustSize();
      const QImage boxImage = box.grab().toImage();
      QPainter painter(&image);
      painter.drawImage((image.width() - boxImage.width()) / 2,
                        (image.height() - boxImage.height()) / 2, boxImage);
      painter.setPen(Qt::gray);
      painter.drawRect((image.width() - boxImage.width()) / 2,
                       (image.height() - boxImage.height()) / 2, boxImage.width() - 1,
                       boxImage.height() - 1);
    }
    const QString path = folder_.filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(path));
      return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
  }

 private:
  QDir folder_;
};

void Click(QWidget* window, const char* name) {
  window->findChild<QPushButton*>(name)->click();
}

void Type(QWidget* window, const QString& name, const QString& text) {
  window->findChild<QLineEdit*>(name)->setText(text);
}

void Tick(QWidget* window, const char* timer, int ticks) {
  for (int i = 0; i < ticks; ++i) window->findChild<tsp::ui::Timer*>(timer)->Fire();
}

// Four vertices with the weights A-B 1, B-D 2, A-C 3, A-D 4, B-C 4, C-D 9.
void FillFourVertices(QWidget* editor) {
  Click(editor, "Command4");
  const int weights[4][4] = {{0, 1, 3, 4}, {1, 0, 4, 2}, {3, 4, 0, 9}, {4, 2, 9, 0}};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      Type(editor, QStringLiteral("Text2_%1").arg(10 * r + c),
           QString::number(weights[r][c] ? weights[r][c] : 1));
    }
  }
}

// Chooses the algorithm to practise as a user would, in the Practice box; the box's first
// item (index 0) leaves the practice.
void ChoosePractice(QWidget* view, int index) {
  auto* box = view->findChild<QComboBox*>("PracticeBox");
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// Picks the answer in the list and checks it.
void CheckAnswer(QWidget* view, const QString& text) {
  auto* list = view->findChild<QListWidget*>("AnswerList");
  list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
  Click(view, "CheckButton");
}

// Every algorithm of the table played to its end through the comparison's "Play", each on the
// editor's graph drawn afresh so that no earlier run's lines remain, its ring at half size in a
// grid, named.
QImage EveryAlgorithm(tsp::Navigator& navigator, tsp::MatrixEditor* editor) {
  const auto rows = tsp::Algorithms();
  const QSize ring = tsp::ui::RingPixelSize() / 2;
  constexpr int Columns = 4;
  constexpr int Caption = 22;
  const int lines = (static_cast<int>(rows.size()) + Columns - 1) / Columns;
  QImage sheet(QSize(Columns * ring.width(), lines * (ring.height() + Caption)),
               QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter painter(&sheet);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    Click(navigator.window<tsp::GraphView>().Get(), "Command1");
    Click(editor, "Command1");
    tsp::GraphView* view = navigator.window<tsp::GraphView>().Get();
    Click(view, "CompareButton");
    tsp::CompareWindow* comparison = navigator.window<tsp::CompareWindow>().Get();
    const QString id = QString::fromUtf8(rows[r].Id.data(), rows[r].Id.size());
    auto* play = comparison->findChild<QPushButton*>(QStringLiteral("Play_") + id);
    if (play == nullptr || !play->isEnabled()) continue;
    play->click();
    auto* timer = view->findChild<tsp::ui::Timer*>("PlayTimer");
    for (int tick = 0; tick < 100 && timer->Enabled(); ++tick) timer->Fire();
    QCoreApplication::processEvents();
    const QImage shot = view->grab(QRect(QPoint(), tsp::ui::RingPixelSize())).toImage();
    const QPoint at((r % Columns) * ring.width(), (r / Columns) * (ring.height() + Caption));
    painter.drawImage(at, shot.scaled(ring, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    painter.setPen(tsp::ui::ToQColor(rows[r].Colour));
    painter.drawText(QRect(at + QPoint(0, ring.height()), QSize(ring.width(), Caption)),
                     Qt::AlignCenter, QString::fromUtf8(rows[r].Name.data(), rows[r].Name.size()));
  }
  return sheet;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tsp-screenshots DIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tsp::ui::ApplyApplicationLook(app);
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "could not create %s\n", argv[1]);
    return 1;
  }

  LastMessage messages;
  tsp::ui::SteadyClock clock;
  tsp::ui::FixedRandomSource random;
  tsp::ui::QtFileDialog files;
  tsp::Navigator navigator(tsp::ui::Services{messages, clock, random, files});
  Shooter shoot(folder);
  bool ok = true;

  navigator.start();
  tsp::StartScreen* start = navigator.window<tsp::StartScreen>().Get();
  ok &= shoot.Save(start, QStringLiteral("form1-start"));
  Click(start, "Command2");
  ok &= shoot.Save(navigator.window<tsp::HelpScreen>().Get(), QStringLiteral("form6-help"));
  navigator.window<tsp::HelpScreen>().Unload();

  Click(start, "Command1");
  tsp::VertexCountScreen* count = navigator.window<tsp::VertexCountScreen>().Get();
  Type(count, QStringLiteral("Text3"), QStringLiteral("12"));
  Click(count, "Command1");
  ok &= shoot.Save(count, QStringLiteral("form2-vertex-count"), messages.Text);

  // A four-vertex matrix with one bad white box.
  Type(count, QStringLiteral("Text3"), QStringLiteral("4"));
  Click(count, "Command1");
  tsp::MatrixEditor* editor = navigator.window<tsp::MatrixEditor>().Get();
  FillFourVertices(editor);
  Type(editor, QStringLiteral("Text1_12"), QStringLiteral("2"));
  Click(editor, "Command1");
  ok &= shoot.Save(editor, QStringLiteral("form3-matrix-editor"), messages.Text);

  // Ten vertices, every edge, random weights.
  Click(editor, "Command2");
  Type(count, QStringLiteral("Text3"), QStringLiteral("10"));
  Type(count, QStringLiteral("Text4"), QStringLiteral("1000"));
  Click(count, "Command1");
  tsp::MatrixEditor* full = navigator.window<tsp::MatrixEditor>().Get();
  Click(full, "Command4");
  Click(full, "Command5");
  messages.Text.clear();
  Click(full, "Command1");
  tsp::GraphView* view = navigator.window<tsp::GraphView>().Get();
  ok &= shoot.Save(view, QStringLiteral("form4-graph-view"));

  Click(view, "Command2");
  Tick(view, "Timer1", 5);
  ok &= shoot.Save(view, QStringLiteral("form4-mst-running"));
  Tick(view, "Timer1", 6);
  ok &= shoot.Save(view, QStringLiteral("form4-mst-done"), messages.Text);

  Click(view, "Command4");
  Tick(view, "Timer2", 5);
  ok &= shoot.Save(view, QStringLiteral("form4-tour-running"));
  Tick(view, "Timer2", 6);
  ok &= shoot.Save(view, QStringLiteral("form4-tour-done"), messages.Text);

  Click(view, "Command6");
  Tick(view, "Timer3", 5);
  ok &= shoot.Save(view, QStringLiteral("form4-light-cycle-running"));
  Tick(view, "Timer3", 6);
  ok &= shoot.Save(view, QStringLiteral("form4-light-cycle-done"), messages.Text);

  Click(view, "OptimumButton");
  Tick(view, "OptimumTimer", 11);
  ok &= shoot.Save(view, QStringLiteral("form4-optimum-done"), messages.Text);

  // Paused on the fourth edge of the tour, with its sentence.
  Click(view, "Command4");
  Tick(view, "Timer2", 3);
  Click(view, "PauseButton");
  Click(view, "StepForwardButton");
  ok &= shoot.Save(view, QStringLiteral("form4-step-through"));

  Click(view, "CompareButton");
  tsp::CompareWindow* comparison = navigator.window<tsp::CompareWindow>().Get();
  ok &= shoot.Save(comparison, QStringLiteral("compare-window"));
  Click(view, "Command3");
  ok &= shoot.Save(navigator.window<tsp::EdgeIdView>().Get(), QStringLiteral("form5-line-ids"));

  ok &= shoot.SaveImage(EveryAlgorithm(navigator, full), QStringLiteral("every-algorithm"));
  messages.Text.clear();
  view = navigator.window<tsp::GraphView>().Get();

  // On the same graph drawn afresh, three steps of Prim's tree answered right, then a wrong answer:
  // the right line flashes.
  Click(view, "Command1");
  Click(full, "Command1");
  view = navigator.window<tsp::GraphView>().Get();
  ChoosePractice(view, 1);
  tsp::Practice practice(tsp::PracticeAlgorithms()[0], *view->drawing());
  for (int step = 0; step < 3; ++step) {
    const tsp::PracticeAnswer right = practice.Expected();
    CheckAnswer(view, QString::fromStdString(practice.AnswerText(right)));
    practice.Answer(right);
  }
  for (const tsp::PracticeAnswer offered : practice.Offered()) {
    if (tsp::Practice(practice).Answer(offered).Right) continue;
    CheckAnswer(view, QString::fromStdString(practice.AnswerText(offered)));
    break;
  }
  ok &= shoot.Save(view, QStringLiteral("form4-practice"));

  // The examples, the second one chosen.
  Click(full, "OpenExampleButton");
  tsp::ExampleGallery* gallery = navigator.window<tsp::ExampleGallery>().Get();
  if (gallery != nullptr) {
    if (auto* list = gallery->findChild<QListWidget*>("ExampleList")) list->setCurrentRow(1);
    ok &= shoot.Save(gallery, QStringLiteral("example-gallery"));
  } else {
    std::fprintf(stderr, "the examples did not open: %s\n", qPrintable(messages.Text));
    ok = false;
  }
  return ok ? 0 : 1;
}
