#include "foundation/exceptions.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <system_error>
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
  // The standard library's thread-safe lookup of strerror's text; strerror_r
  // itself differs between C libraries (GNU, XSI) and is missing on Windows.
  return std::generic_category().message(error_number);
}

}  // namespace lumora
