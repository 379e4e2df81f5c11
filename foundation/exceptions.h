#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace lumora {

// Base of the errors the programs raise. Log lines name an error by its class
// name (ClassName), so every kind of failure gets its own small class.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  virtual std::string_view ClassName() const noexcept { return "Exception"; }
};

// Declares an error class whose ClassName is its own name.
#define LUMORA_DECLARE_EXCEPTION(Name, Base)                                       \
  class Name : public Base {                                                       \
   public:                                                                         \
    using Base::Base;                                                              \
    std::string_view ClassName() const noexcept override { return #Name; }         \
  }

// Errors shared by several subsystems.
LUMORA_DECLARE_EXCEPTION(EConvertError, Exception);    // text that is not a number or date
LUMORA_DECLARE_EXCEPTION(EInOutError, Exception);      // a file operation failed
LUMORA_DECLARE_EXCEPTION(EFCreateError, EInOutError);  // "Cannot create file ..."
LUMORA_DECLARE_EXCEPTION(EFOpenError, EInOutError);    // "Cannot open file ..."

// The class name a log line shows for any exception: ClassName for ours, the
// demangled type name for anything else.
std::string ExceptionClassName(const std::exception& error);

// The system's text for an errno value, as the platform reports it.
std::string SystemErrorText(int error_number);

}  // namespace lumora
