#include "platform/Application.h"

#include "runtime/Dispatch.h"

// The application object and the Quit item, on either platform; the runtime, the event loop and
// Quit are each implementation's own.
namespace platform {
namespace {

std::unique_ptr<Application>& TheApplication() {
  static std::unique_ptr<Application> application;
  return application;
}

}  // namespace

void RegisterApplication(std::unique_ptr<Application> application) {
  detail::RequireMainThread();
  TheApplication() = std::move(application);
}

Application* CurrentApplication() { return TheApplication().get(); }

bool QuitMenuItem::Action() { return QuitMenuAction(*this); }

bool QuitMenuAction(MenuItem&) {
  Quit(0);
  return true;
}

}  // namespace platform
