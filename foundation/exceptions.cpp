#include "foundation/exceptions.h"

#include <cxxabi.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <typeinfo>

namespace lumora {

std::string ExceptionClassName(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error)) {
    return std::string(own->ClassName());
  }
  const char* mangled = typeid(error).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}

std::string SystemErrorText(int error_number) {
  char buffer[256] = {};
  // GNU strerror_r may return a static string instead of filling the buffer.
  const char* text = ::strerror_r(error_number, buffer, sizeof buffer);
  return text != nullptr ? std::string(text) : std::string(buffer);
}

}  // namespace lumora
