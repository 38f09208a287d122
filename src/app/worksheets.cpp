#include "app/worksheets.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cassert>
#include <memory>
#include <vector>

#include "app/graph_files.h"
#include "core/graph/ring.h"
#include "ui/graph_painter.h"
#include "ui/look.h"

namespace tsp {
namespace {

// The pages are laid out in pixels at 96 dots per inch, the units the graph's painter paints
// in, so that its fonts keep their size against its boxes.
constexpr int PageDpi = 96;
constexpr double Margin = 54;  // 14 mm
constexpr double Gap = 12;
const QString TextFamily = QStringLiteral("DejaVu Sans");
const QColor RuleColour(150, 150, 150);

QFont TextFont(double points, bool bold = false) {
  QFont font(TextFamily);
  // No ligatures: "fi" in the file must stay two letters that a search finds.
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

double TextHeight(QPainter& painter, const QFont& font, double width, const QString& text) {
  painter.setFont(font);
  return painter.boundingRect(QRectF(0, 0, width, 1e6), TextFlags, text).height();
}

// Draws wrapped text from the top left and says how tall it came out.
double DrawText(QPainter& painter, const QFont& font, const QRectF& box, const QString& text) {
  painter.setFont(font);
  QRectF drawn;
  painter.drawText(box, TextFlags, text, &drawn);
  return drawn.height();
}

// A painter on a PDF of A4 pages written into memory.
class PdfPages {
 public:
  explicit PdfPages(const QString& title) : writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setPageSize(QPageSize(QPageSize::A4));
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer_.setResolution(PageDpi);
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("tsp-simulator"));
    painter_.begin(&writer_);
  }

  QPainter& Painter() { return painter_; }
  // The page less its margins.
  QRectF Content() const {
    return QRectF(Margin, Margin, writer_.width() - 2 * Margin, writer_.height() - 2 * Margin);
  }
  void NewPage() { writer_.newPage(); }

  // The whole file; empty when the painter could not paint.
  QByteArray Finish() {
    const bool painted = painter_.isActive();
    painter_.end();
    return painted ? buffer_.data() : QByteArray();
  }

 private:
  QBuffer buffer_;
  QPdfWriter writer_;
  QPainter painter_;
};

// How far two boxes overlap, 0 when they do not.
double OverlapArea(const QRectF& a, const QRectF& b) {
  const QRectF both = a.intersected(b);
  return both.isEmpty() ? 0 : both.width() * both.height();
}

// The picture of the sheet's graph: the window's picture in shades that print in black and
// white, with the weights in larger boxes moved along their lines where they would cover one
// another (opposite vertices' lines all cross at the middle of the ring).
ui::GraphPicture PrintedPicture(const Drawing& drawing) {
  const auto& lines = drawing.Lines();
  ui::GraphPicture picture = ui::PictureOf(drawing, std::vector<QColor>(lines.size(), Qt::gray));
  // The vertices' letters come first, then one weight per line.
  assert(picture.Labels.size() == static_cast<std::size_t>(drawing.VertexCount()) + lines.size());
  picture.Labels.resize(static_cast<std::size_t>(drawing.VertexCount()));

  constexpr int Width = 360;  // twips: two digits at 11 points with room
  constexpr int Height = 285;
  std::vector<QRectF> taken;
  for (const ui::CircleItem& circle : picture.Circles) {
    const QRectF box(circle.Box.Left, circle.Box.Top, circle.Box.Width, circle.Box.Height);
    const double d = circle.Diameter;
    taken.emplace_back(box.center().x() - d / 2, box.center().y() - d / 2, d, d);
  }
  for (const DrawnLine& line : lines) {
    const ring::TwipPoint from = ring::Anchors[line.From];
    const ring::TwipPoint to = ring::Anchors[line.To];
    QRectF best;
    double bestOverlap = -1;
    for (const double t : {0.5, 0.4, 0.6, 0.32, 0.68, 0.25, 0.75}) {
      const QPointF at(from.X + t * (to.X - from.X), from.Y + t * (to.Y - from.Y));
      const QRectF box(at.x() - Width / 2.0, at.y() - Height / 2.0, Width, Height);
      double overlap = 0;
      for (const QRectF& other : taken)
        overlap += OverlapArea(box, other.adjusted(-20, -20, 20, 20));
      if (bestOverlap < 0 || overlap < bestOverlap) {
        best = box;
        bestOverlap = overlap;
      }
      if (overlap == 0) break;
    }
    taken.push_back(best);
    const QRect place = best.toRect();
    picture.Labels.push_back({{place.left(), place.top(), place.width(), place.height()},
                              Text(line.WeightText),
                              Qt::white,
                              Qt::black,
                              11,
                              false});
  }
  return picture;
}

// The ring of all ten vertices, in pixels: every sheet's drawing has one scale, and a smaller
// graph stands where the graph view would show it.
QRectF RingBounds() {
  QRectF bounds;
  for (const ring::VertexPlace& place : ring::Places) bounds |= QRectF(ui::ToPixels(place.Marker));
  return bounds;
}

void PaintGraph(QPainter& painter, const Drawing& drawing, const QRectF& area) {
  const ui::GraphPicture picture = PrintedPicture(drawing);
  const QRectF bounds = RingBounds();
  const double scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
  painter.save();
  painter.translate(area.left() + (area.width() - scale * bounds.width()) / 2, area.top());
  painter.scale(scale, scale);
  painter.translate(-bounds.topLeft());
  painter.setFont(QFont(ui::SansFamily));
  ui::GraphPainter(picture).Paint(painter);
  painter.restore();
}

// The weight matrix as a table with the letters along both sides; returns its height.
double PaintMatrix(QPainter& painter, const Drawing& drawing, const QRectF& area) {
  const int n = drawing.VertexCount();
  const double cell = std::min(30.0, area.width() / (n + 1));
  painter.save();
  painter.setPen(QPen(Qt::black, 0.75));
  for (int r = 0; r <= n; ++r) {
    for (int c = 0; c <= n; ++c) {
      const QRectF box(area.left() + c * cell, area.top() + r * cell, cell, cell);
      const bool header = r == 0 || c == 0;
      painter.fillRect(box, header ? QColor(225, 225, 225) : QColor(Qt::white));
      painter.drawRect(box);
      QString text;
      if (r == 0 && c > 0) text = QChar(VertexLetter(c - 1));
      if (c == 0 && r > 0) text = QChar(VertexLetter(r - 1));
      if (r > 0 && c > 0) {
        text = r == c ? QStringLiteral("\u2013")
                      : QString::number(drawing.WeightBetween(r - 1, c - 1));
      }
      painter.setFont(TextFont(9, header));
      painter.drawText(box, Qt::AlignCenter, text);
    }
  }
  painter.restore();
  return (n + 1) * cell;
}

// The sheet's title line, with room for the student's name.
double PaintTitle(QPainter& painter, const QRectF& content, const QString& title) {
  const double height = DrawText(painter, TextFont(16, true), content, title);
  painter.setFont(TextFont(11));
  painter.drawText(content, Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("Name: ______________________"));
  return height;
}

// Ruled lines to write an answer on.
void PaintRules(QPainter& painter, double left, double right, double top, double bottom) {
  constexpr double Spacing = 24;
  painter.save();
  painter.setPen(QPen(RuleColour, 0.75));
  for (double y = top + Spacing; y <= bottom + 0.5; y += Spacing) {
    painter.drawLine(QPointF(left, y), QPointF(right, y));
  }
  painter.restore();
}

void PaintSheet(PdfPages& pages, const Worksheet& sheet) {
  QPainter& painter = pages.Painter();
  const QRectF content = pages.Content();
  double y = content.top();
  y += PaintTitle(painter, content, Text(sheet.Id)) + 4;
  y += DrawText(painter, TextFont(10), QRectF(content.left(), y, content.width(), 100),
                Text(sheet.Summary) +
                    QStringLiteral(" Write lines as A--B and tours from A, such as A, C, B, A.")) +
       Gap;

  // The drawing on the left, the weight matrix on the right.
  const double graphWidth = content.width() * 0.6;
  const QRectF graphArea(content.left(), y, graphWidth, graphWidth * 0.86);
  PaintGraph(painter, sheet.Graph, graphArea);
  const double matrixLeft = graphArea.right() + Gap;
  const double matrixWidth = content.right() - matrixLeft;
  const double caption =
      DrawText(painter, TextFont(10, true), QRectF(matrixLeft, y, matrixWidth, 100),
               QStringLiteral("Weights"));
  const double matrix =
      PaintMatrix(painter, sheet.Graph, QRectF(matrixLeft, y + caption + 4, matrixWidth, 1e6));
  y += std::max(graphArea.height(), caption + 4 + matrix) + 2 * Gap;

  // The questions share what is left of the page as room to answer, two to five lines each;
  // what does not fit goes on to another page.
  constexpr double Indent = 24;
  const double textWidth = content.width() - Indent;
  const QFont font = TextFont(10.5);
  std::vector<double> heights;
  double texts = 0;
  for (const SheetQuestion& question : sheet.Questions) {
    heights.push_back(TextHeight(painter, font, textWidth, Text(question.Text)));
    texts += heights.back() + Gap;
  }
  const double share = (content.bottom() - y - texts) / std::max<std::size_t>(1, heights.size());
  const double room = std::clamp(share, 2 * 24.0, 5 * 24.0);
  for (std::size_t i = 0; i < sheet.Questions.size(); ++i) {
    if (y + heights[i] + room > content.bottom()) {
      pages.NewPage();
      y = content.top();
      y += PaintTitle(painter, content, Text(sheet.Id) + QStringLiteral(", continued")) + Gap;
    }
    painter.setFont(font);
    painter.drawText(QRectF(content.left(), y, Indent, 100), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(i + 1) + QLatin1Char('.'));
    DrawText(painter, font, QRectF(content.left() + Indent, y, textWidth, 1e6),
             Text(sheet.Questions[i].Text));
    y += heights[i];
    PaintRules(painter, content.left() + Indent, content.right(), y, y + room);
    y += room + Gap;
  }
}

QByteArray SheetsPdf(const std::vector<Worksheet>& sheets, const QString& title) {
  PdfPages pages(title);
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0) pages.NewPage();
    PaintSheet(pages, sheets[i]);
  }
  return pages.Finish();
}

QByteArray KeyPdf(const std::vector<Worksheet>& sheets, const QString& title) {
  PdfPages pages(title);
  QPainter& painter = pages.Painter();
  const QRectF content = pages.Content();
  double y = content.top();
  y += DrawText(painter, TextFont(16, true), content, title) + 4;
  y += DrawText(painter, TextFont(9), QRectF(content.left(), y, content.width(), 1e6),
                QStringLiteral("The answers are the program's, as tsp-simulator --report gives "
                               "them for each sheet's graph. Where two choices weigh the same, "
                               "another answer can be right too; a tour read backwards is the "
                               "same tour.")) +
       Gap;

  constexpr double Indent = 24;
  const double textWidth = content.width() - Indent;
  const QFont heading = TextFont(12, true);
  const QFont font = TextFont(10);
  for (const Worksheet& sheet : sheets) {
    std::vector<QString> answers;
    double height = TextHeight(painter, heading, content.width(), Text(sheet.Id)) + 4;
    for (const SheetQuestion& question : sheet.Questions) {
      answers.push_back(Text(question.Label + ": " + question.Answer));
      height += TextHeight(painter, font, textWidth, answers.back()) + 3;
    }
    // A sheet's answers stay together on one page.
    if (y + height > content.bottom() && y > content.top()) {
      pages.NewPage();
      y = content.top();
    }
    y += DrawText(painter, heading, QRectF(content.left(), y, content.width(), 100),
                  Text(sheet.Id)) +
         4;
    for (std::size_t i = 0; i < answers.size(); ++i) {
      painter.setFont(font);
      painter.drawText(QRectF(content.left(), y, Indent, 100), Qt::AlignLeft | Qt::AlignTop,
                       QString::number(i + 1) + QLatin1Char('.'));
      y += DrawText(painter, font, QRectF(content.left() + Indent, y, textWidth, 1e6), answers[i]) +
           3;
    }
    y += Gap;
  }
  return pages.Finish();
}

QtMessageHandler passOn = nullptr;

// Qt looks there for a sandbox's files as it starts; a command run outside a desktop session
// has no such folder, and nothing is amiss.
void QuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  passOn(type, context, message);
}

// Fonts and PDF pages need a GUI application; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) {
    assert(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr);
    return nullptr;
  }
  static int argc = 1;
  static char name[] = "tsp-simulator";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  passOn = qInstallMessageHandler(QuietAboutRuntimeFolder);
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  qInstallMessageHandler(passOn);
  return app;
}

int Fail(std::FILE* err, const QString& path, const QString& why) {
  std::fprintf(err, "%s\n", qPrintable(FileMessage(QStringLiteral("write"), path, why)));
  return 2;
}

}  // namespace

int WriteWorksheets(const WorksheetOptions& options, std::FILE* err) {
  assert(options.Count >= 1 && options.Count <= MaxWorksheetCount);
  assert(!options.SheetsPath.isEmpty() && !options.KeyPath.isEmpty());
  const auto app = EnsureGuiApplication();

  std::vector<Worksheet> sheets;
  for (int k = 1; k <= options.Count; ++k) sheets.push_back(MakeWorksheet(options.Settings, k));
  const QString set = QStringLiteral("seed %1, %2 sheets of %3 vertices")
                          .arg(options.Settings.Seed)
                          .arg(options.Count)
                          .arg(options.Settings.VertexCount);
  const QByteArray sheetsPdf = SheetsPdf(sheets, QStringLiteral("Worksheets: ") + set);
  const QByteArray keyPdf = KeyPdf(sheets, QStringLiteral("Answer key: ") + set);
  if (sheetsPdf.isEmpty())
    return Fail(err, options.SheetsPath, QStringLiteral("No PDF could be made."));
  if (keyPdf.isEmpty()) return Fail(err, options.KeyPath, QStringLiteral("No PDF could be made."));

  // Both PDF files are committed only once everything else is written; until then the files
  // on disk stay as they were.
  QSaveFile sheetsFile(options.SheetsPath);
  QSaveFile keyFile(options.KeyPath);
  for (QSaveFile* file : {&sheetsFile, &keyFile}) {
    // A save file would put an ordinary file in the place of a folder's entry or a device.
    const QFileInfo info(file->fileName());
    if (info.exists() && !info.isFile()) {
      return Fail(err, file->fileName(), QStringLiteral("This is not an ordinary file."));
    }
    if (!file->open(QIODevice::WriteOnly)) {
      return Fail(err, file->fileName(),
                  QStringLiteral("The file cannot be written: %1.").arg(file->errorString()));
    }
  }
  if (!options.GraphsFolder.isEmpty()) {
    const QDir folder(options.GraphsFolder);
    if (!folder.mkpath(QStringLiteral("."))) {
      return Fail(err, options.GraphsFolder, QStringLiteral("The folder cannot be made."));
    }
    for (const Worksheet& sheet : sheets) {
      const QString path = folder.filePath(Text(sheet.GraphFileName));
      if (const auto why = WriteGraphDocument(path, sheet.Document)) return Fail(err, path, *why);
    }
  }
  for (auto [file, bytes] : {std::pair{&keyFile, &keyPdf}, std::pair{&sheetsFile, &sheetsPdf}}) {
    if (file->write(*bytes) != bytes->size() || !file->commit()) {
      return Fail(err, file->fileName(),
                  QStringLiteral("The file cannot be written: %1.").arg(file->errorString()));
    }
  }
  return 0;
}

}  // namespace tsp
