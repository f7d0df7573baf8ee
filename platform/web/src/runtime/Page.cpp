#include <emscripten/emscripten.h>

#include <cstdio>

#include "Report.h"
#include "platform/Application.h"
#include "runtime/Dispatch.h"
#include "widgets/Element.h"
#include "widgets/Listeners.h"

namespace platform {

// The page the calculator runs in. Nothing of it needs keeping: the browser holds the document.
class web::Page {};

namespace {

int quitCode = 0;
bool errorReported = false;

}  // namespace

Runtime::Runtime(int&, char**, const DesktopIdentity&) : toolkit_(std::make_unique<web::Page>()) {}

// The page's windows stay with the page after main returns, for the browser's event loop.
Runtime::~Runtime() = default;

int Runtime::ExitStatus() const { return errorReported ? 1 : quitCode; }

void Run(const std::function<void()>& lateStartup) { lateStartup(); }

// A page may close only a window that a script opened, or an installed app's; page.js closes
// it where it may, and otherwise leaves the calculator for an empty page.
void Quit(int code) {
  quitCode = code;
  web::Call("quit");
}

void ReportUnhandledException(std::exception_ptr error) {
  errorReported = true;
  const std::string description = detail::UnhandledErrorLine(error);
  // The browser's console shows standard error; no printf is linked for one line.
  std::fputs((description + "\n").c_str(), stderr);
  web::Call("report", 0, description);
}

// Errors are reported as they escape a handler: none waits to be taken.
std::exception_ptr TakePendingException() { return nullptr; }

void detail::Deliver(const std::function<void()>& handler) noexcept {
  if (errorReported) return;
  try {
    handler();
  } catch (...) {
    ReportUnhandledException(std::current_exception());
  }
}

}  // namespace platform

// What page.js calls: the events of the controls' elements, and the menu items.
extern "C" {
EMSCRIPTEN_KEEPALIVE void vd_event(int id, const char* event, const char* key) {
  platform::web::Dispatch(id, event, key);
}
EMSCRIPTEN_KEEPALIVE void vd_choose(int item) { platform::web::Choose(item); }
EMSCRIPTEN_KEEPALIVE int vd_can_choose(int item) { return platform::web::CanChoose(item); }
}
