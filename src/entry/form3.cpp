#include "entry/form3.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/screens.h"
#include "ui/geometry.h"

namespace tsp {

Form3::Form3(Screens& screens)
    : Form(QStringLiteral("Form3"), 10770, 10485, Qt::black), screens_(screens) {
  for (int i = 0; i < 100; ++i) {
    Text1[i] = new QLineEdit(QStringLiteral("0"), this);
    Text2[i] = new QLineEdit(QStringLiteral("1"), this);
  }
  Text23 = new QLineEdit(QStringLiteral("Text23"), this);
  Text24 = new QLineEdit(QStringLiteral("Text24"), this);
}

void Form3::Load() {}
void Form3::Command1_Click() {}
void Form3::Command2_Click() {}
void Form3::Command3_Click() {}
void Form3::Command4_Click() {}
void Form3::Command5_Click() {}

}  // namespace tsp
