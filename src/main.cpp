#include <QApplication>

#include "app/screens.h"
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
  tsp::Screens screens(tsp::ui::Services{messages, clock, random});
  screens.SetOnEnd([] { QApplication::quit(); });
  screens.Start();
  return QApplication::exec();
}
