#pragma once

// The configurator's application object: the windowing framework with its
// general error message.

#include <QApplication>

namespace lumora {

// An error that escapes a window's handler ends up here and is shown with
// its text under the program's title; the program goes on running.
class TConfiguratorApplication : public QApplication {
  Q_OBJECT

 public:
  TConfiguratorApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace lumora
