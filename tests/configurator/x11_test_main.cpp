// The main of the configurator's tests on a real X display: the windows run
// on Qt's X11 platform under the window manager that x11_session.sh starts,
// so captions, frames and focus are what an operator gets.

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include "configurator/configurator_application.h"

int main(int argc, char** argv) {
  if (::getenv("DISPLAY") == nullptr) {
    ::fprintf(stderr, "no DISPLAY: run these tests through x11_session.sh\n");
    return 1;
  }
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  lumora::TConfiguratorApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
