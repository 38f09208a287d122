#include "ui/look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace tsp::ui {

void ApplyApplicationLook(QApplication& app) {
  // One style everywhere, so that the palette colours of the controls show as designed.
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font;
  font.setFamilies({SansFamily, QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  app.setFont(font);
  app.setStyleSheet(QStringLiteral("QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }"));
  app.setApplicationName(QStringLiteral("tsp-simulator"));
  app.setOrganizationName(QStringLiteral("tsp-simulator"));
  app.setQuitOnLastWindowClosed(false);
}

}  // namespace tsp::ui
