#include <exception>
#include <optional>

#if defined(VD_COMMAND_LINE)
#include "app/CommandLine.h"
#endif
#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char* argv[]) {
#if defined(VD_COMMAND_LINE)
  if (const std::optional<int> status = RunCommandLine(argc, argv)) return *status;
#else
  // A page has no command line: the calculator opens at once.
#endif
  try {
    platform::Runtime runtime(argc, argv,
                              {.desktopId = VD_APP_ID,
                               .version = VD_VERSION,
                               .iconPixels = {":/icons/16.rgba", ":/icons/32.rgba",
                                              ":/icons/48.rgba", ":/icons/64.rgba"}});
    Main();
    return runtime.ExitStatus();
  } catch (...) {
    // The runtime could not start: there is nothing to show a dialog on.
    platform::ReportUnhandledException(std::current_exception());
    return 1;
  }
}
