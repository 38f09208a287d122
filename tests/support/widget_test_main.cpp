#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/look.h"

namespace {

// The offscreen platform warns about window operations it cannot do (raise, size hints);
// those say nothing about the program.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg) abort();
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings written by the windows (last folder, animation speed) stay with this run.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  qInstallMessageHandler(QuietOffscreenWarnings);
  QApplication app(argc, argv);
  tsp::ui::ApplyApplicationLook(app);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return result;
}
