#include "support/fake_services.h"

#include <QApplication>

namespace tsp::testing {

TestApp::TestApp(ui::FileDialog* files)
    : App(std::make_unique<Navigator>(
          ui::Services{Messages, Time, Random, files != nullptr ? *files : Files})) {
  App->setOnEnd([this] { ++Ends; });
}

TestApp::~TestApp() {
  App.reset();
  Settle();
}

void TestApp::Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace tsp::testing
