#include <QApplication>

#include "app/navigator.h"
#include "ui/look.h"
#include "ui/services.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tsp::ui::ApplyApplicationLook(app);
  // Lets desktops match the windows with the installed entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tspsimulator.TspSimulator"));
  tsp::ui::QtMessageBox messages;
  tsp::ui::SteadyClock clock;
  tsp::ui::FixedRandomSource random;
  tsp::ui::QtFileDialog files;
  tsp::Navigator navigator(tsp::ui::Services{messages, clock, random, files});
  navigator.setOnEnd([] { QApplication::quit(); });
  navigator.start();
  return QApplication::exec();
}
