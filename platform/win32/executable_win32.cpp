#include "platform/executable.h"

#include <windows.h>
#include <shellapi.h>

#include <system_error>

#include "platform/win32/win32_text.h"

namespace lumora::platform {

std::string ExecutablePath() {
  // The path may exceed MAX_PATH; grow until it fits (the call truncates and
  // returns the buffer's size when it does not).
  std::wstring buffer(MAX_PATH, L'\0');
  while (buffer.size() <= 32768) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), "the program's path");
    }
    if (length < buffer.size()) return win32::Narrow(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
  throw std::system_error(ERROR_FILENAME_EXCED_RANGE, std::system_category(), "the program's path");
}

namespace {
std::vector<std::string>& Arguments() {
  static std::vector<std::string> arguments;
  return arguments;
}
}  // namespace

const std::vector<std::string>& ProgramArguments() { return Arguments(); }

// argv of a narrow main is in the ANSI code page and loses what it cannot
// hold; the wide command line gives the arguments as typed.
void RecordArguments(int argc, const char* const* argv) {
  auto& arguments = Arguments();
  arguments.clear();
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide != nullptr && count == argc) {
    for (int i = 1; i < count; ++i) arguments.push_back(win32::Narrow(wide[i]));
  } else {
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  }
  if (wide != nullptr) ::LocalFree(wide);
}

}  // namespace lumora::platform
