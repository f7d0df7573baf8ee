#include "platform/Application.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <cmath>
#include <csignal>
#include <cstdio>

#include "Report.h"
#include "accessibility/Accessibility.h"
#include "desktop/DesktopStyle.h"
#include "desktop/Ink.h"
#include "desktop/Scale.h"
#include "display/Display.h"
#include "platform/Exceptions.h"
#include "platform/Translation.h"
#include "platform/Window.h"
#include "runtime/Dispatch.h"
#if defined(_WIN32)
#include "runtime/CloseRequests.h"
#endif
#include "text/Translation.h"

namespace platform {
namespace {

int quitCode = 0;
bool quitRequested = false;
bool errorReported = false;

QIcon IconOf(const std::vector<std::string>& files) {
  QIcon icon;
  for (const std::string& name : files) {
    QFile file(QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray pixels = file.readAll();
    const int side = static_cast<int>(std::lround(std::sqrt(pixels.size() / 4)));
    if (side * side * 4 != pixels.size()) continue;
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), side, side,
                       QImage::Format_RGBA8888);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

// Follows the desktop while the program runs: its font (the default UI size stays) and its
// theme (the design's colours stay legible).
class DesktopChanges final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != qApp) return false;
    if (event->type() == QEvent::ApplicationFontChange) {
      detail::UseDefaultPixelSize();
      detail::FitOpenWindows();
    }
    if (event->type() == QEvent::ApplicationPaletteChange) detail::ReapplyDesignColors();
    return false;
  }
};

bool HasDesktop() {
  const QString platform = QGuiApplication::platformName();
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
         platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

Runtime::Runtime(int& argc, char** argv, const DesktopIdentity& identity) {
#ifndef _WIN32
  // A write to a display server, or a pipe, whose other end has just gone must fail and be
  // handled as such, not end the program silently: a repaint as the X server stopped once ended
  // it by SIGPIPE, with no line and status -13, and so did a warning Qt wrote as it started to
  // a standard error whose reader had gone. The command line's own output keeps SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  // Before Qt's logging starts: it reads QT_LOGGING_CONF.
  detail::GuardQtSettings(argc, argv);
  detail::InstallQtMessages(argc > 0 ? argv[0] : nullptr, detail::AskedPlatform(argc, argv));
  toolkit_ = std::make_unique<QApplication>(argc, argv);
  detail::QtStarted();
  detail::InstallTranslations();
  detail::UseDesktopStyle();
  if (QGuiApplication::platformName() == QLatin1String("xcb")) detail::EndQuietlyOnLostDisplay();
  // The window's Close handler decides whether closing it ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  detail::UseDefaultPixelSize();
  qApp->installEventFilter(new DesktopChanges(qApp));
  detail::InstallAccessibility();
  QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktopId));
  QCoreApplication::setApplicationVersion(QString::fromStdString(identity.version));
  if (!identity.iconPixels.empty()) QApplication::setWindowIcon(IconOf(identity.iconPixels));
#if defined(_WIN32)
  // Ended as File > Quit ends it.
  detail::AnswerCloseRequests([] { Quit(0); });
#endif
}

Runtime::~Runtime() {
  DestroyAllWindows();
  RegisterApplication(nullptr);
  toolkit_.reset();
}

int Runtime::ExitStatus() const { return errorReported ? 1 : quitCode; }

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
  const std::string description = detail::UnhandledErrorLine(error);
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
