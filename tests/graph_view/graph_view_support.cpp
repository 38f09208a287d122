#include "graph_view/graph_view_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "graph/form4.h"

namespace tsp::testing {

namespace {

void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

}  // namespace

void Click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

Form3& OpenMatrixEditor(TestApp& t, int vertexCount, int iterations) {
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command1);
  Form2& entry = *t.App->VertexCountScreen().Get();
  Type(entry.Text3, QString::number(vertexCount));
  Type(entry.Text4, QString::number(iterations));
  Click(entry.Command1);
  t.Settle();
  return *t.App->MatrixEditor().Get();
}

Form4& ViewGraph(TestApp& t, const std::vector<EdgeEntry>& edges) {
  Form3& editor = *t.App->MatrixEditor().Get();
  for (const EdgeEntry& edge : edges) {
    editor.Text1[10 * edge.Row + edge.Column]->setText(QStringLiteral("1"));
    editor.Text2[10 * edge.Row + edge.Column]->setText(edge.Weight);
  }
  Click(editor.Command1);
  t.Settle();
  return *t.App->GraphView().Get();
}

Form4& OpenGraphView(TestApp& t, int vertexCount, const std::vector<EdgeEntry>& edges,
                     int iterations) {
  OpenMatrixEditor(t, vertexCount, iterations);
  return ViewGraph(t, edges);
}

}  // namespace tsp::testing
