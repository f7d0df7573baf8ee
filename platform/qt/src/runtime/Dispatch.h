#pragma once

// runtime/: the application's start and end, its event loop, and the way calls cross between
// Qt and the program.

#include <exception>
#include <functional>

// Where Qt and the program meet. Qt must never be unwound by an exception, so every call from
// Qt into the program goes through Deliver, and every call from the program into Qt that may
// call back synchronously goes through CallQt, which passes an exception raised inside it on
// to the program's caller as if no Qt code had been in between.
namespace platform::detail {

// Throws ThreadAccessingUIException unless called on the thread that runs the application.
void RequireMainThread();

// Runs `handler` for an event that Qt delivered. An exception from it is kept as the pending
// exception; if the program did not cause the event itself, the event loop is asked to end so
// that Run can rethrow it. While an exception is pending, no further event is delivered.
void Deliver(const std::function<void()>& handler) noexcept;

// Runs `qtCall` on the main thread; rethrows an exception that a handler raised during it.
void CallQt(const std::function<void()>& qtCall);

bool HasPendingException();
std::exception_ptr TakePendingException();

}  // namespace platform::detail
