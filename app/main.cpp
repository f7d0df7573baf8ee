#include <exception>

#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char* argv[]) {
  try {
    platform::Runtime runtime(argc, argv,
                              {.desktopId = VD_APP_ID,
                               .version = VD_VERSION,
                               .iconFiles = {":/icons/16.png", ":/icons/32.png", ":/icons/48.png",
                                             ":/icons/64.png", ":/icons/128.png"}});
    Main();
    return runtime.ExitStatus();
  } catch (...) {
    // The runtime could not start (no display, for one): there is nothing to show a dialog on.
    platform::ReportUnhandledException(std::current_exception());
    return 1;
  }
}
