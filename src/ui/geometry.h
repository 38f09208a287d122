#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QString>

#include "core/graph/ring.h"

class QWidget;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QLabel;

namespace tsp::ui {

inline constexpr int TwipsPerPixel = 15;

// Twips to pixels at 96 dots per inch, halves rounded away from zero.
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel)
                    : -((-2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel));
}

// Position and size in twips from the top left of a window's client area.
using Place = ring::TwipBox;

QRect ToPixels(const Place& place);

// Look of a control; a point size of 0 and invalid colours keep the defaults.
struct Look {
  double PointSize = 0;
  bool Bold = false;
  QColor Background{};
  QColor Foreground{};
  QString Family{};
};

// One row of a window's control table.
struct ControlDesign {
  const char* Name = nullptr;
  QString Text{};
  Place Where{};
  Look Style{};
  QString AccessibleName{};
};

// The object name of element index of a control array: "Text3_12".
QByteArray IndexedName(const char* name, int index);

QLineEdit* AddTextBox(QWidget* parent, const ControlDesign& design);
QPlainTextEdit* AddMultiLineTextBox(QWidget* parent, const ControlDesign& design);
QPushButton* AddButton(QWidget* parent, const ControlDesign& design);
QLabel* AddLabel(QWidget* parent, const ControlDesign& design);

void SetPlace(QWidget* widget, const Place& place);
void SetBackground(QWidget* widget, const QColor& colour);
QColor Background(const QWidget* widget);

// The colours of the usual system scheme for the named system colours.
namespace SystemColour {
inline const QColor WindowText(0, 0, 0);
inline const QColor MenuText(0, 0, 0);
inline const QColor Desktop(0, 128, 128);
inline const QColor WindowFrame(0, 0, 0);
inline const QColor ActiveBorder(212, 208, 200);
inline const QColor ButtonFace(212, 208, 200);
}  // namespace SystemColour

}  // namespace tsp::ui
