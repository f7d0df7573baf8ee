#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The root of every error the platform raises. Each subclass names itself so that the
// unhandled-error report can say which kind of error escaped.
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

#define PLATFORM_EXCEPTION(Name)                                      \
  class Name : public RuntimeException {                              \
   public:                                                            \
    using RuntimeException::RuntimeException;                         \
    const char* ClassName() const noexcept override { return #Name; } \
  }

// A nil object was about to be used, or a control or menu item looked up by name is missing.
PLATFORM_EXCEPTION(NilObjectException);
// An object found by name is not of the class the caller asked for.
PLATFORM_EXCEPTION(IllegalCastException);
// A window, control or menu operation was called from a thread other than the main one.
PLATFORM_EXCEPTION(ThreadAccessingUIException);
// A row index outside the popup's rows.
PLATFORM_EXCEPTION(OutOfBoundsException);
// A name registered twice, or an object used where it does not belong.
PLATFORM_EXCEPTION(InvalidArgumentException);
// A number pattern that Format does not understand.
PLATFORM_EXCEPTION(UnsupportedFormatException);

#undef PLATFORM_EXCEPTION

}  // namespace platform
