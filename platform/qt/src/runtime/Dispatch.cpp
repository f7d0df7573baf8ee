#include "runtime/Dispatch.h"

#include <QCoreApplication>
#include <QThread>

#include "platform/Exceptions.h"

namespace platform::detail {
namespace {

std::exception_ptr pendingException;
int programCallDepth = 0;

}  // namespace

void RequireMainThread() {
  const auto* application = QCoreApplication::instance();
  if (application != nullptr && QThread::currentThread() != application->thread()) {
    throw ThreadAccessingUIException(
        "a window, control or menu was used from a thread other than the main thread");
  }
}

void Deliver(const std::function<void()>& handler) noexcept {
  if (pendingException) return;
  try {
    handler();
  } catch (...) {
    pendingException = std::current_exception();
    if (programCallDepth == 0) QCoreApplication::exit(1);
  }
}

void CallQt(const std::function<void()>& qtCall) {
  RequireMainThread();
  const bool alreadyPending = static_cast<bool>(pendingException);
  ++programCallDepth;
  struct Leave {
    ~Leave() { --programCallDepth; }
  } leave;
  qtCall();
  if (!alreadyPending && pendingException) std::rethrow_exception(TakePendingException());
}

bool HasPendingException() { return static_cast<bool>(pendingException); }

std::exception_ptr TakePendingException() { return std::exchange(pendingException, nullptr); }

}  // namespace platform::detail
