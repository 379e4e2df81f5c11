#include "platform/executable.h"

int main(int argc, char** argv) {
  lumora::platform::RecordArguments(argc, argv);
  return 0;
}
