#include "configurator/configurator_application.h"

#include "configurator/operator_messages.h"

namespace lumora {

TConfiguratorApplication::TConfiguratorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
  setApplicationName(QString::fromUtf8(kProgramTitle));
  setApplicationDisplayName(QString::fromUtf8(kProgramTitle));
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
