#include "platform/Application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "Dispatch.h"
#include "Display.h"
#include "Scale.h"
#include "platform/Exceptions.h"
#include "platform/Window.h"

namespace platform {
namespace {

std::unique_ptr<Application>& TheApplication() {
  static std::unique_ptr<Application> application;
  return application;
}

int quitCode = 0;
bool quitRequested = false;
bool errorReported = false;

std::string Describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeException& exception) {
    return std::string(exception.ClassName()) + ": " + exception.what();
  } catch (const std::exception& exception) {
    return std::string("std::exception: ") + exception.what();
  } catch (...) {
    return "an exception of unknown type";
  }
}

bool HasDesktop() {
  const QString platform = QGuiApplication::platformName();
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
         platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

Runtime::Runtime(int& argc, char** argv, const DesktopIdentity& identity) {
  if (const std::string problem = detail::DisplayProblem(argc, argv); !problem.empty()) {
    throw NoDisplayException(problem);
  }
  qt_ = std::make_unique<QApplication>(argc, argv);
  if (QGuiApplication::platformName() == QLatin1String("xcb")) detail::EndQuietlyOnLostDisplay();
  // The window's Close handler decides whether closing it ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  detail::UseDefaultPixelSize();
  QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktopId));
  QCoreApplication::setApplicationVersion(QString::fromStdString(identity.version));
  if (!identity.iconFiles.empty()) {
    QIcon icon;
    for (const std::string& file : identity.iconFiles) icon.addFile(QString::fromStdString(file));
    QApplication::setWindowIcon(icon);
  }
}

Runtime::~Runtime() {
  DestroyAllWindows();
  TheApplication().reset();
  qt_.reset();
}

int Runtime::ExitStatus() const { return errorReported ? 1 : quitCode; }

void RegisterApplication(std::unique_ptr<Application> application) {
  detail::RequireMainThread();
  TheApplication() = std::move(application);
}

Application* CurrentApplication() { return TheApplication().get(); }

void Run(const std::function<void()>& lateStartup) {
  detail::RequireMainThread();
  lateStartup();
  // A quit requested before the loop starts ends it before it delivers anything.
  if (!quitRequested) quitCode = QApplication::exec();
  quitRequested = false;
  if (detail::HasPendingException()) std::rethrow_exception(detail::TakePendingException());
}

void Quit(int code) {
  detail::RequireMainThread();
  quitRequested = true;
  quitCode = code;
  QCoreApplication::exit(code);
}

void ReportUnhandledException(std::exception_ptr error) {
  errorReported = true;
  const std::string description = "Unhandled " + Describe(error);
  // stdio rather than iostream: constructing the iostream objects at start-up costs ~0.3 MiB.
  std::fprintf(stderr, "%s\n", description.c_str());
  std::fflush(stderr);
  if (HasDesktop()) {
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                          QString::fromStdString(description));
  }
}

std::exception_ptr TakePendingException() { return detail::TakePendingException(); }

}  // namespace platform
