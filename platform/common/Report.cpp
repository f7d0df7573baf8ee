#include "Report.h"

#include "platform/Exceptions.h"
#include "platform/Translation.h"

namespace platform::detail {
namespace {

std::string Describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeException& exception) {
    return std::string(exception.ClassName()) + ": " + exception.what();
  } catch (const std::exception& exception) {
    return std::string("std::exception: ") + exception.what();
  } catch (...) {
    return Translated(platform::Translatable("error messages", "an exception of unknown type"));
  }
}

}  // namespace

std::string UnhandledErrorLine(std::exception_ptr error) {
  //: The first line of the report of an error the program did not handle, in a message box and
  //: on standard error; %1 names the error, as the program's developers wrote it.
  return Translated(platform::Translatable("error messages", "Unhandled %1"), Describe(error));
}

}  // namespace platform::detail
