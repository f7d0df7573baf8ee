#pragma once

#include <exception>
#include <string>

namespace platform::detail {

// The first line of the report of an error that nothing caught: "Unhandled " and the error's
// class and message, in the user's language.
std::string UnhandledErrorLine(std::exception_ptr error);

}  // namespace platform::detail
