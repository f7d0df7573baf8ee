#include "app/Startup.h"

#include <exception>
#include <memory>

#include "app/App.h"
#include "menus/MainMenuBar.h"
#include "platform/Application.h"
#include "window/Window1.h"

namespace {

void NewAppInstance() {
  auto app = std::make_unique<App>();
  app->SetMenuBar(mainMenuBar());
  platform::RegisterApplication(std::move(app));
}

// The calculator declares no document types and no application-level menu handlers, so the
// application object is all there is to prepare.
void EarlyStartup() { NewAppInstance(); }

// Opens the calculator window; the platform keeps it while it is open.
void MakeDefaultView() { window1(); }

void LateStartup() { MakeDefaultView(); }

}  // namespace

void Main() {
  try {
    EarlyStartup();
    platform::Run(LateStartup);
  } catch (...) {
    platform::ReportUnhandledException(std::current_exception());
  }
}
