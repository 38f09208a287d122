#include "ui/geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tsp::ui {

QRect ToPixels(const Place& place) {
  return QRect(TwipsToPixels(place.Left), TwipsToPixels(place.Top), TwipsToPixels(place.Width),
               TwipsToPixels(place.Height));
}

QByteArray IndexedName(const char* name, int index) {
  return QByteArray(name) + '_' + QByteArray::number(index);
}

void SetPlace(QWidget* widget, const Place& place) {
  widget->setGeometry(ToPixels(place));
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Button, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QColor Background(const QWidget* widget) {
  if (qobject_cast<const QPushButton*>(widget)) return widget->palette().color(QPalette::Button);
  if (qobject_cast<const QLabel*>(widget)) return widget->palette().color(QPalette::Window);
  return widget->palette().color(QPalette::Base);
}

namespace {

void Apply(QWidget* widget, const ControlDesign& design) {
  widget->setObjectName(QString::fromLatin1(design.Name));
  widget->setAccessibleName(design.AccessibleName.isEmpty() ? design.Text : design.AccessibleName);
  SetPlace(widget, design.Where);
  QFont font = widget->font();
  if (!design.Style.Family.isEmpty()) font.setFamilies({design.Style.Family});
  if (design.Style.PointSize > 0) font.setPointSizeF(design.Style.PointSize);
  font.setBold(design.Style.Bold);
  widget->setFont(font);
  if (design.Style.Background.isValid()) SetBackground(widget, design.Style.Background);
  if (design.Style.Foreground.isValid()) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, design.Style.Foreground);
    palette.setColor(QPalette::WindowText, design.Style.Foreground);
    palette.setColor(QPalette::ButtonText, design.Style.Foreground);
    widget->setPalette(palette);
  }
}

}  // namespace

QLineEdit* AddTextBox(QWidget* parent, const ControlDesign& design) {
  auto* box = new QLineEdit(design.Text, parent);
  // A text box takes whatever is typed or pasted, however long.
  box->setMaxLength(1 << 20);
  Apply(box, design);
  // A text wider than its box shows its beginning, as it was designed to be read.
  box->setCursorPosition(0);
  return box;
}

QPlainTextEdit* AddMultiLineTextBox(QWidget* parent, const ControlDesign& design) {
  auto* box = new QPlainTextEdit(parent);
  box->setPlainText(design.Text);
  Apply(box, design);
  return box;
}

QPushButton* AddButton(QWidget* parent, const ControlDesign& design) {
  auto* button = new QPushButton(design.Text, parent);
  button->setAutoDefault(false);
  Apply(button, design);
  return button;
}

QLabel* AddLabel(QWidget* parent, const ControlDesign& design) {
  auto* label = new QLabel(design.Text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Apply(label, design);
  return label;
}

}  // namespace tsp::ui
