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

void Apply(QWidget* widget, const ControlSpec& spec) {
  widget->setObjectName(QString::fromLatin1(spec.Name));
  widget->setAccessibleName(spec.AccessibleName.isEmpty() ? spec.Text : spec.AccessibleName);
  SetPlace(widget, spec.Where);
  QFont font = widget->font();
  if (!spec.Style.Family.isEmpty()) font.setFamilies({spec.Style.Family});
  if (spec.Style.PointSize > 0) font.setPointSizeF(spec.Style.PointSize);
  font.setBold(spec.Style.Bold);
  widget->setFont(font);
  if (spec.Style.Background.isValid()) SetBackground(widget, spec.Style.Background);
  if (spec.Style.Foreground.isValid()) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, spec.Style.Foreground);
    palette.setColor(QPalette::WindowText, spec.Style.Foreground);
    palette.setColor(QPalette::ButtonText, spec.Style.Foreground);
    widget->setPalette(palette);
  }
}

}  // namespace

QLineEdit* AddTextBox(QWidget* parent, const ControlSpec& spec) {
  auto* box = new QLineEdit(spec.Text, parent);
  // A text box takes whatever is typed or pasted, however long.
  box->setMaxLength(1 << 20);
  Apply(box, spec);
  // A text wider than its box shows its beginning, as it was designed to be read.
  box->setCursorPosition(0);
  return box;
}

QPlainTextEdit* AddMultiLineTextBox(QWidget* parent, const ControlSpec& spec) {
  auto* box = new QPlainTextEdit(parent);
  box->setPlainText(spec.Text);
  Apply(box, spec);
  return box;
}

QPushButton* AddButton(QWidget* parent, const ControlSpec& spec) {
  auto* button = new QPushButton(spec.Text, parent);
  button->setAutoDefault(false);
  Apply(button, spec);
  return button;
}

QLabel* AddLabel(QWidget* parent, const ControlSpec& spec) {
  auto* label = new QLabel(spec.Text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Apply(label, spec);
  return label;
}

}  // namespace tsp::ui
