// The main of the configurator's test programs: the application object lives
// on main's stack, so it goes before Qt's own statics are torn down.

#include <gtest/gtest.h>
#include <stdlib.h>

#include "configurator/configurator_application.h"

int main(int argc, char** argv) {
  // Never a display: also when CTest lists the tests, which runs the program
  // without the tests' environment.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  lumora::TConfiguratorApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
