// Opens every window in a representative state under the offscreen platform and saves one
// PNG per window (and per run state of the graph view) into the folder given.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <cstdio>

#include "app/form1.h"
#include "app/form6.h"
#include "app/screens.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "graph/form4.h"
#include "graph/form5.h"
#include "ui/look.h"
#include "ui/services.h"

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

// Four vertices with the weights A-B 1, B-D 2, A-C 3, A-D 4, B-C 4, C-D 9.
void FillFourVertices(tsp::Form3& editor) {
  editor.Command4_Click();
  const int weights[4][4] = {{0, 1, 3, 4}, {1, 0, 4, 2}, {3, 4, 0, 9}, {4, 2, 9, 0}};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      editor.Text2[10 * r + c]->setText(QString::number(weights[r][c] ? weights[r][c] : 1));
    }
  }
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
  tsp::Screens screens(tsp::ui::Services{messages, clock, random});
  Shooter shoot(folder);
  bool ok = true;

  screens.Start();
  tsp::Form1& start = *screens.StartScreen().Get();
  ok &= shoot.Save(&start, QStringLiteral("form1-start"));
  start.Command2_Click();
  ok &= shoot.Save(screens.HelpScreen().Get(), QStringLiteral("form6-help"));
  screens.HelpScreen().Unload();

  start.Command1_Click();
  tsp::Form2& count = *screens.VertexCountScreen().Get();
  count.Text3->setText(QStringLiteral("12"));
  count.Command1_Click();
  ok &= shoot.Save(&count, QStringLiteral("form2-vertex-count"), messages.Text);

  // A four-vertex matrix with one bad white box.
  count.Text3->setText(QStringLiteral("4"));
  count.Command1_Click();
  tsp::Form3& editor = *screens.MatrixEditor().Get();
  FillFourVertices(editor);
  editor.Text1[12]->setText(QStringLiteral("2"));
  editor.Command1_Click();
  ok &= shoot.Save(&editor, QStringLiteral("form3-matrix-editor"), messages.Text);

  // Ten vertices, every edge, random weights.
  editor.Command2_Click();
  count.Text3->setText(QStringLiteral("10"));
  count.Text4->setText(QStringLiteral("1000"));
  count.Command1_Click();
  tsp::Form3& full = *screens.MatrixEditor().Get();
  full.Command4_Click();
  full.Command5_Click();
  messages.Text.clear();
  full.Command1_Click();
  tsp::Form4& view = *screens.GraphView().Get();
  ok &= shoot.Save(&view, QStringLiteral("form4-graph-view"));

  const auto play = [&](auto tick, int ticks) {
    for (int i = 0; i < ticks; ++i) (view.*tick)();
  };
  view.Command2_Click();
  play(&tsp::Form4::Timer1_Timer, 5);
  ok &= shoot.Save(&view, QStringLiteral("form4-mst-running"));
  play(&tsp::Form4::Timer1_Timer, 6);
  ok &= shoot.Save(&view, QStringLiteral("form4-mst-done"), messages.Text);

  view.Command4_Click();
  play(&tsp::Form4::Timer2_Timer, 5);
  ok &= shoot.Save(&view, QStringLiteral("form4-tour-running"));
  play(&tsp::Form4::Timer2_Timer, 6);
  ok &= shoot.Save(&view, QStringLiteral("form4-tour-done"), messages.Text);

  view.Command6_Click();
  play(&tsp::Form4::Timer3_Timer, 5);
  ok &= shoot.Save(&view, QStringLiteral("form4-light-cycle-running"));
  play(&tsp::Form4::Timer3_Timer, 6);
  ok &= shoot.Save(&view, QStringLiteral("form4-light-cycle-done"), messages.Text);

  view.Command3_Click();
  ok &= shoot.Save(screens.EdgeIdView().Get(), QStringLiteral("form5-line-ids"));
  return ok ? 0 : 1;
}
