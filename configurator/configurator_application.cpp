#include "configurator/configurator_application.h"

#include "configurator/operator_messages.h"

namespace lumora {

TConfiguratorApplication::TConfiguratorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
  // No display name: on X11 Qt appends it to every window's caption, and
  // each window carries its own caption. The message boxes name the program
  // themselves.
  setApplicationName(QString::fromUtf8(kProgramTitle));
  setQuitOnLastWindowClosed(true);
}

bool TConfiguratorApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Messages().ShowError(activeWindow(), QString::fromUtf8(error.what()));
  } catch (...) {
    Messages().ShowError(activeWindow(), QStringLiteral("Unknown error"));
  }
  return false;
}

}  // namespace lumora
