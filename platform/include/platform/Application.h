#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Menu.h"
#include "platform/Native.h"

namespace platform {

class MenuBar;

// The application object: one per process, held by the platform once registered.
class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application() = default;

  void SetMenuBar(MenuBar& menuBar) { menuBar_ = &menuBar; }
  MenuBar* GetMenuBar() const { return menuBar_; }

 private:
  MenuBar* menuBar_ = nullptr;
};

// How the desktop knows the running program: the desktop entry it belongs to (its file name
// without ".desktop"; docks and task bars group and pin its windows by it), the version it
// states, and its windows' icon: one file (or Qt resource path) per size, each a square of raw
// RGBA pixels, 8 bits a channel, so that no image decoder need be looked for at start-up.
struct DesktopIdentity {
  std::string desktopId;
  std::string version;
  std::vector<std::string> iconPixels;
};

// The runtime: the toolkit's application object for the life of the process, with the
// application font the design's text sizes are measured in. On the desktop (Qt): when there is
// no display to show a window on, it ends the program with one line on standard error and
// status 1; destroying it closes every window and shuts Qt down. On a page, the browser's event
// loop outlives main: the windows stay with the page.
class Runtime {
 public:
  Runtime(int& argc, char** argv, const DesktopIdentity& identity = {});
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  ~Runtime();

  // The quit code, or 1 if an error was reported.
  int ExitStatus() const;

 private:
  std::unique_ptr<native::Toolkit> toolkit_;
};

// Makes `application` the application object for the rest of the process.
void RegisterApplication(std::unique_ptr<Application> application);
Application* CurrentApplication();

// Calls `lateStartup` once, then runs the event loop until Quit. An exception that escaped an
// event handler ends the loop and is rethrown here. On a page the loop is the browser's, which
// runs on after Run returns; an exception there is reported as it escapes.
void Run(const std::function<void()>& lateStartup);

// Ends the event loop; Run returns and the process exits with `code`.
void Quit(int code);

// An item that quits the application when chosen.
class QuitMenuItem : public MenuItem {
 public:
  bool Action() override;
};

// Quits the application as a quit request does; returns true.
bool QuitMenuAction(MenuItem& item);

// Reports an error that nothing caught: its class and message on standard error and, in a
// desktop session, in an error dialog. From then on the runtime's ExitStatus is 1.
void ReportUnhandledException(std::exception_ptr error);

// The exception a handler raised while Qt was delivering an event, if any, taken away.
std::exception_ptr TakePendingException();

}  // namespace platform
